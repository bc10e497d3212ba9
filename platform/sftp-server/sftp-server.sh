#!/bin/sh
# Stand-in for the supervision server: a real OpenSSH sshd serving SFTP on 127.0.0.1:22
# with the controller's account, the server's directory tree and its own configuration,
# host key, PID file and log, all in one folder.
#
#   sftp-server.sh start DIR [ID ...]   lay out DIR, start sshd, print "home=<folder>"
#   sftp-server.sh run DIR [ID ...]     the same with sshd in the foreground, as this
#                                       process (a supervisor stops it with SIGTERM)
#   sftp-server.sh stop DIR             stop the sshd whose PID file is in DIR
#   sftp-server.sh status DIR           exit 0 while that sshd runs
#   sftp-server.sh check                exit 0 when a server could start here, else 3
#
# The account exists only for this server: sshd runs in a mount namespace of its own in
# which private copies of /etc/passwd and /etc/group with the account added, and a shadow
# file holding the account alone, are bound over the machine's. The machine's account
# files are never written.
#
# Port 22 is only free, and nothing leaves the machine, inside a private network namespace
# (test.sh and run.sh run in one): start refuses elsewhere, and when the port is taken, with
# exit status 3, so a test can skip.
set -eu

ACCOUNT=Voredane
# SHA-512 crypt of the account's password, made once with: openssl passwd -6 -salt orvsftp
PASSWORD_HASH='$6$orvsftp$jl3c.WfjiQTIMZo2X43NofCzXFPaMb0KfRfexFlB1oK/5lPAJq9XKp00sx84/cvjF/kA0t4jB14OCYS.lEDtz.'
ADDRESS=127.0.0.1
PORT=22
SSHD=/usr/sbin/sshd

usage() {
  echo "usage: $0 start|run DIR [ID ...] | stop DIR | status DIR | check" >&2
  exit 2
}

say() { echo "[sftp-server] $*" >&2; }

# True in a private network namespace: the loopback is this namespace's only interface
# (/proc/self/net lists the interfaces of the caller's namespace).
private_network() {
  [ "$(awk 'NR > 2 { sub(/:.*/, ""); print $1 }' /proc/self/net/dev)" = lo ]
}

loopback_up() {
  ip -o link show lo 2>/dev/null | grep -q '[<,]UP[,>]'
}

port_busy() {
  # A listener on 127.0.0.1:22 or on the wildcard address of this namespace.
  ss -Hltn "sport = :$PORT" 2>/dev/null | grep -q .
}

running() {
  [ -f "$1/sshd.pid" ] && kill -0 "$(cat "$1/sshd.pid")" 2>/dev/null
}

# First numeric id at or above 64000 that neither the users nor the groups use.
free_id() {
  id=64000
  while getent passwd "$id" >/dev/null || getent group "$id" >/dev/null; do
    id=$((id + 1))
  done
  echo "$id"
}

# The server's tree under the account's home, one device folder per ID.
lay_out_tree() {
  home=$1
  shift
  for d in Programme/v10 firmware compteur Alarmes Chargement Frequence tests_orv; do
    mkdir -p "$home/ORV/$d"
  done
  for id in "$@"; do
    for d in DversS SversD programme firmware; do
      mkdir -p "$home/ORV/$id/$d"
    done
  done
}

# Exits 3 with the reason when port 22 of this namespace is not ours to take.
check() {
  if ! private_network; then
    say "refused: not in a private network namespace (run inside 'unshare --net')"
    exit 3
  fi
  if ! loopback_up; then
    say "refused: the loopback of this network namespace is down"
    exit 3
  fi
  if port_busy; then
    say "refused: port $PORT is taken in this network namespace"
    exit 3
  fi
}

# Lays out DIR (configuration, host key, account files, tree); sets `dir` and `home`.
prepare() {
  dir=$1
  shift
  [ $# -gt 0 ] || set -- 12
  check
  mkdir -p "$dir/etc"
  dir=$(cd "$dir" && pwd)
  chmod 755 "$dir"
  home=$dir/home/$ACCOUNT
  uid=$(free_id)

  lay_out_tree "$home" "$@"
  chown -R "$uid:$uid" "$home"
  chmod 755 "$dir/home"

  { cat /etc/passwd; echo "$ACCOUNT:x:$uid:$uid:supervision server:$home:/usr/sbin/nologin"; } \
    >"$dir/etc/passwd"
  { cat /etc/group; echo "$ACCOUNT:x:$uid:"; } >"$dir/etc/group"
  # sshd reads the password entry of the account that logs in, and only this account may:
  # the machine's password hashes stay out of a folder that outlives the run (run.sh).
  echo "$ACCOUNT:$PASSWORD_HASH:19000:0:99999:7:::" >"$dir/etc/shadow"
  chmod 644 "$dir/etc/passwd" "$dir/etc/group"
  chmod 640 "$dir/etc/shadow"

  key=$dir/etc/ssh_host_ed25519_key
  [ -f "$key" ] || ssh-keygen -q -t ed25519 -N '' -C orv-sftp-server -f "$key"
  cat >"$dir/etc/sshd_config" <<EOF
ListenAddress $ADDRESS
Port $PORT
HostKey $key
PidFile $dir/sshd.pid
PasswordAuthentication yes
KbdInteractiveAuthentication no
PubkeyAuthentication no
AuthorizedKeysFile none
UsePAM no
PermitRootLogin no
AllowUsers $ACCOUNT
UseDNS no
AllowTcpForwarding no
X11Forwarding no
Subsystem sftp internal-sftp
ForceCommand internal-sftp
LogLevel VERBOSE
EOF

  # sshd's privilege-separation folder.
  mkdir -p /run/sshd
  chmod 755 /run/sshd
  rm -f "$dir/sshd.pid"
}

# Runs sshd over the private account files; extra arguments go to sshd (-D: foreground).
# unshare and sh exec into sshd, so this process becomes sshd itself.
exec_sshd() {
  exec unshare --mount --propagation private sh -c '
    set -e
    dir=$1 sshd=$2
    shift 2
    for f in passwd shadow group; do mount --bind "$dir/etc/$f" "/etc/$f"; done
    "$sshd" -t -f "$dir/etc/sshd_config"
    exec "$sshd" -f "$dir/etc/sshd_config" -E "$dir/sshd.log" "$@"' sh "$dir" "$SSHD" "$@"
}

start() {
  prepare "$@"
  (exec_sshd)
  # sshd forks into the background; it serves once its PID file and listener are there.
  tries=0
  until running "$dir" && port_busy; do
    tries=$((tries + 1))
    if [ "$tries" -gt 100 ]; then
      say "sshd did not come up; its log:"
      cat "$dir/sshd.log" >&2 || true
      exit 1
    fi
    sleep 0.05
  done
  echo "home=$home"
}

stop() {
  dir=$1
  if running "$dir"; then
    pid=$(cat "$dir/sshd.pid")
    kill "$pid"
    tries=0
    while kill -0 "$pid" 2>/dev/null && [ "$tries" -lt 100 ]; do
      tries=$((tries + 1))
      sleep 0.05
    done
  fi
  rm -f "$dir/sshd.pid"
}

[ $# -ge 1 ] || usage
command=$1
shift
[ "$command" = check ] || [ $# -ge 1 ] || usage
case "$command" in
  check) check ;;
  start) start "$@" ;;
  run)
    prepare "$@"
    exec_sshd -D
    ;;
  stop) stop "$1" ;;
  status) running "$1" ;;
  *) usage ;;
esac
