#!/usr/bin/env bash
# A throw-away POP3 server for the tests: Dovecot on 127.0.0.1, configured
# and run inside DIR, serving one maildir (DIR/Maildir) to any user whose
# password is "secret".
#   dovecot.sh start DIR   (writes the port it listens on to DIR/port)
#   dovecot.sh start DIR TLS_DIR
#     with TLS, certificates from test_ca.sh: STLS on DIR/port and TLS
#     from the start on DIR/tls_port, on 127.0.0.2 (trusted certificate),
#     127.0.0.3 (the same certificate, not its name) and 127.0.0.4 (a
#     certificate nobody trusts); logins only under TLS. Not on 127.0.0.1:
#     Dovecot takes a client on its own address as secure.
#   dovecot.sh stop DIR
set -euo pipefail
cmd=$1
dir=$(realpath -m "$2")
tls=${3:+$(realpath -m "$3")}

if [ "$cmd" = stop ]; then
  [ -f "$dir/dovecot.conf" ] && /usr/sbin/dovecot -c "$dir/dovecot.conf" stop 2>/dev/null || true
  rm -rf "$dir"
  exit 0
fi

mkdir -p "$dir/run" "$dir/Maildir/new" "$dir/Maildir/cur" "$dir/Maildir/tmp"
# Mail is read as an unprivileged user; the test (root under Wine) fills new/.
chown -R dovenull:dovenull "$dir/Maildir"
chmod 777 "$dir/Maildir/new"
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
  address="127.0.0.2, 127.0.0.3, 127.0.0.4"
  ssl="ssl = yes
ssl_cert = <$tls/server.crt
ssl_key = <$tls/server.key
local 127.0.0.4 {
  ssl_cert = <$tls/untrusted.crt
  ssl_key = <$tls/untrusted.key
}
disable_plaintext_auth = yes"
fi
cat >"$dir/dovecot.conf" <<CONF
base_dir = $dir/run
state_dir = $dir/run
log_path = $dir/dovecot.log
protocols = pop3
listen = $address
$ssl
auth_mechanisms = plain
first_valid_uid = 1
mail_location = maildir:$dir/Maildir
pop3_uidl_format = %08Xu%08Xv
passdb {
  driver = static
  args = password=secret
}
userdb {
  driver = static
  args = uid=dovenull gid=dovenull home=$dir
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
# Ready when the port answers.
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
