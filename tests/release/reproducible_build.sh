#!/bin/bash
# Builds SETUP.EXE again from a copy of the sources in another folder, with
# another build folder, and compares it byte for byte with the program this
# build made: neither the link time nor where the sources and the build lie
# may change a byte.
# Usage: reproducible_build.sh SOURCE_DIR TOOLCHAIN_NAME BUILT_PROGRAM [-DSETTING=VALUE ...]
set -u
source_dir=$1 toolchain=$2 built=$3
shift 3

scratch=$(mktemp -d "${TMPDIR:-/tmp}/tarvex-rebuild.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
mkdir "$scratch/sources"
tar -C "$source_dir" --exclude=./.git --exclude=./build --exclude=./dist --exclude=./demo-output -cf - . |
    tar -C "$scratch/sources" -xf - || exit 1

if ! cmake -S "$scratch/sources" -B "$scratch/build" -DCMAKE_TOOLCHAIN_FILE="$scratch/sources/cmake/$toolchain" \
        -DCMAKE_BUILD_TYPE=Release "$@" > "$scratch/configure.log" 2>&1 ||
   ! cmake --build "$scratch/build" --target setup -j 2 > "$scratch/build.log" 2>&1; then
    cat "$scratch/configure.log" "$scratch/build.log" 2>/dev/null
    echo "FAILED: the second build did not complete"
    exit 1
fi

if ! cmp "$built" "$scratch/build/SETUP.EXE"; then
    echo "FAILED: $(cmp -l "$built" "$scratch/build/SETUP.EXE" | wc -l) bytes differ between two builds of the same sources"
    exit 1
fi
echo "the same $(stat -c %s "$built") bytes from $source_dir and from $scratch/sources"
