#!/bin/sh
# SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a test program as an unprivileged user: root reads and writes files
# whatever their permission bits say, so permission cases need someone else.
# Not root: runs it as it is. Exits 77 (skipped) when no such user can run it.
set -eu
if [ "$(id -u)" -ne 0 ]; then
  exec "$@"
fi
user=nobody
if ! command -v setpriv >/dev/null || ! id "$user" >/dev/null 2>&1; then
  echo "skipped: setpriv or the user '$user' is missing" >&2
  exit 77
fi
uid=$(id -u "$user")
gid=$(id -g "$user")
run() { setpriv --reuid="$uid" --regid="$gid" --clear-groups -- "$@"; }
if ! run test -x "$1"; then
  echo "skipped: '$user' cannot run $1 (a folder on the way is closed to others)" >&2
  exit 77
fi
export HOME=/tmp TMPDIR=/tmp
exec setpriv --reuid="$uid" --regid="$gid" --clear-groups -- "$@"
