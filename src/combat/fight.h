#pragma once

#include <variant>

#include "core/context.h"
#include "core/dialogue.h"

namespace qm {

class Fight;

// A turn of the enemy or of a companion, or an action with rules of its own: a small named
// function beside its fight's table.
using Turn = void (*)(Fight& fight);

// What an action or an enemy turn does once its lines are printed.
struct Effect {
  int enemyLoses = 0;
  bool enemyFalls = false;  // the enemy's hit points drop to 0
  int playerLoses = 0;
  int goldFound = 0;
};

// A rolled strike: the attack roll decides between a hit, which takes 5 hit points, and a miss.
struct Strike {
  const char* wounding;   // a hit while the enemy stands above the finishing threshold
  const char* finishing;  // a hit at or below it
  const char* miss;
};

// An action with a fixed outcome: its narration, then its effect.
struct Deed {
  Script lines = {};
  Effect effect = {};
};

// An action with rules of its own.
struct Special {
  Turn act;
};

// An action that does nothing at all.
struct Nothing {};

using Action = std::variant<Nothing, Strike, Deed, Special>;

// The enemy's turn by its roll: 1 is a fumble, 2 to 10 the weak band, 11 to 20 the strong band.
struct Bands {
  Deed fumble = {};
  Deed weak = {};
  Deed strong = {};
};

// Everything one fight prints and does, in the terms of the round model.
struct FightTable {
  int startingHealth = 0;
  Script intro = {};  // before the first round
  // Action (1), chosen by the name of the player's primary ability.
  Action stab = {}, magicMissile = {}, slash = {}, shoot = {};
  // Action (2), chosen by the name of the player's secondary ability.
  Action pickpocket = {}, suggestion = {}, bash = {}, tame = {};
  // Action (A), while apples are carried; a bag is used up each time.
  Action apples = {};
  Bands enemy = {};
  Script victory = {};
};

// How a fight departs from the common round.
struct FightRules {
  // The round prompt offers the apples, and "A" is an answer (also with no apples left).
  bool applesOffered = true;
  // Throwing apples ends the fight at once, before the enemy acts.
  bool applesEndFight = false;
  // A hit on an enemy at or below this many hit points shows the finishing message.
  int finishingAt = 5;
  // The enemy's turn; the common one draws the enemy roll every round and acts while it stands.
  Turn enemyTurn = nullptr;
  // A companion's turn after the enemy's, every round.
  Turn allyTurn = nullptr;
  // A lost fight ends the game at once; otherwise the scene decides what the death means.
  bool deathEndsGame = true;
  // A count of the enemy's own that its turn keeps (the zombie's steps towards the player).
  int* enemyCount = nullptr;
};

enum class FightEnd { Won, Lost, ApplesThrown };

// One fight between the player and one enemy, played a round at a time: the player's turn
// (prompt, answer, action), the enemy's turn, the ally's turn, the victory line.
class Fight {
 public:
  Fight(Context& context, const FightTable& table, int& enemyHealth, FightRules rules = {});

  // Rounds until one side falls (or the apples end it). A lost fight ends the game unless the
  // rules leave the death to the scene.
  FightEnd play();

  // The player's turn alone: the round prompt, the answer and the one action it picks.
  void playerTurn();

  // What the turns and the actions with rules of their own work with.
  Context& context() const { return context_; }
  GameState& state() const { return context_.state; }
  Console& console() const { return context_.console; }
  const FightTable& table() const { return table_; }
  int& enemyHealth() const { return enemyHealth_; }
  int& enemyCount() const { return *rules_.enemyCount; }
  void perform(const Action& action);
  void perform(const Deed& deed);
  // The roll of a turn of the enemy or a companion, 1 to 20, kept in Roll.
  int drawTurnRoll();
  // The band for an enemy roll of 1 to 20.
  static const Deed& band(const Bands& bands, int roll);

 private:
  void act(char answer);
  void apply(const Effect& effect);
  void strike(const Strike& strike);

  Context& context_;
  const FightTable& table_;
  int& enemyHealth_;
  FightRules rules_;
  bool applesThrown_ = false;
};

// The common enemy turn: the enemy roll is drawn every round; a band applies while the enemy
// still stands.
void bandedEnemyTurn(Fight& fight);

// Sets the enemy's hit points, prints the intro and plays the fight.
FightEnd stageFight(Context& context, const FightTable& table, int& enemyHealth,
                    FightRules rules = {});

}  // namespace qm
