#!/bin/sh
# Runs every benchmark under Wine, in a prefix of its own, and prints one
# Markdown table: each figure, its baseline and the ratio. Also writes it,
# with the date and the machine, to bench/RESULTS.md.
# Usage: run-bench.sh build/win/bin build/bench   (make bench does this)
# BENCH_RUNS sets the repetitions of every figure (11 unless set, 9 at least).
set -eu
here=$(cd "$(dirname "$0")" && pwd)
bin=$(cd "$1" && pwd)
benchbin=$(cd "$2" && pwd)
results=$here/RESULTS.md

# The benchmarks' own prefix: they write interfaces and settings that must
# never reach the test prefix, and the tests must not disturb the timing.
export WINEPREFIX="$benchbin/wineprefix"
. "$here/../tools/wine-env.sh"
quintel_ensure_prefix
export QUINTEL_BIN="$bin"
objdump=i686-w64-mingw32-objdump

# Other builds and tests beside the bench shift every figure: the load
# before and after the run goes with the results.
load_before=$(cut -d ' ' -f 1-3 /proc/loadavg)
rows=$(mktemp)
profile=$(mktemp)
applyprofile=$(mktemp)
trap 'rm -f "$rows" "$profile" "$applyprofile"' EXIT

# Each bench program prints its rows; a failure ends the whole run with its
# message, and no table is written.
run() {
    echo "bench: $1" >&2
    if ! "$here/../tools/gui-run.sh" "$benchbin/$1.exe" ${BENCH_RUNS:+--runs "$BENCH_RUNS"} >>"$rows"; then
        echo "bench: $1 failed; no results written" >&2
        exit 1
    fi
}
run StartupBench
run ApplyBench
run PingBench
echo "bench: StartupBench --profile" >&2
if ! "$here/../tools/gui-run.sh" "$benchbin/StartupBench.exe" --profile >"$profile"; then
    echo "bench: the start-up profile failed; no results written" >&2
    exit 1
fi
echo "bench: ApplyBench --profile" >&2
if ! "$here/../tools/gui-run.sh" "$benchbin/ApplyBench.exe" --profile >"$applyprofile"; then
    echo "bench: the /apply profile failed; no results written" >&2
    exit 1
fi

# Footprint on disk: file size and the DLLs each program imports.
kilobytes() { echo "$(( ($(stat -c %s "$1") + 512) / 1024 )) KB"; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2fx", a / b }'; }
dlls() { "$objdump" -p "$1" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr a-z A-Z | sort -u; }
minimal=$benchbin/MinimalWindow.exe
for exe in Quintel Korvet; do
    file=$bin/$exe.exe
    echo "| $exe.exe file size, vs minimal window | $(kilobytes "$file") | $(kilobytes "$minimal") |" \
         "$(ratio "$(stat -c %s "$file")" "$(stat -c %s "$minimal")") |" >>"$rows"
done
for exe in Quintel Korvet; do
    mine=$(dlls "$bin/$exe.exe")
    theirs=$(dlls "$minimal")
    echo "| $exe.exe DLLs imported, vs minimal window | $(echo "$mine" | wc -l): $(echo $mine) |" \
         "$(echo "$theirs" | wc -l): $(echo $theirs) |" \
         "$(ratio "$(echo "$mine" | wc -l)" "$(echo "$theirs" | wc -l)") |" >>"$rows"
done

# The compiler and flags the measured programs were built with, from the
# Windows build's cache (the toolchain file sets them all).
# The compiler a toolchain file names is not cached; CMake records it with
# the compiler's other facts.
cached() { sed -n "s/^$1:[A-Z]*=//p" "$bin/../CMakeCache.txt"; }
compiler=$(sed -n 's/^set(CMAKE_CXX_COMPILER "\(.*\)")$/\1/p' "$bin"/../CMakeFiles/*/CMakeCXXCompiler.cmake | head -n 1)
toolchain="$compiler ($("$compiler" --version | head -n 1)); compile: $(cached CMAKE_CXX_FLAGS_MINSIZEREL)"
toolchain="$toolchain $(cached CMAKE_CXX_FLAGS); link: $(cached CMAKE_EXE_LINKER_FLAGS)"

# The oldest processor the measured programs run on, checked as win.I486
# checks what ships, and the C runtime they link.
unstripped=$bin/../unstripped
if checked=$("$here"/../tools/check-i486.sh "$objdump" "$bin/Quintel.exe=$unstripped/Quintel.exe" \
                 "$bin/Korvet.exe=$unstripped/Korvet.exe" 2>&1); then
    floor="i486 (tools/check-i486.sh: no instruction the i486 lacks in Quintel.exe and Korvet.exe)"
else
    floor="NOT the i486: $(echo "$checked" | tail -n 1)"
fi
floor="$floor; C runtime $(dlls "$bin/Quintel.exe" | grep -i crt | tr '\n' ' ')"

cpu=$(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -n 1)
cores=$(grep -c '^processor' /proc/cpuinfo)
table=$(printf '| Figure | Quintel | Baseline | Ratio |\n|---|---|---|---|\n'; cat "$rows")

echo "$table"
echo
echo "Toolchain: $toolchain"
echo "Instruction set: $floor"
echo
echo "Ten largest steps of Quintel.exe's start-up (QUINTEL_TRACE=1):"
echo
cat "$profile"
{
    echo "# Benchmark results"
    echo
    echo "Made by \`make bench\` on $(date -u '+%Y-%m-%d %H:%M UTC')."
    echo
    echo "- Machine: $(uname -srmo), $cpu ($cores logical CPUs)"
    echo "- Wine: $(wine --version), prefix of its own (\`build/bench/wineprefix\`), Xvfb display"
    echo "- Load (1, 5 and 15 minute averages): $load_before when the run began, $(cut -d ' ' -f 1-3 /proc/loadavg) when it ended"
    echo "- Toolchain: $toolchain"
    echo "- Instruction set: $floor"
    echo "- Every time and memory figure is the median of ${BENCH_RUNS:-11} runs, subject and baseline interleaved in one run;"
    echo "  the ratio is subject / baseline. \"us\" is microseconds."
    echo
    echo "$table"
    echo
    echo "## Start-up profile"
    echo
    echo "Quintel.exe started once more with \`QUINTEL_TRACE=1\`, which writes the time of each load step,"
    echo "each window made and each image drawn to \`%TEMP%\\Quintel-trace.txt\`; its ten largest steps"
    echo "(a step contains the steps indented below it, so the lengths overlap):"
    echo
    cat "$profile"
    echo "## /apply profile"
    echo
    echo "\`Quintel.exe /apply\` run once more with \`QUINTEL_TRACE=1\` at 1, 10 and 1000 interfaces;"
    echo "its largest steps:"
    echo
    cat "$applyprofile"
    # The figures of the program before its start-up work, kept for comparison.
    if [ -f "$here/BEFORE.md" ]; then
        echo
        cat "$here/BEFORE.md"
    fi
} >"$results"
echo "bench: results written to $results" >&2
