#include "res/para_check_dlg.h"

#include <array>

namespace kerumina::res {

namespace {

using platform::ControlKind;
using platform::ControlTemplate;
using platform::ID_STATIC;
using platform::STYLE_NONE;

constexpr ControlTemplate TOP[] = {
    {ID_STATIC, ControlKind::StaticText, "ヴォルミル", STYLE_NONE, {7, 9, 40, 8}},
    {IDC_PARACHECK_SPECIES, ControlKind::ComboBox, "", platform::STYLE_SORT, {48, 7, 84, 12}},
    {IDC_PARACHECK_RULE, ControlKind::ComboBox, "対戦ルール", STYLE_NONE, {138, 7, 84, 12}},
    {ID_STATIC, ControlKind::StaticText, "レベル", STYLE_NONE, {7, 27, 28, 8}},
    {IDC_PARACHECK_LEVEL, ControlKind::ComboBox, "", STYLE_NONE, {36, 25, 38, 12}},
    {IDC_PARACHECK_LEVEL_UP, ControlKind::Button, "レベル+1", STYLE_NONE, {78, 24, 42, 14}},
    {IDC_PARACHECK_LEVEL_DOWN, ControlKind::Button, "レベル-1", STYLE_NONE, {122, 24, 42, 14}},
    {ID_STATIC, ControlKind::StaticText, "性格", STYLE_NONE, {172, 27, 18, 8}},
    {IDC_PARACHECK_NATURE, ControlKind::ComboBox, "", STYLE_NONE, {192, 25, 124, 12}},
    {ID_STATIC, ControlKind::StaticText, "個性", STYLE_NONE, {7, 44, 28, 8}},
    {IDC_PARACHECK_CHARACTERISTIC, ControlKind::ComboBox, "", STYLE_NONE, {36, 42, 124, 12}},
    {IDC_PARACHECK_CONTRADICTION, ControlKind::StaticText, "", STYLE_NONE, {166, 44, 150, 8}},
    // The rows the columns share.
    {ID_STATIC, ControlKind::StaticText, "努力値", STYLE_NONE, {7, 72, 26, 8}},
    {ID_STATIC, ControlKind::StaticText, "候補", STYLE_NONE, {7, 279, 26, 8}},
};

constexpr const char* COLUMN_HEADINGS[] = {"ＨＰ",     "こうげき", "ぼうぎょ",
                                           "とくこう", "とくぼう", "すばやさ"};
// What the threshold cells show until the first evaluation.
constexpr const char* THRESHOLD_CAPTIONS[] = {"ＨＰ", "ＡＴ", "ＤＦ", "ＳＡ", "ＳＤ", "ＳＰ"};

constexpr int COLUMN_LEFT = 35;  // beside the row labels
constexpr int COLUMN_WIDTH = 53;
constexpr int COLUMN_PITCH = 55;
constexpr int CONTROLS_PER_COLUMN = 8;

constexpr ControlTemplate BOTTOM[] = {
    {IDC_PARACHECK_RESET, ControlKind::Button, "リセット", STYLE_NONE, {7, 302, 53, 14}},
    {IDC_PARACHECK_HIDDEN_POWER,
     ControlKind::CheckBox,
     "めざパ表示する",
     STYLE_NONE,
     {7, 322, 74, 10}},
    {IDC_PARACHECK_HIDDEN_POWER_LIST,
     ControlKind::ListBox,
     "めざパ",
     STYLE_NONE,
     {84, 302, 108, 67}},
    {IDC_PARACHECK_COPY, ControlKind::Button, "個体値出力", STYLE_NONE, {254, 355, 53, 14}},
    {IDC_PARACHECK_CLOSE, ControlKind::Button, "閉じる", STYLE_NONE, {310, 355, 53, 14}},
};

constexpr std::size_t CONTROL_COUNT =
    std::size(TOP) + data::STAT_COUNT * CONTROLS_PER_COLUMN + std::size(BOTTOM);

// Template order is the Tab order: the top rows, then column by column, then the bottom.
constexpr std::array<ControlTemplate, CONTROL_COUNT> BuildControls() {
  std::array<ControlTemplate, CONTROL_COUNT> controls{};
  std::size_t n = 0;
  for (const ControlTemplate& t : TOP) controls[n++] = t;
  for (int d = 0; d < data::STAT_COUNT; ++d) {
    const int x = COLUMN_LEFT + d * COLUMN_PITCH;
    auto cell = [&](int id, ControlKind kind, const char* caption, unsigned style, int y,
                    int height) {
      controls[n++] = ControlTemplate{id, kind, caption, style, {x, y, COLUMN_WIDTH, height}};
    };
    cell(ID_STATIC, ControlKind::StaticText, COLUMN_HEADINGS[d], platform::STYLE_CENTER, 60, 8);
    cell(IDC_PARACHECK_EV[d], ControlKind::Edit, "0", platform::STYLE_CENTER, 70, 12);
    // Tall enough for the confirm line to wrap onto four lines.
    cell(IDC_PARACHECK_CONFIRM[d], ControlKind::StaticText, "", STYLE_NONE, 86, 32);
    cell(IDC_PARACHECK_CANDIDATES[d], ControlKind::ListBox, "", STYLE_NONE, 120, 112);
    cell(IDC_PARACHECK_THRESHOLD[d], ControlKind::StaticText, THRESHOLD_CAPTIONS[d],
         platform::STYLE_SUNKEN | platform::STYLE_CENTER, 235, 11);
    cell(IDC_PARACHECK_AT_MOST[d], ControlKind::ComboBox, "", STYLE_NONE, 249, 12);
    cell(IDC_PARACHECK_AT_LEAST[d], ControlKind::ComboBox, "", STYLE_NONE, 264, 12);
    // Two lines: a long set of possible IVs is broken at a comma.
    cell(IDC_PARACHECK_POSSIBLE[d], ControlKind::StaticText, "", platform::STYLE_CENTER, 279, 18);
  }
  for (const ControlTemplate& t : BOTTOM) controls[n++] = t;
  return controls;
}

constexpr std::array<ControlTemplate, CONTROL_COUNT> CONTROLS = BuildControls();

}  // namespace

const platform::DialogTemplate PARA_CHECK_DLG{IDD_PARACHECK, "", 371, 376, platform::DIALOG_CAPTION,
                                              CONTROLS};

}  // namespace kerumina::res
