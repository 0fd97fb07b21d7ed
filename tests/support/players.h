#pragma once

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

#include "core/game_state.h"

// What scripted plays start from: the answers a player types, and a player of each class.
namespace qm::testing {

// Typed answers, each on its own line, with empty lines before, between and after them: enough
// for any run of pauses before the next question, since a pause takes one line and a question
// skips empty lines. `pausesEach` is how many empty lines stand around each answer.
std::string answers(std::span<const std::string_view> words, int pausesEach = 6);
std::string answers(std::initializer_list<std::string_view> words, int pausesEach = 6);

// `count` presses of Enter.
std::string pauses(int count);

// A player of a class as creation makes one: the class and its two fight abilities.
void makeThief(GameState& state);
void makeWizard(GameState& state);
void makeKnight(GameState& state);
void makeHunter(GameState& state);

// The two fight abilities alone.
void giveAbilities(GameState& state, std::string_view primary, std::string_view secondary);

}  // namespace qm::testing
