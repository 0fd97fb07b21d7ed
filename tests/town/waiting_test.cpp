#include <gtest/gtest.h>

#include "support/harness.h"
#include "support/tables.h"
#include "town/places.h"

namespace qm::testing {
namespace {

// Waiting's decisions, every comparison in waiting.cpp of the hours typed or the sleep roll with
// a constant, read from the code.
TEST(Waiting, DecisionsAtTheirEdges) {
  constexpr std::string_view kRefused = "Please enter a positive integer";
  constexpr std::string_view kAsleep = "You wait so long, that you get tired and fall asleep...";
  constexpr std::string_view kNothing = "Nothing happens...";
  checkEdges(waitAround, {},
             {
                 {"0 hours: accepted", {}, "0\n", {}, kRefused, false},
                 {"-1 hours: refused", {}, "-1\n", {}, kRefused, true},
                 {"5 hours: awake", {}, "5\n", {}, kAsleep, false},
                 {"6 hours: asleep", {}, "6\n", {10}, kAsleep, true},
                 {"sleep roll 10: nothing happens", {}, "6\n\n", {10}, kNothing, true},
                 {"sleep roll 9: the hooligans", {}, "6\n\n", {9, 12}, kNothing, false},
             });
}

TEST(Waiting, FiveHoursNeverSleeps) {
  Harness h("5\n");
  h.state.ClockHour = 10;
  EXPECT_EQ(h.play(waitAround), Ending::Returned);
  EXPECT_EQ(h.output(), "How many hours?\n");
  EXPECT_EQ(h.state.ClockHour, 15);
  h.expectAllDrawsUsed();
}

TEST(Waiting, ZeroHoursIsAcceptedAndChangesNothing) {
  Harness h("0\n");
  h.state.ClockHour = 10;
  h.play(waitAround);
  EXPECT_EQ(h.state.ClockHour, 10);
  EXPECT_EQ(h.output(), "How many hours?\n");
}

TEST(Waiting, SixHoursSleepsAndARollOfTenIsQuiet) {
  Harness h("6\n\n", {10});
  h.state.ClockHour = 10;
  h.play(waitAround);
  EXPECT_EQ(
      h.output(),
      "How many hours?\nYou wait so long, that you get tired and fall asleep...\n\nPress Enter to continue . . . \nNothing happens...\n");
  EXPECT_EQ(h.state.ClockHour, 16);
  EXPECT_EQ(h.state.AchievementHooligans, 0);
  h.expectAllDrawsUsed();
}

TEST(Waiting, ARollOfNineBringsTheHooligans) {
  Harness h("30\n\n\n", {9, 12});
  h.state.ClockHour = 10;
  h.play(waitAround);
  EXPECT_TRUE(hasLinesInOrder(
      h.lines(), {"While you are asleep some hooligans stole some of your gold!",
                  "You now only have 28 gold, you lost 12 gold", "Achievement get; Hooligans!!!"}));
  EXPECT_EQ(h.state.PlayerGold, 28);
  EXPECT_EQ(h.state.StolenGold, 12);
  EXPECT_EQ(h.state.AchievementHooligans, 1);
  EXPECT_EQ(h.state.ClockHour, 40);
  h.expectAllDrawsUsed();
}

TEST(Waiting, ATheftLargerThanThePurseReportsWhatWasActuallyLost) {
  Harness h("8\n\n\n", {1, 20});
  h.state.PlayerGold = 3;
  h.play(waitAround);
  EXPECT_TRUE(hasLinesInOrder(h.lines(), {"You now only have 0 gold, you lost 3 gold"}));
  EXPECT_EQ(h.state.PlayerGold, 0);
}

TEST(Waiting, ASecondTheftAnnouncesTheAchievementAgain) {
  Harness h("6\n\n\n", {5, 30});
  h.state.AchievementHooligans = 1;
  h.play(waitAround);
  EXPECT_EQ(occurrences(h.output(), "Achievement get; Hooligans!!!"), 1);
  EXPECT_EQ(h.state.AchievementHooligans, 1);
  EXPECT_EQ(h.state.PlayerGold, 10);
}

TEST(Waiting, RefusesNegativeAndNonNumericAnswersWithoutAskingAgain) {
  Harness h("-1 soon 2.5 99999999999 3\n");
  h.state.ClockHour = 7;
  h.play(waitAround);
  EXPECT_EQ(h.output(),
            "How many hours?\nPlease enter a positive integer\nPlease enter a positive integer\n"
            "Please enter a positive integer\nPlease enter a positive integer\n");
  EXPECT_EQ(h.state.ClockHour, 10);
}

TEST(Waiting, AHugeWaitStopsTheClockAtTheLargestHour) {
  Harness h("2147483647\n\n", {15});
  h.state.ClockHour = 23;
  h.play(waitAround);
  EXPECT_EQ(h.state.ClockHour, INT_MAX);
}

TEST(Waiting, EndOfInputAtTheQuestionEndsQuietly) {
  Harness h("-5\n");
  EXPECT_EQ(h.play(waitAround), Ending::InputEnded);
}

}  // namespace
}  // namespace qm::testing
