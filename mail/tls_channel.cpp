#include "mail/tls_channel.h"

#define SECURITY_WIN32
#include <security.h>
#include <schannel.h>
#include <stdlib.h>
#include <string.h>
#include <wincrypt.h>
#include <wininet.h>

#include "mail/certificate_verdict.h"
#include "mail/pop3_dialogue.h"
#include "platform/newer_calls.h"

// The calls taken from secur32 and crypt32 when first needed.
struct TlsCalls {
  PSecurityFunctionTableA sspi;
  BOOL(WINAPI* getChain)(HCERTCHAINENGINE, PCCERT_CONTEXT, LPFILETIME, HCERTSTORE,
                         PCERT_CHAIN_PARA, DWORD, LPVOID, PCCERT_CHAIN_CONTEXT*);
  BOOL(WINAPI* verifyChain)(LPCSTR, PCCERT_CHAIN_CONTEXT, PCERT_CHAIN_POLICY_PARA,
                            PCERT_CHAIN_POLICY_STATUS);
  VOID(WINAPI* freeChain)(PCCERT_CHAIN_CONTEXT);
  BOOL(WINAPI* freeCertificate)(PCCERT_CONTEXT);
};

static TlsCalls calls;
static int callsLooked;

static void LookUpCalls() {
  HMODULE secur32 = LoadLibraryA("secur32.dll");
  if (!secur32) secur32 = LoadLibraryA("security.dll");  // NT 4.0
  HMODULE crypt32 = LoadLibraryA("crypt32.dll");
  INIT_SECURITY_INTERFACE_A init;
  int found = FindCall(secur32, SECURITY_ENTRYPOINT_ANSIA, &init) &&
              FindCall(crypt32, "CertGetCertificateChain", &calls.getChain) &&
              FindCall(crypt32, "CertVerifyCertificateChainPolicy", &calls.verifyChain) &&
              FindCall(crypt32, "CertFreeCertificateChain", &calls.freeChain) &&
              FindCall(crypt32, "CertFreeCertificateContext", &calls.freeCertificate);
  calls.sspi = found ? init() : NULL;
}

// Only one check runs at a time, so the first look-up needs no lock.
int TlsSupported() {
  if (!callsLooked) LookUpCalls();
  callsLooked = 1;
  return calls.sspi != NULL;
}

// One record with its header and trailer fits, with room to spare.
enum { TLS_BUFFER_SIZE = 24 * 1024 };

struct TlsChannel {
  MailSocket* socket;
  const char* host;
  CredHandle credentials;
  CtxtHandle context;
  int hasCredentials, hasContext;
  int closed;  // the server's close_notify came
  SecPkgContext_StreamSizes sizes;
  char incoming[TLS_BUFFER_SIZE];  // records received, not yet decrypted
  size_t incomingLength;
  char plain[TLS_BUFFER_SIZE];  // decrypted, not yet taken
  size_t plainLength;
  char outgoing[TLS_BUFFER_SIZE];
};

static const ULONG kContextFlags = ISC_REQ_SEQUENCE_DETECT | ISC_REQ_REPLAY_DETECT |
                                   ISC_REQ_CONFIDENTIALITY | ISC_REQ_EXTENDED_ERROR |
                                   ISC_REQ_ALLOCATE_MEMORY | ISC_REQ_STREAM;

static int ReceiveMore(TlsChannel* c) {
  size_t room = sizeof c->incoming - c->incomingLength;
  if (room == 0) return -1;
  int n = ReceiveBeforeDeadline(c->socket, c->incoming + c->incomingLength, (int)room);
  if (n > 0) c->incomingLength += n;
  return n;
}

// Keeps only the bytes the provider left over (extra) at the end of incoming.
static void KeepExtra(TlsChannel* c, const SecBuffer* extra) {
  size_t kept = extra->BufferType == SECBUFFER_EXTRA ? extra->cbBuffer : 0;
  if (kept > c->incomingLength) kept = 0;
  memmove(c->incoming, c->incoming + c->incomingLength - kept, kept);
  c->incomingLength = kept;
}

static int SendToken(TlsChannel* c, SecBuffer* token) {
  int ok = 1;
  if (token->pvBuffer && token->cbBuffer)
    ok = SendAllOnSocket(c->socket, (const char*)token->pvBuffer, (int)token->cbBuffer) >= 0;
  if (token->pvBuffer) calls.sspi->FreeContextBuffer(token->pvBuffer);
  token->pvBuffer = NULL;
  return ok;
}

