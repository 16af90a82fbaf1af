#include "calc/game_damage_report.h"

#include "text/format.h"

namespace kerumina::calc {
namespace {

std::string PercentRange(const GameDamageResult& result) {
  if (result.minDamage == result.maxDamage) return text::Format("%.1f%%", result.maxPercent);
  return text::Format("%.1f%% ～ %.1f%%", result.minPercent, result.maxPercent);
}

std::string TypeText(data::TypeId type) {
  return type == TYPELESS ? std::string("なし") : std::string(data::TypeName(type));
}

std::string DamageLines(const GameDamageResult& result) {
  std::string out = "乱数：";
  for (const std::int64_t roll : result.rolls) out += text::Format(" %d", roll);
  out += "\r\n";
  out += "ダメージ： " + GameDamageCell(result) + " （" + PercentRange(result) + "）\r\n";
  for (int hits = 1; hits <= KO_HITS_MAX; ++hits) {
    const KoChance& chance = result.koChance[hits];
    out += text::Format("%d発で倒す確率： %.1f%% （%d／%d）\r\n", hits, KoPercent(chance),
                        chance.numerator, chance.denominator);
  }
  return out;
}

}  // namespace

std::string GameDamageReport(const GameDamageResult& result) {
  if (result.skipped) return {};
  std::string report = "\r\n【実機計算】\r\n";
  if (result.notComputable) return report + "ダメージ変化技につき計算不能\r\n";
  report += text::Format("タイプ： %s  威力： %d  倍率： %s\r\n", TypeText(result.moveType),
                         result.movePower, GameMultiplierCell(result));
  if (!result.immune) report += DamageLines(result);
  if (result.immune) report += "ダメージ： 無効\r\n";
  report += "必要攻撃回数： " + GameHitsCell(result) + "\r\n";
  report += "前提：\r\n";
  for (const std::string& note : result.notes) report += "・" + note + "\r\n";
  return report;
}

}  // namespace kerumina::calc
