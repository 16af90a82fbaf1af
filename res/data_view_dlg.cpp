#include "res/data_view_dlg.h"

namespace kerumina::res {

namespace {

using platform::ControlKind;
using platform::ControlTemplate;

const ControlTemplate CONTROLS[] = {
    {IDC_DATAVIEW_CLOSE, ControlKind::Button, "閉じる", platform::STYLE_NONE, {358, 309, 55, 15}},
};

}  // namespace

const platform::DialogTemplate DATA_VIEW_DLG{IDD_DATAVIEW, "", 420, 330, platform::DIALOG_CAPTION,
                                             CONTROLS};

}  // namespace kerumina::res
