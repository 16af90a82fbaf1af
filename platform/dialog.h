// CDialog: a window built from a dialog template, whose control notifications reach handler
// methods through a table, with the framework's life cycle (create or modal run,
// initialisation, data exchange, OK/cancel, destroy) and window operations (show, title,
// placement, messages). Windows are written against this class only.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/controls.h"
#include "platform/dialog_template.h"
#include "platform/host.h"
#include "platform/window_types.h"

namespace kerumina::platform {

class CDialog;
class CDataExchange;

// One line of a message map: a notification of a control and the method that handles it.
struct MessageMapEntry {
  int id;
  Notification code;
  void (CDialog::*handler)();
};

// A message map, chained to the one of the base class like the framework's.
struct MessageMap {
  const MessageMap* base;
  std::span<const MessageMapEntry> entries;
};

// Builds a map entry from a handler of a derived dialog class.
template <class Dialog>
MessageMapEntry OnNotify(int id, Notification code, void (Dialog::*handler)()) {
  return MessageMapEntry{id, code, static_cast<void (CDialog::*)()>(handler)};
}

// A pending change of position or visibility that the dialog may still alter.
struct WindowPosChange {
  bool showWindow = false;
  bool hideWindow = false;
};

struct SystemMenuItem {
  int command = 0;  // 0 = separator
  std::string text;
};

class CDialog : private NotificationSink {
 public:
  CDialog(Host& host, const DialogTemplate& dialogTemplate, CDialog* parent = nullptr);
  ~CDialog() override;
  CDialog(const CDialog&) = delete;
  CDialog& operator=(const CDialog&) = delete;

  // Modeless creation without an owner; the window starts hidden.
  bool Create();
  int DoModal();
  // Ends a modal run with result; a modeless dialog is only hidden.
  void EndDialog(int result);
  bool DestroyWindow();
  bool IsWindow() const { return created_; }
  bool IsModal() const { return modal_; }
  // EndDialog has been called during the current modal run.
  bool IsModalRunEnding() const { return modal_ && endRequested_; }

  void ShowWindow(int showCommand);
  bool IsWindowVisible() const { return created_ && visible_; }
  bool IsIconic() const { return minimized_; }
  void SetActiveWindow();
  void SetWindowText(std::string_view title);
  const std::string& GetWindowText() const { return title_; }
  WindowPlacement GetWindowPlacement() const;
  void SetWindowPlacement(const WindowPlacement& placement);
  std::intptr_t SendMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam);
  void AppendSystemMenu(int command, std::string_view text);
  const std::vector<SystemMenuItem>& systemMenu() const { return systemMenu_; }
  // Data exchange between members and controls; false when a value failed validation.
  bool UpdateData(bool saveAndValidate = true);

  // Controls.
  Control* GetDlgItem(int id);
  const Control* GetDlgItem(int id) const;
  // The control with this id and kind; a missing one is a programming error and aborts.
  template <class T>
  T& Item(int id) {
    auto* control = dynamic_cast<T*>(GetDlgItem(id));
    if (control == nullptr) MissingControl(id);
    return *control;
  }
  const std::vector<std::unique_ptr<Control>>& controls() const { return controls_; }
  void SetDlgItemText(int id, std::string_view text);
  std::string GetDlgItemText(int id) const;
  void CheckDlgButton(int id, int check);
  int IsDlgButtonChecked(int id) const;
  // Checks id and clears every other radio button with an id in first..last.
  void CheckRadioButton(int firstId, int lastId, int checkId);
  // Focus to a control; an edit box gets all its text selected.
  void GotoDlgCtrl(Control& control);
  Control* GetFocus() const { return focus_; }

  const DialogTemplate& dialogTemplate() const { return template_; }
  Host& host() const { return host_; }
  CDialog* parent() const { return parent_; }
  WindowPeer* peer() const { return peer_.get(); }

  // What a person does to the window (called by the backends and by tests).
  void UserPressEnter();
  void UserPressEscape();
  void UserClose();
  void UserMinimize();
  void UserRestore();
  void UserSystemCommand(int command);
  void UserMoveTo(const Rect& rect);
  // The keyboard focus moved to this control (clicked or tabbed into).
  void UserSetFocus(Control& control) { focus_ = &control; }

 protected:
  // The framework's overridables.
  virtual bool OnCreate() { return true; }
  virtual bool OnInitDialog();
  virtual void DoDataExchange(CDataExchange&) {}
  virtual void OnOK();
  virtual void OnCancel();
  virtual void OnDestroy() {}
  virtual void OnSize(SizeType) {}
  virtual void OnWindowPosChanging(WindowPosChange&) {}
  virtual void OnSysCommand(int command);
  virtual std::intptr_t WindowProc(unsigned message, std::uintptr_t wParam, std::intptr_t lParam);
  virtual const MessageMap* GetMessageMap() const;
  // Routes a control notification: the message map first, then IDOK/IDCANCEL clicks to
  // OnOK/OnCancel.
  virtual bool OnCommand(int id, Notification code);

 private:
  void OnNotification(int controlId, Notification code) override;
  bool CreateWindowAndControls();
  void BuildControls();
  void RequestShow();
  void SetMinimizedState(bool minimized);
  [[noreturn]] void MissingControl(int id) const;

  Host& host_;
  const DialogTemplate& template_;
  CDialog* parent_;
  std::unique_ptr<WindowPeer> peer_;
  std::vector<std::unique_ptr<Control>> controls_;
  std::vector<SystemMenuItem> systemMenu_;
  std::string title_;
  Control* focus_ = nullptr;
  bool created_ = false;
  bool visible_ = false;
  bool minimized_ = false;
  bool modal_ = false;
  bool endRequested_ = false;
  int modalResult_ = ID_CANCEL;
};

}  // namespace kerumina::platform
