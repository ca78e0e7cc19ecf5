#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Huewise team
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package the way `make package` does, from a release build
# of its own: the suite's build carries sanitizers and debug code, which are
# not what a user installs and would pull libasan into the dependencies.
# Arguments: source dir, build dir, C++ compiler, CMake generator.
set -euo pipefail

source_dir=$1 build_dir=$2 compiler=$3 generator=$4

for tool in dpkg-shlibdeps dpkg-deb strip; do
    command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing (make deps installs it)" >&2; exit 1; }
done

cmake -S "$source_dir" -B "$build_dir" -G "$generator" -DCMAKE_BUILD_TYPE=Release \
    -DHUEWISE_TESTS=OFF -DCMAKE_CXX_COMPILER="$compiler" >/dev/null
cmake --build "$build_dir" -j "$(nproc)"
# A package left over from an earlier run must not stand in for this one.
rm -f "$build_dir"/*.deb
(cd "$build_dir" && cpack -G DEB)
ls "$build_dir"/*.deb
