#!/usr/bin/env bash
# Shows ZELTAR Logger at work without a meter: sets up and builds, starts the meter simulator
# behind /dev/ttyUSB99 (where the program looks for a meter), runs the program, and stops the
# simulator when the program ends. Usage: sudo scripts/demo.sh
set -euo pipefail
cd "$(dirname "$0")/.."

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

build/bin/zeltar-meter-sim --link "$link" --interval 0.5 --pattern walk --frequencies 900,1800,2450,3600,5200 \
  >/dev/null &
simulator=$!
trap 'kill "$simulator" 2>/dev/null || true; wait "$simulator" 2>/dev/null || true' EXIT

for _ in $(seq 50); do
  [ -L "$link" ] && break
  sleep 0.1
done
if [ ! -L "$link" ]; then
  echo "The simulator did not come up at $link." >&2
  exit 1
fi

build/bin/zeltar-logger
