#include "tests/ui/gallery.h"

#include <string>

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
    {7, ControlKind::ListView, "", 0, {7, 68, 150, 60}},
    {8, ControlKind::ListBox, "", 0, {164, 8, 60, 120}},
    {9, ControlKind::Button, "条件クリア", 0, {164, 132, 60, 14}},
};
}  // namespace

const platform::DialogTemplate GALLERY{999, "gallery", 232, 152, 0, GALLERY_CONTROLS};

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

}  // namespace kerumina::ui
