#include "res/top_window_dlg.h"

namespace kerumina::res {

namespace {

using platform::ControlKind;
using platform::ControlTemplate;

const ControlTemplate CONTROLS[] = {
    {IDC_TOP_SEARCH, ControlKind::Button, "ヴォルミル検索", platform::STYLE_NONE, {8, 8, 100, 18}},
    {IDC_TOP_BOX,
     ControlKind::Button,
     "ヴォルミルボックス",
     platform::STYLE_NONE,
     {8, 30, 100, 18}},
    {IDC_TOP_PARA_CHECK,
     ControlKind::Button,
     "個体値V判定",
     platform::STYLE_NONE,
     {8, 52, 100, 18}},
    {IDC_TOP_QUIT, ControlKind::Button, "図鑑を閉じる", platform::STYLE_NONE, {8, 78, 100, 18}},
};

}  // namespace

const platform::DialogTemplate TOP_WINDOW_DLG{
    IDD_TOPWINDOW,
    "ケルミナ",
    116,
    104,
    platform::DIALOG_SYSTEM_MENU | platform::DIALOG_MINIMIZE_BOX,
    CONTROLS};

}  // namespace kerumina::res
