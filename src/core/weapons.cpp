#include "core/weapons.h"

#include "core/dialogue.h"

namespace qm {

void equip(GameState& state, const Weapon& weapon) {
  state.Weapon = weapon.name;
  state.PrimaryAbility = weapon.ability;
}

void offerWeapon(Context& context, const Weapon& weapon) {
  if (menu(context, "Equip it (E) Don't (D)", "ED") == 'E') equip(context.state, weapon);
}

}  // namespace qm
