#include "calc/battle.h"

#include <algorithm>
#include <array>
#include <string>

#include "data/abilities.h"
#include "data/species.h"
#include "text/format.h"

namespace kerumina::calc {
namespace {

using data::AbilityId;
using data::ItemId;
using data::MoveId;
using data::TypeId;

constexpr MoveId VARIABLE_STRIKE_MOVES[] = {2, 3, 30, 41, 130, 139, 153, 197, 291, 330, 332, 349};
constexpr MoveId DOUBLE_STRIKE_MOVES[] = {23, 40, 154, 457};
constexpr MoveId TRIPLE_KICK = 166;
constexpr std::int32_t TRIPLE_KICK_POWERS[] = {10, 20, 30};
constexpr MoveId KNOCK_OFF = 281;
constexpr MoveId THIEF_MOVES[] = {167, 342};
constexpr MoveId BERRY_EATING_MOVES[] = {364, 449};
constexpr MoveId ITEM_TAKING_MOVES[] = {KNOCK_OFF, 167, 342, 364, 449};
constexpr MoveId BINDING_MOVES[] = {19, 34, 82, 127, 249, 327, 462};

constexpr AbilityId ABILITY_ICE_BODY = 1;
constexpr AbilityId ABILITY_RAIN_DISH = 5;
constexpr AbilityId ABILITY_HYDRATION = 12;
constexpr AbilityId ABILITY_SKILL_LINK = 42;
constexpr AbilityId ABILITY_SAND_VEIL = 46;
constexpr AbilityId ABILITY_SHED_SKIN = 53;
constexpr AbilityId ABILITY_STICKY_HOLD = 73;
constexpr AbilityId ABILITY_POISON_HEAL = 97;
constexpr AbilityId ABILITY_MAGIC_GUARD = 104;
constexpr AbilityId ABILITY_SNOW_CLOAK = 116;

constexpr ItemId ITEM_NONE = 0;
constexpr ItemId ITEM_LIFE_ORB = 2;
constexpr ItemId ITEM_ATTACK_BERRY = 14;
constexpr ItemId ITEM_SP_ATTACK_BERRY = 15;
constexpr ItemId ITEM_LEFTOVERS = 17;
constexpr ItemId ITEM_BLACK_SLUDGE = 18;
constexpr ItemId ITEM_FOCUS_SASH = 19;
constexpr ItemId ITEM_SITRUS_BERRY = 20;
constexpr ItemId ITEM_FIRST_HALVING_BERRY = 21;

template <typename Set>
bool IsOneOf(std::int32_t value, const Set& set) {
  return std::find(std::begin(set), std::end(set), value) != std::end(set);
}

bool MoveIsOneOf(const DamageRequest& request, const auto& moves) {
  return request.rowKind != RowKind::Direct && IsOneOf(request.moveId, moves);
}

bool HoldsNothing(ItemId item) {
  return item == ITEM_NONE || item == data::ITEM_EMPTY_ROW;
}

bool IsBerry(ItemId item) {
  return item == ITEM_ATTACK_BERRY || item == ITEM_SP_ATTACK_BERRY || item == ITEM_SITRUS_BERRY ||
         item >= ITEM_FIRST_HALVING_BERRY;
}

// Every loss and every heal of a turn is at least 1.
std::int64_t Part(std::int64_t hp, std::int64_t divisor) {
  return std::max<std::int64_t>(1, hp / divisor);
}

// The defender as entry hazards and the end of turn see it: its own ability (かたやぶり acts on
// strikes only) and the types the weather gives it.
struct Defender {
  std::int64_t hp;
  ItemId item;  // none under ぶきよう
  AbilityId ability;
  TypeId type1;
  TypeId type2;
  DefenderStatus status;  // none where the games allow none

