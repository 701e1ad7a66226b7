# Sourced by sanitize.sh and fuzz.sh: every sanitizer finding stops the
# program with a stack trace and a failing exit code. Leaks inside system
# libraries (Qt's offscreen platform plugin) are suppressed by the
# committed list; leaks in our own code are not.
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export ASAN_OPTIONS="halt_on_error=1:detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_string_checks=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
export LSAN_OPTIONS="suppressions=$root/scripts/lsan-suppressions.txt:print_suppressions=0"
