#include "core/console.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <utility>

#include "support/harness.h"

namespace qm::testing {
namespace {

struct ConsoleUnderTest {
  explicit ConsoleUnderTest(std::string input, std::size_t chunk = 1 << 16)
      : in(std::move(input), chunk), console(in, out) {}
  std::string output() {
    console.flush();
    return out.text();
  }
  ScriptedInput in;
  CapturedOutput out;
  Console console;
};

TEST(ConsoleWords, WordsTypedAheadAnswerTheFollowingQuestionsInOrder) {
  ConsoleUnderTest t("C M\n\n   \nL\n");
  EXPECT_EQ(t.console.readWord(), "C");
  EXPECT_EQ(t.console.readWord(), "M");
  EXPECT_EQ(t.console.readWord(), "L");  // blank lines are skipped
}

TEST(ConsoleWords, TabsAndCarriageReturnsSeparateWords) {
  ConsoleUnderTest t("Y\r\n\tb\tc\r\n");
  EXPECT_EQ(t.console.readWord(), "Y");
  EXPECT_EQ(t.console.readWord(), "b");
  EXPECT_EQ(t.console.readWord(), "c");
  EXPECT_THROW(t.console.readWord(), InputClosed);
}

TEST(ConsoleWords, LinesArrivingInPiecesAreJoined) {
  ConsoleUnderTest t("Hammin Rannibvaji\nok\n", 3);
  EXPECT_EQ(t.console.readWord(), "Hammin");
  EXPECT_EQ(t.console.readWord(), "Rannibvaji");
  EXPECT_EQ(t.console.readWord(), "ok");
}

TEST(ConsoleWords, ALastLineWithoutEndOfLineStillCounts) {
  ConsoleUnderTest t("one two");
  EXPECT_EQ(t.console.readWord(), "one");
  EXPECT_EQ(t.console.readWord(), "two");
  EXPECT_THROW(t.console.readWord(), InputClosed);
  EXPECT_THROW(t.console.readWord(), InputClosed);  // and stays closed
}

TEST(ConsoleWords, AnOverlongLineIsCutAndTheNextLineReadNormally) {
  const std::string huge(300000, 'x');
  ConsoleUnderTest t(huge + " tail\nnext\n", 1000);
  EXPECT_EQ(t.console.readWord(), std::string(Console::kMaxLineLength, 'x'));
  EXPECT_EQ(t.console.readWord(), "next");  // " tail" lay beyond the cut
}

// The cut never keeps the first bytes of a character without the rest; whole characters, and
// bytes that are not UTF-8 at all, stay as they came. The lead bytes are the lowest of each length.
TEST(ConsoleWords, AnOverlongLineKeepsOnlyWholeCharacters) {
  constexpr std::size_t kAll = Console::kMaxLineLength;
  const struct {
    std::size_t before;  // bytes of 'x' before the tail
    std::string tail;
    std::size_t kept;  // bytes of the tail kept
  } cases[] = {
      {kAll - 1, "\xC0\x80", 0},
      {kAll - 1, "\xE0\xA0\x80", 0},
      {kAll - 2, "\xE0\xA0\x80", 0},
      {kAll - 3, "\xE0\xA0\x80\xE0\xA0\x80", 3},
      {kAll - 3, "\xF0\x90\x80\x80", 0},
      {kAll - 1, "ab", 1},
      {kAll - 2, "\x80\x80\x80", 2},
      {0, std::string(kAll + 1, '\x80'), kAll},
      {kAll - 1, "\xE0", 1},  // a line that fits is kept as it came
  };
  for (const auto& c : cases) {
    const std::string line = std::string(c.before, 'x') + c.tail;
    ConsoleUnderTest t(line + "\n");
    EXPECT_EQ(t.console.readWord(), line.substr(0, c.before + c.kept)) << c.before << " " << c.kept;
  }
}

// Text shows as itself in UTF-8 and in Latin-1 alike: no byte of it is a control there. The
// UTF-8 characters at the ends of each range (U+0100, whose second byte alone is a control; the
// least of three bytes, U+0800; the greatest, U+10FFFF) are read whole; a lead byte of five or
// more bytes and the first surrogate are read a byte at a time, so the C1 control after them is.
TEST(ConsoleWords, OnlyTextWithoutControlCharactersShowsAsText) {
  for (const std::string_view shown :
       {"Zo\xC3\xAB", "\xE6\xB5\x8B\xF0\x9F\x90\x89", "Zo\xEB\xA0", "\xC2\xA0~", "\xC0\xA0", "",
        "a b", "\xC4\x80", "\xE0\xA0\x80", "\xF4\x8F\xBF\xBF"}) {
    EXPECT_TRUE(Console::showsAsText(shown)) << shown;
  }
  using namespace std::string_view_literals;
  for (const std::string_view control :
       {"a\x1B[31m"sv, "a\0b"sv, "\x7F"sv, "\xC2\x9B"sv, "\xC2\x80"sv, "\x9B"sv, "\xE9\x85"sv,
        "\xED\xA0\x80\x9D"sv, "\xC0\x9B"sv, "\xC2\x9F"sv, "\xF8\x90\x80\x80"sv, "\xED\xA0\x80"sv}) {
    EXPECT_FALSE(Console::showsAsText(control)) << control;
  }
}

TEST(ConsoleNumbers, OnlyWholeDecimalNumbersWithinIntAreNumbers) {
  ConsoleUnderTest t("12 -3 0 007 -0 2147483647 -2147483648\n");
  EXPECT_EQ(t.console.readNumber(), 12);
  EXPECT_EQ(t.console.readNumber(), -3);
  EXPECT_EQ(t.console.readNumber(), 0);
  EXPECT_EQ(t.console.readNumber(), 7);
  EXPECT_EQ(t.console.readNumber(), 0);
  EXPECT_EQ(t.console.readNumber(), INT_MAX);
  EXPECT_EQ(t.console.readNumber(), INT_MIN);
}

TEST(ConsoleNumbers, AnythingElseIsConsumedWithoutANumber) {
  ConsoleUnderTest t("12a +5 - 1.5 0x10 2147483648 -2147483649 99999999999999999999 5\n");
  for (int i = 0; i < 8; ++i)
    EXPECT_EQ(t.console.readNumber(), std::nullopt) << "word " << i;
  EXPECT_EQ(t.console.readNumber(), 5);
}

TEST(ConsolePause, ShowsThePromptAndSwallowsTheNextWholeLine) {
  ConsoleUnderTest t("first second\nanything at all\nthird\n");
  t.console.line("Hello");
  EXPECT_EQ(t.console.readWord(), "first");
  t.console.pause();
  // The rest of the current line is kept; the pause took the following line.
  EXPECT_EQ(t.console.readWord(), "second");
  EXPECT_EQ(t.console.readWord(), "third");
  EXPECT_EQ(t.output(), "Hello\n\nPress Enter to continue . . . \n");
}

TEST(ConsolePause, EndsALineLeftOpenInsteadOfAddingAnEmptyOne) {
  ConsoleUnderTest t("\n");
  t.console.print("One of the Lacerti grabs your arm.");
  t.console.pause();
  EXPECT_EQ(t.output(), "One of the Lacerti grabs your arm.\nPress Enter to continue . . . \n");
}

TEST(ConsolePause, TheBarePauseHasNoLineBeforeIt) {
  ConsoleUnderTest t("\n");
  t.console.line("You dock.");
  t.console.barePause();
  EXPECT_EQ(t.output(), "You dock.\nPress Enter to continue . . . \n");
}

TEST(ConsolePause, EndOfInputAtAPauseThrows) {
  ConsoleUnderTest t("");
  EXPECT_THROW(t.console.pause(), InputClosed);
  t.console.endOpenLine();
  EXPECT_EQ(t.output(), "\nPress Enter to continue . . . \n");
}

TEST(ConsoleOutput, IsHandedOverOnlyWhenTheConsoleMustWaitForInput) {
  // Chunks of 2 bytes hand over one line per read, as a terminal does; 64 KiB hand over all.
  for (const auto& [chunk, writes] : {std::pair{2, 2}, std::pair{1 << 16, 1}}) {
    ConsoleUnderTest t("a\nb\n", chunk);
    for (int i = 0; i < 50; ++i)
      t.console.line("narration line ", i);
    t.console.readWord();
    for (int i = 0; i < 50; ++i)
      t.console.line("more ", i);
    t.console.readWord();
    EXPECT_EQ(t.out.writes(), writes) << "chunk " << chunk;
    EXPECT_TRUE(t.output().ends_with("more 49\n"));
  }
}

TEST(ConsoleOutput, TextsOfAnySizeArriveWholeAndInOrder) {
  ConsoleUnderTest t("");
  std::string expected;
  for (const std::size_t size : {10u, 70000u, 65536u, 1u, 200001u, 65535u}) {
    const std::string text(size, static_cast<char>('a' + size % 26));
    t.console.line(text, size);
    expected += text + std::to_string(size) + "\n";
  }
  EXPECT_EQ(t.output(), expected);
}

TEST(ConsoleOutput, TextsThatFillTheBufferExactlyWaitInItLikeAnyOther) {
  constexpr std::size_t kBufferSize = 1 << 16;
  ConsoleUnderTest t("");
  t.console.print("x");
  t.console.print(std::string(kBufferSize - 1, 'y'));  // just fits beside the x
  EXPECT_EQ(t.out.writes(), 0);
  t.console.print(std::string(kBufferSize, 'z'));  // the buffer is handed over, the text kept
  EXPECT_EQ(t.out.writes(), 1);
  EXPECT_EQ(t.output(), "x" + std::string(kBufferSize - 1, 'y') + std::string(kBufferSize, 'z'));
}

TEST(ConsoleOutput, PicturesAreMarkedOnlyForASinkThatAsksForTheMarks) {
  for (const bool marked : {false, true}) {
    ConsoleUnderTest t("");
    if (marked) t.console.markPictures();
    t.console.print("open ");
    t.console.beginPicture("a dot");
    t.console.line(".");
    t.console.endPicture();
    t.console.endOpenLine();  // the marks leave the line as the text left it
    EXPECT_EQ(t.output(), marked ? "open \x0E"
                                   "a dot\n.\n\x0F"
                                 : "open .\n");
  }
}

TEST(ConsoleOutput, EndOpenLineOnlyEndsALineThatIsOpen) {
  ConsoleUnderTest t("");
  t.console.endOpenLine();
  t.console.line("closed");
  t.console.endOpenLine();
  t.console.print("open");
  t.console.endOpenLine();
  EXPECT_EQ(t.output(), "closed\nopen\n");
}

}  // namespace
}  // namespace qm::testing
