#!/bin/bash
# Builds the Debian package with cpack, unpacks it with dpkg-deb into a
# scratch root and checks what a player's system would get: the file list,
# the control fields, the metadata validators, lintian, and the unpacked
# program started offscreen up to its first painted frame, as a player who
# cannot write to the program folder.
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
for dep in libqt6widgets6 libqt6multimedia6 libcanberra0 libc6 \
    fonts-ipafont-gothic fonts-dejavu-core sound-theme-freedesktop qt6-translations-l10n; do
    [[ ",$depends," == *[\ ,]"$dep"[\ ,]* ]] || fail "Depends lacks $dep: $depends"
done
# SDL is loaded at run time: the game plays without it.
[[ "$depends" != *libsdl2* ]] || fail "Depends names SDL: $depends"
[[ "$(dpkg-deb -f "$deb" Recommends)" == *libsdl2-2.0-0* ]] || fail "Recommends lacks SDL"
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
# Errors and warnings fail; the informational tags are listed in the README.
lintian_status=0
lintian_out=$(lintian --fail-on error,warning "$deb" 2>&1) || lintian_status=$?
grep -v "running with root privileges" <<<"$lintian_out" || true
[ "$lintian_status" -eq 0 ] || fail "lintian found errors or warnings"

# --- The unpacked program, up to its first frame -------------------------
# Started through the unpacked launcher. A player cannot write to the program
# folder: as root the program runs as nobody, otherwise the folder is made
# read-only. Its settings must then land in the player's config folder.
home="$scratch/home"
mkdir -p "$home/.config"
run_as=()
if [ "$(id -u)" -eq 0 ]; then
    chmod 755 "$scratch"
    chown -R 65534:65534 "$home"
    run_as=(setpriv --reuid=65534 --regid=65534 --clear-groups --)
else
    chmod a-w "$root/usr/lib/orbit-raven"
fi
log="$scratch/run.log"
env -i PATH=/usr/bin:/bin HOME="$home" XDG_CONFIG_HOME="$home/.config" \
    QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES="qt.widgets.painting=true" \
    "${run_as[@]}" "$root/usr/games/orbit-raven" >"$log" 2>&1 &
program_pid=$!
painted=0
for _ in $(seq 200); do
    if grep -q "qt.widgets.painting: Flushing" "$log"; then
        painted=1
        break
    fi
    kill -0 "$program_pid" 2>/dev/null || break
    sleep 0.1
done
if [ "$painted" -eq 1 ]; then
    # The launcher has exec'd into the unpacked program, not some other copy.
    exe=$(readlink "/proc/$program_pid/exe" || true)
    [ "$exe" = "$root/usr/lib/orbit-raven/orbit-raven" ] || fail "running program is $exe"
    kill -TERM "$program_pid"
    status=0
    wait "$program_pid" || status=$?
    program_pid=
    [ "$status" -eq 0 ] || fail "the program ended with status $status after SIGTERM"
    [ -f "$home/.config/orbit-raven/orbit-raven.INI" ] ||
        fail "no settings in the player's config folder"
    [ ! -e "$root/usr/lib/orbit-raven/orbit-raven.INI" ] ||
        fail "settings were written into the program folder"
else
    grep -v "qt.widgets.painting" "$log" | tail -20 >&2
    fail "the unpacked program painted no frame within 20 s"
fi

if [ "$failures" -ne 0 ]; then
    echo "Debian package: $failures check(s) failed" >&2
    exit 1
fi
echo "Debian package $(basename "$deb"): all checks passed"
