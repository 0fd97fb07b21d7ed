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

constexpr std::string_view kRatsBite = "The rats jump up and bite at you!";

Prepare fighter(std::string_view primary, std::string_view secondary) {
  return [primary, secondary](GameState& s) { giveAbilities(s, primary, secondary); };
}

// The decisions of the fight rooms, found by reading encounters.cpp: every comparison of a flag,
// an answer, a draw, a stat, the approach counter or the enemy's hit points with a constant.
// Each is played on both sides of its threshold; where one side cannot be reached (the hits
// take 5 from 10, the approach counter starts at 0 or 1) the row stands at the nearest value the
// fight reaches. A swarm of 1 still biting is in Rats.BiteForHalfTheirNumberRoundedDown.
TEST(Encounters, DecisionsAtTheirEdges) {
  constexpr std::string_view kZombieGone =
      "This room is completely empty, but it looks like something was dragged off, or crawled out...";
  constexpr std::string_view kNoticed = "While you are trying to leave, he suddenly notices!";
  constexpr std::string_view kWalking = "The monster is still walking towards you...";
  constexpr std::string_view kScratch = "The zombie scratches you!";
  const std::string zombieFight = "\nH\n\n";  // the opening's pause, the answer, the intro's pause
  checkEdges(
      inRoom(2, 2, zombieRoom), fighter("Slash", "Bash"),
      {
          {"zombie flag 0: the later visit",
           set(&BasementVisit::SecondZombieWaiting, 0),
           "",
           {},
           kZombieGone,
           true},
          {"zombie flag 1: the opening", {}, "", {}, kZombieGone, false},
          {"sneak answer R: the sneak rule", {}, "\nR\n", {}, kNoticed, true},
          {"sneak answer H: straight to the fight", {}, "\nH\n", {}, kNoticed, false},
          {"approach 1: walks, then strikes in the same round",
           {},
           zombieFight + "1\n",
           {1, 0, 5},
           kWalking,
           true},
          {"approach 0: strikes at once", {}, zombieFight + "1\n", {0, 0, 5}, kWalking, false},
          {"approach 1 down to 0: strikes", {}, zombieFight + "1\n", {1, 0, 5}, kScratch, true},
          {"zombie at 0 (bashed): no turn", {}, zombieFight + "2\n", {0, 5}, kScratch, false},
          {"zombie at 1 (a hit, two fumbles): strikes",
           {},
           zombieFight + "1\n1\n1\n",
           {0, 10, 1, 0, 1, 0, 5},
           kScratch,
           true},
      });

  checkEdges(inRoom(4, 1, peonRoom), {},
             {
                 {"peon sneak roll 10: slips by", {}, "\nR\n", {10}, kNoticed, false},
                 {"peon sneak roll 9: noticed", {}, "\nR\n", {9}, kNoticed, true},
             });

  constexpr std::string_view kMalfunction = "it doesn't look like he was supposed to do this...";
  constexpr std::string_view kRobotSmashed = "You smash the rest of the robot into bits!";
  constexpr std::string_view kBackhand = "The robots backhands you with its stiff arms!";
  const std::string robotFight = "\nH\n\n";
  checkEdges(inRoom(1, 1, automatonRoom), fighter("Slash", "Bash"),
             {
                 {"intellect 6: a malfunction",
                  set(&GameState::PlayerIntellect, 6),
                  robotFight,
                  {},
                  kMalfunction,
                  true},
                 {"intellect 5: nothing noticed",
                  set(&GameState::PlayerIntellect, 5),
                  robotFight,
                  {},
                  kMalfunction,
                  false},
                 {"Bash at 5: finishes", {}, robotFight + "1\n2\n", {10}, kRobotSmashed, true},
                 {"Bash at 10: holds", {}, robotFight + "2\n", {}, kRobotSmashed, false},
                 {"automaton at 5: backhands", {}, robotFight + "1\n", {10}, kBackhand, true},
                 {"automaton at 10: flails", {}, robotFight + "1\n", {0}, kBackhand, false},
             });

  constexpr std::string_view kDisperse = "They disperse back into the walls!";
  constexpr std::string_view kRatsSmashed =
      "You smash the rest of the rats into the wall, and the survivors scurry away";
  checkEdges(
      inRoom(4, 3, ratRoom), fighter("Shoot", "Tame"),
      {
          {"tame roll 10: the rats disperse", {}, "H\n2\n\n", {10}, kDisperse, true},
          {"tame roll 9: they stay", {}, "H\n2\n\n", {9}, kDisperse, false},
          {"swarm of 0 (tamed): no bite", {}, "H\n2\n\n", {10}, kRatsBite, false},
          {"swarm of 10: bites", {}, "H\n2\n\n", {9}, kRatsBite, true},
          {"Bash at 5 rats: finishes",
           fighter("Slash", "Bash"),
           "H\n1\n2\n",
           {10},
           kRatsSmashed,
           true},
          {"Bash at 10 rats: holds", fighter("Slash", "Bash"), "H\n2\n", {}, kRatsSmashed, false},
      });
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
