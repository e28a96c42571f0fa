#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: once as built with
# the default compiler, once built by clang with AddressSanitizer and
# UndefinedBehaviorSanitizer; then a short run of each fuzzer. The window
# placement test, picks with the mouse in drop-down lists and clicks on grids
# run once more under a real window manager.
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
qv_install_deps
qv_install_deps $QV_WM_PACKAGES
export QT_QPA_PLATFORM=offscreen

summary=$(mktemp)
# Runs ctest in a build folder and keeps its count of tests for the last line.
qv_ctest() {
    local dir=$1
    shift
    (cd "$QV_ROOT/$dir" && env "$@" ctest --output-on-failure --parallel "$(nproc)") | tee -a "$summary"
}

qv_build build
qv_ctest build
# Offscreen there are no frames: here the window manager frames the windows
# late and places them of its own accord.
(cd "$QV_ROOT/build" && qv_under_window_manager env QT_QPA_PLATFORM=xcb tests/tst_placement)
# A drop-down list is a window of its own: the focus goes to it and back
# while a choice is picked with the mouse.
(cd "$QV_ROOT/build" && qv_under_window_manager env QT_QPA_PLATFORM=xcb tests/tst_tc surfacePickedWithTheMouse emptiedEntriesEmptyTheirResults subAreaPickedWithTheMouse)
(cd "$QV_ROOT/build" && qv_under_window_manager env QT_QPA_PLATFORM=xcb tests/tst_alternate choosingAndCreating)
# A click on a grid takes the focus from a box whose check scrolls the grid.
(cd "$QV_ROOT/build" && qv_under_window_manager env QT_QPA_PLATFORM=xcb tests/tst_gridclicks)

# The sanitizer build is the clang one, so every test also builds with both compilers.
CC=clang CXX=clang++ qv_build build-asan -DQV_SANITIZE=ON
qv_ctest build-asan ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
    LSAN_OPTIONS=suppressions="$QV_ROOT/tests/lsan.supp" UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

CC=clang CXX=clang++ qv_build build-fuzz -DQV_FUZZ=ON
"$QV_ROOT/fuzz/run-fuzzers.sh" "${QV_FUZZ_SECONDS:-15}" build-fuzz
total=$(grep -Eo 'tests failed out of [0-9]+' "$summary" | awk '{s += $5} END {print s + 0}')
rm -f "$summary"
echo "Tests: $total passed, 0 failed"