  bool HasType(TypeId type) const { return type1 == type || type2 == type; }
  bool Guarded() const { return ability == ABILITY_MAGIC_GUARD; }
};

Defender DefenderOf(const DamageRequest& request, std::int32_t weather) {
  const box::BoxEntry& entry = *request.defender;
  const auto [type1, type2] = TypesInBattle(entry, weather);
  const DefenderStatus status =
      StatusPossible(entry, request.defenderStatus) ? request.defenderStatus : DefenderStatus::None;
  const ItemId item = entry.ability == data::ABILITY_KLUTZ ? ITEM_NONE : entry.item;
  return {entry.stat[data::STAT_HP], item, entry.ability, type1, type2, status};
}

std::int64_t StealthRockDamage(const Defender& defender) {
  constexpr TypeId ROCK = data::TYPE_ROCK;
  const std::int64_t halves1 = data::TYPE_CHART[ROCK][defender.type1];
  const std::int64_t quarters = defender.type1 == defender.type2
                                    ? 2 * halves1
                                    : halves1 * data::TYPE_CHART[ROCK][defender.type2];
  return std::max<std::int64_t>(1, defender.hp * quarters / 32);
}

std::int64_t SpikesDamage(const Defender& defender, std::int32_t layers, bool gravity) {
  const bool airborne =
      defender.HasType(data::TYPE_FLYING) || defender.ability == data::ABILITY_LEVITATE;
  if (layers <= 0 || (airborne && !gravity)) return 0;
  constexpr std::int64_t DIVISORS[] = {8, 6, 4};
  return Part(defender.hp, DIVISORS[std::min(layers, SPIKES_MAX) - 1]);
}

// One end-of-turn change of the defender's HP.
struct TurnStep {
  int slot;             // 1 weather, 2 held item, 3 やどりぎ, 4 status
  std::int64_t change;  // heal above 0, loss below
  bool growing;         // times the turn's number (もうどく)
  bool needsItem;       // only while the defender still holds its item
};

class TurnSteps {
 public:
  TurnSteps(const DamageRequest& request, const Defender& defender, std::int32_t weather);

  const std::vector<TurnStep>& steps() const { return steps_; }
  const std::vector<std::string>& lines() const { return lines_; }

 private:
  void Heal(int slot, std::int64_t divisor, const char* name, bool needsItem = false);
  void Lose(int slot, std::int64_t amount, const char* name, bool growing = false,
            bool needsItem = false);
  void Weather(std::int32_t weather);
  void Status();

