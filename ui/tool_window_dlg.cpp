#include "ui/tool_window_dlg.h"

#include "text/format.h"

namespace kerumina::ui {

platform::Rect ReadSavedRect(const CMainApp& app, std::string_view section) {
  return platform::Rect{app.GetProfileInt(section, "left", 0), app.GetProfileInt(section, "top", 0),
                        app.GetProfileInt(section, "right", 0),
                        app.GetProfileInt(section, "bottom", 0)};
}

void WriteSavedRect(CMainApp& app, std::string_view section, const platform::Rect& rect) {
  app.WriteProfileInt(section, "left", rect.left);
  app.WriteProfileInt(section, "top", rect.top);
  app.WriteProfileInt(section, "right", rect.right);
  app.WriteProfileInt(section, "bottom", rect.bottom);
}

CToolWindowDlg::CToolWindowDlg(CMainApp& app, const platform::DialogTemplate& dialogTemplate,
                               std::string_view section, std::string_view titleTemplate,
                               int closeButtonId)
    : CDialog(app.host(), dialogTemplate),
      app(app),
      section_(section),
      titleTemplate_(titleTemplate),
      closeButtonId_(closeButtonId) {}

bool CToolWindowDlg::CreateToolWindow() {
  if (!Create()) return false;
  SetWindowText(text::Format(titleTemplate_, APP_VERSION_TEXT));
  return true;
}

void CToolWindowDlg::ShowAsLastClosed() {
  ShowToolWindow(app.GetProfileInt(section_, "show", 0) != 0 ? platform::SHOW_SHOW
                                                             : platform::SHOW_HIDE);
}

void CToolWindowDlg::RestorePlacement() {
  platform::Rect saved = ReadSavedRect(app, section_);
  if (saved.IsEmpty()) return;
  platform::WindowPlacement placement = GetWindowPlacement();
  placement.normalPosition = saved;
  SetWindowPlacement(placement);
}

void CToolWindowDlg::SavePlacement() {
  WriteSavedRect(app, section_, GetWindowPlacement().normalPosition);
}

void CToolWindowDlg::ShowToolWindow(ShowRequest request) {
  if (!placed) RestorePlacement();
  placed = true;
  if (request == platform::SHOW_MINIMIZE) {
    if (IsWindowVisible()) {
      hiddenByMinimize = true;
      ShowWindow(platform::SHOW_HIDE);
    }
    if (CToolWindowDlg* child = ChildToolWindow()) child->ShowToolWindow(request);
    return;
  }
  if (request == platform::SHOW_RESTORE) {
    if (hiddenByMinimize) {
      hiddenByMinimize = false;
      ShowWindow(platform::SHOW_SHOW);
    }
    if (CToolWindowDlg* child = ChildToolWindow()) child->ShowToolWindow(request);
    return;
  }
  ShowWindow(request);
}

void CToolWindowDlg::OnWindowPosChanging(platform::WindowPosChange& change) {
  if (!placed) change.showWindow = false;
}

void CToolWindowDlg::OnDestroy() {
  SavePlacement();
}

bool CToolWindowDlg::OnCommand(int id, platform::Notification code) {
  if (id == closeButtonId_ && code == platform::Notification::Clicked) {
    OnCancel();
    return true;
  }
  return CDialog::OnCommand(id, code);
}

}  // namespace kerumina::ui
