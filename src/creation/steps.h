#pragma once

#include "core/context.h"

// The steps of character creation, grouped by the file that holds them; createCharacter runs
// them in their order.
namespace qm::creation {

// Race and gender.
void chooseRace(Context& context);
void chooseGender(Context& context);
// Sets PlayerRace and RaceExplanation and adds the race's modifiers to the stats.
void applyRace(GameState& state);
// "his"/"he" for the male first names 0..4, "her"/"she" for the female names 5..9.
void setPronouns(GameState& state);

// Names.
void generateName(GameState& state);
// Offers to type a name instead, then introduces the character and the race.
void settleName(Context& context);

// Stats and class.
void describeStats(Context& context);
void chooseClass(Context& context);

// Backstory.
void drawHomePlace(Context& context);
void drawEvent(Context& context);
// The one-line backstory, with the age drawn as it is printed.
void showBackstory(Context& context);

// Whether each part of a character is one that these steps make.
bool raceAsMade(const GameState& state);
bool nameAsMade(const GameState& state);
bool backstoryAsMade(const GameState& state);
bool classAsMade(const GameState& state);

// Character sheet and confirmation.
void prepareTown(GameState& state);
void drawPortrait(Console& console, const GameState& state);
bool confirmCharacter(Context& context);

}  // namespace qm::creation
