#include "calc/battle.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "calc/game_damage_report.h"
#include "damage_fixture.h"
#include "data/moves.h"
#include "text/format.h"

namespace kerumina::calc {
namespace {

using namespace damage_fixture;
using Req = DamageRequest;
using RollList = std::vector<std::int64_t>;

constexpr data::SpeciesId ROCK_GROUND_BIG = 75;  // ゴローニャ
constexpr data::SpeciesId STEEL_GROUND = 207;    // ハガネール
constexpr data::MoveId ROCK_BLAST = 349;
constexpr data::MoveId TRIPLE_KICK = 166;
constexpr data::MoveId SONIC_BOOM = 48;
constexpr data::MoveId SEISMIC_TOSS = 68;
constexpr data::MoveId KNOCK_OFF = 281;
constexpr std::int32_t SKILL_LINK = 42;
constexpr std::int32_t SASH = 19, SITRUS = 20, ROCK_BERRY = 32, LEFTOVERS = 17;

RollList RollsOf(const Req& request, std::int32_t power = 0, bool lost = false) {
  const Rolls rolls = ComputeGameDamage(request, {power, lost}).rolls;
  return {rolls.begin(), rolls.end()};
}

struct Step {
  int slot;
  std::int64_t change;
  bool growing = false;
  bool needsItem = false;
};

enum class Held { Plain, Sash, Sitrus };

struct BattleCase {
  const char* what;
  Req request;
  Held item;            // what the defender's item does, if it holds one
  bool lostAfterFirst;  // a berry eaten, an item taken
  std::vector<Step> steps;
  std::int64_t entry;
  int turns;
  const char* hitsCell;
  const char* damageCell;
};

// The battle by brute force: every strike count and roll of every use, played out with the
// row's own strikes (トリプルキック: 10, 20, 30) and the case's rules around them.
class Playout {
 public:
  explicit Playout(const BattleCase& c)
      : c_(c), hp_(c.request.defender->stat[data::STAT_HP]), counts_(StrikeCounts(c.request)) {
    for (int j = 0; j < counts_.back().count; ++j) {
      const std::int32_t power = c.request.moveId == TRIPLE_KICK ? 10 * (j + 1) : 0;
      held_.push_back(RollsOf(c.request, power)), gone_.push_back(RollsOf(c.request, power, true));
    }
  }

  std::vector<double> Run() {
    const std::int64_t hp = hp_ - c_.entry;
    if (hp <= 0) return Faint(1, 1.0), ko_;
    bool holding = c_.request.defender->item != 0;
    Use(1, Sitrus(hp, holding), holding, 1.0);
    return ko_;
  }

 private:
  void Faint(int turn, double p) {
    for (int t = turn; t <= c_.turns; ++t) ko_[t] += p;
  }
  std::int64_t Sitrus(std::int64_t hp, bool& holding) const {
    if (!holding || c_.item != Held::Sitrus || hp > hp_ / 2) return hp;
    holding = false;
    return std::min(hp_, hp + hp_ / 4);
  }
  void Use(int turn, std::int64_t hp, bool holding, double p) {
    if (turn > c_.turns) return;
    const bool ready = holding && c_.item == Held::Sash && hp == hp_;
    for (const StrikeCount& c : counts_) {
      Strike(turn, 0, c.count, hp, holding, ready, false, p * c.weight / 8);
    }
  }
  void Strike(int turn, int j, int k, std::int64_t hp, bool holding, bool ready, bool used,
              double p) {
    if (j == k) {
      if (used || c_.lostAfterFirst) holding = false;
      return EndTurn(turn, hp, holding, p);
    }
    const RollList& rolls = (holding ? held_ : gone_)[j];
    for (std::size_t i = 0; i < rolls.size(); ++i) {
      if (i > 0 && rolls[i] == rolls[i - 1]) continue;  // equal rolls share one branch
      const double q = p * static_cast<double>(std::ranges::count(rolls, rolls[i])) / 16;
      std::int64_t h = hp - rolls[i];
      bool u = used, hold = holding;
      if (h <= 0 && !ready) {
        Faint(turn, q);
        continue;
      }
      if (h <= 0) h = 1, u = true;
      h = Sitrus(h, hold);
      if (j == 0 && c_.lostAfterFirst && c_.item != Held::Sash) hold = false;
      Strike(turn, j + 1, k, h, hold, ready, u, q);
    }
  }
  void EndTurn(int turn, std::int64_t hp, bool holding, double p) {
    for (int slot = 1; slot <= 4; ++slot) {
      for (const Step& step : c_.steps) {
        if (step.slot != slot || (step.needsItem && !holding)) continue;
        hp = std::min(hp_, hp + step.change * (step.growing ? turn : 1));
        if (hp <= 0) return Faint(turn, p);
      }
      if (slot == 1 || slot == 4) hp = Sitrus(hp, holding);
    }
    Use(turn + 1, hp, holding, p);
  }