// Handshake messages until the provider is done; status is where it
// stands. speakFirst: the client's next message needs nothing more from
// the server (a renegotiation the server asked for), so nothing is
// awaited before it.
static int RunHandshake(TlsChannel* c, SECURITY_STATUS status, int speakFirst) {
  int anonymous = 0;
  while (status == SEC_I_CONTINUE_NEEDED || status == SEC_E_INCOMPLETE_MESSAGE ||
         status == SEC_I_INCOMPLETE_CREDENTIALS) {
    if (status == SEC_I_INCOMPLETE_CREDENTIALS) {
      // The server asks for a client certificate; it gets none, once.
      if (anonymous++) return 0;
    } else if ((status == SEC_E_INCOMPLETE_MESSAGE || (c->incomingLength == 0 && !speakFirst)) &&
               ReceiveMore(c) <= 0) {
      return 0;
    }
    speakFirst = 0;
    SecBuffer in[2] = {{(ULONG)c->incomingLength, SECBUFFER_TOKEN, c->incoming},
                       {0, SECBUFFER_EMPTY, NULL}};
    SecBuffer out[1] = {{0, SECBUFFER_TOKEN, NULL}};
    SecBufferDesc inDesc = {SECBUFFER_VERSION, 2, in}, outDesc = {SECBUFFER_VERSION, 1, out};
    ULONG attributes;
    status = calls.sspi->InitializeSecurityContextA(
        &c->credentials, &c->context, (SEC_CHAR*)c->host, kContextFlags, 0, 0, &inDesc, 0,
        NULL, &outDesc, &attributes, NULL);
    if (status == SEC_E_INCOMPLETE_MESSAGE || status == SEC_I_INCOMPLETE_CREDENTIALS) {
      if (out[0].pvBuffer) calls.sspi->FreeContextBuffer(out[0].pvBuffer);
      continue;
    }
    if (!SendToken(c, &out[0]) || FAILED(status)) return 0;
    KeepExtra(c, &in[1]);
  }
  return status == SEC_E_OK;
}

static int StartHandshake(TlsChannel* c) {
  SCHANNEL_CRED cred = {};
  cred.dwVersion = SCHANNEL_CRED_VERSION;
  // The certificate is checked below, where each fault gets its own name.
  cred.dwFlags = SCH_CRED_NO_DEFAULT_CREDS | SCH_CRED_MANUAL_CRED_VALIDATION;
  TimeStamp expiry;
  if (calls.sspi->AcquireCredentialsHandleA(NULL, (SEC_CHAR*)UNISP_NAME_A,
                                            SECPKG_CRED_OUTBOUND, NULL, &cred, NULL, NULL,
                                            &c->credentials, &expiry) != SEC_E_OK)
    return 0;
  c->hasCredentials = 1;
  SecBuffer out[1] = {{0, SECBUFFER_TOKEN, NULL}};
  SecBufferDesc outDesc = {SECBUFFER_VERSION, 1, out};
  ULONG attributes;
  SECURITY_STATUS status = calls.sspi->InitializeSecurityContextA(
      &c->credentials, NULL, (SEC_CHAR*)c->host, kContextFlags, 0, 0, NULL, 0, &c->context,
      &outDesc, &attributes, NULL);
  c->hasContext = status == SEC_I_CONTINUE_NEEDED;
  return SendToken(c, &out[0]) && c->hasContext && RunHandshake(c, status, 0);
}

// The SSL policy's answer as a TlsResult: any error refuses the server.
// The policy is told to leave revocation alone, which the chain's own
// bits settle (CertificateVerdict); a revocation error from it anyway
// means it stopped before the name check.
static int PolicyResult(DWORD error) {
  switch (error) {
    case 0:
      return TLS_OK;
    case (DWORD)CERT_E_UNTRUSTEDROOT:
    case (DWORD)CERT_E_CHAINING:
      return TLS_UNTRUSTED_ROOT;
    case (DWORD)CERT_E_EXPIRED:
      return TLS_EXPIRED;
    case (DWORD)CERT_E_CN_NO_MATCH:
      return TLS_NAME_MISMATCH;
    default:
      return TLS_BAD_CERTIFICATE;
  }
}

