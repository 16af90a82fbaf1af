#include "calc/damage.h"

#include <algorithm>
#include <utility>

#include "calc/hidden_power.h"
#include "data/abilities.h"
#include "data/species.h"
#include "text/format.h"

namespace kerumina::calc {
namespace {

using data::TypeId;

// Moves with a rule of their own.
constexpr data::MoveId SELF_DESTRUCT_MOVE_A = 119;
constexpr data::MoveId SELF_DESTRUCT_MOVE_B = 152;
constexpr data::MoveId FRIENDSHIP_MOVE_A = 215;
constexpr data::MoveId FRIENDSHIP_MOVE_B = 217;
constexpr data::MoveId IV_TYPED_MOVE = 236;
constexpr data::MoveId STATUS_DOUBLED_MOVE = 262;
constexpr data::MoveId WEATHER_TYPED_MOVE = 310;

constexpr std::int32_t VARIABLE_POWER = 1;
constexpr std::int32_t FRIENDSHIP_POWER = 102;
constexpr std::int32_t WEATHER_BOOSTED_POWER = 100;

constexpr std::int32_t TARGET_BOTH_FOES = 2;
constexpr std::int32_t TARGET_ALL = 3;

enum AttackKind : std::int32_t {
  ATTACK_EVERY = 1,
  ATTACK_PHYSICAL = 2,
  ATTACK_SPECIAL = 3,
  ATTACK_SUPER_EFFECTIVE = 4,
  ATTACK_BERRY_PHYSICAL = 5,
  ATTACK_BERRY_SPECIAL = 6,
};
enum DefenceKind : std::int32_t { DEFENCE_PHYSICAL = 2, DEFENCE_SPECIAL = 3 };

constexpr std::int32_t E_NEUTRAL = 4;
constexpr std::int32_t E_SUPER = 8;

// A modifier kept exact until it is applied once. The factors are small (at most a few
// dozen per step), so 64 bits never overflow.
struct Fraction {
  std::int64_t num = 1;
  std::int64_t den = 1;
  void Times(std::int64_t a, std::int64_t b) {
    num *= a;
    den *= b;
  }
  void Zero() { num = 0; }
  std::int64_t Apply(std::int64_t value) const { return value * num / den; }
};

struct StageFraction {
  std::int32_t num;
  std::int32_t den;
};

StageFraction FractionOfStage(std::int32_t stage) {
  if (stage >= 0) return {2 + stage, 2};
  return {2, 2 - stage};
}

TypeId WeatherType(std::int32_t weather) {
  switch (weather) {
    case WEATHER_SUN:
      return data::TYPE_FIRE;
    case WEATHER_RAIN:
      return data::TYPE_WATER;
    case WEATHER_SANDSTORM:
      return data::TYPE_ROCK;
    case WEATHER_HAIL:
      return data::TYPE_ICE;
    default:
      return data::TYPE_NORMAL;
  }
}

bool IsMoveRow(const DamageRequest& request) {
  return request.rowKind != RowKind::Direct;
}

data::StatBlock IvsOf(const box::BoxEntry& entry) {
  data::StatBlock ivs{};
  std::copy(std::begin(entry.iv), std::end(entry.iv), ivs.begin());
  return ivs;
}

struct MoveValues {
  std::int32_t power;
  std::int32_t category;
  TypeId type;
};

// Step 2: what the row attacks with, before any rule.
MoveValues InitialMoveValues(const DamageRequest& request) {
  if (!IsMoveRow(request)) {
    return {request.directPower, request.directCategory, request.directType};
  }
  const data::MoveRecord& move = data::Move(request.moveId);
  MoveValues values{move.power, move.category, move.type};
  if (request.moveId == WEATHER_TYPED_MOVE) values.type = WeatherType(request.weather);
  if (request.moveId == IV_TYPED_MOVE && request.attacker->statsEntered == 0) {
    const data::StatBlock ivs = IvsOf(*request.attacker);
    values.type = HiddenPowerType(ivs);
    values.power = HiddenPowerPower(ivs);
  }
  return values;
}

// The working values of one row, steps 3 to 24.
class Calculation {
 public:
  Calculation(const DamageRequest& request, DamageResult& result)
      : request_(request),
        attacker_(*request.attacker),
        defender_(*request.defender),
        result_(result) {}

  void Run();

