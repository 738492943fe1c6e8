#!/usr/bin/env bash
# A throw-away POP3 server for the tests: Dovecot on 127.0.0.1, configured
# and run inside DIR, serving one maildir (DIR/Maildir) to any user whose
# password is "secret".
#   dovecot.sh start DIR   (writes the port it listens on to DIR/port)
#   dovecot.sh stop DIR
set -euo pipefail
cmd=$1
dir=$(realpath -m "$2")

if [ "$cmd" = stop ]; then
  [ -f "$dir/dovecot.conf" ] && /usr/sbin/dovecot -c "$dir/dovecot.conf" stop 2>/dev/null || true
  rm -rf "$dir"
  exit 0
fi

mkdir -p "$dir/run" "$dir/Maildir/new" "$dir/Maildir/cur" "$dir/Maildir/tmp"
# Mail is read as an unprivileged user; the test (root under Wine) fills new/.
chown -R dovenull:dovenull "$dir/Maildir"
chmod 777 "$dir/Maildir/new"
# A port that is free now; Dovecot takes it a moment later.
port=$(python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
cat >"$dir/dovecot.conf" <<CONF
base_dir = $dir/run
state_dir = $dir/run
log_path = $dir/dovecot.log
protocols = pop3
listen = 127.0.0.1
ssl = no
disable_plaintext_auth = no
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
    address = 127.0.0.1
    port = $port
  }
  inet_listener pop3s {
    port = 0
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
  if python3 -c "import socket,sys; socket.create_connection(('127.0.0.1', $port), 1).close()" 2>/dev/null; then
    echo "$port" >"$dir/port"
    exit 0
  fi
  sleep 0.1
done
echo "dovecot did not start; see $dir/dovecot.log" >&2
exit 1
