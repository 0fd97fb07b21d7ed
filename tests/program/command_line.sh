#!/bin/sh
# The command line's answers through the real program (their words are tested in-process): a
# refusal exits with status 2 and plays nothing; an answer that cannot be written fails with
# status 1 and one line. Usage: command_line.sh GAME [ARGUMENTS...], the command that starts the
# game.
set -u
failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$@" --bogus </dev/null >"$work/out" 2>"$work/err"
status=$?
[ "$status" -eq 2 ] || fail "--bogus: status $status"
[ ! -s "$work/out" ] || fail "--bogus: something was played"
[ "$(wc -l <"$work/err")" -eq 2 ] || fail "--bogus: standard error is not two lines"
"$@" -h | grep -q '^Usage: quillmarrow' || fail "-h shows no usage"
for option in --help --version; do
  "$@" "$option" >/dev/full 2>"$work/err"
  status=$?
  [ "$status" -eq 1 ] || fail "$option >/dev/full: status $status"
  [ "$(wc -l <"$work/err")" -eq 1 ] || fail "$option >/dev/full: standard error is not one line"
done
exit $failures
