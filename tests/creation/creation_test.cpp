#include "creation/creation.h"

#include <gtest/gtest.h>

#include "support/tables.h"

namespace qm::testing {
namespace {

// Every step with the draws in their order: a chosen Lacerti woman, name indices 3, 2, 1 and the
// female first name 8, the home place 1, 2, the event 4 and the age 20; a line per answer or
// pause. What the town needs is made ready: the class's weapon, no gears, the hatch hidden.
TEST(Creation, RunsEveryStepWithTheDrawsInTheirOrder) {
  checkTranscripts({
      {"creation-a-lacerti-hunter-accepted",
       [](Context& context) {
         context.console.line("== accepted: ", createCharacter(context) ? 1 : 0);
       },
       all({set(&GameState::PlayerStrength, 6), set(&GameState::PlayerIntellect, 6),
            set(&GameState::PlayerBrawn, 6), set(&GameState::Gears, 4),
            set(&GameState::HatchStage, 69)})},
  });
}

}  // namespace
}  // namespace qm::testing
