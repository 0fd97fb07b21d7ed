#include <gtest/gtest.h>

#include <climits>
#include <tuple>
#include <vector>

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

TEST(Waiting, TheWaitsAsThePlayerSeesThem) {
  checkTranscripts({
      // Negative and other answers are refused without asking again.
      {"waiting-refused-answers-then-three-hours",
       waitAround,
       {},
       "-1 soon 2.5 99999999999 3\n",
       {}},
      {"waiting-asleep-and-nothing-happens", waitAround, {}, "6\n\n", {10}},
      {"waiting-the-hooligans-take-twelve-gold", waitAround, {}, "30\n\n\n", {9, 12}},
      // A theft larger than the purse reports what was actually lost.
      {"waiting-the-hooligans-take-all-there-is",
       waitAround,
       set(&GameState::PlayerGold, 3),
       "8\n\n\n",
       {1, 20}},
  });
}

// What no line shows: the hours, up to the largest clock, the gold and the theft, and the
// achievement, kept after a second theft; from 10 o'clock with 40 gold.
TEST(Waiting, TheClockTheGoldAndTheAchievementAfterAWait) {
  using Left = std::tuple<int, int, int, int>;  // hour, gold, stolen, achievement
  const auto check = [](const char* input, std::vector<int> draws, int achievement, Left left) {
    Harness h(input, std::move(draws));
    h.state.ClockHour = 10;
    h.state.AchievementHooligans = achievement;
    EXPECT_NE(h.play(waitAround), Ending::InputEnded) << input;
    EXPECT_EQ(Left(h.state.ClockHour, h.state.PlayerGold, h.state.StolenGold,
                   h.state.AchievementHooligans),
              left)
        << input;
    h.expectAllDrawsUsed();
  };
  check("0\n", {}, 0, {10, 40, 0, 0});
  check("5\n", {}, 0, {15, 40, 0, 0});
  check("-1 soon 3\n", {}, 0, {13, 40, 0, 0});
  check("6\n\n", {10}, 0, {16, 40, 0, 0});
  check("30\n\n\n", {9, 12}, 0, {40, 28, 12, 1});
  check("6\n\n\n", {5, 30}, 1, {16, 10, 30, 1});
  check("2147483647\n\n", {15}, 0, {INT_MAX, 40, 0, 0});
  Harness ended("-5\n");
  EXPECT_EQ(ended.play(waitAround), Ending::InputEnded);
}

}  // namespace
}  // namespace qm::testing
