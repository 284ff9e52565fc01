#!/bin/bash
# Size and speed of setup, for both builds: the size and what makes it up;
# setup's own start-up steps timed inside the process; the whole-process
# times of setup against the programs that do the least its job allows
# (interleaved rounds, as medians, lower quartiles and spreads); and the
# time of the whole test suite.
#   BENCH_ROUNDS            rounds of each pair of runs (default 300)
#   BENCH_STEP_REPETITIONS  repetitions of each start-up step (default 200)
#   BENCH_SUITE=0           leaves out the test suite
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
rounds=${BENCH_ROUNDS:-300}
repetitions=${BENCH_STEP_REPETITIONS:-200}

echo "== Size"
python3 - "$root" "$root/build/win64" <<'PY'
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
limit = 120 * 1024
size32 = os.path.getsize(os.path.join(root, "dist", "win32", "SETUP.EXE"))
print(f"(bytes; code and other are what is not resources: headers, data, imports, relocations, padding;")
print(f" bitmaps and icon are part of the resources. Goal for dist/win32: at most {limit}: "
      f"{'within' if size32 <= limit else 'OVER by ' + str(size32 - limit)})")
PY
echo

"$root/scripts/make-wine-template.sh" "$root/build/wine-template"
raw=$(mktemp -d)
trap 'rm -rf "$raw"' EXIT
for build in win32 win64; do
    echo "bench: $build, $rounds rounds" >&2
    "$root/scripts/wine-run.sh" "$root/build/$build/tests/bench_setup.exe" "$rounds" "$repetitions" \
        > "$raw/$build" 2>/dev/null
done

echo "== Setup's start-up steps, timed inside the process (microseconds)"
python3 - "$raw" "$repetitions" <<'PY'
import os, statistics, sys
builds = ("win32", "win64")
steps = {}
for build in builds:
    for line in open(os.path.join(sys.argv[1], build)):
        fields = line.rstrip("\n").split("\t")
        if fields[0] == "step":
            steps.setdefault(fields[1], {}).setdefault(build, []).append((float(fields[2]), float(fields[3])))
def figures(runs):
    return (statistics.median(r[0] for r in runs), statistics.median(r[1] for r in runs)) if runs else (0, 0)
table = {name: {b: figures(by_build.get(b, [])) for b in builds} for name, by_build in steps.items()}
print(f"{'step, in setup order':32}" + "".join(f"{b + ' first':>13}{b + ' again':>13}" for b in builds))
for name, by_build in table.items():
    print(f"{name:32}" + "".join(f"{by_build[b][0]:13.1f}{by_build[b][1]:13.1f}" for b in builds))
print(f"{'all before the first window':32}" +
      "".join(f"{sum(t[b][0] for t in table.values()):13.1f}{sum(t[b][1] for t in table.values()):13.1f}"
              for b in builds))
print(f"(the typical run's machine, each build's own code; first: the first call in a process, which loads")
print(f" the system DLLs the step needs, median of 9 processes; again: the median of {sys.argv[2]} more calls)")
PY
echo

echo "== Whole processes under Wine and Xvfb ($rounds rounds, each pair in turn, after one round to warm up)"
python3 - "$raw" <<'PY'
import os, statistics, sys
measures = (("first-window", "first window", "minimal-v6"), ("whole-run", "whole plain run", "floor"))
print(f"{'':24}{'setup ms':^26}{'yardstick ms':^26}{'setup / yardstick':^20}")
print(f"{'build  measure':24}" + f"{'median':>9}{'lower q':>9}{'IQR':>8}" * 2 + f"{'medians':>10}{'lower q':>10}")
failures = []
for build in ("win32", "win64"):
    times = {}
    for line in open(os.path.join(sys.argv[1], build)):
        fields = line.rstrip("\n").split("\t")
        if fields[0] not in ("first-window", "whole-run") or fields[2] == "0":
            continue
        if fields[3] == "failed":
            failures.append(f"{build} {fields[0]} {fields[1]} round {fields[2]}: {fields[4]}")
        else:
            times.setdefault((fields[0], fields[1]), []).append(float(fields[3]))
    for key, label, yardstick in measures:
        row = []
        for program in ("setup", yardstick):
            values = times.get((key, program), [])
            if len(values) < 2:
                row = None
                break
            q1, median, q3 = statistics.quantiles(values, n=4, method="inclusive")
            row.append((median, q1, q3 - q1))
        if row is None:
            print(f"{build:7}{label:17}  too few runs")
            continue
        (sm, sq, si), (ym, yq, yi) = row
        print(f"{build:7}{label:17}{sm:9.1f}{sq:9.1f}{si:8.1f}{ym:9.1f}{yq:9.1f}{yi:8.1f}{sm / ym:10.3f}{sq / yq:10.3f}")
for failure in failures:
    print("failed:", failure)
print("(yardsticks: for the first window, a program that only shows a message box under setup's manifest,")
print(" against setup reaching dialog 500 in the typical run; for the whole plain run, with only the package")
print(" beside setup, the mandated floor: it initialises the common controls as setup does, runs msiexec /i")
print(" on the package and waits, and opens the report address with ShellExecuteA. Goal for both ratios:")
print(" at most 1.05. IQR: upper minus lower quartile.)")
PY

if [ "${BENCH_SUITE:-1}" != 0 ]; then
    echo
    echo "== Test suite"
    printf 'subdirs("win32" "win64")\n' > "$root/build/CTestTestfile.cmake"
    start=$(date +%s)
    (cd "$root/build" && ctest -j "$(nproc)" > /dev/null) && result=passed || result=failed
    echo "the whole suite of both builds (cd build && ctest -j $(nproc)): $(( $(date +%s) - start )) s, $result"
fi
