#!/usr/bin/env bash
# A throw-away POP3 server for the tests: Dovecot on 127.0.0.1, configured
# and run from DIR, serving one maildir (DIR/Maildir) to any user whose
# password is "secret".
#   dovecot.sh start DIR   (writes the port it listens on to DIR/port)
#   dovecot.sh start DIR TLS_DIR
#     with TLS, certificates from test_ca.sh: STLS on DIR/port and TLS
#     from the start on DIR/tls_port, on 127.0.0.2 to 127.0.0.10, each
#     address with the certificate test_ca.sh lists for it; 127.0.0.10
#     asks for a client certificate, which the client may leave out.
#     Logins only under TLS. Not on 127.0.0.1: Dovecot takes a client on
#     its own address as secure.
#   dovecot.sh plain DIR
#     restarts the server of DIR on its addresses and STLS port in clear
#     only: no STLS, no TLS port, plain logins allowed; the maildir stays.
#   dovecot.sh stop DIR
# Dovecot's sockets and the maildir live in a short folder of their own
# under /tmp (named in DIR/base_dir; DIR/Maildir leads there): a socket's
# path holds at most 107 bytes however deep DIR lies, and the mail reader
# needs no way through the folders above DIR.
set -euo pipefail
cmd=$1
dir=$(realpath -m "$2")
tls=${3:+$(realpath -m "$3")}

# Waits until the server answers on port at the first address, then
# writes the ports; the tests wait for DIR/port.
wait_for_port() {
  for _ in $(seq 100); do
    if python3 -c "import socket,sys; socket.create_connection(('${address%%,*}', $port), 1).close()" 2>/dev/null; then
      echo "$tls_port" >"$dir/tls_port"
      echo "$port" >"$dir/port"
      exit 0
    fi
    sleep 0.1
  done
  echo "dovecot did not start; see $dir/dovecot.log" >&2
  exit 1
}

if [ "$cmd" = plain ]; then
  conf="$dir/dovecot.conf"
  port=$(sed -n '/inet_listener pop3 {/,/}/s/^ *port = //p' "$conf")
  tls_port=0
  address=$(sed -n 's/^listen = //p' "$conf")
  /usr/sbin/dovecot -c "$conf" stop
  for _ in $(seq 100); do
    python3 -c "import socket; socket.create_connection(('${address%%,*}', $port), 1).close()" 2>/dev/null || break
    sleep 0.1
  done
  # Everything from "ssl = yes" to the last "local" block gives way to clear.
  python3 - "$conf" <<'PY'
import re, sys
path = sys.argv[1]
text = open(path).read()
text = re.sub(r"ssl = yes\n.*?\n(auth_mechanisms)", "ssl = no\ndisable_plaintext_auth = no\n\\1", text, flags=re.S)
text = re.sub(r"(inet_listener pop3s \{\n    address = [^\n]*\n    port = )\d+", "\\g<1>0", text)
open(path, "w").write(text)
PY
  /usr/sbin/dovecot -c "$conf"
  wait_for_port
fi

if [ "$cmd" = stop ]; then
  [ -f "$dir/dovecot.conf" ] && /usr/sbin/dovecot -c "$dir/dovecot.conf" stop 2>/dev/null || true
  [ -f "$dir/base_dir" ] && rm -rf "$(cat "$dir/base_dir")"
  rm -rf "$dir"
  exit 0
fi

run=$(mktemp -d /tmp/ztXXXXXX)
chmod 755 "$run"
mkdir -p "$dir" "$run/Maildir/new" "$run/Maildir/cur" "$run/Maildir/tmp"
echo "$run" >"$dir/base_dir"
# Mail is read as an unprivileged user, who may not enter the folders
# above DIR; the test (root under Wine) fills new/ through DIR/Maildir.
chown -R dovenull:dovenull "$run/Maildir"
chmod 777 "$run/Maildir/new"
ln -s "$run/Maildir" "$dir/Maildir"
# Ports that are free now; Dovecot takes them a moment later.
free_port() {
  python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])'
}
port=$(free_port)
tls_port=0
address=127.0.0.1
ssl="ssl = no
disable_plaintext_auth = no"
if [ -n "$tls" ]; then
  tls_port=$(free_port)
  address=$(seq -s ', ' -f '127.0.0.%g' 2 10)
  ssl="ssl = yes
ssl_cert = <$tls/server.crt
ssl_key = <$tls/server.key
ssl_ca = <$tls/ca.crt
disable_plaintext_auth = yes
local 127.0.0.10 {
  ssl_verify_client_cert = yes
}"
  n=4
  for name in self stranger chained expired early client; do
    ssl="$ssl
local 127.0.0.$n {
  ssl_cert = <$tls/$name.crt
  ssl_key = <$tls/$name.key
}"
    n=$((n + 1))
  done
fi
cat >"$dir/dovecot.conf" <<CONF
base_dir = $run
state_dir = $run
log_path = $dir/dovecot.log
protocols = pop3
listen = $address
$ssl
auth_mechanisms = plain
first_valid_uid = 1
mail_location = maildir:$run/Maildir
pop3_uidl_format = %08Xu%08Xv
passdb {
  driver = static
  args = password=secret
}
userdb {
  driver = static
  args = uid=dovenull gid=dovenull home=$run
}
service pop3-login {
  inet_listener pop3 {
    address = $address
    port = $port
  }
  inet_listener pop3s {
    address = $address
    port = $tls_port
  }
  chroot =
}
service imap-login {
  inet_listener imap {
    port = 0
  }
  inet_listener imaps {
    port = 0
  }
}
service anvil {
  chroot =
}
service stats {
  inet_listener http {
    port = 0
  }
}
CONF
/usr/sbin/dovecot -c "$dir/dovecot.conf"
wait_for_port
