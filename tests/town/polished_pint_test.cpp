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

constexpr std::string_view kThrownOut = "She grabs you by the ear, and drags you out of the inn!";

// The thresholds of the Polished Pint: every comparison in polished_pint.cpp, robot_bartender.cpp
// and pint_bar.cpp of a stat, a draw, hit points, gold, the welcome, the Lacerti or the leader's
// opinion with a constant (or of strength with intellect), read from the code, each played on
// both sides of its edge. The class, the menus' letters and the Lacerti's fall are compared for
// equality (as in inn_robbery.cpp): the golden transcripts play each of their branches, and every
// route's lines and pauses. What a visit leaves in the state is the last test's.
TEST(PolishedPint, DecisionsAtTheDoorAndInTheRobbery) {
  constexpr std::string_view kBan =
      "A huge hairy lady grabs you by the ear, and tosses you out in the street. ";
  constexpr std::string_view kCircus =
      "You enter the inn, and it's pretty busy, there's a troupe of performers in the corner wearing purple and green shirts and funny hats. In fact, you've heard of them before, they're a world-famous circus called \"Doctor Flashypant's Deluxe Dance Demonstration and Derby\".";
  constexpr std::string_view kLizards =
      "There's also a pair of tough-looking lizard dudes at the bar wearing leather jackets that say Party Animal.";
  constexpr std::string_view kPays = "The cheery bartender hands you a huge bag of gold!";
  constexpr std::string_view kPouch =
      "You manage to finagle a small pouch with a couple pieces of gold in it";
  const std::string holdUp = answers({"S"});
  const std::string pockets = answers({"S", "L"});
  const Prepare lacerti0 = set(&GameState::LacertiAtBar, 0);
  checkEdges(visitPolishedPint, {},
             {
                 {"welcome 0: turned away", set(&GameState::PintWelcome, 0), "", {}, kBan, true},
                 {"welcome 1: let in", set(&GameState::PintWelcome, 1), "", {}, kBan, false},
                 {"intellect 5: knows the circus", intellect(5), "\n", {}, kCircus, true},
                 {"intellect 4: does not", intellect(4), "\n", {}, kCircus, false},
                 {"Lacerti 1: at the bar", {}, "\n\n", {}, kLizards, true},
                 {"Lacerti 0: gone", lacerti0, "\n\n", {}, kLizards, false},
                 {"strength 10: paid", all({kKnight, strength(10)}), holdUp, {}, kPays, true},
                 {"strength 9: not paid", all({kKnight, strength(9)}), holdUp, {}, kPays, false},
                 {"pickpocket roll 10: unnoticed", kThief, pockets, {10}, kPouch, true},
                 {"pickpocket roll 9: caught", kThief, pockets, {9}, kPouch, false},
             });
}

TEST(PolishedPint, DecisionsOfTheRoomAndTheRobotFight) {
  constexpr std::string_view kAutomatons =
      "You've heard about automotons before, but never anything this realistic, but maybe...";
  constexpr std::string_view kBlocked =
      "You slash at the bartender with your knife, but he blocks it with his sword arm!";
  constexpr std::string_view kLiver =
      "You stab the bartender right in his Robo-Liver, he doubles over in simulated pain!";
  constexpr std::string_view kHeart = "Your arrow went straight through his gear heart!";
  constexpr std::string_view kSwing =
      "The robot swings his sword-arm at you, but it barely cuts you!";
  constexpr std::string_view kThrust = "He rushes at you, arm first, and thrusts his arm into you!";
  // A man who agrees to the price and does not see through the robot meets him at the door.
  const std::string act = answers({"P", "1"});
  const std::string wait = answers({"P", "2"});  // Tame: the robot alone acts
  const auto robot = [](int health) {
    return all({kHunter, set(&GameState::BartenderHealth, health)});
  };
  const auto player = [](int health) {
    return all({kHunter, set(&GameState::PlayerHealth, health)});
  };
  checkEdges(askForARoom, all({pronoun("his"), intellect(5)}),
             {
                 {"intellect 6: an automaton", intellect(6), answers({"P"}), {}, kAutomatons, true},
                 {"intellect 5: does not", {}, answers({"P"}), {}, kAutomatons, false},
                 {"stab roll 51: blocked", kThief, act, {51}, kBlocked, true},
                 {"stab roll 50: not blocked", kThief, act, {50}, kBlocked, false},
                 {"stab roll 50: no wound", kThief, act, {50}, kLiver, false},
                 {"stab roll 49: a wound", kThief, act, {49}, kLiver, true},
                 {"shot at 5: through the heart", robot(5), act, {}, kHeart, true},
                 {"shot at 6: he stays up", robot(6), act, {}, kHeart, false},
                 {"robot at 6: swings", robot(6), wait, {}, kSwing, true},
                 {"robot at 5: thrusts", robot(5), wait, {}, kThrust, true},
                 {"robot at 1: still acts", robot(1), wait, {}, kThrust, true},
                 {"robot at 0: no turn", robot(0), wait, {}, kThrust, false},
                 {"player at 1: swung at", player(1), wait, {}, kSwing, true},
                 {"player at 0: no turn", player(0), wait, {}, kSwing, false},
                 {"player left at 0: thrown out", player(2), wait, {}, kThrownOut, true},
                 {"player left at -1: dead", player(1), wait, {}, kThrownOut, false},
             });
}

