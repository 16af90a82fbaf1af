#include "calc/game_damage.h"

#include <algorithm>
#include <utility>

#include "calc/hidden_power.h"
#include "data/abilities.h"
#include "data/species.h"
#include "text/format.h"

namespace kerumina::calc {
namespace {

using data::AbilityId;
using data::ItemId;
using data::MoveId;
using data::SpeciesId;
using data::TypeId;

// The games apply a defender's two type factors in this order of the defending type, and
// each product is truncated, so the order can move the result by one.
constexpr std::array<TypeId, 17> DEFENDING_TYPE_ORDER = {0, 10, 11, 13, 12, 15, 1,  3, 4,
                                                         2, 14, 6,  5,  7,  16, 17, 8};

// Abilities only this model needs.
constexpr AbilityId ABILITY_BATTLE_ARMOR = 19;  // カブトアーマー
constexpr AbilityId ABILITY_SHELL_ARMOR = 33;   // シェルアーマー
constexpr AbilityId ABILITY_SNIPER = 44;        // スナイパー
constexpr AbilityId ABILITY_MARVEL_SCALE = 88;  // ふしぎなうろこ
constexpr AbilityId ABILITY_WATER_VEIL = 106;   // みずのベール
constexpr AbilityId ABILITY_IMMUNITY = 110;     // めんえき
constexpr AbilityId ABILITY_INTIMIDATE = 8;     // いかく
constexpr AbilityId ABILITY_RECKLESS = 43;      // すてみ
constexpr AbilityId ABILITY_DOWNLOAD = 52;      // ダウンロード
constexpr AbilityId ABILITY_IRON_FIST = 61;     // てつのこぶし
constexpr AbilityId ABILITY_RIVALRY = 66;       // とうそうしん
constexpr AbilityId ABILITY_FLOWER_GIFT = 93;   // フラワーギフト
constexpr AbilityId ABILITY_SOUNDPROOF = 98;    // ぼうおん

// Defender abilities the attacker's ability 18 switches off.
constexpr AbilityId BROKEN_ABILITIES[] = {
    data::ABILITY_THICK_FAT,   data::ABILITY_DRY_SKIN,     data::ABILITY_HEATPROOF,
    data::ABILITY_VOLT_ABSORB, data::ABILITY_WATER_ABSORB, data::ABILITY_MOTOR_DRIVE,
    data::ABILITY_SOLID_ROCK,  data::ABILITY_FILTER,       data::ABILITY_WONDER_GUARD,
    data::ABILITY_LEVITATE,    data::ABILITY_FLASH_FIRE,   ABILITY_FLOWER_GIFT,
    data::ABILITY_SIMPLE,      data::ABILITY_UNAWARE,      ABILITY_SOUNDPROOF,
    ABILITY_MARVEL_SCALE};

enum Item : ItemId {
  ITEM_NONE = 0,
  ITEM_TYPE_BOOST = 1,        // 各種タイプ補正
  ITEM_LIFE_ORB = 2,          // いのちのたま
  ITEM_CHOICE_BAND = 3,       // こだわりハチマキ
  ITEM_CHOICE_SPECS = 4,      // こだわりメガネ
  ITEM_MUSCLE_BAND = 5,       // ちからのハチマキ
  ITEM_LIGHT_BALL = 6,        // でんきだま
  ITEM_THICK_CLUB = 7,        // ふといホネ
  ITEM_WISE_GLASSES = 8,      // ものしりメガネ
  ITEM_EXPERT_BELT = 9,       // たつじんのおび
  ITEM_SOUL_DEW = 10,         // こころのしずく
  ITEM_DEEP_SEA_TOOTH = 11,   // しんかいのキバ
  ITEM_DEEP_SEA_SCALE = 12,   // しんかいのウロコ
  ITEM_METAL_POWDER = 13,     // メタルパウダー
  ITEM_ATTACK_BERRY = 14,     // チイラのみ
  ITEM_SP_ATTACK_BERRY = 15,  // ヤタピのみ
  ITEM_FIRST_HALVING_BERRY = 21,
  ITEM_NORMAL_BERRY = 37,  // ホズのみ
};

// The type each halving berry 21..36 weakens, in item order.
constexpr TypeId HALVING_BERRY_TYPES[] = {10, 11, 13, 12, 15, 1, 3, 4, 2, 14, 6, 5, 7, 16, 17, 8};

// The species a species-bound item works for.
constexpr SpeciesId SOUL_DEW_SPECIES[] = {379, 380};
constexpr SpeciesId LIGHT_BALL_SPECIES[] = {24};
constexpr SpeciesId THICK_CLUB_SPECIES[] = {103, 104};
constexpr SpeciesId DEEP_SEA_SPECIES[] = {365};
constexpr SpeciesId METAL_POWDER_SPECIES[] = {131};
constexpr SpeciesId WEATHER_FORM_SPECIES = 350;  // the only species ability 63 changes

// Moves with a rule of their own.
constexpr MoveId CHARGING_SUN_MOVE = 75;  // ソーラービーム
constexpr MoveId SELF_DESTRUCT_MOVES[] = {119, 152};
constexpr MoveId STRUGGLE_MOVE = 164;  // わるあがき: typeless, but type items boost it
constexpr MoveId FRIENDSHIP_MOVES[] = {215, 217};
constexpr MoveId IV_TYPED_MOVE = 236;
constexpr MoveId STATUS_DOUBLED_MOVE = 262;
constexpr MoveId SCREEN_BREAKING_MOVE = 279;
constexpr MoveId HP_SCALED_MOVES[] = {283, 322};
constexpr MoveId WEATHER_TYPED_MOVE = 310;
constexpr MoveId FIRST_STRIKE_MOVE = 370;  // しっぺがえし
constexpr MoveId WONDER_GUARD_PIERCING_MOVE = 423;
constexpr MoveId FUTURE_MOVES[] = {247, 352};  // hit later, from the user's side
constexpr MoveId TYPELESS_MOVES[] = {STRUGGLE_MOVE, 247, 352};
constexpr MoveId SOUND_MOVES[] = {172, 252, 303, 404, 447};
constexpr MoveId RECKLESS_MOVES[] = {25, 35, 37, 65, 135, 343, 393, 412, 451, 456};
constexpr MoveId PUNCHING_MOVES[] = {3,   4,   6,   7,   8,   145, 182, 222,
                                     263, 308, 324, 326, 358, 408, 417};

struct FixedDamageMove {
  MoveId move;
  std::int32_t damage;  // 0: the attacker's level
};
constexpr FixedDamageMove FIXED_DAMAGE_MOVES[] = {{68, 0}, {100, 0}, {48, 20}, {81, 40}};

constexpr std::int32_t VARIABLE_POWER = 1;
constexpr std::int32_t FRIENDSHIP_POWER = 102;
constexpr std::int32_t WEATHER_BOOSTED_POWER = 100;
constexpr std::int32_t TARGET_BOTH_FOES = 2;
constexpr std::int32_t TARGET_ALL = 3;

// Type factor products in quarters.
constexpr std::int64_t NEUTRAL = 4;

template <typename Set>
bool IsOneOf(std::int32_t value, const Set& set) {
  return std::find(std::begin(set), std::end(set), value) != std::end(set);
}

// x × a / b, truncated: the games' step after every modifier.
std::int64_t Scale(std::int64_t x, std::int64_t a, std::int64_t b) {
  return x * a / b;
}

std::int64_t ApplyStage(std::int64_t stat, std::int32_t stage) {
  return stage >= 0 ? Scale(stat, 2 + stage, 2) : Scale(stat, 2, 2 - stage);
}

std::int32_t ClampStage(std::int32_t stage) {
  return std::clamp(stage, STAGE_MIN, STAGE_MAX);
}

std::int64_t CeilDiv(std::int64_t a, std::int64_t b) {
  return a / b + (a % b != 0 ? 1 : 0);
}

// The games walk one table whose order depends on the move: a こおり move meets ほのお last,
// a ゴースト move meets ゴースト after あく and はがね.
std::int32_t DefendingRank(TypeId defending, TypeId move) {
  if ((move == data::TYPE_ICE && defending == data::TYPE_FIRE) ||
      (move == data::TYPE_GHOST && defending == data::TYPE_GHOST)) {
    return static_cast<std::int32_t>(DEFENDING_TYPE_ORDER.size());
  }
  const auto* it = std::ranges::find(DEFENDING_TYPE_ORDER, defending);
  return static_cast<std::int32_t>(it - DEFENDING_TYPE_ORDER.begin());
}

// The games halve with a quotient of at least 1: only nothing stays nothing.
std::int64_t ScaleDown(std::int64_t x, std::int64_t a, std::int64_t b) {
  return x == 0 ? 0 : std::max<std::int64_t>(1, x * a / b);
}

// The type ability 63 gives species 350 in a weather (after any cancelling).
TypeId WeatherFormType(std::int32_t weather) {
  switch (weather) {
    case WEATHER_SUN:
      return data::TYPE_FIRE;
    case WEATHER_RAIN:
      return data::TYPE_WATER;
    case WEATHER_HAIL:
      return data::TYPE_ICE;
    default:
      return data::TYPE_NORMAL;
  }
}

TypeId WeatherMoveType(std::int32_t weather) {
  return weather == WEATHER_SANDSTORM ? data::TYPE_ROCK : WeatherFormType(weather);
}

enum class Gender { Unknown, Male, Female };

Gender FixedGender(SpeciesId species) {
  switch (data::Species(species).femaleRatio) {
    case 0:
      return Gender::Male;
    case 200:
      return Gender::Female;
    default:
      return Gender::Unknown;
  }
}

// One creature as this row sees it after items and weather.
struct Side {
  const box::BoxEntry* entry;
  AbilityId ability;
  ItemId item;
  TypeId type1;
  TypeId type2;

