#include "combat/fight.h"

#include <gtest/gtest.h>

#include "combat/fight_tables.h"
#include "support/harness.h"
#include "support/players.h"
#include "support/tables.h"

namespace qm::testing {
namespace {

// How the fight ended, as the transcripts show it.
void tellTheEnd(Context& c, FightEnd end) {
  constexpr std::string_view kEnds[] = {"won", "lost", "the apples thrown"};
  c.console.line("== the fight ended: ", kEnds[static_cast<int>(end)]);
}

// The book fought from the hit points in EnemyHealth (no intro) under `rules`, then how the fight
// ended and what it left.
SceneRun fightTheBook(FightRules rules = {}) {
  return [rules](Context& c) {
    tellTheEnd(c, Fight(c, kPossessedBook, c.state.EnemyHealth, rules).play());
  };
}

const Prepare kBookAt15 = set(&GameState::EnemyHealth, 15);
const Prepare kBookAt5 = set(&GameState::EnemyHealth, 5);

// What a round's answers do beyond the edges: unmatched answers are read again without a new
// prompt, "A" with no apples left is accepted and does nothing, each bag is used up, a
// replaced primary ability brings its own messages, and an ability no handler knows does nothing.
// Then how a fight ends: a fallen enemy draws its roll but does nothing with it; a death in the
// round the enemy falls still shows the victory first; a lost fight left to the scene is only
// reported; rounds go on until one side falls. And each rule of a fight's own.
TEST(Fight, RoundsAndEndsAsThePlayerSeesThem) {
  const auto abilities = [](std::string_view primary, std::string_view secondary) {
    return [primary, secondary](GameState& s) { giveAbilities(s, primary, secondary); };
  };
  const Prepare thiefWithApples = all({makeThief, set(&GameState::Apples, 3), kBookAt5});
  FightRules withAnAlly;
  withAnAlly.allyTurn = [](Fight& fight) { fight.console().line("the ally acts"); };
  static constexpr FightTable kSpecialTable = {
      .pickpocket = Special{[](Fight& fight) {
        fight.console().line("special");
        fight.enemyHealth() = -3;
      }},
      .victory = {"won"},
  };
  checkTranscripts({
      {"fight-unmatched-answers-then-a-stab", fightTheBook(), all({makeThief, kBookAt5})},
      {"fight-apples-until-none-are-left", fightTheBook(), thiefWithApples},
      {"fight-a-replaced-primary-ability", fightTheBook(),
       all({abilities("Shoot", "Bash"), kBookAt5})},
      {"fight-an-ability-no-handler-knows", fightTheBook(),
       all({abilities("Wiggle", "Bash"), kBookAt15})},
      {"fight-the-book-falls-and-its-fumble-does-nothing", fightTheBook(),
       all({makeWizard, kBookAt15})},
      {"fight-a-death-in-the-round-the-book-falls", fightTheBook(),
       all({makeKnight, set(&GameState::PlayerHealth, 2), set(&GameState::EnemyHealth, 2)})},
      {"fight-a-lost-fight-left-to-the-scene", fightTheBook({.deathEndsGame = false}),
       all({makeKnight, set(&GameState::PlayerHealth, 10), kBookAt15})},
      // Miss, papercut; hit, bite missed; hit, papercut; hit finishes.
      {"fight-rounds-until-the-book-falls", fightTheBook(), all({makeThief, kBookAt15})},
      {"fight-apples-that-end-the-fight", fightTheBook({.applesEndFight = true}),
       all({makeThief, set(&GameState::Apples, 1), kBookAt15})},
      {"fight-no-apples-offered", fightTheBook({.applesOffered = false}),
       all({makeThief, set(&GameState::Apples, 4), kBookAt5})},
      {"fight-a-higher-finishing-threshold",
       [](Context& c) {
         Fight(c, kPossessedBook, c.state.EnemyHealth, {.finishingAt = 10}).playerTurn();
       },
       all({makeKnight, set(&GameState::EnemyHealth, 10)})},
      {"fight-an-ally-after-the-enemy-before-the-victory", fightTheBook(withAnAlly),
       all({makeThief, kBookAt5})},
      {"fight-a-special-action-of-its-own",
       [](Context& c) { tellTheEnd(c, Fight(c, kSpecialTable, c.state.EnemyHealth).play()); },
       all({makeThief, kBookAt15})},
      // The hit points are set and the intro printed first.
      {"fight-a-staged-fight",
       [](Context& c) { tellTheEnd(c, stageFight(c, kPossessedBook, c.state.EnemyHealth)); },
       all({makeHunter, set(&GameState::EnemyHealth, -40)})},
      {"fight-the-dinosaurs-fumble-hurts-the-dinosaur",
       [](Context& c) {
         Fight fight(c, kCaveDinosaur, c.state.DinosaurHealth);
         fight.playerTurn();
         bandedEnemyTurn(fight);
       },
       all({abilities("Stab", "Suggestion"), set(&GameState::DinosaurHealth, 30)})},
  });
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

}  // namespace
}  // namespace qm::testing
