#include "app/cli/commands.h"
#include "app/cli/common_fields.h"
#include "calc/iv.h"
#include "calc/iv_possible.h"
#include "calc/iv_report.h"

namespace kerumina::cli {

namespace {

calc::IvBounds BoundsField(FieldReader& reader) {
  calc::IvBounds bounds{};
  const Json* value = reader.Optional("bounds");
  if (value == nullptr) return bounds;
  const std::string path = reader.PathOf("bounds");
  ArrayValue(*value, path, data::STAT_COUNT, data::STAT_COUNT, "[lo, hi] pairs");
  for (int d = 0; d < data::STAT_COUNT; ++d) {
    const std::string pairPath = path + "[" + std::to_string(d) + "]";
    const Json& pair = ArrayValue((*value)[d], pairPath, 2, 2, "integers (lo, hi)");
    // lo > hi is allowed: such bounds simply admit no IV.
    bounds[d].lo = IntValue(pair[0], pairPath + "[0]", 0, calc::IV_MAX);
    bounds[d].hi = IntValue(pair[1], pairPath + "[1]", 0, calc::IV_MAX);
  }
  return bounds;
}

void WriteCandidates(JsonWriter& out, data::SpeciesId species, std::int32_t level,
                     data::NatureId nature, int d, std::int32_t ev) {
  out.BeginArray();
  for (const calc::IvCandidate& candidate :
       calc::BuildIvCandidates(species, level, nature, d, ev)) {
    out.BeginObject()
        .Key("stat")
        .Int(candidate.stat)
        .Key("ivLo")
        .Int(candidate.ivLo)
        .Key("ivHi")
        .Int(candidate.ivHi)
        .Key("text")
        .String(calc::IvCandidateText(candidate))
        .EndObject();
  }
  out.EndArray();
}

data::StatBlock EvField(FieldReader& reader) {
  data::StatBlock evs{};
  if (reader.Optional("ev") == nullptr) return evs;
  const std::vector<std::int32_t> values = reader.Ints("ev", data::STAT_COUNT, 0, calc::EV_MAX);
  std::copy(values.begin(), values.end(), evs.begin());
  if (!calc::IsValidEvSpread(evs)) {
    Fail(reader.PathOf("ev"), "expected a total of at most " + std::to_string(calc::EV_TOTAL_MAX));
  }
  return evs;
}

void WritePossible(JsonWriter& out, const calc::PossibleIvs& possible) {
  out.BeginArray();
  for (calc::IvMask mask : possible.masks) {
    out.BeginArray();
    for (std::int32_t iv = 0; iv <= calc::IV_MAX; ++iv)
      if ((mask >> iv) & 1u) out.Int(iv);
    out.EndArray();
  }
  out.EndArray();
}

std::optional<std::int64_t> Threshold(std::int32_t threshold) {
  if (threshold == calc::NO_EV_THRESHOLD) return std::nullopt;
  return threshold;
}

void WriteHiddenPower(JsonWriter& out, const std::optional<calc::HiddenPowerRanges>& ranges) {
  if (!ranges) {
    out.Null();
    return;
  }
  out.BeginArray();
  for (data::TypeId type = 0; type < data::TYPE_COUNT; ++type) {
    const calc::HiddenPowerRange& range = (*ranges)[type];
    if (!range.occurs) continue;
    out.BeginObject().Key("type").Int(type).Key("min").Int(range.minPower);
    out.Key("max").Int(range.maxPower).EndObject();
  }
  out.EndArray();
}

}  // namespace

void AnswerIv(const Json& input, JsonWriter& out) {
  FieldReader reader(input);
  const std::int32_t species = SpeciesField(reader);
  const std::int32_t level = LevelField(reader);
  const std::int32_t nature = NatureField(reader);
  const calc::IvBounds bounds = BoundsField(reader);
  const bool hiddenPower = reader.BoolOr("hiddenPower", false);
  // Without either fact the answer stays what it was before they existed.
  const bool withFacts =
      reader.Optional("ev") != nullptr || reader.Optional("characteristic") != nullptr;
  calc::IvFacts facts;
  facts.evs = EvField(reader);
  facts.characteristic =
      reader.IntOr("characteristic", 0, calc::CHARACTERISTIC_COUNT - 1, calc::NO_CHARACTERISTIC);
  reader.Finish();

  const calc::IvEvaluation evaluation =
      calc::EvaluateIvs(species, level, nature, bounds, hiddenPower, facts);
  out.BeginObject().Key("candidates").BeginArray();
  for (int d = 0; d < data::STAT_COUNT; ++d)
    WriteCandidates(out, species, level, nature, d, facts.evs[d]);
  out.EndArray().Key("confirm").BeginArray();
  for (int d = 0; d < data::STAT_COUNT; ++d) {
    const calc::ConfirmLevel c = calc::FindConfirmLevel(species, level, nature, d, facts.evs[d]);
    out.BeginObject().Key("candies").Int(c.candies).Key("dopings").Int(c.dopings);
    out.Key("stat").Int(c.confirmStat).EndObject();
  }
  out.EndArray().Key("thresholds").BeginArray();
  for (int d = 0; d < data::STAT_COUNT; ++d) {
    out.BeginArray().IntOrNull(Threshold(evaluation.thresholdLo[d]));
    out.IntOrNull(Threshold(evaluation.thresholdHi[d])).EndArray();
  }
  out.EndArray().Key("determined").Ints(evaluation.determinedStats).Key("hiddenPower");
  WriteHiddenPower(out, evaluation.hiddenPower);
  out.Key("report").String(evaluation.report);
  if (withFacts) {
    WritePossible(out.Key("possible"), evaluation.possible);
    out.Key("characteristicConsistent");
    if (facts.characteristic == calc::NO_CHARACTERISTIC) {
      out.Null();
    } else {
      out.Bool(!evaluation.possible.contradicted);
    }
  }
  out.EndObject();
}

}  // namespace kerumina::cli
