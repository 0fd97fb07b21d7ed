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

// The suit's one threshold that no transcript plays on both sides, each row beside the mutant it
// kills (tools/mutate, with and without the tables); the transcripts below play every other
// threshold on both sides.
TEST(Scientist, DecisionsAtTheirEdges) {
  const std::string attack = std::string(kOpening) + "H\n1\n";
  const Prepare slasher = [](GameState& s) { giveAbilities(s, "Slash", "Bash"); };
  constexpr std::string_view kClaw =
      "The scientist turns grabs you with his claw hand, and throws you against the wall!";
  checkEdges(inRoom(3, 4, scientistRoom), slasher,
             {
                 // roll <= kLastWeakRoll made <
                 {"suit roll 10: the claw", {}, attack, {0, 10}, kClaw, true},
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
