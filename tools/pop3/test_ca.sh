#!/usr/bin/env bash
# Certificates for the TLS mail tests, made fresh for each run: an
# authority that the host trusts only while the tests run, and one server
# certificate for each case the tests try, each named for its own
# loopback address (tools/pop3/dovecot.sh serves each on that address):
#   127.0.0.2  server      trusted, valid (also named 127.0.0.10)
#   127.0.0.3              the same certificate: not its name
#   127.0.0.4  self        signed by itself
#   127.0.0.5  stranger    from an authority the host does not know, sent alone
#   127.0.0.6  chained     from an intermediate that is sent, whose root is unknown
#   127.0.0.7  expired     trusted authority, dates in the past
#   127.0.0.8  early       trusted authority, dates in the future
#   127.0.0.9  client      trusted authority, for client use only
# Wine reads the host's trusted store.
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

# An authority: NAME.key and NAME.crt, signed by itself.
authority() {
  openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=Zentick test $1" \
    -addext basicConstraints=critical,CA:TRUE -addext keyUsage=critical,keyCertSign,cRLSign \
    -keyout "$DIR/$1.key" -out "$DIR/$1.crt" 2>/dev/null
}

# issue NAME ISSUER EXTENSIONS [START END]: NAME.key and NAME.crt, signed
# by ISSUER, with EXTENSIONS (separated by ";"), valid from START to END
# (YYYYMMDDHHMMSSZ; by default from now for two days).
issue() {
  local name=$1 issuer=$2 extensions=$3 start=${4:-} end=${5:-}
  openssl req -new -newkey rsa:2048 -nodes -subj "/CN=$name" -keyout "$DIR/$name.key" \
    -out "$DIR/$name.csr" 2>/dev/null
  printf '%s\n' "$extensions" | tr ';' '\n' >"$DIR/$name.ext"
  : >"$DIR/index.txt"
  cat >"$DIR/ca.cnf" <<CNF
[ca]
default_ca = any
[any]
database = $DIR/index.txt
new_certs_dir = $DIR
serial = $DIR/serial
default_md = sha256
default_days = 2
policy = anything
unique_subject = no
[anything]
commonName = supplied
CNF
  [ -f "$DIR/serial" ] || echo 1000 >"$DIR/serial"
  openssl ca -batch -notext -config "$DIR/ca.cnf" -cert "$DIR/$issuer.crt" \
    -keyfile "$DIR/$issuer.key" -extfile "$DIR/$name.ext" -in "$DIR/$name.csr" \
    -out "$DIR/$name.crt" ${start:+-startdate "$start"} ${end:+-enddate "$end"} 2>/dev/null
}

server_for() {  # the extensions of a server certificate for ADDRESS
  echo "subjectAltName=DNS:$1,IP:$1;extendedKeyUsage=serverAuth"
}

case "$1" in
  setup)
    cleanup
    mkdir -p "$DIR"
    authority ca
    authority unknown_root
    issue server ca "subjectAltName=DNS:127.0.0.2,IP:127.0.0.2,DNS:127.0.0.10,IP:127.0.0.10;extendedKeyUsage=serverAuth"
    openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=127.0.0.4" \
      -addext subjectAltName=DNS:127.0.0.4,IP:127.0.0.4 -addext extendedKeyUsage=serverAuth \
      -keyout "$DIR/self.key" -out "$DIR/self.crt" 2>/dev/null
    issue stranger unknown_root "$(server_for 127.0.0.5)"
    issue middle unknown_root "basicConstraints=critical,CA:TRUE;keyUsage=critical,keyCertSign"
    issue chained middle "$(server_for 127.0.0.6)"
    cat "$DIR/middle.crt" >>"$DIR/chained.crt"
    issue expired ca "$(server_for 127.0.0.7)" 20200101000000Z 20210101000000Z
    issue early ca "$(server_for 127.0.0.8)" 20400101000000Z 20410101000000Z
    issue client ca "subjectAltName=DNS:127.0.0.9,IP:127.0.0.9;extendedKeyUsage=clientAuth"
    cp "$DIR/ca.crt" "$TRUSTED"
    update-ca-certificates >/dev/null
    echo "test authority trusted: $TRUSTED"
    ;;
  cleanup) cleanup ;;
  *) echo "usage: test_ca.sh setup|cleanup BUILD_DIR" >&2; exit 2 ;;
esac
