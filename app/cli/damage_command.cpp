#include <algorithm>
#include <array>
#include <optional>
#include <utility>

#include "app/cli/commands.h"
#include "app/cli/entry_json.h"
#include "calc/battle.h"
#include "calc/damage.h"
#include "calc/damage_report.h"
#include "calc/game_damage.h"

namespace kerumina::cli {

namespace {

constexpr std::int32_t DIRECT_POWER_STEP = 5;

std::optional<box::BoxEntry> SideField(FieldReader& reader, std::string_view key) {
  // null (side not chosen) is allowed, absence is not.
  if (!reader.Present(key)) Fail(reader.PathOf(key), "required field is missing (null if none)");
  const Json* value = reader.Optional(key);
  if (value == nullptr) return std::nullopt;
  return EntryFromJson(*value, reader.PathOf(key));
}

calc::RowKind RowField(FieldReader& reader) {
  const std::string row = reader.Word("row", {"own", "list", "direct"});
  if (row == "own") return calc::RowKind::OwnMove;
  if (row == "list") return calc::RowKind::ListMove;
  return calc::RowKind::Direct;
}

void DirectFields(FieldReader& reader, calc::DamageRequest& request) {
  request.directPower = reader.Int("power", DIRECT_POWER_STEP, calc::DIRECT_POWER_MAX);
  if (request.directPower % DIRECT_POWER_STEP != 0) {
    Fail(reader.PathOf("power"), "expected a multiple of 5 from 5 to 200");
  }
  request.directCategory = reader.Int("category", 0, data::MOVE_CATEGORY_COUNT - 1);
  request.directType = reader.Int("type", 0, data::TYPE_COUNT - 1);
  if (request.directType == data::PLACEHOLDER_TYPE) {
    Fail(reader.PathOf("type"), "type 9 is a placeholder no move has");
  }
}

enum class Model { Classic, Game };

struct DamageInput {
  calc::DamageRequest request;
  Model model = Model::Classic;
  bool battleFields = false;  // the request names one of the battle's fields
};

// The battle around the hit: the game model's alone, so a classic request may only name
// them at their defaults.
void BattleFields(FieldReader& reader, DamageInput& parsed) {
  calc::DamageRequest& request = parsed.request;
  for (const char* key : {"critical", "stealthRock", "spikes", "defenderStatus", "leechSeed"}) {
    parsed.battleFields = parsed.battleFields || reader.Present(key);
  }
  request.critical = reader.BoolOr("critical", false);
  request.stealthRock = reader.BoolOr("stealthRock", false);
  request.spikes = reader.IntOr("spikes", 0, calc::SPIKES_MAX, 0);
  request.leechSeed = reader.BoolOr("leechSeed", false);
  if (reader.Optional("defenderStatus") != nullptr) {
    constexpr std::string_view STATUS_WORDS[] = {"none", "poison", "toxic", "burn"};
    const std::string status = reader.Word(
        "defenderStatus", {STATUS_WORDS[0], STATUS_WORDS[1], STATUS_WORDS[2], STATUS_WORDS[3]});
    const auto* it = std::ranges::find(STATUS_WORDS, status);
    request.defenderStatus = static_cast<calc::DefenderStatus>(it - std::begin(STATUS_WORDS));
  }
  if (parsed.model == Model::Classic) {
    const std::pair<const char*, bool> set[] = {
        {"critical", request.critical},
        {"stealthRock", request.stealthRock},
        {"spikes", request.spikes != 0},
        {"defenderStatus", request.defenderStatus != calc::DefenderStatus::None},
        {"leechSeed", request.leechSeed}};
    for (const auto& [key, changed] : set) {
      if (changed) Fail(reader.PathOf(key), "only the game model (\"model\": \"game\") reads it");
    }
  }
  if (!request.defender) return;
  if (!calc::StatusPossible(*request.defender, request.defenderStatus)) {
    Fail(reader.PathOf("defenderStatus"), "the defender cannot have this status");
  }
  if (request.leechSeed && !calc::SeedPossible(*request.defender)) {
    Fail(reader.PathOf("leechSeed"), "a grass-type defender cannot be seeded");
  }
}

DamageInput InputFromJson(const Json& input) {
  FieldReader reader(input);
  DamageInput parsed;
  calc::DamageRequest& request = parsed.request;
  request.attacker = SideField(reader, "attacker");
  request.defender = SideField(reader, "defender");
  request.rowKind = RowField(reader);
  if (request.rowKind == calc::RowKind::Direct) {
    DirectFields(reader, request);
  } else {
    request.moveId = reader.MoveSlot("move");
  }
  request.weather = reader.IntOr("weather", 0, calc::WEATHER_COUNT - 1, calc::WEATHER_NONE);
  request.attackStage = reader.IntOr("attackStage", calc::STAGE_MIN, calc::STAGE_MAX, 0);
  request.defenceStage = reader.IntOr("defenceStage", calc::STAGE_MIN, calc::STAGE_MAX, 0);
  request.helpingHand = reader.BoolOr("helpingHand", false);
  request.burned = reader.BoolOr("burned", false);
  request.flowerGift = reader.BoolOr("flowerGift", false);
  request.reflect = reader.BoolOr("reflect", false);
  request.lightScreen = reader.BoolOr("lightScreen", false);
  request.gravity = reader.BoolOr("gravity", false);
  request.foresight = reader.BoolOr("foresight", false);
  request.abilityActive = reader.BoolOr("abilityActive", false);
  request.berryActive = reader.BoolOr("berryActive", false);
  request.doubleBattle = reader.BoolOr("doubleBattle", false);
  if (reader.Optional("model") != nullptr && reader.Word("model", {"classic", "game"}) == "game") {
    parsed.model = Model::Game;
  }
  BattleFields(reader, parsed);
  reader.Finish();
  return parsed;
}

// The rule lines only: an immune row's trace ends with the two result lines.
std::vector<std::string> RuleLines(const calc::DamageResult& result) {
  std::vector<std::string> lines = result.trace;
  if (result.immune) {
    for (const char* resultLine : {"必要攻撃回数： 無効", "ダメージ： 無効"}) {
      if (!lines.empty() && lines.back() == resultLine) lines.pop_back();
    }
  }
  return lines;
}

std::optional<std::int64_t> Shown(bool shown, std::int64_t value) {
  if (!shown) return std::nullopt;
  return value;
}

std::optional<double> ShownReal(bool shown, double value) {
  if (!shown) return std::nullopt;
  return value;
}

JsonWriter& RealOrNull(JsonWriter& out, const std::optional<double>& value) {
  return value ? out.Real(*value) : out.Null();
}

// What only a battle around the strike adds.
void BattleAnswer(const calc::GameDamageResult& result, bool damaging, JsonWriter& out) {
  std::vector<std::int32_t> counts, weights;
  for (const calc::StrikeCount& strike : result.strikes) {
    counts.push_back(strike.count);
    weights.push_back(strike.weight);
  }
  out.Key("strikes").BeginObject().Key("count").Ints(counts).Key("weight").Ints(weights);
  out.EndObject().Key("strikeRolls");
  if (damaging) {
    out.BeginArray();
    for (const calc::Rolls& rolls : result.strikeRolls) out.Ints(rolls);
    out.EndArray();
  } else {
    out.Null();
  }
  out.Key("entryDamage").Int(result.entryDamage).Key("koChance");
  if (damaging || result.entryFaints) {
    out.BeginArray();
    for (int n = 1; n <= calc::KO_HITS_MAX; ++n) out.Real(result.koProbability[n]);
    out.EndArray();
  } else {
    out.Null();
  }
}

void AnswerGameDamage(const DamageInput& parsed, JsonWriter& out) {
  const calc::DamageRequest& request = parsed.request;
  const calc::GameDamageResult result = calc::ComputeGameBattle(request);
  const bool computed = !result.skipped && !result.notComputable;
  const bool damaging = computed && !result.immune;
  out.BeginObject()
      .Key("model")
      .String("game")
      .Key("skipped")
      .Bool(result.skipped)
      .Key("notComputable")
      .Bool(result.notComputable)
      .Key("immune")
      .Bool(result.immune)
      .Key("rolls");
  if (computed) {
    out.Ints(result.rolls);
  } else {
    out.Null();
  }
  out.Key("minDamage")
      .IntOrNull(Shown(computed, result.minDamage))
      .Key("maxDamage")
      .IntOrNull(Shown(computed, result.maxDamage))
      .Key("minPercent");
  RealOrNull(out, ShownReal(computed, result.minPercent)).Key("maxPercent");
  RealOrNull(out, ShownReal(computed, result.maxPercent))
      .Key("hitsMin")
      .IntOrNull(Shown(damaging && result.hitsMin > 0, result.hitsMin))
      .Key("hitsMax")
      .IntOrNull(Shown(damaging && result.hitsMax > 0, result.hitsMax))
      .Key("ko");
  if (damaging && result.koExact) {
    out.BeginArray();
    for (int hits = 1; hits <= calc::KO_HITS_MAX; ++hits) {
      const calc::KoChance& chance = result.koChance[hits];
      out.Ints(std::array{chance.numerator, chance.denominator});
    }
    out.EndArray();
  } else {
    out.Null();
  }
  out.Key("multiplier");
  if (computed) {
    out.String(calc::GameMultiplierCell(result));
  } else {
    out.Null();
  }
  // A typeless move has no type to show.
  const bool typed = !result.skipped && result.moveType != calc::TYPELESS;
  out.Key("damageCell")
      .String(calc::GameDamageCell(result))
      .Key("hitsCell")
      .String(calc::GameHitsCell(result))
      .Key("type")
      .IntOrNull(Shown(typed, result.moveType))
      .Key("power")
      .IntOrNull(Shown(!result.skipped, result.movePower))
      .Key("notes")
      .Strings(result.notes);
  if (parsed.battleFields || !result.koExact) BattleAnswer(result, damaging, out);
  out.EndObject();
}

}  // namespace

void AnswerDamage(const Json& input, JsonWriter& out) {
  const DamageInput parsed = InputFromJson(input);
  const calc::DamageRequest& request = parsed.request;
  if (parsed.model == Model::Game) {
    AnswerGameDamage(parsed, out);
    return;
  }
  const calc::DamageResult result = calc::ComputeDamage(request);
  const bool computed = !result.skipped && !result.notComputable;
  const bool damaging = computed && !result.immune;
  out.BeginObject()
      .Key("skipped")
      .Bool(result.skipped)
      .Key("notComputable")
      .Bool(result.notComputable)
      .Key("immune")
      .Bool(result.immune)
      .Key("multiplier");
  if (computed) {
    out.String(result.multiplierText);
  } else {
    out.Null();
  }
  out.Key("maxDamage")
      .IntOrNull(Shown(computed, result.maxDamage))
      .Key("minDamage")
      .IntOrNull(Shown(damaging, result.minDamage))
      .Key("hitsMin")
      .IntOrNull(Shown(damaging, result.hitsMin))
      .Key("hitsMax")
      .IntOrNull(Shown(damaging, result.hitsMax))
      .Key("damageCell")
      .String(result.damageText)
      .Key("hitsCell")
      .String(result.hitsText)
      .Key("type")
      .IntOrNull(Shown(!result.skipped, result.moveType))
      .Key("power")
      .IntOrNull(Shown(!result.skipped, result.movePower))
      .Key("trace")
      .Strings(RuleLines(result))
      .Key("report")
      .String(calc::DamageReport(request, result))
      .EndObject();
}

}  // namespace kerumina::cli
