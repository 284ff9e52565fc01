#!/bin/bash
# Makes the Wine prefix that every test run copies: a fresh 64-bit prefix
# that also runs 32-bit programs (their system folder is syswow64), with unmanaged windows (a managed window under Xvfb waits 2 s before it
# reacts) and no debugger started for a crashing program, 32-bit or 64-bit:
# a crash ends the program, and its test, at once. A template made by an
# earlier version of this script is made anew.
set -eu
template=$(realpath -m "$1")
source "$(dirname "$0")/wine-env.sh"
version=4
[ "$(cat "$template/.complete" 2>/dev/null)" = "$version" ] && exit 0
# Test runs started side by side all ask for the template: one makes it,
# the others wait for it rather than make it over each other.
mkdir -p "$(dirname "$template")"
exec 9>"$template.lock"
flock 9
[ "$(cat "$template/.complete" 2>/dev/null)" = "$version" ] && exit 0
echo "wine: making the test prefix template in $template"
rm -rf "$template" "$template.new"
export WINEPREFIX=$template.new WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# A wineboot cut short on a loaded machine leaves a prefix without its
# system libraries, in which no program starts: it is made once more, and
# a second failure says so rather than failing every test.
for attempt in 1 2; do
    "$WINE" wineboot -i >/dev/null 2>&1 || true
    "$WINESERVER" -w
    [ -f "$WINEPREFIX/drive_c/windows/system32/kernel32.dll" ] && break
    echo "wine: the prefix came out without its system libraries (attempt $attempt)"
    [ $attempt = 2 ] && exit 1
    rm -rf "$WINEPREFIX"
done
reg() { "$WINE" reg add "$@" /f >/dev/null 2>&1; }
reg 'HKCU\Software\Wine\X11 Driver' /v Managed /d N
# A 32-bit program reads its own view of the key (Wow6432Node).
for view in /reg:64 /reg:32; do
    reg 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger /d 'C:\no-debugger.exe' $view
    reg 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Auto /d 1 $view
done
"$WINESERVER" -w
echo "$version" > "$WINEPREFIX/.complete"
mv "$WINEPREFIX" "$template"
