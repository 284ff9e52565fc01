#!/bin/bash
# Takes the pictures shown in README.md: plays the scenarios that show each
# of setup's dialogs and the typical run's message box (under Wine and Xvfb),
# and keeps them as PNG files under docs/pictures/. They come from the x86_64
# build, whose windows are made from the same resources: a 32-bit program
# under Wine cannot copy pixels from the screen. Retaking them gives the
# same files when nothing changed.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
make -C "$root" --no-print-directory all >/dev/null
"$root/scripts/make-wine-template.sh" "$root/build/wine-template"

# build, scenario, window number, picture name
pictures="win64 typical 1 dialog-500
win64 typical 2 message-1058
win64 firefox 1 dialog-503
win64 old-help-viewer 1 dialog-400
win64 email-companion 1 dialog-800
win64 registry-cleaner 1 dialog-900
win64 offer-cancelled 2 message-1006"

shots=$(mktemp -d "${TMPDIR:-/tmp}/tarvex-pictures.XXXXXX")
trap 'rm -rf "$shots"' EXIT
mkdir -p "$root/docs/pictures"
echo "$pictures" | awk '{print $1, $2}' | sort -u | while read -r build scenario; do
    mkdir -p "$shots/$build/$scenario"
    "$root/scripts/wine-run.sh" "$root/build/$build/tests/demo.exe" "$scenario" \
        "Z:$(echo "$shots/$build/$scenario" | tr '/' '\\')" >/dev/null 2>&1
done
echo "$pictures" | while read -r build scenario number name; do
    shot=$(printf "%s/%s/%s/window-%02d.bmp" "$shots" "$build" "$scenario" "$number")
    convert "$shot" +set date:create +set date:modify -define png:exclude-chunk=date,time \
        "$root/docs/pictures/$name.png"
    echo "pictures: docs/pictures/$name.png ($build build)"
done
