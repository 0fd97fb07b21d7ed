#include <gtest/gtest.h>

#include "core/quest_stages.h"
#include "support/harness.h"
#include "support/tables.h"
#include "town/places.h"

namespace qm::testing {
namespace {

// P leads into the Pint while it stands; after the bomb P is neither shown nor accepted. Choosing
// an inn takes no time.
TEST(InnChoice, TheChoiceAsThePlayerSeesIt) {
  checkTranscripts({
      {"inns-both-inns-and-p-leads-into-the-pint", visitInns, set(&GameState::PintWelcome, 0)},
      {"inns-after-the-bomb-only-the-soggy-shrimp", visitInns,
       set(&GameState::HatchStage, kHatchBlownUp)},
  });
}

}  // namespace
}  // namespace qm::testing
