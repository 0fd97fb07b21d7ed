#include "support/harness.h"

#include <algorithm>
#include <utility>

#include "app/game.h"
#include "support/transcript_marks.h"

namespace qm::testing {

Harness::Harness(std::string input, std::vector<int> draws, Shows shows)
    : random(std::move(draws)),
      input_(std::move(input),
             shows == Shows::AnswersAndDraws ? ScriptedInput::kLineByLine : std::size_t{1} << 16),
      console_(input_, captured_) {
  if (shows == Shows::TextAlone) return;
  // The console hands its output over before it reads, so a typed line's mark follows it.
  input_.onLine = [this](std::string_view line) { mark(answerMark(line)); };
  random.onDraw = [this](int result, int lowest, int highest) {
    console_.flush();
    mark(drawMark(result, lowest, highest));
  };
}

void Harness::mark(const std::string& text) {
  markOn(captured_, text);
}

int Harness::playWholeGame() {
  return runGame(console_, random, platform);
}

std::string Harness::output() {
  console_.flush();
  return captured_.text();
}

std::vector<std::string> Harness::lines() {
  return splitLines(output());
}

void Harness::expectAllDrawsUsed() {
  EXPECT_EQ(random.left(), 0u) << random.left() << " scripted draws were left unused (of "
                               << random.used() + random.left() << ")";
}

std::vector<std::string> splitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find('\n', start);
    if (end == std::string::npos) {
      lines.push_back(text.substr(start));
      break;
    }
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

::testing::AssertionResult hasLinesInOrder(const std::vector<std::string>& lines,
                                           std::span<const std::string_view> expected) {
  auto from = lines.begin();
  for (const std::string_view wanted : expected) {
    from = std::find(from, lines.end(), wanted);
    if (from == lines.end()) {
      return ::testing::AssertionFailure()
             << "line \"" << wanted << "\" is missing or out of order in the output";
    }
    ++from;
  }
  return ::testing::AssertionSuccess();
}

int occurrences(std::string_view text, std::string_view needle) {
  int count = 0;
  for (std::size_t at = text.find(needle); at != std::string_view::npos;
       at = text.find(needle, at + needle.size())) {
    ++count;
  }
  return count;
}

}  // namespace qm::testing
