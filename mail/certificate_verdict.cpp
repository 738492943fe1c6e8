#include "mail/certificate_verdict.h"

#include "mail/pop3_dialogue.h"

// Not faults of the server's: an unanswered revocation question (the
// server that knows may be down, or the certificate names none), and a
// nesting of dates that Windows itself no longer checks.
static const unsigned long kNotRefused =
    CHAIN_NOT_TIME_NESTED | CHAIN_REVOCATION_UNKNOWN | CHAIN_OFFLINE_REVOCATION;

int CertificateVerdict(unsigned long chainFaults, int policyResult) {
  unsigned long faults = chainFaults & ~kNotRefused;
  if ((faults & (CHAIN_UNTRUSTED_ROOT | CHAIN_PARTIAL)) || policyResult == TLS_UNTRUSTED_ROOT)
    return TLS_UNTRUSTED_ROOT;
  if ((faults & CHAIN_NOT_TIME_VALID) || policyResult == TLS_EXPIRED) return TLS_EXPIRED;
  if (faults) return TLS_BAD_CERTIFICATE;
  return policyResult;
}