  bool HasType(TypeId type) const { return type1 == type || type2 == type; }
  template <typename Set>
  bool IsSpecies(const Set& species) const {
    return IsOneOf(entry->species, species);
  }
};

Side SideOf(const box::BoxEntry& entry, std::int32_t weather) {
  const auto [type1, type2] = TypesInBattle(entry, weather);
  Side side{&entry, entry.ability, entry.item, type1, type2};
  if (entry.ability == data::ABILITY_KLUTZ) side.item = ITEM_NONE;
  return side;
}

bool CancelsWeather(AbilityId ability) {
  return ability == data::ABILITY_AIR_LOCK || ability == data::ABILITY_CLOUD_NINE;
}

TypeId PinchType(AbilityId ability) {
  switch (ability) {
    case data::ABILITY_BLAZE:
      return data::TYPE_FIRE;
    case data::ABILITY_TORRENT:
      return data::TYPE_WATER;
    case data::ABILITY_OVERGROW:
      return data::TYPE_GRASS;
    case data::ABILITY_SWARM:
      return data::TYPE_BUG;
    default:
      return TYPELESS;
  }
}

// Counts the roll sequences that faint the defender without walking all 16^n of them: the
// rolls ascend, and one sorted table of the 256 two-hit sums answers three hits by binary
// search and four by a single walk along it from both ends.
class KoCounter {
 public:
  KoCounter(const Rolls& rolls, std::int64_t hp) : rolls_(rolls), hp_(hp) {}

