#!/bin/bash
# Takes the pictures shown in README.md: plays the scenarios that show each
# of setup's dialogs and the typical run's message box (under Wine and Xvfb),
# and keeps them as PNG files under docs/pictures/. Retaking them gives the
# same files when nothing changed.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
make -C "$root" --no-print-directory all >/dev/null
"$root/scripts/make-wine-template.sh" "$root/build/wine-template"

# scenario, window number, picture name
pictures="typical 1 dialog-500
typical 2 message-1058
firefox 1 dialog-503
old-help-viewer 1 dialog-400
email-companion 1 dialog-800
registry-cleaner 1 dialog-900
offer-cancelled 2 message-1006"

shots=$(mktemp -d "${TMPDIR:-/tmp}/tarvex-pictures.XXXXXX")
trap 'rm -rf "$shots"' EXIT
mkdir -p "$root/docs/pictures"
for scenario in $(echo "$pictures" | awk '{print $1}' | sort -u); do
    mkdir -p "$shots/$scenario"
    "$root/scripts/wine-run.sh" "$root/build/${TARVEX_PICTURES_BUILD:-win32}/tests/demo.exe" "$scenario" \
        "Z:$(echo "$shots/$scenario" | tr '/' '\\')" >/dev/null 2>&1
done
echo "$pictures" | while read -r scenario number name; do
    shot=$(printf "%s/%s/window-%02d.bmp" "$shots" "$scenario" "$number")
    convert "$shot" +set date:create +set date:modify -define png:exclude-chunk=date,time \
        "$root/docs/pictures/$name.png"
    echo "pictures: docs/pictures/$name.png"
done
