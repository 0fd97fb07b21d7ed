#include "core/dialogue.h"

#include <gtest/gtest.h>

#include "support/harness.h"

namespace qm::testing {
namespace {

TEST(AskUntilValid, DropsUnmatchedAnswersSilently) {
  Harness h("x YY Y. yes y\n");
  char letter = 0;
  h.play([&](Context& c) { letter = ask(c, "YN"); });
  EXPECT_EQ(letter, 'Y');
  EXPECT_EQ(h.state.RaceChoice, "y");
  EXPECT_EQ(h.output(), "");
}

TEST(AskUntilValid, AcceptsDigitsAndCapitalsAndTheirSmallTwins) {
  Harness h("3 a 1\n");
  std::vector<char> letters;
  h.play([&](Context& c) {
    letters.push_back(ask(c, "12A"));
    letters.push_back(ask(c, "12A"));
  });
  EXPECT_EQ(letters, (std::vector<char>{'A', '1'}));
}

TEST(AskUntilValid, TakesBothEndsOfTheAlphabetInSmallLettersAndNothingBesideThem) {
  Harness h("` { z a\n");  // the characters just before a and just after z are no letters
  std::vector<char> letters;
  h.play([&](Context& c) {
    letters.push_back(ask(c, "AZ"));
    letters.push_back(ask(c, "AZ"));
  });
  EXPECT_EQ(letters, (std::vector<char>{'Z', 'A'}));
}

TEST(AskUntilValid, MenuPrintsItsOptionLineOnce) {
  Harness h("q w N\n");
  h.play([&](Context& c) { menu(c, "Sure (S) Nah (N)", "SN"); });
  EXPECT_EQ(h.output(), "Sure (S) Nah (N)\n");
}

TEST(AskUntilValid, EndOfInputLeavesTheLoop) {
  Harness h("nope never\n");
  EXPECT_EQ(h.play([&](Context& c) { ask(c, "YN"); }), Ending::InputEnded);
}

TEST(RePrompt, PrintsTheOptionLineBeforeEveryRead) {
  Harness h("x\nz r\n");
  char letter = 0;
  h.play([&](Context& c) { letter = askRepeating(c, "C for Choose, and R for random", "CR"); });
  EXPECT_EQ(letter, 'R');
  EXPECT_EQ(occurrences(h.output(), "C for Choose, and R for random\n"), 3);
}

TEST(Narration, PrintsLinesAndPausesInOrder) {
  Harness h("\n\n");
  h.play([&](Context& c) { tell(c.console, {"one", kPause, "two", "", kPause}); });
  EXPECT_EQ(h.output(),
            "one\n\nPress Enter to continue . . . \ntwo\n\n\nPress Enter to continue . . . \n");
}

TEST(Narration, AScriptSkipsItsUnusedSlots) {
  Harness h("\n");
  constexpr Script script = {"a", kPause, "b"};
  h.play([&](Context& c) { tell(c.console, script); });
  EXPECT_EQ(h.output(), "a\n\nPress Enter to continue . . . \nb\n");
}

}  // namespace
}  // namespace qm::testing
