#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Gives every source file of the checkout an SPDX header: who holds the
# copyright and under which licence the file is shared. A file that has one
# already is left as it is, so the script can run again after any change or
# merge. Files that cannot hold a comment (pictures, sounds, the manuals, the
# .ts catalogues, which lupdate rewrites, and fuzzer inputs) are named in
# .reuse/dep5 instead; `reuse lint` checks the whole.
#
#   scripts/spdx-headers.sh            add the missing headers
#   scripts/spdx-headers.sh --check    only list the files that lack one
set -euo pipefail

cd "$(git -C "$(dirname "${BASH_SOURCE[0]}")" rev-parse --show-toplevel)"

holder="2026 The ORBIT RAVEN developers"
# Spelt in two parts, so that neither this script nor reuse takes the
# lines that write the tags for the script's own header.
copyright_tag="SPDX-""FileCopyrightText:"
licence_tag="SPDX-""License-Identifier:"
check=0
[ "${1:-}" = "--check" ] && check=1

# How a file's comments are written: "prefix|suffix", or nothing for a file
# that takes no header.
comment_style() {
    case "$1" in
    *.cpp | *.h) echo "// |" ;;
    CMakeLists.txt | */CMakeLists.txt | *.cmake | *.sh | .ci/run | .gitignore | .clang-format | \
        *.supp | *.dict | *.desktop | packaging/orbit-raven.in) echo "# |" ;;
    *.md | *.xml | *.xml.in | *.qrc) echo "<!-- | -->" ;;
    *.[1-9]) echo '.\" |' ;;
    esac
}

# AppStream metadata is shared under CC0, as its metadata_license says.
licence_of() {
    case "$1" in
    *.metainfo.xml*) echo CC0-1.0 ;;
    *) echo GPL-3.0-or-later ;;
    esac
}

# The file's header, then the file; a blank line sets the header apart
# where one is no text of its own (a blank line in a manual page is).
with_header() {
    local file=$1 header=$2 first
    first=$(head -n 1 "$file")
    case "$first" in
    # A script's "#!" line and an XML declaration must stay first.
    '#!'* | '<?xml'*) echo "$first" && echo "$header" && tail -n +2 "$file" ;;
    *) echo "$header" && case "$file" in *.[1-9]) ;; *) echo ;; esac && cat "$file" ;;
    esac
}

# In a function, so that bash has read it all before it gives this script
# its own header.
main() {
    local added=0 missing=0 file style prefix suffix header temporary
    while IFS= read -r -d '' file; do
        [ -f "$file" ] && [ ! -L "$file" ] || continue
        style=$(comment_style "$file")
        [ -n "$style" ] || continue
        grep -q "$licence_tag" "$file" && continue
        if [ "$check" -eq 1 ]; then
            echo "$file"
            missing=$((missing + 1))
            continue
        fi
        prefix=${style%%|*}
        suffix=${style#*|}
        header=$(printf '%s\n%s' "$prefix$copyright_tag $holder$suffix" \
            "$prefix$licence_tag $(licence_of "$file")$suffix")
        temporary=$(mktemp)
        with_header "$file" "$header" >"$temporary"
        # Written over in place, so the file keeps its mode.
        cat "$temporary" >"$file"
        rm -f "$temporary"
        added=$((added + 1))
    done < <(git ls-files -z --cached --others --exclude-standard)

    if [ "$check" -eq 1 ]; then
        echo "$missing file(s) without an SPDX header"
        [ "$missing" -eq 0 ]
    else
        echo "SPDX headers added to $added file(s)"
    fi
}

main; exit
