#include "basement/encounters.h"

#include <gtest/gtest.h>

#include <string>

#include "basement/basement.h"
#include "basement/play_room.h"
#include "support/harness.h"
#include "support/players.h"
#include "support/tables.h"

namespace qm::testing {
namespace {

Prepare fighter(std::string_view primary, std::string_view secondary) {
  return [primary, secondary](GameState& s) { giveAbilities(s, primary, secondary); };
}

// The fight rooms' one threshold that no transcript plays on both sides, each row beside the mutant
// it kills (tools/mutate, with and without the tables); the transcripts below play every other
// threshold on both sides.
TEST(Encounters, DecisionsAtTheirEdges) {
  checkEdges(inRoom(4, 1, peonRoom), {}, {});

  constexpr std::string_view kRobotSmashed = "You smash the rest of the robot into bits!";
  const std::string robotFight = "\nH\n\n";
  checkEdges(inRoom(1, 1, automatonRoom), fighter("Slash", "Bash"),
             {
                 // enemyHealth() > kWornDown made >= and <=
                 {"Bash at 5: finishes", {}, robotFight + "1\n2\n", {10}, kRobotSmashed, true},
             });

  checkEdges(inRoom(4, 3, ratRoom), fighter("Shoot", "Tame"), {});
}

// One fight room at a time, each kind to its end, and what it cost the player: a Knight's sneak
// past a zombie that notices (a miss, a fumble, a wound and a tickle, then the finish), a
// Knight's and a Hunter's peon with every strike and the secondary action, a Knight who falls in
// the round his automaton does (the step's death check ends the game), a Thief's apples after a
// picked gear, a Thief's rats biting for half their number rounded down, and a swarm escaped
// with apples waiting anew.
TEST(Encounters, EachFightToItsEnd) {
  const auto thief = [](int apples) {
    return [apples](GameState& s) {
      giveAbilities(s, "Stab", "Pickpocket");
      s.Apples = apples;
    };
  };
  const Room& rats = roomAt(4, 3, ratRoom);
  const auto escapeAndComeBack = [&rats](Context& c) {
    rats.block(c, rats);
    c.state.Basement.FirstRatCount = 4;
    rats.block(c, rats);
  };
  const Prepare falls =
      all({fighter("Slash", "Bash"), set(&GameState::PlayerHealth, 15),
           set(&GameState::PlayerIntellect, 6), set(&BasementVisit::BasementColumn, 1),
           set(&BasementVisit::BasementRow, 1)});
  const std::string peonFight = "\nH\n\n1\n2\n1\n1\n";
  const std::vector<int> peonDraws = {5, 1, 5, 15, 15, 15, 3};
  checkTranscripts({
      {"basement-zombie-noticed-then-slashed", inRoom(2, 2, zombieRoom), fighter("Slash", "Bash")},
      {"basement-peon-slashed-and-bashed", inRoom(4, 1, peonRoom), fighter("Slash", "Bash")},
      {"basement-peon-shot-and-tamed", inRoom(4, 1, peonRoom), fighter("Shoot", "Tame")},
      {"basement-automaton-falls-with-the-knight", exploreBasement, falls},
      // No turn after the apples.
      {"basement-automaton-pickpocketed-then-apples", inRoom(4, 2, automatonRoom), thief(1)},
      {"basement-rats-bite-for-half-their-number", inRoom(4, 4, ratRoom), thief(0)},
      {"basement-rats-escaped-wait-anew", escapeAndComeBack, thief(1)},
  });
}

// Three walks through the fight rooms, one a class, so that every secondary action with a pause
// and every apple throw is seen once: a Wizard's Suggestion against all four enemies, a Hunter's
// Tame against the automaton and the rats, a Thief's Pickpocket against the peon, the automaton,
// the rats and the scientist. Each fight kind is seen from its opening to its end and again on
// a later visit.
TEST(Encounters, WalksAsThePlayerSeesThem) {
  const auto player = [](std::string_view playerClass, std::string_view primary,
                         std::string_view secondary, std::string_view weapon, int apples,
                         int intellect, int column, int row) {
    return [=](GameState& s) {
      s.PlayerClass = playerClass;
      giveAbilities(s, primary, secondary);
      s.Weapon = weapon;
      s.Apples = apples;
      s.PlayerIntellect = intellect;
      s.Basement.BasementColumn = column;
      s.Basement.BasementRow = row;
    };
  };
  checkTranscripts({
      {"basement-wizard-automaton-rats-peon-and-zombie", exploreBasement,
       player("Wizard", "Magic Missile", "Suggestion", "Wicked Wand", 3, 6, 4, 2)},
      {"basement-hunter-automaton-rats-and-cockpit", exploreBasement,
       player("Hunter", "Shoot", "Tame", "Bendy Bow", 1, 5, 4, 2)},
      {"basement-thief-peon-automaton-rats-and-the-scientist", exploreBasement,
       player("Thief", "Stab", "Pickpocket", "Deadly Dagger", 0, 0, 4, 1)},
  });
}

}  // namespace
}  // namespace qm::testing
