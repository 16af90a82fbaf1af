#include <gtest/gtest.h>

#include <cstring>

#include "calc/battle.h"
#include "calc/damage_report.h"
#include "calc/game_damage_report.h"
#include "data/learnsets.h"
#include "res/data_edit_dlg.h"
#include "tests/ui/window_fixture.h"

namespace kerumina::ui {
namespace {

namespace fs = std::filesystem;
using platform::ListView;
using Cells = std::vector<std::string>;
using Names = std::vector<std::string>;
const Cells NOTHING{"－", "－", "－"};

// A worked example of the game model: the stats as stored, abilities none.
box::BoxEntry WithStats(box::BoxEntry entry, int nature, data::StatBlock stats) {
  entry.nature = nature;
  entry.ability = 0;
  std::ranges::copy(stats, entry.stat);
  return entry;
}

// Rows need both sides and follow the model "実機計算" chooses, with the core's report; the
// battle around the hit is greyed and left out without it; both are remembered.
TEST_F(BoxWindowTest, RowsFollowTheModelTheBattleAroundTheHitAndTheListMove) {
  WriteBoxFile({WithStats(MakeEntry("ガブ", 444, {88}), 1, {184, 200, 115, 90, 105, 154}),
                WithStats(MakeEntry("メタ", 375), 20, {187, 155, 150, 115, 111, 90})});
  // The own-move and direct rows against the core's answer to the window's own request.
  const auto expectCoreRows = [this](bool game) {
    for (int row : {0, 5}) {
      const calc::DamageRequest request = window().RowRequest(row);
      const calc::DamageResult core = calc::ComputeDamage(request);
      const calc::GameDamageResult model = calc::ComputeGameBattle(request);
      ASSERT_FALSE(core.skipped || model.skipped) << row;
      EXPECT_EQ(ResultCells(row),
                (game ? Cells{calc::GameMultiplierCell(model), calc::GameDamageCell(model),
                              calc::GameHitsCell(model)}
                      : Cells{core.multiplierText, core.damageText, core.hitsText}));
      Click(window(), res::DAMAGE_COPY_REPORT[row]);
      EXPECT_EQ(host.clipboard(),
                calc::DamageReport(request, core) + (game ? calc::GameDamageReport(model) : ""));
    }
  };
  const auto battleEnabled = [this] {
    return window().GetDlgItem(res::IDC_DAMAGE_SPIKES)->IsWindowEnabled();
  };
  Open();
  SetSides(0, -1);
  EXPECT_EQ(ResultCells(5), NOTHING);
  SetSides(-1, 1);
  EXPECT_FALSE(battleEnabled());
  expectCoreRows(false);
  Click(window(), res::IDC_DAMAGE_GAME_MODEL);
  expectCoreRows(true);
  EXPECT_EQ(ResultCells(0), (Cells{"3.00", "152 ～ 180", "確定2発"}));
  EXPECT_TRUE(battleEnabled());
  for (int id :
       {res::IDC_DAMAGE_CRITICAL, res::IDC_DAMAGE_STEALTH_ROCK, res::IDC_DAMAGE_LEECH_SEED})
    Click(window(), id);
  ChooseText(window(), res::IDC_DAMAGE_SPIKES, "2");
  ChooseText(window(), res::IDC_DAMAGE_DEFENDER_STATUS, "もうどく");
  Close();

  Open();
  SetSides(0, 1);
  const calc::DamageRequest request = window().RowRequest(0);
  EXPECT_TRUE(request.critical && request.stealthRock && request.leechSeed);
  EXPECT_EQ(request.spikes, 2);
  EXPECT_EQ(request.defenderStatus, calc::DefenderStatus::Toxic);
  expectCoreRows(true);
  Click(window(), res::IDC_DAMAGE_GAME_MODEL);
  EXPECT_FALSE(battleEnabled() || window().RowRequest(0).critical);
  expectCoreRows(false);

  // The list row offers what the attacker can learn, narrowed by the restriction.
  ChooseText(window(), res::IDC_DAMAGE_RESTRICTION, "特殊技のみ");
  auto& moves = window().Item<platform::ComboBox>(res::IDC_DAMAGE_LIST_MOVE);
  for (int i = 0; i < moves.GetCount(); ++i) {
    const auto move = static_cast<data::MoveId>(moves.GetItemData(i));
    if (move == data::NO_MOVE) continue;  // " 無指定" and the separator
    EXPECT_EQ(data::Move(move).category, data::CATEGORY_SPECIAL) << moves.GetText(i);
    EXPECT_TRUE(moves.GetText(i).starts_with(EM_TUTOR_PREFIX) || data::CanLearnAny(444, move))
        << moves.GetText(i);
  }
  moves.UserChoose(moves.GetCount() - 1);
  EXPECT_NE(ResultCells(4), NOTHING);
}

// A change of the rows clears both sides and closes the editor (registering would write
// over another entry); registering an edit shows in the panel and the rows at once.
TEST_F(BoxWindowTest, MoveUpDeleteAndEditUpdateTheSides) {
  WriteBoxFile({MakeEntry("いち", 1, {88}), MakeEntry("に", 4), MakeEntry("さん", 7)});
  Open();
  const struct {
    int row;
    int button;
    Names names;
    bool changed;
  } cases[] = {
      {0, res::IDC_DAMAGE_MOVE_UP, {"いち", "に", "さん"}, false},
      {2, res::IDC_DAMAGE_MOVE_UP, {"いち", "さん", "に"}, true},
      {2, res::IDC_DAMAGE_DELETE, {"いち", "さん"}, true},
  };
  for (const auto& c : cases) {
    SetSides(0, 1);
    SelectRow(c.row);
    Click(window(), res::IDC_DAMAGE_EDIT);
    Click(window(), c.button);
    EXPECT_EQ(ListNames(), c.names);
    EXPECT_EQ(ResultCells(0), NOTHING);
    EXPECT_EQ(window().HasUnsavedChanges(), c.changed);
    EXPECT_EQ(editor().IsWindowVisible(), !c.changed);
  }

  SetSides(0, 1);
  const Cells before = ResultCells(0);
  Click(window(), res::IDC_DAMAGE_EDIT);
  ChooseText(editor(), res::IDC_DATAEDIT_LEVEL, "100");
  host.ScriptMessageBoxAnswer(platform::ID_YES);
  Click(editor(), res::IDC_DATAEDIT_REGISTER);
  EXPECT_EQ(window().GetDlgItemText(res::DEFENDER_PANEL.level), "LV 100");
  EXPECT_NE(ResultCells(0), before);
}

// A damaged entry shows "－", opens with valid values and is saved back as it was; "インポート"
// tells its counts; "保存" is silent, and a failed one says so and keeps the old file.
TEST_F(BoxWindowTest, ADamagedEntryImportAndSave) {
  box::BoxEntry damaged = MakeEntry("こわれ", 1, {88, 5000});
  damaged.species = 9999;
  damaged.nature = -3;
  damaged.iv[0] = 300;
  auto image = std::make_unique<box::Box>();
  image->entries[0] = MakeEntry("バナ", 2);
  image->entries[1] = MakeEntry("ルカ", 447);
  ASSERT_TRUE(box::SaveBox(*image, folder / "other.vbd"));
  WriteBoxFile({damaged, MakeEntry("バナ", 2)});
  Open();
  SetSides(0, 1);
  for (int row = 0; row < res::DAMAGE_ROW_COUNT; ++row) EXPECT_EQ(ResultCells(row), NOTHING);
  SelectRow(0);
  Click(window(), res::IDC_DAMAGE_EDIT);
  EXPECT_EQ(editor().GetDlgItemText(res::DATAEDIT_IV[0]), "0");
  EXPECT_EQ(Selected(editor(), res::DATAEDIT_MOVE[1]), NO_MOVE_TEXT);
  editor().UserPressEscape();

  host.ScriptOpenFile(std::nullopt);
  host.ScriptOpenFile((folder / "missing.vbd").string());
  host.ScriptOpenFile((folder / "other.vbd").string());
  for (int i = 0; i < 3; ++i) Click(window(), res::IDC_DAMAGE_IMPORT);
  ASSERT_EQ(host.messages().size(), 2u);
  EXPECT_EQ(host.messages()[0].text, "ファイルオープン失敗");
  EXPECT_EQ(host.messages()[1].text,
            "1 件を追加しました。\n登録済みのため追加せず： 1 件\n"
            "ボックスがいっぱいのため追加できず： 0 件");
  EXPECT_TRUE(window().HasUnsavedChanges());
  Click(window(), res::IDC_DAMAGE_SAVE);
  EXPECT_EQ(host.messages().size(), 2u);
  EXPECT_FALSE(window().HasUnsavedChanges());
  Close();
  Open();
  EXPECT_EQ(ListNames(), (Names{"こわれ", "バナ", "ルカ"}));
  EXPECT_EQ(std::memcmp(&window().box().entries[0], &damaged, sizeof damaged), 0);

  // The save writes beside the file first; a folder in that place makes it fail.
  const std::string saved = ReadFile(app->BoxFilePath());
  Click(window(), res::IDC_DAMAGE_DELETE);
  fs::create_directory(app->BoxFilePath() + ".tmp");
  Click(window(), res::IDC_DAMAGE_SAVE);
  EXPECT_EQ(host.messages().back().icon, platform::MessageBoxIcon::Error);
  EXPECT_EQ(ReadFile(app->BoxFilePath()), saved);
  EXPECT_TRUE(window().HasUnsavedChanges());
}

// "テキスト取込" adds every build of the clipboard or none, within the box's room, as "新規追加"
// does one; "テキスト出力" copies the chosen entry's build with CR LF line ends.
TEST_F(BoxWindowTest, TextImportAddsAllOrNoneAndExportCopiesTheChosenBuild) {
  constexpr int before = box::BOX_CAPACITY - 2;
  WriteBoxFile(std::vector<box::BoxEntry>(before, MakeEntry("a", 1)));
  Open();
  const std::string two =
      "ガブ（ガブリアス）\n性格：いじっぱり\n\nバナ（フシギバナ）\n性格：ずぶとい\n";
  const char* full = "ボックスがいっぱいです（1024 件）。\n削除してから追加してください。";
  const struct {
    int button;
    std::string clipboard;
    const char* message;
    int added;
  } cases[] = {
      {res::IDC_DAMAGE_IMPORT_TEXT, two + "\nルカ（ルカリオ）\n性格：ようき\nLv0\n",
       "テキストを取り込めませんでした。\n9行目「Lv0」：1 から 100 までの整数を入力してください。",
       0},
      {res::IDC_DAMAGE_IMPORT_TEXT, two + "\n" + two,
       "取り込む 4 件がボックスの空き（2 件）に入りません。\n削除してから取り込んでください。", 0},
      {res::IDC_DAMAGE_IMPORT_TEXT, two, "2 件を追加しました。", 2},
      {res::IDC_DAMAGE_IMPORT_TEXT, two, full, 2},
      {res::IDC_DAMAGE_ADD, "", full, 2},
  };
  for (const auto& c : cases) {
    host.SetClipboardText(c.clipboard);
    Click(window(), c.button);
    EXPECT_EQ(host.messages().back().text, c.message);
    EXPECT_EQ(static_cast<int>(ListNames().size()), before + c.added);
    EXPECT_EQ(window().HasUnsavedChanges(), c.added > 0);
    EXPECT_FALSE(editor().IsWindowVisible());
  }

  host.SetClipboardText("unchanged");
  List().UserSelectItem(ListView::NONE);
  Click(window(), res::IDC_DAMAGE_EXPORT_TEXT);
  EXPECT_EQ(host.clipboard(), "unchanged");
  SelectRow(box::BOX_CAPACITY - 1);
  Click(window(), res::IDC_DAMAGE_EXPORT_TEXT);
  EXPECT_EQ(host.clipboard(),
            "バナ（フシギバナ）\r\n特性：しんりょく\r\n性格：ずぶとい\r\nLv50\r\n"
            "実数値：155-91-113-120-120-100\r\n努力値：なし\r\n");
}

// The whole program, whose end asks; other messages: the editor's question, a save's error.
TEST_F(ShellTest, UnsavedBoxChangesAskBeforeTheProgramEnds) {
  const struct {
    std::vector<platform::DialogResult> answers;
    bool failSave;
    bool saved;
    std::size_t messages;
  } cases[] = {
      {{platform::ID_YES}, false, true, 2},
      {{platform::ID_CANCEL, platform::ID_NO}, false, false, 3},
      {{platform::ID_YES, platform::ID_OK, platform::ID_NO}, true, false, 4},
      {{}, false, false, 0},
  };
  const fs::path boxPath = folder / "kerumina.vbd";
  for (const auto& c : cases) {
    fs::remove(boxPath);
    fs::remove_all(boxPath.string() + ".tmp");
    if (c.failSave) fs::create_directory(boxPath.string() + ".tmp");
    const std::size_t shown = host.messages().size();
    RunProgram([&](CTopWindowDlg& launcher) {
      CDamageDlg& box = *launcher.damageDlg();
      if (!c.answers.empty()) {
        Press(box, res::IDC_DAMAGE_ADD);
        Type(*box.editDlg(), res::IDC_DATAEDIT_NAME, "ガブ");
        host.ScriptMessageBoxAnswer(platform::ID_YES);
        Press(*box.editDlg(), res::IDC_DATAEDIT_REGISTER);
      }
      for (platform::DialogResult answer : c.answers) host.ScriptMessageBoxAnswer(answer);
      launcher.UserPressEscape();
      if (launcher.IsWindowVisible()) launcher.UserPressEscape();
    });
    EXPECT_EQ(host.messages().size(), shown + c.messages);
    EXPECT_EQ(fs::is_regular_file(boxPath), c.saved);
  }
}

}  // namespace
}  // namespace kerumina::ui
