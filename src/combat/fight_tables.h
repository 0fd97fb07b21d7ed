#pragma once

#include "combat/fight.h"

namespace qm {

// The possessed book at the library, fought with EnemyHealth.
extern const FightTable kPossessedBook;
// The six-headed sea monster of the voyage, fought with SeaMonsterHealth.
extern const FightTable kSeaMonster;
// The dinosaur in the cave by the circus camp, fought with DinosaurHealth.
extern const FightTable kCaveDinosaur;

}  // namespace qm
