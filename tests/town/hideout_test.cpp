#include "town/hideout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "support/harness.h"
#include "support/players.h"
#include "support/tables.h"

namespace qm::testing {
namespace {

// The four pauses of the way in; then "HI!", the explanation's pause, "Uhhh, yes" and the
// mysterious man's pause, up to the offer.
constexpr std::string_view kUpToTheOffer = "\n\n\n\nH\n\nY\n\n";
constexpr std::string_view kErrandPauses = "\n\n\n\n";
constexpr std::string_view kOwenIntro = "\n\n\n";
constexpr std::string_view kShield =
    "Owen jumps at the librarian, but she deflects him with a magical shield!";

// A Hunter who has heard that Owen is the Collective's leader.
void makeOwensHunter(GameState& state) {
  giveAbilities(state, "Shoot", "Tame");
  state.Weapon = "Trusty Bow";
  state.StrangerStage = 4;
}

// The hideout's decisions, every comparison in hideout.cpp of the quest stage, strength plus
// brawn or a menu letter with a constant, read from the code. Owen's fight follows the combat
// rules and is played by the fight tests below.
TEST(Hideout, DecisionsAtTheirEdges) {
  constexpr std::string_view kOwen = "You sneak into the bandit hideout.";
  constexpr std::string_view kPlayItCool = "You try to play it cool, and lean on one of the beams";
  constexpr std::string_view kGoodThing =
      "The lady at the table looks up again \"That's a good thing...\"";
  constexpr std::string_view kADeal =
      "\"We had a deal, you don't want to part with any, appendages do you?\"";
  constexpr std::string_view kTerms = "\"I'm glad you came to, our. Terms.\"";
  constexpr std::string_view kIntimidated = "They are intimidated by you.";
  constexpr std::string_view kHaveItYourWay =
      "\"Fine, have it your way. We'll be here, if you rethink it.\"";
  const auto stage = [](int s) { return set(&GameState::StrangerStage, s); };
  const auto brawn = [](int value) {  // beside a strength of 5
    return all({set(&GameState::PlayerStrength, 5), set(&GameState::PlayerBrawn, value)});
  };
  const std::string greeted = "\n\n\n\nH\n\n";
  const std::string offer = std::string(kUpToTheOffer);
  const std::string refusing = offer + "T\n";
  checkEdges(
      enterHideout, stage(3),
      {
          {"stranger stage 4: Owen", stage(4), "", {}, kOwen, true},
          {"stranger stage 3: the Collective", {}, "", {}, kOwen, false},
          {"C to the woman: playing it cool", {}, "\n\n\n\nC\n", {}, kPlayItCool, true},
          {"H to the woman: hi", {}, "\n\n\n\nH\n", {}, kPlayItCool, false},
          {"N to the Collective: a good thing", {}, greeted + "N\n", {}, kGoodThing, true},
          {"Y to the Collective: heard of them", {}, greeted + "Y\n", {}, kGoodThing, false},
          {"T to the offer: a deal is a deal", {}, refusing, {}, kADeal, true},
          {"H to the offer: glad to help", {}, offer + "H\n", {}, kADeal, false},
          {"N to the threat: their terms", {}, refusing + "N\n", {}, kTerms, true},
          {"B to the threat: no terms", brawn(5), refusing + "B\n", {}, kTerms, false},
          {"strength + brawn 10: intimidated", brawn(5), refusing + "B\n", {}, kIntimidated, true},
          {"strength + brawn 9: the knife", brawn(4), refusing + "B\n", {}, kIntimidated, false},
          {"Y to the knife: your way", brawn(4), refusing + "B\nY\n", {}, kHaveItYourWay, true},
          {"N to the knife: business", brawn(4), refusing + "B\nN\n", {}, kHaveItYourWay, false},
      });
}

TEST(HideoutMeeting, PlayingItCoolEarnsTheLineOfThePlayersGender) {
  for (const auto& [pronoun, word] :
       {std::pair{"her", "girl, she's"}, std::pair{"his", "guy, he's"}}) {
    Harness h("\n\n\n\nC\n\n\n");
    h.state.Pronoun = pronoun;
    h.play(enterHideout);
    EXPECT_TRUE(
        hasLinesInOrder(h.lines(), {"She chuckles quietly, then says \"I like this " +
                                    std::string(word) + " going to make a good distraction...\""}))
        << pronoun;
  }
}

TEST(HideoutMeeting, StrengthPlusBrawnOfTenRefusesWithoutTheKnifeAndOnlyAnErrandGivesTheBook) {
  struct Case {
    int brawn;
    std::string_view answers;
    bool threatened, takesBook;
  };
  for (const Case& c : {Case{5, "H\n", false, true}, Case{5, "T\nB\n", false, false},
                        Case{4, "T\nb\nY\n", true, false}, Case{4, "T\nB\nN\n\n", true, true},
                        Case{4, "T\nN\n\n", false, true}}) {
    Harness h(std::string(kUpToTheOffer) + std::string(c.answers) +
              (c.takesBook ? std::string(kErrandPauses) : ""));
    h.state.StrangerStage = 3;
    h.state.PlayerStrength = 5;
    h.state.PlayerBrawn = c.brawn;
    EXPECT_EQ(h.play(enterHideout), Ending::Returned) << c.answers;
    EXPECT_EQ(h.state.HasMysteriousBook, c.takesBook) << c.answers;
    EXPECT_EQ(h.state.StrangerStage, 3);
    EXPECT_EQ(occurrences(h.output(), "\"Feeling lucky, punk?\""), c.threatened ? 1 : 0);
    EXPECT_TRUE(h.output().ends_with(
        c.takesBook ? "\"Here go! Hurry!\"\n" + std::string(kPauseText)
                    : "\"Fine, have it your way. We'll be here, if you rethink it.\"\n"))
        << c.answers;
  }
}

TEST(OwenFight, OwenFallingToTheStrikeGetsNoTurnWhileTheLibrarianStillCasts) {
  // Each round: the attack roll, Owen's roll, the librarian's roll.
  Harness h(std::string(kOwenIntro) + "1\n1\n1\n1\n\n\nE\n",
            {10, 11, 1, 19, 1, 10, 12, 11, 11, 15, 2, 2});
  makeOwensHunter(h.state);
  h.state.OwenHealth = 7;  // the fight sets 30 itself
  EXPECT_EQ(h.play(enterHideout), Ending::Returned);
  const std::vector<std::string> lines = h.lines();
  EXPECT_TRUE(hasLinesInOrder(
      lines, {"You hit him, but don't make it through his armor!", "He narrowly misses!",
              "The librarian blasts a beam of light at Owen!", "He slips on the dirt!",
              "The librarian blasts him with a magic bolt!", std::string(kShield)}));
  const auto finish = std::find(lines.begin(), lines.end(), "Right between the eyes!");
  ASSERT_GE(std::distance(finish, lines.end()), 3);
  EXPECT_EQ(*(finish + 1), "The librarian blasts him with a magic bolt!");
  EXPECT_EQ(*(finish + 2), "It looks like you've won...");
  EXPECT_EQ(h.state.OwenHealth, -4);
  EXPECT_EQ(h.state.PlayerHealth, 50);
  EXPECT_TRUE(h.output().ends_with("you find 112 gold and a Bludgeon\n" + std::string(kPauseText) +
                                   "Equip it (E) Don't (D)\n"));
  EXPECT_EQ(h.state.PlayerGold, 152);
  EXPECT_EQ(h.state.Weapon, "Baleful Bludgeon");
  EXPECT_EQ(h.state.PrimaryAbility, "Slash");
  EXPECT_EQ(h.state.StrangerStage, 0);
  h.expectAllDrawsUsed();

  Harness declined(std::string(kOwenIntro) + "1\n1\n\n\nd\n", {10, 1, 1, 10, 1, 1});
  makeOwensHunter(declined.state);
  declined.play(enterHideout);
  EXPECT_EQ(declined.state.Weapon, "Trusty Bow");
  EXPECT_EQ(declined.state.PrimaryAbility, "Shoot");
  EXPECT_EQ(declined.state.StrangerStage, 0);
}

TEST(OwenFight, SecondaryActionsAndApplesHaveTheirOwnEffects) {
  struct Case {
    std::string_view secondary;
    int apples;
    std::string_view answer, line;
    int owen, health, gold;
  };
  for (const Case& c :
       {Case{"Pickpocket", 0, "2\n", "You manage to grab a couple coins", 30, 50, 42},
        Case{"Suggestion", 0, "2\n\n", "But he is unaffected", 30, 50, 40},
        Case{"Bash", 0, "2\n", "You bash him with your shield, but he gets a cut in!", 28, 48, 40},
        Case{"Tame", 1, "A\n\n", "\"Ouch!\"", 25, 50, 40},
        Case{"Tame", 0, "a\n", "Shoot(1) Tame(2) ", 30, 50, 40}}) {
    Harness h(std::string(kOwenIntro) + std::string(c.answer), {11, 11});
    makeOwensHunter(h.state);
    h.state.SecondaryAbility = std::string(c.secondary);
    h.state.Apples = c.apples;
    EXPECT_EQ(h.play(enterHideout), Ending::InputEnded) << c.line;
    EXPECT_TRUE(hasLinesInOrder(h.lines(), {c.line, "He narrowly misses!", kShield})) << c.line;
    EXPECT_EQ(std::tuple(h.state.OwenHealth, h.state.PlayerHealth, h.state.PlayerGold),
              std::tuple(c.owen, c.health, c.gold))
        << c.line;
    EXPECT_EQ(h.state.Apples, 0);
    EXPECT_EQ(occurrences(h.output(), "You toss the apples at him!"), c.apples) << c.line;
  }
}

TEST(OwenFight, DyingGoesStraightToTheEndScreenAfterTheLibrariansTurn) {
  Harness h(std::string(kOwenIntro) + "2\n", {5, 11});
  makeOwensHunter(h.state);
  h.state.PlayerHealth = 5;
  EXPECT_EQ(h.play(enterHideout), Ending::Died);
  EXPECT_TRUE(h.output().ends_with("He stabs you with his knife\n" + std::string(kShield) + "\n"));
  EXPECT_EQ(h.state.StrangerStage, 4);
}

}  // namespace
}  // namespace qm::testing
