#!/bin/sh
# Output that cannot be written ends the game at once with a failure status: quietly when the
# reader has gone away, with one line on standard error otherwise. Usage: output_failures.sh GAME [ARGUMENTS...], where
# GAME and its ARGUMENTS are the command that starts the game (an emulator before it, say)
set -u
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

# A reader that leaves after 100 bytes, while answers keep coming.
yes W | { timeout 20 "$@" 2>"$work/pipe.err"; echo $? >"$work/pipe.status"; } | head -c 100 >/dev/null
status=$(cat "$work/pipe.status")
[ "$status" -ne 0 ] || fail "closed pipe: exit status 0"
[ "$status" -ne 124 ] || fail "closed pipe: still running after 20 seconds"
[ ! -s "$work/pipe.err" ] || fail "closed pipe: wrote to standard error: $(cat "$work/pipe.err")"

# A device that is always full.
timeout 20 "$@" </dev/null >/dev/full 2>"$work/full.err"
status=$?
[ "$status" -ne 0 ] || fail "full device: exit status 0"
[ "$status" -ne 124 ] || fail "full device: still running after 20 seconds"
[ "$(wc -l <"$work/full.err")" -eq 1 ] || fail "full device: standard error is not one line: $(cat "$work/full.err")"
grep -q '^quillmarrow: cannot write the output: .' "$work/full.err" ||
  fail "full device: the error is not named"

exit $failures
