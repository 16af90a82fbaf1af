#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "calc/iv_report.h"
#include "data/battle_rules.h"
#include "res/para_check_dlg.h"
#include "tests/ui/shell_fixture.h"
#include "ui/para_check_dlg.h"

namespace kerumina::ui {
namespace {

using calc::IvBound;
using platform::ComboBox;
using platform::ListBox;
using namespace res;

// The window on its own, created as the launcher creates it, with the settings file of
// the test's folder.
class ParaCheckTest : public ShellTest {
 protected:
  void TearDown() override {
    Close();
    ShellTest::TearDown();
  }
  CParaCheckDlg& Open() {
    app_ = std::make_unique<CMainApp>(host);
    app_->PrepareSettings();
    window_ = std::make_unique<CParaCheckDlg>(*app_);
    window_->CreateToolWindow();
    return *window_;
  }
  void Close() {
    if (window_) window_->DestroyWindow();
    window_.reset();
    app_.reset();
  }

  ComboBox& Combo(int id) { return window_->Item<ComboBox>(id); }
  ListBox& Candidates(int d) { return window_->Item<ListBox>(IDC_PARACHECK_CANDIDATES[d]); }
  void Choose(int id, int index) { EXPECT_TRUE(Combo(id).UserChoose(index)) << id; }
  void Click(int id) { window_->Item<platform::Button>(id).UserClick(); }
  void ToggleHiddenPower() {
    window_->Item<platform::CheckBox>(IDC_PARACHECK_HIDDEN_POWER).UserClick();
  }
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
                             window_->IsDlgButtonChecked(IDC_PARACHECK_HIDDEN_POWER) != 0)
        .report;
  }
  int HiddenPowerLines() {
    return window_->Item<ListBox>(IDC_PARACHECK_HIDDEN_POWER_LIST).GetCount();
  }

 private:
  std::unique_ptr<CMainApp> app_;
  std::unique_ptr<CParaCheckDlg> window_;
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
    CParaCheckDlg& window = Open();
    EXPECT_EQ(Combo(IDC_PARACHECK_RULE).GetCurSel(), c.rule) << c.saved;
    EXPECT_EQ(Combo(IDC_PARACHECK_LEVEL).GetCurSel(), c.level) << c.saved;
    EXPECT_EQ(Combo(IDC_PARACHECK_NATURE).GetCurSel(), c.nature) << c.saved;
    EXPECT_EQ(Combo(IDC_PARACHECK_SPECIES).GetCurSel(), c.species) << c.saved;
    EXPECT_EQ(window.report(), CoreReport()) << c.saved;
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
  CParaCheckDlg& window = Open();
  Judge(7, 3);
  PickIv(data::STAT_HP, 0);
  EXPECT_EQ(Bound(data::STAT_HP), (IvBound{0, 15}));
  Click(IDC_PARACHECK_LEVEL_UP);
  EXPECT_EQ(Candidates(data::STAT_HP).GetCurSel(), ListBox::NONE);
  PickIv(data::STAT_HP, 31);
  EXPECT_EQ(Bound(data::STAT_HP), (IvBound{7, 15}));
  PickIv(data::STAT_HP, 0);  // misses the bounds
  EXPECT_EQ(Bound(data::STAT_HP), (IvBound{7, 15}));
  EXPECT_EQ(window.GetDlgItemText(IDC_PARACHECK_THRESHOLD[data::STAT_HP]).substr(0, 3), " 7:");

  Choose(IDC_PARACHECK_NATURE, 3);
  Choose(IDC_PARACHECK_SPECIES, 5);
  Judge(150, 50);  // every base stat 100
  EXPECT_EQ(Bound(data::STAT_HP), (IvBound{7, 15}));
  EXPECT_EQ(Candidates(data::STAT_HP).GetText(0), "160：0～1");
  EXPECT_EQ(window.GetDlgItemText(IDC_PARACHECK_CONFIRM[data::STAT_HP]),
            "あめ： 0 個 ドーピング： 2 個　Ｖ確定能力値： 178");
  EXPECT_EQ(window.report(), CoreReport());

  PickIv(data::STAT_SPEED, 3);
  Click(IDC_PARACHECK_RESET);
  for (int d = 0; d < data::STAT_COUNT; ++d) {
    EXPECT_EQ(Bound(d), (IvBound{0, 31})) << d;
    EXPECT_EQ(Candidates(d).GetCurSel(), ListBox::NONE) << d;
  }
  EXPECT_EQ(window.report(), CoreReport());

  for (int level : {100, 1}) {
    Choose(IDC_PARACHECK_LEVEL, level - 1);
    Click(level == 100 ? IDC_PARACHECK_LEVEL_UP : IDC_PARACHECK_LEVEL_DOWN);
    EXPECT_EQ(Combo(IDC_PARACHECK_LEVEL).GetCurSel(), level - 1);
  }
}

// The list holds the types of the bounds as they stand: no lines of an earlier
// evaluation stay once four stats are open again or the switch is off.
TEST_F(ParaCheckTest, HiddenPowerNeedsThreeNarrowedStatsAndIsCopied) {
  CParaCheckDlg& window = Open();
  Judge(150, 50);
  ToggleHiddenPower();
  PickIv(data::STAT_HP, 31);
  PickIv(data::STAT_ATK, 31);
  EXPECT_EQ(HiddenPowerLines(), 0);
  PickIv(data::STAT_SPEED, 31);
  EXPECT_GT(HiddenPowerLines(), 0);
  EXPECT_NE(window.report().find("\r\n 可能性のある「めざパ」一覧\r\n"), std::string::npos);
  Click(IDC_PARACHECK_COPY);
  EXPECT_EQ(host.clipboard(), CoreReport());

  Choose(IDC_PARACHECK_AT_LEAST[data::STAT_SPEED], 0);
  Choose(IDC_PARACHECK_AT_MOST[data::STAT_SPEED], 31);
  EXPECT_EQ(HiddenPowerLines(), 0);
  PickIv(data::STAT_SPEED, 31);
  ToggleHiddenPower();
  EXPECT_EQ(HiddenPowerLines(), 0);
  EXPECT_EQ(window.report().find("めざパ"), std::string::npos);
}

TEST_F(ParaCheckTest, RuleChangeRefillsTheSpeciesAndRebuilds) {
  CParaCheckDlg& window = Open();
  Choose(IDC_PARACHECK_RULE, data::RULE_REGIONAL_DP);
  const ComboBox& species = Combo(IDC_PARACHECK_SPECIES);
  EXPECT_EQ(species.GetCount(),
            static_cast<int>(data::RuleFilteredSpecies(data::RULE_REGIONAL_DP).size()));
  EXPECT_EQ(species.GetCurSel(), 0);
  const auto first = static_cast<data::SpeciesId>(species.GetItemData(0));
  EXPECT_EQ(window.report().rfind("種族：" + std::string(data::SpeciesName(first)), 0), 0u);
  EXPECT_EQ(Candidates(data::STAT_HP).GetText(0),
            calc::IvCandidateText(calc::BuildIvCandidates(first, 1, 0, data::STAT_HP)[0]));
}

}  // namespace
}  // namespace kerumina::ui
