#!/bin/bash
# Installs the Debian packages the build and the tests need, if any is missing.
set -eu
packages="g++-mingw-w64-i686 g++-mingw-w64-x86-64 mingw-w64-tools wine wine64 wixl msitools xvfb xauth
          imagemagick cmake make python3 googletest osslsigncode openssl"
missing=""
for p in $packages; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
if [ -z "$missing" ]; then
    echo "deps: all packages present"
    exit 0
fi
echo "deps: installing$missing"
export DEBIAN_FRONTEND=noninteractive
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO=sudo
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends $missing >/dev/null
echo "deps: done"
