#include "basement/scientist.h"

#include <gtest/gtest.h>

#include <string>

#include "basement/play_room.h"
#include "support/harness.h"
#include "support/players.h"
#include "support/tables.h"

namespace qm::testing {
namespace {

constexpr std::string_view kOpening = "\n\n\n\n";
constexpr std::string_view kSuitFalls = "Then it falls over, crushing him!";

// The scientist's decisions, found by reading scientist.cpp and the fight rules it uses: the sneak
// answer and every comparison of the suit's roll, its hit points and the player's health with a
// constant.
TEST(Scientist, DecisionsAtTheirEdges) {
  const std::string attack = std::string(kOpening) + "H\n1\n";
  const Prepare slasher = [](GameState& s) { giveAbilities(s, "Slash", "Bash"); };
  constexpr std::string_view kClaw =
      "The scientist turns grabs you with his claw hand, and throws you against the wall!";
  constexpr std::string_view kFire = "The flamethrower malfunctions, and the suit catches fire!";
  constexpr std::string_view kFinishing =
      "You slice him again, and a couple gears fall to the floor";
  constexpr std::string_view kDraggedBack =
      "You try to run out the door, but the robot grabs you and drags you back into the room with its huge claws";
  const std::string sneak = std::string(kOpening);
  checkEdges(inRoom(3, 4, scientistRoom), slasher,
             {
                 {"sneak answer R: dragged back", {}, sneak + "R\n", {}, kDraggedBack, true},
                 {"sneak answer H: no sneak", {}, sneak + "H\n", {}, kDraggedBack, false},
                 {"suit roll 10: the claw", {}, attack, {0, 10}, kClaw, true},
                 {"suit roll 11: the flame", {}, attack, {0, 11}, kClaw, false},
                 {"suit roll 1: a misfire", {}, attack, {0, 1}, kFire, true},
                 {"suit roll 2: no misfire", {}, attack, {0, 2}, kFire, false},
                 {"hit at 10 hit points: finishing",
                  {},
                  attack + "1\n1\n",
                  {10, 11, 10, 11, 10, 11},
                  kFinishing,
                  true},
                 {"hit at 15 hit points: wounding",
                  {},
                  attack + "1\n",
                  {10, 11, 10, 11},
                  kFinishing,
                  false},
                 {"claw at 10 health: dead before the suit falls",
                  set(&GameState::PlayerHealth, 10),
                  attack,
                  {0, 1},
                  kSuitFalls,
                  false},
                 {"claw at 11 health: the suit falls",
                  set(&GameState::PlayerHealth, 11),
                  attack,
                  {0, 1},
                  kSuitFalls,
                  true},
             });
}

// The room with each class: a Knight's Bash and Slash, a Wizard's Suggestion, apples and
// missiles, a Hunter's misses, Tame and shots, a Thief's miss and the gear pulled out, and a
// Knight thrown against the wall whose misfiring suit falls anyway.
TEST(Scientist, TheWholeRoomAsThePlayerSeesIt) {
  checkTranscripts({
      {"scientist-shot-and-tamed", inRoom(3, 4, scientistRoom),
       [](GameState& s) { giveAbilities(s, "Shoot", "Tame"); }},
      {"scientist-a-stab-missed-and-a-gear-pulled-out", inRoom(3, 4, scientistRoom),
       [](GameState& s) { giveAbilities(s, "Stab", "Pickpocket"); }},
      {"scientist-thrown-against-the-wall-as-the-suit-misfires", inRoom(3, 4, scientistRoom),
       all({[](GameState& s) { giveAbilities(s, "Slash", "Bash"); },
            set(&GameState::PlayerHealth, 11)})},
      {"scientist-bash-slash-and-the-bomb", inRoom(3, 4, scientistRoom),
       [](GameState& s) { giveAbilities(s, "Slash", "Bash"); }},
      {"scientist-suggestion-apples-and-missiles", inRoom(3, 4, scientistRoom),
       [](GameState& s) {
         makeWizard(s);
         s.Weapon = "Wicked Wand";
         s.Apples = 1;
       }},
  });
}

}  // namespace
}  // namespace qm::testing
