#include "app/cli/commands.h"
#include "app/cli/common_fields.h"
#include "calc/iv.h"
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

Json CandidatesJson(data::SpeciesId species, std::int32_t level, data::NatureId nature, int d) {
  Json list = Json::array();
  for (const calc::IvCandidate& candidate : calc::BuildIvCandidates(species, level, nature, d)) {
    list.push_back({{"stat", candidate.stat},
                    {"ivLo", candidate.ivLo},
                    {"ivHi", candidate.ivHi},
                    {"text", calc::IvCandidateText(candidate)}});
  }
  return list;
}

Json ThresholdJson(std::int32_t threshold) {
  return threshold == calc::NO_EV_THRESHOLD ? Json(nullptr) : Json(threshold);
}

Json HiddenPowerJson(const std::optional<calc::HiddenPowerRanges>& ranges) {
  if (!ranges) return nullptr;
  Json list = Json::array();
  for (data::TypeId type = 0; type < data::TYPE_COUNT; ++type) {
    const calc::HiddenPowerRange& range = (*ranges)[type];
    if (range.occurs) {
      list.push_back({{"type", type}, {"min", range.minPower}, {"max", range.maxPower}});
    }
  }
  return list;
}

}  // namespace

Json AnswerIv(const Json& input) {
  FieldReader reader(input);
  const std::int32_t species = SpeciesField(reader);
  const std::int32_t level = LevelField(reader);
  const std::int32_t nature = NatureField(reader);
  const calc::IvBounds bounds = BoundsField(reader);
  const bool hiddenPower = reader.BoolOr("hiddenPower", false);
  reader.Finish();

  const calc::IvEvaluation evaluation =
      calc::EvaluateIvs(species, level, nature, bounds, hiddenPower);
  Json candidates = Json::array();
  Json confirm = Json::array();
  Json thresholds = Json::array();
  for (int d = 0; d < data::STAT_COUNT; ++d) {
    candidates.push_back(CandidatesJson(species, level, nature, d));
    const calc::ConfirmLevel c = calc::FindConfirmLevel(species, level, nature, d);
    confirm.push_back({{"candies", c.candies}, {"dopings", c.dopings}, {"stat", c.confirmStat}});
    thresholds.push_back(
        {ThresholdJson(evaluation.thresholdLo[d]), ThresholdJson(evaluation.thresholdHi[d])});
  }
  return Json{{"candidates", std::move(candidates)},
              {"confirm", std::move(confirm)},
              {"thresholds", std::move(thresholds)},
              {"determined", evaluation.determinedStats},
              {"hiddenPower", HiddenPowerJson(evaluation.hiddenPower)},
              {"report", evaluation.report}};
}

}  // namespace kerumina::cli
