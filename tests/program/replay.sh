#!/bin/sh
# Plays the same scripted game twice with --seed 7, a refused character and its new start
# included, and once with --seed 8. The two transcripts of seed 7 must match byte for byte and
# reach the end screen; seed 8 must play another game. Piped output stays plain text even when
# TERM names a real terminal: no escape sequences, no line broken.
# Usage: replay.sh GAME [ARGUMENTS...], the command that starts the game.
set -eu
here=$(dirname "$0")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

{
  printf '\nC M\nM\nR\n\n\n\n\nRoll\nI\n\nT\n\nN\n'  # a Thief, refused
  cat "$here/short_game.txt"
} >"$work/answers"

TERM=xterm-256color "$@" --seed 7 <"$work/answers" >"$work/first"
"$@" --seed 7 <"$work/answers" >"$work/second"
"$@" --seed 8 <"$work/answers" >"$work/other"

fail() {
  echo "replay: $1" >&2
  exit 1
}
cmp "$work/first" "$work/second" || fail "the same seed played two different games"
if cmp -s "$work/first" "$work/other"; then fail "seeds 7 and 8 played the same game"; fi
[ "$(grep -c '^Quillmarrow, a  text adventure game$' "$work/first")" -eq 2 ] ||
  fail "the refused character did not restart the game"
grep -qx 'Thank you for playing Quillmarrow!' "$work/first" || fail "the end screen was not reached"
if grep -q "$(printf '\033')" "$work/first"; then fail "piped output holds an escape sequence"; fi
grep -qx "In Sandpoint there's two inns The Polished Pint and The Soggy Shrimp, there's also a Blacksmith, a quaint Library, a Theater, and a couple vendors along the street." "$work/first" ||
  fail "piped output has a long line broken"
