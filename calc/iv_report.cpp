#include "calc/iv_report.h"

#include "text/cp932.h"
#include "text/format.h"

namespace kerumina::calc {
namespace {

constexpr const char* STAT_LINE_FORMATS[data::STAT_COUNT] = {
    "ＨＰ：%3d ( %2d ～ %2d )\r\n", "攻撃：%3d ( %2d ～ %2d )\r\n", "防御：%3d ( %2d ～ %2d )\r\n",
    "特攻：%3d ( %2d ～ %2d )\r\n", "特防：%3d ( %2d ～ %2d )\r\n", "素早：%3d ( %2d ～ %2d )\r\n"};

constexpr const char* POSSIBLE_LINE_FORMATS[data::STAT_COUNT] = {
    "ＨＰ候補：%s\r\n", "攻撃候補：%s\r\n", "防御候補：%s\r\n",
    "特攻候補：%s\r\n", "特防候補：%s\r\n", "素早候補：%s\r\n"};

constexpr const char* LINE_END = "\r\n";

// Half-width columns a candidate cell shows on one line (a full-width "～" takes two).
constexpr std::size_t CELL_LINE_COLUMNS = 12;

bool Holds(IvMask mask, std::int32_t iv) {
  return ((mask >> iv) & 1u) != 0;
}

bool HasEvs(const data::StatBlock& evs) {
  for (std::int32_t ev : evs)
    if (ev != 0) return true;
  return false;
}

void AppendFacts(const IvReportInput& input, std::string& report) {
  const IvFacts& facts = input.facts;
  if (facts.characteristic != NO_CHARACTERISTIC) {
    report += text::Format("個性：%s\r\n", CharacteristicText(facts.characteristic));
    if (input.possible.contradicted) report += "個性と合いません\r\n";
    for (int d = 0; d < data::STAT_COUNT; ++d)
      report += text::Format(POSSIBLE_LINE_FORMATS[d], IvSetText(input.possible.masks[d]));
  }
  if (HasEvs(facts.evs)) {
    const data::StatBlock& e = facts.evs;
    report += text::Format("努力値：%d/%d/%d/%d/%d/%d\r\n", e[0], e[1], e[2], e[3], e[4], e[5]);
  }
}

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

std::string IvSetText(IvMask mask) {
  if (mask == 0) return "－";
  std::string text;
  for (std::int32_t iv = 0; iv <= IV_MAX; ++iv) {
    if (!Holds(mask, iv)) continue;
    const std::int32_t first = iv;
    while (iv < IV_MAX && Holds(mask, iv + 1)) ++iv;
    if (!text.empty()) text += ",";
    text += first == iv ? text::Format("%d", iv) : text::Format("%d～%d", first, iv);
  }
  return text;
}

std::string IvSetCellText(IvMask mask) {
  std::string text = IvSetText(mask);
  const std::size_t columns = text::Cp932Length(text);
  if (columns <= CELL_LINE_COLUMNS) return text;
  std::size_t breakAfter = std::string::npos;
  std::size_t bestDistance = columns;
  for (std::size_t at = text.find(','); at != std::string::npos; at = text.find(',', at + 1)) {
    const std::size_t before = text::Cp932Length(std::string_view(text).substr(0, at + 1));
    const std::size_t distance = before * 2 > columns ? before * 2 - columns : columns - before * 2;
    if (distance < bestDistance) bestDistance = distance, breakAfter = at;
  }
  if (breakAfter == std::string::npos) return text;
  // Built anew: GCC 12 at -O3 warns of a false overlap in std::string::insert.
  return text.substr(0, breakAfter + 1) + "\n" + text.substr(breakAfter + 1);
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
  AppendFacts(input, report);
  if (!input.showHiddenPower || !input.hiddenPower) return report;
  report += "\r\n 可能性のある「めざパ」一覧\r\n";
  for (const std::string& line : HiddenPowerLines(*input.hiddenPower)) {
    report += line;
    report += LINE_END;
  }
  return report;
}

IvEvaluation EvaluateIvs(data::SpeciesId species, std::int32_t level, data::NatureId nature,
                         const IvBounds& bounds, bool showHiddenPower, const IvFacts& facts) {
  IvEvaluation result;
  for (int d = 0; d < data::STAT_COUNT; ++d) {
    const IvBound& bound = bounds[d];
    const std::int32_t ev = facts.evs[d];
    result.thresholdLo[d] = EvThreshold(species, level, nature, d, bound.lo, ev);
    result.thresholdHi[d] = EvThreshold(species, level, nature, d, bound.hi, ev);
    result.determinedStats[d] =
        DeterminedStat(BuildIvCandidates(species, level, nature, d, ev), bound.lo, bound.hi);
  }
  result.possible = JudgePossibleIvs(bounds, facts.characteristic);
  if (showHiddenPower) result.hiddenPower = HiddenPowerCandidates(bounds, result.possible);
  result.report = BuildIvReport({species, level, nature, bounds, result.determinedStats,
                                 showHiddenPower, result.hiddenPower, facts, result.possible});
  return result;
}

}  // namespace kerumina::calc
