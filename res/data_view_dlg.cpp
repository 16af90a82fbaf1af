#include "res/data_view_dlg.h"

namespace kerumina::res {

namespace {

using platform::ControlTemplate;
using platform::ID_STATIC;
using enum platform::ControlKind;

constexpr unsigned NONE = platform::STYLE_NONE;
constexpr unsigned CENTER = platform::STYLE_CENTER;
constexpr unsigned SUNKEN = platform::STYLE_SUNKEN;
constexpr unsigned SUNKEN_CENTER = platform::STYLE_SUNKEN | platform::STYLE_CENTER;

// Controls in tab order, which follows the layout: the header row by row, the stats, the
// move filters, the list.
const ControlTemplate CONTROLS[] = {
    {ID_STATIC, StaticText, "名前", NONE, {8, 8, 52, 8}},
    {IDC_DATAVIEW_NAME, StaticText, "", SUNKEN, {62, 6, 150, 12}},
    {ID_STATIC, StaticText, "タイプ", NONE, {8, 22, 52, 8}},
    {IDC_DATAVIEW_TYPE1, StaticText, "", SUNKEN, {62, 20, 74, 12}},
    {IDC_DATAVIEW_TYPE2, StaticText, "", SUNKEN, {138, 20, 74, 12}},
    {ID_STATIC, StaticText, "とくせい", NONE, {8, 36, 52, 8}},
    {IDC_DATAVIEW_ABILITY1, StaticText, "", SUNKEN, {62, 34, 74, 12}},
    {IDC_DATAVIEW_ABILITY2, StaticText, "", SUNKEN, {138, 34, 74, 12}},
    {ID_STATIC, StaticText, "たまごグループ", NONE, {8, 50, 52, 8}},
    {IDC_DATAVIEW_EGG_GROUP1, StaticText, "", SUNKEN, {62, 48, 74, 12}},
    {IDC_DATAVIEW_EGG_GROUP2, StaticText, "", SUNKEN, {138, 48, 74, 12}},
    {ID_STATIC, StaticText, "孵化歩数", NONE, {226, 8, 42, 8}},
    {IDC_DATAVIEW_HATCH_STEPS, StaticText, "", SUNKEN_CENTER, {270, 6, 60, 12}},
    {ID_STATIC, StaticText, "メス率", NONE, {338, 8, 30, 8}},
    {IDC_DATAVIEW_FEMALE_RATIO, StaticText, "", SUNKEN_CENTER, {370, 6, 62, 12}},
    {ID_STATIC, StaticText, "進化前", NONE, {226, 22, 42, 8}},
    {IDC_DATAVIEW_PRE1, Button, "進化前１", NONE, {270, 20, 80, 13}},
    {IDC_DATAVIEW_PRE2, Button, "進化前２", NONE, {352, 20, 80, 13}},
    {ID_STATIC, StaticText, "進化先", NONE, {226, 36, 42, 8}},
    {IDC_DATAVIEW_DESCENDANTS, ComboBox, "", NONE, {270, 34, 96, 12}},
    {IDC_DATAVIEW_SHOW_DESCENDANT, Button, "進化先を表示", NONE, {368, 34, 64, 13}},
    {ID_STATIC, GroupBox, "種族値／能力値", NONE, {4, 64, 432, 50}},
    {ID_STATIC, StaticText, "HP", CENTER, {70, 74, 46, 8}},
    {ID_STATIC, StaticText, "こうげき", CENTER, {120, 74, 46, 8}},
    {ID_STATIC, StaticText, "ぼうぎょ", CENTER, {170, 74, 46, 8}},
    {ID_STATIC, StaticText, "とくこう", CENTER, {220, 74, 46, 8}},
    {ID_STATIC, StaticText, "とくぼう", CENTER, {270, 74, 46, 8}},
    {ID_STATIC, StaticText, "すばやさ", CENTER, {320, 74, 46, 8}},
    {ID_STATIC, StaticText, "種族値", NONE, {10, 86, 56, 8}},
    {IDC_DATAVIEW_BASE_STATS[0], StaticText, "", SUNKEN_CENTER, {70, 84, 46, 12}},
    {IDC_DATAVIEW_BASE_STATS[1], StaticText, "", SUNKEN_CENTER, {120, 84, 46, 12}},
    {IDC_DATAVIEW_BASE_STATS[2], StaticText, "", SUNKEN_CENTER, {170, 84, 46, 12}},
    {IDC_DATAVIEW_BASE_STATS[3], StaticText, "", SUNKEN_CENTER, {220, 84, 46, 12}},
    {IDC_DATAVIEW_BASE_STATS[4], StaticText, "", SUNKEN_CENTER, {270, 84, 46, 12}},
    {IDC_DATAVIEW_BASE_STATS[5], StaticText, "", SUNKEN_CENTER, {320, 84, 46, 12}},
    {IDC_DATAVIEW_LEVEL, ComboBox, "", NONE, {10, 98, 56, 12}},
    {IDC_DATAVIEW_LEVEL_STATS[0], StaticText, "", SUNKEN_CENTER, {70, 98, 46, 12}},
    {IDC_DATAVIEW_LEVEL_STATS[1], StaticText, "", SUNKEN_CENTER, {120, 98, 46, 12}},
    {IDC_DATAVIEW_LEVEL_STATS[2], StaticText, "", SUNKEN_CENTER, {170, 98, 46, 12}},
    {IDC_DATAVIEW_LEVEL_STATS[3], StaticText, "", SUNKEN_CENTER, {220, 98, 46, 12}},
    {IDC_DATAVIEW_LEVEL_STATS[4], StaticText, "", SUNKEN_CENTER, {270, 98, 46, 12}},
    {IDC_DATAVIEW_LEVEL_STATS[5], StaticText, "", SUNKEN_CENTER, {320, 98, 46, 12}},
    {ID_STATIC, StaticText, "耐性", NONE, {8, 120, 28, 8}},
    {IDC_DATAVIEW_RESISTANCE, StaticText, "", SUNKEN, {38, 118, 398, 12}},
    {ID_STATIC, StaticText, "弱点", NONE, {8, 134, 28, 8}},
    {IDC_DATAVIEW_WEAKNESS, StaticText, "", SUNKEN, {38, 132, 398, 12}},
    {IDC_DATAVIEW_LEVEL_UP, CheckBox, "LV", NONE, {8, 150, 26, 10}},
    {IDC_DATAVIEW_MACHINE, CheckBox, "マシン", NONE, {38, 150, 36, 10}},
    {IDC_DATAVIEW_EGG, CheckBox, "遺伝", NONE, {78, 150, 30, 10}},
    {IDC_DATAVIEW_SPECIAL, CheckBox, "特殊習得", NONE, {112, 150, 46, 10}},
    {IDC_DATAVIEW_WITH_PRE, CheckBox, "含進化前", NONE, {162, 150, 46, 10}},
    {IDC_DATAVIEW_DP, CheckBox, "ダイパ", NONE, {220, 150, 38, 10}},
    {IDC_DATAVIEW_PT, CheckBox, "プラチナ", NONE, {262, 150, 44, 10}},
    {IDC_DATAVIEW_HGSS, CheckBox, "HGSS", NONE, {310, 150, 36, 10}},
    {ID_STATIC, StaticText, "分類", NONE, {8, 166, 22, 8}},
    {IDC_DATAVIEW_CATEGORY, ComboBox, "", NONE, {32, 164, 60, 12}},
    {ID_STATIC, StaticText, "タイプ", NONE, {100, 166, 26, 8}},
    {IDC_DATAVIEW_MOVE_TYPE, ComboBox, "", NONE, {128, 164, 60, 12}},
    {IDC_DATAVIEW_DP_PT_DIFF, CheckBox, "DP-PT差分", NONE, {206, 165, 56, 10}},
    {IDC_DATAVIEW_PT_HGSS_DIFF, CheckBox, "PT-HGSS差分", NONE, {266, 165, 64, 10}},
    {IDC_DATAVIEW_MOVES, ListView, "覚える技", NONE, {4, 180, 432, 164}},
    {IDC_DATAVIEW_CLOSE, Button, "閉じる", NONE, {381, 348, 55, 15}},
};

}  // namespace

const platform::DialogTemplate DATA_VIEW_DLG{IDD_DATAVIEW, "", 440, 368, platform::DIALOG_CAPTION,
                                             CONTROLS};

}  // namespace kerumina::res
