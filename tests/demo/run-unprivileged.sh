#!/bin/sh
# Runs a test program as an unprivileged user when started as root, for whom permission bits do not
# stop writing or removing. Exits 77 (skipped) when that user cannot run the program or write TMPDIR.
program=$1
shift
if [ "$(id -u)" -ne 0 ]; then exec "$program" "$@"; fi
as_nobody() { setpriv --reuid=65534 --regid=65534 --clear-groups "$@"; }
tmp=${TMPDIR:-/tmp}
if ! command -v setpriv >/dev/null || ! as_nobody test -x "$program" || ! as_nobody test -w "$tmp"; then
  echo "cannot run $program as an unprivileged user; skipped"
  exit 77
fi
as_nobody "$program" "$@"
exit $?
