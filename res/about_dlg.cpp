#include "res/about_dlg.h"

namespace kerumina::res {

namespace {

using platform::ControlKind;
using platform::ControlTemplate;

const ControlTemplate CONTROLS[] = {
    {IDC_ABOUT_VERSION,
     ControlKind::StaticText,
     "ケルミナ Ver 0.8.2",
     platform::STYLE_NONE,
     {14, 14, 110, 10}},
    {platform::ID_OK,
     ControlKind::Button,
     "OK",
     platform::STYLE_DEFAULT | platform::STYLE_GROUP,
     {126, 34, 50, 16}},
};

}  // namespace

const platform::DialogTemplate ABOUT_DLG{IDD_ABOUTBOX, "kerumina のﾊﾞｰｼﾞｮﾝ情報",     184,
                                         58,           platform::DIALOG_SYSTEM_MENU, CONTROLS};

}  // namespace kerumina::res
