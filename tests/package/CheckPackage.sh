#!/bin/bash
# SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package with cpack, unpacks it with dpkg-deb into a
# scratch root and checks what a player's system would get: the file list,
# the control fields, the metadata validators, lintian, and the unpacked
# program: its command line, and started offscreen up to its first painted
# frame by each user, who all keep their settings apart from the program.
#
#   CheckPackage.sh CPACK BUILD_DIR VERSION APPSTREAM_ID
set -euo pipefail

cpack=$1 build=$2 version=$3 appstream_id=$4

if ! command -v dpkg-deb >/dev/null; then
    echo "SKIPPED: dpkg-deb is missing, so no Debian package can be built or unpacked here"
    exit 77
fi

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

scratch=$(mktemp -d)
program_pid=
cleanup() {
    if [ -n "$program_pid" ]; then kill -KILL "$program_pid" 2>/dev/null || true; fi
    chmod -R u+w "$scratch" 2>/dev/null
    rm -rf "$scratch"
}
trap cleanup EXIT

# --- Build and unpack ----------------------------------------------------
(cd "$scratch" && "$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/out" >cpack.log 2>&1) ||
    { cat "$scratch/cpack.log"; echo "FAIL: cpack -G DEB failed" >&2; exit 1; }
deb="$scratch/out/orbit-raven_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || { ls "$scratch/out"; echo "FAIL: no $(basename "$deb")" >&2; exit 1; }
root="$scratch/root"
dpkg-deb -x "$deb" "$root"

# --- Exactly these files, nothing more -----------------------------------
expected=(
    usr/games/orbit-raven
    usr/lib/orbit-raven/INSTALLED
    usr/lib/orbit-raven/Manual-en.txt
    usr/lib/orbit-raven/Manual.txt
    usr/lib/orbit-raven/orbit-raven
    usr/share/applications/orbit-raven.desktop
    usr/share/doc/orbit-raven/changelog.gz
    usr/share/doc/orbit-raven/copyright
    usr/share/icons/hicolor/128x128/apps/orbit-raven.png
    usr/share/icons/hicolor/256x256/apps/orbit-raven.png
    usr/share/icons/hicolor/32x32/apps/orbit-raven.png
    usr/share/icons/hicolor/48x48/apps/orbit-raven.png
    usr/share/icons/hicolor/64x64/apps/orbit-raven.png
    usr/share/man/man6/orbit-raven.6.gz
    "usr/share/metainfo/$appstream_id.metainfo.xml"
)
actual=$(cd "$root" && find . -type f -o -type l | sed 's|^\./||' | LC_ALL=C sort)
if [ "$actual" != "$(printf '%s\n' "${expected[@]}" | LC_ALL=C sort)" ]; then
    fail "file list differs:"
    diff <(printf '%s\n' "${expected[@]}" | LC_ALL=C sort) <(echo "$actual") >&2 || true
fi
for f in usr/games/orbit-raven usr/lib/orbit-raven/orbit-raven; do
    [ -x "$root/$f" ] || fail "$f is not executable"
done

# Each icon really has the size its folder promises (PNG width and height).
png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{print $3 * 256 + $4 "x" $7 * 256 + $8}'; }
for size in 32 48 64 128 256; do
    icon="$root/usr/share/icons/hicolor/${size}x${size}/apps/orbit-raven.png"
    if [ -f "$icon" ] && [ "$(png_size "$icon")" != "${size}x${size}" ]; then
        fail "icon in ${size}x${size} is $(png_size "$icon")"
    fi
done

# --- Control fields ------------------------------------------------------
[ "$(dpkg-deb -f "$deb" Package)" = orbit-raven ] || fail "package name"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "package version"
depends=$(dpkg-deb -f "$deb" Depends)
for dep in libqt6widgets6 libpulse0 libcanberra0 libc6 \
    fonts-ipafont-gothic fonts-dejavu-core sound-theme-freedesktop qt6-translations-l10n; do
    [[ ",$depends," == *[\ ,]"$dep"[\ ,]* ]] || fail "Depends lacks $dep: $depends"
done
# SDL is loaded at run time: the game plays without it.
[[ "$depends" != *libsdl2* ]] || fail "Depends names SDL: $depends"
recommends=$(dpkg-deb -f "$deb" Recommends)
for rec in qt6-wayland libsdl2-2.0-0 xdg-utils; do
    [[ ",$recommends," == *[\ ,]"$rec"[\ ,]* ]] || fail "Recommends lacks $rec: $recommends"
done
zcat "$root/usr/share/doc/orbit-raven/changelog.gz" | head -1 | grep -q "^orbit-raven ($version) " ||
    fail "the changelog's newest entry is not version $version"

# --- Validators ----------------------------------------------------------
desktop-file-validate "$root/usr/share/applications/orbit-raven.desktop" ||
    fail "desktop-file-validate"
metainfo="$root/usr/share/metainfo/$appstream_id.metainfo.xml"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate"
# The same in the unpacked tree: the launchable desktop entry must be there.
appstreamcli validate-tree --no-net "$root" || fail "appstreamcli validate-tree"
grep -q '<screenshot type="default">' "$metainfo" || fail "metainfo has no default screenshot"
grep -q '<p xml:lang="ja">' "$metainfo" || fail "metainfo has no Japanese description"
grep -q "<release version=\"$version\"" "$metainfo" || fail "metainfo lacks release $version"
grep -q "<project_license>GPL-3.0-or-later</project_license>" "$metainfo" ||
    fail "metainfo names no project licence"
