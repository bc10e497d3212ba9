# Run-time options of the sanitizer build (ORV_SANITIZE), sourced with $here set to the
# source tree by build.sh, which runs the picture tool it has built, and by test.sh. With
# REPORTS set, every report of every program a test starts goes to a file
# REPORTS/report.<pid> (UBSan's to REPORTS/report.ubsan.<pid>, through ubsan_log_path.c),
# so that none is lost in output that a test script keeps to itself.
#
# Allocation stacks are unwound in full (slower): the leak suppressions must see through
# the Qt libraries, which are built without frame pointers, to tell their leaks from ours.
sanitize_log=""
if [ -n "$REPORTS" ]; then
  mkdir -p "$REPORTS"
  sanitize_log=":log_path=$REPORTS/report"
fi
export ASAN_OPTIONS="fast_unwind_on_malloc=0$sanitize_log"
export LSAN_OPTIONS="suppressions=$here/platform/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1$sanitize_log"
