#include <gtest/gtest.h>

#include "support/harness.h"
#include "support/players.h"
#include "support/tables.h"
#include "town/places.h"

namespace qm::testing {
namespace {

constexpr std::string_view kMenuWithoutBook = "I'd like to check out a book (B)  No, thank you (N)";
constexpr std::string_view kMenuWithBook =
    "I'd like to check out a book (B) I'd like to return a book (R) No, thank you (N)";
constexpr std::string_view kGreeting =
    "She says \"Hello, is there anything I can help you with today?\"";

// The library's decisions, every comparison in library.cpp of the hour or the book flag with a
// constant, read from the code: the opening hours on both ends and the return option.
TEST(Library, DecisionsAtTheirEdges) {
  constexpr std::string_view kClosed = "The library is closed, please come back later";
  constexpr std::string_view kBookFlies = "The book starts to flutter up into the air";
  const Prepare withBook = [](GameState& s) { s.HasMysteriousBook = true; };
  checkEdges(visitLibrary, {},
             {
                 {"hour 5: closed", set(&GameState::ClockHour, 5), "", {}, kClosed, true},
                 {"hour 6: open", set(&GameState::ClockHour, 6), "", {}, kClosed, false},
                 {"hour 19: open", set(&GameState::ClockHour, 19), "", {}, kClosed, false},
                 {"hour 20: closed", set(&GameState::ClockHour, 20), "", {}, kClosed, true},
                 {"with the book: R returns it", withBook, "\nR\n", {}, kBookFlies, true},
                 {"without the book: R is read again", {}, "\nR\n", {}, kBookFlies, false},
             });
}

TEST(Library, WithoutTheBookTheReturnIsNeitherShownNorAccepted) {
  Harness h("\nR r N\n\n");
  EXPECT_EQ(h.play(visitLibrary), Ending::Returned);
  EXPECT_EQ(
      h.output(),
      "The library seems very old, but it looks like it's been taken care of over the years.\n"
      "\nPress Enter to continue . . . \nThe librarian looks up at you\n" +
          std::string(kGreeting) + "\n" + std::string(kMenuWithoutBook) + "\n\"Oh\"\n" +
          std::string(kPauseText));
}

TEST(Library, TheInventoryIsABoxOfEighteenRowsFiftySevenWide) {
  Harness h("\nB\n\n\n\n\n\nN\n\n");
  h.play(visitLibrary);
  const std::vector<std::string> lines = h.lines();
  const auto top = std::find(lines.begin(), lines.end(), std::string(57, '_'));
  ASSERT_NE(top, lines.end());
  const std::vector<std::string> box(top, top + 18);
  for (const std::string& row : box)
    EXPECT_EQ(row.size(), 57u) << row;
  EXPECT_EQ(box[1], "|" + std::string(55, ' ') + "|");
  EXPECT_EQ(box[2], "|        Clothes of the Germ King by Mike Robe          |");
  EXPECT_EQ(box[16], "|        Something Fishy by Anne Chovy                  |");
  EXPECT_EQ(box[17], "|" + std::string(55, '_') + "|");
  EXPECT_EQ(*(top - 1), "Press Enter to continue . . . ");
}

TEST(Library, EveryListingEarnsPunsAndReturnsToTheMenuWithoutTheGreeting) {
  Harness h("\nB\n\n\n\n\n\nb\n\n\n\n\n\nN\n\n");
  h.play(visitLibrary);
  const std::string out = h.output();
  EXPECT_EQ(h.state.AchievementPuns, 1);
  EXPECT_EQ(occurrences(out, "Achievement get; \"Puns\"\n"), 2);
  EXPECT_EQ(occurrences(out, kGreeting), 1);
  EXPECT_EQ(occurrences(out, kMenuWithoutBook), 3);
  EXPECT_TRUE(hasLinesInOrder(
      h.lines(),
      {"\"Okay, we don't have much in the way of books\"", "\"Here's a list of our inventory\"",
       "The librarian looks embarrassed!", "\"I'm sorry, I must've misplaced the list.\"",
       "Achievement get; \"Puns\"", std::string(kMenuWithoutBook), "\"Oh\""}));
  EXPECT_TRUE(out.ends_with("\"Oh\"\n" + std::string(kPauseText)));
}

TEST(Library, ReturningTheBookStagesTheFightAndTheLibrariansStory) {
  // The intro's two pauses, the Suggestion's pause, then the story's two pauses.
  Harness h("\nR\n\n\n2\n\n\n\n", {17});
  makeWizard(h.state);
  h.state.HasMysteriousBook = true;
  EXPECT_EQ(h.play(visitLibrary), Ending::Returned);
  EXPECT_TRUE(hasLinesInOrder(
      h.lines(),
      {std::string(kMenuWithBook), "The book starts to flutter up into the air",
       "It starts to attack you!", "Magic Missile(1) Suggestion(2) ",
       "The book falls to the ground!", "It looks like you've won...",
       "The librarian looks at the book in distress!",
       "\"I sense something, a presence I've not felt in a long time...\"",
       "\"An old student of mine, Owen D. Banks, he went to the dark side of the library...\"",
       "\"You have to stop him, whatever he's doing, it is not good.\""}));
  EXPECT_TRUE(h.output().ends_with("it is not good.\"\n"));
  EXPECT_EQ(h.state.StrangerStage, 4);
  EXPECT_TRUE(h.state.HasMysteriousBook);
  EXPECT_EQ(h.state.EnemyHealth, 0);
  h.expectAllDrawsUsed();
}

TEST(Library, DyingToTheBookEndsTheGameWithNothingMoreOfTheScene) {
  Harness h("\nR\n\n\n1\n", {3, 1});
  makeWizard(h.state);
  h.state.HasMysteriousBook = true;
  h.state.StrangerStage = 3;
  h.state.PlayerHealth = 10;
  EXPECT_EQ(h.play(visitLibrary), Ending::Died);
  EXPECT_TRUE(h.output().ends_with("He divebombs right into you! He falls to the ground...\n"));
  EXPECT_EQ(h.state.StrangerStage, 3);
}

}  // namespace
}  // namespace qm::testing
