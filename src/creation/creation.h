#pragma once

#include "core/context.h"

namespace qm {

// Character creation, from the race question to the confirmation. Returns true when the player
// accepts the character, false when they want to start again from start-up.
bool createCharacter(Context& context);

// Whether the character's variables (race, stats, name, pronouns, home, backstory, class) are
// ones that character creation makes: a kept run is trusted only then.
bool madeByCreation(const GameState& state);

}  // namespace qm
