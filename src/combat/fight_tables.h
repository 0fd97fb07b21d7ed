#pragma once

#include "combat/fight.h"

namespace qm {

// The hit points each of these fights starts its enemy with.
inline constexpr int kPossessedBookHitPoints = 15;
inline constexpr int kSeaMonsterHitPoints = 15;
inline constexpr int kCaveDinosaurHitPoints = 30;

// The possessed book at the library, fought with EnemyHealth.
extern const FightTable kPossessedBook;
// The six-headed sea monster of the voyage, fought with SeaMonsterHealth.
extern const FightTable kSeaMonster;
// The dinosaur in the cave by the circus camp, fought with DinosaurHealth.
extern const FightTable kCaveDinosaur;

}  // namespace qm