 private:
  std::int32_t AttackerAbility() const { return attacker_.ability; }
  std::int32_t DefenderAbility() const { return defender_.ability; }
  bool IsPhysical() const { return category_ == data::CATEGORY_PHYSICAL; }
  bool IsSpecialExactly() const { return category_ == data::CATEGORY_SPECIAL; }
  bool HasMove(data::MoveId id) const { return IsMoveRow(request_) && request_.moveId == id; }
  void Trace(std::string line) { result_.trace.push_back(std::move(line)); }

  void ChangeTypeByAbility();
  void CancelWeather();
  void ApplyWeatherForm();
  std::int32_t ChartValue(TypeId defending);
  void ComputeEffectiveness();
  void ApplySameTypeBonus();
  bool ApplyMoveRules();
  void ApplyWeather();
  void ApplyStages();
  void ApplyHelpingHand();
  void ApplyBurn();
  void ApplyAttackerAbility();
  void ApplyActivatedAbility();
  void ApplyDefenderAbility();
  void ApplyTwoTargets();
  void ApplyAttackerItem();
  void ApplyScreensAndCategoryItems();
  void ComputeResult();

  const DamageRequest& request_;
  const box::BoxEntry& attacker_;
  const box::BoxEntry& defender_;
  DamageResult& result_;

