#include "tests/ui/gallery.h"

#include <memory>
#include <string>

#include "box/box.h"
#include "data/species.h"
#include "platform/process.h"
#include "res/damage_dlg.h"
#include "res/data_view_dlg.h"
#include "res/para_check_dlg.h"
#include "res/search_dlg.h"
#include "ui/damage_dlg.h"
#include "ui/data_view_dlg.h"
#include "ui/para_check_dlg.h"
#include "ui/search_dlg.h"

namespace kerumina::ui {
namespace {

using platform::ControlKind;
constexpr unsigned SUNKEN_CENTER = platform::STYLE_SUNKEN | platform::STYLE_CENTER;
const platform::ControlTemplate GALLERY_CONTROLS[] = {
    {-1, ControlKind::GroupBox, "種族値による絞込み", 0, {7, 4, 150, 58}},
    {-1, ControlKind::StaticText, "HP", 0, {14, 18, 30, 8}},
    {1, ControlKind::ComboBox, "", platform::STYLE_SORT, {14, 28, 64, 12}},
    {2, ControlKind::Edit, "31", platform::STYLE_CENTER, {84, 28, 30, 12}},
    {3, ControlKind::StaticText, "－", SUNKEN_CENTER, {120, 28, 30, 12}},
    {4, ControlKind::CheckBox, "LV技", 0, {14, 45, 40, 10}},
    {5, ControlKind::RadioButton, "OR指定", platform::STYLE_GROUP, {58, 45, 44, 10}},
    {6, ControlKind::RadioButton, "AND指定", 0, {104, 45, 48, 10}},
    {7, ControlKind::ListView, "一覧", 0, {7, 68, 150, 60}},
    {8, ControlKind::ListBox, "候補", 0, {164, 8, 60, 120}},
    {9, ControlKind::Button, "条件クリア", 0, {164, 132, 60, 14}},
};

constexpr const char* LONG_NAME = "ボックス一番テストたろうピカＡx";  // 31 bytes
constexpr const char* LONG_SPECIES = "デオキシス（ディフェンス）";
using enum SmokeWindow;
const LongestText LONGEST[] = {
    {Search, res::IDC_SEARCH_RESULTS, 1, LONG_SPECIES},
    {Detail, res::IDC_DATAVIEW_MOVES, 1, " デオキシス（ディフェンス） PT:教え屋教え技"},
    {Box, res::IDC_DAMAGE_BOX_LIST, 0, LONG_NAME},
    {Box, res::IDC_DAMAGE_BOX_LIST, 1, LONG_SPECIES},
    {Box, res::ATTACKER_PANEL.name, -1, LONG_NAME},
    {Box, res::ATTACKER_PANEL.species, -1, LONG_SPECIES},
    {Box, res::ATTACKER_PANEL.ability, -1, "ノーマルスキン"},
    {Box, res::DAMAGE_MOVE_NAME[0], -1, "ドレインパンチ"},
    {Box, res::DAMAGE_RANGE[0], -1, "65535 ～ 65535"},
    {Box, res::DAMAGE_HITS[0], -1, "乱数4発 (99.9%)"},
    {Box, res::DAMAGE_HITS[1], -1, "998 ～ 999発"},
    {Box, res::DAMAGE_RANGE[1], -1, "65535 ～ 327675 (2～5回)"},
    {IvJudge, res::IDC_PARACHECK_THRESHOLD[0], -1, " 0:360～31:236 "},
};

}  // namespace

const platform::DialogTemplate GALLERY{999, "gallery", 232, 152, 0, GALLERY_CONTROLS};
const std::span<const LongestText> LONGEST_TEXTS = LONGEST;

void FillGallery(platform::CDialog& gallery) {
  using namespace platform;
  auto& combo = gallery.Item<ComboBox>(1);
  for (const char* text : {"ひのこ", " 無指定", "アクアテール", "かみなり", "つるぎのまい"}) {
    combo.AddString(text);
  }
  for (int i = 0; i < 470; ++i) combo.AddString("わざ" + std::to_string(i));
  combo.SetCurSel(0);
  gallery.CheckDlgButton(4, 1);
  gallery.CheckDlgButton(5, 1);
  auto& list = gallery.Item<ListView>(7);
  list.InsertColumn(0, "番号", ColumnAlign::Center, 36);
  list.InsertColumn(1, "名前", ColumnAlign::Left, 90);
  list.InsertColumn(2, "タイプ１", ColumnAlign::Center, 60);
  const char* names[] = {"ヴォルミル", "かえんどり", "みずがめ"};
  for (int row = 0; row < 3; ++row) {
    list.InsertItem(row, std::to_string(row + 1));
    list.SetItemText(row, 1, names[row]);
    list.SetItemText(row, 2, row == 1 ? "ほのお" : "みず");
  }
  list.SetSelectedItem(1);
  auto& box = gallery.Item<ListBox>(8);
  for (int stat = 100; stat < 112; ++stat) box.AddString(std::to_string(stat) + " (0-2)");
  box.SetCurSel(3);
}

void WriteSmokeBox(const std::string& path) {
  struct Creature {
    const char* name;
    int species;
    int stat[6];
    int move[4];
  };
  const Creature creatures[] = {
      {"ガブ", 444, {183, 200, 115, 100, 105, 169}, {88, 336, 199, 14}},
      {"バナ", 2, {187, 102, 135, 120, 120, 100}, {75, 0xFFFF, 0xFFFF, 0xFFFF}}};
  auto box = std::make_unique<box::Box>();
  for (std::size_t i = 0; i < std::size(creatures); ++i) {
    const Creature& c = creatures[i];
    box::BoxEntry& entry = box->entries[i];
    box::SetNameUtf8(entry, c.name);
    entry.species = c.species;
    entry.level = 50;
    entry.ability = data::SPECIES_ABILITIES[c.species].ability1;
    entry.statsEntered = 1;
    for (int s = 0; s < 6; ++s) entry.stat[s] = c.stat[s];
    for (int k = 0; k < 4; ++k) entry.move[k] = c.move[k];
  }
  box::SaveBox(*box, platform::PathFromUtf8(path));
}

platform::CDialog& WindowOf(const CTopWindowDlg& launcher, SmokeWindow window) {
  switch (window) {
    case Search:
      return *launcher.searchDlg();
    case Detail:
      return *launcher.searchDlg()->detailView();
    case IvJudge:
      return *launcher.paraCheckDlg();
    case Box:
      break;
  }
  return *launcher.damageDlg();
}

void ShowLongest(const CTopWindowDlg& launcher, const LongestText& longest) {
  platform::CDialog& dialog = WindowOf(launcher, longest.window);
  if (longest.column < 0) {
    dialog.SetDlgItemText(longest.id, longest.text);
  } else {
    dialog.Item<platform::ListView>(longest.id).SetItemText(0, longest.column, longest.text);
  }
}

}  // namespace kerumina::ui
