#!/bin/bash
# Runs one Windows program, 32-bit or x86_64, in a prefix of its own, copied from
# the template, and removes the prefix afterwards. The system folders are
# shared with the template by hard links: tests may add files there but
# must never change one in place. Unless TARVEX_USE_DISPLAY is set, the
# program also gets an X display of its own (Xvfb), so tests running side by
# side never see, cover or take the focus from each other's windows.
set -u
here=$(cd "$(dirname "$0")/.." && pwd)
source "$here/scripts/wine-env.sh"
template=${TARVEX_WINE_TEMPLATE:-$here/build/wine-template}
"$here/scripts/make-wine-template.sh" "$template" || exit 1

prefix=$(mktemp -d "${TMPDIR:-/tmp}/tarvex-prefix.XXXXXX")
shared="system32 syswow64 winsxs"
excludes=""
for d in $shared; do excludes="$excludes --exclude=./drive_c/windows/$d"; done
tar -C "$template" $excludes -cf - . | tar -C "$prefix" -xf -
for d in $shared; do
    [ -d "$template/drive_c/windows/$d" ] && cp -al "$template/drive_c/windows/$d" "$prefix/drive_c/windows/$d"
done

export WINEPREFIX=$prefix WINEDEBUG=${WINEDEBUG:--all} WINESERVER
# Runs the program once; its output goes to the terminal and to $output.
run_once() {
    if [ -n "${TARVEX_USE_DISPLAY:-}" ]; then
        "$WINE" "$@" > >(tee "$output") 2>&1
        status=$?
    else
        # The X server picks a free display number itself and names it once it
        # is ready (-displayfd), so runs starting together never race for one.
        display=$(mktemp "${TMPDIR:-/tmp}/tarvex-display.XXXXXX")
        Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$display" 2>/dev/null &
        xvfb=$!
        for _ in $(seq 100); do
            [ -s "$display" ] && break
            sleep 0.1
        done
        DISPLAY=:$(cat "$display") "$WINE" "$@" > >(tee "$output") 2>&1
        status=$?
        # Wine's processes end before their display does.
        "$WINESERVER" -k 2>/dev/null
        kill "$xvfb" 2>/dev/null
        wait "$xvfb" 2>/dev/null
        rm -f "$display"
    fi
    "$WINESERVER" -k 2>/dev/null
    "$WINESERVER" -w 2>/dev/null
    wait  # for tee, so that $output is whole
}
output=$(mktemp "${TMPDIR:-/tmp}/tarvex-output.XXXXXX")
run_once "$@"
# A test program says something before its first test; one that failed
# without a word never started (Wine refuses a start now and then when the
# machine is loaded). It gets one more try, and the reason is printed.
if [ $status -ne 0 ] && [ ! -s "$output" ]; then
    echo "wine-run: ${1##*/} ended with status $status without any output, so it never started; trying once more" >&2
    run_once "$@"
fi
rm -f "$output"
if [ -n "${TARVEX_KEEP_PREFIX:-}" ]; then
    echo "wine-run: prefix kept in $prefix" >&2
else
    rm -rf "$prefix"
fi
exit $status
