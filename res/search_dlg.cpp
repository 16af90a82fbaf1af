#include "res/search_dlg.h"

namespace kerumina::res {

namespace {

using platform::ControlKind;
using platform::ControlTemplate;

const ControlTemplate CONTROLS[] = {
    {IDC_SEARCH_CLOSE, ControlKind::Button, "検索終了", platform::STYLE_NONE, {385, 324, 55, 15}},
};

}  // namespace

const platform::DialogTemplate SEARCH_DLG{IDD_SEARCH, "", 447, 345, platform::DIALOG_CAPTION,
                                          CONTROLS};

}  // namespace kerumina::res
