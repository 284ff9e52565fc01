#!/bin/bash
# Plays one setup scenario under Wine (default: the typical run) with the
# shipped 32-bit SETUP.EXE (TARVEX_DEMO_BUILD=win64: the x86_64 build) and
# prints what happened. With a display, the user clicks through the real windows;
# without one (or with TARVEX_DEMO_HEADLESS=1) it runs under Xvfb, answers
# every window as the scenario says and saves a PNG of each window.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
scenario=${1:-typical}
build=${TARVEX_DEMO_BUILD:-win32}
demo=$root/build/$build/tests/demo.exe
if [ "$scenario" = "list" ]; then
    TARVEX_KEEP_PREFIX= "$root/scripts/wine-run.sh" "$demo" --list
    exit 0
fi
out=$root/demo-output/$scenario
rm -rf "$out" && mkdir -p "$out"
winout="Z:$(echo "$out" | tr '/' '\\')"

if [ -n "${DISPLAY:-}" ] && [ -z "${TARVEX_DEMO_HEADLESS:-}" ]; then
    echo "demo: playing \"$scenario\" with the $build build on $DISPLAY: answer setup's windows yourself"
    TARVEX_USE_DISPLAY=1 "$root/scripts/wine-run.sh" "$demo" "$scenario" "$winout" --user-answers \
        | tee "$out/report.txt"
else
    echo "demo: playing \"$scenario\" with the $build build under Xvfb, answering every window as the scenario says"
    "$root/scripts/wine-run.sh" "$demo" "$scenario" "$winout" | tee "$out/report.txt"
fi
for picture in "$out"/*.bmp; do
    [ -e "$picture" ] || continue
    convert "$picture" "${picture%.bmp}.png" && rm "$picture"
done
echo
if [ "$build" = win32 ]; then
    echo "demo: no pictures from the 32-bit build (under Wine a 32-bit program cannot copy the screen);"
    echo "      make demo DEMO_BUILD=win64 takes them"
fi
echo "demo: report and pictures of every window in ${out#$root/}/"
ls "$out"
