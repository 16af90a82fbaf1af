#include "ui/top_window_dlg.h"

#include "res/strings.h"
#include "res/top_window_dlg.h"
#include "ui/about_dlg.h"
#include "ui/damage_dlg.h"
#include "ui/para_check_dlg.h"
#include "ui/search_dlg.h"

namespace kerumina::ui {

namespace {

constexpr std::string_view SECTION = "TopWindow";

// Creates a launcher-owned tool window and shows it if it was open at the last close.
template <class Window>
std::unique_ptr<Window> CreateToolWindow(CMainApp& app) {
  auto window = std::make_unique<Window>(app);
  window->CreateToolWindow();
  window->ShowAsLastClosed();
  return window;
}

void ShowAndActivate(CToolWindowDlg* window) {
  if (window == nullptr) return;
  window->ShowWindow(platform::SHOW_NORMAL);
  window->SetActiveWindow();
}

// Records whether the window is open, then destroys it (it saves its own settings).
template <class Window>
void CloseToolWindow(CMainApp& app, std::unique_ptr<Window>& window) {
  if (!window) return;
  app.WriteProfileInt(window->section(), "show", window->IsWindowVisible() ? 1 : 0);
  window->DestroyWindow();
  window.reset();
}

}  // namespace

CTopWindowDlg::CTopWindowDlg(CMainApp& app) : CDialog(app.host(), res::TOP_WINDOW_DLG), app_(app) {}

CTopWindowDlg::~CTopWindowDlg() = default;

const platform::MessageMap* CTopWindowDlg::GetMessageMap() const {
  using platform::Notification;
  static const platform::MessageMapEntry entries[] = {
      platform::OnNotify(res::IDC_TOP_SEARCH, Notification::Clicked, &CTopWindowDlg::OnOpenSearch),
      platform::OnNotify(res::IDC_TOP_BOX, Notification::Clicked, &CTopWindowDlg::OnOpenBox),
      platform::OnNotify(res::IDC_TOP_PARA_CHECK, Notification::Clicked,
                         &CTopWindowDlg::OnOpenParaCheck),
      platform::OnNotify(res::IDC_TOP_QUIT, Notification::Clicked, &CTopWindowDlg::OnQuit),
  };
  static const platform::MessageMap map{CDialog::GetMessageMap(), entries};
  return &map;
}

bool CTopWindowDlg::OnCreate() {
  platform::Rect saved = ReadSavedRect(app_, SECTION);
  if (!saved.IsEmpty()) {
    platform::WindowPlacement placement = GetWindowPlacement();
    placement.normalPosition = saved;
    SetWindowPlacement(placement);
  }
  return true;
}

bool CTopWindowDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  std::string_view aboutText = res::LoadString(res::IDS_ABOUTBOX);
  if (!aboutText.empty()) {
    AppendSystemMenu(0, "");
    AppendSystemMenu(res::IDM_ABOUTBOX, aboutText);
  }
  searchDlg_ = CreateToolWindow<CSearchDlg>(app_);
  paraCheckDlg_ = CreateToolWindow<CParaCheckDlg>(app_);
  damageDlg_ = CreateToolWindow<CDamageDlg>(app_);
  return true;
}

void CTopWindowDlg::OnOpenSearch() {
  ShowAndActivate(searchDlg_.get());
}
void CTopWindowDlg::OnOpenBox() {
  ShowAndActivate(damageDlg_.get());
}
void CTopWindowDlg::OnOpenParaCheck() {
  ShowAndActivate(paraCheckDlg_.get());
}
void CTopWindowDlg::OnQuit() {
  OnCancel();
}

void CTopWindowDlg::CloseToolWindows() {
  CloseToolWindow(app_, searchDlg_);
  CloseToolWindow(app_, paraCheckDlg_);
  CloseToolWindow(app_, damageDlg_);
}

void CTopWindowDlg::OnCancel() {
  // The box is the only thing the program could lose by ending.
  if (damageDlg_ && !damageDlg_->QuerySaveBeforeExit()) return;
  CloseToolWindows();
  EndDialog(platform::ID_CANCEL);
}

void CTopWindowDlg::OnDestroy() {
  WriteSavedRect(app_, SECTION, GetWindowPlacement().normalPosition);
}

void CTopWindowDlg::OnSize(platform::SizeType type) {
  CToolWindowDlg* windows[] = {paraCheckDlg_.get(), searchDlg_.get(), damageDlg_.get()};
  if (type == platform::SizeType::Minimized) {
    launcherMinimized = true;
    for (CToolWindowDlg* window : windows) {
      if (window != nullptr) window->ShowToolWindow(platform::SHOW_MINIMIZE);
    }
  } else if (type == platform::SizeType::Restored && launcherMinimized) {
    launcherMinimized = false;
    for (CToolWindowDlg* window : windows) {
      if (window != nullptr) window->ShowToolWindow(platform::SHOW_RESTORE);
    }
  }
}

void CTopWindowDlg::OnSysCommand(int command) {
  if ((command & 0xFFF0) == res::IDM_ABOUTBOX) {
    CAboutDlg about(app_, this);
    about.DoModal();
    return;
  }
  CDialog::OnSysCommand(command);
}

}  // namespace kerumina::ui
