# Sourced by the scripts that run Windows programs: the project's own copy of
# Wine, which runs the 32-bit build beside the x86_64 one.
tarvex_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
TARVEX_WINE_COPY=${TARVEX_WINE_COPY:-$tarvex_root/build/wine-wow64}
"$tarvex_root/scripts/make-wine-wow64.sh" "$TARVEX_WINE_COPY" || exit 1
WINE=$TARVEX_WINE_COPY/usr/lib/wine/wine64
WINESERVER=$TARVEX_WINE_COPY/usr/lib/wine/wineserver64