  const Defender& defender_;
  bool cured_ = false;
  std::vector<TurnStep> steps_;
  std::vector<std::string> lines_;
};

TurnSteps::TurnSteps(const DamageRequest& request, const Defender& defender, std::int32_t weather)
    : defender_(defender) {
  Weather(weather);
  if (defender.item == ITEM_LEFTOVERS) Heal(2, 16, "たべのこし", true);
  if (defender.item == ITEM_BLACK_SLUDGE) {
    if (defender.HasType(data::TYPE_POISON)) {
      Heal(2, 16, "くろいヘドロ", true);
    } else {
      Lose(2, Part(defender.hp, 8), "くろいヘドロ", false, true);
    }
  }
  if (request.leechSeed && SeedPossible(*request.defender)) {
    Lose(3, Part(defender.hp, 8), "やどりぎのタネ");
  }
  if (!cured_) Status();
}

void TurnSteps::Heal(int slot, std::int64_t divisor, const char* name, bool needsItem) {
  const std::int64_t amount = Part(defender_.hp, divisor);
  steps_.push_back({slot, amount, false, needsItem});
  lines_.push_back(text::Format("(%d) %s +%d", slot, name, amount));
}

void TurnSteps::Lose(int slot, std::int64_t amount, const char* name, bool growing,
                     bool needsItem) {
  if (defender_.Guarded()) return;
  steps_.push_back({slot, -amount, growing, needsItem});
  lines_.push_back(growing ? text::Format("(%d) %s -%d×ターン数", slot, name, amount)
                           : text::Format("(%d) %s -%d", slot, name, amount));
}

void TurnSteps::Weather(std::int32_t weather) {
  const AbilityId ability = defender_.ability;
  switch (weather) {
    case WEATHER_SANDSTORM:
      if (!defender_.HasType(data::TYPE_ROCK) && !defender_.HasType(data::TYPE_GROUND) &&
          !defender_.HasType(data::TYPE_STEEL) && ability != ABILITY_SAND_VEIL) {
        Lose(1, Part(defender_.hp, 16), "砂嵐");
      }
      break;
    case WEATHER_HAIL:
      if (ability == ABILITY_ICE_BODY) {
        Heal(1, 16, "アイスボディ");
      } else if (!defender_.HasType(data::TYPE_ICE) && ability != ABILITY_SNOW_CLOAK) {
        Lose(1, Part(defender_.hp, 16), "霰");
      }
      break;
    case WEATHER_RAIN:
      if (ability == ABILITY_RAIN_DISH) Heal(1, 16, "あめうけざら");
      if (ability == data::ABILITY_DRY_SKIN) Heal(1, 8, "かんそうはだ");
      if (ability == ABILITY_HYDRATION && defender_.status != DefenderStatus::None) {
        cured_ = true;
        lines_.push_back("(1) うるおいボディ： 状態異常が治る");
      }
      break;
    case WEATHER_SUN:
      if (ability == data::ABILITY_DRY_SKIN || ability == data::ABILITY_SOLAR_POWER) {
        Lose(1, Part(defender_.hp, 8), data::AbilityName(ability).data());
      }
      break;
    default:
      break;
  }
}

void TurnSteps::Status() {
  const bool poisoned = defender_.status == DefenderStatus::Poison;
  switch (defender_.status) {
    case DefenderStatus::Poison:
    case DefenderStatus::Toxic:
      if (defender_.ability == ABILITY_POISON_HEAL) {
        Heal(4, 8, "ポイズンヒール");
      } else if (poisoned) {
        Lose(4, Part(defender_.hp, 8), "どく");
      } else {
        Lose(4, Part(defender_.hp, 16), "もうどく", true);
      }
      break;
    case DefenderStatus::Burn:
      Lose(4, Part(defender_.hp, defender_.ability == data::ABILITY_HEATPROOF ? 16 : 8), "やけど");
      break;
    default:
      break;
  }
}

// Whether the row's move takes the defender's item after its first strike.
bool TakesItem(const DamageRequest& request) {
  const box::BoxEntry& attacker = *request.attacker;
  const box::BoxEntry& defender = *request.defender;
  if (HoldsNothing(defender.item)) return false;
  if (defender.ability == ABILITY_STICKY_HOLD && attacker.ability != data::ABILITY_MOLD_BREAKER) {
    return false;
  }
  if (MoveIsOneOf(request, std::array{KNOCK_OFF})) return true;
  if (MoveIsOneOf(request, THIEF_MOVES)) return HoldsNothing(attacker.item);
  return MoveIsOneOf(request, BERRY_EATING_MOVES) && IsBerry(defender.item);
}

// The mass of one roll value among the sixteen.
struct RollShare {
  std::int64_t damage;
  double share;
};
using RollShares = std::vector<RollShare>;

RollShares SharesOf(const Rolls& rolls) {
  RollShares shares;
  for (const std::int64_t damage : rolls) {
    if (shares.empty() || shares.back().damage != damage) shares.push_back({damage, 0.0});
    shares.back().share += 1.0 / ROLL_COUNT;
  }
  return shares;
}

using Distribution = std::vector<double>;  // [hp] for hp 1..max; [0] unused

// The chance of every HP the defender can still have, split by what its item can still do.
// The sash layers live only through one use of a move.
enum Layer { ITEM_GONE, ITEM_HELD, SASH_READY, SASH_USED, LAYER_COUNT };
using Layers = std::array<Distribution, LAYER_COUNT>;

struct StrikeRolls {
  Rolls heldRolls;  // the defender still holds its item
  Rolls goneRolls;
  RollShares held;
  RollShares gone;
};

// A dynamic programme over the defender's HP: strikes and end-of-turn steps move mass down
// or up; what reaches 0 is fainted for good. Every chance is a sum of products of 1/16 and
// eighths, so doubles keep it to far below the tenth of a percent shown.
class HpChain {
 public:
  HpChain(std::int64_t hp, ItemId item) : hp_(hp), item_(item) {
    for (Distribution& layer : layers_) layer.assign(hp + 1, 0.0);
    scratch_ = layers_;
  }

  void Enter(std::int64_t damage);
  void Use(const std::vector<StrikeCount>& counts, const std::vector<StrikeRolls>& strikes,
           bool berryEaten, bool itemTaken);
  void EndTurn(const std::vector<TurnStep>& steps, std::int64_t turn);
  double fainted() const { return fainted_; }
  bool AnyAlive() const;

 private:
  double StrikeLayer(Layer layer, const RollShares& rolls, Distribution& to) const;
  double Strike(const StrikeRolls& rolls);
  void Shift(Layer layer, std::int64_t change);
  void Sitrus();
  void LoseItem();