TEST(PolishedPint, DecisionsOfTheBeerTheLacertiAndTheJob) {
  constexpr std::string_view kNoGold = "You don't have enough gold!";
  constexpr std::string_view kLoud =
      "The Lacerti at the bar are talking loudly and pointing at you";
  constexpr std::string_view kFree =
      "You break free, and punch the frightened lizard in his scaly face! They both make a beeline for the door!";
  constexpr std::string_view kFlip =
      " You grab his fist and flip him over the bar! Wow, I didn't think you had it in you!";
  constexpr std::string_view kReckon = "You reckon that he's the leader, Dr. Flashypants";
  constexpr std::string_view kCamp =
      "\"We built our camp by the cave to the north of the town, I'll see you there, if you're up to it\"";
  const auto stats = [](int s, int i) { return all({kKnight, strength(s), intellect(i)}); };
  const std::string second = answers({"B", "H", "2"});  // Bash leaves them at the bar
  const auto opinion = [](int value) { return set(&GameState::CircusLeaderOpinion, value); };
  // Tame sends them off; then the answers to the leader's three questions.
  const auto job = [](std::string_view offer, std::string_view disappearances) {
    return answers({"B", "H", "2", "Y", offer, disappearances});
  };
  const Prepare lacerti0 = set(&GameState::LacertiAtBar, 0);
  checkEdges(haveABeerAtTheBar, all({kInnHunter, gold(5)}),
             {
                 {"gold 5: served", {}, "", {}, kNoGold, false},
                 {"gold 4: refused", gold(4), "", {}, kNoGold, true},
                 {"B and Lacerti 1: they talk", {}, answers({"B"}), {}, kLoud, true},
                 {"B and Lacerti 0: drunk in peace", lacerti0, answers({"B"}), {}, kLoud, false},
                 {"strength 5: breaks free", stats(5, 3), second, {}, kFree, true},
                 {"strength 4: held", stats(4, 3), second, {}, kFree, false},
                 {"strength 6 over intellect 5: a flip", stats(6, 5), second, {}, kFlip, true},
                 {"strength 6, intellect 6: tossed out", stats(6, 6), second, {}, kFlip, false},
                 {"intellect 6: knows the leader", intellect(6), second, {}, kReckon, true},
                 {"intellect 5: does not", {}, second, {}, kReckon, false},
                 {"opinion 2, Y P M: 1, the camp", opinion(2), job("P", "M"), {}, kCamp, true},
                 {"opinion 1, Y P M: 0, no camp", opinion(1), job("P", "M"), {}, kCamp, false},
                 {"opinion 1, Y P H: 1, the camp", opinion(1), job("P", "H"), {}, kCamp, true},
                 {"opinion 0, Y I M: 1, the camp", opinion(0), job("I", "M"), {}, kCamp, true},
                 {"opinion 0, Y P H: 0, no camp", opinion(0), job("P", "H"), {}, kCamp, false},
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
