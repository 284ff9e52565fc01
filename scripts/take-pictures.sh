#!/bin/bash
# Takes the pictures of the toolbar offer dialogs shown in README.md: builds,
# runs the dialog test that saves them (under Wine and Xvfb), and converts
# them to PNG under docs/pictures/.
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
make -C "$here" build64 >/dev/null
"$here/scripts/make-wine-template.sh" "$here/build/wine-template"

shots=$(mktemp -d "${TMPDIR:-/tmp}/tarvex-pictures.XXXXXX")
trap 'rm -rf "$shots"' EXIT
TARVEX_PICTURE_FOLDER="Z:${shots//\//\\}" \
    "$here/scripts/wine-run.sh" "$here/build/win64/tests/toolbar_offer_tests.exe" \
    --gtest_filter=ToolbarOffer.PicturesOfTheDialogs >/dev/null

mkdir -p "$here/docs/pictures"
for name in toolbar-offer-ie toolbar-offer-firefox; do
    convert "$shots/$name.bmp" +set date:create +set date:modify -define png:exclude-chunk=date,time \
        "$here/docs/pictures/$name.png"
    echo "pictures: docs/pictures/$name.png"
done