static_assert(CHAIN_NOT_TIME_VALID == CERT_TRUST_IS_NOT_TIME_VALID &&
                  CHAIN_NOT_TIME_NESTED == CERT_TRUST_IS_NOT_TIME_NESTED &&
                  CHAIN_REVOKED == CERT_TRUST_IS_REVOKED &&
                  CHAIN_NOT_SIGNATURE_VALID == CERT_TRUST_IS_NOT_SIGNATURE_VALID &&
                  CHAIN_NOT_VALID_FOR_USAGE == CERT_TRUST_IS_NOT_VALID_FOR_USAGE &&
                  CHAIN_UNTRUSTED_ROOT == CERT_TRUST_IS_UNTRUSTED_ROOT &&
                  CHAIN_REVOCATION_UNKNOWN == CERT_TRUST_REVOCATION_STATUS_UNKNOWN &&
                  CHAIN_CYCLIC == CERT_TRUST_IS_CYCLIC &&
                  CHAIN_PARTIAL == CERT_TRUST_IS_PARTIAL_CHAIN &&
                  CHAIN_OFFLINE_REVOCATION == CERT_TRUST_IS_OFFLINE_REVOCATION &&
                  CHAIN_EXPLICIT_DISTRUST == CERT_TRUST_IS_EXPLICIT_DISTRUST,
              "the chain fault bits are the system's");

// The server's chain against the trusted authorities, for server use, for
// revocation below the root where the system can tell, and for the host
// name the account gives.
static int CheckCertificate(TlsChannel* c) {
  PCCERT_CONTEXT certificate = NULL;
  if (calls.sspi->QueryContextAttributesA(&c->context, SECPKG_ATTR_REMOTE_CERT_CONTEXT,
                                          &certificate) != SEC_E_OK || !certificate)
    return TLS_BAD_CERTIFICATE;
  LPSTR usages[] = {(LPSTR)szOID_PKIX_KP_SERVER_AUTH};
  CERT_CHAIN_PARA chainPara = {};
  chainPara.cbSize = sizeof chainPara;
  chainPara.RequestedUsage.dwType = USAGE_MATCH_TYPE_OR;
  chainPara.RequestedUsage.Usage.cUsageIdentifier = 1;
  chainPara.RequestedUsage.Usage.rgpszUsageIdentifier = usages;
  PCCERT_CHAIN_CONTEXT chain = NULL;
  int result = TLS_BAD_CERTIFICATE;
  WCHAR host[POP3_HOST_SIZE];
  if (MultiByteToWideChar(CP_ACP, 0, c->host, -1, host, POP3_HOST_SIZE) &&
      calls.getChain(NULL, certificate, NULL, certificate->hCertStore, &chainPara,
                     CERT_CHAIN_REVOCATION_CHECK_CHAIN_EXCLUDE_ROOT, NULL, &chain)) {
    SSL_EXTRA_CERT_CHAIN_POLICY_PARA ssl = {};
    ssl.cbStruct = sizeof ssl;
    ssl.dwAuthType = AUTHTYPE_SERVER;
    ssl.pwszServerName = host;
    // Revocation is judged from the chain's own bits below; Wine's policy
    // otherwise stops at an unanswered revocation question, before the name.
    ssl.fdwChecks = SECURITY_FLAG_IGNORE_REVOCATION;
    CERT_CHAIN_POLICY_PARA policy = {};
    policy.cbSize = sizeof policy;
    policy.dwFlags = CERT_CHAIN_POLICY_IGNORE_ALL_REV_UNKNOWN_FLAGS;
    policy.pvExtraPolicyPara = &ssl;
    CERT_CHAIN_POLICY_STATUS status = {};
    status.cbSize = sizeof status;
    if (calls.verifyChain(CERT_CHAIN_POLICY_SSL, chain, &policy, &status))
      result = CertificateVerdict(chain->TrustStatus.dwErrorStatus, PolicyResult(status.dwError));
    calls.freeChain(chain);
  }
  calls.freeCertificate(certificate);
  return result;
}

int TlsHandshake(TlsChannel** channel, MailSocket* socket, const char* host) {
  *channel = NULL;
  if (!TlsSupported()) return TLS_UNAVAILABLE;
  TlsChannel* c = (TlsChannel*)calloc(1, sizeof(TlsChannel));
  if (!c) return TLS_HANDSHAKE_FAILED;
  c->socket = socket;
  c->host = host;
  int result = TLS_HANDSHAKE_FAILED;
  if (StartHandshake(c) &&
      calls.sspi->QueryContextAttributesA(&c->context, SECPKG_ATTR_STREAM_SIZES, &c->sizes) ==
          SEC_E_OK)
    result = CheckCertificate(c);
  if (result == TLS_OK) *channel = c;
  else TlsClose(c);
  return result;
}

