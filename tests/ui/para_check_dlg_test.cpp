#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "calc/iv_report.h"
#include "data/battle_rules.h"
#include "res/para_check_dlg.h"
#include "tests/ui/box_window_fixture.h"
#include "ui/para_check_dlg.h"

namespace kerumina::ui {
namespace {

using calc::IvBound;
using platform::ComboBox;
using platform::ListBox;
using namespace res;

class ParaCheckTest : public WindowTest<CParaCheckDlg> {
 protected:
  ComboBox& Combo(int id) { return window().Item<ComboBox>(id); }
  ListBox& Candidates(int d) { return window().Item<ListBox>(IDC_PARACHECK_CANDIDATES[d]); }
  void Choose(int id, int index) { EXPECT_TRUE(Combo(id).UserChoose(index)) << id; }
  void Click(int id) { WindowTest::Click(window(), id); }
  void Judge(data::SpeciesId species, int level) {
    ComboBox& combo = Combo(IDC_PARACHECK_SPECIES);
    for (int i = 0; i < combo.GetCount(); ++i)
      if (combo.GetItemData(i) == species) Choose(IDC_PARACHECK_SPECIES, i);
    Choose(IDC_PARACHECK_LEVEL, level - 1);
  }
  // Picks the candidate line that holds this IV.
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
  std::string Text(int id) { return window().GetDlgItemText(id); }
  int HiddenPowerLines() {
    return window().Item<ListBox>(IDC_PARACHECK_HIDDEN_POWER_LIST).GetCount();
  }
};

// Saved positions are restored, a position the list lacks selects its first item, the
// report is there from the start, and closing writes the positions back.
TEST_F(ParaCheckTest, SettingsRestoreAndSaveTheChoices) {
  struct Case {
    const char* saved;
    int rule, level, nature, species;
  };
  const Case cases[] = {
      {"", 0, 0, 0, 0},
      {"rule=2\nlevel=49\nseikaku=3\nvorm=5\n", 2, 49, 3, 5},
      {"rule=7\nlevel=100\nseikaku=-1\nvorm=100000\n", 0, 0, 0, 0},
  };
  for (const Case& c : cases) {
    WriteIni(std::string("[Main]\nVersion=60\n[ParaCheck]\n") + c.saved);
    Open();
    EXPECT_EQ(Combo(IDC_PARACHECK_RULE).GetCurSel(), c.rule) << c.saved;
    EXPECT_EQ(Combo(IDC_PARACHECK_LEVEL).GetCurSel(), c.level) << c.saved;
    EXPECT_EQ(Combo(IDC_PARACHECK_NATURE).GetCurSel(), c.nature) << c.saved;
    EXPECT_EQ(Combo(IDC_PARACHECK_SPECIES).GetCurSel(), c.species) << c.saved;
    EXPECT_EQ(window().report(), CoreReport()) << c.saved;
    Choose(IDC_PARACHECK_LEVEL, 9);
    Close();
    EXPECT_EQ(Setting("ParaCheck", "rule"), c.rule);
    EXPECT_EQ(Setting("ParaCheck", "level"), 9);
    EXPECT_EQ(Setting("ParaCheck", "seikaku"), c.nature);
    EXPECT_EQ(Setting("ParaCheck", "vorm"), c.species);
  }
}

// Species 7 at level 3 shows HP 0..15 as its lowest line, at level 4 7..31 as its top
// line. Level, nature and species changes rebuild the lists but keep the bounds.
TEST_F(ParaCheckTest, PicksIntersectAcrossRebuildsUntilReset) {
  Open();
  Judge(7, 3);
  PickIv(data::STAT_HP, 0);
  EXPECT_EQ(Bound(data::STAT_HP), (IvBound{0, 15}));
  Click(IDC_PARACHECK_LEVEL_UP);
  EXPECT_EQ(Candidates(data::STAT_HP).GetCurSel(), ListBox::NONE);
  PickIv(data::STAT_HP, 31);
  EXPECT_EQ(Bound(data::STAT_HP), (IvBound{7, 15}));
  PickIv(data::STAT_HP, 0);  // misses the bounds
  EXPECT_EQ(Bound(data::STAT_HP), (IvBound{7, 15}));
  EXPECT_EQ(window().GetDlgItemText(IDC_PARACHECK_THRESHOLD[data::STAT_HP]).substr(0, 3), " 7:");

  Choose(IDC_PARACHECK_NATURE, 3);
  Choose(IDC_PARACHECK_SPECIES, 5);
  Judge(150, 50);  // every base stat 100
  EXPECT_EQ(Bound(data::STAT_HP), (IvBound{7, 15}));
  EXPECT_EQ(Candidates(data::STAT_HP).GetText(0), "160：0～1");
  EXPECT_EQ(window().GetDlgItemText(IDC_PARACHECK_CONFIRM[data::STAT_HP]),
            "あめ： 0 個 ドーピング： 2 個　Ｖ確定能力値： 178");
  EXPECT_EQ(window().report(), CoreReport());

  PickIv(data::STAT_SPEED, 3);
  Click(IDC_PARACHECK_RESET);
  for (int d = 0; d < data::STAT_COUNT; ++d) {
    EXPECT_EQ(Bound(d), (IvBound{0, 31})) << d;
    EXPECT_EQ(Candidates(d).GetCurSel(), ListBox::NONE) << d;
  }
  EXPECT_EQ(window().report(), CoreReport());

  for (int level : {100, 1}) {
    Choose(IDC_PARACHECK_LEVEL, level - 1);
    Click(level == 100 ? IDC_PARACHECK_LEVEL_UP : IDC_PARACHECK_LEVEL_DOWN);
    EXPECT_EQ(Combo(IDC_PARACHECK_LEVEL).GetCurSel(), level - 1);
  }
}

// The list holds the types of the bounds as they stand: no lines of an earlier
// evaluation stay once four stats are open again or the switch is off.
TEST_F(ParaCheckTest, HiddenPowerNeedsThreeNarrowedStatsAndIsCopied) {
  Open();
  Judge(150, 50);
  Click(IDC_PARACHECK_HIDDEN_POWER);
  PickIv(data::STAT_HP, 31);
  PickIv(data::STAT_ATK, 31);
  EXPECT_EQ(HiddenPowerLines(), 0);
  PickIv(data::STAT_SPEED, 31);
  EXPECT_GT(HiddenPowerLines(), 0);
  EXPECT_NE(window().report().find("\r\n 可能性のある「めざパ」一覧\r\n"), std::string::npos);
  Click(IDC_PARACHECK_COPY);
  EXPECT_EQ(host.clipboard(), CoreReport());

  Choose(IDC_PARACHECK_AT_LEAST[data::STAT_SPEED], 0);
  Choose(IDC_PARACHECK_AT_MOST[data::STAT_SPEED], 31);
  EXPECT_EQ(HiddenPowerLines(), 0);
  PickIv(data::STAT_SPEED, 31);
  Click(IDC_PARACHECK_HIDDEN_POWER);
  EXPECT_EQ(HiddenPowerLines(), 0);
  EXPECT_EQ(window().report().find("めざパ"), std::string::npos);
}

// Every base stat 100 at level 50. "ちのけが おおい" (position 10) leaves Atk 29 of 28..31;
// Def from 30 up contradicts it; "指定無し" gives the window back. EV 252 moves HP IV 0 to
// 191; a refused entry leaves a message and the last valid value; empty counts as 0.
TEST_F(ParaCheckTest, CharacteristicAndEvsUntilRemoved) {
  Open();
  Judge(150, 50);
  Choose(IDC_PARACHECK_AT_LEAST[data::STAT_ATK], 28);
  const std::string before = window().report();
  Choose(IDC_PARACHECK_CHARACTERISTIC, 10);
  EXPECT_EQ(Text(IDC_PARACHECK_POSSIBLE[data::STAT_ATK]), "29");
  EXPECT_EQ(Text(IDC_PARACHECK_POSSIBLE[data::STAT_SPEED]), "0～29");
  Choose(IDC_PARACHECK_AT_LEAST[data::STAT_DEF], 30);
  EXPECT_EQ(Text(IDC_PARACHECK_CONTRADICTION), "個性と合いません");
  EXPECT_EQ(Text(IDC_PARACHECK_POSSIBLE[data::STAT_ATK]), "28～31");
  Choose(IDC_PARACHECK_AT_LEAST[data::STAT_DEF], 0);
  Choose(IDC_PARACHECK_CHARACTERISTIC, 0);
  EXPECT_EQ(window().report(), before);
  EXPECT_EQ(Text(IDC_PARACHECK_POSSIBLE[data::STAT_ATK]) + Text(IDC_PARACHECK_CONTRADICTION),
            "28～31");

  const struct {
    int d;
    const char* typed;
    const char* message;  // none: taken
    const char* shown;
  } entries[] = {
      {data::STAT_HP, "252", nullptr, "252"},
      {data::STAT_HP, "256", "0 から 255 までの整数を入力してください。", "252"},
      {data::STAT_HP, "2a", "整数を入力してください。", "252"},
      {data::STAT_ATK, "255", nullptr, "255"},
      {data::STAT_DEF, "4", "努力値が多すぎます", "0"},
  };
  for (const auto& e : entries) {
    const std::size_t shown = host.messages().size();
    Type(window(), IDC_PARACHECK_EV[e.d], e.typed);
    const std::string message = host.messages().size() > shown ? host.messages().back().text : "";
    EXPECT_EQ(message, e.message ? e.message : "") << e.typed;
    EXPECT_EQ(Text(IDC_PARACHECK_EV[e.d]), e.shown);
    EXPECT_EQ(Candidates(data::STAT_HP).GetText(0), "191：0");
  }
  EXPECT_NE(window().report().find("努力値：252/255/0/0/0/0\r\n"), std::string::npos);
  Type(window(), IDC_PARACHECK_EV[data::STAT_HP], "");
  Type(window(), IDC_PARACHECK_EV[data::STAT_ATK], "0");
  EXPECT_EQ(window().report(), before);
}

TEST_F(ParaCheckTest, RuleChangeRefillsTheSpeciesAndRebuilds) {
  Open();
  Choose(IDC_PARACHECK_RULE, data::RULE_REGIONAL_DP);
  const ComboBox& species = Combo(IDC_PARACHECK_SPECIES);
  EXPECT_EQ(species.GetCount(),
            static_cast<int>(data::RuleFilteredSpecies(data::RULE_REGIONAL_DP).size()));
  EXPECT_EQ(species.GetCurSel(), 0);
  const auto first = static_cast<data::SpeciesId>(species.GetItemData(0));
  EXPECT_EQ(window().report().rfind("種族：" + std::string(data::SpeciesName(first)), 0), 0u);
  EXPECT_EQ(Candidates(data::STAT_HP).GetText(0),
            calc::IvCandidateText(calc::BuildIvCandidates(first, 1, 0, data::STAT_HP)[0]));
}

}  // namespace
}  // namespace kerumina::ui
