#include "res/para_check_dlg.h"

namespace kerumina::res {

namespace {

using platform::ControlKind;
using platform::ControlTemplate;

const ControlTemplate CONTROLS[] = {
    {IDC_PARACHECK_CLOSE, ControlKind::Button, "閉じる", platform::STYLE_NONE, {281, 307, 55, 15}},
};

}  // namespace

const platform::DialogTemplate PARA_CHECK_DLG{IDD_PARACHECK, "", 343, 328, platform::DIALOG_CAPTION,
                                              CONTROLS};

}  // namespace kerumina::res
