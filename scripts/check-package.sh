#!/usr/bin/env bash
# Builds the Debian package (scripts/package.sh) and checks it as a user's machine meets it:
# lintian, the desktop entry and the AppStream metadata; then installs it, reads the sample
# record with zeltar-export, runs zeltar-logger offscreen for a few seconds as a throwaway user
# with a home of its own, ends it with SIGTERM, and purges the package. It installs and removes
# system-wide, so it runs as root (as in CI), and leaves alone a zeltar-logger already installed.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ "$(id -u)" -ne 0 ]; then
  echo "check-package.sh installs the package and makes a user: run it as root." >&2
  exit 1
fi
installed() { dpkg-query -W -f='${Status}' zeltar-logger 2>/dev/null | grep -q 'install ok installed'; }
if installed; then
  echo "zeltar-logger is installed here; the check would remove it. Purge it first." >&2
  exit 1
fi

work=$(mktemp -d)
# The throwaway user's home lies in here, so others must be able to enter it.
chmod 755 "$work"
user=zeltar-check-$$
home=$work/home
program=
# A program a failed check left running.
stop_program() {
  if [ -n "$program" ]; then
    kill -KILL "$program" 2>/dev/null || true
    wait "$program" 2>/dev/null || true
    program=
  fi
}
cleanup() {
  stop_program
  if id "$user" >/dev/null 2>&1; then userdel -r "$user" 2>/dev/null || true; fi
  if installed; then apt-get purge -y -qq zeltar-logger >/dev/null 2>&1 || true; fi
  rm -rf "$work"
}
trap cleanup EXIT

passed=0
failed=()
# check NAME COMMAND...: runs one check; a failure is counted and the next check runs.
check() {
  local name=$1
  shift
  if "$@"; then
    passed=$((passed + 1))
    echo "ok: $name"
  else
    failed+=("$name")
    echo "FAILED: $name" >&2
  fi
}
fail() {
  echo "  $*" >&2
  return 1
}

scripts/package.sh | tee "$work/package.log"
deb=$(tail -n 1 "$work/package.log")
version=$(dpkg-deb -f "$deb" Version)
dpkg-deb -x "$deb" "$work/contents"
sample=$(ls samples/*.zlog | head -n 1)

check "lintian reports no error and no warning" lintian --fail-on error,warning --display-info "$deb"
check "the desktop entry is valid" desktop-file-validate "$work"/contents/usr/share/applications/*.desktop
check "the AppStream metadata is valid" appstreamcli validate --no-net "$work"/contents/usr/share/metainfo/*.xml

# The package's dependencies are all on a machine that builds it: nothing is downloaded.
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$deb"
dpkg -L zeltar-logger >"$work/files"

has_its_files() {
  local file
  for file in /usr/bin/zeltar-logger /usr/bin/zeltar-export /usr/bin/zeltar-meter-sim /usr/bin/zeltar-record \
      /usr/lib/systemd/system/zeltar-record@.service \
      "/usr/share/zeltar-logger/Risk Palette.bmp" "/usr/share/zeltar-logger/ZELTAR Logger User Manual.pdf" \
      /usr/share/applications/io.github.zeltar.Logger.desktop \
      /usr/share/metainfo/io.github.zeltar.Logger.metainfo.xml \
      /usr/share/icons/hicolor/{48x48,128x128,256x256}/apps/io.github.zeltar.Logger.png \
      /usr/share/man/man1/{zeltar-logger,zeltar-export,zeltar-meter-sim,zeltar-record}.1.gz \
      /usr/share/doc/zeltar-logger/copyright /usr/share/doc/zeltar-logger/changelog.gz; do
    [ -f "$file" ] || fail "missing: $file" || return 1
  done
}
check "the package installs the programs, resources, desktop files and manual pages" has_its_files

reads_the_sample() {
  local summary
  summary=$(zeltar-export --summary "$sample") || fail "zeltar-export --summary failed" || return 1
  grep -qx "file: $(basename "$sample")" <<<"$summary" || fail "no file line in: $summary" || return 1
  grep -qx 'samples: [1-9][0-9]*' <<<"$summary" || fail "no samples in: $summary" || return 1
  # The report reads the installed risk palette and names the package's version.
  zeltar-export --report "$work/report.pdf" "$sample" || fail "zeltar-export --report failed" || return 1
  pdftotext "$work/report.pdf" - | grep -q "ZELTAR Logger $version" || fail "the report names no version $version"
}
check "zeltar-export reads the sample record" reads_the_sample

runs_as_a_user() {
  useradd --create-home --home-dir "$home" --shell /bin/sh "$user" || return 1
  install -d -m 700 -o "$user" -g "$user" "$home/runtime"
  local started
  started=$(mktemp -p "$work")
  # The user's own environment alone, as a desktop session would give it.
  setpriv --reuid="$user" --regid="$user" --init-groups \
    env -i HOME="$home" USER="$user" LOGNAME="$user" PATH=/usr/bin:/bin XDG_RUNTIME_DIR="$home/runtime" \
    QT_QPA_PLATFORM=offscreen zeltar-logger >"$work/program.log" 2>&1 &
  program=$!
  sleep 3
  kill -0 "$program" 2>/dev/null || fail "zeltar-logger ended at start: $(cat "$work/program.log")" || return 1
  [ -d "$home/.config/zeltar-logger" ] || fail "no settings folder under the home" || return 1
  [ -d "$home/.local/share/zeltar-logger/Log/Archive" ] || fail "no records folders under the home" || return 1
  kill -TERM "$program"
  local status=0
  wait "$program" || status=$?
  program=
  [ "$status" -eq 0 ] || fail "zeltar-logger ended with $status after SIGTERM: $(cat "$work/program.log")" || return 1
  [ -s "$home/.config/zeltar-logger/LastSettings.ls" ] || fail "no settings file written at the end" || return 1
  local written
  written=$(find /usr -xdev -newer "$started" -print)
  [ -z "$written" ] || fail "written under /usr: $written"
}
check "zeltar-logger runs as a user with their own folders and ends on SIGTERM" runs_as_a_user
stop_program

DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq zeltar-logger >/dev/null
purged_cleanly() {
  if installed; then fail "still installed" || return 1; fi
  local path left=0
  while IFS= read -r path; do
    case $path in /usr/*) ;; *) continue ;; esac
    # A folder that other packages own as well stays theirs.
    if [ -e "$path" ] && { [ ! -d "$path" ] || ! dpkg-query -S "$path" >/dev/null 2>&1; }; then
      echo "  left behind: $path" >&2
      left=1
    fi
  done <"$work/files"
  [ "$left" -eq 0 ]
}
check "apt-get purge leaves nothing of the package under /usr" purged_cleanly

echo "package: $passed passed, ${#failed[@]} failed"
[ ${#failed[@]} -eq 0 ]