  std::int64_t Count(int hits) {
    switch (hits) {
      case 1:
        return Singles(hp_);
      case 2: {
        std::int64_t count = 0;
        for (const std::int64_t a : rolls_) count += Singles(hp_ - a);
        return count;
      }
      case 3: {
        std::int64_t count = 0;
        for (const std::int64_t a : rolls_) count += Pairs(hp_ - a);
        return count;
      }
      default: {
        // As the first two hits grow, the sum the last two need falls.
        const std::array<std::int64_t, PAIRS>& pairs = PairSums();
        std::int64_t count = 0;
        std::size_t reaching = PAIRS;
        for (const std::int64_t first : pairs) {
          while (reaching > 0 && pairs[reaching - 1] >= hp_ - first) --reaching;
          count += static_cast<std::int64_t>(PAIRS - reaching);
        }
        return count;
      }
    }
  }

 private:
  static constexpr std::size_t PAIRS = ROLL_COUNT * ROLL_COUNT;

  std::int64_t Singles(std::int64_t need) const {
    return rolls_.end() - std::lower_bound(rolls_.begin(), rolls_.end(), need);
  }
  std::int64_t Pairs(std::int64_t need) {
    const std::array<std::int64_t, PAIRS>& pairs = PairSums();
    return pairs.end() - std::lower_bound(pairs.begin(), pairs.end(), need);
  }
  const std::array<std::int64_t, PAIRS>& PairSums() {
    if (!pairsSorted_) {
      for (std::size_t i = 0; i < PAIRS; ++i) {
        pairs_[i] = rolls_[i / ROLL_COUNT] + rolls_[i % ROLL_COUNT];
      }
      std::sort(pairs_.begin(), pairs_.end());
      pairsSorted_ = true;
    }
    return pairs_;
  }

  const Rolls& rolls_;
  std::int64_t hp_;
  std::array<std::int64_t, PAIRS> pairs_{};
  bool pairsSorted_ = false;
};

class GameCalculation {
 public:
  GameCalculation(const DamageRequest& request, const StrikeSetup& setup, GameDamageResult& result)
      : request_(request), setup_(setup), result_(result) {}

  void Run();

 private:
  bool IsMoveRow() const { return request_.rowKind != RowKind::Direct; }
  bool HasMove(MoveId id) const { return IsMoveRow() && request_.moveId == id; }
  template <typename Set>
  bool HasMoveOf(const Set& moves) const {
    return IsMoveRow() && IsOneOf(request_.moveId, moves);
  }
  bool IsPhysical() const { return category_ == data::CATEGORY_PHYSICAL; }
  bool IsSpecial() const { return !IsPhysical(); }
  bool HasStatus() const {
    return request_.burned || (request_.abilityActive && attacker_.ability == data::ABILITY_GUTS);
  }
  bool PinchActive() const {
    return request_.abilityActive && PinchType(attacker_.ability) != TYPELESS;
  }
  const FixedDamageMove* FixedDamage() const;
  void Note(std::string note) { result_.notes.push_back(std::move(note)); }

  void PrepareSides();
  void DecideMove();
  bool IsNotComputable() const;
  void ComputeTypeFactors();
  bool IsImmune() const;
  std::int64_t Power() const;
  std::int64_t Attack() const;
  std::int64_t Defence() const;
  std::int64_t Base(std::int64_t power, std::int64_t attack, std::int64_t defence) const;
  std::int64_t Roll(std::int64_t base, std::int32_t roll) const;
  bool CanBeCritical() const;
  bool BerryHalves() const;
  void Summarise();
  void WriteNotes();

  const DamageRequest& request_;
  const StrikeSetup& setup_;
  GameDamageResult& result_;

