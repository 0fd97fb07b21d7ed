#include "town/polished_pint.h"

#include <gtest/gtest.h>

#include <span>
#include <string>
#include <vector>

#include "support/harness.h"
#include "support/players.h"
#include "support/tables.h"
#include "town/hub.h"
#include "town/pint_bar.h"
#include "town/robot_bartender.h"

namespace qm::testing {
namespace {

constexpr std::string_view kBan =
    "A huge hairy lady grabs you by the ear, and tosses you out in the street. ";
constexpr std::string_view kThrownOut = "She grabs you by the ear, and drags you out of the inn!";
constexpr std::string_view kReveal =
    "They start to spin and spark, and his arm quickly transforms into a giant blade!";
constexpr std::string_view kCover = "\"Cover exposed, initiate operation 420. BZZT! BZZT! BZZT!\"";
constexpr std::string_view kGrabsArm = "One of the Lacerti grabs your arm.";
constexpr std::string_view kToughLuck =
    "Tough luck bud, they pick you up and toss you out of the inn!";

// A Hunter of middling strength and wits.
void makeInnHunter(GameState& state) {
  makeHunter(state);
  state.Pronoun = "his";
  state.PlayerStrength = 7;
  state.PlayerIntellect = 5;
}

const Prepare kThief = makeThief;
const Prepare kWizard = makeWizard;
const Prepare kKnight = makeKnight;
const Prepare kHunter = makeHunter;

void haveABeerAtTheBar(Context& context) {
  haveABeer(context);
}

// The decision tables of the Polished Pint: every comparison in polished_pint.cpp,
// inn_robbery.cpp, robot_bartender.cpp and pint_bar.cpp of a stat, a draw, hit points, gold, the
// welcome, the leader's opinion, a flag or a class with a constant (or of strength with
// intellect), read from the code, each played on both sides of its edge. The menus' letters are
// played by the tests after the tables.
constexpr std::string_view kInnWithTheCircus =
    "You enter the inn, and it's pretty busy, there's a troupe of performers in the corner wearing purple and green shirts and funny hats. In fact, you've heard of them before, they're a world-famous circus called \"Doctor Flashypant's Deluxe Dance Demonstration and Derby\".";
constexpr std::string_view kLizards =
    "There's also a pair of tough-looking lizard dudes at the bar wearing leather jackets that say Party Animal.";
constexpr std::string_view kHowToRob = "Do you want to use pickpocket or rob the bar?";
constexpr std::string_view kHoldUp = "ALRIGHT, GIMME THE MONEY AND NOBODY GET'S HURT";
constexpr std::string_view kPays = "The cheery bartender hands you a huge bag of gold!";
constexpr std::string_view kPouch =
    "You manage to finagle a small pouch with a couple pieces of gold in it";

TEST(PolishedPint, DecisionsAtTheDoorAndInTheRobbery) {
  const std::string holdUp = answers({"S"});
  const std::string pockets = answers({"S", "L"});
  checkEdges(
      visitPolishedPint, {},
      {
          {"welcome 0: turned away", set(&GameState::PintWelcome, 0), "", {}, kBan, true},
          {"welcome 1: let in", set(&GameState::PintWelcome, 1), "", {}, kBan, false},
          {"intellect 5: knows the circus",
           set(&GameState::PlayerIntellect, 5),
           "\n",
           {},
           kInnWithTheCircus,
           true},
          {"intellect 4: does not",
           set(&GameState::PlayerIntellect, 4),
           "\n",
           {},
           kInnWithTheCircus,
           false},
          {"Lacerti 1: at the bar", set(&GameState::LacertiAtBar, 1), "\n\n", {}, kLizards, true},
          {"Lacerti 0: gone", set(&GameState::LacertiAtBar, 0), "\n\n", {}, kLizards, false},
          {"a Thief is asked how to rob", kThief, holdUp, {}, kHowToRob, true},
          {"a Knight is not", kKnight, holdUp, {}, kHowToRob, false},
          {"the Thief's P: a hold-up", kThief, answers({"S", "P"}), {}, kHoldUp, true},
          {"the Thief's L: pockets", kThief, pockets, {10}, kHoldUp, false},
          {"strength 10: the bartender pays",
           all({kKnight, set(&GameState::PlayerStrength, 10)}),
           holdUp,
           {},
           kPays,
           true},
          {"strength 9: not intimidated",
           all({kKnight, set(&GameState::PlayerStrength, 9)}),
           holdUp,
           {},
           kPays,
           false},
          {"pickpocket roll 10: unnoticed", kThief, pockets, {10}, kPouch, true},
          {"pickpocket roll 9: caught", kThief, pockets, {9}, kPouch, false},
      });
}

constexpr std::string_view kAutomatons =
    "You've heard about automotons before, but never anything this realistic, but maybe...";
constexpr std::string_view kBlocked =
    "You slash at the bartender with your knife, but he blocks it with his sword arm!";
constexpr std::string_view kRoboLiver =
    "You stab the bartender right in his Robo-Liver, he doubles over in simulated pain!";
constexpr std::string_view kGearHeart = "Your arrow went straight through his gear heart!";
constexpr std::string_view kSwing =
    "The robot swings his sword-arm at you, but it barely cuts you!";
constexpr std::string_view kThrust = "He rushes at you, arm first, and thrusts his arm into you!";

TEST(PolishedPint, DecisionsOfTheRoomAndTheRobotFight) {
  // A man who agrees to the price and does not see through the robot meets him at the door.
  const Prepare base = [](GameState& s) {
    s.Pronoun = "his";
    s.PlayerIntellect = 5;
  };
  const std::string act = answers({"P", "1"});
  const std::string wait = answers({"P", "2"});  // Tame: the robot alone acts
  const auto robot = [](int health) { return set(&GameState::BartenderHealth, health); };
  const auto player = [](int health) { return set(&GameState::PlayerHealth, health); };
  checkEdges(
      askForARoom, base,
      {
          {"intellect 6: sees an automaton",
           set(&GameState::PlayerIntellect, 6),
           answers({"P"}),
           {},
           kAutomatons,
           true},
          {"intellect 5: does not", {}, answers({"P"}), {}, kAutomatons, false},
          {"stab roll 51: blocked", kThief, act, {51}, kBlocked, true},
          {"stab roll 50: not blocked", kThief, act, {50}, kBlocked, false},
          {"stab roll 50: no wound", kThief, act, {50}, kRoboLiver, false},
          {"stab roll 49: a wound", kThief, act, {49}, kRoboLiver, true},
          {"shot at 5: through the heart", all({kHunter, robot(5)}), act, {}, kGearHeart, true},
          {"shot at 6: he stays up", all({kHunter, robot(6)}), act, {}, kGearHeart, false},
          {"robot at 6: swings", all({kHunter, robot(6)}), wait, {}, kSwing, true},
          {"robot at 5: thrusts", all({kHunter, robot(5)}), wait, {}, kThrust, true},
          {"robot at 1: still acts", all({kHunter, robot(1)}), wait, {}, kThrust, true},
          {"robot at 0: no turn", all({kHunter, robot(0)}), wait, {}, kThrust, false},
          {"player at 1: swung at", all({kHunter, player(1)}), wait, {}, kSwing, true},
          {"player at 0: no turn", all({kHunter, player(0)}), wait, {}, kSwing, false},
          {"player left at 0: thrown out", all({kHunter, player(2)}), wait, {}, kThrownOut, true},
          {"player left at -1: dead", all({kHunter, player(1)}), wait, {}, kThrownOut, false},
      });
}

constexpr std::string_view kNoGold = "You don't have enough gold!";
constexpr std::string_view kLoudLacerti =
    "The Lacerti at the bar are talking loudly and pointing at you";
constexpr std::string_view kBottom = "You're at the bottom of the pint...";
constexpr std::string_view kBothLeft =
    "Well, they've both left, and you go back to drinking. The cheery bartender goes to clean up the mess. What a weirdo!";
constexpr std::string_view kBreakFree =
    "You break free, and punch the frightened lizard in his scaly face! They both make a beeline for the door!";
constexpr std::string_view kFlip =
    " You grab his fist and flip him over the bar! Wow, I didn't think you had it in you!";
constexpr std::string_view kReckon = "You reckon that he's the leader, Dr. Flashypants";
constexpr std::string_view kCamp =
    "\"We built our camp by the cave to the north of the town, I'll see you there, if you're up to it\"";

TEST(PolishedPint, DecisionsOfTheBeerTheLacertiAndTheJob) {
  // A hunter with the price of a beer: strength 7, intellect 5.
  const Prepare base = [](GameState& s) {
    makeInnHunter(s);
    s.PlayerGold = 5;
  };
  const auto stats = [](int strength, int intellect) {
    return all({kKnight, set(&GameState::PlayerStrength, strength),
                set(&GameState::PlayerIntellect, intellect)});
  };
  const std::string second = answers({"B", "H", "2"});  // Bash leaves them at the bar
  const auto opinion = [](int value) { return set(&GameState::CircusLeaderOpinion, value); };
  // Tame sends them off; then the answers to the leader's three questions.
  const auto job = [](std::string_view offer, std::string_view disappearances) {
    return answers({"B", "H", "2", "Y", offer, disappearances});
  };
  checkEdges(haveABeerAtTheBar, base,
             {
                 {"gold 5: served", {}, "", {}, kNoGold, false},
                 {"gold 4: refused", set(&GameState::PlayerGold, 4), "", {}, kNoGold, true},
                 {"G: no beer", {}, answers({"G"}), {}, kLoudLacerti, false},
                 {"B and Lacerti 1: they talk", {}, answers({"B"}), {}, kLoudLacerti, true},
                 {"B and Lacerti 0: drunk in peace",
                  set(&GameState::LacertiAtBar, 0),
                  answers({"B"}),
                  {},
                  kLoudLacerti,
                  false},
                 {"D: does nothing", {}, answers({"B", "D"}), {}, kBottom, true},
                 {"H: a quarrel", {}, answers({"B", "H"}), {}, kBottom, false},
                 {"Slash: the first falls", kKnight, answers({"B", "H", "1"}), {}, kBothLeft, true},
                 {"Bash: both stay", kKnight, second, {}, kBothLeft, false},
                 {"Suggestion: sent off", kWizard, second, {}, kBothLeft, true},
                 {"strength 5: breaks free", stats(5, 3), second, {}, kBreakFree, true},
                 {"strength 4: held", stats(4, 3), second, {}, kBreakFree, false},
                 {"strength 6 over intellect 5: a flip", stats(6, 5), second, {}, kFlip, true},
                 {"strength 6, intellect 6: tossed out", stats(6, 6), second, {}, kFlip, false},
                 {"intellect 6: knows the leader",
                  set(&GameState::PlayerIntellect, 6),
                  second,
                  {},
                  kReckon,
                  true},
                 {"intellect 5: does not", {}, second, {}, kReckon, false},
                 {"opinion 2, Y P M: 1, the camp", opinion(2), job("P", "M"), {}, kCamp, true},
                 {"opinion 1, Y P M: 0, no camp", opinion(1), job("P", "M"), {}, kCamp, false},
                 {"opinion 1, Y P H: 1, the camp", opinion(1), job("P", "H"), {}, kCamp, true},
                 {"opinion 0, Y I M: 1, the camp", opinion(0), job("I", "M"), {}, kCamp, true},
                 {"opinion 0, Y P H: 0, no camp", opinion(0), job("P", "H"), {}, kCamp, false},
             });
}

TEST(PintRobbery, StrengthTenGetsTheGoldAndEveryThrowOutBans) {
  struct Case {
    std::string_view playerClass;
    int strength;
    std::vector<std::string_view> words;
    std::vector<int> draws;
    int gold, welcome;
  };
  const Case cases[] = {
      {"Knight", 10, {"S"}, {}, 90, 0},      {"Knight", 9, {"S"}, {}, 40, 0},
      {"Thief", 10, {"S", "P"}, {}, 90, 0},  {"Thief", 3, {"S", "L"}, {10}, 42, 10},
      {"Thief", 12, {"s", "l"}, {9}, 40, 0},
  };
  for (const Case& c : cases) {
    Harness h(answers(c.words), c.draws);
    h.state.PlayerClass = std::string(c.playerClass);
    h.state.PlayerStrength = c.strength;
    EXPECT_EQ(h.play(visitPolishedPint), Ending::Returned) << c.playerClass << c.strength;
    EXPECT_EQ(h.state.PlayerGold, c.gold) << c.playerClass << c.strength;
    EXPECT_EQ(h.state.PintWelcome, c.welcome) << c.playerClass << c.strength;
    EXPECT_EQ(occurrences(h.output(), "What do you want to do?"), 1);
    h.expectAllDrawsUsed();
  }
}

TEST(PintRoom, EveryWayToTheRoomEndsInTheRevealAndTheFight) {
  struct Case {
    std::string_view pronoun;
    int intellect;
    std::vector<std::string_view> words;  // up to the fight
    std::vector<std::string_view> expected;
    std::string_view absent;
  };
  const Case cases[] = {
      {"her",
       6,
       {"B", "P", "I", "I"},
       {"\"Oh I'm sorry ma'am, I'm not programmed to recognize gende... Never mind!",
        "\"Right this way my good sir!\"", "Somethings not quite right...",
        "You've heard about automotons before, but never anything this realistic, but maybe...",
        "\"Before opening the door, I should inform you, you're about to die!\"", kReveal},
       "BZZT"},
      {"her",
       4,
       {"S"},
       {"His head is cracked open, but inside instead of brains, it's metal gears and springs!",
        kReveal},
       "\"Yes, I would like to stay here tonight.\""},
      {"her",
       4,
       {"I", "P", "N"},
       {"\"Beep boop buzz! Cannot comprehende gender!", kCover, kReveal},
       "Somethings not quite right..."},
      {"her",
       4,
       {"i", "p", "s"},
       {"You quietly pull out your dagger, and shove it into his neck!", kCover, kReveal},
       "Somethings not quite right..."},
      {"his", 6, {"O"}, {"\"I believe that you are... asking for it.\"", kReveal}, "BZZT"},
      {"his",
       6,
       {"P", "S"},
       {"\"Beep boop buzz! Terminate intruder!", kCover, kReveal},
       "He guides you up to your room"},
      {"his",
       5,
       {"P"},
       {"But you can't put your finger on it", "He guides you up to your room", kReveal},
       "automotons"},
  };
  for (const Case& c : cases) {
    std::vector<std::string_view> words = {"R"};
    words.insert(words.end(), c.words.begin(), c.words.end());
    words.push_back("2");  // Tame, against a robot already down
    Harness h(answers(words));
    h.state.PrimaryAbility = "Shoot";
    h.state.SecondaryAbility = "Tame";
    h.state.Pronoun = std::string(c.pronoun);
    h.state.PlayerIntellect = c.intellect;
    h.state.BartenderHealth = 0;
    h.state.ClockHour = 10;
    EXPECT_EQ(h.play(visitPolishedPint), Ending::Returned) << c.words.front();
    std::vector<std::string_view> expected = c.expected;
    expected.insert(expected.end(),
                    {"Shoot(1) Tame(2) ", "This doesn't work on robots!", kThrownOut});
    EXPECT_TRUE(hasLinesInOrder(h.lines(), expected))
        << c.pronoun << c.intellect << c.words.front();
    EXPECT_EQ(occurrences(h.output(), c.absent), 0) << c.pronoun << c.intellect;
    EXPECT_EQ(occurrences(h.output(), "Shoot(1)"), 1);
    EXPECT_EQ(h.state.ClockHour, 11);
    EXPECT_EQ(h.state.PlayerGold, 40);
  }
}

TEST(PintRobotFight, ShootHalvesAFreshRobotAndFinishesAWeakOneWhileHeHitsBackByHisHealth) {
  Harness h(answers({"R", "P", "1", "1"}));
  makeInnHunter(h.state);
  h.state.Apples = 2;
  EXPECT_EQ(h.play(visitPolishedPint), Ending::Returned);
  const std::vector<std::string> lines = h.lines();
  EXPECT_TRUE(hasLinesInOrder(
      lines,
      {"Shoot(1) Tame(2) ", "You pull out your bow, and shoot an arrow into the robot's chest!",
       "He stumbles backwards, but he stays on his feet!",
       "He rushes at you, arm first, and thrusts his arm into you!",
       "You're bleeding pretty badly, I think it's time to end this.", "Shoot(1) Tame(2) ",
       "Your arrow went straight through his gear heart!", kThrownOut}));
  EXPECT_EQ(occurrences(h.output(), "Use the apples"), 0);
  EXPECT_EQ(occurrences(h.output(), "Tame(2) \n\n"), 0);
  EXPECT_EQ(h.state.BartenderHealth, 0);
  EXPECT_EQ(h.state.PlayerHealth, 40);
  EXPECT_EQ(h.state.HatchStage, 0);
  EXPECT_EQ(h.state.PintWelcome, 0);
}

TEST(PintRobotFight, AStabRollOfFiftyDoesNothingAndOnlyOneAndTwoAreAnswers) {
  Harness h(answers({"R", "P", "A", "a", "3", "1", "1"}), {50, 49});
  makeInnHunter(h.state);
  h.state.PrimaryAbility = "Stab";
  h.state.SecondaryAbility = "Pickpocket";
  h.state.Apples = 1;
  EXPECT_EQ(h.play(visitPolishedPint), Ending::Returned);
  const std::string out = h.output();
  EXPECT_NE(
      out.find(
          "Stab(1) Pickpocket(2) \n"
          "The robot swings his sword-arm at you, but it barely cuts you!\n"
          "Stab(1) Pickpocket(2) \n"
          "You stab the bartender right in his Robo-Liver, he doubles over in simulated pain!\n"),
      std::string::npos);
  EXPECT_EQ(h.state.PlayerHealth, 48);
  EXPECT_EQ(h.state.Apples, 1);
  h.expectAllDrawsUsed();
}

TEST(PintRobotFight, BelowZeroDiesAtOnceButExactlyZeroIsThrownOutFirst) {
  for (const auto& [health, ending] :
       {std::pair{5, Ending::Died}, std::pair{10, Ending::Returned}}) {
    Harness h(answers({"R", "P", "2"}));
    makeInnHunter(h.state);
    h.state.SecondaryAbility = "Bash";
    h.state.PlayerHealth = health;
    EXPECT_EQ(h.play(visitPolishedPint), ending) << health;
    EXPECT_EQ(occurrences(h.output(), kThrownOut), ending == Ending::Returned ? 1 : 0);
    EXPECT_EQ(h.state.HatchStage, ending == Ending::Returned ? 0 : 1);
  }
}

void makeDrinker(GameState& state, int strength, int intellect) {
  makeInnHunter(state);
  state.PlayerStrength = strength;
  state.PlayerIntellect = intellect;
  state.PlayerGold = 5;
}

TEST(PintBeer, FiveGoldBuysOneAndTheLacertiAreOnlyThereUntilTheyLeave) {
  Harness poor(answers({"D", "L"}));
  poor.state.PlayerGold = 4;
  poor.play(visitPolishedPint);
  EXPECT_TRUE(
      hasLinesInOrder(poor.lines(), {"You don't have enough gold!", "What do you want to do?"}));
  EXPECT_EQ(occurrences(poor.output(), "Sure I'll take a beer (B) I'm good (G)"), 0);

  Harness calm(answers({"D", "B", "D", "L"}));
  makeDrinker(calm.state, 7, 5);
  calm.play(visitPolishedPint);
  EXPECT_EQ(calm.state.PlayerGold, 0);
  EXPECT_EQ(calm.state.ClockHour, 8);
  EXPECT_TRUE(hasLinesInOrder(calm.lines(),
                              {"Hey! Shut your scaley mouths! (H) Do nothing (D)",
                               "You're at the bottom of the pint...", "What do you want to do?"}));

  Harness alone(answers({"D", "B"}));
  makeDrinker(alone.state, 7, 5);
  alone.state.LacertiAtBar = 0;
  EXPECT_EQ(alone.play(visitPolishedPint), Ending::Returned);
  EXPECT_EQ(alone.state.PlayerGold, 0);
  EXPECT_EQ(occurrences(alone.output(), "What do you want to do?"), 1);
}

TEST(PintBeer, BreakingFreeWithIntellectEqualToStrengthStillGetsThePlayerBanned) {
  Harness h(answers({"D", "B", "H", "1"}));
  makeDrinker(h.state, 6, 6);
  EXPECT_EQ(h.play(visitPolishedPint), Ending::Returned);
  EXPECT_NE(h.output().find(std::string(kGrabsArm) + std::string(kPauseText)), std::string::npos);
  EXPECT_TRUE(hasLinesInOrder(
      h.lines(),
      {"You break free, and punch the frightened lizard in his scaly face! They both make a beeline for the door!",
       kToughLuck}));
  EXPECT_EQ(h.state.PintWelcome, 0);
  EXPECT_EQ(h.state.LacertiAtBar, 0);
  EXPECT_EQ(occurrences(h.output(), "top-hat"), 0);

  Harness weak(answers({"D", "B", "H", "1", "Y", "N", "L"}));
  makeDrinker(weak.state, 4, 3);
  weak.play(visitPolishedPint);
  EXPECT_TRUE(hasLinesInOrder(
      weak.lines(),
      {"You can't get free, and the other Lacerti punches you in the gut!",
       " You grab his fist and flip him over the bar! Wow, I didn't think you had it in you!",
       "One of them, a tall sort of man in a top-hat approaches you", "\"Fine.\"",
       "What do you want to do?"}));
  EXPECT_EQ(weak.state.PlayerHealth, 49);
  EXPECT_EQ(weak.state.LacertiAtBar, 1);
  EXPECT_EQ(weak.state.PintWelcome, 10);
  EXPECT_EQ(weak.state.CircusLeaderOpinion, 3 - 1);
}

TEST(PintBeer, TheLeadersOpinionDecidesTheCampAndIsKeptFromOneTalkToTheNext) {
  // Tame sends the Lacerti off; "W" and "P" take the opinion from 3 to 1, enough for the camp.
  Harness h(answers({"D", "B", "H", "2", "W", "P", "M", "L"}));
  makeDrinker(h.state, 7, 6);
  h.play(visitPolishedPint);
  EXPECT_TRUE(hasLinesInOrder(
      h.lines(),
      {"Well, they've both left, and you go back to drinking. The cheery bartender goes to clean up the mess. What a weirdo!",
       "You reckon that he's the leader, Dr. Flashypants", "\"Humph\"", "He looks offended",
       "\"We built our camp by the cave to the north of the town, I'll see you there, if you're up to it\"",
       "You're at the bottom of the pint...", "What do you want to do?"}));
  EXPECT_EQ(h.state.CircusLeaderOpinion, 1);
  EXPECT_EQ(h.state.CircusStage, 1);
  EXPECT_EQ(h.state.ClockHour, 9);
  EXPECT_EQ(h.state.LacertiAtBar, 0);

  // Arriving at 1 from an earlier talk, one more sour answer costs the job.
  Harness sour(answers({"D", "B", "H", "2", "Y", "P", "Q", "L"}));
  makeDrinker(sour.state, 7, 5);
  sour.state.CircusLeaderOpinion = 1;
  sour.play(visitPolishedPint);
  EXPECT_TRUE(hasLinesInOrder(sour.lines(), {"\"I don't think so, that rarely ever happens to us\"",
                                             "\"You know what, nevermind, I think we're okay.\"",
                                             "What do you want to do?"}));
  EXPECT_EQ(occurrences(sour.output(), "Dr. Flashypants"), 0);
  EXPECT_EQ(sour.state.CircusStage, 0);
}

TEST(PolishedPint, TheDoorTheInnAndTheRobberiesAsThePlayerSeesThem) {
  checkTranscripts({
      {"pint-refused-at-the-door", visitPolishedPint, set(&GameState::PintWelcome, 0), "", {}},
      {"pint-entering-and-leaving",
       visitPolishedPint,
       set(&GameState::PlayerIntellect, 5),
       answers({"L"}),
       {}},
      {"pint-thief-holds-up-the-bar-and-is-thrown-out",
       visitPolishedPint,
       all({kThief, set(&GameState::PlayerStrength, 9)}),
       answers({"S", "P"}),
       {}},
      {"pint-knight-holds-up-the-bar-for-fifty-gold",
       visitPolishedPint,
       all({kKnight, set(&GameState::PlayerStrength, 10)}),
       answers({"S"}),
       {}},
      {"pint-thief-picks-the-wrong-pocket", visitPolishedPint, kThief, answers({"S", "L"}), {9}},
  });
}

// Each way to the room has pauses of its own; the fights are kept short.
TEST(PolishedPint, TheWaysToTheRoomAndTheRobotFightAsThePlayerSeesThem) {
  const auto with = [](std::string_view pronoun, int intellect, const Prepare& fighter) {
    return all({fighter, set(&GameState::PlayerIntellect, intellect),
                [pronoun = std::string(pronoun)](GameState& s) { s.Pronoun = pronoun; }});
  };
  checkTranscripts({
      {"pint-room-a-lady-ignores-it-all-and-shoots-the-robot-at-the-door",
       askForARoom,
       with("her", 6, kHunter),
       answers({"B", "P", "I", "I", "1", "1"}),
       {}},
      {"pint-room-a-lady-smashes-his-face",
       askForARoom,
       with("her", 4, kKnight),
       answers({"S", "1"}),
       {}},
      {"pint-room-ten-gold-is-outrageous",
       askForARoom,
       with("his", 4, kWizard),
       answers({"O", "1"}),
       {}},
      {"pint-room-a-lady-insists",
       askForARoom,
       with("her", 4, kWizard),
       answers({"I", "P", "N", "1"}),
       {}},
      {"pint-room-stab-that-chump",
       askForARoom,
       with("her", 4, kThief),
       answers({"I", "P", "S", "1"}),
       {49}},
      {"pint-room-sir-are-you-a-robot",
       askForARoom,
       with("his", 6, kWizard),
       answers({"P", "S", "1"}),
       {}},
      {"pint-room-cant-put-your-finger-on-it",
       askForARoom,
       with("his", 5, kThief),
       answers({"P", "2", "1"}),
       {49}},
  });
}

TEST(PolishedPint, TheBeerTheLacertiAndTheJobAsThePlayerSeesThem) {
  const Prepare drinker = [](GameState& s) { makeDrinker(s, 7, 6); };
  checkTranscripts({
      {"pint-a-beer-while-the-lacerti-talk", haveABeerAtTheBar, drinker, answers({"B", "D"}), {}},
      {"pint-lacerti-sent-off-and-the-circus-job",
       haveABeerAtTheBar,
       drinker,
       answers({"B", "H", "2", "Y", "I", "H"}),
       {}},
      {"pint-lacerti-grab-a-player-who-breaks-free-and-is-thrown-out",
       haveABeerAtTheBar,
       [](GameState& s) {
         makeDrinker(s, 5, 5);
         kKnight(s);
       },
       answers({"B", "H", "2"}),
       {}},
  });
}

TEST(PintPlay, FromTheRoomRequestToTheHatchOnTheHubMenu) {
  // From the hub: the inns, the Pint, a room; a Knight at intellect 5 slashes the robot down.
  Harness h(answers({"I", "P", "R", "P", "1"}));
  h.state.Weapon = "Sharp Sword";
  h.state.PrimaryAbility = "Slash";
  h.state.SecondaryAbility = "Bash";
  h.state.PlayerIntellect = 5;
  EXPECT_EQ(h.play([](Context& c) { runHub(c); }), Ending::InputEnded);
  const std::string out = h.output();
  EXPECT_TRUE(hasLinesInOrder(
      h.lines(),
      {"Slash(1) Bash(2) ", "it falls to the floor, still moving, and the bartender freezes.",
       "After stumbling into the street, you notice a hatch on the side of the inn, that probably leads to the basement.  Maybe you should check it out.",
       "It's dawn"}));
  EXPECT_TRUE(out.ends_with(" I want to check out that mysterious hatch (H)\n"));
  EXPECT_EQ(occurrences(out, "I want to check out that mysterious hatch (H)"), 1);
  EXPECT_EQ(h.state.ClockHour, 7);

  // Once thrown out, the Pint turns the player away at the door.
  Harness again("P\n");
  again.state.PintWelcome = h.state.PintWelcome;
  again.play(visitPolishedPint);
  EXPECT_EQ(again.output(), std::string(kBan) + "\n");
}

TEST(PintPlay, AfterTheDisguiseARoomMeetsTheRobotAlreadyDown) {
  Harness h(answers({"R", "P", "2"}));
  makeInnHunter(h.state);
  h.state.BartenderHealth = 0;
  h.state.PintWelcome = 10;
  h.state.HatchStage = 0;
  EXPECT_EQ(h.play(visitPolishedPint), Ending::Returned);
  EXPECT_TRUE(hasLinesInOrder(h.lines(), {"Shoot(1) Tame(2) ", "This doesn't work on robots!",
                                          "A huge lady comes barelling upstairs!"}));
  EXPECT_EQ(occurrences(h.output(), "Tame(2)"), 1);
  EXPECT_EQ(h.state.PlayerHealth, 50);
  EXPECT_EQ(h.state.PintWelcome, 0);
}

}  // namespace
}  // namespace qm::testing
