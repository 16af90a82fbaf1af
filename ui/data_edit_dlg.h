// CDataEditDlg: the box entry edit window, owned by the box window, to which it reports a
// registered entry with the application message REGISTERED_ENTRY_MESSAGE.
#pragma once

#include "platform/window_types.h"
#include "ui/tool_window_dlg.h"

namespace kerumina::ui {

// Sent synchronously to the box window with the box index in wParam.
inline constexpr unsigned REGISTERED_ENTRY_MESSAGE = platform::USER_MESSAGE_BASE + 1;

class CDataEditDlg : public CToolWindowDlg {
 public:
  explicit CDataEditDlg(CMainApp& app);

  // The window told about registered entries.
  void SetNotifyTarget(platform::CDialog* target) { notifyTarget_ = target; }
  platform::CDialog* notifyTarget() const { return notifyTarget_; }

 private:
  platform::CDialog* notifyTarget_ = nullptr;
};

}  // namespace kerumina::ui
