#include "creation/creation.h"

namespace qm {

// A fixed stand-in character until the creation scenes are in place.
bool createCharacter(Context& context) {
  GameState& state = context.state;
  state.PlayerRace = "Human";
  state.PlayerClass = "Knight";
  state.PrimaryAbility = "Slash";
  state.SecondaryAbility = "Bash";
  state.Weapon = "Sharp Sword";
  state.PlayerName = "Bob Dragon-Face";
  state.Pronoun = "his";
  state.PronounFirst = "he";
  return true;
}

}  // namespace qm
