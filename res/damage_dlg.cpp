#include "res/damage_dlg.h"

#include <cstddef>
#include <iterator>

namespace kerumina::res {

namespace {

using platform::ControlKind;
using platform::ControlTemplate;
using platform::DluRect;

constexpr unsigned CELL = platform::STYLE_SUNKEN | platform::STYLE_CENTER;
constexpr unsigned NAME_CELL = platform::STYLE_SUNKEN;

// Collects the controls in tab order; the window is laid out in columns that the rows share.
struct Layout {
  std::array<ControlTemplate, 200> controls{};
  std::size_t count = 0;

  constexpr void Add(int id, ControlKind kind, const char* caption, unsigned style, DluRect rect) {
    controls[count++] = ControlTemplate{id, kind, caption, style, rect};
  }
  constexpr void Label(const char* caption, DluRect rect) {
    Add(platform::ID_STATIC, ControlKind::StaticText, caption, platform::STYLE_NONE, rect);
  }
  constexpr void Cell(int id, DluRect rect, unsigned style = CELL) {
    Add(id, ControlKind::StaticText, "－", style, rect);
  }
};

constexpr int CELL_HEIGHT = 11;

constexpr int PANEL_WIDTH = 217;

constexpr void SidePanel(Layout& layout, const char* title, int x, const SidePanelIds& ids) {
  constexpr int y = 4;
  layout.Add(platform::ID_STATIC, ControlKind::GroupBox, title, platform::STYLE_NONE,
             {x, y, PANEL_WIDTH, 92});
  const int left = x + 6;
  layout.Cell(ids.name, {left, y + 12, 84, CELL_HEIGHT}, NAME_CELL);
  layout.Cell(ids.species, {left + 86, y + 12, 64, CELL_HEIGHT});
  layout.Cell(ids.level, {left + 152, y + 12, 41, CELL_HEIGHT});
  layout.Cell(ids.nature, {left, y + 26, 44, CELL_HEIGHT});
  layout.Cell(ids.ability, {left + 46, y + 26, 72, CELL_HEIGHT});
  layout.Cell(ids.item, {left + 120, y + 26, 73, CELL_HEIGHT});
  constexpr const char* HEADINGS[] = {"HP", "攻撃", "防御", "特攻", "特防", "素早"};
  for (int k = 0; k < 6; ++k) {
    layout.Add(platform::ID_STATIC, ControlKind::StaticText, HEADINGS[k], platform::STYLE_CENTER,
               {left + 28 + k * 28, y + 41, 26, 8});
  }
  constexpr const char* ROWS[] = {"個体値", "努力値", "能力値"};
  const std::array<int, 6>* grid[] = {&ids.ivs, &ids.evs, &ids.stats};
  for (int row = 0; row < 3; ++row) {
    const int rowY = y + 51 + row * 13;
    layout.Label(ROWS[row], {left, rowY + 2, 26, 8});
    for (int k = 0; k < 6; ++k) layout.Cell((*grid[row])[k], {left + 28 + k * 28, rowY, 26, 11});
  }
}

// Columns of the attack rows. The game model's damage of a multi-strike move,
// "60 ～ 150 (2～5回)", and its hits, "乱数2発 (80.1%)", are the widest results.
constexpr int ROW_LABEL_X = 174;
constexpr int ROW_LABEL_WIDTH = 24;
constexpr int NAME_X = 200;
constexpr int POWER_X = 286;
constexpr int CATEGORY_X = 318;
constexpr int TYPE_X = 354;
constexpr int MULTIPLIER_X = 402;
constexpr int MULTIPLIER_WIDTH = 26;
constexpr int RANGE_X = 430;
constexpr int RANGE_WIDTH = 76;
constexpr int HITS_X = 508;
constexpr int HITS_WIDTH = 58;
constexpr int COPY_X = 568;
constexpr int ROWS_Y = 178;
constexpr int ROW_PITCH = 15;

constexpr void ResultCells(Layout& layout, int row, int y) {
  layout.Cell(DAMAGE_MULTIPLIER[row], {MULTIPLIER_X, y, MULTIPLIER_WIDTH, CELL_HEIGHT});
  layout.Cell(DAMAGE_RANGE[row], {RANGE_X, y, RANGE_WIDTH, CELL_HEIGHT});
  layout.Cell(DAMAGE_HITS[row], {HITS_X, y, HITS_WIDTH, CELL_HEIGHT});
  layout.Add(DAMAGE_COPY_REPORT[row], ControlKind::Button, "詳細取得", platform::STYLE_NONE,
             {COPY_X, y - 1, 44, 13});
}

constexpr void MoveCells(Layout& layout, int row, int y) {
  layout.Cell(DAMAGE_MOVE_POWER[row], {POWER_X, y, 30, CELL_HEIGHT});
  layout.Cell(DAMAGE_MOVE_CATEGORY[row], {CATEGORY_X, y, 34, CELL_HEIGHT});
  layout.Cell(DAMAGE_MOVE_TYPE[row], {TYPE_X, y, 46, CELL_HEIGHT});
}

constexpr Layout BuildLayout() {
  Layout layout;
  using platform::STYLE_NONE;
  layout.Add(IDC_DAMAGE_BOX_LIST, ControlKind::ListView, "ボックス", STYLE_NONE, {7, 7, 160, 235});
  constexpr struct {
    int id;
    const char* caption;
  } BUTTONS[] = {
      {IDC_DAMAGE_ADD, "新規追加"},
      {IDC_DAMAGE_EDIT, "編集"},
      {IDC_DAMAGE_MOVE_UP, "項目上移動"},
      {IDC_DAMAGE_DELETE, "削除"},
      {IDC_DAMAGE_TO_ATTACKER, "→攻撃側"},
      {IDC_DAMAGE_TO_DEFENDER, "→防御側"},
      {IDC_DAMAGE_SWAP, "攻撃防御入替"},
      {IDC_DAMAGE_SAVE, "保存"},
      {IDC_DAMAGE_IMPORT, "インポート"},
      {IDC_DAMAGE_IMPORT_TEXT, "テキスト取込"},
      {IDC_DAMAGE_EXPORT_TEXT, "テキスト出力"},
  };
  for (int i = 0; i < static_cast<int>(std::size(BUTTONS)); ++i) {
    layout.Add(BUTTONS[i].id, ControlKind::Button, BUTTONS[i].caption, STYLE_NONE,
               {7 + (i % 3) * 54, 247 + (i / 3) * 17, 52, 14});
  }

  SidePanel(layout, "攻撃側", 174, ATTACKER_PANEL);
  SidePanel(layout, "防御側", 178 + PANEL_WIDTH, DEFENDER_PANEL);

  layout.Add(platform::ID_STATIC, ControlKind::GroupBox, "条件", STYLE_NONE, {174, 98, 438, 64});
  layout.Label("攻撃補正", {180, 112, 32, 8});
  layout.Add(IDC_DAMAGE_ATTACK_STAGE, ControlKind::ComboBox, "", STYLE_NONE, {213, 110, 34, 12});
  layout.Label("防御補正", {254, 112, 32, 8});
  layout.Add(IDC_DAMAGE_DEFENCE_STAGE, ControlKind::ComboBox, "", STYLE_NONE, {287, 110, 34, 12});
  layout.Label("天気", {328, 112, 18, 8});
  layout.Add(IDC_DAMAGE_WEATHER, ControlKind::ComboBox, "", STYLE_NONE, {347, 110, 42, 12});
  layout.Label("習得技リストの制限", {398, 112, 70, 8});
  layout.Add(IDC_DAMAGE_RESTRICTION, ControlKind::ComboBox, "", STYLE_NONE, {470, 110, 62, 12});
  layout.Add(IDC_DAMAGE_GAME_MODEL, ControlKind::CheckBox, "実機計算", STYLE_NONE,
             {538, 111, 46, 10});
  constexpr const char* CHECKS[] = {
      "てだすけ",     "やけど",       "フラワーギフト",       "リフレクター",
      "ひかりのかべ", "じゅうりょく", "みやぶる／かぎわける", "特性発動",
      "きのみ発動",   "ダブルバトル"};
  constexpr int CHECK_X[] = {180, 252, 346, 418, 490};
  constexpr int CHECK_WIDTH[] = {70, 92, 70, 70, 70};
  for (int i = 0; i < 10; ++i) {
    layout.Add(DAMAGE_CONDITION_CHECKS[i], ControlKind::CheckBox, CHECKS[i], STYLE_NONE,
               {CHECK_X[i % 5], 125 + (i / 5) * 12, CHECK_WIDTH[i % 5], 10});
  }
  // The battle around the hit, a row of its own under the hit's conditions.
  layout.Add(IDC_DAMAGE_CRITICAL, ControlKind::CheckBox, "急所", STYLE_NONE, {180, 149, 70, 10});
  layout.Add(IDC_DAMAGE_STEALTH_ROCK, ControlKind::CheckBox, "ステルスロック", STYLE_NONE,
             {252, 149, 70, 10});
  layout.Label("まきびし", {346, 150, 32, 8});
  layout.Add(IDC_DAMAGE_SPIKES, ControlKind::ComboBox, "", STYLE_NONE, {379, 147, 30, 12});
  layout.Label("防御側の状態", {418, 150, 50, 8});
  layout.Add(IDC_DAMAGE_DEFENDER_STATUS, ControlKind::ComboBox, "", STYLE_NONE, {469, 147, 48, 12});
  layout.Add(IDC_DAMAGE_LEECH_SEED, ControlKind::CheckBox, "やどりぎ", STYLE_NONE,
             {526, 149, 60, 10});

  constexpr struct {
    const char* caption;
    int x;
    int width;
  } HEADINGS[] = {{"わざ", NAME_X, 84},
                  {"威力", POWER_X, 30},
                  {"分類", CATEGORY_X, 34},
                  {"タイプ", TYPE_X, 46},
                  {"倍率", MULTIPLIER_X, MULTIPLIER_WIDTH},
                  {"ダメージ範囲", RANGE_X, RANGE_WIDTH},
                  {"攻撃回数", HITS_X, HITS_WIDTH}};
  for (const auto& heading : HEADINGS) {
    layout.Add(platform::ID_STATIC, ControlKind::StaticText, heading.caption,
               platform::STYLE_CENTER, {heading.x, ROWS_Y - 11, heading.width, 8});
  }
  constexpr const char* OWN_ROWS[] = {"わざ１", "わざ２", "わざ３", "わざ４"};
  for (int row = 0; row < DAMAGE_OWN_MOVE_ROWS; ++row) {
    const int y = ROWS_Y + row * ROW_PITCH;
    layout.Label(OWN_ROWS[row], {ROW_LABEL_X, y + 2, ROW_LABEL_WIDTH, 8});
    layout.Cell(DAMAGE_MOVE_NAME[row], {NAME_X, y, 84, CELL_HEIGHT}, NAME_CELL);
    MoveCells(layout, row, y);
    ResultCells(layout, row, y);
  }
  int y = ROWS_Y + DAMAGE_LIST_ROW * ROW_PITCH;
  layout.Label("習得技", {ROW_LABEL_X, y + 2, ROW_LABEL_WIDTH, 8});
  layout.Add(IDC_DAMAGE_LIST_MOVE, ControlKind::ComboBox, "", platform::STYLE_SORT,
             {NAME_X, y - 1, 84, 12});
  MoveCells(layout, DAMAGE_LIST_ROW, y);
  ResultCells(layout, DAMAGE_LIST_ROW, y);
  y = ROWS_Y + DAMAGE_DIRECT_ROW * ROW_PITCH;
  layout.Label("直接指定", {ROW_LABEL_X, y + 2, 60, 8});
  layout.Add(IDC_DAMAGE_DIRECT_POWER, ControlKind::ComboBox, "", STYLE_NONE,
             {POWER_X, y - 1, 30, 12});
  layout.Add(IDC_DAMAGE_DIRECT_CATEGORY, ControlKind::ComboBox, "", STYLE_NONE,
             {CATEGORY_X, y - 1, 34, 12});
  layout.Add(IDC_DAMAGE_DIRECT_TYPE, ControlKind::ComboBox, "", STYLE_NONE,
             {TYPE_X, y - 1, 46, 12});
  ResultCells(layout, DAMAGE_DIRECT_ROW, y);

  layout.Add(IDC_DAMAGE_CLOSE, ControlKind::Button, "閉じる", STYLE_NONE, {557, 298, 55, 15});
  return layout;
}

constexpr Layout LAYOUT = BuildLayout();

}  // namespace

const platform::DialogTemplate DAMAGE_DLG{
    IDD_DAMAGE, "", 620, 320, platform::DIALOG_CAPTION, {LAYOUT.controls.data(), LAYOUT.count}};

}  // namespace kerumina::res