  std::int32_t power_ = 0;
  std::int32_t category_ = 0;
  TypeId type_ = 0;
  TypeId d1_ = 0;
  TypeId d2_ = 0;
  std::int32_t weather_ = WEATHER_NONE;
  std::int32_t effectiveness_ = E_NEUTRAL;
  Fraction powerMod_;
  Fraction attackMod_;
  Fraction defenceMod_;
  Fraction damageMod_;
};

void Calculation::Run() {
  power_ = result_.movePower;
  category_ = result_.moveCategory;
  type_ = result_.moveType;
  d1_ = data::Species(defender_.species).type1;
  d2_ = data::Species(defender_.species).type2;
  weather_ = request_.weather;

  ChangeTypeByAbility();
  CancelWeather();
  ApplyWeatherForm();
  ComputeEffectiveness();
  ApplySameTypeBonus();
  if (!ApplyMoveRules()) {
    result_.notComputable = true;
    result_.multiplierText = NO_VALUE_CELL;
    return;
  }
  ApplyWeather();
  ApplyStages();
  ApplyHelpingHand();
  ApplyBurn();
  ApplyAttackerAbility();
  ApplyActivatedAbility();
  ApplyDefenderAbility();
  ApplyTwoTargets();
  ApplyAttackerItem();
  ApplyScreensAndCategoryItems();
  ComputeResult();
}

void Calculation::ChangeTypeByAbility() {
  if (AttackerAbility() != data::ABILITY_NORMALIZE) return;
  type_ = data::TYPE_NORMAL;
  Trace("「ノーマルスキン」によりノーマルタイプに変更");
}

void Calculation::CancelWeather() {
  const auto cancels = [](std::int32_t ability) {
    return ability == data::ABILITY_AIR_LOCK || ability == data::ABILITY_CLOUD_NINE;
  };
  if (!cancels(AttackerAbility()) && !cancels(DefenderAbility())) return;
  weather_ = WEATHER_NONE;
  Trace("「エアロック」「ノーてんき」により天候を通常に");
}

void Calculation::ApplyWeatherForm() {
  if (AttackerAbility() == data::ABILITY_FORECAST) {
    const TypeId shown =
        weather_ == WEATHER_NONE ? data::Species(attacker_.species).type1 : WeatherType(weather_);
    Trace(text::Format("「てんきや」により%sタイプに", data::TypeName(shown)));
  }
  if (DefenderAbility() == data::ABILITY_FORECAST) {
    if (weather_ != WEATHER_NONE) d1_ = d2_ = WeatherType(weather_);
    Trace(text::Format("＞＞＞ 「てんきや」により%sタイプに", data::TypeName(d1_)));
  }
}

// A ghost defender loses its immunity to normal and fighting moves under foresight or
// the attacker's ability 24; each overridden lookup writes its line.
std::int32_t Calculation::ChartValue(TypeId defending) {
  const bool overridden = defending == data::TYPE_GHOST &&
                          (type_ == data::TYPE_NORMAL || type_ == data::TYPE_FIGHTING) &&
                          (AttackerAbility() == data::ABILITY_SCRAPPY || request_.foresight);
  if (!overridden) return data::TYPE_CHART[type_][defending];
  Trace(request_.foresight ? "「みやぶる」により「ノーマル格闘」有効"
                           : "「きもったま」により「ノーマル格闘」有効");
  return 2;
}

void Calculation::ComputeEffectiveness() {
  const std::int32_t e1 = ChartValue(d1_);
  if (d1_ == d2_) {
    effectiveness_ = 2 * e1;
  } else if (request_.gravity && type_ == data::TYPE_GROUND && d2_ == data::TYPE_FLYING) {
    effectiveness_ = 2 * e1;
    Trace("「じゅうりょく」により「じめん」等倍");
  } else {
    effectiveness_ = e1 * ChartValue(d2_);
  }
  Trace(text::Format("相性補正： *%1.2f", effectiveness_ / 4.0));
}

void Calculation::ApplySameTypeBonus() {
  const data::SpeciesRecord& species = data::Species(attacker_.species);
  double factor = 1.0;
  if (type_ == species.type1 || type_ == species.type2) {
    if (AttackerAbility() == data::ABILITY_ADAPTABILITY) {
      damageMod_.Times(2, 1);
      factor = 2.0;
      Trace("「てきおうりょく」によりタイプ一致でダメージ： *2");
    } else {
      damageMod_.Times(3, 2);
      factor = 1.5;
      Trace("タイプ一致でダメージ： *1.5");
    }
  }
  result_.multiplierText = text::Format("%1.2f", effectiveness_ / 4.0 * factor);
}

// False when the move has no fixed power: the row ends here.
bool Calculation::ApplyMoveRules() {
  if (!IsMoveRow(request_)) return true;
  const data::MoveId id = request_.moveId;
  if (id == SELF_DESTRUCT_MOVE_A || id == SELF_DESTRUCT_MOVE_B) {
    defenceMod_.Times(1, 2);
    Trace("「じばく」「だいばくはつ」で防御力：*0.5");
  } else if (id == FRIENDSHIP_MOVE_A || id == FRIENDSHIP_MOVE_B) {
    power_ = FRIENDSHIP_POWER;
    Trace("最大威力に設定：＝102");
  } else if (id == WEATHER_TYPED_MOVE) {
    if (weather_ != WEATHER_NONE) {
      power_ = WEATHER_BOOSTED_POWER;
      Trace("天候により威力： *2");
    }
  } else if (power_ == VARIABLE_POWER) {
    Trace("ダメージ変化技につき計算不能");
    return false;
  }
  return true;
}

void Calculation::ApplyWeather() {
  switch (weather_) {
    case WEATHER_SUN:
      if (type_ == data::TYPE_FIRE) {
        powerMod_.Times(3, 2);
        Trace("晴れで炎技威力： *1.5");
      }
      if (IsPhysical() && request_.flowerGift) {
        attackMod_.Times(3, 2);
        Trace("「フラワーギフト」時に晴れで攻撃： *1.5");
      } else if (type_ == data::TYPE_WATER) {
        powerMod_.Times(1, 2);
        Trace("晴れで水技威力： *0.5");
      }
      if (AttackerAbility() == data::ABILITY_SOLAR_POWER && IsSpecialExactly()) {
        attackMod_.Times(3, 2);
        Trace("「サンパワー」時に晴れで特殊： *1.5");
      }
      break;
    case WEATHER_RAIN:
      if (type_ == data::TYPE_FIRE) {
        powerMod_.Times(1, 2);
        Trace("雨で炎技威力： *0.5");
      } else if (type_ == data::TYPE_WATER) {
        powerMod_.Times(3, 2);
        Trace("雨で水技威力： *1.5");
      }
      break;
    case WEATHER_SANDSTORM:
      if (IsSpecialExactly() && (d1_ == data::TYPE_ROCK || d2_ == data::TYPE_ROCK)) {
        defenceMod_.Times(3, 2);
        Trace("＞＞＞ 砂嵐で岩タイプは特防： *1.5");
      }
      break;
    default:
      break;
  }
}

void Calculation::ApplyStages() {
  std::int32_t sa = request_.attackStage;
  std::int32_t sd = request_.defenceStage;
  if (AttackerAbility() == data::ABILITY_SIMPLE) {
    sa = std::clamp(2 * sa, STAGE_MIN, STAGE_MAX);
    Trace("「たんじゅん」でランク影響2倍");
  }
  if (DefenderAbility() == data::ABILITY_SIMPLE) {
    sd = std::clamp(2 * sd, STAGE_MIN, STAGE_MAX);
    Trace("＞＞＞ 「たんじゅん」でランク影響2倍");
  }
  if (AttackerAbility() == data::ABILITY_UNAWARE) {
    sd = 0;
    Trace("「てんねん」で相手のランク影響無視");
  }
  if (DefenderAbility() == data::ABILITY_UNAWARE) {
    sa = 0;
    Trace("＞＞＞ 「てんねん」で相手のランク影響無視");
  }
  if (request_.berryActive && AttackerAbility() != data::ABILITY_KLUTZ) {
    const std::int32_t kind = data::ITEMS[attacker_.item].attackKind;
    if (kind == ATTACK_BERRY_PHYSICAL && IsPhysical() && sa < STAGE_MAX) {
      ++sa;
      Trace("「チイラのみ」で攻撃： *1.5");
    } else if (kind == ATTACK_BERRY_SPECIAL && IsSpecialExactly() && sa < STAGE_MAX) {
      ++sa;
      Trace("「ヤタピのみ」で特攻： *1.5");
    }
  }
  const StageFraction attack = FractionOfStage(sa);
  attackMod_.Times(attack.num, attack.den);
  Trace(text::Format("攻撃ランク補正＝攻撃力： *%1.2f",
                     static_cast<double>(attack.num) / attack.den));
  const StageFraction defence = FractionOfStage(sd);
  defenceMod_.Times(defence.num, defence.den);
  Trace(text::Format("＞＞＞ 防御ランク補正＝防御力： *%1.2f",
                     static_cast<double>(defence.num) / defence.den));
}

void Calculation::ApplyHelpingHand() {
  if (!request_.helpingHand) return;
  powerMod_.Times(3, 2);
  Trace("「てだすけ」で威力： *1.5");
}

void Calculation::ApplyBurn() {
  if (!IsPhysical() || !request_.burned) return;
  if (AttackerAbility() == data::ABILITY_GUTS) {
    Trace("「こんじょう」でやけどの影響無し");
  } else {
    attackMod_.Times(1, 2);
    Trace("「やけど」で攻撃半減： *0.5");
  }
  if (HasMove(STATUS_DOUBLED_MOVE)) {
    powerMod_.Times(2, 1);
    Trace("「からげんき」は状態異常で威力： *2");
  }
}

void Calculation::ApplyAttackerAbility() {
  switch (AttackerAbility()) {
    case data::ABILITY_TINTED_LENS:
      if (effectiveness_ < E_NEUTRAL) {
        damageMod_.Times(2, 1);
        Trace("「いろめがね」でダメージ： *2");
      }
      break;
    case data::ABILITY_HUGE_POWER:
    case data::ABILITY_PURE_POWER:
      if (IsPhysical()) {
        attackMod_.Times(2, 1);
        Trace("「ちからもち」「ヨガパワー」で攻撃力： *2");
      }
      break;
    case data::ABILITY_TECHNICIAN:
      if (power_ <= 60) {
        powerMod_.Times(3, 2);
        Trace("「テクニシャン」で威力： *1.5");
      }
      break;
    case data::ABILITY_HUSTLE:
      attackMod_.Times(3, 2);
      Trace("「はりきり」で攻撃力： *1.5");
      break;
    default:
      break;
  }
}

void Calculation::ApplyActivatedAbility() {
  if (!request_.abilityActive) return;
  const auto boostPower = [this](TypeId type, const char* line) {
    if (type_ != type) return;
    powerMod_.Times(3, 2);
    Trace(line);
  };
  switch (AttackerAbility()) {
    case data::ABILITY_TORRENT:
      boostPower(data::TYPE_WATER, "「げきりゅう」発動で水技威力： *1.5");
      break;
    case data::ABILITY_GUTS:
      if (IsPhysical()) {
        attackMod_.Times(3, 2);
        Trace("「こんじょう」発動で攻撃力： *1.5");
      }
      break;
    case data::ABILITY_OVERGROW:
      boostPower(data::TYPE_GRASS, "「しんりょく」発動で草技威力： *1.5");
      break;
    case data::ABILITY_SLOW_START:
      if (IsPhysical()) {
        attackMod_.Times(1, 2);
        Trace("「スロースタート」発動中は攻撃力： *0.5");
      }
      break;
    case data::ABILITY_SWARM:
      boostPower(data::TYPE_BUG, "「むしのしらせ」発動で虫技威力： *1.5");
      break;
    case data::ABILITY_BLAZE:
      boostPower(data::TYPE_FIRE, "「もうか」発動で炎技威力： *1.5");
      break;
    case data::ABILITY_FLASH_FIRE:
      boostPower(data::TYPE_FIRE, "「もらいび」発動で炎技威力： *1.5");
      break;
    default:
      break;
  }
}

void Calculation::ApplyDefenderAbility() {
  if (AttackerAbility() == data::ABILITY_MOLD_BREAKER) return;
  switch (DefenderAbility()) {
    case data::ABILITY_THICK_FAT:
      if (type_ == data::TYPE_FIRE || type_ == data::TYPE_ICE) {
        damageMod_.Times(1, 2);
        Trace("「あついしぼう」でダメージ： *0.5");
      }
      break;
    case data::ABILITY_DRY_SKIN:
      if (type_ == data::TYPE_FIRE) {
        damageMod_.Times(5, 4);
        Trace("「かんそうはだ」でダメージ： *1.25");
      } else if (type_ == data::TYPE_WATER) {
        damageMod_.Zero();
        Trace("「かんそうはだ」で水技無効");
      }
      break;
    case data::ABILITY_HEATPROOF:
      if (type_ == data::TYPE_FIRE) {
        damageMod_.Times(1, 2);
        Trace("「たいねつ」でダメージ： *0.5");
      }
      break;
    case data::ABILITY_VOLT_ABSORB:
    case data::ABILITY_MOTOR_DRIVE:
      if (type_ == data::TYPE_ELECTRIC) {
        damageMod_.Zero();
        Trace("「ちくでん」「でんきエンジン」で電気技無効");
      }
      break;
    case data::ABILITY_WATER_ABSORB:
      if (type_ == data::TYPE_WATER) {
        damageMod_.Zero();
        Trace("「ちょすい」で水技無効");
      }
      break;
    case data::ABILITY_SOLID_ROCK:
    case data::ABILITY_FILTER:
      if (effectiveness_ >= E_SUPER) {
        damageMod_.Times(3, 4);
        Trace("「ハードロック」「フィルター」でダメージ： *0.75");
      }
      break;
    case data::ABILITY_WONDER_GUARD:
      if (effectiveness_ < E_SUPER) {
        damageMod_.Zero();
        Trace("「ふしぎなまもり」で無効");
      }
      break;
    case data::ABILITY_LEVITATE:
      if (type_ != data::TYPE_GROUND) break;
      if (request_.gravity) {
        Trace("「じゅうりょく」で「ふゆう」が無効＝地面技等倍");
      } else {
        damageMod_.Zero();
        Trace("「ふゆう」で地面技無効");
      }
      break;
    case data::ABILITY_FLASH_FIRE:
      if (type_ == data::TYPE_FIRE) {
        damageMod_.Zero();
        Trace("「もらいび」で炎技無効");
      }
      break;
    default:
      break;
  }
}

void Calculation::ApplyTwoTargets() {
  if (!request_.doubleBattle || request_.rowKind != RowKind::OwnMove) return;
  const std::int32_t target = data::Move(request_.moveId).target;
  if (target == TARGET_BOTH_FOES) {
    powerMod_.Times(3, 4);
    Trace("「敵二体」で威力： *0.75");
  } else if (target == TARGET_ALL) {
    powerMod_.Times(3, 4);
    Trace("「全体」で威力： *0.75");
  }
}

void Calculation::ApplyAttackerItem() {
  if (AttackerAbility() == data::ABILITY_KLUTZ) return;
  const data::ItemRecord& item = data::ITEMS[attacker_.item];
  const bool applies = item.attackKind == ATTACK_EVERY ||
                       (item.attackKind == ATTACK_SUPER_EFFECTIVE && effectiveness_ >= E_SUPER);
  if (!applies) return;
  attackMod_.Times(item.attackFactor, 10);
  Trace(text::Format("「%s」で攻撃力： *%1.1f", item.name, item.attackFactor / 10.0));
}

void Calculation::ApplyScreensAndCategoryItems() {
  const bool physical = IsPhysical();
  if (physical ? request_.reflect : request_.lightScreen) {
    damageMod_.Times(1, 2);
    Trace(physical ? "＞＞＞ 「リフレクター」でダメージ： *0.5"
                   : "＞＞＞ 「ひかりのかべ」でダメージ： *0.5");
  }
  const data::ItemRecord& attackItem = data::ITEMS[attacker_.item];
  if (AttackerAbility() != data::ABILITY_KLUTZ &&
      attackItem.attackKind == (physical ? ATTACK_PHYSICAL : ATTACK_SPECIAL)) {
    damageMod_.Times(attackItem.attackFactor, 10);
    Trace(text::Format("「%s」で攻撃力： *%1.1f", attackItem.name, attackItem.attackFactor / 10.0));
  }
  const data::ItemRecord& defenceItem = data::ITEMS[defender_.item];
  if (DefenderAbility() != data::ABILITY_KLUTZ && defenceItem.defenceFactor > 0 &&
      defenceItem.defenceKind == (physical ? DEFENCE_PHYSICAL : DEFENCE_SPECIAL)) {
    damageMod_.Times(10, defenceItem.defenceFactor);
    Trace(text::Format("＞＞＞ 「%s」で防御力： *%1.1f", defenceItem.name,
                       defenceItem.defenceFactor / 10.0));
  }
}

std::int64_t CeilDiv(std::int64_t a, std::int64_t b) {
  return a / b + (a % b != 0 ? 1 : 0);
}

void Calculation::ComputeResult() {
  const bool physical = IsPhysical();
  const std::int64_t attackStat = attacker_.stat[physical ? data::STAT_ATK : data::STAT_SPATK];
  const std::int64_t defenceStat = defender_.stat[physical ? data::STAT_DEF : data::STAT_SPDEF];
  const std::int64_t p = powerMod_.Apply(power_);
  const std::int64_t a = attackMod_.Apply(attackStat);
  // A defending stat driven below 1 by the stage fraction would divide by zero.
  const std::int64_t d = std::max<std::int64_t>(defenceMod_.Apply(defenceStat), 1);

  std::int64_t x = (2 * std::int64_t{attacker_.level} / 5 + 2) * p * a;
  x /= d;
  x /= 50;
  x += 2;
  x = damageMod_.Apply(x);
  const std::int64_t maxDamage = x * effectiveness_ / 4;

  result_.maxDamage = maxDamage;
  if (maxDamage == 0) {
    result_.immune = true;
    result_.damageText = IMMUNE_CELL;
    result_.hitsText = IMMUNE_CELL;
    Trace("ダメージ： 無効");
    Trace("必要攻撃回数： 無効");
    return;
  }
  std::int64_t minDamage = static_cast<std::int64_t>(static_cast<double>(maxDamage) * 0.85);
  if (minDamage == 0) minDamage = 1;
  result_.minDamage = minDamage;

  const std::int64_t hp = defender_.stat[data::STAT_HP];
  result_.hitsMin = CeilDiv(hp, maxDamage);
  result_.hitsMax = CeilDiv(hp, minDamage);

  if (maxDamage == 1) {
    result_.damageText = text::Format("%d", maxDamage);  // "1"
    result_.hitsText = text::Format("%d", hp);
    return;
  }
  result_.damageText = text::Format("%d ～ %d", minDamage, maxDamage);
  result_.hitsText = result_.hitsMin == result_.hitsMax
                         ? text::Format("%d", result_.hitsMin)
                         : text::Format("%d ～ %d", result_.hitsMin, result_.hitsMax);
}

bool HasValidMoveFields(const DamageRequest& request) {
  if (IsMoveRow(request)) return data::IsValidMove(request.moveId);
  return request.directPower >= 0 && request.directPower <= DIRECT_POWER_MAX &&
         request.directCategory >= 0 && request.directCategory < data::MOVE_CATEGORY_COUNT &&
         data::IsValidType(request.directType) && request.directType != data::PLACEHOLDER_TYPE;
}

bool IsKnownRowKind(RowKind kind) {
  return kind == RowKind::OwnMove || kind == RowKind::ListMove || kind == RowKind::Direct;
}

}  // namespace

bool IsValidRequest(const DamageRequest& request) {
  return request.attacker && request.defender && box::IsValidEntry(*request.attacker) &&
         box::IsValidEntry(*request.defender) && IsKnownRowKind(request.rowKind) &&
         HasValidMoveFields(request) && request.weather >= 0 && request.weather < WEATHER_COUNT &&
         request.attackStage >= STAGE_MIN && request.attackStage <= STAGE_MAX &&
         request.defenceStage >= STAGE_MIN && request.defenceStage <= STAGE_MAX;
}

DamageResult ComputeDamage(const DamageRequest& request) {
  DamageResult result;
  if (!IsValidRequest(request)) return result;
  const MoveValues move = InitialMoveValues(request);
  // A status move (or a move the table gives no category for) does no damage.
  if (move.power == 0 || move.category < 0 || move.category >= data::MOVE_CATEGORY_COUNT) {
    return result;
  }
  result.skipped = false;
  result.movePower = move.power;
  result.moveCategory = move.category;
  result.moveType = move.type;
  Calculation(request, result).Run();
  return result;
}

}  // namespace kerumina::calc
