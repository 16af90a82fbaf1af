#include <gtest/gtest.h>

#include <filesystem>

#include "calc/battle.h"
#include "calc/damage_report.h"
#include "calc/game_damage.h"
#include "calc/game_damage_report.h"
#include "data/learnsets.h"
#include "res/data_edit_dlg.h"
#include "res/top_window_dlg.h"
#include "tests/ui/box_window_fixture.h"

namespace kerumina::ui {
namespace {

using platform::ComboBox;
using platform::ListView;
using Cells = std::vector<std::string>;
const Cells NOTHING{"－", "－", "－"};

constexpr data::SpeciesId ATTACKER_SPECIES = 444;
constexpr data::SpeciesId DEFENDER_SPECIES = 2;
const std::vector<data::MoveId> ATTACKER_MOVES{88, 336, 199};

TEST_F(BoxWindowTest, RowsComputeOnlyWithBothSidesAndCopyTheCoreReport) {
  WriteBoxFile(
      {MakeEntry("ガブ", ATTACKER_SPECIES, ATTACKER_MOVES), MakeEntry("バナ", DEFENDER_SPECIES)});
  Open();
  EXPECT_EQ(ListNames(), (std::vector<std::string>{"ガブ", "バナ"}));
  SetAttacker(0);
  for (int row = 0; row < res::DAMAGE_ROW_COUNT; ++row) {
    EXPECT_EQ(ResultCells(row), NOTHING) << row;
    Click(window(), res::DAMAGE_COPY_REPORT[row]);
  }
  EXPECT_EQ(host.clipboard(), "");

  SetDefender(1);
  ChooseText(window(), res::IDC_DAMAGE_WEATHER, "砂嵐");
  window().Item<platform::CheckBox>(res::IDC_DAMAGE_BURNED).UserClick();
  for (int row : {0, 5}) {
    const calc::DamageRequest request = window().RowRequest(row);
    const calc::DamageResult result = calc::ComputeDamage(request);
    ASSERT_FALSE(result.skipped) << row;
    EXPECT_EQ(ResultCells(row), (Cells{result.multiplierText, result.damageText, result.hitsText}));
    Click(window(), res::DAMAGE_COPY_REPORT[row]);
    EXPECT_EQ(host.clipboard(), calc::DamageReport(request, result)) << row;
  }
  EXPECT_EQ(ResultCells(3), NOTHING);  // an empty move slot
}

// A worked example of the game model: the stats as stored, abilities none.
box::BoxEntry WithStats(box::BoxEntry entry, int nature, data::StatBlock stats) {
  entry.nature = nature;
  entry.ability = 0;
  for (int s = 0; s < data::STAT_COUNT; ++s) entry.stat[s] = stats[s];
  return entry;
}

const std::vector<box::BoxEntry> GAME_EXAMPLE{
    WithStats(MakeEntry("ガブ", ATTACKER_SPECIES, {88}), 1, {184, 200, 115, 90, 105, 154}),
    WithStats(MakeEntry("メタ", 375), 20, {187, 155, 150, 115, 111, 90})};

TEST_F(BoxWindowTest, GameModelSwitchesCellsAndReportsAndBack) {
  WriteBoxFile(GAME_EXAMPLE);
  Open();
  SetAttacker(0);
  SetDefender(1);
  const Cells classic = ResultCells(0);
  const std::string classicReport = window().report(0);
  window().Item<platform::CheckBox>(res::IDC_DAMAGE_GAME_MODEL).UserClick();
  EXPECT_EQ(ResultCells(0), (Cells{"3.00", "152 ～ 180", "確定2発"}));
  for (int row : {0, 5}) {
    const calc::DamageRequest request = window().RowRequest(row);
    const calc::GameDamageResult game = calc::ComputeGameDamage(request);
    ASSERT_FALSE(game.skipped) << row;
    EXPECT_EQ(ResultCells(row), (Cells{calc::GameMultiplierCell(game), calc::GameDamageCell(game),
                                       calc::GameHitsCell(game)}))
        << row;
    Click(window(), res::DAMAGE_COPY_REPORT[row]);
    EXPECT_EQ(host.clipboard(), calc::DamageReport(request, calc::ComputeDamage(request)) +
                                    calc::GameDamageReport(game))
        << row;
  }
  EXPECT_EQ(ResultCells(1), NOTHING);  // an empty move slot
  window().Item<platform::CheckBox>(res::IDC_DAMAGE_GAME_MODEL).UserClick();
  EXPECT_EQ(ResultCells(0), classic);
  EXPECT_EQ(window().report(0), classicReport);
}

TEST_F(BoxWindowTest, GameModelIsRememberedAcrossRuns) {
  WriteBoxFile(GAME_EXAMPLE);
  for (int saved : {1, 0}) {
    Open();
    const bool ticked = saved == 0;  // as the run before left it
    EXPECT_EQ(window().IsDlgButtonChecked(res::IDC_DAMAGE_GAME_MODEL) != 0, ticked);
    SetAttacker(0);
    SetDefender(1);
    EXPECT_EQ(ResultCells(0)[2],
              ticked ? "確定2発" : calc::ComputeDamage(window().RowRequest(0)).hitsText);
    window().Item<platform::CheckBox>(res::IDC_DAMAGE_GAME_MODEL).UserClick();
    Close();
    EXPECT_EQ(Setting("Damage", "game"), saved);
  }
}

// The battle around the hit: greyed and left out without "実機計算", remembered across runs.
TEST_F(BoxWindowTest, BattleConditionsFollowTheGameModel) {
  WriteBoxFile(GAME_EXAMPLE);
  const auto enabled = [this] {
    std::vector<bool> states;
    for (int id : res::DAMAGE_BATTLE_CONTROLS)
      states.push_back(window().GetDlgItem(id)->IsWindowEnabled());
    return states;
  };
  Open();
  SetAttacker(0);
  SetDefender(1);
  const Cells classic = ResultCells(0);
  EXPECT_EQ(enabled(), std::vector<bool>(5, false));
  Click(window(), res::IDC_DAMAGE_GAME_MODEL);
  EXPECT_EQ(enabled(), std::vector<bool>(5, true));
  for (int id :
       {res::IDC_DAMAGE_CRITICAL, res::IDC_DAMAGE_STEALTH_ROCK, res::IDC_DAMAGE_LEECH_SEED}) {
    Click(window(), id);
  }
  ChooseText(window(), res::IDC_DAMAGE_SPIKES, "2");
  ChooseText(window(), res::IDC_DAMAGE_DEFENDER_STATUS, "もうどく");
  Close();
  EXPECT_EQ(Setting("Damage", "spikes"), 2);
  EXPECT_EQ(Setting("Damage", "defenderStatus"), 2);

  Open();
  SetAttacker(0);
  SetDefender(1);
  const calc::DamageRequest request = window().RowRequest(0);
  EXPECT_TRUE(request.critical && request.stealthRock && request.leechSeed);
  EXPECT_EQ(request.spikes, 2);
  EXPECT_EQ(request.defenderStatus, calc::DefenderStatus::Toxic);
  const calc::GameDamageResult game = calc::ComputeGameBattle(request);
  EXPECT_EQ(game.entryDamage, 187 / 16 + 187 / 6);  // the rocks at ×1/2, two layers
  EXPECT_EQ(ResultCells(0), (Cells{calc::GameMultiplierCell(game), calc::GameDamageCell(game),
                                   calc::GameHitsCell(game)}));
  Click(window(), res::DAMAGE_COPY_REPORT[0]);
  EXPECT_NE(host.clipboard().find("設置技のダメージ： 42"), std::string::npos);

  Click(window(), res::IDC_DAMAGE_GAME_MODEL);
  EXPECT_EQ(enabled(), std::vector<bool>(5, false));
  EXPECT_FALSE(window().RowRequest(0).critical);
  EXPECT_EQ(ResultCells(0), classic);
}

TEST_F(BoxWindowTest, EditingTheDefenderUpdatesItsPanelAtOnce) {
  WriteBoxFile(
      {MakeEntry("ガブ", ATTACKER_SPECIES, ATTACKER_MOVES), MakeEntry("バナ", DEFENDER_SPECIES)});
  Open();
  SetAttacker(0);
  SetDefender(1);
  const Cells before = ResultCells(0);
  Click(window(), res::IDC_DAMAGE_EDIT);
  ASSERT_TRUE(editor().IsWindowVisible());
  ChooseText(editor(), res::IDC_DATAEDIT_LEVEL, "100");
  host.ScriptMessageBoxAnswer(platform::ID_YES);
  Click(editor(), res::IDC_DATAEDIT_REGISTER);
  EXPECT_FALSE(editor().IsWindowVisible());
  EXPECT_EQ(window().GetDlgItemText(res::DEFENDER_PANEL.level), "LV 100");
  EXPECT_EQ(window().GetDlgItemText(res::DEFENDER_PANEL.stats[0]),
            std::to_string(window().box().entries[1].stat[0]));
  EXPECT_NE(ResultCells(0), before);
  EXPECT_EQ(ListNames(), (std::vector<std::string>{"ガブ", "バナ"}));
  EXPECT_TRUE(window().HasUnsavedChanges());
}

TEST_F(BoxWindowTest, MoveUpAndDeleteClearBothSides) {
  WriteBoxFile({MakeEntry("いち", 1), MakeEntry("に", 4), MakeEntry("さん", 7)});
  Open();
  struct Case {
    int row;
    int button;
    std::vector<std::string> names;
    int selected;
    bool changed;
  };
  const Case cases[] = {
      {0, res::IDC_DAMAGE_MOVE_UP, {"いち", "に", "さん"}, 0, false},
      {2, res::IDC_DAMAGE_MOVE_UP, {"いち", "さん", "に"}, 1, true},
      {2, res::IDC_DAMAGE_DELETE, {"いち", "さん"}, ListView::NONE, true},
  };
  for (const Case& c : cases) {
    SetAttacker(0);
    SetDefender(1);
    SelectRow(c.row);
    Click(window(), c.button);
    EXPECT_EQ(ListNames(), c.names);
    EXPECT_EQ(window().Item<ListView>(res::IDC_DAMAGE_BOX_LIST).GetSelectedItem(), c.selected);
    EXPECT_EQ(window().attackerIndex(), CDamageDlg::NO_SIDE);
    EXPECT_EQ(window().defenderIndex(), CDamageDlg::NO_SIDE);
    EXPECT_EQ(window().GetDlgItemText(res::ATTACKER_PANEL.name), "－");
    EXPECT_EQ(ResultCells(0), NOTHING);
    EXPECT_EQ(window().HasUnsavedChanges(), c.changed);
  }
  EXPECT_EQ(box::ListRows(window().box()).size(), 2u);
  EXPECT_TRUE(box::IsEmpty(window().box().entries[2]));
}

TEST_F(BoxWindowTest, ReorderingTheBoxClosesTheEditorThatHeldAnIndex) {
  WriteBoxFile({MakeEntry("いち", 1), MakeEntry("に", 4)});
  Open();
  SelectRow(1);
  Click(window(), res::IDC_DAMAGE_EDIT);
  ASSERT_TRUE(editor().IsWindowVisible());
  SelectRow(0);
  Click(window(), res::IDC_DAMAGE_DELETE);
  // Registering now would have written "に" over whatever stands at index 1.
  EXPECT_FALSE(editor().IsWindowVisible());
  EXPECT_EQ(ListNames(), (std::vector<std::string>{"に"}));
}

TEST_F(BoxWindowTest, ListMovesFollowTheRestrictionAndWeatherResetsTheChoice) {
  WriteBoxFile(
      {MakeEntry("ガブ", ATTACKER_SPECIES, ATTACKER_MOVES), MakeEntry("バナ", DEFENDER_SPECIES)});
  Open();
  SetAttacker(0);
  SetDefender(1);
  ChooseText(window(), res::IDC_DAMAGE_RESTRICTION, "特殊技のみ");
  auto& moves = window().Item<ComboBox>(res::IDC_DAMAGE_LIST_MOVE);
  EXPECT_EQ(moves.GetText(0), " 無指定");
  int separator = moves.FindStringExact(-1, EM_TUTOR_SEPARATOR);
  ASSERT_NE(separator, ComboBox::NONE);
  for (int i = 1; i < moves.GetCount(); ++i) {
    if (i == separator) continue;
    const auto move = static_cast<data::MoveId>(moves.GetItemData(i));
    EXPECT_EQ(data::Move(move).category, data::CATEGORY_SPECIAL) << moves.GetText(i);
    const bool tutorLine = moves.GetText(i).starts_with(EM_TUTOR_PREFIX);
    EXPECT_EQ(tutorLine || data::CanLearnAny(ATTACKER_SPECIES, move), true) << moves.GetText(i);
  }
  moves.UserChoose(moves.GetCount() - 1);
  EXPECT_NE(ResultCells(4), NOTHING);
  EXPECT_NE(window().GetDlgItemText(res::DAMAGE_MOVE_POWER[4]), "－");
  ChooseText(window(), res::IDC_DAMAGE_WEATHER, "晴れ");
  EXPECT_EQ(Selected(window(), res::IDC_DAMAGE_LIST_MOVE), " 無指定");
  EXPECT_EQ(ResultCells(4), NOTHING);
  EXPECT_EQ(window().report(4), "");
}

TEST_F(BoxWindowTest, FullBoxRefusesANewEntry) {
  std::vector<box::BoxEntry> entries;
  for (int i = 0; i < box::BOX_CAPACITY; ++i) entries.push_back(MakeEntry(std::to_string(i), 1));
  WriteBoxFile(entries);
  Open();
  EXPECT_EQ(window().Item<ListView>(res::IDC_DAMAGE_BOX_LIST).GetItemCount(), box::BOX_CAPACITY);
  Click(window(), res::IDC_DAMAGE_ADD);
  ASSERT_EQ(host.messages().size(), 1u);
  EXPECT_NE(host.messages()[0].text.find("いっぱい"), std::string::npos);
  EXPECT_FALSE(editor().IsWindowVisible());
  EXPECT_FALSE(window().HasUnsavedChanges());
}

TEST_F(BoxWindowTest, SaveReloadAndImportRoundTrip) {
  Open();
  RegisterNew("ガブ", ATTACKER_SPECIES);
  RegisterNew("バナ", DEFENDER_SPECIES);
  EXPECT_TRUE(window().HasUnsavedChanges());
  const std::size_t questions = host.messages().size();
  Click(window(), res::IDC_DAMAGE_SAVE);
  EXPECT_FALSE(window().HasUnsavedChanges());
  EXPECT_EQ(host.messages().size(), questions);  // a save that works says nothing
  const std::string saved = BoxFileBytes();
  ASSERT_EQ(saved.size(), box::BOX_FILE_BYTES);
  EXPECT_EQ(saved, std::string(reinterpret_cast<const char*>(window().box().entries.data()),
                               box::BOX_FILE_BYTES));

  // A second file: one creature already registered, one new.
  const std::filesystem::path other = iniPath.parent_path() / "other.vbd";
  auto image = std::make_unique<box::Box>();
  image->entries[0] = window().box().entries[1];
  image->entries[1] = MakeEntry("ルカ", 447);
  ASSERT_TRUE(box::SaveBox(*image, other));
  Close();
  Open();
  EXPECT_EQ(ListNames(), (std::vector<std::string>{"ガブ", "バナ"}));
  EXPECT_FALSE(window().HasUnsavedChanges());

  host.ScriptOpenFile(std::nullopt);
  host.ScriptOpenFile((iniPath.parent_path() / "missing.vbd").string());
  host.ScriptOpenFile(other.string());
  const std::size_t shown = host.messages().size();
  for (int i = 0; i < 3; ++i) Click(window(), res::IDC_DAMAGE_IMPORT);
  ASSERT_EQ(host.messages().size(), shown + 2);
  EXPECT_EQ(host.messages()[shown].text, "ファイルオープン失敗");
  EXPECT_EQ(host.messages()[shown + 1].text,
            "1 件を追加しました。\n登録済みのため追加せず： 1 件\n"
            "ボックスがいっぱいのため追加できず： 0 件");
  EXPECT_EQ(ListNames(), (std::vector<std::string>{"ガブ", "バナ", "ルカ"}));
  EXPECT_TRUE(window().HasUnsavedChanges());
}

TEST_F(BoxWindowTest, FailedSaveTellsAndKeepsTheOldFile) {
  WriteBoxFile({MakeEntry("いち", 1)});
  const std::string before = BoxFileBytes();
  Open();
  RegisterNew("に", 4);
  // The save writes beside the file first; a folder in that place makes it fail.
  std::filesystem::create_directory(app->BoxFilePath() + ".tmp");
  Click(window(), res::IDC_DAMAGE_SAVE);
  ASSERT_FALSE(host.messages().empty());
  EXPECT_EQ(host.messages().back().icon, platform::MessageBoxIcon::Error);
  EXPECT_EQ(BoxFileBytes(), before);
  EXPECT_TRUE(window().HasUnsavedChanges());
  EXPECT_EQ(ListNames(), (std::vector<std::string>{"いち", "に"}));
}

TEST_F(BoxWindowTest, DamagedEntryListsSkipsAndOpensWithValidDefaults) {
  box::BoxEntry damaged = MakeEntry("こわれ", 1, {88});
  damaged.species = 9999;
  damaged.level = 0;
  damaged.nature = -3;
  damaged.item = 99;
  damaged.iv[0] = 300;
  damaged.move[1] = 5000;
  WriteBoxFile({damaged, MakeEntry("バナ", DEFENDER_SPECIES)});
  const std::string before = BoxFileBytes();
  Open();
  EXPECT_EQ(window().Item<ListView>(res::IDC_DAMAGE_BOX_LIST).GetItemText(0, 1), "－");
  SetAttacker(0);
  SetDefender(1);
  for (int row = 0; row < res::DAMAGE_ROW_COUNT; ++row) EXPECT_EQ(ResultCells(row), NOTHING);
  EXPECT_EQ(window().GetDlgItemText(res::ATTACKER_PANEL.nature), "－");
  SelectRow(0);
  Click(window(), res::IDC_DAMAGE_EDIT);
  EXPECT_EQ(editor().GetDlgItemText(res::IDC_DATAEDIT_NAME), "こわれ");
  EXPECT_EQ(editor().GetDlgItemText(res::DATAEDIT_IV[0]), "0");
  EXPECT_EQ(Selected(editor(), res::DATAEDIT_MOVE[1]), " 無指定");
  editor().UserPressEscape();
  Click(window(), res::IDC_DAMAGE_SAVE);
  EXPECT_EQ(BoxFileBytes(), before);
}

// The whole program, so that the launcher's close sequence asks.
TEST_F(ShellTest, UnsavedBoxChangesAskBeforeTheProgramEnds) {
  struct Case {
    std::vector<platform::DialogResult> answers;
    bool failSave;
    bool saved;
    int questions;
  };
  const Case cases[] = {
      {{platform::ID_YES}, false, true, 1},
      {{platform::ID_NO}, false, false, 1},
      {{platform::ID_CANCEL, platform::ID_NO}, false, false, 2},
      {{platform::ID_YES, platform::ID_OK, platform::ID_NO}, true, false, 2},
  };
  for (const Case& c : cases) {
    const std::string boxPath = (iniPath.parent_path() / "kerumina.vbd").string();
    std::filesystem::remove(boxPath);
    std::filesystem::remove_all(boxPath + ".tmp");
    if (c.failSave) std::filesystem::create_directory(boxPath + ".tmp");
    const std::size_t shown = host.messages().size();
    RunProgram([&](CTopWindowDlg& launcher) {
      CDamageDlg& box = *launcher.damageDlg();
      box.Item<platform::Button>(res::IDC_DAMAGE_ADD).UserClick();
      CDataEditDlg& editor = *box.editDlg();
      editor.Item<platform::Edit>(res::IDC_DATAEDIT_NAME).UserType("ガブ");
      host.ScriptMessageBoxAnswer(platform::ID_YES);
      editor.Item<platform::Button>(res::IDC_DATAEDIT_REGISTER).UserClick();
      for (platform::DialogResult answer : c.answers) host.ScriptMessageBoxAnswer(answer);
      launcher.UserPressEscape();
      if (launcher.IsWindowVisible()) launcher.UserPressEscape();
    });
    int questions = 0;
    for (std::size_t i = shown; i < host.messages().size(); ++i) {
      questions += host.messages()[i].buttons == platform::MessageBoxButtons::YesNoCancel;
    }
    EXPECT_EQ(questions, c.questions);
    EXPECT_EQ(std::filesystem::is_regular_file(boxPath), c.saved);
  }
  std::filesystem::remove_all(iniPath.parent_path() / "kerumina.vbd.tmp");
  // A box that was only loaded never asks.
  const std::size_t shown = host.messages().size();
  RunProgram([&](CTopWindowDlg&) {});
  EXPECT_EQ(host.messages().size(), shown);
}

}  // namespace
}  // namespace kerumina::ui
