#include "res/damage_dlg.h"

namespace kerumina::res {

namespace {

using platform::ControlKind;
using platform::ControlTemplate;

const ControlTemplate CONTROLS[] = {
    {IDC_DAMAGE_CLOSE, ControlKind::Button, "閉じる", platform::STYLE_NONE, {458, 314, 55, 15}},
};

}  // namespace

const platform::DialogTemplate DAMAGE_DLG{IDD_DAMAGE, "", 520, 335, platform::DIALOG_CAPTION,
                                          CONTROLS};

}  // namespace kerumina::res
