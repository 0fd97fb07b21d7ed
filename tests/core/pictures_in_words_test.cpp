#include "core/pictures_in_words.h"

#include <gtest/gtest.h>

#include <string>

#include "support/scripted_io.h"

namespace qm::testing {
namespace {

// What the console writes through the filter: a line, two pictures (the second says only what it
// shows itself), a rule, a short rule, a line that only begins like one, and a rule that a write
// cuts in two.
std::string through(PicturesInWords& words, CapturedOutput& screen) {
  ScriptedInput input("");
  Console console(input, words);
  console.markPictures();
  console.line("Hello");
  console.beginPicture("A castle");
  console.line("  /\\");
  console.line(" /__\\");
  console.endPicture();
  console.beginPicture("A shark");
  console.line("><>");
  console.endPicture();
  console.line(std::string(78, '-'));
  console.line("---------");
  console.line(std::string(12, ' '));
  console.line("---------- and more");
  console.print("-----");
  console.flush();
  console.line("-----");
  console.flush();
  return screen.text();
}

TEST(PicturesInWords, EachPictureIsALineAndEachRuleAnEmptyOne) {
  CapturedOutput screen;
  PicturesInWords words(screen);
  EXPECT_EQ(through(words, screen),
            "Hello\n[Picture: A castle]\n[Picture: A shark]\n\n---------\n" + std::string(12, ' ') +
                "\n---------- and more\n\n");
}

TEST(PicturesInWords, OffItPassesEverythingAndThePicturesWithTheirMarks) {
  CapturedOutput screen;
  PicturesInWords drawn(screen, [] { return false; });
  EXPECT_EQ(through(drawn, screen),
            "Hello\n\x0E"
            "A castle\n  /\\\n /__\\\n\x0F\x0E"
            "A shark\n><>\n\x0F" +
                std::string(78, '-') + "\n---------\n" + std::string(12, ' ') +
                "\n---------- and more\n----------\n");
}

}  // namespace
}  // namespace qm::testing
