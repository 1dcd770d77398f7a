#!/usr/bin/env bash
# Monitor at a real X display with a system tray (Xvfb and trayer): it goes into the tray
# hidden, photos dropped into a watched folder are processed by the main program and counted in
# the job, a second start ends at once with 0, and a termination signal (a logout) ends the
# first with 0 and the job store saved.
#
# Usage: bash tools/monitor-tray-check.sh [BIN_FOLDER]   (default: build/bin)
set -euo pipefail
cd "$(dirname "$0")/.."
bin=$(realpath "${1:-build/bin}")

if [ -z "${MONITOR_TRAY_CHECK_DISPLAY:-}" ]; then
    command -v xvfb-run >/dev/null || { echo "SKIP: xvfb-run is not installed"; exit 0; }
    exec xvfb-run -a -s "-screen 0 1280x800x24" \
        env MONITOR_TRAY_CHECK_DISPLAY=1 bash "$0" "$bin"
fi

command -v trayer >/dev/null || { echo "SKIP: trayer is not installed"; exit 0; }
work=$(mktemp -d)
trayer_pid=
monitor_pid=
cleanup() {
    [ -n "$monitor_pid" ] && kill "$monitor_pid" 2>/dev/null || true
    [ -n "$trayer_pid" ] && kill "$trayer_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_RUNTIME_DIR=$work/runtime
export TMPDIR=$work/tmp QT_QPA_PLATFORM=xcb
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$TMPDIR" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

fail() { echo "FAIL: $*"; sed 's/^/    /' "$work/monitor.log" 2>/dev/null | tail -20; exit 1; }

# A folder job watching $work/in every second, its profile writing into $work/out.
mkdir -p "$work/in" "$work/out" "$HOME/Documents/Quendrasil/Monitor"
sed "s|<Property Name=\"DestPath\"></Property>|<Property Name=\"DestPath\">$work/out</Property>|" \
    resources/monitor/empty.qlf >"$work/job.qlf"
cat >"$HOME/Documents/Quendrasil/Monitor/Monitor.xml" <<XML
<?xml version="1.0" encoding="utf-16"?>
<Monitor>
	<Jobs>
		<Job Id="42">
			<Property Id="Active">1</Property>
			<Property Id="Type">0</Property>
			<Property Id="Name">Drop box</Property>
			<Property Id="Source">$work/in</Property>
			<Property Id="Script">$work/job.qlf</Property>
			<Property Id="Mask">*.*</Property>
			<Property Id="Interval">1</Property>
		</Job>
	</Jobs>
	<Logs>
	</Logs>
</Monitor>
XML

trayer --edge bottom --align right --widthtype pixel --width 200 --heighttype pixel \
    --height 24 >/dev/null 2>&1 &
trayer_pid=$!
sleep 1

"$bin/Monitor" >"$work/monitor.log" 2>&1 &
monitor_pid=$!
for _ in $(seq 100); do
    grep -q "watching the stored jobs" "$work/monitor.log" && break
    kill -0 "$monitor_pid" 2>/dev/null || fail "Monitor ended at start"
    sleep 0.2
done
grep -q "watching the stored jobs" "$work/monitor.log" || fail "Monitor did not come up"
grep -q "ShowAtStart. In the tray" "$work/monitor.log" || fail "Monitor did not go into the tray"
echo "ok: Monitor runs in the tray"

convert -size 64x48 xc:red "$work/in/first.jpg"
convert -size 64x48 xc:blue "$work/in/second.png"
for _ in $(seq 150); do
    [ "$(find "$work/out" -type f | wc -l)" -ge 2 ] \
        && grep -q '<Property Id="PicCount">2</Property>' \
            "$HOME/Documents/Quendrasil/Monitor/Monitor.xml" && break
    sleep 0.2
done
[ "$(find "$work/out" -type f | wc -l)" -ge 2 ] || fail "the dropped photos were not processed"
grep -q '<Property Id="PicCount">2</Property>' "$HOME/Documents/Quendrasil/Monitor/Monitor.xml" \
    || fail "the job's count was not saved"
echo "ok: dropped photos are processed and counted"

set +e
timeout 20 "$bin/Monitor" >"$work/second.log" 2>&1
second=$?
set -e
[ "$second" -eq 0 ] || fail "the second start ended with $second"
kill -0 "$monitor_pid" 2>/dev/null || fail "the first Monitor ended with the second"
[ "$(pgrep -c -x -u "$(id -u)" Monitor)" -ge 1 ] || fail "no Monitor running"
echo "ok: a second start ends with 0, the first keeps running"

rm -f "$HOME/Documents/Quendrasil/Monitor/Monitor.xml"
kill -TERM "$monitor_pid"
set +e
wait "$monitor_pid"
code=$?
set -e
monitor_pid=
[ "$code" -eq 0 ] || fail "SIGTERM ended Monitor with $code"
[ -f "$HOME/Documents/Quendrasil/Monitor/Monitor.xml" ] || fail "the store was not saved on the way out"
echo "ok: SIGTERM ends Monitor with 0 and the store saved"
