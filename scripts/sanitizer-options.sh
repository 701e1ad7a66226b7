# Sourced by sanitize.sh and fuzz.sh: every sanitizer finding stops the
# program with a stack trace and a failing exit code. Leaks inside system
# libraries (Qt's offscreen platform plugin) are suppressed by the
# committed list; leaks in our own code are not.
# intercept_tls_get_addr=0: up to LLVM 16 the runtime's __tls_get_addr
# interceptor can take a malloc'd block for an old glibc's TLS header, and
# LeakSanitizer's tracer then dies at exit ("Tracer caught signal 11") after a
# passing test.
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export ASAN_OPTIONS="halt_on_error=1:detect_leaks=1:intercept_tls_get_addr=0:detect_stack_use_after_return=1:check_initialization_order=1:strict_string_checks=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
export LSAN_OPTIONS="suppressions=$root/scripts/lsan-suppressions.txt:print_suppressions=0"
