#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "support/scripted_io.h"

// What a golden transcript shows besides the game's text, so that the file alone tells what was
// played: each line the player typed, where the game read it, as {> the line}, and each scripted
// draw, where the game drew it, as {draw 7 from 1..20}. A mark that comes at the start of a line
// stands on a line of its own; one that comes after a prompt the game left open stands at its
// end, as a terminal shows a typed answer. The game never prints a brace, so the marks are told
// apart from its text, and a transcript is played again from its own marks.
namespace qm::testing {

// The mark of one typed line (without its end of line). A brace, a backslash or a control byte in
// it is written as \}, \\ or \xNN.
std::string answerMark(std::string_view line);

// The mark of one draw: its result and the range it was drawn from.
std::string drawMark(int result, int lowest, int highest);

// Puts a mark where the screen stands: on a line of its own at the start of a line, else at the
// end of the open one.
void markOn(CapturedOutput& screen, std::string_view mark);

// The play a transcript shows: the typed lines as input, each ended, and the draws' results.
struct MarkedPlay {
  std::string input;
  std::vector<int> draws;
};

MarkedPlay playOf(std::string_view transcript);

}  // namespace qm::testing
