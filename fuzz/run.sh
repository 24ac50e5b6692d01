#!/usr/bin/env bash
# Builds the fuzz targets with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer into build-fuzz, then runs every target (or the
# ones named) for SECONDS seconds each, one after another.
# Usage: fuzz/run.sh SECONDS [TARGET...]
# Inputs found interesting go to build-fuzz/corpus/TARGET; a crashing or
# hanging input is kept in build-fuzz/artifacts/TARGET/. The seeds in
# fuzz/corpus/TARGET are only read. FUZZ_JOBS sets the build jobs (default 1).
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:?usage: fuzz/run.sh SECONDS [TARGET...]}
shift
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(fuzz_map_load fuzz_info_load fuzz_ini fuzz_map_roundtrip fuzz_edit_script
  fuzz_export_template fuzz_diff fuzz_dxf_base)
build="$root/build-fuzz"

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja \
  -DSVPASS_FUZZ=ON -DSVPASS_WITH_QT=OFF -DSVPASS_WITH_TESTS=OFF \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g" >/dev/null || exit 1
cmake --build "$build" -j "${FUZZ_JOBS:-1}" --target "${targets[@]}" || exit 1

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:allocator_may_return_null=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
failed=()
for t in "${targets[@]}"; do
  work="$build/corpus/$t"
  artifacts="$build/artifacts/$t/"
  mkdir -p "$work" "$artifacts"
  seeds=()
  case $t in
    fuzz_map_*) seeds=("$root/fuzz/corpus/map") ;;
    fuzz_info_*) seeds=("$root/fuzz/corpus/info") ;;
    fuzz_ini) seeds=("$root/fuzz/corpus/ini") ;;
    fuzz_export_template) seeds=("$root/fuzz/corpus/template") ;;
    fuzz_dxf_base) seeds=("$root/fuzz/corpus/dxf") ;;
  esac
  echo "== $t for ${seconds}s"
  if ! "$build/fuzz/$t" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=16384 \
      -print_final_stats=1 -artifact_prefix="$artifacts" "$work" "${seeds[@]}" 2>"$build/$t.log"; then
    failed+=("$t")
    tail -n 60 "$build/$t.log"
  else
    grep -E "^(stat::number_of_executed_units|stat::peak_rss_mb|#[0-9]+ +DONE)" "$build/$t.log" || true
  fi
done
if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzzing found faults in: ${failed[*]} (inputs in $build/artifacts)" >&2
  exit 1
fi
echo "fuzzing: no faults"
