#!/bin/sh
# The command line as GNU tools answer theirs: a refusal is one line and a pointer to --help on
# standard error, status 2, with nothing played; an answer that cannot be written fails with
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

for arguments in "--bogus" "play" "-- --help" "--seed" "--save a --no-save"; do
  # shellcheck disable=SC2086
  "$@" $arguments </dev/null >"$work/out" 2>"$work/err"
  status=$?
  [ "$status" -eq 2 ] || fail "$arguments: status $status"
  [ ! -s "$work/out" ] || fail "$arguments: something was played"
  [ "$(wc -l <"$work/err")" -eq 2 ] || fail "$arguments: standard error is not two lines"
  [ "$(tail -n 1 "$work/err")" = "Try 'quillmarrow --help' for more information." ] ||
    fail "$arguments: no pointer to --help"
done
"$@" -h | grep -q '^Usage: quillmarrow' || fail "-h shows no usage"
[ "$("$@" -h | awk 'length > 80' | wc -l)" -eq 0 ] || fail "the help is wider than 80 columns"
for option in --help --version; do
  "$@" "$option" >/dev/full 2>"$work/err"
  status=$?
  [ "$status" -eq 1 ] || fail "$option >/dev/full: status $status"
  [ "$(wc -l <"$work/err")" -eq 1 ] || fail "$option >/dev/full: standard error is not one line"
done
exit $failures
