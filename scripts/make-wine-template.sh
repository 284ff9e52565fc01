#!/bin/bash
# Makes the Wine prefix that every test run copies: a fresh 64-bit prefix
# that also runs 32-bit programs (their system folder is syswow64), with unmanaged windows (a managed window under Xvfb waits 2 s before it
# reacts) and no debugger started for a crashing program.
set -eu
template=$(realpath -m "$1")
source "$(dirname "$0")/wine-env.sh"
[ -f "$template/.complete" ] && exit 0
echo "wine: making the test prefix template in $template"
rm -rf "$template" "$template.new"
export WINEPREFIX=$template.new WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
"$WINE" wineboot -i >/dev/null 2>&1 || true
"$WINESERVER" -w
reg() { "$WINE" reg add "$@" /f >/dev/null 2>&1; }
reg 'HKCU\Software\Wine\X11 Driver' /v Managed /d N
reg 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger /d 'C:\no-debugger.exe'
reg 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Auto /d 1
"$WINESERVER" -w
touch "$WINEPREFIX/.complete"
mv "$WINEPREFIX" "$template"
