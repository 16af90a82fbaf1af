// The box window and its entry editor.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <tuple>

#include "box/box.h"
#include "calc/battle.h"
#include "calc/damage_report.h"
#include "calc/game_damage_report.h"
#include "calc/stats.h"
#include "data/abilities.h"
#include "data/learnsets.h"
#include "res/data_edit_dlg.h"
#include "tests/ui/window_fixture.h"
#include "ui/damage_dlg.h"

namespace kerumina::ui {
namespace {

namespace fs = std::filesystem;
using platform::ListView;
using Cells = std::vector<std::string>;
using Names = std::vector<std::string>;
const Cells NOTHING{"－", "－", "－"};

// A valid entry: stats computed from all-31 IVs and no EVs at level 50.
box::BoxEntry MakeEntry(std::string_view name, data::SpeciesId species,
                        std::vector<data::MoveId> moves = {}) {
  box::BoxEntry entry{};
  box::SetNameUtf8(entry, name);
  entry.species = species;
  entry.level = 50;
  entry.ability = data::SPECIES_ABILITIES[species].ability1;
  constexpr data::StatBlock ivs{31, 31, 31, 31, 31, 31};
  std::ranges::copy(ivs, entry.iv);
  std::ranges::copy(calc::CalcStatBlock(species, 50, 0, ivs, data::StatBlock{}), entry.stat);
  moves.resize(4, data::NO_MOVE);
  std::ranges::copy(moves, entry.move);
  return entry;
}

class BoxWindowTest : public WindowTest<CDamageDlg> {
 protected:
  // The program's box file, or another one.
  void WriteBoxFile(const std::vector<box::BoxEntry>& entries, const fs::path& path = {}) const {
    auto image = std::make_unique<box::Box>();
    std::ranges::copy(entries, image->entries.begin());
    ASSERT_TRUE(box::SaveBox(*image, path.empty() ? fs::path(app->BoxFilePath()) : path));
  }
  CDataEditDlg& editor() { return *window().editDlg(); }
  platform::ListView& List() { return window().Item<platform::ListView>(res::IDC_DAMAGE_BOX_LIST); }
  void SelectRow(int row) { List().UserClickItem(row, 0); }
  // Selects the rows and presses "→攻撃側" and "→防御側" (a side of -1 is left alone).
  void SetSides(int attacker, int defender) {
    for (auto [row, button] : {std::pair{attacker, res::IDC_DAMAGE_TO_ATTACKER},
                               std::pair{defender, res::IDC_DAMAGE_TO_DEFENDER}}) {
      if (row < 0) continue;
      SelectRow(row);
      Press(window(), button);
    }
  }
  std::vector<std::string> ResultCells(int row) {
    return {window().GetDlgItemText(res::DAMAGE_MULTIPLIER[row]),
            window().GetDlgItemText(res::DAMAGE_RANGE[row]),
            window().GetDlgItemText(res::DAMAGE_HITS[row])};
  }
  std::vector<std::string> ListNames() {
    std::vector<std::string> names;
    for (int row = 0; row < List().GetItemCount(); ++row)
      names.push_back(List().GetItemText(row, 0));
    return names;
  }
  // The editor of a new entry.
  void OpenNew() {
    Open();
    Press(window(), res::IDC_DAMAGE_ADD);
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
    Press(editor(), res::IDC_DATAEDIT_REGISTER);
    return host.messages().size() - before;
  }
  int Rows() { return box::AppendIndex(window().box()); }
};
using DataEditTest = BoxWindowTest;

// Rows need both sides and follow the model "実機計算" chooses, with the core's report; the
// battle around the hit is greyed and left out without it; both are remembered.
TEST_F(BoxWindowTest, RowsFollowTheModelTheBattleAroundTheHitAndTheListMove) {
  WriteBoxFile({MakeEntry("ガブ", 444, {88}), MakeEntry("メタ", 375)});
  // The own-move and direct rows against the core's answer to the window's own request.
  const auto expectCoreRows = [this](bool game) {
    for (int row : {0, 5}) {
      const calc::DamageRequest request = window().RowRequest(row);
      const calc::DamageResult core = calc::ComputeDamage(request);
      const calc::GameDamageResult model = calc::ComputeGameBattle(request);
      ASSERT_FALSE(core.skipped || model.skipped) << row;
      EXPECT_TRUE(request.attacker->species == 444 && request.defender->species == 375) << row;
      EXPECT_EQ(ResultCells(row),
                (game ? Cells{calc::GameMultiplierCell(model), calc::GameDamageCell(model),
                              calc::GameHitsCell(model)}
                      : Cells{core.multiplierText, core.damageText, core.hitsText}));
      Press(window(), res::DAMAGE_COPY_REPORT[row]);
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
  Press(window(), res::IDC_DAMAGE_GAME_MODEL);
  expectCoreRows(true);
  EXPECT_TRUE(battleEnabled());
  for (int id :
       {res::IDC_DAMAGE_CRITICAL, res::IDC_DAMAGE_STEALTH_ROCK, res::IDC_DAMAGE_LEECH_SEED})
    Press(window(), id);
  ChooseText(window(), res::IDC_DAMAGE_SPIKES, "2");
  ChooseText(window(), res::IDC_DAMAGE_DEFENDER_STATUS, "もうどく");
  Close();

  Open();
  SetSides(0, 1);
  const calc::DamageRequest request = window().RowRequest(0);
  EXPECT_TRUE(request.critical && request.stealthRock && request.leechSeed && request.spikes == 2 &&
              request.defenderStatus == calc::DefenderStatus::Toxic);
  expectCoreRows(true);
  Press(window(), res::IDC_DAMAGE_GAME_MODEL);
  EXPECT_FALSE(battleEnabled() || window().RowRequest(0).critical);
  expectCoreRows(false);

  // The list row offers the attacker's moves (their list is the core's), narrowed by the
  // restriction.
  ChooseText(window(), res::IDC_DAMAGE_RESTRICTION, "特殊技のみ");
  auto& moves = window().Item<platform::ComboBox>(res::IDC_DAMAGE_LIST_MOVE);
  for (int i = 0; i < moves.GetCount(); ++i) {
    const auto move = static_cast<data::MoveId>(moves.GetItemData(i));
    if (move == data::NO_MOVE) continue;  // " 無指定" and the separator
    EXPECT_EQ(data::Move(move).category, data::CATEGORY_SPECIAL) << moves.GetText(i);
  }
  moves.UserChoose(moves.GetCount() - 1);
  EXPECT_NE(ResultCells(4), NOTHING);
}

// A change of the rows clears both sides and closes the editor (registering would write
// over another entry); registering an edit shows in the panel and the rows at once.
TEST_F(BoxWindowTest, MoveUpDeleteAndEditUpdateTheSides) {
  WriteBoxFile({MakeEntry("いち", 1, {88}), MakeEntry("に", 4), MakeEntry("さん", 7)});
  Open();
  // Row chosen, button, the names after, whether the box changed.
  const std::tuple<int, int, Names, bool> cases[] = {
      {0, res::IDC_DAMAGE_MOVE_UP, {"いち", "に", "さん"}, false},
      {2, res::IDC_DAMAGE_MOVE_UP, {"いち", "さん", "に"}, true},
      {2, res::IDC_DAMAGE_DELETE, {"いち", "さん"}, true},
  };
  for (const auto& [row, button, names, changed] : cases) {
    SetSides(0, 1);
    SelectRow(row);
    Press(window(), res::IDC_DAMAGE_EDIT);
    Press(window(), button);
    EXPECT_EQ(ListNames(), names);
    EXPECT_EQ(ResultCells(0), NOTHING);
    EXPECT_EQ(window().HasUnsavedChanges(), changed);
    EXPECT_EQ(editor().IsWindowVisible(), !changed);
  }

  SetSides(0, 1);
  const Cells before = ResultCells(0);
  Press(window(), res::IDC_DAMAGE_EDIT);
  ChooseText(editor(), res::IDC_DATAEDIT_LEVEL, "100");
  host.ScriptMessageBoxAnswer(platform::ID_YES);
  Press(editor(), res::IDC_DATAEDIT_REGISTER);
  EXPECT_EQ(window().GetDlgItemText(res::DEFENDER_PANEL.level), "LV 100");
  EXPECT_NE(ResultCells(0), before);
}

// A damaged entry shows "－", opens with valid values and is saved back as it was; "インポート"
// tells its counts; "保存" is silent (a failed one: the program's end below).
TEST_F(BoxWindowTest, ADamagedEntryImportAndSave) {
  box::BoxEntry damaged = MakeEntry("こわれ", 1, {88, 5000});
  damaged.species = 9999;
  damaged.nature = -3;
  damaged.iv[0] = 300;
  WriteBoxFile({MakeEntry("バナ", 2), MakeEntry("ルカ", 447)}, folder / "other.vbd");
  WriteBoxFile({damaged, MakeEntry("バナ", 2)});
  Open();
  SetSides(0, 1);
  for (int row = 0; row < res::DAMAGE_ROW_COUNT; ++row) EXPECT_EQ(ResultCells(row), NOTHING);
  SelectRow(0);
  Press(window(), res::IDC_DAMAGE_EDIT);
  EXPECT_EQ(editor().GetDlgItemText(res::DATAEDIT_IV[0]), "0");
  EXPECT_EQ(Selected(editor(), res::DATAEDIT_MOVE[1]), NO_MOVE_TEXT);
  editor().UserPressEscape();

  host.ScriptOpenFile(std::nullopt);
  host.ScriptOpenFile((folder / "missing.vbd").string());
  host.ScriptOpenFile((folder / "other.vbd").string());
  for (int i = 0; i < 3; ++i) Press(window(), res::IDC_DAMAGE_IMPORT);
  ASSERT_EQ(host.messages().size(), 2u);
  EXPECT_EQ(host.messages()[0].text, "ファイルオープン失敗");
  EXPECT_EQ(host.messages()[1].text,
            "1 件を追加しました。\n登録済みのため追加せず： 1 件\n"
            "ボックスがいっぱいのため追加できず： 0 件");
  EXPECT_TRUE(window().HasUnsavedChanges());
  Press(window(), res::IDC_DAMAGE_SAVE);
  EXPECT_EQ(host.messages().size(), 2u);
  EXPECT_FALSE(window().HasUnsavedChanges());
  Close();
  Open();
  EXPECT_EQ(ListNames(), (Names{"こわれ", "バナ", "ルカ"}));
  EXPECT_EQ(std::memcmp(&window().box().entries[0], &damaged, sizeof damaged), 0);
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
  // Button, clipboard, the message, entries added.
  const std::tuple<int, std::string, const char*, int> cases[] = {
      {res::IDC_DAMAGE_IMPORT_TEXT, two + "\nルカ（ルカリオ）\n性格：ようき\nLv0\n",
       "テキストを取り込めませんでした。\n9行目「Lv0」：1 から 100 までの整数を入力してください。",
       0},
      {res::IDC_DAMAGE_IMPORT_TEXT, two + "\n" + two,
       "取り込む 4 件がボックスの空き（2 件）に入りません。\n削除してから取り込んでください。", 0},
      {res::IDC_DAMAGE_IMPORT_TEXT, two, "2 件を追加しました。", 2},
      {res::IDC_DAMAGE_IMPORT_TEXT, two, full, 2},
      {res::IDC_DAMAGE_ADD, "", full, 2},
  };
  for (const auto& [button, clipboard, message, added] : cases) {
    host.SetClipboardText(clipboard);
    Press(window(), button);
    EXPECT_EQ(host.messages().back().text, message);
    EXPECT_EQ(static_cast<int>(ListNames().size()), before + added);
    EXPECT_EQ(window().HasUnsavedChanges(), added > 0);
    EXPECT_FALSE(editor().IsWindowVisible());
  }

  host.SetClipboardText("unchanged");
  List().UserSelectItem(ListView::NONE);
  Press(window(), res::IDC_DAMAGE_EXPORT_TEXT);
  EXPECT_EQ(host.clipboard(), "unchanged");
  SelectRow(box::BOX_CAPACITY - 1);
  Press(window(), res::IDC_DAMAGE_EXPORT_TEXT);
  EXPECT_EQ(host.clipboard(),
            "バナ（フシギバナ）\r\n特性：しんりょく\r\n性格：ずぶとい\r\nLv50\r\n"
            "実数値：155-91-113-120-120-100\r\n努力値：なし\r\n");
}

// The whole program, whose end asks; other messages: the editor's question, a save's error
// (after which the end asks again). Answers, whether the save fails, saved, messages shown.
TEST_F(ShellTest, UnsavedBoxChangesAskBeforeTheProgramEnds) {
  const std::tuple<std::vector<platform::DialogResult>, bool, bool, std::size_t> cases[] = {
      {{platform::ID_YES}, false, true, 2},
      {{platform::ID_CANCEL, platform::ID_NO}, false, false, 3},
      {{platform::ID_YES, platform::ID_OK, platform::ID_NO}, true, false, 4},
      {{}, false, false, 0},
  };
  const fs::path boxPath = folder / "kerumina.vbd";
  for (const auto& [answers, failSave, saved, messages] : cases) {
    fs::remove(boxPath);
    fs::remove_all(boxPath.string() + ".tmp");
    if (failSave) fs::create_directory(boxPath.string() + ".tmp");
    const std::size_t shown = host.messages().size();
    RunProgram([&](CTopWindowDlg& launcher) {
      CDamageDlg& box = *launcher.damageDlg();
      if (!answers.empty()) {
        Press(box, res::IDC_DAMAGE_ADD);
        Type(*box.editDlg(), res::IDC_DATAEDIT_NAME, "ガブ");
        host.ScriptMessageBoxAnswer(platform::ID_YES);
        Press(*box.editDlg(), res::IDC_DATAEDIT_REGISTER);
      }
      for (platform::DialogResult answer : answers) host.ScriptMessageBoxAnswer(answer);
      launcher.UserPressEscape();
      if (launcher.IsWindowVisible()) launcher.UserPressEscape();
    });
    EXPECT_EQ(host.messages().size(), shown + messages);
    EXPECT_EQ(fs::is_regular_file(boxPath), saved);
  }
}

// Each check stops "登録" with its message and the focus on the field; No at the question
// (asked by Enter) leaves the box as it was; a long name is cut without splitting a character.
TEST_F(DataEditTest, ChecksAndTheQuestionStopRegistration) {
  // Direct mode, the field, its text, the message.
  const std::tuple<bool, int, const char*, const char*> cases[] = {
      {false, res::DATAEDIT_IV[3], "256", "0 から 255 までの整数を入力してください。"},
      {false, res::DATAEDIT_STAT[0], "", "整数を入力してください。"},
      {true, res::DATAEDIT_STAT[2], "0", "1 から 999 までの整数を入力してください。"},
      {false, res::DATAEDIT_EV[2], "7", "努力値が多すぎます"},  // 252 + 252 + 7
      {false, res::IDC_DATAEDIT_NAME, "", "名前を入力してください"},
      {false, res::IDC_DATAEDIT_NAME, "ガブ😀", "名前に使えない文字が含まれています"},
  };
  OpenNew();
  for (const auto& [directMode, id, text, message] : cases) {
    Type(editor(), res::IDC_DATAEDIT_NAME, "ガブ");
    Press(editor(), directMode ? res::IDC_DATAEDIT_DIRECT_MODE : res::IDC_DATAEDIT_COMPUTE_MODE);
    FillRow(res::DATAEDIT_IV, {"31", "31", "31", "31", "31", "31"});
    FillRow(res::DATAEDIT_EV, {"252", "252", "6", "0", "0", "0"});
    FillRow(res::DATAEDIT_STAT, {"100", "100", "100", "100", "100", "100"});
    // The stat boxes are disabled in compute mode, and still checked.
    editor().SetDlgItemText(id, text);
    ASSERT_EQ(Register(), 1u) << text;
    EXPECT_EQ(host.messages().back().text, message);
    EXPECT_EQ(Rows(), 0);
    EXPECT_TRUE(id == res::DATAEDIT_EV[2] || editor().GetFocus()->id() == id) << text;
  }
  // 252 + 252 + 6 = 510 and an IV above 31 pass; the IV goes into the formula.
  Type(editor(), res::IDC_DATAEDIT_NAME, "abあいうえおかきくけこさしすせそ");  // 2 + 30 bytes
  // The exchange stops at its first bad box, selected for retyping.
  Type(editor(), res::DATAEDIT_IV[1], "x");
  Type(editor(), res::DATAEDIT_EV[0], "x");
  ASSERT_EQ(Register(), 1u);
  const auto& message = host.messages().back();
  EXPECT_TRUE(message.caption == "ケルミナ" && message.icon == platform::MessageBoxIcon::Warning);
  const auto& bad = editor().Item<platform::Edit>(res::DATAEDIT_IV[1]);
  EXPECT_EQ(std::tuple(editor().GetFocus(), bad.selectionStart(), bad.selectionEnd()),
            std::tuple(&bad, 0, 1));
  Type(editor(), res::DATAEDIT_EV[0], "252");
  Type(editor(), res::DATAEDIT_EV[2], "6");
  Type(editor(), res::DATAEDIT_IV[1], "255");
  Press(editor(), res::IDC_DATAEDIT_COMPUTE_MODE);
  // Enter presses the focused button only: none once the focus left it for a box.
  auto& registerButton = editor().Item<platform::Button>(res::IDC_DATAEDIT_REGISTER);
  editor().GotoDlgCtrl(registerButton);
  editor().GotoDlgCtrl(editor().Item<platform::Edit>(res::IDC_DATAEDIT_NAME));
  editor().UserPressEnter();
  EXPECT_EQ(host.messages().size(), std::size(cases) + 1);
  host.ScriptMessageBoxAnswer(platform::ID_NO);
  editor().GotoDlgCtrl(registerButton);
  editor().UserPressEnter();
  EXPECT_EQ(host.messages().size(), std::size(cases) + 2);
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
  Press(window(), res::IDC_DAMAGE_EDIT);
  EXPECT_NE(Selected(editor(), res::DATAEDIT_MOVE[0]), data::MoveName(thunderPunch));
  SelectRow(0);
  Press(window(), res::IDC_DAMAGE_EDIT);
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
  Press(window(), res::IDC_DAMAGE_EDIT);
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
  Press(editor(), res::IDC_DATAEDIT_DIRECT_MODE);
  ChooseText(editor(), res::IDC_DATAEDIT_PRESET, " 臆病CS");
  EXPECT_EQ(editor().IsDlgButtonChecked(res::IDC_DATAEDIT_COMPUTE_MODE), 1);
  EXPECT_EQ(editor().Item<platform::ComboBox>(res::IDC_DATAEDIT_NATURE).GetCurSel(), 16);
  EXPECT_EQ(editor().GetDlgItemText(res::DATAEDIT_EV[3]), "252");
  Press(editor(), res::IDC_DATAEDIT_SIX_V);
  EXPECT_EQ(editor().GetDlgItemText(res::DATAEDIT_IV[5]), "31");

  Type(editor(), res::IDC_DATAEDIT_NAME, "ヌケ");
  ChooseData(editor(), res::IDC_DATAEDIT_SPECIES, calc::FIXED_HP_SPECIES);
  ChooseText(editor(), res::IDC_DATAEDIT_ITEM, "オボンのみ");
  Press(editor(), res::IDC_DATAEDIT_DIRECT_MODE);
  FillRow(res::DATAEDIT_STAT, {"150", "200", "100", "50", "60", "70"});
  EXPECT_EQ(Register(), 0u);
  const box::BoxEntry& entry = window().box().entries[0];
  EXPECT_EQ(std::tuple(entry.item, entry.statsEntered, entry.stat[0], entry.stat[1]),
            std::tuple(20, 1, 1, 200));
  Press(window(), res::IDC_DAMAGE_EDIT);
  EXPECT_EQ(Selected(editor(), res::IDC_DATAEDIT_ITEM), "オボンのみ");
}

}  // namespace
}  // namespace kerumina::ui
