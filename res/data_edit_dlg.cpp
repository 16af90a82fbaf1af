#include "res/data_edit_dlg.h"

#include <cstddef>

namespace kerumina::res {

namespace {

using platform::ControlKind;
using platform::ControlTemplate;
using platform::DluRect;

constexpr unsigned CELL = platform::STYLE_SUNKEN | platform::STYLE_CENTER;

// Collects the controls in tab order.
struct Layout {
  std::array<ControlTemplate, 120> controls{};
  std::size_t count = 0;

  constexpr void Add(int id, ControlKind kind, const char* caption, unsigned style, DluRect rect) {
    controls[count++] = ControlTemplate{id, kind, caption, style, rect};
  }
  constexpr void Label(const char* caption, DluRect rect, unsigned style = platform::STYLE_NONE) {
    Add(platform::ID_STATIC, ControlKind::StaticText, caption, style, rect);
  }
  constexpr void Combo(int id, DluRect rect, unsigned style = platform::STYLE_NONE) {
    Add(id, ControlKind::ComboBox, "", style, rect);
  }
  constexpr void Cell(int id, DluRect rect) { Add(id, ControlKind::StaticText, " - ", CELL, rect); }
};

// Columns of the move rows.
constexpr int TYPE_X = 7;
constexpr int MOVE_X = 53;
constexpr int POWER_X = 129;
constexpr int ACCURACY_X = 149;
constexpr int PP_X = 169;
constexpr int CATEGORY_X = 187;
constexpr int TARGET_X = 209;

constexpr Layout BuildLayout() {
  Layout layout;
  using platform::STYLE_NONE;
  // Left block: who the creature is.
  layout.Label("名前", {7, 9, 36, 8});
  layout.Add(IDC_DATAEDIT_NAME, ControlKind::Edit, "", STYLE_NONE, {44, 7, 76, 12});
  layout.Label("ヴォルミル", {7, 23, 36, 8});
  layout.Combo(IDC_DATAEDIT_SPECIES, {44, 21, 76, 12}, platform::STYLE_SORT);
  layout.Label("LV", {7, 37, 36, 8});
  layout.Combo(IDC_DATAEDIT_LEVEL, {44, 35, 34, 12});
  layout.Add(IDC_DATAEDIT_SIX_V, ControlKind::Button, "個体値6V", STYLE_NONE, {81, 34, 39, 14});
  layout.Label("性格", {7, 51, 36, 8});
  layout.Combo(IDC_DATAEDIT_NATURE, {44, 49, 76, 12});
  layout.Label("特性", {7, 65, 36, 8});
  layout.Combo(IDC_DATAEDIT_ABILITY, {44, 63, 76, 12});
  layout.Label("持ち物", {7, 79, 36, 8});
  layout.Combo(IDC_DATAEDIT_ITEM, {44, 77, 76, 12});

  // Right block: pickers that fill the left block, and the stat mode.
  layout.Label("対戦ルール指定", {128, 7, 112, 8});
  layout.Combo(IDC_DATAEDIT_RULE, {128, 16, 112, 12});
  layout.Label("性格努力簡易指定", {128, 31, 112, 8});
  layout.Combo(IDC_DATAEDIT_PRESET, {128, 40, 112, 12});
  layout.Add(platform::ID_STATIC, ControlKind::GroupBox, "能力値", STYLE_NONE, {128, 55, 112, 36});
  layout.Add(IDC_DATAEDIT_COMPUTE_MODE, ControlKind::RadioButton, "個体値・努力値から計算",
             platform::STYLE_GROUP, {134, 65, 104, 10});
  layout.Add(IDC_DATAEDIT_DIRECT_MODE, ControlKind::RadioButton, "直接能力値を入力", STYLE_NONE,
             {134, 77, 104, 10});

  // The stat grid.
  constexpr const char* HEADINGS[] = {"HP", "攻撃", "防御", "特攻", "特防", "素早"};
  for (int k = 0; k < 6; ++k) {
    layout.Label(HEADINGS[k], {40 + k * 34, 96, 30, 8}, platform::STYLE_CENTER);
  }
  constexpr const char* ROWS[] = {"個体値", "努力値", "能力値"};
  const std::array<int, 6>* grid[] = {&DATAEDIT_IV, &DATAEDIT_EV, &DATAEDIT_STAT};
  for (int row = 0; row < 3; ++row) {
    const int y = 105 + row * 14;
    layout.Label(ROWS[row], {7, y + 2, 30, 8});
    for (int k = 0; k < 6; ++k) {
      layout.Add((*grid[row])[k], ControlKind::Edit, "", platform::STYLE_CENTER,
                 {40 + k * 34, y, 30, 12});
    }
  }

  // The move rows.
  constexpr struct {
    const char* caption;
    int x;
    int width;
  } COLUMNS[] = {{"タイプ", TYPE_X, 44},   {"わざ名称", MOVE_X, 74}, {"威力", POWER_X, 18},
                 {"命中", ACCURACY_X, 18}, {"回数", PP_X, 16},       {"分類", CATEGORY_X, 20},
                 {"対象", TARGET_X, 32}};
  for (const auto& column : COLUMNS) {
    layout.Label(column.caption, {column.x, 150, column.width, 8}, platform::STYLE_CENTER);
  }
  for (int row = 0; row < DATAEDIT_MOVE_ROWS; ++row) {
    const int y = 160 + row * 14;
    layout.Combo(DATAEDIT_TYPE_FILTER[row], {TYPE_X, y, 44, 12});
    layout.Combo(DATAEDIT_MOVE[row], {MOVE_X, y, 74, 12}, platform::STYLE_SORT);
    layout.Cell(DATAEDIT_POWER[row], {POWER_X, y + 1, 18, 11});
    layout.Cell(DATAEDIT_ACCURACY[row], {ACCURACY_X, y + 1, 18, 11});
    layout.Cell(DATAEDIT_PP[row], {PP_X, y + 1, 16, 11});
    layout.Cell(DATAEDIT_CATEGORY[row], {CATEGORY_X, y + 1, 20, 11});
    layout.Cell(DATAEDIT_TARGET[row], {TARGET_X, y + 1, 32, 11});
  }

  layout.Add(IDC_DATAEDIT_REGISTER, ControlKind::Button, "登録", STYLE_NONE, {126, 219, 55, 15});
  layout.Add(IDC_DATAEDIT_CANCEL, ControlKind::Button, "キャンセル", STYLE_NONE,
             {185, 219, 55, 15});
  return layout;
}

constexpr Layout LAYOUT = BuildLayout();

}  // namespace

const platform::DialogTemplate DATA_EDIT_DLG{
    IDD_DATAEDIT, "", 247, 240, platform::DIALOG_CAPTION, {LAYOUT.controls.data(), LAYOUT.count}};

}  // namespace kerumina::res