# A copyright file tools can read (DEP-5) that licenses the whole package.
copyright="$root/usr/share/doc/orbit-raven/copyright"
head -1 "$copyright" | grep -q "^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/" ||
    fail "the copyright file is not machine-readable"
grep -Pzq "Files: \*\nCopyright: [^\n]+\nLicense: GPL-3\+\n" "$copyright" ||
    fail "the copyright file does not put every file under GPL-3+"
# Errors and warnings fail; the informational tags are listed in the README.
lintian_status=0
lintian_out=$(lintian --fail-on error,warning "$deb" 2>&1) || lintian_status=$?
grep -v "running with root privileges" <<<"$lintian_out" || true
[ "$lintian_status" -eq 0 ] || fail "lintian found errors or warnings"

# --- The command line, in a terminal without a display -------------------
# "arguments|status|stdout's first line|stderr's first line|its second".
launcher="$root/usr/games/orbit-raven"
while IFS='|' read -r args want_status want_out want_err want_err2; do
    status=0
    # shellcheck disable=SC2086 # the arguments are split on purpose
    env -i PATH=/usr/bin:/bin HOME="$scratch" "$launcher" $args \
        >"$scratch/cl.out" 2>"$scratch/cl.err" </dev/null || status=$?
    [ "$status" -eq "$want_status" ] || fail "'orbit-raven $args' exits $status, not $want_status"
    [ "$(head -1 "$scratch/cl.out")" = "$want_out" ] ||
        fail "'orbit-raven $args' prints '$(head -1 "$scratch/cl.out")'"
    [ "$(head -1 "$scratch/cl.err")" = "$want_err" ] ||
        fail "'orbit-raven $args' says '$(head -1 "$scratch/cl.err")' on stderr"
    [ "$(sed -n 2p "$scratch/cl.err")" = "$want_err2" ] ||
        fail "'orbit-raven $args' goes on '$(sed -n 2p "$scratch/cl.err")' on stderr"
done <<EOF
--help|0|Usage: orbit-raven [OPTION]...||
--version|0|orbit-raven $version||
--bogus|2||orbit-raven: unrecognized option '--bogus'|Usage: orbit-raven [OPTION]...
|1||orbit-raven: no display found; the game needs a graphical session (X11 or Wayland)|
EOF

# --- The unpacked program, up to its first frame -------------------------
# Started through the unpacked launcher by each user there is here: root and
# nobody when run as root, else the one running this. Nobody writes the
# program folder, root included: each keeps their own settings in their config
# folder, starting from the ones beside the program.
folder="$root/usr/lib/orbit-raven"
printf '[Application]\r\nName=ORBIT RAVEN\r\n[Game]\r\nHiScore=4321\r\n' >"$folder/orbit-raven.INI"
beside=$(md5sum <"$folder/orbit-raven.INI")
folder_files=$(ls "$folder")
log="$scratch/run.log"
first_frame() { # WHO HOME [COMMAND PREFIX...]
    local who=$1 home=$2
    shift 2
    env -i PATH=/usr/bin:/bin HOME="$home" XDG_CONFIG_HOME="$home/.config" \
        QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES="qt.widgets.painting=true" \
        "$@" "$root/usr/games/orbit-raven" >"$log" 2>&1 &
    program_pid=$!
    local painted=0
    for _ in $(seq 200); do
        if grep -q "qt.widgets.painting: Flushing" "$log"; then
            painted=1
            break
        fi
        kill -0 "$program_pid" 2>/dev/null || break
        sleep 0.1
    done
    if [ "$painted" -ne 1 ]; then
        grep -v "qt.widgets.painting" "$log" | tail -20 >&2
        fail "$who: the unpacked program painted no frame within 20 s"
        return
    fi
    # The launcher has exec'd into the unpacked program, not some other copy,
    # and process lists show its plain path.
    local exe
    exe=$(readlink "/proc/$program_pid/exe" || true)
    [ "$exe" = "$folder/orbit-raven" ] || fail "$who: running program is $exe"
    local shown
    shown=$(tr '\0' '\n' <"/proc/$program_pid/cmdline" | head -1)
    [ "$shown" = "$folder/orbit-raven" ] || fail "$who: process lists show $shown"
    kill -TERM "$program_pid"
    local status=0
    wait "$program_pid" || status=$?
    program_pid=
    [ "$status" -eq 0 ] || fail "$who: the program ended with status $status after SIGTERM"
    grep -q "^HiScore=4321" "$home/.config/orbit-raven/orbit-raven.INI" 2>/dev/null ||
        fail "$who: no settings from beside the program in the config folder"
    [ "$(ls "$folder")" = "$folder_files" ] || fail "$who: files were written into the program folder"
    [ "$(md5sum <"$folder/orbit-raven.INI")" = "$beside" ] ||
        fail "$who: the settings beside the program changed"
}
if [ "$(id -u)" -eq 0 ]; then
    chmod 755 "$scratch"
    mkdir -p "$scratch/root-home" "$scratch/nobody-home"
    chown 65534:65534 "$scratch/nobody-home"
    first_frame root "$scratch/root-home"
    first_frame nobody "$scratch/nobody-home" setpriv --reuid=65534 --regid=65534 --clear-groups --
else
    mkdir -p "$scratch/home"
    first_frame "$(id -un)" "$scratch/home"
fi

if [ "$failures" -ne 0 ]; then
    echo "Debian package: $failures check(s) failed" >&2
    exit 1
fi
echo "Debian package $(basename "$deb"): all checks passed"
