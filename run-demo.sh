#!/usr/bin/env bash
# Installs what is missing, builds, and starts the editor in the demo program
# folder (stand-in programs, help list, local files and a sample input file).
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
qv_install_deps
qv_build build
cd "$QV_ROOT/build/demo"
exec "$QV_ROOT/build/Quorvale" "$@"
