// Template of the species detail view: the header (names, types, abilities, breeding data,
// evolutions) on top, base stats and stats at a level with the type matchups below it, and
// the move list with its filters filling the rest.
#pragma once

#include <array>

#include "platform/dialog_template.h"

namespace kerumina::res {

inline constexpr int IDD_DATAVIEW = 131;

inline constexpr int IDC_DATAVIEW_NAME = 1062;
inline constexpr int IDC_DATAVIEW_TYPE1 = 1066;
inline constexpr int IDC_DATAVIEW_TYPE2 = 1067;
inline constexpr int IDC_DATAVIEW_EGG_GROUP1 = 1068;
inline constexpr int IDC_DATAVIEW_EGG_GROUP2 = 1069;
inline constexpr int IDC_DATAVIEW_ABILITY1 = 1078;
inline constexpr int IDC_DATAVIEW_ABILITY2 = 1079;
inline constexpr int IDC_DATAVIEW_HATCH_STEPS = 1081;
inline constexpr int IDC_DATAVIEW_FEMALE_RATIO = 1085;
inline constexpr int IDC_DATAVIEW_PRE1 = 1005;
inline constexpr int IDC_DATAVIEW_PRE2 = 1006;
inline constexpr int IDC_DATAVIEW_DESCENDANTS = 1193;
inline constexpr int IDC_DATAVIEW_SHOW_DESCENDANT = 1007;

// Stat cells in display order (HP, Atk, Def, SpAtk, SpDef, Speed).
inline constexpr std::array<int, 6> IDC_DATAVIEW_BASE_STATS = {1072, 1073, 1074, 1076, 1077, 1075};
inline constexpr std::array<int, 6> IDC_DATAVIEW_LEVEL_STATS = {1086, 1087, 1088, 1090, 1091, 1089};
inline constexpr int IDC_DATAVIEW_LEVEL = 1196;
inline constexpr int IDC_DATAVIEW_RESISTANCE = 1083;
inline constexpr int IDC_DATAVIEW_WEAKNESS = 1084;

inline constexpr int IDC_DATAVIEW_MOVES = 1061;
inline constexpr int IDC_DATAVIEW_CATEGORY = 1194;
inline constexpr int IDC_DATAVIEW_MOVE_TYPE = 1195;
inline constexpr int IDC_DATAVIEW_LEVEL_UP = 1063;
inline constexpr int IDC_DATAVIEW_MACHINE = 1060;
inline constexpr int IDC_DATAVIEW_EGG = 1064;
inline constexpr int IDC_DATAVIEW_SPECIAL = 1080;
inline constexpr int IDC_DATAVIEW_WITH_PRE = 1065;
inline constexpr int IDC_DATAVIEW_DP = 1070;
inline constexpr int IDC_DATAVIEW_PT = 1071;
inline constexpr int IDC_DATAVIEW_HGSS = 1092;
inline constexpr int IDC_DATAVIEW_DP_PT_DIFF = 1082;
inline constexpr int IDC_DATAVIEW_PT_HGSS_DIFF = 1093;
inline constexpr int IDC_DATAVIEW_CLOSE = 1004;

extern const platform::DialogTemplate DATA_VIEW_DLG;

}  // namespace kerumina::res
