#pragma once

#include <array>
#include <string_view>

#include "core/context.h"

namespace qm {

// A weapon comes with its own fight action (1): the two always change together, and the action
// (2) of the class never does.
struct Weapon {
  std::string_view name;
  std::string_view ability;
};

// The class weapons, which the weapon vendor sells too.
inline constexpr Weapon kDeadlyDagger{"Deadly Dagger", "Stab"};
inline constexpr Weapon kWickedWand{"Wicked Wand", "Magic Missile"};
inline constexpr Weapon kSharpSword{"Sharp Sword", "Slash"};
inline constexpr Weapon kBendyBow{"Bendy Bow", "Shoot"};
// The rewards of the theatre, the sea monster, the hideout and the basement.
inline constexpr Weapon kSillySceptre{"Silly Sceptre", "Magic Missile"};
inline constexpr Weapon kBowedBow{"Bowed Bow", "Shoot"};
inline constexpr Weapon kBalefulBludgeon{"Baleful Bludgeon", "Slash"};
inline constexpr Weapon kWilyWand{"Wily Wand", "Magic Missile"};

// Every weapon a player can hold.
inline constexpr std::array<Weapon, 8> kWeapons = {kDeadlyDagger,    kWickedWand,   kSharpSword,
                                                   kBendyBow,        kSillySceptre, kBowedBow,
                                                   kBalefulBludgeon, kWilyWand};

void equip(GameState& state, const Weapon& weapon);

// A weapon found as a reward: the player may take it up ("E") or keep what they have ("D").
void offerWeapon(Context& context, const Weapon& weapon);

}  // namespace qm
