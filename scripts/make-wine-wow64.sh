#!/bin/bash
# Makes a private copy of the installed Wine that also runs 32-bit Windows
# programs (Wine 8's wow64 mode): the system's files, hard-linked, plus the
# 32-bit Windows half of Wine from Debian's libwine:i386 package of the same
# version, downloaded and unpacked, never installed (its Linux half needs a
# kernel that runs 32-bit programs).
set -eu
target=$(realpath -m "$1")
[ -f "$target/.complete" ] && exit 0
echo "wine: making the 32-bit-capable Wine copy in $target"
version=$(dpkg-query -W -f='${Version}' libwine:amd64)
work=$target.new
rm -rf "$target" "$work"
mkdir -p "$work/download"
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO=sudo
if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $SUDO dpkg --add-architecture i386
    $SUDO apt-get update -qq
fi
# apt's sandbox user must be able to write the download folder.
chmod 777 "$work/download"
(cd "$work/download" && apt-get download -qq "libwine:i386=$version" 2>/dev/null) ||
    { $SUDO apt-get update -qq && (cd "$work/download" && apt-get download -qq "libwine:i386=$version"); }
dpkg -x "$work/download"/libwine_*_i386.deb "$work/unpacked"

root=$work/root
mkdir -p "$root/usr/lib/x86_64-linux-gnu" "$root/usr/share"
cp -al /usr/lib/wine "$root/usr/lib/wine"
cp -al /usr/lib/x86_64-linux-gnu/wine "$root/usr/lib/x86_64-linux-gnu/wine"
cp -al /usr/share/wine "$root/usr/share/wine"
# Copied beside what the system's Wine already keeps there (its 32-bit
# zlib1.dll), never written through a link into the system's Wine.
windows32=$root/usr/lib/x86_64-linux-gnu/wine/i386-windows
for f in "$work/unpacked/usr/lib/i386-linux-gnu/wine/i386-windows/"*; do
    rm -f "$windows32/${f##*/}"
    cp "$f" "$windows32/"
done
# Wine's package makes its 32-bit zlib1.dll from MinGW's when installed;
# do the same here should that copy be missing.
if [ ! -f "$windows32/zlib1.dll" ]; then
    zlib=/usr/i686-w64-mingw32/lib/zlib1.dll
    { head -c 64 "$zlib"; printf 'Wine builtin DLL'; head -c 16 /dev/zero; tail -c +97 "$zlib"; } > "$windows32/zlib1.dll"
fi
rm -rf "$work/download" "$work/unpacked"
mv "$root" "$target"
rm -rf "$work"
touch "$target/.complete"
