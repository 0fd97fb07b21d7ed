#include "combat/fight.h"

#include <gtest/gtest.h>

#include "combat/fight_tables.h"
#include "support/harness.h"
#include "support/players.h"
#include "support/tables.h"

namespace qm::testing {
namespace {

// Fights the book from the hit points in EnemyHealth (no intro).
void fightTheBook(Context& c) {
  Fight(c, kPossessedBook, c.state.EnemyHealth).play();
}

// Fights the book from the given hit points (no intro).
FightEnd fightBook(Harness& h, int bookHealth, FightRules rules = {}) {
  FightEnd end = FightEnd::Won;
  h.state.EnemyHealth = bookHealth;
  const Ending ending = h.play([&](Context& c) {
    end = Fight(c, kPossessedBook, c.state.EnemyHealth, std::move(rules)).play();
  });
  return ending == Ending::Died ? FightEnd::Lost : end;
}

// The round model's decisions, found by reading fight.cpp, each at its edge, in a fight with the
// book: the apples offered while a bag is carried, the attack roll's hit from 10, the finishing
// message at the threshold or below, and the enemy's bands (a fumble at 1, the weak band from 2
// to 10, the strong one above).
TEST(Fight, DecisionsAtTheirEdges) {
  const SceneRun round = [](Context& c) {
    Fight fight(c, kPossessedBook, c.state.EnemyHealth);
    fight.playerTurn();
    bandedEnemyTurn(fight);
  };
  const Prepare knight = all({makeKnight, set(&GameState::EnemyHealth, 15)});
  constexpr std::string_view kApples = "Slash(1) Bash(2) Use the apples (A)";
  constexpr std::string_view kHit = "You slice into the pages!";
  constexpr std::string_view kFinish = "Sha-bam! You slice the book in half!";
  constexpr std::string_view kFumble = "He divebombs right into you! He falls to the ground...";
  constexpr std::string_view kWeak = "He gives you a papercut!";
  checkEdges(
      round, knight,
      {
          {"1 bag: apples offered", set(&GameState::Apples, 1), "1\n", {0, 20}, kApples, true},
          {"no bag: none offered", {}, "1\n", {0, 20}, kApples, false},
          {"attack roll 10: a hit", {}, "1\n", {10, 20}, kHit, true},
          {"attack roll 9: a miss", {}, "1\n", {9, 20}, kHit, false},
          {"enemy at 5: finished", set(&GameState::EnemyHealth, 5), "1\n", {10, 20}, kFinish, true},
          {"enemy at 6: wounded", set(&GameState::EnemyHealth, 6), "1\n", {10, 20}, kFinish, false},
          {"enemy roll 1: a fumble", {}, "1\n", {0, 1}, kFumble, true},
          {"enemy roll 2: the weak band", {}, "1\n", {0, 2}, kWeak, true},
          {"enemy roll 2: no fumble", {}, "1\n", {0, 2}, kFumble, false},
          {"enemy roll 10: the weak band", {}, "1\n", {0, 10}, kWeak, true},
          {"enemy roll 11: the strong band", {}, "1\n", {0, 11}, kWeak, false},
      });
}

// What a round's answers do beyond the edges: unmatched answers are read again without a new
// prompt, "A" with no apples left is accepted and does nothing, each bag is used up, a
// replaced primary ability brings its own messages, and an ability no handler knows does nothing.
TEST(RoundPrompt, AnswersAsThePlayerSeesThem) {
  checkTranscripts({
      {"fight-unmatched-answers-then-a-stab",
       fightTheBook,
       all({makeThief, set(&GameState::EnemyHealth, 5)}),
       "3 b 11 Stab 1\n",
       {12, 20}},
      {"fight-apples-until-none-are-left",
       fightTheBook,
       all({makeThief, set(&GameState::Apples, 3), set(&GameState::EnemyHealth, 5)}),
       "A\n\nA\n\nA\n\nA 1\n",
       {15, 15, 15, 15, 12, 15}},
      {"fight-a-replaced-primary-ability",
       fightTheBook,
       all({[](GameState& s) { giveAbilities(s, "Shoot", "Bash"); },
            set(&GameState::EnemyHealth, 5)}),
       "1\n",
       {14, 15}},
      {"fight-an-ability-no-handler-knows",
       fightTheBook,
       all({[](GameState& s) { giveAbilities(s, "Wiggle", "Bash"); },
            set(&GameState::EnemyHealth, 15)}),
       "1\n2\n",
       {20, 20}},
  });
}

TEST(EnemyTurn, TheRollIsDrawnEvenWhenTheEnemyIsDown) {
  Harness h("2\n\n", {1});
  makeWizard(h.state);
  EXPECT_EQ(fightBook(h, 15), FightEnd::Won);
  // The fumble would have hurt; a fallen book does nothing with its roll.
  EXPECT_EQ(h.state.PlayerHealth, 50);
  EXPECT_EQ(
      h.output(),
      "Magic Missile(1) Suggestion(2) \nYou wave your hand...\n\nPress Enter to continue . . . \n"
      "The book falls to the ground!\nIt looks like you've won...\n");
  h.expectAllDrawsUsed();
}

TEST(FightEnd, DeathInTheRoundTheEnemyFallsStillShowsTheVictoryFirst) {
  Harness h("2\n", {20});
  makeKnight(h.state);
  h.state.PlayerHealth = 2;
  EXPECT_EQ(fightBook(h, 2), FightEnd::Lost);
  EXPECT_TRUE(hasLinesInOrder(
      h.lines(), {"You bash the book, but you get a paper cut!", "It looks like you've won..."}));
  EXPECT_EQ(h.state.PlayerHealth, 0);
}

TEST(FightEnd, ALostFightLeftToTheSceneIsReportedNotActedOn) {
  Harness h("1\n", {0, 1});
  makeKnight(h.state);
  h.state.PlayerHealth = 10;
  FightEnd end = FightEnd::Won;
  h.state.EnemyHealth = 15;
  EXPECT_EQ(h.play([&](Context& c) {
    end = Fight(c, kPossessedBook, c.state.EnemyHealth, {.deathEndsGame = false}).play();
  }),
            Ending::Returned);
  EXPECT_EQ(end, FightEnd::Lost);
  EXPECT_EQ(h.state.PlayerHealth, 0);
}

TEST(FightEnd, RoundsGoOnUntilOneSideFalls) {
  // Miss, papercut; hit, bite missed; hit, papercut; hit finishes.
  Harness h("1\n1\n1\n1\n", {3, 5, 12, 15, 12, 2, 12, 20});
  makeThief(h.state);
  EXPECT_EQ(fightBook(h, 15), FightEnd::Won);
  EXPECT_EQ(h.state.EnemyHealth, 0);
  EXPECT_EQ(h.state.PlayerHealth, 40);
  EXPECT_EQ(occurrences(h.output(), "It looks like you've won..."), 1);
  h.expectAllDrawsUsed();
}

TEST(FightRules, ApplesCanEndTheFightBeforeTheEnemyActs) {
  Harness h("A\n\n");
  h.state.Apples = 1;
  makeThief(h.state);
  EXPECT_EQ(fightBook(h, 15, {.applesEndFight = true}), FightEnd::ApplesThrown);
  EXPECT_EQ(h.state.Apples, 0);
  h.expectAllDrawsUsed();
}

TEST(FightRules, WithoutApplesOfferedOnlyOneAndTwoAreAnswers) {
  Harness h("A a 1\n", {12, 15});
  h.state.Apples = 4;
  makeThief(h.state);
  fightBook(h, 5, {.applesOffered = false});
  EXPECT_TRUE(h.output().starts_with("Stab(1) Pickpocket(2) \nYour knife gets stuck in the book"));
  EXPECT_EQ(h.state.Apples, 4);
}

TEST(FightRules, AHigherFinishingThresholdChangesTheMessage) {
  Harness h("1\n", {10, 15});
  makeKnight(h.state);
  h.state.EnemyHealth = 10;
  h.play([](Context& c) {
    Fight(c, kPossessedBook, c.state.EnemyHealth, {.finishingAt = 10}).playerTurn();
  });
  EXPECT_EQ(h.lines()[1], "Sha-bam! You slice the book in half!");
}

TEST(FightRules, TheAllyActsEveryRoundAfterTheEnemyAndBeforeTheVictoryLine) {
  Harness h("1\n", {12, 15});
  makeThief(h.state);
  FightRules rules;
  rules.allyTurn = [](Fight& fight) { fight.console().line("the ally acts"); };
  fightBook(h, 5, rules);
  EXPECT_EQ(occurrences(h.output(), "the ally acts"), 1);
  EXPECT_TRUE(hasLinesInOrder(
      h.lines(), {"Your knife gets stuck in the book, and the book falls to the ground",
                  "the ally acts", "It looks like you've won..."}));
}

TEST(FightRules, ASpecialActionRunsItsOwnFunction) {
  static constexpr FightTable kTable = {
      .pickpocket = Special{[](Fight& fight) {
        fight.console().line("special");
        fight.enemyHealth() = -3;
      }},
      .victory = {"won"},
  };
  Harness h("2\n", {7});
  makeThief(h.state);
  h.state.EnemyHealth = 15;
  FightEnd end = FightEnd::Lost;
  h.play([&](Context& c) { end = Fight(c, kTable, c.state.EnemyHealth).play(); });
  EXPECT_EQ(end, FightEnd::Won);
  EXPECT_EQ(h.output(), "Stab(1) Pickpocket(2) \nspecial\nwon\n");
}

TEST(StageFight, SetsTheHitPointsAndPrintsTheIntroFirst) {
  Harness h("\n\n2\n\n", {5});
  makeHunter(h.state);
  h.state.EnemyHealth = -40;
  FightEnd end = FightEnd::Lost;
  h.play([&](Context& c) { end = stageFight(c, kPossessedBook, c.state.EnemyHealth); });
  EXPECT_EQ(end, FightEnd::Won);
  EXPECT_TRUE(h.output().starts_with(
      "The book starts to flutter up into the air\n\"Oh my!\"\n\nPress Enter to continue . . . \n"
      "It starts to attack you!\n\nPress Enter to continue . . . \nShoot(1) Tame(2) \nIt's enchanted...\n"));
}

// Each table through one win and one loss.
struct TableCase {
  const char* name;
  const FightTable* table;
  int GameState::*counter;
  const char* victory;
};

// Test names and failures show a case by its fight's name.
void PrintTo(const TableCase& c, std::ostream* out) {
  *out << c.name;
}

class EveryTable : public ::testing::TestWithParam<TableCase> {};

TEST_P(EveryTable, CanBeWonWithRolledStrikes) {
  const TableCase& c = GetParam();
  std::string input;
  std::vector<int> draws;
  for (int health = c.table->startingHealth; health > 0; health -= 5) {
    input += "1\n";
    draws.insert(draws.end(), {15, 20});
  }
  Harness h("\n\n\n" + input, draws);
  makeKnight(h.state);
  FightEnd end = FightEnd::Lost;
  h.play([&](Context& ctx) { end = stageFight(ctx, *c.table, ctx.state.*c.counter); });
  EXPECT_EQ(end, FightEnd::Won);
  EXPECT_EQ(h.state.*c.counter, 0);
  EXPECT_EQ(h.lines().back(), c.victory);
  h.expectAllDrawsUsed();
}

TEST_P(EveryTable, CanBeLostToTheWeakBand) {
  const TableCase& c = GetParam();
  Harness h("\n\n\n1\n1\n", {0, 2, 0, 2});
  makeKnight(h.state);
  h.state.PlayerHealth = 9;
  EXPECT_EQ(h.play([&](Context& ctx) { stageFight(ctx, *c.table, ctx.state.*c.counter); }),
            Ending::Died);
  EXPECT_EQ(h.state.PlayerHealth, -1);
  EXPECT_EQ(h.state.*c.counter, c.table->startingHealth);
  h.expectAllDrawsUsed();
}

INSTANTIATE_TEST_SUITE_P(
    Tables, EveryTable,
    ::testing::Values(TableCase{"PossessedBook", &kPossessedBook, &GameState::EnemyHealth,
                                "It looks like you've won..."},
                      TableCase{"SeaMonster", &kSeaMonster, &GameState::SeaMonsterHealth,
                                "It looks like you've won..."},
                      TableCase{"CaveDinosaur", &kCaveDinosaur, &GameState::DinosaurHealth,
                                "You've defeated him! Or her?...."}),
    [](const ::testing::TestParamInfo<TableCase>& info) { return std::string(info.param.name); });

TEST(FightTables, TheDinosaursFumbleHurtsTheDinosaur) {
  Harness h("2\n", {1});
  giveAbilities(h.state, "Stab", "Suggestion");
  h.state.DinosaurHealth = 30;
  h.play([](Context& c) {
    Fight fight(c, kCaveDinosaur, c.state.DinosaurHealth);
    fight.playerTurn();
    bandedEnemyTurn(fight);
  });
  EXPECT_EQ(h.state.DinosaurHealth, 28);
  EXPECT_EQ(h.lines().back(), "The dinosaur accidentaly rams his head into the wall! Whoops!");
}

}  // namespace
}  // namespace qm::testing
