# Sourced by the scripts that run a sanitizer build (tests, walks): the options that make
# undefined behaviour and memory errors stop the program, and the suppressions for leaks
# that belong to Qt, fontconfig and the X libraries rather than to Pemo.
sanitizer_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:detect_stack_use_after_return=0:strict_init_order=1${ASAN_OPTIONS:+:$ASAN_OPTIONS}"
export LSAN_OPTIONS="suppressions=$sanitizer_dir/lsan.supp:print_suppressions=0${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1:suppressions=$sanitizer_dir/ubsan.supp${UBSAN_OPTIONS:+:$UBSAN_OPTIONS}"
