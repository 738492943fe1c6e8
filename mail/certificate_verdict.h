// What a server's certificate chain is worth: the chain's own fault bits
// (the system's chain engine sets them) together with what the system's
// SSL policy said. The policy alone misses faults on some systems (Wine's
// lets an incomplete chain through), so every fault bit counts here.
#pragma once

// The chain engine's fault bits (wincrypt's CERT_TRUST_* values).
enum ChainFault {
  CHAIN_NOT_TIME_VALID = 0x1,
  CHAIN_NOT_TIME_NESTED = 0x2,  // no longer checked by Windows itself
  CHAIN_REVOKED = 0x4,
  CHAIN_NOT_SIGNATURE_VALID = 0x8,
  CHAIN_NOT_VALID_FOR_USAGE = 0x10,
  CHAIN_UNTRUSTED_ROOT = 0x20,
  CHAIN_REVOCATION_UNKNOWN = 0x40,
  CHAIN_CYCLIC = 0x80,
  CHAIN_PARTIAL = 0x10000,
  CHAIN_OFFLINE_REVOCATION = 0x1000000,
  CHAIN_EXPLICIT_DISTRUST = 0x4000000
};

// policyResult is the policy's answer as a TlsResult. Gives the TlsResult
// for the server: any fault bit refuses it, except that a revocation
// server out of reach does not (a revoked certificate is refused). An
// untrusted or incomplete chain is named first, then dates, then any
// other fault, then what the policy found (the host name).
int CertificateVerdict(unsigned long chainFaults, int policyResult);
