#include <gtest/gtest.h>

#include "calc/stats.h"
#include "data/abilities.h"
#include "data/learnsets.h"
#include "res/data_edit_dlg.h"
#include "tests/ui/window_fixture.h"

namespace kerumina::ui {
namespace {

class DataEditTest : public BoxWindowTest {
 protected:
  void OpenNew() {
    Open();
    Click(window(), res::IDC_DAMAGE_ADD);
    ASSERT_TRUE(editor().IsWindowVisible());
  }
  // Puts values into a grid row, enabled or not (a disabled row keeps what it showed).
  void FillRow(const std::array<int, 6>& ids, const std::array<const char*, 6>& values) {
    for (int s = 0; s < 6; ++s) editor().SetDlgItemText(ids[s], values[s]);
  }
  // Registers with the given answer to the question; returns how many messages it showed.
  std::size_t Register(platform::DialogResult answer = platform::ID_YES) {
    const std::size_t before = host.messages().size();
    host.ScriptMessageBoxAnswer(answer);
    Click(editor(), res::IDC_DATAEDIT_REGISTER);
    return host.messages().size() - before;
  }
  int Rows() { return box::AppendIndex(window().box()); }
};

// Each check stops "登録" with its message and the focus on the field; No at the question
// leaves the box as it was; a long name is cut without splitting a character.
TEST_F(DataEditTest, ChecksAndTheQuestionStopRegistration) {
  const struct {
    bool directMode;
    int id;
    const char* text;
    const char* message;
  } cases[] = {
      {false, res::DATAEDIT_IV[3], "256", "0 から 255 までの整数を入力してください。"},
      {false, res::DATAEDIT_STAT[0], "", "整数を入力してください。"},
      {true, res::DATAEDIT_STAT[2], "0", "1 から 999 までの整数を入力してください。"},
      {false, res::DATAEDIT_EV[2], "7", "努力値が多すぎます"},  // 252 + 252 + 7
      {false, res::IDC_DATAEDIT_NAME, "", "名前を入力してください"},
      {false, res::IDC_DATAEDIT_NAME, "ガブ😀", "名前に使えない文字が含まれています"},
  };
  OpenNew();
  for (const auto& c : cases) {
    Type(editor(), res::IDC_DATAEDIT_NAME, "ガブ");
    Click(editor(), c.directMode ? res::IDC_DATAEDIT_DIRECT_MODE : res::IDC_DATAEDIT_COMPUTE_MODE);
    FillRow(res::DATAEDIT_IV, {"31", "31", "31", "31", "31", "31"});
    FillRow(res::DATAEDIT_EV, {"252", "252", "6", "0", "0", "0"});
    FillRow(res::DATAEDIT_STAT, {"100", "100", "100", "100", "100", "100"});
    // The stat boxes are disabled in compute mode, and still checked.
    editor().SetDlgItemText(c.id, c.text);
    ASSERT_EQ(Register(), 1u) << c.text;
    EXPECT_EQ(host.messages().back().text, c.message);
    EXPECT_EQ(Rows(), 0);
    EXPECT_TRUE(c.id == res::DATAEDIT_EV[2] || editor().GetFocus()->id() == c.id) << c.text;
  }
  // 252 + 252 + 6 = 510 and an IV above 31 pass; the IV goes into the formula.
  Type(editor(), res::IDC_DATAEDIT_NAME, "abあいうえおかきくけこさしすせそ");  // 2 + 30 bytes
  Type(editor(), res::DATAEDIT_EV[2], "6");
  Type(editor(), res::DATAEDIT_IV[1], "255");
  Click(editor(), res::IDC_DATAEDIT_COMPUTE_MODE);
  ASSERT_EQ(Register(platform::ID_NO), 1u);
  EXPECT_TRUE(host.messages().back().text.ends_with("\nこれでいいですか？"));
  EXPECT_EQ(Rows(), 0);
  EXPECT_FALSE(window().HasUnsavedChanges());
  Register();
  ASSERT_EQ(Rows(), 1);
  const box::BoxEntry& entry = window().box().entries[0];
  EXPECT_EQ(box::NameUtf8(entry), "abあいうえおかきくけこさしすせ");
  EXPECT_EQ(entry.stat[1], calc::CalcStatOf(entry.species, entry.level, entry.nature, 1, 255, 252));
  EXPECT_EQ(entry.statsEntered, 0);
}

// A stored tutor move shows as its own line and survives registration; a stored move is
// found by its whole name (ヒトカゲ learns かみなりパンチ, not かみなり).
TEST_F(DataEditTest, StoredMovesShowAsTheirOwnLines) {
  const data::MoveId thunder = 86, thunderPunch = 8, firePunch = 6;
  ASSERT_TRUE(data::CanLearnAny(3, thunderPunch) && !data::CanLearnAny(3, thunder));
  WriteBoxFile({MakeEntry("バナ", 2, {data::NO_MOVE, firePunch}), MakeEntry("カゲ", 3, {thunder})});
  Open();
  SelectRow(1);
  Click(window(), res::IDC_DAMAGE_EDIT);
  EXPECT_NE(Selected(editor(), res::DATAEDIT_MOVE[0]), data::MoveName(thunderPunch));
  SelectRow(0);
  Click(window(), res::IDC_DAMAGE_EDIT);
  EXPECT_EQ(Selected(editor(), res::DATAEDIT_MOVE[1]),
            EM_TUTOR_PREFIX + std::string("ほのおのパンチ"));
  Register();
  EXPECT_EQ(window().box().entries[0].move[1], firePunch);
}

// Rules set the level and are remembered; an excluded species opens under "無制限".
TEST_F(DataEditTest, RulesSetLevelsAndAnExcludedSpeciesFallsBackToAllSpecies) {
  OpenNew();
  for (auto [rule, level] :
       {std::pair{" バトルタワー", "50"}, {" サニーパーク", "30"}, {" 最終段階のみ", "30"}}) {
    ChooseText(editor(), res::IDC_DATAEDIT_RULE, rule);
    EXPECT_EQ(Selected(editor(), res::IDC_DATAEDIT_LEVEL), level) << rule;
  }
  editor().UserPressEscape();
  Close();
  WriteBoxFile({MakeEntry("ダネ", 0)});  // no final stage
  Open();
  EXPECT_EQ(Selected(editor(), res::IDC_DATAEDIT_RULE), " 最終段階のみ");
  EXPECT_EQ(Selected(editor(), res::IDC_DATAEDIT_LEVEL), "30");
  Click(window(), res::IDC_DAMAGE_EDIT);
  EXPECT_EQ(Selected(editor(), res::IDC_DATAEDIT_RULE), " 無制限");
  EXPECT_EQ(Selected(editor(), res::IDC_DATAEDIT_SPECIES), data::SpeciesName(0));
  EXPECT_EQ(Selected(editor(), res::IDC_DATAEDIT_LEVEL), "50");
}

// Items 0..15, 17..37, then the empty row 16 last, each with its ItemId. Presets and 6V
// switch to compute mode; direct mode keeps the typed stats, but HP 1 for the fixed-HP species.
TEST_F(DataEditTest, ItemsPresetsAndTypedStats) {
  OpenNew();
  const auto& items = editor().Item<platform::ComboBox>(res::IDC_DATAEDIT_ITEM);
  ASSERT_EQ(items.GetCount(), data::ITEM_COUNT);
  for (int i = 0; i < items.GetCount(); ++i) {
    const data::ItemId id = i < 16 ? i : i < data::ITEM_COUNT - 1 ? i + 1 : 16;
    EXPECT_EQ(items.GetItemData(i), static_cast<platform::ItemData>(id)) << i;
    EXPECT_EQ(items.GetText(i), data::ItemName(id)) << i;
  }
  Click(editor(), res::IDC_DATAEDIT_DIRECT_MODE);
  ChooseText(editor(), res::IDC_DATAEDIT_PRESET, " 臆病CS");
  EXPECT_EQ(editor().IsDlgButtonChecked(res::IDC_DATAEDIT_COMPUTE_MODE), 1);
  EXPECT_EQ(editor().Item<platform::ComboBox>(res::IDC_DATAEDIT_NATURE).GetCurSel(), 16);
  EXPECT_EQ(editor().GetDlgItemText(res::DATAEDIT_EV[3]), "252");
  Click(editor(), res::IDC_DATAEDIT_SIX_V);
  EXPECT_EQ(editor().GetDlgItemText(res::DATAEDIT_IV[5]), "31");

  Type(editor(), res::IDC_DATAEDIT_NAME, "ヌケ");
  ChooseData(editor(), res::IDC_DATAEDIT_SPECIES, calc::FIXED_HP_SPECIES);
  ChooseText(editor(), res::IDC_DATAEDIT_ITEM, "オボンのみ");
  Click(editor(), res::IDC_DATAEDIT_DIRECT_MODE);
  FillRow(res::DATAEDIT_STAT, {"150", "200", "100", "50", "60", "70"});
  EXPECT_EQ(Register(), 0u);
  const box::BoxEntry& entry = window().box().entries[0];
  EXPECT_EQ(entry.item, 20);
  EXPECT_EQ(entry.statsEntered, 1);
  EXPECT_EQ(entry.stat[0], 1);
  EXPECT_EQ(entry.stat[1], 200);
  Click(window(), res::IDC_DAMAGE_EDIT);
  EXPECT_EQ(Selected(editor(), res::IDC_DATAEDIT_ITEM), "オボンのみ");
}

}  // namespace
}  // namespace kerumina::ui
