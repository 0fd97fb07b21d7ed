#include <gtest/gtest.h>

#include <vector>

#include "support/harness.h"
#include "support/tables.h"
#include "town/places.h"

namespace qm::testing {
namespace {

// Waiting's one threshold that no transcript plays on both sides, each row beside the mutant it
// kills (tools/mutate, with and without the tables); the transcripts below play every other
// threshold on both sides.
TEST(Waiting, DecisionsAtTheirEdges) {
  constexpr std::string_view kAsleep = "You wait so long, that you get tired and fall asleep...";
  checkEdges(waitAround, {},
             {
                 // Hours <= 5 made < 5
                 {"5 hours: awake", {}, "5\n", {}, kAsleep, false},
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
