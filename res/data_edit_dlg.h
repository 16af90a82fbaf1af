// Template of the box entry edit window: name, species, level, nature, ability and item on
// the left, rule and preset pickers and the stat mode on the right, the stat grid, and the
// four move rows.
#pragma once

#include <array>

#include "platform/dialog_template.h"

namespace kerumina::res {

inline constexpr int IDD_DATAEDIT = 135;
inline constexpr int IDC_DATAEDIT_REGISTER = 1148;
inline constexpr int IDC_DATAEDIT_CANCEL = 1149;

inline constexpr int IDC_DATAEDIT_NAME = 1150;
inline constexpr int IDC_DATAEDIT_SPECIES = 1081;
inline constexpr int IDC_DATAEDIT_LEVEL = 1084;
inline constexpr int IDC_DATAEDIT_NATURE = 1085;
inline constexpr int IDC_DATAEDIT_ABILITY = 1154;
inline constexpr int IDC_DATAEDIT_ITEM = 1155;
inline constexpr int IDC_DATAEDIT_COMPUTE_MODE = 1156;
inline constexpr int IDC_DATAEDIT_DIRECT_MODE = 1157;
inline constexpr int IDC_DATAEDIT_RULE = 1190;
inline constexpr int IDC_DATAEDIT_PRESET = 1191;
inline constexpr int IDC_DATAEDIT_SIX_V = 1151;

// The stat grid, each row in display stat order (HP, Atk, Def, SpAtk, SpDef, Speed).
inline constexpr std::array<int, 6> DATAEDIT_IV = {1158, 1160, 1161, 1162, 1163, 1164};
inline constexpr std::array<int, 6> DATAEDIT_EV = {1165, 1166, 1167, 1168, 1169, 1170};
inline constexpr std::array<int, 6> DATAEDIT_STAT = {1171, 1172, 1173, 1174, 1175, 1176};

// The four move rows.
inline constexpr int DATAEDIT_MOVE_ROWS = 4;
inline constexpr std::array<int, 4> DATAEDIT_TYPE_FILTER = {1159, 1027, 1032, 1042};
inline constexpr std::array<int, 4> DATAEDIT_MOVE = {1177, 1028, 1033, 1043};
inline constexpr std::array<int, 4> DATAEDIT_POWER = {1179, 1178, 1036, 1044};
inline constexpr std::array<int, 4> DATAEDIT_ACCURACY = {1180, 1181, 1037, 1045};
inline constexpr std::array<int, 4> DATAEDIT_PP = {1182, 1035, 1183, 1046};
inline constexpr std::array<int, 4> DATAEDIT_CATEGORY = {1184, 1185, 1186, 1047};
inline constexpr std::array<int, 4> DATAEDIT_TARGET = {1187, 1188, 1056, 1189};

extern const platform::DialogTemplate DATA_EDIT_DLG;

}  // namespace kerumina::res
