#include "core/weapons.h"

#include "core/dialogue.h"

namespace qm {

void equip(GameState& state, const char* weapon, const char* primaryAbility) {
  state.Weapon = weapon;
  state.PrimaryAbility = primaryAbility;
}

void offerWeapon(Context& context, const char* weapon, const char* primaryAbility) {
  if (menu(context, "Equip it (E) Don't (D)", "ED") == 'E') {
    equip(context.state, weapon, primaryAbility);
  }
}

}  // namespace qm
