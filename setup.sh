# Shared by run-demo.sh and run-tests.sh: installs what is missing and builds.
# Sourced, not run.
set -euo pipefail

QV_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
QV_PACKAGES="cmake ninja-build g++ qt6-base-dev clang libclang-rt-14-dev"
# Only for the tests: a virtual display and a window manager that frames
# windows with title bars, to check where windows open (xprop tells when the
# window manager is up).
QV_WM_PACKAGES="xvfb xauth openbox x11-utils"

# qv_install_deps [packages...]: installs what is missing of the packages
# (by default those needed to build).
qv_install_deps() {
    local missing=""
    local wanted="${*:-$QV_PACKAGES}"
    for p in $wanted; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
    done
    [ -z "$missing" ] && return 0
    echo "Installing:$missing"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -q
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends $missing
}

# qv_configure DIR [cmake options...]
qv_configure() {
    local dir=$1
    shift
    cmake -S "$QV_ROOT" -B "$QV_ROOT/$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
}

# qv_build DIR [cmake options...]: every target (tests, benchmarks, fuzzers).
qv_build() {
    local dir=$1
    qv_configure "$@"
    cmake --build "$QV_ROOT/$dir" --parallel "$(nproc)"
}

# qv_build_editor DIR: only the editor, the stand-in programs and the demo folder.
qv_build_editor() {
    local dir=$1
    qv_configure "$dir"
    cmake --build "$QV_ROOT/$dir" --parallel "$(nproc)" --target quorvale_editor demo
}

# qv_under_window_manager COMMAND...: runs the command on a virtual display of
# its own with a window manager running; returns the command's status.
qv_under_window_manager() {
    xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
        openbox >/dev/null 2>&1 &
        wm=$!
        for _ in $(seq 200); do
            xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
            sleep 0.05
        done
        "$@"
        status=$?
        kill "$wm" 2>/dev/null
        wait "$wm" 2>/dev/null
        exit "$status"' qv_wm "$@"
}
