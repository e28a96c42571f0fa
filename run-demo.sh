#!/usr/bin/env bash
# Installs what is missing, builds the editor and its demo program folder
# (stand-in programs, help list, local files and a sample input file; files
# already there are kept), and starts the editor in that folder.
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
qv_install_deps
qv_build_editor build
cd "$QV_ROOT/build/demo"
exec "$QV_ROOT/build/Quorvale" "$@"
