#include <gtest/gtest.h>

#include <string>

#include "calc/iv_report.h"
#include "data/battle_rules.h"
#include "res/para_check_dlg.h"
#include "tests/ui/window_fixture.h"
#include "ui/para_check_dlg.h"

namespace kerumina::ui {
namespace {

using calc::IvBound;
using platform::ComboBox;
using platform::ListBox;
using namespace res;
constexpr int HP = data::STAT_HP, ATK = data::STAT_ATK, DEF = data::STAT_DEF;
constexpr int SPEED = data::STAT_SPEED;

class ParaCheckTest : public WindowTest<CParaCheckDlg> {
 protected:
  ComboBox& Combo(int id) { return window().Item<ComboBox>(id); }
  ListBox& Candidates(int d) { return window().Item<ListBox>(IDC_PARACHECK_CANDIDATES[d]); }
  void Choose(int id, int index) { EXPECT_TRUE(Combo(id).UserChoose(index)) << id; }
  void Click(int id) { Press(window(), id); }
  std::string Text(int id) { return window().GetDlgItemText(id); }
  void Judge(data::SpeciesId species, int level) {
    ChooseData(window(), IDC_PARACHECK_SPECIES, species);
    Choose(IDC_PARACHECK_LEVEL, level - 1);
  }
  void PickIv(int d, int iv) {
    for (int i = 0; i < Candidates(d).GetCount(); ++i) {
      auto c = calc::UnpackIvCandidate(static_cast<std::int32_t>(Candidates(d).GetItemData(i)));
      if (c.ivLo <= iv && iv <= c.ivHi) Candidates(d).UserChoose(i);
    }
  }
  IvBound Bound(int d) {
    return {Combo(IDC_PARACHECK_AT_LEAST[d]).GetCurSel(),
            Combo(IDC_PARACHECK_AT_MOST[d]).GetCurSel()};
  }
  // What the core reports of the choices the window shows.
  std::string CoreReport() {
    calc::IvBounds bounds;
    for (int d = 0; d < data::STAT_COUNT; ++d) bounds[d] = Bound(d);
    const ComboBox& species = Combo(IDC_PARACHECK_SPECIES);
    return calc::EvaluateIvs(static_cast<data::SpeciesId>(species.GetItemData(species.GetCurSel())),
                             Combo(IDC_PARACHECK_LEVEL).GetCurSel() + 1,
                             Combo(IDC_PARACHECK_NATURE).GetCurSel(), bounds,
                             window().IsDlgButtonChecked(IDC_PARACHECK_HIDDEN_POWER) != 0)
        .report;
  }
};

// Saved positions come back with the report (unknown ones: the search window's test);
// closing saves them.
TEST_F(ParaCheckTest, SettingsRestoreAndSaveTheChoices) {
  for (const auto& [saved, shown] : {std::pair{"", std::vector{0, 0, 0, 0}},
                                     {"rule=2\nlevel=49\nseikaku=3\nvorm=5\n", {2, 49, 3, 5}}}) {
    WriteIni(std::string("[Main]\nVersion=60\n[ParaCheck]\n") + saved);
    Open();
    EXPECT_EQ(
        (std::vector{Combo(IDC_PARACHECK_RULE).GetCurSel(), Combo(IDC_PARACHECK_LEVEL).GetCurSel(),
                     Combo(IDC_PARACHECK_NATURE).GetCurSel(),
                     Combo(IDC_PARACHECK_SPECIES).GetCurSel()}),
        shown);
    EXPECT_EQ(window().report(), CoreReport()) << saved;
    Choose(IDC_PARACHECK_LEVEL, 9);
    Close();
    EXPECT_EQ((std::vector{Setting("ParaCheck", "rule"), Setting("ParaCheck", "level"),
                           Setting("ParaCheck", "seikaku"), Setting("ParaCheck", "vorm")}),
              (std::vector{shown[0], 9, shown[2], shown[3]}));
  }
}

// The species list follows the rule. Species 7 at level 3 shows HP 0..15 as its lowest
// line, at level 4 7..31 as its top line: level, nature and species changes rebuild the
// lists but keep the bounds, so picks intersect until "リセット".
TEST_F(ParaCheckTest, PicksIntersectAcrossRebuildsUntilReset) {
  Open();
  Choose(IDC_PARACHECK_RULE, data::RULE_REGIONAL_DP);
  EXPECT_EQ(Combo(IDC_PARACHECK_SPECIES).GetCount(),
            static_cast<int>(data::RuleFilteredSpecies(data::RULE_REGIONAL_DP).size()));
  Choose(IDC_PARACHECK_RULE, 0);
  Judge(7, 3);
  PickIv(HP, 0);
  EXPECT_EQ(Bound(HP), (IvBound{0, 15}));
  Click(IDC_PARACHECK_LEVEL_UP);
  PickIv(HP, 31);
  EXPECT_EQ(Bound(HP), (IvBound{7, 15}));
  PickIv(HP, 0);  // misses the bounds
  EXPECT_EQ(Bound(HP), (IvBound{7, 15}));
  EXPECT_EQ(Text(IDC_PARACHECK_THRESHOLD[HP]).substr(0, 3), " 7:");

  Choose(IDC_PARACHECK_NATURE, 3);
  Judge(150, 50);  // every base stat 100
  EXPECT_EQ(Bound(HP), (IvBound{7, 15}));
  EXPECT_EQ(Candidates(HP).GetText(0), "160：0～1");
  EXPECT_EQ(Text(IDC_PARACHECK_CONFIRM[HP]), "あめ： 0 個 ドーピング： 2 個　Ｖ確定能力値： 178");
  EXPECT_EQ(window().report(), CoreReport());

  PickIv(SPEED, 3);
  Click(IDC_PARACHECK_RESET);
  for (int d = 0; d < data::STAT_COUNT; ++d) EXPECT_EQ(Bound(d), (IvBound{0, 31})) << d;
  EXPECT_EQ(window().report(), CoreReport());
}

// Every base stat 100 at level 50. "ちのけが おおい" (position 10) leaves Atk 29 of 28..31;
// Def from 30 up contradicts it; "指定無し" gives the window back. EV 252 moves HP IV 0 to
// 191; a refused entry leaves a message and the last valid value; empty counts as 0.
TEST_F(ParaCheckTest, CharacteristicEvsAndHiddenPower) {
  Open();
  Judge(150, 50);
  Choose(IDC_PARACHECK_AT_LEAST[ATK], 28);
  const std::string before = window().report();
  Choose(IDC_PARACHECK_CHARACTERISTIC, 10);
  EXPECT_EQ(Text(IDC_PARACHECK_POSSIBLE[ATK]), "29");
  Choose(IDC_PARACHECK_AT_LEAST[DEF], 30);
  EXPECT_EQ(Text(IDC_PARACHECK_CONTRADICTION), "個性と合いません");
  Choose(IDC_PARACHECK_AT_LEAST[DEF], 0);
  Choose(IDC_PARACHECK_CHARACTERISTIC, 0);
  EXPECT_EQ(Text(IDC_PARACHECK_POSSIBLE[ATK]) + Text(IDC_PARACHECK_CONTRADICTION), "28～31");

  // Stat, typed, the message, shown after.
  const std::tuple<int, const char*, const char*, const char*> entries[] = {
      {HP, "252", "", "252"},
      {HP, "256", "0 から 255 までの整数を入力してください。", "252"},
      {HP, "2a", "整数を入力してください。", "252"},
      {ATK, "255", "", "255"},
      {DEF, "4", "努力値が多すぎます", "0"},
  };
  for (const auto& [d, typed, message, shown] : entries) {
    const std::size_t messages = host.messages().size();
    Type(window(), IDC_PARACHECK_EV[d], typed);
    EXPECT_EQ(host.messages().size() > messages ? host.messages().back().text : "", message);
    EXPECT_EQ(Text(IDC_PARACHECK_EV[d]), shown);
    EXPECT_EQ(Candidates(HP).GetText(0), "191：0");
  }
  EXPECT_NE(window().report().find("努力値：252/255/0/0/0/0\r\n"), std::string::npos);
  Type(window(), IDC_PARACHECK_EV[HP], "");
  Type(window(), IDC_PARACHECK_EV[ATK], "0");
  EXPECT_EQ(window().report(), before);

  // Hidden power, listed with three stats narrowed (and in the report); switched off, no line
  // of it stays.
  const ListBox& types = window().Item<ListBox>(IDC_PARACHECK_HIDDEN_POWER_LIST);
  Click(IDC_PARACHECK_HIDDEN_POWER);
  for (int d : {HP, ATK, SPEED}) PickIv(d, 31);
  EXPECT_GT(types.GetCount(), 0);
  Click(IDC_PARACHECK_COPY);
  EXPECT_EQ(host.clipboard(), CoreReport());
  Click(IDC_PARACHECK_HIDDEN_POWER);
  EXPECT_EQ(types.GetCount(), 0);
  EXPECT_EQ(window().report().find("めざパ"), std::string::npos);
}

}  // namespace
}  // namespace kerumina::ui
