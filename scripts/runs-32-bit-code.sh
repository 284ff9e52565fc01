#!/bin/bash
# Exits 0 when this machine runs 32-bit Windows programs under the project's
# Wine copy, 1 when it cannot. Wine runs them in its wow64 mode, which needs
# the kernel to run 32-bit x86 code inside a 64-bit process; kernels built or
# booted without IA-32 emulation (and some virtual machines) refuse that, and
# every 32-bit program then dies before its first instruction.
# Usage: runs-32-bit-code.sh <the 32-bit build tree>
set -u
here=$(cd "$(dirname "$0")/.." && pwd)
probe=$1/fixtures/code_probe.exe
[ -f "$probe" ] || { echo "runs-32-bit-code: $probe is missing" >&2; exit 2; }
TARVEX_USE_DISPLAY=1 DISPLAY= "$here/scripts/wine-run.sh" "$probe" > /dev/null 2>&1
