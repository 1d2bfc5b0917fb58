#!/bin/bash
# SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Every file of the source tree says who holds its copyright and under which
# licence it is shared, in its own SPDX header or in .reuse/dep5: `reuse
# lint` over the checkout. Files git ignores (the build folders) are not
# looked at.
#
#   ReuseLint.sh SOURCE_DIR
set -uo pipefail

source_dir=$1
if ! command -v reuse >/dev/null; then
    echo "SKIPPED: reuse is not installed (Debian package reuse)"
    exit 77
fi
# reuse tells generated files from sources by what git ignores.
if ! git -C "$source_dir" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    echo "SKIPPED: $source_dir is not a git checkout, so build output cannot be told from sources"
    exit 77
fi
cd "$source_dir" && reuse lint
