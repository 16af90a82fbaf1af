// Template of the individual-value judgement window: species, rule, level, nature and
// characteristic at the top, one column per stat across the middle (row labels on the
// left), the hidden-power list and the buttons at the bottom.
#pragma once

#include <array>

#include "data/species.h"
#include "platform/dialog_template.h"

namespace kerumina::res {

inline constexpr int IDD_PARACHECK = 132;

inline constexpr int IDC_PARACHECK_CLOSE = 1004;
inline constexpr int IDC_PARACHECK_RESET = 1005;
inline constexpr int IDC_PARACHECK_LEVEL_UP = 1006;
inline constexpr int IDC_PARACHECK_LEVEL_DOWN = 1007;
inline constexpr int IDC_PARACHECK_COPY = 1008;
inline constexpr int IDC_PARACHECK_HIDDEN_POWER = 1060;
inline constexpr int IDC_PARACHECK_SPECIES = 1081;
inline constexpr int IDC_PARACHECK_LEVEL = 1084;
inline constexpr int IDC_PARACHECK_NATURE = 1085;
inline constexpr int IDC_PARACHECK_HIDDEN_POWER_LIST = 1104;
inline constexpr int IDC_PARACHECK_CHARACTERISTIC = 1108;
inline constexpr int IDC_PARACHECK_CONTRADICTION = 1109;
inline constexpr int IDC_PARACHECK_RULE = 1190;

// Per stat in display order (HP, Atk, Def, SpAtk, SpDef, Speed).
using StatIds = std::array<int, data::STAT_COUNT>;
inline constexpr StatIds IDC_PARACHECK_CONFIRM = {1072, 1078, 1079, 1080, 1082, 1083};
inline constexpr StatIds IDC_PARACHECK_CANDIDATES = {1086, 1087, 1088, 1089, 1090, 1091};
inline constexpr StatIds IDC_PARACHECK_THRESHOLD = {1073, 1076, 1077, 1105, 1106, 1107};
inline constexpr StatIds IDC_PARACHECK_AT_MOST = {1092, 1093, 1094, 1095, 1096, 1097};
inline constexpr StatIds IDC_PARACHECK_AT_LEAST = {1098, 1099, 1100, 1101, 1102, 1103};
inline constexpr StatIds IDC_PARACHECK_EV = {1110, 1111, 1112, 1113, 1114, 1115};
inline constexpr StatIds IDC_PARACHECK_POSSIBLE = {1116, 1117, 1118, 1119, 1120, 1121};

extern const platform::DialogTemplate PARA_CHECK_DLG;

}  // namespace kerumina::res
