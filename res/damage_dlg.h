// Template of the box and damage window: the box list with its buttons on the left, the
// attacker and defender panels, the battle conditions and the six attack rows on the right.
#pragma once

#include <array>

#include "platform/dialog_template.h"

namespace kerumina::res {

inline constexpr int IDD_DAMAGE = 133;
inline constexpr int IDC_DAMAGE_CLOSE = 1004;

// The box list and its buttons.
inline constexpr int IDC_DAMAGE_BOX_LIST = 1056;
inline constexpr int IDC_DAMAGE_ADD = 1001;
inline constexpr int IDC_DAMAGE_EDIT = 1007;
inline constexpr int IDC_DAMAGE_MOVE_UP = 1009;
inline constexpr int IDC_DAMAGE_DELETE = 1005;
inline constexpr int IDC_DAMAGE_TO_ATTACKER = 1002;
inline constexpr int IDC_DAMAGE_TO_DEFENDER = 1008;
inline constexpr int IDC_DAMAGE_SWAP = 1016;
inline constexpr int IDC_DAMAGE_SAVE = 1006;
inline constexpr int IDC_DAMAGE_IMPORT = 1003;
inline constexpr int IDC_DAMAGE_IMPORT_TEXT = 1017;
inline constexpr int IDC_DAMAGE_EXPORT_TEXT = 1018;

// One side's panel: name, species, level, nature, ability, item and the value grid, each
// grid row in display stat order.
struct SidePanelIds {
  int name;
  int species;
  int level;
  int nature;
  int ability;
  int item;
  std::array<int, 6> ivs;
  std::array<int, 6> evs;
  std::array<int, 6> stats;
};

inline constexpr SidePanelIds ATTACKER_PANEL{1147,
                                             1063,
                                             1064,
                                             1065,
                                             1066,
                                             1085,
                                             {1079, 1080, 1081, 1082, 1083, 1084},
                                             {1067, 1068, 1069, 1070, 1071, 1072},
                                             {1073, 1074, 1075, 1076, 1077, 1078}};
inline constexpr SidePanelIds DEFENDER_PANEL{1111,
                                             1112,
                                             1113,
                                             1114,
                                             1115,
                                             1087,
                                             {1128, 1129, 1130, 1131, 1132, 1133},
                                             {1116, 1117, 1118, 1119, 1120, 1121},
                                             {1122, 1123, 1124, 1125, 1126, 1127}};

// Conditions.
inline constexpr int IDC_DAMAGE_ATTACK_STAGE = 1148;
inline constexpr int IDC_DAMAGE_DEFENCE_STAGE = 1090;
inline constexpr int IDC_DAMAGE_WEATHER = 1150;
inline constexpr int IDC_DAMAGE_RESTRICTION = 1160;
inline constexpr int IDC_DAMAGE_HELPING_HAND = 1060;
inline constexpr int IDC_DAMAGE_BURNED = 1061;
inline constexpr int IDC_DAMAGE_FLOWER_GIFT = 1094;
inline constexpr int IDC_DAMAGE_REFLECT = 1092;
inline constexpr int IDC_DAMAGE_LIGHT_SCREEN = 1149;
inline constexpr int IDC_DAMAGE_GRAVITY = 1151;
inline constexpr int IDC_DAMAGE_FORESIGHT = 1093;
inline constexpr int IDC_DAMAGE_ABILITY_ACTIVE = 1062;
inline constexpr int IDC_DAMAGE_BERRY_ACTIVE = 1088;
inline constexpr int IDC_DAMAGE_DOUBLE_BATTLE = 1157;

// The ten condition check boxes in the order of the request's flags.
inline constexpr std::array<int, 10> DAMAGE_CONDITION_CHECKS = {
    IDC_DAMAGE_HELPING_HAND, IDC_DAMAGE_BURNED,         IDC_DAMAGE_FLOWER_GIFT,
    IDC_DAMAGE_REFLECT,      IDC_DAMAGE_LIGHT_SCREEN,   IDC_DAMAGE_GRAVITY,
    IDC_DAMAGE_FORESIGHT,    IDC_DAMAGE_ABILITY_ACTIVE, IDC_DAMAGE_BERRY_ACTIVE,
    IDC_DAMAGE_DOUBLE_BATTLE};
// Not a battle condition: which model the rows are computed with.
inline constexpr int IDC_DAMAGE_GAME_MODEL = 1166;
// The battle around the hit, which only the game model follows.
inline constexpr int IDC_DAMAGE_CRITICAL = 1180;
inline constexpr int IDC_DAMAGE_STEALTH_ROCK = 1181;
inline constexpr int IDC_DAMAGE_SPIKES = 1182;
inline constexpr int IDC_DAMAGE_DEFENDER_STATUS = 1183;
inline constexpr int IDC_DAMAGE_LEECH_SEED = 1184;
inline constexpr std::array<int, 5> DAMAGE_BATTLE_CONTROLS = {
    IDC_DAMAGE_CRITICAL, IDC_DAMAGE_STEALTH_ROCK, IDC_DAMAGE_SPIKES, IDC_DAMAGE_DEFENDER_STATUS,
    IDC_DAMAGE_LEECH_SEED};

// The attack rows: 0..3 the attacker's moves, 4 a learnable move, 5 direct values.
inline constexpr int DAMAGE_ROW_COUNT = 6;
inline constexpr int DAMAGE_OWN_MOVE_ROWS = 4;
inline constexpr int DAMAGE_LIST_ROW = 4;
inline constexpr int DAMAGE_DIRECT_ROW = 5;
inline constexpr std::array<int, 4> DAMAGE_MOVE_NAME = {1086, 1100, 1106, 1135};
// Power, category and type cells of rows 0..4.
inline constexpr std::array<int, 5> DAMAGE_MOVE_POWER = {1095, 1101, 1107, 1136, 1142};
inline constexpr std::array<int, 5> DAMAGE_MOVE_CATEGORY = {1096, 1102, 1108, 1137, 1143};
inline constexpr std::array<int, 5> DAMAGE_MOVE_TYPE = {1097, 1103, 1109, 1138, 1144};
inline constexpr int IDC_DAMAGE_LIST_MOVE = 1141;
inline constexpr int IDC_DAMAGE_DIRECT_POWER = 1159;
inline constexpr int IDC_DAMAGE_DIRECT_CATEGORY = 1161;
inline constexpr int IDC_DAMAGE_DIRECT_TYPE = 1162;
inline constexpr std::array<int, 6> DAMAGE_MULTIPLIER = {1152, 1153, 1154, 1155, 1156, 1165};
inline constexpr std::array<int, 6> DAMAGE_RANGE = {1098, 1104, 1110, 1139, 1145, 1163};
inline constexpr std::array<int, 6> DAMAGE_HITS = {1099, 1105, 1134, 1140, 1146, 1164};
inline constexpr std::array<int, 6> DAMAGE_COPY_REPORT = {1010, 1011, 1012, 1013, 1014, 1015};

extern const platform::DialogTemplate DAMAGE_DLG;

}  // namespace kerumina::res
