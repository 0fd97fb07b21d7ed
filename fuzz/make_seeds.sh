#!/usr/bin/env bash
# Writes the seed corpus: short real plays from creation to each place, fight and quest step.
# Each seed is one byte counting the draw bytes, the draw bytes (each draw is byte % range +
# offset, so a byte below the range is the draw's result less its offset), then the typed text.
# Run it from anywhere; it rewrites fuzz/corpus/seed-*. Check a play with
#   quillmarrow_fuzz_replay --show fuzz/corpus/seed-NAME
set -euo pipefail
corpus="$(dirname "$0")/corpus"
mkdir -p "$corpus"

# seed NAME "DRAW BYTES" TEXT: TEXT is a printf format, so \n ends a line.
seed() {
  local draws=($2)
  {
    printf "\\$(printf %03o ${#draws[@]})"
    for byte in "${draws[@]}"; do printf "\\$(printf %03o "$byte")"; done
    printf "$3"
  } >"$corpus/seed-$1"
}

# Answers, each followed by more empty lines than any run of pauses before the next question:
# a pause takes one line, and a question skips empty lines.
answers() {
  local text=""
  for word in "$@"; do text+="$word\\n\\n\\n\\n\\n\\n\\n\\n\\n\\n\\n\\n"; done
  printf '%s' "$text"
}

# The six stat dice, then the creation draws: three name parts, the male first name, the home
# place, the event and the age.
strong="5 5 5 5 5 5 0 0 0 0 0 0 1 8"
clever="0 0 5 5 5 5 0 0 0 0 0 0 1 8"
brute="5 5 0 0 5 5 0 0 0 0 0 0 1 8"
weak="0 0 2 2 2 2 0 0 0 0 0 0 1 8"
# A chosen Man with the generated name, no jokes, the class, yes, and the arrival's pauses.
create() { printf '%s' "\\nC M\\nM\\nR\\n\\n\\n\\n\\nRoll\\nI\\n\\n$1\\n\\nY\\n\\n\\n\\n\\n\\n\\n"; }

seed title-only "" ""
seed refused-then-accepted "$strong 1 2 3 4 1 2 3 4 5 5 5 5 0 0" \
  "$(create K | sed 's/Roll\\nI/Roll\\nH H H/; s/Y\\n\\n/N\\n\\n/')$(create K)$(answers W 2 W -1 x 30)"
seed random-female-writer "1 2 3 4 5 0 2 1 3 1 4 2 3 9 5" \
  "\\nR\\nF\\nW\\nAnna\\n\\n\\n\\n\\nroll\\nH\\nH\\nH\\n\\nY\\nH\\n\\nY\\n\\n\\n\\n\\n\\n\\n$(answers W 5)"
seed pear-and-hints "0 1 2 3 4 5 1 2 3 4 0 3 2 1" \
  "\\nx C p\\nR\\nw\\nPip\\n\\n\\n\\n\\n\"Roll\"\\nR\\nh\\ni\\n\\nw Y T\\n\\nY\\n\\n\\n\\n\\n\\n\\n$(answers L B b N)"
seed library-books "$clever" "$(create W)$(answers L B B N L R N)"
seed theatre-mystery "$strong" \
  "$(create K)$(answers W 6 T S S S B X X L D C D P D D V L S X L R Y H R Y S E T)"
seed theatre-early-and-poor "$weak" "$(create H)$(answers T W 20 T S L W 1 T)"
seed vendors-every-stall "$brute 3 1 0" \
  "$(create T)$(answers W 1 V F S 3 F S 999 D Y Y H S Y W S D F B F D H W B F N I)"
seed vendors-cane-to-death "$weak" \
  "$(create H)$(answers W 1 V F B F B F B F B F B F B F B F B F B F B I)"
seed blacksmith-fire-and-sweeping "$clever" "$(create W)$(answers B R 1 R 2 W B S W 30 B S)"
seed blacksmith-fire-help-and-cpr "$weak 2" "$(create T)$(answers B R 2 R A G C B)"
seed waiting-and-hooligans "$strong 3 3 15" "$(create K)$(answers W 8 W 30 W 2147483647 W 0)"
seed shrimp-stranger-and-owen "$strong 16 15 19 0 15 19 0 15 19 0" \
  "$(create W)$(answers I S D M S D S C F H H N H)$(answers L R 2 I S H 1 1 1 1 D)"
seed shrimp-room-robbery-and-refusals "$brute 3 17 10" \
  "$(create T)$(answers I S D C I R S R S S L I S S L I S L D)"
seed shrimp-thrown-in-the-water "$weak" "$(create K)$(answers I S S I S D C S S D S C D L)"
seed docks-sea-monster "$strong 16 15 19 0 15 19 0 15 19 0 10 1 10 1 10 1" \
  "$(create W)$(answers I S D M S D S C F H H N H)$(answers L R 2 I S H 1 1 1 1 D M)W\\nW\\nW\\nW\\nS\\nS\\nS\\n$(answers F 1 1 1 W A D)"
seed docks-fishing-and-rocks "$strong 0 1 2 2 0 1" \
  "$(create K)$(answers I S D M S L M)E\\nD d\\nW\\nF\\n\\n\\nF\\n\\n\\nN\\nN\\nW\\nW\\nW\\nW\\nW\\nS\\nS\\nS\\nF\\n\\n\\nH\\n\\n\\nF\\n\\n\\nF\\n\\n\\n$(answers 1 1 1 1 1 1 1 1 1 1 1 1)"
seed pint-lacerti-and-the-circus-cave "$strong 10 14 10 14 10 14 10 14 10 14 10 14" \
  "$(create W)$(answers I P D B H 2 Y I H L C C M Q T A C M Q T M C S 1 1 1 1 1 1)"
seed pint-sour-leader "$brute" "$(create H)$(answers I P D B H 1 W N L I P D B I P S)"
seed circus-bandits "$strong" "$(create W)$(answers I P D B H 2 Y I H L C C M Q T B C)"
seed pint-robbery "$brute 12 3" "$(create T)$(answers I P S R I P S P)"
seed pint-robot-to-the-crater "$brute 20 12 15" \
  "$(create T)$(answers I P R P 1)H\\n\\n\\n\\nG\\nS\\nS\\n\\nR\\nS\\n\\n\\n\\n\\nR\\n2\\n\\n\\n\\n\\n\\nE\\n\\nH\\nI\\n\\nD\\n"
seed basement-west-wing "$brute 20 10 0 15 0 12 0" \
  "$(create T)$(answers I P R P 1 H G W H 1 1 1 1 W S S S S S S L O E H 1 1 1 1 1 E 1 1 1 N N M W S)"
seed basement-east-wing "$strong 10 0 3 0 15 1 0 19" \
  "$(create K)$(answers I P R O S 1 1 1 H G E E H 1 1 1 1 S B O S S S H 1 1 1 1 1 E N E S S H 2 1 1 1 A L)"
