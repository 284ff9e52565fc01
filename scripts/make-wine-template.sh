#!/bin/bash
# Makes the Wine prefix that every test run copies: a fresh 64-bit prefix
# that also runs 32-bit programs (their system folder is syswow64), with unmanaged windows (a managed window under Xvfb waits 2 s before it
# reacts) and no debugger started for a crashing program, 32-bit or 64-bit:
# a crash ends the program, and its test, at once. A template made by an
# earlier version of this script is made anew.
set -eu
template=$(realpath -m "$1")
source "$(dirname "$0")/wine-env.sh"
version=2
[ "$(cat "$template/.complete" 2>/dev/null)" = "$version" ] && exit 0
echo "wine: making the test prefix template in $template"
rm -rf "$template" "$template.new"
export WINEPREFIX=$template.new WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
"$WINE" wineboot -i >/dev/null 2>&1 || true
"$WINESERVER" -w
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
