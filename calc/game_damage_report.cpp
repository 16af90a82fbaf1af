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

std::string RollLine(const char* heading, const Rolls& rolls) {
  std::string line = heading;
  for (const std::int64_t roll : rolls) line += text::Format(" %d", roll);
  return line + "\r\n";
}

std::string StrikeLines(const GameDamageResult& result) {
  std::string out = "攻撃回数：";
  for (const StrikeCount& count : result.strikes) {
    out += count.weight == STRIKE_WEIGHT_TOTAL
               ? text::Format(" %d回", count.count)
               : text::Format(" %d回 (%.1f%%)", count.count,
                              100.0 * count.weight / STRIKE_WEIGHT_TOTAL);
  }
  out += "\r\n";
  for (std::size_t j = 1; j < result.strikeRolls.size(); ++j) {
    if (result.strikeRolls[j] == result.rolls) continue;
    out += RollLine(text::Format("%d回目の乱数：", j + 1).c_str(), result.strikeRolls[j]);
  }
  return out;
}

std::string KoLines(const GameDamageResult& result) {
  std::string out;
  for (int n = 1; n <= KO_HITS_MAX; ++n) {
    const KoChance& chance = result.koChance[n];
    out += result.koExact ? text::Format("%d発で倒す確率： %.1f%% （%d／%d）\r\n", n,
                                         KoPercent(chance), chance.numerator, chance.denominator)
                          : text::Format("%dターンで倒す確率： %.1f%%\r\n", n,
                                         KoPercent(result.koProbability[n]));
  }
  return out;
}

std::string DamageLines(const GameDamageResult& result) {
  std::string out = RollLine("乱数：", result.rolls);
  if (result.strikeRolls.size() > 1) out += StrikeLines(result);
  out += "ダメージ： " + GameDamageCell(result) + " （" + PercentRange(result) + "）\r\n";
  return out;
}

std::string BattleLines(const GameDamageResult& result) {
  std::string out;
  if (result.entryDamage > 0) out += text::Format("設置技のダメージ： %d\r\n", result.entryDamage);
  if (!result.endOfTurn.empty()) {
    out += "ターン終了時：\r\n";
    for (const std::string& line : result.endOfTurn) out += "・" + line + "\r\n";
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
  report += result.immune ? std::string("ダメージ： 無効\r\n") : DamageLines(result);
  report += BattleLines(result);
  if (!result.immune && !result.entryFaints) report += KoLines(result);
  report += "必要攻撃回数： " + GameHitsCell(result) + "\r\n";
  report += "前提：\r\n";
  for (const std::string& note : result.notes) report += "・" + note + "\r\n";
  return report;
}

}  // namespace kerumina::calc
