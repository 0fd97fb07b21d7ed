#include <gtest/gtest.h>

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

// Each wait and what it leaves that no line shows: the hours, up to the largest clock, the gold
// and the theft, and the achievement, kept after a second theft.
TEST(Waiting, TheWaitsAsThePlayerSeesThem) {
  const SceneRun wait = waitAround;
  const Prepare at10 = set(&GameState::ClockHour, 10);
  checkTranscripts({
      // Negative and other answers are refused without asking again.
      {"waiting-refused-answers-then-three-hours", wait, {}},
      {"waiting-asleep-and-nothing-happens", wait, {}},
      {"waiting-the-hooligans-take-twelve-gold", wait, {}},
      // A theft larger than the purse reports what was actually lost.
      {"waiting-the-hooligans-take-all-there-is", wait, set(&GameState::PlayerGold, 3)},
      {"waiting-leaves-no-hour", wait, at10},
      {"waiting-leaves-a-sleep-robbed-again", wait,
       all({at10, set(&GameState::AchievementHooligans, 1)})},
      {"waiting-leaves-the-longest-wait", wait, at10},
      {"waiting-leaves-nothing-when-the-input-ends", wait, at10},
  });
}

}  // namespace
}  // namespace qm::testing
