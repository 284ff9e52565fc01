#!/bin/bash
# Disassembles the shipped 32-bit SETUP.EXE and fails on every instruction
# that the i486 lacks: setup (and the export, in its caller) must reach the
# point where it tells the user about an old Windows on the processors of
# Windows 95 to XP. A processor that lacks an instruction ends the process
# with an illegal-instruction fault before a word is shown.
# Usage: i486_instructions.sh OBJDUMP PROGRAM [SHIPPED_COPY]
# SHIPPED_COPY (dist/win32/SETUP.EXE) must hold the same bytes where it exists.
set -u
objdump=$1 program=$2 shipped=${3:-}

if [ -n "$shipped" ] && [ -f "$shipped" ] && ! cmp -s "$program" "$shipped"; then
    echo "FAILED: $shipped is not the program of this build ($program); run make"
    exit 1
fi

listing=$(mktemp "${TMPDIR:-/tmp}/tarvex-disassembly.XXXXXX")
trap 'rm -f "$listing"' EXIT
"$objdump" -d --no-show-raw-insn "$program" > "$listing" || exit 1

# The Pentium's and later processors' instructions, by mnemonic: conditional
# moves and compares into flags (Pentium Pro), cmpxchg8b, cpuid, rdtsc and the
# model-specific registers (Pentium), the fast system calls, the multi-byte
# no-operation (Pentium Pro), and every MMX, 3DNow!, SSE and later one, which
# also shows by its registers.
newer='^(cmov|fcmov|fcomi|fucomi|cmpxchg8b|cmpxchg16b|cpuid|rdtsc|rdmsr|wrmsr|rdpmc|rsm|sysenter|sysexit|syscall|sysret|nopl|nopw|endbr|emms|femms|pf|pi2f|pavgusb|pmulhrw|ldmxcsr|stmxcsr|fxsave|fxrstor|xsave|xrstor|xgetbv|sfence|lfence|mfence|clflush|prefetch|movnt|maskmov|fisttp|popcnt|lzcnt|tzcnt|movbe|crc32|rdrand|rdseed|andn|bextr|bls|bzhi|pdep|pext|rorx|sarx|shlx|shrx|adcx|adox)'
registers='%(mm[0-7]|[xyz]mm[0-9]+|k[0-7])\b'

instructions=$(grep -cP '^\s*[0-9a-f]+:\t' "$listing")
found=$(grep -P '^\s*[0-9a-f]+:\t' "$listing" |
    awk -F'\t' '{ print $2 }' |
    sed -E 's/^((lock|rep[a-z]*|data16|addr16|[c-gs]s|notrack|bnd|xacquire|xrelease) +)+//' |
    grep -P "$newer|$registers" || true)
if [ "$instructions" -lt 1000 ]; then
    echo "FAILED: only $instructions instructions disassembled from $program"
    exit 1
fi
if [ -n "$found" ]; then
    echo "FAILED: $program holds $(echo "$found" | wc -l) instructions the i486 lacks:"
    echo "$found" | awk '{ print $1 }' | sort | uniq -c
    exit 1
fi
echo "$instructions instructions in $program, none newer than the i486"
