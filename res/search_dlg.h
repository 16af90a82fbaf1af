// Template of the species filter search window: stat bounds top left, types, ability and
// egg group top right, the move conditions across the middle, the result list below and
// the battle rule with the closing button at the bottom.
#pragma once

#include "platform/dialog_template.h"

namespace kerumina::res {

inline constexpr int IDD_SEARCH = 129;

// Stat-bound pickers: id = first + stat in storage order (HP, Atk, Def, Speed, SpAtk, SpDef).
inline constexpr int IDC_SEARCH_UPPER_FIRST = 1006;
inline constexpr int IDC_SEARCH_LOWER_FIRST = 1012;
inline constexpr int IDC_SEARCH_CLEAR_STATS = 1005;

inline constexpr int IDC_SEARCH_TYPE1 = 1018;
inline constexpr int IDC_SEARCH_TYPE2 = 1019;
inline constexpr int IDC_SEARCH_ABILITY = 1020;
inline constexpr int IDC_SEARCH_EGG_GROUP = 1060;
inline constexpr int IDC_SEARCH_CLEAR_TYPES = 1021;

inline constexpr int IDC_SEARCH_ANY_MODE = 1022;  // "OR指定"
inline constexpr int IDC_SEARCH_ALL_MODE = 1023;  // "AND指定"
inline constexpr int IDC_SEARCH_LEVEL_UP = 1064;
inline constexpr int IDC_SEARCH_EGG = 1063;
inline constexpr int IDC_SEARCH_MACHINE = 1065;
inline constexpr int IDC_SEARCH_TUTOR = 1070;
inline constexpr int IDC_SEARCH_DP = 1067;
inline constexpr int IDC_SEARCH_PT = 1068;
inline constexpr int IDC_SEARCH_HGSS = 1069;
inline constexpr int IDC_SEARCH_CLEAR_MOVES = 1052;

// One move row: its two pickers and the six fields that describe the chosen move.
struct SearchMoveRowIds {
  int type;
  int move;
  int power;
  int accuracy;
  int pp;
  int category;
  int target;
  int effect;
};
inline constexpr int SEARCH_MOVE_ROW_COUNT = 4;
inline constexpr SearchMoveRowIds SEARCH_MOVE_ROWS[SEARCH_MOVE_ROW_COUNT] = {
    {1024, 1025, 1026, 1030, 1034, 1039, 1054, 1043},
    {1035, 1046, 1027, 1031, 1036, 1040, 1055, 1049},
    {1044, 1047, 1028, 1032, 1037, 1041, 1057, 1050},
    {1045, 1048, 1029, 1033, 1038, 1042, 1058, 1051},
};

inline constexpr int IDC_SEARCH_RULE = 1053;
inline constexpr int IDC_SEARCH_RESULTS = 1056;
inline constexpr int IDC_SEARCH_CLOSE = 1004;

extern const platform::DialogTemplate SEARCH_DLG;

}  // namespace kerumina::res
