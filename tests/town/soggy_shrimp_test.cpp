#include "town/soggy_shrimp.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "core/quest_stages.h"
#include "core/status_report.h"
#include "support/harness.h"
#include "support/players.h"
#include "support/tables.h"

namespace qm::testing {
namespace {

// The Soggy Shrimp's decisions, read from soggy_shrimp.cpp: every comparison of a quest stage,
// the gold, a stat, the race, the sleep roll, the health or a menu letter with a constant, each
// played on both sides of its edge. The choice of the stealthy robbery is inn_robbery.cpp's; the
// transcripts play it.
// A golden transcript of `scene` from the state `prepare` makes (none: the game's start), with
// the answers given, and the draws.
Transcript answered(std::string_view name, SceneRun scene, Prepare prepare,
                    std::initializer_list<std::string_view> words, std::vector<int> draws = {}) {
  return {name, std::move(scene), std::move(prepare), answers(words), std::move(draws)};
}

TEST(Shrimp, DecisionsAtTheirEdges) {
  constexpr std::string_view kStrangerMenu =
      "Get a drink (D) Get a room for the night (R) Rob this joint (S) Find the mysterious stranger (F) Leave (L)";
  constexpr std::string_view kHideoutMenu =
      "Get a drink (D) Get a room for the night (R) Rob this joint (S) Go to hideout (H) Leave (L)";
  constexpr std::string_view kSailor =
      "You walk up to the bar, and a sullen, older looking sailor approaches you...";
  constexpr std::string_view kNoProblem = "\"No problem.\"";
  constexpr std::string_view kAlright = "\"Alright.\"";
  constexpr std::string_view kWalksAway = "The old man walks away...";
  constexpr std::string_view kStrongAle = "It's pretty strong ale...";
  constexpr std::string_view kNoAleGold = "You don't have enough gold";
  constexpr std::string_view kStomach = "But you stomach it";
  constexpr std::string_view kBullseye = "You go first,  you almost hit the bullseye! Yes!";
  constexpr std::string_view kRoomOffer = "Sure (S) Nope (N)";
  constexpr std::string_view kAight = "\"Aight\"";
  constexpr std::string_view kGoodNight = "You have a good night's sleep!";
  constexpr std::string_view kRegain = "You regain some health!";
  constexpr std::string_view kSmug = "\"Hah, you won't be so smug later!\"";
  constexpr std::string_view kOtherHatch = "Do all inns have this?!?";
  const auto stage = [](int s) { return set(&GameState::StrangerStage, s); };
  const auto gold = [](int g) { return set(&GameState::PlayerGold, g); };
  const auto health = [](int h) { return set(&GameState::PlayerHealth, h); };
  const auto hatch = [&](int h) {
    return all({stage(kStrangerWaiting), set(&GameState::HatchStage, h)});
  };
  const Prepare drinking = set(&GameState::OldManStage, kOldManWaiting);
  const auto ale = [&](int purse, int brawn, std::string race) -> Prepare {
    return all({drinking, gold(purse), set(&GameState::PlayerBrawn, brawn),
                [race](GameState& s) { s.PlayerRace = race; }});
  };
  const auto strength = [&](int value) {
    return all({ale(2, 8, "Pear"), set(&GameState::PlayerStrength, value)});
  };
  const std::string in = "\n\n\n";
  const std::string theCatch = in + "D\n\nC\n";
  const std::string theTale = in + "D\n\nM\n" + std::string(6, '\n');
  const std::string theDarts = in + "D\nS\n" + std::string(5, '\n');
  const std::string aNight = in + "R\nS\n\n\n";
  const std::string theAlley = in + "F\n\n\n\n";
  checkEdges(
      visitSoggyShrimp, {},
      {
          {"stranger waiting: find him", stage(kStrangerWaiting), in, {}, kStrangerMenu, true},
          {"stranger not met: no stranger", {}, in, {}, kStrangerMenu, false},
          {"hideout found: no stranger", stage(kHideoutFound), in, {}, kStrangerMenu, false},
          {"stranger waiting: no hideout", stage(kStrangerWaiting), in, {}, kHideoutMenu, false},
          {"hideout found: the hideout", stage(kHideoutFound), in, {}, kHideoutMenu, true},
          {"Owen revealed: the hideout", stage(kOwenRevealed), in, {}, kHideoutMenu, true},
          {"old man not met: the sailor", {}, in + "D\n", {}, kSailor, true},
          {"old man waiting: the ale", drinking, in + "D\n", {}, kSailor, false},
          {"M: thanks mister", {}, in + "D\n\nM\n", {}, kNoProblem, true},
          {"C: the catch", {}, theCatch, {}, kNoProblem, false},
          {"I to the catch: no time", {}, theCatch + "I\n", {}, kAlright, true},
          {"S to the catch: the tale", {}, theCatch + "S\n", {}, kAlright, false},
          {"N to the tale: he walks away", {}, theTale + "N\n", {}, kWalksAway, true},
          {"S to the tale: he is helped", {}, theTale + "S\n", {}, kWalksAway, false},
          {"S to the ale: drunk", ale(2, 8, "Pear"), in + "D\nS\n", {}, kStrongAle, true},
          {"G to the ale: not drunk", ale(2, 8, "Pear"), in + "D\nG\n", {}, kStrongAle, false},
          {"gold 1: no ale", ale(1, 8, "Pear"), in + "D\nS\n", {}, kNoAleGold, true},
          {"gold 2: an ale", ale(2, 8, "Pear"), in + "D\nS\n", {}, kNoAleGold, false},
          {"brawn 8: stomachs it", ale(2, 8, "Pear"), in + "D\nS\n\n", {}, kStomach, true},
          {"brawn 7: throws up", ale(2, 7, "Pear"), in + "D\nS\n\n", {}, kStomach, false},
          {"brawn 7, human: stomachs it", ale(2, 7, "Human"), in + "D\nS\n\n", {}, kStomach, true},
          {"strength 7: near the bullseye", strength(7), theDarts + "C\n", {}, kBullseye, true},
          {"strength 6: the top of the board", strength(6), theDarts + "C\n", {}, kBullseye, false},
          {"D to the darts: no throw", strength(7), theDarts + "D\n", {}, kBullseye, false},
          {"gold 10: a room is offered", gold(10), in + "R\n", {}, kRoomOffer, true},
          {"gold 9: no room offered", gold(9), in + "R\n", {}, kRoomOffer, false},
          {"N to the room: aight", {}, in + "R\nN\n", {}, kAight, true},
          {"S to the room: a night", {}, aNight, {15}, kAight, false},
          {"sleep roll 15: a good night", {}, aNight, {15}, kGoodNight, true},
          {"sleep roll 16: the brawl", {}, aNight, {16}, kGoodNight, false},
          {"health 49: some health back", health(49), aNight, {1}, kRegain, true},
          {"health 50: nothing to regain", {}, aNight, {1}, kRegain, false},
          {"D in the alley: smug", stage(kStrangerWaiting), theAlley + "D\n", {}, kSmug, true},
          {"H in the alley: huh", stage(kStrangerWaiting), theAlley + "H\n", {}, kSmug, false},
          {"hatch blown up: seen one before",
           hatch(kHatchBlownUp),
           theAlley + "H\n\n",
           {},
           kOtherHatch,
           true},
          {"hatch hidden: the first one",
           hatch(kHatchHidden),
           theAlley + "H\n\n",
           {},
           kOtherHatch,
           false},
      });
}

// Each visit ends with the status report, which shows the gold and health it left. The answers
// carry letters that their menu does not offer, which must be passed over.
void visitAndReport(Context& context) {
  visitSoggyShrimp(context);
  printStatusReport(context.console, context.state);
}

TEST(Shrimp, TheVisitsAsThePlayerSeesThem) {
  checkTranscripts({
      // The sailor asked about his catch twice, refused, then helped; then out back to the
      // stranger, who leads the way below.
      answered("shrimp-the-old-sailor-asked-twice-then-helped-and-the-stranger-out-back",
               visitAndReport, set(&GameState::StrangerStage, kStrangerWaiting),
               {"H D", "C", "I", "D", "C", "S", "N", "D", "M", "S", "D", "G", "F", "H"}),
      answered("shrimp-ales-thrown-up-the-darts-declined-then-a-bullseye", visitAndReport,
               all({set(&GameState::OldManStage, kOldManWaiting), set(&GameState::PlayerGold, 5),
                    set(&GameState::PlayerStrength, 7), set(&GameState::PlayerBrawn, 7),
                    [](GameState& s) { s.PlayerRace = "Pear"; }}),
               {"F H D", "G", "D", "S", "D", "D", "S", "C", "D", "S", "L"}),
      // From Owen's stage the darts start the quest over; the stranger remarks on the hatch.
      answered("shrimp-a-human-stomachs-it-misses-and-follows-the-stranger-below", visitAndReport,
               all({set(&GameState::OldManStage, kOldManWaiting),
                    set(&GameState::StrangerStage, kOwenRevealed),
                    set(&GameState::HatchStage, kHatchBlownUp), set(&GameState::PlayerStrength, 6),
                    [](GameState& s) { s.PlayerRace = "Human"; }}),
               {"D", "S", "C", "H F", "D"}),
      answered("shrimp-rooms-a-pickpocket-and-the-water", visitAndReport,
               all({makeThief, set(&GameState::StrangerStage, kHideoutFound),
                    set(&GameState::PlayerGold, 20), set(&GameState::PlayerHealth, 45)}),
               {"F R", "N", "R", "S", "R", "S", "R", "S N", "S", "L", "S", "P"}, {15, 16, 10}),
  });
}

// What the visits leave behind that no line shows: the hours, the health healed, the stages.
TEST(Shrimp, TheClockTheHealthAndTheStagesAfterAVisit) {
  Harness broke("\n\n\nD\nS\nL\n");
  broke.state.OldManStage = kOldManWaiting;
  broke.state.PlayerGold = 1;
  broke.play(visitSoggyShrimp);
  EXPECT_EQ(broke.state.ClockHour, 9);

  for (const auto& [before, roll, after] : {std::tuple{30, 1, 40}, std::tuple{30, 16, 30}}) {
    Harness h("\n\n\nR\nS\n\n\nL\n", {roll});
    h.state.PlayerHealth = before;
    h.state.ClockHour = 22;
    h.play(visitSoggyShrimp);
    EXPECT_EQ(h.state.PlayerHealth, after) << roll;
    EXPECT_EQ(h.state.ClockHour, 5);
  }

  Harness knight("\n\n\nS\n\n");
  makeKnight(knight.state);
  knight.state.PlayerHealth = 4;
  EXPECT_EQ(knight.play(visitSoggyShrimp), Ending::Returned);
  EXPECT_EQ(knight.state.PlayerHealth, 0);

  Harness alley("\n\n\nF\n\n\n\nD\n\n");
  alley.state.StrangerStage = kStrangerWaiting;
  alley.play(visitSoggyShrimp);
  EXPECT_EQ(alley.state.StrangerStage, kHideoutFound);
}

}  // namespace
}  // namespace qm::testing