int TlsSend(TlsChannel* c, const char* bytes, int length) {
  const SecPkgContext_StreamSizes& z = c->sizes;
  ULONG most = z.cbMaximumMessage;
  if (z.cbHeader + z.cbTrailer >= sizeof c->outgoing) return -1;
  if (most > sizeof c->outgoing - z.cbHeader - z.cbTrailer)
    most = sizeof c->outgoing - z.cbHeader - z.cbTrailer;
  for (int sent = 0; sent < length;) {
    ULONG n = (ULONG)(length - sent) < most ? (ULONG)(length - sent) : most;
    memcpy(c->outgoing + z.cbHeader, bytes + sent, n);
    SecBuffer b[4] = {{z.cbHeader, SECBUFFER_STREAM_HEADER, c->outgoing},
                      {n, SECBUFFER_DATA, c->outgoing + z.cbHeader},
                      {z.cbTrailer, SECBUFFER_STREAM_TRAILER, c->outgoing + z.cbHeader + n},
                      {0, SECBUFFER_EMPTY, NULL}};
    SecBufferDesc desc = {SECBUFFER_VERSION, 4, b};
    if (calls.sspi->EncryptMessage(&c->context, 0, &desc, 0) != SEC_E_OK) return -1;
    int record = (int)(b[0].cbBuffer + b[1].cbBuffer + b[2].cbBuffer);
    if (SendAllOnSocket(c->socket, c->outgoing, record) < 0) return -1;
    sent += (int)n;
  }
  return length;
}

enum RecordRead { RECORD_FAULT = -1, RECORD_NEEDS_MORE, RECORD_DECRYPTED, RECORD_CLOSED };

// Decrypts the next record from incoming into plain; RECORD_CLOSED at the
// server's close_notify.
static int DecryptRecord(TlsChannel* c) {
  if (c->incomingLength == 0) return RECORD_NEEDS_MORE;
  SecBuffer b[4] = {{(ULONG)c->incomingLength, SECBUFFER_DATA, c->incoming},
                    {0, SECBUFFER_EMPTY, NULL},
                    {0, SECBUFFER_EMPTY, NULL},
                    {0, SECBUFFER_EMPTY, NULL}};
  SecBufferDesc desc = {SECBUFFER_VERSION, 4, b};
  SECURITY_STATUS status = calls.sspi->DecryptMessage(&c->context, &desc, 0, NULL);
  if (status == SEC_E_INCOMPLETE_MESSAGE) return RECORD_NEEDS_MORE;
  if (status == SEC_I_CONTEXT_EXPIRED) return RECORD_CLOSED;
  if (status != SEC_E_OK && status != SEC_I_RENEGOTIATE) return RECORD_FAULT;
  const SecBuffer* extra = NULL;
  for (SecBuffer& piece : b) {
    if (piece.BufferType == SECBUFFER_DATA && piece.cbBuffer <= sizeof c->plain) {
      memcpy(c->plain, piece.pvBuffer, piece.cbBuffer);
      c->plainLength = piece.cbBuffer;
    }
    if (piece.BufferType == SECBUFFER_EXTRA) extra = &piece;
  }
  SecBuffer none = {0, SECBUFFER_EMPTY, NULL};
  KeepExtra(c, extra ? extra : &none);
  // The server asks for more handshake (a TLS 1.3 session ticket on newer
  // systems) and waits for the client's answer to what it has sent.
  if (status == SEC_I_RENEGOTIATE && !RunHandshake(c, SEC_I_CONTINUE_NEEDED, 1))
    return RECORD_FAULT;
  return RECORD_DECRYPTED;
}

int TlsReceive(TlsChannel* c, char* buffer, int size) {
  while (c->plainLength == 0) {
    if (c->closed) return 0;
    int record = DecryptRecord(c);
    if (record == RECORD_FAULT) return -1;
    c->closed = record == RECORD_CLOSED;
    // The connection ended without the server's close_notify: what came
    // may have been cut short by someone else.
    if (record == RECORD_NEEDS_MORE && ReceiveMore(c) <= 0) return -1;
  }
  int n = (size_t)size < c->plainLength ? size : (int)c->plainLength;
  memcpy(buffer, c->plain, n);
  c->plainLength -= n;
  memmove(c->plain, c->plain + n, c->plainLength);
  return n;
}

void TlsClose(TlsChannel* c) {
  if (!c) return;
  if (c->hasContext) calls.sspi->DeleteSecurityContext(&c->context);
  if (c->hasCredentials) calls.sspi->FreeCredentialsHandle(&c->credentials);
  // The buffers held the commands with the password before encryption.
  SecureZeroMemory(c, sizeof *c);
  free(c);
}
