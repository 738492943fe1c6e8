#!/usr/bin/env bash
# Certificates for the TLS mail tests, made fresh for each run: an
# authority that the host trusts only while the tests run, a server
# certificate it signs for the names 127.0.0.2 and 127.0.0.4, and one
# signed by nobody the host trusts. Wine reads the host's trusted store.
#   test_ca.sh setup|cleanup BUILD_DIR   (certificates in BUILD_DIR/tls)
set -euo pipefail
BUILD=$(realpath -m "$2")
DIR="$BUILD/tls"
TRUSTED=/usr/local/share/ca-certificates/zentick-test-ca.crt

cleanup() {
  if [ -f "$TRUSTED" ]; then
    rm -f "$TRUSTED"
    update-ca-certificates >/dev/null
  fi
  rm -rf "$DIR"
}

# sign NAME SUBJECT_ALT_NAMES ISSUER: NAME.key and NAME.crt, signed by
# ISSUER (ca) or by itself (self).
sign() {
  local name=$1 alt=$2 issuer=$3 cn=${2#DNS:}
  openssl req -new -newkey rsa:2048 -nodes -subj "/CN=${cn%%,*}" -keyout "$DIR/$name.key" \
    -out "$DIR/$name.csr" 2>/dev/null
  printf 'subjectAltName=%s\nextendedKeyUsage=serverAuth\n' "$alt" >"$DIR/$name.ext"
  if [ "$issuer" = self ]; then
    openssl x509 -req -in "$DIR/$name.csr" -signkey "$DIR/$name.key" -days 2 \
      -extfile "$DIR/$name.ext" -out "$DIR/$name.crt" 2>/dev/null
  else
    openssl x509 -req -in "$DIR/$name.csr" -CA "$DIR/ca.crt" -CAkey "$DIR/ca.key" \
      -CAcreateserial -days 2 -extfile "$DIR/$name.ext" -out "$DIR/$name.crt" 2>/dev/null
  fi
}

case "$1" in
  setup)
    cleanup
    mkdir -p "$DIR"
    openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=Zentick test authority" \
      -keyout "$DIR/ca.key" -out "$DIR/ca.crt" 2>/dev/null
    sign server "DNS:127.0.0.2,IP:127.0.0.2" ca
    sign untrusted "DNS:127.0.0.4,IP:127.0.0.4" self
    cp "$DIR/ca.crt" "$TRUSTED"
    update-ca-certificates >/dev/null
    echo "test authority trusted: $TRUSTED"
    ;;
  cleanup) cleanup ;;
  *) echo "usage: test_ca.sh setup|cleanup BUILD_DIR" >&2; exit 2 ;;
esac