  std::int64_t hp_;
  ItemId item_;
  Layers layers_;
  Layers scratch_;
  double fainted_ = 0.0;
};

void HpChain::Enter(std::int64_t damage) {
  if (damage >= hp_) {
    fainted_ = 1.0;
    return;
  }
  layers_[HoldsNothing(item_) ? ITEM_GONE : ITEM_HELD][hp_ - damage] = 1.0;
  Sitrus();
}

bool HpChain::AnyAlive() const {
  for (const Distribution& layer : layers_) {
    if (std::ranges::any_of(layer, [](double mass) { return mass > 0.0; })) return true;
  }
  return false;
}

// One roll after another moves the mass down by its damage; what would reach 0 is returned.
double HpChain::StrikeLayer(Layer layer, const RollShares& rolls, Distribution& to) const {
  const Distribution& from = layers_[layer];
  std::int64_t lo = 1;
  std::int64_t hi = hp_;
  while (lo <= hi && from[lo] == 0.0) ++lo;
  while (hi >= lo && from[hi] == 0.0) --hi;
  double reached = 0.0;
  for (const RollShare& roll : rolls) {
    const std::int64_t damage = roll.damage;
    for (std::int64_t h = std::max(lo, damage + 1); h <= hi; ++h) {
      to[h - damage] += roll.share * from[h];
    }
    for (std::int64_t h = lo; h <= std::min(hi, damage); ++h) reached += roll.share * from[h];
  }
  return reached;
}

double HpChain::Strike(const StrikeRolls& rolls) {
  for (Distribution& layer : scratch_) std::ranges::fill(layer, 0.0);
  double fainted = StrikeLayer(ITEM_GONE, rolls.gone, scratch_[ITEM_GONE]);
  fainted += StrikeLayer(ITEM_HELD, rolls.held, scratch_[ITEM_HELD]);
  // The sash holds at 1 HP through every strike of the use it was ready for.
  scratch_[SASH_USED][1] =
      layers_[SASH_USED][1] + StrikeLayer(SASH_READY, rolls.held, scratch_[SASH_READY]);
  std::swap(layers_, scratch_);
  return fainted;
}

void HpChain::Use(const std::vector<StrikeCount>& counts, const std::vector<StrikeRolls>& strikes,
                  bool berryEaten, bool itemTaken) {
  if (item_ == ITEM_FOCUS_SASH) std::swap(layers_[ITEM_HELD][hp_], layers_[SASH_READY][hp_]);
  Layers done;
  for (Distribution& layer : done) layer.assign(hp_ + 1, 0.0);
  std::int32_t remaining = STRIKE_WEIGHT_TOTAL;  // eighths of the uses still striking
  for (std::size_t j = 0; j < strikes.size(); ++j) {
    fainted_ += Strike(strikes[j]) * remaining / STRIKE_WEIGHT_TOTAL;
    Sitrus();
    if (j == 0 && berryEaten) LoseItem();
    for (const StrikeCount& count : counts) {
      if (count.count != static_cast<std::int32_t>(j + 1)) continue;
      const double share = static_cast<double>(count.weight) / STRIKE_WEIGHT_TOTAL;
      for (int layer = 0; layer < LAYER_COUNT; ++layer) {
        for (std::int64_t h = 1; h <= hp_; ++h) done[layer][h] += share * layers_[layer][h];
      }
      remaining -= count.weight;
    }
  }
  layers_ = std::move(done);
  for (std::int64_t h = 1; h <= hp_; ++h) {
    layers_[ITEM_HELD][h] += layers_[SASH_READY][h];
    layers_[ITEM_GONE][h] += layers_[SASH_USED][h];
    layers_[SASH_READY][h] = layers_[SASH_USED][h] = 0.0;
  }
  if (itemTaken) LoseItem();
}

void HpChain::Shift(Layer layer, std::int64_t change) {
  Distribution& from = layers_[layer];
  Distribution& to = scratch_[layer];
  std::ranges::fill(to, 0.0);
  for (std::int64_t h = 1; h <= hp_; ++h) {
    if (from[h] == 0.0) continue;
    const std::int64_t after = std::min(hp_, h + change);
    if (after <= 0) {
      fainted_ += from[h];
    } else {
      to[after] += from[h];
    }
  }
  std::swap(from, to);
}

void HpChain::EndTurn(const std::vector<TurnStep>& steps, std::int64_t turn) {
  for (int slot = 1; slot <= 4; ++slot) {
    for (const TurnStep& step : steps) {
      if (step.slot != slot) continue;
      const std::int64_t change = step.growing ? step.change * turn : step.change;
      Shift(ITEM_HELD, change);
      if (!step.needsItem) Shift(ITEM_GONE, change);
    }
    if (slot == 1 || slot == 4) Sitrus();
  }
}

// オボンのみ: eaten as soon as the HP is at half or below.
void HpChain::Sitrus() {
  if (item_ != ITEM_SITRUS_BERRY) return;
  Distribution& held = layers_[ITEM_HELD];
  for (std::int64_t h = 1; h <= hp_ / 2; ++h) {
    if (held[h] == 0.0) continue;
    layers_[ITEM_GONE][std::min(hp_, h + Part(hp_, 4))] += held[h];
    held[h] = 0.0;
  }
}

void HpChain::LoseItem() {
  for (std::int64_t h = 1; h <= hp_; ++h) {
    layers_[ITEM_GONE][h] += layers_[ITEM_HELD][h];
    layers_[ITEM_HELD][h] = 0.0;
  }
}

bool HurtsAttackerAtTurnEnd(const DamageRequest& request, std::int32_t weather) {
  const box::BoxEntry& attacker = *request.attacker;
  const bool poisoned = request.abilityActive && attacker.ability == data::ABILITY_GUTS;
  return IsOneOf(attacker.item, std::array{ITEM_LIFE_ORB, ITEM_LEFTOVERS, ITEM_BLACK_SLUDGE}) ||
         request.burned || poisoned || weather == WEATHER_SANDSTORM || weather == WEATHER_HAIL;
}

void AddConditionNotes(const DamageRequest& request, GameDamageResult& result) {
  const box::BoxEntry& defender = *request.defender;
  constexpr const char* STATUS_NAMES[] = {"", "どく", "もうどく", "やけど"};
  const auto status = static_cast<std::size_t>(request.defenderStatus);
  if (status < std::size(STATUS_NAMES) && !StatusPossible(defender, request.defenderStatus)) {
    result.notes.push_back(
        text::Format("防御側は「%s」にならないため状態異常なしとして計算", STATUS_NAMES[status]));
  } else if (defender.ability == ABILITY_SHED_SKIN &&
             request.defenderStatus != DefenderStatus::None) {
    result.notes.push_back("「だっぴ」で状態異常が治ることは計算に入れない");
  }
  if (request.leechSeed && !SeedPossible(defender)) {
    result.notes.push_back("くさタイプの防御側に「やどりぎのタネ」は効かない");
  }
  if (MoveIsOneOf(request, BINDING_MOVES)) {
    result.notes.push_back(
        text::Format("「%s」の毎ターンのダメージは計算に入れない", data::MoveName(request.moveId)));
  }
}

// Each strike of a use, with the defender's item and without it (トリプルキック: 10, 20, 30).
std::vector<StrikeRolls> StrikesOf(const DamageRequest& request, std::int32_t strikes,
                                   const Rolls& first, bool holdsItem) {
  const bool tripleKick = MoveIsOneOf(request, std::array{TRIPLE_KICK});
  std::vector<StrikeRolls> result;
  for (std::int32_t j = 0; j < strikes; ++j) {
    const std::int32_t power = tripleKick ? TRIPLE_KICK_POWERS[j] : 0;
    const Rolls held = j == 0 ? first : ComputeGameDamage(request, {power, false}).rolls;
    const Rolls gone = holdsItem ? ComputeGameDamage(request, {power, true}).rolls : held;
    result.push_back({held, gone, SharesOf(held), SharesOf(gone)});
  }
  return result;
}

std::int64_t TotalOf(const std::vector<Rolls>& rolls, std::int32_t strikes, bool greatest) {
  std::int64_t total = 0;
  for (std::int32_t j = 0; j < strikes; ++j) total += greatest ? rolls[j].back() : rolls[j].front();
  return total;
}

double PercentOf(std::int64_t damage, std::int64_t hp) {
  return static_cast<double>(1000 * damage / hp) / 10.0;
}

void FollowTurns(const DamageRequest& request, const Defender& defender, const TurnSteps& steps,
                 std::int64_t entry, GameDamageResult& result) {
  const std::int32_t strikes = result.strikes.back().count;
  const bool holdsItem = !HoldsNothing(defender.item);
  const std::vector<StrikeRolls> rolls = StrikesOf(request, strikes, result.rolls, holdsItem);
  // The first use as it lands: a berry halves the first strike only.
  result.strikeRolls.clear();
  for (std::int32_t j = 0; j < strikes; ++j) {
    result.strikeRolls.push_back(j > 0 && result.berryHalved ? rolls[j].goneRolls
                                                             : rolls[j].heldRolls);
  }
  result.minDamage = TotalOf(result.strikeRolls, result.strikes.front().count, false);
  result.maxDamage = TotalOf(result.strikeRolls, strikes, true);
  result.minPercent = PercentOf(result.minDamage, defender.hp);
  result.maxPercent = PercentOf(result.maxDamage, defender.hp);

  HpChain chain(defender.hp, defender.item);
  chain.Enter(entry);
  const bool taken = TakesItem(request);
  result.hitsMin = result.hitsMax = 0;
  for (int turn = 1; turn <= BATTLE_TURNS_MAX; ++turn) {
    chain.Use(result.strikes, rolls, result.berryHalved, taken);
    chain.EndTurn(steps.steps(), turn);
    const bool alive = chain.AnyAlive();
    const double fainted = alive ? std::clamp(chain.fainted(), 0.0, 1.0) : 1.0;
    if (turn <= KO_HITS_MAX) result.koProbability[turn] = fainted;
    if (result.hitsMin == 0 && fainted > 0.0) result.hitsMin = turn;
    if (!alive) {
      result.hitsMax = turn;
      for (int later = turn + 1; later <= KO_HITS_MAX; ++later) result.koProbability[later] = 1.0;
      break;
    }
  }
}

}  // namespace

std::vector<StrikeCount> StrikeCounts(const DamageRequest& request) {
  if (!request.attacker) return {StrikeCount{}};
  if (MoveIsOneOf(request, VARIABLE_STRIKE_MOVES)) {
    if (request.attacker->ability == ABILITY_SKILL_LINK) return {{5, STRIKE_WEIGHT_TOTAL}};
    return {{2, 3}, {3, 3}, {4, 1}, {5, 1}};
  }
  if (MoveIsOneOf(request, DOUBLE_STRIKE_MOVES)) return {{2, STRIKE_WEIGHT_TOTAL}};
  if (MoveIsOneOf(request, std::array{TRIPLE_KICK})) return {{3, STRIKE_WEIGHT_TOTAL}};
  return {StrikeCount{}};
}

GameDamageResult ComputeGameBattle(const DamageRequest& request) {
  GameDamageResult result = ComputeGameDamage(request);
  if (result.skipped || result.notComputable) return result;
  AddConditionNotes(request, result);
  const std::int32_t weather = WeatherInPlay(request);
  const Defender defender = DefenderOf(request, weather);
  std::int64_t entry = 0;
  if (!defender.Guarded()) {
    if (request.stealthRock) entry += StealthRockDamage(defender);
    entry += SpikesDamage(defender, request.spikes, request.gravity);
  }
  result.entryDamage = entry;
  if (entry >= defender.hp) {
    result.entryFaints = true;
    result.koExact = false;
    result.koProbability.fill(1.0);
    result.koProbability[0] = 0.0;
    result.hitsMin = result.hitsMax = 0;
    return result;
  }
  if (result.immune) return result;

  const TurnSteps steps(request, defender, weather);
  result.endOfTurn = steps.lines();
  result.strikes = StrikeCounts(request);
  const bool lone = result.strikes.size() == 1 && result.strikes[0].count == 1 && entry == 0 &&
                    steps.lines().empty() && request.defender->item <= data::ITEM_EMPTY_ROW &&
                    !MoveIsOneOf(request, ITEM_TAKING_MOVES);
  if (lone) {
    for (int n = 1; n <= KO_HITS_MAX; ++n) {
      const KoChance& chance = result.koChance[n];
      result.koProbability[n] =
          static_cast<double>(chance.numerator) / static_cast<double>(chance.denominator);
    }
    return result;
  }
  result.koExact = false;
  result.koChance = {};
  if (HurtsAttackerAtTurnEnd(request, weather)) {
    result.notes.push_back("攻撃側のターン終了時の変化は計算に入れない");
  }
  FollowTurns(request, defender, steps, entry, result);
  return result;
}

}  // namespace kerumina::calc
