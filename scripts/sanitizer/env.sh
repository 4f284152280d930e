# The sanitizer settings both the sanitizer test run and the fuzz runs use (sourced, not run).
sanitizer_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:detect_stack_use_after_return=0:check_initialization_order=1:symbolize=1"
export LSAN_OPTIONS="suppressions=${sanitizer_dir}/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
