#include "combat/fight.h"

#include <array>
#include <string_view>

#include "core/counters.h"
#include "core/death.h"

namespace qm {

namespace {

constexpr char kApples = 'A';

// The player's actions, tried in this order; at most one of them runs in a round. An ability
// runs only when the player's ability of its slot carries exactly its name.
struct Handler {
  char answer;
  std::string_view ability;
  Action FightTable::*action;
};

constexpr std::array<Handler, 9> kHandlers = {{
    {'1', "Stab", &FightTable::stab},
    {kApples, "", &FightTable::apples},
    {'2', "Pickpocket", &FightTable::pickpocket},
    {'1', "Magic Missile", &FightTable::magicMissile},
    {'2', "Suggestion", &FightTable::suggestion},
    {'1', "Slash", &FightTable::slash},
    {'2', "Bash", &FightTable::bash},
    {'1', "Shoot", &FightTable::shoot},
    {'2', "Tame", &FightTable::tame},
}};

// The attack roll: rand() % 20, a hit from 10 up. There is no critical hit: the roll never
// reaches the top value that would call for one.
constexpr int kAttackRolls = 20;
constexpr int kFirstHit = 10;
constexpr int kHitDamage = 5;

// The enemy's roll: rand() % 20 + 1; 1 is a fumble, 2 to 10 the weak band, 11 to 20 the strong.
constexpr int kEnemyRolls = 20;
constexpr int kLastWeakRoll = 10;

}  // namespace

Fight::Fight(Context& context, const FightTable& table, int& enemyHealth, FightRules rules)
    : context_(context), table_(table), enemyHealth_(enemyHealth), rules_(rules) {
  if (!rules_.enemyTurn) rules_.enemyTurn = bandedEnemyTurn;
}

FightEnd Fight::play() {
  GameState& player = state();
  while (true) {
    playerTurn();
    if (applesThrown_) return FightEnd::ApplesThrown;
    rules_.enemyTurn(*this);
    if (rules_.allyTurn) rules_.allyTurn(*this);
    if (enemyHealth_ <= 0) tell(console(), table_.victory);
    if (player.PlayerHealth <= 0) {
      if (rules_.deathEndsGame) dieNow();
      return FightEnd::Lost;
    }
    if (enemyHealth_ <= 0) return FightEnd::Won;
  }
}

void Fight::playerTurn() {
  const GameState& player = state();
  console().print(player.PrimaryAbility, "(1) ", player.SecondaryAbility, "(2) ");
  if (rules_.applesOffered && player.Apples > 0) {
    console().line("Use the apples (A)");
    console().line();
  } else {
    console().line();
  }
  act(ask(context_, rules_.applesOffered ? "12A" : "12"));
}

void Fight::act(char answer) {
  GameState& player = state();
  for (const Handler& handler : kHandlers) {
    if (handler.answer != answer) continue;
    if (answer == kApples) {
      if (player.Apples <= 0) continue;
      perform(table_.*handler.action);
      subtract(player.Apples, 1);
      applesThrown_ = rules_.applesEndFight;
      return;
    }
    const std::string& ability = answer == '1' ? player.PrimaryAbility : player.SecondaryAbility;
    if (ability != handler.ability) continue;
    perform(table_.*handler.action);
    return;
  }
}

void Fight::perform(const Action& action) {
  if (const auto* rolled = std::get_if<Strike>(&action)) {
    strike(*rolled);
  } else if (const auto* deed = std::get_if<Deed>(&action)) {
    perform(*deed);
  } else if (const auto* special = std::get_if<Special>(&action)) {
    special->act(*this);
  }
}

void Fight::perform(const Deed& deed) {
  tell(console(), deed.lines);
  apply(deed.effect);
}

void Fight::apply(const Effect& effect) {
  GameState& player = state();
  subtract(enemyHealth_, effect.enemyLoses);
  if (effect.enemyFalls) enemyHealth_ = 0;
  subtract(player.PlayerHealth, effect.playerLoses);
  add(player.PlayerGold, effect.goldFound);
}

void Fight::strike(const Strike& lines) {
  GameState& player = state();
  player.Roll = context_.random.draw(kAttackRolls);
  if (player.Roll >= kFirstHit) {
    console().line(enemyHealth_ > rules_.finishingAt ? lines.wounding : lines.finishing);
    subtract(enemyHealth_, kHitDamage);
  } else {
    console().line(lines.miss);
  }
}

int Fight::drawTurnRoll() {
  state().Roll = context_.random.draw(kEnemyRolls, 1);
  return state().Roll;
}

const Deed& Fight::band(const Bands& bands, int roll) {
  if (roll == 1) return bands.fumble;
  return roll <= kLastWeakRoll ? bands.weak : bands.strong;
}

void bandedEnemyTurn(Fight& fight) {
  const int roll = fight.drawTurnRoll();
  if (fight.enemyHealth() > 0) fight.perform(Fight::band(fight.table().enemy, roll));
}

FightEnd stageFight(Context& context, const FightTable& table, int& enemyHealth, FightRules rules) {
  enemyHealth = table.startingHealth;
  tell(context.console, table.intro);
  return Fight(context, table, enemyHealth, rules).play();
}

}  // namespace qm
