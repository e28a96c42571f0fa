# Shared by run-demo.sh and run-tests.sh: installs what is missing and builds.
# Sourced, not run.
set -euo pipefail

QV_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
QV_PACKAGES="cmake ninja-build g++ qt6-base-dev clang libclang-rt-14-dev"

qv_install_deps() {
    local missing=""
    for p in $QV_PACKAGES; do
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
