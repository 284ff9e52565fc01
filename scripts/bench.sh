#!/bin/bash
# Size and speed of setup: the size of both builds and what makes them up,
# the time to the first window and from the last answer to the end (as
# ratios to a minimal program that only shows a message box, measured in the
# same run), and the time of the whole test suite.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build/win64
runs=${BENCH_RUNS:-15}

echo "== Size"
python3 - "$root" "$build" <<'PY'
import os, subprocess, sys
root, build = sys.argv[1], sys.argv[2]
art = {name: os.path.getsize(os.path.join(build, "resources", name))
       for name in ("toolbar_ie.bmp", "toolbar_firefox.bmp", "setup.ico")}
print(f"{'program':22} {'file':>8} {'code':>8} {'other':>8} {'resources':>10} {'bitmaps':>8} {'icon':>6}")
for arch in ("win32", "win64"):
    exe = os.path.join(root, "dist", arch, "SETUP.EXE")
    out = subprocess.run(["x86_64-w64-mingw32-objdump", "-h", exe], capture_output=True, text=True).stdout
    sizes = {}
    for line in out.splitlines():
        parts = line.split()
        if len(parts) > 2 and parts[0].isdigit():
            sizes[parts[1]] = sizes.get(parts[1], 0) + int(parts[2], 16)
    total = os.path.getsize(exe)
    code, rsrc = sizes.get(".text", 0), sizes.get(".rsrc", 0)
    print(f"dist/{arch}/SETUP.EXE  {total:8} {code:8} {total - code - rsrc:8} {rsrc:10} "
          f"{art['toolbar_ie.bmp'] + art['toolbar_firefox.bmp']:8} {art['setup.ico']:6}")
limit = 150 * 1024
size32 = os.path.getsize(os.path.join(root, "dist", "win32", "SETUP.EXE"))
print(f"(bytes; bitmaps and icon are part of the resources; dist/win32 limit {limit}: "
      f"{'within' if size32 <= limit else 'OVER'})")
PY
echo

echo "== Speed ($runs runs each, typical run answered with Enter, under Wine and Xvfb)"
"$root/scripts/make-wine-template.sh" "$root/build/wine-template"
raw=$(mktemp)
"$root/scripts/wine-run.sh" "$build/tests/bench_setup.exe" "$runs" \
    "$build/tests/bench_minimal.exe" "$build/tests/bench_minimal_v6.exe" > "$raw" 2>/dev/null
python3 - "$raw" <<'PY'
import statistics, sys
rows = [line.rstrip("\n").split("\t") for line in open(sys.argv[1]) if line.count("\t") >= 2]
times = {}
for name, first, last, *rest in rows:
    key = "setup" if name.upper().endswith("SETUP.EXE") else "v6" if "minimal_v6" in name else "minimal"
    times.setdefault(key, ([], []))
    times[key][0].append(float(first)); times[key][1].append(float(last))
def describe(values):
    return statistics.median(values), (max(values) - min(values)) / 2
print(f"{'measure':36} {'setup ms':>15} {'minimal ms':>15} {'ratio':>6} {'minimal+v6 ms':>15} {'ratio':>6}")
for index, label in ((0, "start to first window"), (1, "last answer to end (no installers)")):
    s, ss = describe(times["setup"][index]); m, ms = describe(times["minimal"][index]); v, vs = describe(times["v6"][index])
    print(f"{label:36} {s:8.1f} ± {ss:4.1f} {m:8.1f} ± {ms:4.1f} {s / m:6.2f} {v:8.1f} ± {vs:4.1f} {s / v:6.2f}")
print("(median ± half the range. minimal: a program that only shows a message box; minimal+v6: the same with")
print(" setup's manifest, so its message box uses version 6 of the common controls as setup's windows do.")
print(" Target: setup's time to its first window under 1.10 times the minimal program's.)")
PY
rm -f "$raw"
echo

echo "== Test suite"
start=$(date +%s)
(cd "$build" && ctest -j "$(nproc)" > /dev/null) && result=passed || result=failed
echo "the whole suite (ctest -j $(nproc)): $(( $(date +%s) - start )) s, $result"
