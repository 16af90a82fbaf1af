#include "calc/iv_report.h"

#include "text/format.h"

namespace kerumina::calc {
namespace {

constexpr const char* STAT_LINE_FORMATS[data::STAT_COUNT] = {
    "ＨＰ：%3d ( %2d ～ %2d )\r\n", "攻撃：%3d ( %2d ～ %2d )\r\n", "防御：%3d ( %2d ～ %2d )\r\n",
    "特攻：%3d ( %2d ～ %2d )\r\n", "特防：%3d ( %2d ～ %2d )\r\n", "素早：%3d ( %2d ～ %2d )\r\n"};

constexpr const char* LINE_END = "\r\n";

std::string ThresholdNumber(std::int32_t threshold) {
  if (threshold == NO_EV_THRESHOLD) return "－";
  return text::Format("%d", threshold);
}

}  // namespace

std::string EvThresholdText(std::int32_t lo, std::int32_t thresholdLo, std::int32_t hi,
                            std::int32_t thresholdHi) {
  return text::Format(" %d:%s～%d:%s ", lo, ThresholdNumber(thresholdLo), hi,
                      ThresholdNumber(thresholdHi));
}

std::string ConfirmLevelText(const ConfirmLevel& confirm) {
  return text::Format("あめ： %d 個 ドーピング： %d 個　Ｖ確定能力値： %d", confirm.candies,
                      confirm.dopings, confirm.confirmStat);
}

std::string HiddenPowerLine(data::TypeId type, const HiddenPowerRange& range) {
  return text::Format("%-8s:%2d-%2d ", data::TypeName(type), range.minPower, range.maxPower);
}

std::vector<std::string> HiddenPowerLines(const HiddenPowerRanges& ranges) {
  std::vector<std::string> lines;
  for (data::TypeId type = 0; type < data::TYPE_COUNT; ++type)
    if (ranges[type].occurs) lines.push_back(HiddenPowerLine(type, ranges[type]));
  return lines;
}

std::string BuildIvReport(const IvReportInput& input) {
  std::string report =
      text::Format("種族：%s　ＬＶ：%3d　性格：%s\r\n", data::SpeciesName(input.species),
                   input.level, data::NatureLabel(input.nature));
  for (int d = 0; d < data::STAT_COUNT; ++d)
    report += text::Format(STAT_LINE_FORMATS[d], input.determinedStats[d], input.bounds[d].lo,
                           input.bounds[d].hi);
  if (!input.showHiddenPower || !input.hiddenPower) return report;
  report += "\r\n 可能性のある「めざパ」一覧\r\n";
  for (const std::string& line : HiddenPowerLines(*input.hiddenPower)) {
    report += line;
    report += LINE_END;
  }
  return report;
}

IvEvaluation EvaluateIvs(data::SpeciesId species, std::int32_t level, data::NatureId nature,
                         const IvBounds& bounds, bool showHiddenPower) {
  IvEvaluation result;
  for (int d = 0; d < data::STAT_COUNT; ++d) {
    const IvBound& bound = bounds[d];
    result.thresholdLo[d] = EvThreshold(species, level, nature, d, bound.lo);
    result.thresholdHi[d] = EvThreshold(species, level, nature, d, bound.hi);
    result.determinedStats[d] =
        DeterminedStat(BuildIvCandidates(species, level, nature, d), bound.lo, bound.hi);
  }
  if (showHiddenPower) result.hiddenPower = HiddenPowerCandidates(bounds);
  result.report = BuildIvReport({species, level, nature, bounds, result.determinedStats,
                                 showHiddenPower, result.hiddenPower});
  return result;
}

}  // namespace kerumina::calc
