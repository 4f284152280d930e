#!/usr/bin/env bash
# Builds the fuzz programs (clang, libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer, in
# build-asan/) and runs each for a given time, starting from the seeds in tests/fuzz/corpus.
# What a run adds to the corpus stays in fuzz-work/, outside the repository; a crash, hang or
# leak leaves its input in fuzz-work/TARGET/ as crash-*, timeout-*, leak-* or oom-*.
#   bash scripts/fuzz.sh                       # every target, 10 minutes each, two at a time
#   bash scripts/fuzz.sh 60 csv picture        # the named targets, 60 seconds each
# A failing input, once mended, goes into tests/fuzz/regressions/TARGET/, which the normal test
# suite replays (fuzz_replay_tests).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
seconds=${1:-600}
shift || true
targets=("$@")
if ((${#targets[@]} == 0)); then
  targets=(xml_document report_file prepared_report picture script_compile script_run expression csv)
fi

bash scripts/install-deps.sh
source scripts/sanitizer/configure.sh
source scripts/sanitizer/env.sh
cmake --build build-asan --target $(printf 'fuzz_%s ' "${targets[@]}")

# Scripts under test may write files: each target runs in a working folder of its own.
run_target() {
  local target=$1 work="$root/fuzz-work/$1"
  mkdir -p "$work/corpus"
  cd "$work"
  QT_QPA_PLATFORM=offscreen "$root/build-asan/tests/fuzz/fuzz_$target" -max_total_time="$seconds" \
    -timeout=20 -rss_limit_mb=4096 -max_len=65536 -print_final_stats=1 -artifact_prefix="$work/" \
    corpus "$root/tests/fuzz/corpus/$target" > "$work/log.txt" 2>&1 || echo "$target: stopped with a finding (see $work/log.txt)"
  grep -E "^stat::number_of_executed_units|^stat::peak_rss_mb|cov: " "$work/log.txt" | tail -3 | sed "s/^/$target: /"
}

# Two at a time: one per core.
for ((i = 0; i < ${#targets[@]}; i += 2)); do
  run_target "${targets[i]}" &
  if ((i + 1 < ${#targets[@]})); then run_target "${targets[i + 1]}" & fi
  wait
done
