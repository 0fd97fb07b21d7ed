#pragma once

#include "core/context.h"

namespace qm {

// The places the hub sends the player to. Each returns to the hub when the visit is over; a
// death on the way goes straight to the end screen.
void visitInns(Context& context);
void visitBlacksmith(Context& context);
void visitVendors(Context& context);
void visitTheatre(Context& context);
void visitLibrary(Context& context);
void waitAround(Context& context);
void sailWithOldMan(Context& context);
void visitCircusCamp(Context& context);

// ---- The places' own limits, which a kept run is checked against too ----

// The docks' nautical map: columns and rows 0 to kNauticalMapSize - 1. A boat sailed off it
// stands one step beyond, until the voyage ends.
inline constexpr int kNauticalMapSize = 10;
// The casts of one voyage: the sea monster rises at this one.
inline constexpr int kCastsThatWakeTheMonster = 5;
// The fishing zones: 0 near the dock to this one, the farthest.
inline constexpr int kDeepestZone = 2;
// The gold the hooligans steal from a sleeper, from the least to the most.
inline constexpr int kLeastGoldStolen = 5;
inline constexpr int kMostGoldStolen = 30;
// The healing tent's price for the gravest wounds, its dearest.
inline constexpr int kGraveWoundsPrice = 30;
// The robot bartender's stab roll is 0 to kStabRolls - 1: the widest draw of the game.
inline constexpr int kStabRolls = 100;

}  // namespace qm
