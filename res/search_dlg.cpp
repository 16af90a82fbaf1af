#include "res/search_dlg.h"

namespace kerumina::res {

namespace {

using platform::ControlTemplate;
using platform::ID_STATIC;
using enum platform::ControlKind;

constexpr unsigned NONE = platform::STYLE_NONE;
constexpr unsigned CENTER = platform::STYLE_CENTER;
constexpr unsigned GROUP = platform::STYLE_GROUP;
constexpr unsigned SORTED = platform::STYLE_SORT;
constexpr unsigned SUNKEN_CENTER = platform::STYLE_SUNKEN | platform::STYLE_CENTER;

// Controls in tab order, which follows the layout: row by row within each group.
const ControlTemplate CONTROLS[] = {
    {ID_STATIC, GroupBox, "種族値による絞込み", NONE, {4, 3, 290, 68}},
    {ID_STATIC, StaticText, "HP", CENTER, {9, 14, 46, 8}},
    {ID_STATIC, StaticText, "こうげき", CENTER, {56, 14, 46, 8}},
    {ID_STATIC, StaticText, "ぼうぎょ", CENTER, {103, 14, 46, 8}},
    {ID_STATIC, StaticText, "とくこう", CENTER, {150, 14, 46, 8}},
    {ID_STATIC, StaticText, "とくぼう", CENTER, {197, 14, 46, 8}},
    {ID_STATIC, StaticText, "すばやさ", CENTER, {244, 14, 46, 8}},
    {IDC_SEARCH_UPPER_FIRST + 0, ComboBox, "", NONE, {9, 24, 46, 12}},
    {IDC_SEARCH_UPPER_FIRST + 1, ComboBox, "", NONE, {56, 24, 46, 12}},
    {IDC_SEARCH_UPPER_FIRST + 2, ComboBox, "", NONE, {103, 24, 46, 12}},
    {IDC_SEARCH_UPPER_FIRST + 4, ComboBox, "", NONE, {150, 24, 46, 12}},
    {IDC_SEARCH_UPPER_FIRST + 5, ComboBox, "", NONE, {197, 24, 46, 12}},
    {IDC_SEARCH_UPPER_FIRST + 3, ComboBox, "", NONE, {244, 24, 46, 12}},
    {IDC_SEARCH_LOWER_FIRST + 0, ComboBox, "", NONE, {9, 39, 46, 12}},
    {IDC_SEARCH_LOWER_FIRST + 1, ComboBox, "", NONE, {56, 39, 46, 12}},
    {IDC_SEARCH_LOWER_FIRST + 2, ComboBox, "", NONE, {103, 39, 46, 12}},
    {IDC_SEARCH_LOWER_FIRST + 4, ComboBox, "", NONE, {150, 39, 46, 12}},
    {IDC_SEARCH_LOWER_FIRST + 5, ComboBox, "", NONE, {197, 39, 46, 12}},
    {IDC_SEARCH_LOWER_FIRST + 3, ComboBox, "", NONE, {244, 39, 46, 12}},
    {IDC_SEARCH_CLEAR_STATS, Button, "条件クリア", NONE, {9, 56, 50, 13}},
    {ID_STATIC, GroupBox, "タイプ・とくせい・たまごグループによる絞込み", NONE, {298, 3, 145, 68}},
    {ID_STATIC, StaticText, "タイプ１", NONE, {303, 11, 67, 8}},
    {ID_STATIC, StaticText, "タイプ２", NONE, {372, 11, 67, 8}},
    {IDC_SEARCH_TYPE1, ComboBox, "", NONE, {303, 20, 67, 12}},
    {IDC_SEARCH_TYPE2, ComboBox, "", NONE, {372, 20, 67, 12}},
    {ID_STATIC, StaticText, "とくせい", NONE, {303, 34, 67, 8}},
    {ID_STATIC, StaticText, "たまごグループ", NONE, {372, 34, 67, 8}},
    {IDC_SEARCH_ABILITY, ComboBox, "", NONE, {303, 43, 67, 12}},
    {IDC_SEARCH_EGG_GROUP, ComboBox, "", NONE, {372, 43, 67, 12}},
    {IDC_SEARCH_CLEAR_TYPES, Button, "条件クリア", NONE, {303, 56, 50, 13}},
    {ID_STATIC, GroupBox, "わざによる絞込み", NONE, {4, 74, 439, 96}},
    {IDC_SEARCH_ANY_MODE, RadioButton, "OR指定", GROUP, {10, 85, 42, 10}},
    {IDC_SEARCH_ALL_MODE, RadioButton, "AND指定", NONE, {54, 85, 46, 10}},
    {IDC_SEARCH_LEVEL_UP, CheckBox, "LV技", NONE, {108, 85, 34, 10}},
    {IDC_SEARCH_EGG, CheckBox, "遺伝技", NONE, {144, 85, 40, 10}},
    {IDC_SEARCH_MACHINE, CheckBox, "技マシン", NONE, {186, 85, 46, 10}},
    {IDC_SEARCH_TUTOR, CheckBox, "教え技", NONE, {234, 85, 40, 10}},
    {IDC_SEARCH_DP, CheckBox, "ダイパ", NONE, {282, 85, 38, 10}},
    {IDC_SEARCH_PT, CheckBox, "プラチナ", NONE, {322, 85, 44, 10}},
    {IDC_SEARCH_HGSS, CheckBox, "HGSS", NONE, {368, 85, 36, 10}},
    {IDC_SEARCH_CLEAR_MOVES, Button, "条件クリア", NONE, {386, 100, 50, 13}},
    {ID_STATIC, StaticText, "タイプ", CENTER, {40, 100, 58, 8}},
    {ID_STATIC, StaticText, "わざ名称", CENTER, {100, 100, 96, 8}},
    {ID_STATIC, StaticText, "威力", CENTER, {198, 100, 24, 8}},
    {ID_STATIC, StaticText, "命中", CENTER, {224, 100, 24, 8}},
    {ID_STATIC, StaticText, "回数", CENTER, {250, 100, 24, 8}},
    {ID_STATIC, StaticText, "分類", CENTER, {276, 100, 28, 8}},
    {ID_STATIC, StaticText, "対象", CENTER, {306, 100, 40, 8}},
    {ID_STATIC, StaticText, "効果", CENTER, {348, 100, 24, 8}},
    {ID_STATIC, StaticText, "わざ１", NONE, {10, 112, 28, 8}},
    {SEARCH_MOVE_ROWS[0].type, ComboBox, "", NONE, {40, 110, 58, 12}},
    {SEARCH_MOVE_ROWS[0].move, ComboBox, "", SORTED, {100, 110, 96, 12}},
    {SEARCH_MOVE_ROWS[0].power, StaticText, " - ", SUNKEN_CENTER, {198, 110, 24, 12}},
    {SEARCH_MOVE_ROWS[0].accuracy, StaticText, " - ", SUNKEN_CENTER, {224, 110, 24, 12}},
    {SEARCH_MOVE_ROWS[0].pp, StaticText, " - ", SUNKEN_CENTER, {250, 110, 24, 12}},
    {SEARCH_MOVE_ROWS[0].category, StaticText, " - ", SUNKEN_CENTER, {276, 110, 28, 12}},
    {SEARCH_MOVE_ROWS[0].target, StaticText, " - ", SUNKEN_CENTER, {306, 110, 40, 12}},
    {SEARCH_MOVE_ROWS[0].effect, StaticText, " - ", SUNKEN_CENTER, {348, 110, 24, 12}},
    {ID_STATIC, StaticText, "わざ２", NONE, {10, 127, 28, 8}},
    {SEARCH_MOVE_ROWS[1].type, ComboBox, "", NONE, {40, 125, 58, 12}},
    {SEARCH_MOVE_ROWS[1].move, ComboBox, "", SORTED, {100, 125, 96, 12}},
    {SEARCH_MOVE_ROWS[1].power, StaticText, " - ", SUNKEN_CENTER, {198, 125, 24, 12}},
    {SEARCH_MOVE_ROWS[1].accuracy, StaticText, " - ", SUNKEN_CENTER, {224, 125, 24, 12}},
    {SEARCH_MOVE_ROWS[1].pp, StaticText, " - ", SUNKEN_CENTER, {250, 125, 24, 12}},
    {SEARCH_MOVE_ROWS[1].category, StaticText, " - ", SUNKEN_CENTER, {276, 125, 28, 12}},
    {SEARCH_MOVE_ROWS[1].target, StaticText, " - ", SUNKEN_CENTER, {306, 125, 40, 12}},
    {SEARCH_MOVE_ROWS[1].effect, StaticText, " - ", SUNKEN_CENTER, {348, 125, 24, 12}},
    {ID_STATIC, StaticText, "わざ３", NONE, {10, 142, 28, 8}},
    {SEARCH_MOVE_ROWS[2].type, ComboBox, "", NONE, {40, 140, 58, 12}},
    {SEARCH_MOVE_ROWS[2].move, ComboBox, "", SORTED, {100, 140, 96, 12}},
    {SEARCH_MOVE_ROWS[2].power, StaticText, " - ", SUNKEN_CENTER, {198, 140, 24, 12}},
    {SEARCH_MOVE_ROWS[2].accuracy, StaticText, " - ", SUNKEN_CENTER, {224, 140, 24, 12}},
    {SEARCH_MOVE_ROWS[2].pp, StaticText, " - ", SUNKEN_CENTER, {250, 140, 24, 12}},
    {SEARCH_MOVE_ROWS[2].category, StaticText, " - ", SUNKEN_CENTER, {276, 140, 28, 12}},
    {SEARCH_MOVE_ROWS[2].target, StaticText, " - ", SUNKEN_CENTER, {306, 140, 40, 12}},
    {SEARCH_MOVE_ROWS[2].effect, StaticText, " - ", SUNKEN_CENTER, {348, 140, 24, 12}},
    {ID_STATIC, StaticText, "わざ４", NONE, {10, 157, 28, 8}},
    {SEARCH_MOVE_ROWS[3].type, ComboBox, "", NONE, {40, 155, 58, 12}},
    {SEARCH_MOVE_ROWS[3].move, ComboBox, "", SORTED, {100, 155, 96, 12}},
    {SEARCH_MOVE_ROWS[3].power, StaticText, " - ", SUNKEN_CENTER, {198, 155, 24, 12}},
    {SEARCH_MOVE_ROWS[3].accuracy, StaticText, " - ", SUNKEN_CENTER, {224, 155, 24, 12}},
    {SEARCH_MOVE_ROWS[3].pp, StaticText, " - ", SUNKEN_CENTER, {250, 155, 24, 12}},
    {SEARCH_MOVE_ROWS[3].category, StaticText, " - ", SUNKEN_CENTER, {276, 155, 28, 12}},
    {SEARCH_MOVE_ROWS[3].target, StaticText, " - ", SUNKEN_CENTER, {306, 155, 40, 12}},
    {SEARCH_MOVE_ROWS[3].effect, StaticText, " - ", SUNKEN_CENTER, {348, 155, 24, 12}},
    {IDC_SEARCH_RESULTS, ListView, "検索結果", NONE, {4, 174, 439, 140}},
    {ID_STATIC, GroupBox, "対戦ルール", NONE, {4, 316, 180, 27}},
    {ID_STATIC, StaticText, "成長段階", NONE, {10, 328, 40, 8}},
    {IDC_SEARCH_RULE, ComboBox, "", NONE, {52, 326, 126, 12}},
    {IDC_SEARCH_CLOSE, Button, "検索終了", NONE, {385, 324, 55, 15}},

};

}  // namespace

const platform::DialogTemplate SEARCH_DLG{IDD_SEARCH, "", 447, 345, platform::DIALOG_CAPTION,
                                          CONTROLS};

}  // namespace kerumina::res
