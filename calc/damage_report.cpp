#include "calc/damage_report.h"

#include "data/abilities.h"
#include "data/species.h"
#include "text/format.h"

namespace kerumina::calc {
namespace {

constexpr data::MoveId WEATHER_TYPED_MOVE = 310;
constexpr const char* CRLF = "\r\n";

std::string SideLine(const char* prefix, const box::BoxEntry& entry) {
  return text::Format("%sLV%-3d %-10s ", prefix, entry.level, data::SpeciesName(entry.species)) +
         std::string(data::NatureLabel(entry.nature)) +
         text::Format(" %-16s\r\n", data::ItemName(entry.item));
}

// One stat line; without individual and effort values when the stats were typed in.
std::string StatLine(const char* label, const box::BoxEntry& entry, int stat) {
  if (entry.statsEntered == 1) {
    return text::Format("%s： %-3d （ 個体値： --- 努力値： --- ）\r\n", label, entry.stat[stat]);
  }
  return text::Format("%s： %-3d （ 個体値： %-3d 努力値： %-3d ）\r\n", label, entry.stat[stat],
                      entry.iv[stat], entry.ev[stat]);
}

std::string StatLines(const DamageRequest& request, const DamageResult& result) {
  const bool physical = result.moveCategory == data::CATEGORY_PHYSICAL;
  const box::BoxEntry& attacker = *request.attacker;
  const box::BoxEntry& defender = *request.defender;
  std::string out = physical ? StatLine("攻撃", attacker, data::STAT_ATK)
                             : StatLine("特攻", attacker, data::STAT_SPATK);
  out += StatLine("＞＞＞ ＨＰ", defender, data::STAT_HP);
  out += physical ? StatLine("＞＞＞ 防御", defender, data::STAT_DEF)
                  : StatLine("＞＞＞ 特防", defender, data::STAT_SPDEF);
  return out;
}

std::string MoveBlock(const DamageRequest& request, const DamageResult& result) {
  const char* category = data::MOVE_CATEGORY_NAMES[result.moveCategory];
  const std::string_view type = data::TypeName(result.moveType);
  if (request.rowKind == RowKind::Direct) {
    return "\r\n技：直接数値選択\r\n" +
           text::Format("威力： %-3d  命中： ---\r\n", result.movePower) +
           text::Format("分類： %-4s タイプ： %-8s\r\n", category, type);
  }
  std::string out = text::Format("\r\n%-s\r\n", data::MoveName(request.moveId)) +
                    text::Format("威力： %-3d  命中： %-3d\r\n", result.movePower,
                                 data::Move(request.moveId).accuracy);
  if (request.moveId == WEATHER_TYPED_MOVE) {
    return out + text::Format("分類： %-4s タイプ： 天候依存\r\n（天候：%-s＝%-sタイプ）\r\n",
                              category, WEATHER_NAMES[request.weather], type);
  }
  return out + text::Format("分類： %-4s タイプ： %-8s\r\n", category, type);
}

// The immune result lines already close the trace.
std::string ResultLines(const DamageResult& result) {
  if (result.notComputable || result.immune) return {};
  return "ダメージ： " + result.damageText + CRLF + "必要攻撃回数： " + result.hitsText + CRLF;
}

bool IsReportable(const DamageRequest& request, const DamageResult& result) {
  return !result.skipped && IsValidRequest(request) && result.moveCategory >= 0 &&
         result.moveCategory < data::MOVE_CATEGORY_COUNT && data::IsValidType(result.moveType);
}

}  // namespace

std::string DamageReport(const DamageRequest& request, const DamageResult& result) {
  if (!IsReportable(request, result)) return {};
  std::string report = "ダメージ算出 by ケルミナ\r\n\r\n";
  report += SideLine("", *request.attacker);
  report += SideLine("＞＞＞ ", *request.defender);
  report += StatLines(request, result);
  report += MoveBlock(request, result);
  for (const std::string& line : result.trace) {
    report += line;
    report += CRLF;
  }
  report += ResultLines(result);
  return report;
}

}  // namespace kerumina::calc