  const BattleCase& c_;
  std::int64_t hp_;
  std::vector<StrikeCount> counts_;
  std::vector<RollList> held_, gone_;  // by strike
  std::vector<double> ko_ = std::vector<double>(KO_HITS_MAX + 1, 0.0);
};

// A sturdy defender: few distinct rolls keep the playout small.
Make Against(data::SpeciesId attacker, data::SpeciesId defender, data::MoveId move,
             std::int32_t hp) {
  return Make(attacker, defender, move).Hp(hp).With([](Req& r) {
    r.defender->stat[data::STAT_DEF] = r.defender->stat[data::STAT_SPDEF] = 400;
  });
}

TEST(ComputeGameBattle, KoChancesMatchAPlayout) {
  using D = DefenderStatus;
  const Req blast = Against(ROCK_GROUND_BIG, FIRE_FLYING, ROCK_BLAST, 60);
  // 39..46 from はたきおとす against 85 HP: たべのこし's 5 would decide the second turn.
  const Req knock = Make(WATER, NORMAL, KNOCK_OFF).Items(0, LEFTOVERS).Hp(85).Stat(1, 100, 20);
  // clang-format off
  const BattleCase cases[] = {
      {"ロックブラスト", blast, Held::Plain, false, {}, 0, 2, "乱数1発 (25.4%)", "32 ～ 120 (2～5回)"},
      {"スキルリンク", Against(ROCK_GROUND_BIG, FIRE_FLYING, ROCK_BLAST, 100).Abilities(SKILL_LINK, 0),
       Held::Plain, false, {}, 0, 2, "乱数1発 (0.2%)", "80 ～ 120 (5回)"},
      {"トリプルキック", Against(WATER, NORMAL, TRIPLE_KICK, 40), Held::Plain, false, {}, 0, 2,
       "乱数2発 (4.9%)", "18 ～ 24 (3回)"},
      // The berry halves the first strike (8 or 12), not the later ones (16 or 24).
      {"berry", Make(blast).Items(0, ROCK_BERRY), Held::Plain, true, {}, 0, 2, "乱数1発 (15.4%)",
       "24 ～ 108 (2～5回)"},
      {"sash, one strike", Against(WATER, FIRE, WATER_PHYSICAL_80, 30).Items(0, SASH), Held::Sash,
       false, {}, 0, 3, "確定2発", "24 ～ 30"},
      {"sash, five strikes", Make(blast).Items(0, SASH), Held::Sash, false, {}, 0, 2, "確定2発",
       "32 ～ 120 (2～5回)"},
      // もうどく at HP 235: 14, 28, 42, 56, so 20 a turn faints it in the fifth.
      {"もうどく", Against(WATER, NORMAL, SONIC_BOOM, 235).With([](Req& r) { r.defenderStatus = D::Toxic; }),
       Held::Plain, false, {{4, -14, true}}, 0, 4, "確定5発", "20"},
      // 40 a turn against 80 HP: オボンのみ's 20 at 40 HP adds a turn.
      {"オボンのみ", Against(WATER, NORMAL, 81, 80).Items(0, SITRUS), Held::Sitrus, false, {}, 0, 3,
       "確定3発", "40"},
      // 35, then poison's 10 reaches half: the berry acts after it.
      {"after poison", Against(WATER, NORMAL, SEISMIC_TOSS, 80).Level(35).Items(0, SITRUS)
           .With([](Req& r) { r.defenderStatus = D::Poison; }),
       Held::Sitrus, false, {{4, -10}}, 0, 3, "確定3発", "35"},
      {"ついばむ", Against(WATER, NORMAL, 364, 20).Items(0, SITRUS), Held::Sitrus, true, {}, 0, 4, "", ""},
      {"ついばむ, no berry", Make(knock).Hp(255).With([](Req& r) { r.moveId = 364; }), Held::Plain,
       false, {{2, 15, false, true}}, 0, 3, "", ""},
      // At 3 HP every step is 1: the berry waits for the poison, which faints it first.
      {"slots", Against(WATER, NORMAL, SEISMIC_TOSS, 3).Level(1).Items(0, SITRUS).With([](Req& r) {
         r.leechSeed = true, r.defenderStatus = D::Poison;
       }),
       Held::Sitrus, false, {{3, -1}, {4, -1}}, 0, 2, "確定1発", "1"},
      {"にどげり", Against(WATER, NORMAL, 23, 40), Held::Plain, false, {}, 0, 2, "乱数2発 (0.1%)", "16 ～ 20 (2回)"},
      {"はたきおとす", knock, Held::Plain, true, {{2, 5, false, true}}, 0, 3, "乱数2発 (46.5%)", "39 ～ 46"},
      {"ねんちゃく", Make(knock).Abilities(0, 73), Held::Plain, false, {{2, 5, false, true}}, 0, 3, "", ""},
      {"ほしがる", Make(knock).Hp(160).With([](Req& r) { r.moveId = 342; }), Held::Plain, true,
       {{2, 10, false, true}}, 0, 2, "乱数2発 (83.6%)", "76 ～ 90"},
      // Poison leaves exactly 1 HP after the fourth turn: alive until the fifth strike.
      {"1 HP", Against(WATER, NORMAL, SEISMIC_TOSS, 9).Level(1).With([](Req& r) { r.defenderStatus = D::Poison; }),
       Held::Plain, false, {{4, -1}}, 0, 4, "確定5発", "1"},
      // Sand 7, leech seed 15, poison 15 of 120, and 60 of stealth rock on entry.
      {"entry", Against(WATER, FIRE_FLYING, WATER_PHYSICAL_80, 120).With([](Req& r) {
         r.weather = WEATHER_SANDSTORM, r.leechSeed = r.stealthRock = true, r.defenderStatus = D::Poison;
       }),
       Held::Plain, false, {{1, -7}, {3, -15}, {4, -15}}, 60, 1, "確定1発", "24 ～ 30"},
  };
  // clang-format on
  for (const BattleCase& c : cases) {
    const GameDamageResult result = ComputeGameBattle(c.request);
    const std::vector<double> expected = Playout(c).Run();
    for (int n = 1; n <= c.turns; ++n) {
      EXPECT_NEAR(result.koProbability[n], expected[n], 1e-13) << c.what << ", turn " << n;
    }
    if (*c.hitsCell) {
      EXPECT_EQ(GameHitsCell(result), c.hitsCell) << c.what;
      EXPECT_EQ(GameDamageCell(result), c.damageCell) << c.what;
    }
  }
  // One use's share of the HP: 32 and 120 of 60.
  const GameDamageResult used = ComputeGameBattle(blast);
  EXPECT_EQ(std::pair(used.minPercent, used.maxPercent), std::pair(53.3, 200.0));
}

// The end-of-turn steps a defender of HP 240 meets, in the games' order; the last six meet
// nothing: a sand-proof type, すながくれ, ゆきがくれ, ぶきよう, a seed on くさ, マジックガード.
TEST(ComputeGameBattle, EndOfTurnSteps) {
  using D = DefenderStatus;
  // clang-format off
  const std::pair<Tweak, std::vector<std::string>> cases[] = {
      {[](Req& r) { r.weather = WEATHER_SANDSTORM, r.leechSeed = true, r.defenderStatus = D::Poison, r.defender->item = 17; },
       {"(1) 砂嵐 -15", "(2) たべのこし +15", "(3) やどりぎのタネ -30", "(4) どく -30"}},
      {[](Req& r) { r.weather = WEATHER_HAIL, r.defender->item = 18, r.defenderStatus = D::Toxic; },
       {"(1) 霰 -15", "(2) くろいヘドロ -30", "(4) もうどく -15×ターン数"}},
      {[](Req& r) { r.weather = WEATHER_HAIL, r.defender->ability = 1, r.defender->species = GHOST_POISON, r.defender->item = 18, r.defenderStatus = D::Burn; },
       {"(1) アイスボディ +15", "(2) くろいヘドロ +15", "(4) やけど -30"}},
      {[](Req& r) { r.weather = WEATHER_RAIN, r.defender->ability = 5; }, {"(1) あめうけざら +15"}},
      {[](Req& r) { r.weather = WEATHER_RAIN, r.defender->ability = 22, r.moveId = 32; }, {"(1) かんそうはだ +30"}},
      {[](Req& r) { r.weather = WEATHER_SUN, r.defender->ability = 32; }, {"(1) サンパワー -30"}},
      {[](Req& r) { r.weather = WEATHER_RAIN, r.defender->ability = 12, r.defenderStatus = D::Toxic; }, {"(1) うるおいボディ： 状態異常が治る"}},
      {[](Req& r) { r.defenderStatus = D::Toxic, r.defender->ability = 97; }, {"(4) ポイズンヒール +30"}},
      {[](Req& r) { r.defenderStatus = D::Burn, r.defender->ability = 51; }, {"(4) やけど -15"}},
      {[](Req& r) { r.weather = WEATHER_SANDSTORM, r.defender->species = ROCK_GROUND; }, {}},
      {[](Req& r) { r.weather = WEATHER_SANDSTORM, r.defender->ability = 46; }, {}},
      {[](Req& r) { r.weather = WEATHER_HAIL, r.defender->ability = 116; }, {}},
      {[](Req& r) { r.defender->item = 17, r.defender->ability = data::ABILITY_KLUTZ; }, {}},
      {[](Req& r) { r.leechSeed = true, r.defender->species = 0; }, {}},
      {[](Req& r) { r.weather = WEATHER_SANDSTORM, r.leechSeed = true, r.defenderStatus = D::Poison, r.defender->item = 18, r.defender->ability = 104; }, {}},
  };
  // clang-format on
  for (const auto& [tweak, lines] : cases)
    EXPECT_EQ(ComputeGameBattle(Make(Row(tweak)).Hp(240)).endOfTurn, lines) << lines.size();
}

TEST(ComputeGameBattle, EntryHazards) {
  const std::pair<Tweak, std::int64_t> cases[] = {
      {[](Req& r) { r.stealthRock = true, r.defender->species = FIRE_FLYING; }, 50},  // ×4
      {[](Req& r) { r.stealthRock = true, r.defender->species = STEEL_GROUND; }, 3},  // ×1/4
      {[](Req& r) { r.stealthRock = true; }, 12},
      {[](Req& r) { r.spikes = 1; }, 12},
      {[](Req& r) { r.spikes = 2; }, 16},
      {[](Req& r) { r.spikes = 3; }, 25},
      {[](Req& r) { r.spikes = 3, r.defender->species = NORMAL_FLYING; }, 0},
      {[](Req& r) { r.spikes = 3, r.defender->ability = data::ABILITY_LEVITATE; }, 0},
      {[](Req& r) { r.spikes = 3, r.gravity = true, r.defender->species = NORMAL_FLYING; }, 25},
      {[](Req& r) { r.spikes = 1, r.stealthRock = true, r.defender->ability = 104; }, 0},
      {[](Req& r) { r.spikes = 1, r.stealthRock = true; }, 24},
  };
  for (const auto& [tweak, damage] : cases)
    EXPECT_EQ(ComputeGameBattle(Row(tweak)).entryDamage, damage) << damage;
  // ヌケニン's 1 HP goes on entry, whatever the move would do (its cell: the report rows).
  const GameDamageResult fainted = ComputeGameBattle(Row([](Req& r) {
    r.stealthRock = true, r.defender->species = 291, r.defender->ability = 89;
    r.defender->stat[data::STAT_HP] = 1;
  }));
  EXPECT_EQ(GameDamageCell(fainted), IMMUNE_CELL);
  EXPECT_EQ(fainted.koProbability[1], 1.0);
  // Moves that may take the item are never counted as a lone strike.
  for (const data::MoveId move : {KNOCK_OFF, 167, 342, 364, 449})
    EXPECT_FALSE(ComputeGameBattle(Make(WATER, NORMAL, move)).koExact) << move;
}

// Every move strikes as its effect says: 2 to 5 times (スキルリンク: 5), twice, or トリプルキック.
TEST(StrikeCounts, FollowTheMoveEffect) {
  const auto text = [](const Req& request) {
    std::string out;
    for (const StrikeCount& c : StrikeCounts(request))
      out += text::Format("%d:%d ", c.count, c.weight);
    return out;
  };
  for (data::MoveId move = 0; move < data::MOVE_COUNT; ++move) {
    const std::int32_t effect = data::Move(move).effect;
    EXPECT_EQ(text(Make(WATER, NORMAL, move)), effect == 29                   ? "2:3 3:3 4:1 5:1 "
                                               : effect == 44 || effect == 77 ? "2:8 "
                                               : effect == 104                ? "3:8 "
                                                                              : "1:8 ")
        << data::MoveName(move);
  }
  EXPECT_EQ(text(Make(WATER, NORMAL, ROCK_BLAST).Abilities(SKILL_LINK, 0)), "5:8 ");
  EXPECT_EQ(text(Row([](Req& r) { r.moveId = ROCK_BLAST, r.rowKind = RowKind::Direct; })), "1:8 ");
}

// The assumptions a row rests on, each where it applies; a plain row and one with nothing
// around the attacker's turn end carry only the first two.
TEST(ComputeGameBattle, Notes) {
  using D = DefenderStatus;
  const std::vector<std::string> plain{"急所には当たらない", "防御側のHPは満タン"};
  EXPECT_EQ(ComputeGameBattle(Row([](Req&) {})).notes, plain);
  EXPECT_EQ(ComputeGameBattle(Row([](Req& r) { r.stealthRock = r.reflect = true; })).notes, plain);
  const std::string TURN_END = "攻撃側のターン終了時の変化は計算に入れない";
  // clang-format off
  const std::pair<Tweak, std::string> cases[] = {
      {[](Req& r) { r.critical = true; }, "急所に当たる"},
      {[](Req& r) { r.critical = true, r.defender->ability = 19; }, "防御側の「カブトアーマー」で急所に当たらない"},
      {[](Req& r) { r.critical = true, r.moveId = 352; }, "「はめつのねがい」は急所に当たらない"},
      {[](Req& r) { r.attacker->ability = 29, r.abilityActive = true; }, "攻撃側のHPは最大の1/3（「げきりゅう」発動）"},
      {[](Req& r) { r.moveId = 283; }, "攻撃側のHPは満タン"},
      {[](Req& r) { r.attacker->ability = 30, r.abilityActive = true; }, "「こんじょう」発動は、どく状態として計算"},
      {[](Req& r) { r.attacker->ability = 66; }, "性別が決まらないため「とうそうしん」は計算に入れない"},
      {[](Req& r) { r.attacker->ability = 66, r.attacker->species = 32, r.defender->species = 31; }, "「とうそうしん」は同じ性別として計算"},
      {[](Req& r) { r.attacker->ability = 66, r.attacker->species = 32, r.defender->species = 28; }, "「とうそうしん」は異なる性別として計算"},
      {[](Req& r) { r.defender->ability = 8; }, "ランク補正は入力どおり（「いかく」「ダウンロード」は反映済みとする）"},
      {[](Req& r) { r.moveId = 370; }, "「しっぺがえし」は相手より先に行動したときの威力"},
      {[](Req& r) { r.moveId = 164; }, "「わるあがき」はタイプなし（相性・タイプ一致なし）"},
      {[](Req& r) { r.moveId = 279, r.lightScreen = true; }, "「かわらわり」で壁を破ってから攻撃"},
      {[](Req& r) { r.attacker->species = 380, r.attacker->item = 10; }, "「こころのしずく」はバトルフロンティア以外の対戦として計算"},
      {[](Req& r) { r.attacker->item = 10; }, "攻撃側の「こころのしずく」はこのヴォルミルには効果がない"},
      {[](Req& r) { r.defender->item = 10; }, "防御側の「こころのしずく」はこのヴォルミルには効果がない"},
      {[](Req& r) { r.attacker->ability = 63; }, "攻撃側の「てんきや」はポワルン以外には効果がない"},
      {[](Req& r) { r.defender->ability = 63; }, "防御側の「てんきや」はポワルン以外には効果がない"},
      {[](Req& r) { r.defenderStatus = D::Burn, r.defender->species = FIRE; }, "防御側は「やけど」にならないため状態異常なしとして計算"},
      {[](Req& r) { r.defenderStatus = D::Toxic, r.defender->ability = 53; }, "「だっぴ」で状態異常が治ることは計算に入れない"},
      {[](Req& r) { r.leechSeed = true, r.defender->species = 0; }, "くさタイプの防御側に「やどりぎのタネ」は効かない"},
      {[](Req& r) { r.moveId = 19; }, "「しめつける」の毎ターンのダメージは計算に入れない"},
      {[](Req& r) { r.weather = WEATHER_SANDSTORM; }, TURN_END},
      {[](Req& r) { r.burned = true, r.stealthRock = true; }, TURN_END},
      {[](Req& r) { r.attacker->ability = 30, r.abilityActive = r.stealthRock = true; }, TURN_END},
      {[](Req& r) { r.attacker->item = 2, r.stealthRock = true; }, TURN_END},
  };
  // clang-format on
  for (const auto& [tweak, note] : cases) {
    EXPECT_EQ(std::ranges::count(ComputeGameBattle(Row(tweak)).notes, note), 1) << note;
  }
}

// The report of a followed battle: strike counts and later strikes' rolls, hazards, the turn
// end and the chances by turn; a defender fainted on entry has no chances.
TEST(GameDamageReport, BattleRows) {
  const auto report = [](const Req& request) {
    return GameDamageReport(ComputeGameBattle(request));
  };
  const std::pair<std::string, std::string> cases[] = {
      {report(Against(WATER, NORMAL, TRIPLE_KICK, 100).With([](Req& r) {
         r.stealthRock = true, r.weather = WEATHER_SANDSTORM;
       })),
       "攻撃回数： 3回\r\n2回目の乱数： 6 6 6 6 6 6 6 6 6 6 6 6 6 6 6 8\r\n"
       "3回目の乱数： 8 8 8 8 8 8 8 8 8 8 8 8 8 8 8 10\r\n"
       "ダメージ： 18 ～ 24 (3回) （18.0% ～ 24.0%）\r\n設置技のダメージ： 12\r\n"
       "ターン終了時：\r\n・(1) 砂嵐 -6\r\n1ターンで倒す確率： 0.0%\r\n"},
      {report(Against(ROCK_GROUND_BIG, FIRE_FLYING, ROCK_BLAST, 60)),
       "攻撃回数： 2回 (37.5%) 3回 (37.5%) 4回 (12.5%) 5回 (12.5%)\r\n"},
      {report(Against(WATER, NORMAL, 23, 40)), "攻撃回数： 2回\r\nダメージ： 16 ～ 20 (2回)"},
      {report(Row([](Req& r) {
         r.stealthRock = true, r.defender->species = 291, r.defender->stat[data::STAT_HP] = 1;
       })),
       "設置技のダメージ： 1\r\n必要攻撃回数： 設置技で瀕死\r\n"},
  };
  for (const auto& [text, piece] : cases) EXPECT_NE(text.find(piece), std::string::npos) << text;
}

}  // namespace
}  // namespace kerumina::calc
