#!/usr/bin/env bash
# Shows ZELTAR Logger at work without a meter: sets up and builds, starts the meter simulator
# behind /dev/ttyUSB99 (where the program looks for a meter), runs the program, and stops the
# simulator when the program ends. Usage: sudo scripts/demo.sh [--mqtt]
# With --mqtt the program also publishes its readings: a Mosquitto broker of the demo's own
# listens on 127.0.0.1 only, the program's Settings/Publishing.ini points at it (the one there
# before is put back afterwards), and mosquitto_sub prints every message it gets.
set -euo pipefail
cd "$(dirname "$0")/.."

mqtt=false
for arg in "$@"; do
  case $arg in
    --mqtt) mqtt=true ;;
    *) echo "Usage: sudo scripts/demo.sh [--mqtt]" >&2; exit 2 ;;
  esac
done

link=/dev/ttyUSB99
if [ "$(id -u)" -ne 0 ]; then
  cat >&2 <<TEXT
The demo puts a simulated meter at $link, where ZELTAR Logger looks for the real one,
and only root may create a device name there. Run it as root:

    sudo scripts/demo.sh

(Without root you can still run the simulator on a pseudo-terminal of its own:
build/bin/zeltar-meter-sim --help tells how.)
TEXT
  exit 1
fi
if [ -e "$link" ] && [ ! -L "$link" ]; then
  echo "$link is a real device here; unplug it or use the real meter instead." >&2
  exit 1
fi

scripts/setup.sh
scripts/build.sh
if $mqtt; then
  # setup.sh installs them on Debian; elsewhere they may be missing.
  for tool in mosquitto mosquitto_sub; do
    if ! PATH="$PATH:/usr/sbin" command -v "$tool" >/dev/null; then
      echo "--mqtt needs $tool (on Debian: apt install mosquitto mosquitto-clients)." >&2
      exit 1
    fi
  done
fi

# Everything the demo starts ends with it, and the publishing options are put back.
started=()
settings=build/bin/Settings/Publishing.ini
saved=
cleanup() {
  for pid in "${started[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${started[@]}"; do wait "$pid" 2>/dev/null || true; done
  if $mqtt; then
    if [ -n "$saved" ]; then mv -f "$saved" "$settings"; else rm -f "$settings"; fi
  fi
  [ -z "${brokerdir:-}" ] || rm -rf "$brokerdir"
}
trap cleanup EXIT

build/bin/zeltar-meter-sim --link "$link" --interval 0.5 --pattern walk --frequencies 900,1800,2450,3600,5200 \
  >/dev/null &
started+=($!)

if $mqtt; then
  # A port nothing listens on yet, from 18830 up.
  port=18830
  while ss -Hltn "sport = :$port" | grep -q .; do port=$((port + 1)); done
  brokerdir=$(mktemp -d)
  printf 'listener %s 127.0.0.1\nallow_anonymous true\npersistence false\n' "$port" >"$brokerdir/mosquitto.conf"
  PATH="$PATH:/usr/sbin" mosquitto -c "$brokerdir/mosquitto.conf" 2>"$brokerdir/mosquitto.log" &
  started+=($!)
  for _ in $(seq 50); do
    ss -Hltn "sport = :$port" | grep -q . && break
    sleep 0.1
  done
  mkdir -p "$(dirname "$settings")"
  if [ -e "$settings" ]; then
    saved=$(mktemp "$settings.XXXXXX")
    cp -p "$settings" "$saved"
  fi
  (umask 077 && printf 'Enabled=1\nHost=127.0.0.1\nPort=%s\nTls=0\nBaseTopic=zeltar\nMeterId=demo\nDiscovery=1\n' \
    "$port" >"$settings")
  chmod 600 "$settings"
  mosquitto_sub -h 127.0.0.1 -p "$port" -t 'zeltar/#' -v &
  started+=($!)
  echo "Publishing to the demo's broker at 127.0.0.1:$port; its messages follow." >&2
fi

for _ in $(seq 50); do
  [ -L "$link" ] && break
  sleep 0.1
done
if [ ! -L "$link" ]; then
  echo "The simulator did not come up at $link." >&2
  exit 1
fi

build/bin/zeltar-logger