  Side attacker_{};
  Side defender_{};
  std::int32_t weather_ = WEATHER_NONE;
  std::int32_t category_ = data::CATEGORY_PHYSICAL;
  TypeId type_ = TYPELESS;
  std::int32_t power_ = 0;
  bool reflect_ = false;
  bool lightScreen_ = false;
  std::array<std::int32_t, 2> factors_{2, 2};  // halves, in the games' order
  int factorCount_ = 1;
  std::int64_t product_ = NEUTRAL;  // quarters
  bool sameType_ = false;
  bool critical_ = false;
  bool berry_ = false;
};

void GameCalculation::Run() {
  PrepareSides();
  DecideMove();
  result_.moveType = type_;
  result_.movePower = power_;
  WriteNotes();
  if (IsNotComputable()) {
    result_.notComputable = true;
    return;
  }
  ComputeTypeFactors();
  critical_ = request_.critical && CanBeCritical();
  berry_ = BerryHalves();
  const FixedDamageMove* fixed = FixedDamage();
  std::int64_t stab = 2;  // halves
  if (fixed == nullptr && sameType_) {
    stab = attacker_.ability == data::ABILITY_ADAPTABILITY ? 4 : 3;
  }
  result_.multiplier = static_cast<double>(stab * product_) / 8.0;
  if (fixed != nullptr && product_ != 0) result_.multiplier = 1.0;
  if (IsImmune()) {
    result_.immune = true;
    return;
  }
  if (fixed != nullptr) {
    result_.rolls.fill(fixed->damage == 0 ? request_.attacker->level : fixed->damage);
  } else {
    const std::int64_t base = Base(Power(), Attack(), Defence());
    for (std::int32_t i = 0; i < ROLL_COUNT; ++i) result_.rolls[i] = Roll(base, ROLL_MIN + i);
    result_.critical = critical_;
    result_.berryHalved = berry_;
  }
  Summarise();
}

// Items and weather first: every later rule sees the item a side really holds, the
// weather that is really in play and the types the weather form gives.
void GameCalculation::PrepareSides() {
  weather_ = WeatherInPlay(request_);
  attacker_ = SideOf(*request_.attacker, weather_);
  defender_ = SideOf(*request_.defender, weather_);
  if (setup_.defenderItemLost) defender_.item = ITEM_NONE;
  if (attacker_.ability == data::ABILITY_MOLD_BREAKER &&
      IsOneOf(defender_.ability, BROKEN_ABILITIES)) {
    defender_.ability = data::NO_ABILITY;
  }
}

void GameCalculation::DecideMove() {
  reflect_ = request_.reflect;
  lightScreen_ = request_.lightScreen;
  if (!IsMoveRow()) {
    category_ = request_.directCategory;
    type_ = request_.directType;
    power_ = request_.directPower;
    if (attacker_.ability == data::ABILITY_NORMALIZE) type_ = data::TYPE_NORMAL;
    return;
  }
  const data::MoveRecord& move = data::Move(request_.moveId);
  category_ = move.category;
  type_ = move.type;
  power_ = move.power;
  const box::BoxEntry& attacker = *request_.attacker;
  if (HasMove(WEATHER_TYPED_MOVE)) {
    type_ = WeatherMoveType(weather_);
    if (weather_ != WEATHER_NONE) power_ = WEATHER_BOOSTED_POWER;
  } else if (HasMove(IV_TYPED_MOVE) && attacker.statsEntered == 0) {
    data::StatBlock ivs{};
    std::copy(std::begin(attacker.iv), std::end(attacker.iv), ivs.begin());
    type_ = HiddenPowerType(ivs);
    power_ = HiddenPowerPower(ivs);
  } else if (HasMoveOf(FRIENDSHIP_MOVES)) {
    power_ = FRIENDSHIP_POWER;
  } else if (HasMoveOf(HP_SCALED_MOVES) && PinchActive()) {
    const std::int64_t hp = attacker.stat[data::STAT_HP];
    power_ = static_cast<std::int32_t>(move.power * std::max<std::int64_t>(1, hp / 3) / hp);
  } else if (HasMoveOf(TYPELESS_MOVES)) {
    type_ = TYPELESS;
  }
  if (attacker_.ability == data::ABILITY_NORMALIZE && !HasMoveOf(TYPELESS_MOVES))
    type_ = data::TYPE_NORMAL;
  if (HasMove(SCREEN_BREAKING_MOVE)) reflect_ = lightScreen_ = false;
  if (setup_.power > 0) power_ = setup_.power;
}

const FixedDamageMove* GameCalculation::FixedDamage() const {
  if (!IsMoveRow()) return nullptr;
  for (const FixedDamageMove& fixed : FIXED_DAMAGE_MOVES) {
    if (fixed.move == request_.moveId) return &fixed;
  }
  return nullptr;
}

// Power 1 marks a move whose damage follows rules this model does not know, unless the
// row has just given it a power or it deals a fixed amount.
bool GameCalculation::IsNotComputable() const {
  return IsMoveRow() && power_ == VARIABLE_POWER && FixedDamage() == nullptr;
}

void GameCalculation::ComputeTypeFactors() {
  sameType_ = type_ != TYPELESS && attacker_.HasType(type_);
  if (type_ == TYPELESS) return;
  const auto factor = [this](TypeId defending) {
    const bool ghostHit = defending == data::TYPE_GHOST &&
                          (type_ == data::TYPE_NORMAL || type_ == data::TYPE_FIGHTING) &&
                          (request_.foresight || attacker_.ability == data::ABILITY_SCRAPPY);
    const bool grounded =
        defending == data::TYPE_FLYING && type_ == data::TYPE_GROUND && request_.gravity;
    return ghostHit || grounded ? 2 : data::TYPE_CHART[type_][defending];
  };
  TypeId first = defender_.type1;
  TypeId second = defender_.type2;
  if (DefendingRank(second, type_) < DefendingRank(first, type_)) std::swap(first, second);
  factors_[0] = factor(first);
  factorCount_ = first == second ? 1 : 2;
  if (factorCount_ == 2) factors_[1] = factor(second);
  product_ = factors_[0] * (factorCount_ == 2 ? factors_[1] : 2);
}

bool GameCalculation::IsImmune() const {
  if (product_ == 0) return true;
  switch (defender_.ability) {
    case data::ABILITY_WONDER_GUARD:
      return product_ <= NEUTRAL && type_ != TYPELESS && !HasMove(WONDER_GUARD_PIERCING_MOVE);
    case data::ABILITY_FLASH_FIRE:
      return type_ == data::TYPE_FIRE;
    case data::ABILITY_WATER_ABSORB:
    case data::ABILITY_DRY_SKIN:
      return type_ == data::TYPE_WATER;
    case data::ABILITY_VOLT_ABSORB:
    case data::ABILITY_MOTOR_DRIVE:
      return type_ == data::TYPE_ELECTRIC;
    case data::ABILITY_LEVITATE:
      return type_ == data::TYPE_GROUND && !request_.gravity;
    case ABILITY_SOUNDPROOF:
      return HasMoveOf(SOUND_MOVES);
    default:
      return false;
  }
}

std::int64_t GameCalculation::Power() const {
  std::int64_t p = power_;
  if (HasMove(STATUS_DOUBLED_MOVE) && HasStatus()) {
    p *= 2;
  } else if (attacker_.ability == ABILITY_RECKLESS && HasMoveOf(RECKLESS_MOVES)) {
    p = Scale(p, 6, 5);
  }
  if (request_.helpingHand) p = Scale(p, 3, 2);
  if (attacker_.ability == data::ABILITY_TECHNICIAN && p <= 60 && !HasMove(STRUGGLE_MOVE)) {
    p = Scale(p, 3, 2);
  }
  const ItemId item = attacker_.item;
  if ((item == ITEM_MUSCLE_BAND && IsPhysical()) || (item == ITEM_WISE_GLASSES && IsSpecial())) {
    p = Scale(p, 11, 10);
  } else if (item == ITEM_TYPE_BOOST) {
    p = Scale(p, 6, 5);
  } else if (item == ITEM_LIGHT_BALL && attacker_.IsSpecies(LIGHT_BALL_SPECIES)) {
    p *= 2;
  }
  const AbilityId defending = defender_.ability;
  const bool fire = type_ == data::TYPE_FIRE;
  if (defending == data::ABILITY_THICK_FAT && (fire || type_ == data::TYPE_ICE)) {
    p = Scale(p, 1, 2);
  }
  if (PinchActive() && type_ == PinchType(attacker_.ability)) p = Scale(p, 3, 2);
  if (defending == data::ABILITY_HEATPROOF && fire) {
    p = Scale(p, 1, 2);
  } else if (defending == data::ABILITY_DRY_SKIN && fire) {
    p = Scale(p, 5, 4);
  }
  if (attacker_.ability == ABILITY_RIVALRY) {
    const Gender mine = FixedGender(attacker_.entry->species);
    const Gender theirs = FixedGender(defender_.entry->species);
    if (mine != Gender::Unknown && theirs != Gender::Unknown) {
      p = mine == theirs ? Scale(p, 5, 4) : Scale(p, 3, 4);
    }
  }
  if (attacker_.ability == ABILITY_IRON_FIST && HasMoveOf(PUNCHING_MOVES)) p = Scale(p, 6, 5);
  return p;
}

// Every multiplier first, each truncated, and the stage last.
std::int64_t GameCalculation::Attack() const {
  const AbilityId ability = attacker_.ability;
  const bool physical = IsPhysical();
  std::int64_t a = attacker_.entry->stat[physical ? data::STAT_ATK : data::STAT_SPATK];
  if ((ability == data::ABILITY_HUGE_POWER || ability == data::ABILITY_PURE_POWER) && physical) {
    a *= 2;
  } else if (ability == data::ABILITY_SLOW_START && request_.abilityActive && physical) {
    a = Scale(a, 1, 2);
  }
  switch (attacker_.item) {
    case ITEM_CHOICE_BAND:
      if (physical) a = Scale(a, 3, 2);
      break;
    case ITEM_CHOICE_SPECS:
      if (!physical) a = Scale(a, 3, 2);
      break;
    case ITEM_SOUL_DEW:
      if (!physical && attacker_.IsSpecies(SOUL_DEW_SPECIES)) a = Scale(a, 3, 2);
      break;
    case ITEM_THICK_CLUB:
      if (physical && attacker_.IsSpecies(THICK_CLUB_SPECIES)) a *= 2;
      break;
    case ITEM_DEEP_SEA_TOOTH:
      if (!physical && attacker_.IsSpecies(DEEP_SEA_SPECIES)) a *= 2;
      break;
    default:
      break;
  }
  if (physical &&
      (ability == data::ABILITY_HUSTLE || (ability == data::ABILITY_GUTS && HasStatus()))) {
    a = Scale(a, 3, 2);
  }
  const bool sun = weather_ == WEATHER_SUN;
  if (sun && ability == data::ABILITY_SOLAR_POWER && !physical) a = Scale(a, 3, 2);
  if (sun && physical && (ability == ABILITY_FLOWER_GIFT || request_.flowerGift)) {
    a = Scale(a, 3, 2);
  }

  std::int32_t stage = request_.attackStage;
  if (request_.berryActive && ((attacker_.item == ITEM_ATTACK_BERRY && physical) ||
                               (attacker_.item == ITEM_SP_ATTACK_BERRY && !physical))) {
    stage = std::min(stage + 1, STAGE_MAX);
  }
  if (defender_.ability == data::ABILITY_UNAWARE) {
    stage = 0;
  } else if (ability == data::ABILITY_SIMPLE) {
    stage = ClampStage(2 * stage);
  }
  if (critical_) stage = std::max(stage, 0);
  return ApplyStage(a, stage);
}

std::int64_t GameCalculation::Defence() const {
  const bool physical = IsPhysical();
  std::int64_t d = defender_.entry->stat[physical ? data::STAT_DEF : data::STAT_SPDEF];
  if (defender_.item == ITEM_SOUL_DEW && !physical && defender_.IsSpecies(SOUL_DEW_SPECIES)) {
    d = Scale(d, 3, 2);
  } else if (defender_.item == ITEM_DEEP_SEA_SCALE && !physical &&
             defender_.IsSpecies(DEEP_SEA_SPECIES)) {
    d *= 2;
  } else if (defender_.item == ITEM_METAL_POWDER && physical &&
             defender_.IsSpecies(METAL_POWDER_SPECIES)) {
    d *= 2;
  }
  if (weather_ == WEATHER_SANDSTORM && defender_.HasType(data::TYPE_ROCK) && !physical) {
    d = Scale(d, 3, 2);
  }
  if (defender_.ability == ABILITY_FLOWER_GIFT && weather_ == WEATHER_SUN && !physical) {
    d = Scale(d, 3, 2);
  }
  if (HasMoveOf(SELF_DESTRUCT_MOVES)) d = Scale(d, 1, 2);

  std::int32_t stage = request_.defenceStage;
  if (attacker_.ability == data::ABILITY_UNAWARE) {
    stage = 0;
  } else if (defender_.ability == data::ABILITY_SIMPLE) {
    stage = ClampStage(2 * stage);
  }
  if (critical_) stage = std::min(stage, 0);
  d = ApplyStage(d, stage);
  if (defender_.ability == ABILITY_MARVEL_SCALE && physical &&
      request_.defenderStatus != DefenderStatus::None &&
      StatusPossible(*request_.defender, request_.defenderStatus)) {
    d = Scale(d, 3, 2);
  }
  return std::max<std::int64_t>(d, 1);
}

std::int64_t GameCalculation::Base(std::int64_t power, std::int64_t attack,
                                   std::int64_t defence) const {
  const bool physical = IsPhysical();
  std::int64_t b = (2 * std::int64_t{request_.attacker->level} / 5 + 2) * power * attack / 50;
  b /= defence;
  if (request_.burned && physical && attacker_.ability != data::ABILITY_GUTS) b = Scale(b, 1, 2);
  if (!critical_ && (physical ? reflect_ : lightScreen_))
    b = request_.doubleBattle ? Scale(b, 2, 3) : Scale(b, 1, 2);
  if (request_.doubleBattle && IsMoveRow()) {
    const std::int32_t target = data::Move(request_.moveId).target;
    if (target == TARGET_BOTH_FOES || target == TARGET_ALL) b = Scale(b, 3, 4);
  }
  const bool sun = weather_ == WEATHER_SUN;
  const bool rain = weather_ == WEATHER_RAIN;
  if ((sun && type_ == data::TYPE_FIRE) || (rain && type_ == data::TYPE_WATER)) {
    b = Scale(b, 3, 2);
  } else if ((sun && type_ == data::TYPE_WATER) || (rain && type_ == data::TYPE_FIRE)) {
    b = Scale(b, 1, 2);
  } else if (HasMove(CHARGING_SUN_MOVE) && weather_ != WEATHER_NONE && !sun) {
    b = Scale(b, 1, 2);
  }
  if (attacker_.ability == data::ABILITY_FLASH_FIRE && request_.abilityActive &&
      type_ == data::TYPE_FIRE) {
    b = Scale(b, 3, 2);
  }
  b += 2;
  if (critical_) b *= attacker_.ability == ABILITY_SNIPER ? 3 : 2;
  if (attacker_.item == ITEM_LIFE_ORB && !HasMoveOf(FUTURE_MOVES)) b = Scale(b, 13, 10);
  return b;
}

std::int64_t GameCalculation::Roll(std::int64_t base, std::int32_t roll) const {
  std::int64_t x = Scale(base, roll, 100);
  // A future attack is dealt later from the user's side, where てだすけ counts once more.
  if (request_.helpingHand && HasMoveOf(FUTURE_MOVES)) x = Scale(x, 3, 2);
  if (sameType_) x = attacker_.ability == data::ABILITY_ADAPTABILITY ? x * 2 : Scale(x, 3, 2);
  for (int i = 0; i < factorCount_; ++i) x = ScaleDown(x, factors_[i], 2);
  const bool super = product_ > NEUTRAL;
  if ((defender_.ability == data::ABILITY_SOLID_ROCK ||
       defender_.ability == data::ABILITY_FILTER) &&
      super) {
    x = ScaleDown(x, 3, 4);
  }
  if (attacker_.item == ITEM_EXPERT_BELT && super) x = Scale(x, 6, 5);
  if (attacker_.ability == data::ABILITY_TINTED_LENS && product_ < NEUTRAL) x *= 2;
  if (berry_) x = Scale(x, 1, 2);
  return std::max<std::int64_t>(x, 1);
}

// カブトアーマー and シェルアーマー stop a critical hit unless かたやぶり breaks them; a future
// attack never is one.
bool GameCalculation::CanBeCritical() const {
  const AbilityId armour = request_.defender->ability;
  const bool shielded = (armour == ABILITY_BATTLE_ARMOR || armour == ABILITY_SHELL_ARMOR) &&
                        attacker_.ability != data::ABILITY_MOLD_BREAKER;
  return !shielded && !HasMoveOf(FUTURE_MOVES);
}

bool GameCalculation::BerryHalves() const {
  const ItemId item = defender_.item;
  if (type_ == TYPELESS || item < ITEM_FIRST_HALVING_BERRY || item > ITEM_NORMAL_BERRY) {
    return false;
  }
  if (item == ITEM_NORMAL_BERRY) return type_ == data::TYPE_NORMAL;
  return product_ > NEUTRAL && HALVING_BERRY_TYPES[item - ITEM_FIRST_HALVING_BERRY] == type_;
}

void GameCalculation::Summarise() {
  const std::int64_t hp = request_.defender->stat[data::STAT_HP];
  result_.minDamage = result_.rolls.front();
  result_.maxDamage = result_.rolls.back();
  result_.minPercent = static_cast<double>(1000 * result_.minDamage / hp) / 10.0;
  result_.maxPercent = static_cast<double>(1000 * result_.maxDamage / hp) / 10.0;
  result_.hitsMin = CeilDiv(hp, result_.maxDamage);
  result_.hitsMax = CeilDiv(hp, result_.minDamage);
  KoCounter counter(result_.rolls, hp);
  std::int64_t sequences = 1;
  for (int hits = 1; hits <= KO_HITS_MAX; ++hits) {
    sequences *= ROLL_COUNT;
    KoChance& chance = result_.koChance[hits];
    chance.denominator = sequences;
    if (hits >= result_.hitsMax) {
      chance.numerator = sequences;
    } else if (hits >= result_.hitsMin) {
      chance.numerator = counter.Count(hits);
    }
  }
}

void GameCalculation::WriteNotes() {
  if (!request_.critical) {
    Note("急所には当たらない");
  } else if (!CanBeCritical()) {
    const AbilityId armour = request_.defender->ability;
    Note(armour == ABILITY_BATTLE_ARMOR || armour == ABILITY_SHELL_ARMOR
             ? text::Format("防御側の「%s」で急所に当たらない", data::AbilityName(armour))
             : text::Format("「%s」は急所に当たらない", data::MoveName(request_.moveId)));
  } else {
    Note("急所に当たる");
  }
  Note("防御側のHPは満タン");
  const box::BoxEntry& attacker = *request_.attacker;
  if (PinchActive()) {
    Note(text::Format("攻撃側のHPは最大の1/3（「%s」発動）", data::AbilityName(attacker.ability)));
  } else if (HasMoveOf(HP_SCALED_MOVES)) {
    Note("攻撃側のHPは満タン");
  }
  if (!request_.burned && request_.abilityActive && attacker.ability == data::ABILITY_GUTS) {
    Note("「こんじょう」発動は、どく状態として計算");
  }
  if (attacker.ability == ABILITY_RIVALRY) {
    const Gender mine = FixedGender(attacker.species);
    const Gender theirs = FixedGender(request_.defender->species);
    if (mine == Gender::Unknown || theirs == Gender::Unknown) {
      Note("性別が決まらないため「とうそうしん」は計算に入れない");
    } else {
      Note(mine == theirs ? "「とうそうしん」は同じ性別として計算"
                          : "「とうそうしん」は異なる性別として計算");
    }
  }
  if (request_.defender->ability == ABILITY_INTIMIDATE || attacker.ability == ABILITY_DOWNLOAD) {
    Note("ランク補正は入力どおり（「いかく」「ダウンロード」は反映済みとする）");
  }
  if (HasMove(FIRST_STRIKE_MOVE)) Note("「しっぺがえし」は相手より先に行動したときの威力");
  if (type_ == TYPELESS) {
    Note(text::Format("「%s」はタイプなし（相性・タイプ一致なし）",
                      data::MoveName(request_.moveId)));
  }
  if (HasMove(SCREEN_BREAKING_MOVE) && (request_.reflect || request_.lightScreen)) {
    Note("「かわらわり」で壁を破ってから攻撃");
  }
  const auto boundItem = [this](const Side& side, ItemId item, const auto& species,
                                const char* who) {
    if (side.item == item && !side.IsSpecies(species)) {
      Note(text::Format("%s「%s」はこのヴォルミルには効果がない", who, data::ItemName(item)));
    }
  };
  if ((attacker_.item == ITEM_SOUL_DEW && attacker_.IsSpecies(SOUL_DEW_SPECIES)) ||
      (defender_.item == ITEM_SOUL_DEW && defender_.IsSpecies(SOUL_DEW_SPECIES))) {
    Note("「こころのしずく」はバトルフロンティア以外の対戦として計算");
  }
  boundItem(attacker_, ITEM_SOUL_DEW, SOUL_DEW_SPECIES, "攻撃側の");
  boundItem(attacker_, ITEM_LIGHT_BALL, LIGHT_BALL_SPECIES, "攻撃側の");
  boundItem(attacker_, ITEM_THICK_CLUB, THICK_CLUB_SPECIES, "攻撃側の");
  boundItem(attacker_, ITEM_DEEP_SEA_TOOTH, DEEP_SEA_SPECIES, "攻撃側の");
  boundItem(defender_, ITEM_SOUL_DEW, SOUL_DEW_SPECIES, "防御側の");
  boundItem(defender_, ITEM_DEEP_SEA_SCALE, DEEP_SEA_SPECIES, "防御側の");
  boundItem(defender_, ITEM_METAL_POWDER, METAL_POWDER_SPECIES, "防御側の");
  for (const Side* side : {&attacker_, &defender_}) {
    if (side->entry->ability == data::ABILITY_FORECAST &&
        side->entry->species != WEATHER_FORM_SPECIES) {
      Note(text::Format("%s「てんきや」は%s以外には効果がない",
                        side == &attacker_ ? "攻撃側の" : "防御側の",
                        data::SpeciesName(WEATHER_FORM_SPECIES)));
    }
  }
}

// The classic model's skip test, and a status row: it deals no damage at all.
bool IsSkipped(const DamageRequest& request) {
  if (!IsValidRequest(request)) return true;
  if (request.rowKind == RowKind::Direct) {
    return request.directPower == 0 || request.directCategory == data::CATEGORY_STATUS;
  }
  const data::MoveRecord& move = data::Move(request.moveId);
  return move.power == 0 || move.category < 0 || move.category >= data::CATEGORY_STATUS;
}

}  // namespace

GameDamageResult ComputeGameDamage(const DamageRequest& request, const StrikeSetup& setup) {
  GameDamageResult result;
  if (IsSkipped(request)) return result;
  result.skipped = false;
  GameCalculation(request, setup, result).Run();
  result.strikeRolls = {result.rolls};
  return result;
}

std::int32_t WeatherInPlay(const DamageRequest& request) {
  if (CancelsWeather(request.attacker->ability) || CancelsWeather(request.defender->ability)) {
    return WEATHER_NONE;
  }
  return request.weather;
}

std::pair<TypeId, TypeId> TypesInBattle(const box::BoxEntry& entry, std::int32_t weather) {
  if (entry.ability == data::ABILITY_FORECAST && entry.species == WEATHER_FORM_SPECIES) {
    return {WeatherFormType(weather), WeatherFormType(weather)};
  }
  const data::SpeciesRecord& species = data::Species(entry.species);
  return {species.type1, species.type2};
}

// The species' own types and the entry's ability decide, as in the games.
bool StatusPossible(const box::BoxEntry& defender, DefenderStatus status) {
  const data::SpeciesRecord& species = data::Species(defender.species);
  const auto hasType = [&species](TypeId type) {
    return species.type1 == type || species.type2 == type;
  };
  switch (status) {
    case DefenderStatus::Poison:
    case DefenderStatus::Toxic:
      return !hasType(data::TYPE_POISON) && !hasType(data::TYPE_STEEL) &&
             defender.ability != ABILITY_IMMUNITY;
    case DefenderStatus::Burn:
      return !hasType(data::TYPE_FIRE) && defender.ability != ABILITY_WATER_VEIL;
    default:
      return true;
  }
}

bool SeedPossible(const box::BoxEntry& defender) {
  const data::SpeciesRecord& species = data::Species(defender.species);
  return species.type1 != data::TYPE_GRASS && species.type2 != data::TYPE_GRASS;
}

std::string GameMultiplierCell(const GameDamageResult& result) {
  if (result.skipped || result.notComputable) return NO_VALUE_CELL;
  return text::Format("%1.2f", result.multiplier);
}

std::string GameDamageCell(const GameDamageResult& result) {
  if (result.skipped || result.notComputable) return NO_VALUE_CELL;
  if (result.immune) return IMMUNE_CELL;
  std::string cell = result.minDamage == result.maxDamage
                         ? text::Format("%d", result.maxDamage)
                         : text::Format("%d ～ %d", result.minDamage, result.maxDamage);
  const StrikeCount& fewest = result.strikes.front();
  const StrikeCount& most = result.strikes.back();
  if (fewest.count != most.count) {
    cell += text::Format(" (%d～%d回)", fewest.count, most.count);
  } else if (most.count > 1) {
    cell += text::Format(" (%d回)", most.count);
  }
  return cell;
}

std::string GameHitsCell(const GameDamageResult& result) {
  if (result.skipped || result.notComputable) return NO_VALUE_CELL;
  if (result.entryFaints) return "設置技で瀕死";
  if (result.immune) return IMMUNE_CELL;
  if (result.hitsMin == 0) return text::Format("%d発以上", BATTLE_TURNS_MAX + 1);
  if (result.hitsMin == result.hitsMax) return text::Format("確定%d発", result.hitsMin);
  if (result.hitsMin <= KO_HITS_MAX) {
    const double percent = result.koExact ? KoPercent(result.koChance[result.hitsMin])
                                          : KoPercent(result.koProbability[result.hitsMin]);
    return text::Format("乱数%d発 (%.1f%%)", result.hitsMin, percent);
  }
  if (result.hitsMax == 0) return text::Format("%d発以上", result.hitsMin);
  return text::Format("%d ～ %d発", result.hitsMin, result.hitsMax);
}

double KoPercent(const KoChance& chance) {
  return KoPercent(static_cast<double>(chance.numerator) / static_cast<double>(chance.denominator));
}

double KoPercent(double probability) {
  const double percent = 100.0 * probability;
  if (probability <= 0.0 || probability >= 1.0) return percent;
  // One tenth of a percent is what the cells print; 1 in 4096 must not read as never.
  return std::clamp(percent, 0.1, 99.9);
}

}  // namespace kerumina::calc
