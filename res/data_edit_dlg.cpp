#include "res/data_edit_dlg.h"

namespace kerumina::res {

namespace {

using platform::ControlKind;
using platform::ControlTemplate;

const ControlTemplate CONTROLS[] = {
    {IDC_DATAEDIT_CANCEL,
     ControlKind::Button,
     "キャンセル",
     platform::STYLE_NONE,
     {185, 219, 55, 15}},
};

}  // namespace

const platform::DialogTemplate DATA_EDIT_DLG{IDD_DATAEDIT, "", 247, 240, platform::DIALOG_CAPTION,
                                             CONTROLS};

}  // namespace kerumina::res
