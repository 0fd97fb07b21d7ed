#include "town/polished_pint.h"

#include <gtest/gtest.h>

#include <span>
#include <string>
#include <vector>

#include "support/harness.h"
#include "town/hub.h"

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

// Enough empty lines for any run of pauses before the next answer: empty lines before a word
// are skipped, and each pause takes one line.
const std::string kPauses = "\n\n\n\n\n\n";

std::string answers(std::span<const std::string_view> words) {
  std::string input = kPauses;
  for (std::string_view word : words)
    input += std::string(word) + "\n" + kPauses;
  return input;
}

std::string answers(std::initializer_list<std::string_view> words) {
  return answers(std::span(words.begin(), words.size()));
}

void makeHunter(GameState& state) {
  state.PlayerClass = "Hunter";
  state.PrimaryAbility = "Shoot";
  state.SecondaryAbility = "Tame";
  state.Pronoun = "his";
  state.PlayerStrength = 7;
  state.PlayerIntellect = 5;
}

TEST(PintEntry, BannedPlayersAreTossedOutAndTheTextFollowsIntellectAndTheLacerti) {
  Harness banned(answers({"L"}));
  banned.state.PintWelcome = 0;
  EXPECT_EQ(banned.play(visitPolishedPint), Ending::Returned);
  EXPECT_EQ(banned.output(), std::string(kBan) + "\n");

  Harness h("\n\n\n\n\nL\n");
  h.state.PlayerIntellect = 5;
  h.play(visitPolishedPint);
  EXPECT_EQ(
      h.output(),
      "Alright\n" + std::string(kPauseText) +
          "You enter the inn, and it's pretty busy, there's a troupe of performers in the corner wearing purple and green shirts and funny hats. In fact, you've heard of them before, they're a world-famous circus called \"Doctor Flashypant's Deluxe Dance Demonstration and Derby\".\n" +
          std::string(kPauseText) +
          "There's also a pair of tough-looking lizard dudes at the bar wearing leather jackets that say Party Animal.\n" +
          std::string(kPauseText) +
          "On the other side of the bar is an old man, with a beard down to his waist, drinking heavily\n" +
          std::string(kPauseText) + "What do you want to do?\n" + std::string(kPauseText) +
          "Let's get a drink (D) I want to get a room (R) Let's rob this joint! (S) I want to leave (L)\n");

  Harness dull("\n\n\n\nL\n");
  dull.state.PlayerIntellect = 4;
  dull.state.LacertiAtBar = 0;
  dull.play(visitPolishedPint);
  EXPECT_TRUE(hasLinesInOrder(
      dull.lines(),
      {"You enter the inn, and it's pretty busy, there's a troupe of performers in the corner wearing purple and green shirts and funny hats. "}));
  EXPECT_EQ(occurrences(dull.output(), "lizard dudes"), 0);
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
  makeHunter(h.state);
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
  makeHunter(h.state);
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
    makeHunter(h.state);
    h.state.SecondaryAbility = "Bash";
    h.state.PlayerHealth = health;
    EXPECT_EQ(h.play(visitPolishedPint), ending) << health;
    EXPECT_EQ(occurrences(h.output(), kThrownOut), ending == Ending::Returned ? 1 : 0);
    EXPECT_EQ(h.state.HatchStage, ending == Ending::Returned ? 0 : 1);
  }
}

void makeDrinker(GameState& state, int strength, int intellect) {
  makeHunter(state);
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
  makeHunter(h.state);
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
