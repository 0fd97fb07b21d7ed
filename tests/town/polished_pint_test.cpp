#include "town/polished_pint.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "core/quest_stages.h"
#include "core/status_report.h"
#include "support/harness.h"
#include "support/players.h"
#include "support/tables.h"
#include "town/pint_bar.h"
#include "town/robot_bartender.h"

namespace qm::testing {
namespace {

// A Hunter of middling strength and wits.
void makeInnHunter(GameState& state) {
  makeHunter(state);
  state.Pronoun = "his";
  state.PlayerStrength = 7;
  state.PlayerIntellect = 5;
}

const Prepare kInnHunter = makeInnHunter;
const Prepare kThief = makeThief;
const Prepare kWizard = makeWizard;
const Prepare kKnight = makeKnight;
const Prepare kHunter = makeHunter;

Prepare strength(int value) {
  return set(&GameState::PlayerStrength, value);
}
Prepare intellect(int value) {
  return set(&GameState::PlayerIntellect, value);
}
Prepare gold(int value) {
  return set(&GameState::PlayerGold, value);
}
Prepare pronoun(std::string_view word) {
  return [word = std::string(word)](GameState& s) { s.Pronoun = word; };
}

void haveABeerAtTheBar(Context& context) {
  haveABeer(context);
}

// The robot's fight: every other threshold of the room, the robot and the bar is played on both
// sides by the transcripts below (tools/mutate, with and without the tables).
TEST(PolishedPint, DecisionsOfTheRoomAndTheRobotFight) {
  constexpr std::string_view kSwing =
      "The robot swings his sword-arm at you, but it barely cuts you!";
  const Prepare player0 = all({kHunter, set(&GameState::PlayerHealth, 0)});
  checkEdges(askForARoom, all({pronoun("his"), intellect(5)}),
             {
                 // PlayerHealth <= 0 made < 0, before the robot's turn
                 {"player at 0: no turn", player0, answers({"P", "2"}), {}, kSwing, false},
             });
}

TEST(PolishedPint, TheDoorTheInnAndTheRobberiesAsThePlayerSeesThem) {
  checkTranscripts({
      {"pint-refused-at-the-door", visitPolishedPint, set(&GameState::PintWelcome, 0)},
      {"pint-entering-and-leaving", visitPolishedPint, intellect(5)},
      {"pint-thief-holds-up-the-bar-and-is-thrown-out", visitPolishedPint,
       all({kThief, strength(9)})},
      {"pint-knight-holds-up-the-bar-for-fifty-gold", visitPolishedPint,
       all({kKnight, strength(10)})},
      {"pint-thief-picks-the-wrong-pocket", visitPolishedPint, kThief},
      {"pint-a-thief-picks-a-pocket-unnoticed", thenReport(visitPolishedPint), kThief},
      // No beer offered to an empty purse, so "B" is passed over.
      {"pint-no-gold-for-a-beer", thenReport(visitPolishedPint), all({intellect(5), gold(4)})},
  });
}

// Each way to the room has pauses of its own; the fights are kept short. Every fighter's deed
// against the robot is played once: the stab at 51 (blocked), 50 (nothing) and 49 (a wound).
TEST(PolishedPint, TheWaysToTheRoomAndTheRobotFightAsThePlayerSeesThem) {
  const auto with = [](std::string_view word, int wits, const Prepare& fighter) {
    return all({fighter, intellect(wits), pronoun(word)});
  };
  checkTranscripts({
      {"pint-room-a-lady-ignores-it-all-and-shoots-the-robot-at-the-door", askForARoom,
       with("her", 6, kHunter)},
      {"pint-room-a-lady-smashes-his-face", askForARoom, with("her", 4, kKnight)},
      {"pint-room-ten-gold-is-outrageous", askForARoom, with("his", 4, kWizard)},
      {"pint-room-a-lady-insists", askForARoom, with("her", 4, kWizard)},
      {"pint-room-stab-that-chump", askForARoom, with("her", 4, kThief)},
      {"pint-room-sir-are-you-a-robot", askForARoom, with("his", 6, kWizard)},
      {"pint-room-cant-put-your-finger-on-it", askForARoom, with("his", 5, kThief)},
      // The robot's fight offers no apples: "A" is passed over.
      {"pint-room-a-thief-stabs-the-robot-blocked-then-through", askForARoom,
       all({kInnHunter, kThief, set(&GameState::Apples, 1)})},
      {"pint-room-a-wizards-suggestion-fails-on-a-robot", askForARoom, all({kInnHunter, kWizard})},
      {"pint-room-a-knight-bashes-the-robot-then-slices-him", askForARoom,
       all({kInnHunter, kKnight})},
      {"pint-room-a-hunter-cannot-tame-a-robot", askForARoom,
       all({kInnHunter, set(&GameState::Apples, 2)})},
  });
}

// Each of the Lacerti's deeds is played once; the stab, the pockets and the missile only up to the
// leader's first question.
TEST(PolishedPint, TheBeerTheLacertiAndTheJobAsThePlayerSeesThem) {
  const auto drinker = [](int s, int i) {
    return all({kInnHunter, strength(s), intellect(i), gold(5)});
  };
  const Prepare drinks = drinker(7, 6);
  checkTranscripts({
      {"pint-a-beer-while-the-lacerti-talk", haveABeerAtTheBar, drinks},
      {"pint-lacerti-sent-off-and-the-circus-job", haveABeerAtTheBar, drinks},
      {"pint-lacerti-grab-a-player-who-breaks-free-and-is-thrown-out", haveABeerAtTheBar,
       all({drinker(5, 5), kKnight})},
      {"pint-lacerti-a-thief-stabs-one", haveABeerAtTheBar, all({drinks, kThief})},
      {"pint-lacerti-a-thief-fishes-out-three-gold", haveABeerAtTheBar, all({drinks, kThief})},
      {"pint-lacerti-a-wizard-fries-one", haveABeerAtTheBar, all({drinks, kWizard})},
      {"pint-a-beer-in-peace-once-the-lacerti-are-gone", thenReport(visitPolishedPint),
       all({drinks, set(&GameState::LacertiAtBar, 0)})},
      // A shot at the glass leaves them at the bar; held and punched, the player flips one and
      // turns the job down.
      {"pint-held-by-the-lacerti-a-flip-and-the-job-turned-down", thenReport(visitPolishedPint),
       drinker(4, 3)},
      {"pint-a-knight-slices-a-lacerti-and-offends-the-leader", thenReport(visitPolishedPint),
       all({drinks, kKnight})},
      {"pint-a-wizard-sends-the-lacerti-off-and-sours-the-leader", thenReport(visitPolishedPint),
       all({drinks, kWizard, set(&GameState::CircusLeaderOpinion, 1)})},
  });
}

// What the visits leave in the state that no line shows (the welcome, the hatch, the hour, the
// Lacerti, the leader's opinion, the circus job), from a Hunter of strength 7 and intellect 5.
TEST(PolishedPint, WhatAVisitLeavesBehind) {
  const auto visit = [](std::string_view name, const Prepare& prepare) {
    return Transcript{name, visitPolishedPint, all({kInnHunter, prepare})};
  };
  const auto health = [](int value) { return set(&GameState::PlayerHealth, value); };
  checkTranscripts({
      visit("pint-leaves-the-robot-shot-twice", {}),
      visit("pint-leaves-the-robot-already-down",
            all({set(&GameState::BartenderHealth, 0), set(&GameState::HatchStage, kHatchFound)})),
      visit("pint-leaves-a-player-at-0-thrown-out", all({kKnight, health(10)})),
      visit("pint-leaves-a-player-below-0-dead", all({kKnight, health(5)})),
      visit("pint-leaves-the-job-the-opinion-soured-to-1", intellect(6)),
  });
}

}  // namespace
}  // namespace qm::testing
