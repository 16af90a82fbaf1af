// Smoke test of the real GUI on the Win32 backend, under Wine and a virtual X server: the
// shared stages drive the native controls with the messages the system sends (clicks are
// posted, so that the controls turn them into their own notifications) and read the results
// back from the controls. Here besides, the system menu's about entry.
#include <cstdio>
#include <string>
#include <vector>

#include "platform/process.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_app.h"
#include "platform/win32/win32_host.h"
#include "platform/win32/window_peer.h"
#include "res/top_window_dlg.h"
#include "tests/ui/smoke.h"
#include "ui/main_app.h"

namespace kerumina::ui::smoke {
namespace {

using platform::ControlKind;
using platform::win32::Utf8;
using platform::win32::Wide;
using platform::win32::Win32Host;

const auto ControlOf = Win32Host::ControlOf;

LRESULT SendTo(const CDialog& dialog, int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  return SendMessageW(ControlOf(dialog, id), message, wParam, lParam);
}

// The messages that read a drop-down list's, list box's or list's entries.
struct ItemMessages {
  UINT count, selection, text;
};
ItemMessages MessagesOf(const CDialog& dialog, int id) {
  const ControlKind kind = dialog.GetDlgItem(id)->kind();
  if (kind == ControlKind::ComboBox) return {CB_GETCOUNT, CB_GETCURSEL, CB_GETLBTEXT};
  if (kind == ControlKind::ListBox) return {LB_GETCOUNT, LB_GETCURSEL, LB_GETTEXT};
  return {LVM_GETITEMCOUNT, LVM_GETNEXTITEM, LVM_GETITEMTEXTW};
}

// Runs what is posted, as the program's message loop does, until nothing is left.
void Pump() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    HWND root = message.hwnd != nullptr ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    wchar_t name[16] = {};
    if (root != nullptr) GetClassNameW(root, name, 16);
    if (std::wstring(name) == L"#32770" && IsDialogMessageW(root, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

void PostClick(HWND window, const RECT& r, bool twice = false) {
  const LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  for (UINT press : {WM_LBUTTONDOWN, WM_LBUTTONDBLCLK}) {
    PostMessageW(window, press, MK_LBUTTON, at);
    PostMessageW(window, WM_LBUTTONUP, 0, at);
    if (!twice) break;
  }
  Pump();
}

// The tooltip text the dialog's tooltip window holds for the control.
std::wstring TooltipOf(HWND owner, HWND control) {
  HWND tips = nullptr;
  do {
    tips = FindWindowExW(nullptr, tips, TOOLTIPS_CLASSW, nullptr);
  } while (tips != nullptr && GetWindow(tips, GW_OWNER) != owner);
  wchar_t tip[128] = {};
  TOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.hwnd = owner;
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  tool.lpszText = tip;
  if (tips != nullptr) SendMessageW(tips, TTM_GETTEXTW, 128, reinterpret_cast<LPARAM>(&tool));
  return tip;
}

}  // namespace

void Press(const CDialog& dialog, int id) {
  SendTo(dialog, id, BM_CLICK);
  Pump();
}

void ChooseAt(const CDialog& dialog, int id, int index) {
  // The control holds the model's entries only once pending changes are mirrored.
  Settle(dialog);
  const bool listBox = dialog.GetDlgItem(id)->kind() == ControlKind::ListBox;
  SendTo(dialog, id, listBox ? LB_SETCURSEL : CB_SETCURSEL, static_cast<WPARAM>(index));
  SendMessageW(Win32Host::WindowOf(dialog), WM_COMMAND,
               MAKEWPARAM(id, listBox ? LBN_SELCHANGE : CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(ControlOf(dialog, id)));
  Pump();
}

void Type(const CDialog& dialog, int id, const char* text) {
  SetWindowTextW(ControlOf(dialog, id), Wide(text).c_str());
  Pump();
}

void ClickRow(const CDialog& dialog, int id, int row, bool twice) {
  Settle(dialog);
  RECT cell{LVIR_LABEL, 1, 0, 0};  // the label of the second column
  SendTo(dialog, id, LVM_GETSUBITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&cell));
  PostClick(ControlOf(dialog, id), cell, twice);
}

void ClickHeading(const CDialog& dialog, int id, int column) {
  HWND header = reinterpret_cast<HWND>(SendTo(dialog, id, LVM_GETHEADER));
  RECT r{};
  SendMessageW(header, HDM_GETITEMRECT, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&r));
  PostClick(header, r);
}

// Through the dialog manager, from the window's first control.
void PressEscape(const CDialog& dialog) {
  HWND first = ControlOf(dialog, dialog.controls().front()->id());
  PostMessageW(first, WM_KEYDOWN, VK_ESCAPE, 0);
  PostMessageW(first, WM_KEYUP, VK_ESCAPE, 0);
  Pump();
}

bool OnScreen(const CDialog* dialog) {
  HWND window = dialog != nullptr ? Win32Host::WindowOf(*dialog) : nullptr;
  return window != nullptr && IsWindowVisible(window) != FALSE && dialog->IsWindowVisible();
}

std::string Shown(const CDialog& dialog, int id) {
  Settle(dialog);
  wchar_t text[256] = {};
  GetWindowTextW(ControlOf(dialog, id), text, 256);
  return Utf8(text);
}

bool ShownChecked(const CDialog& dialog, int id) {
  Settle(dialog);
  return SendTo(dialog, id, BM_GETCHECK) == BST_CHECKED;
}

int ShownCount(const CDialog& dialog, int id) {
  Settle(dialog);
  return static_cast<int>(SendTo(dialog, id, MessagesOf(dialog, id).count));
}

int ShownSelection(const CDialog& dialog, int id) {
  Settle(dialog);
  return static_cast<int>(
      SendTo(dialog, id, MessagesOf(dialog, id).selection, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

std::string ShownItem(const CDialog& dialog, int id, int row, int column) {
  Settle(dialog);
  wchar_t text[256] = {};
  LVITEMW cell{};
  cell.iSubItem = column;
  cell.pszText = text;
  cell.cchTextMax = 256;
  const bool list = dialog.GetDlgItem(id)->kind() == ControlKind::ListView;
  SendTo(dialog, id, MessagesOf(dialog, id).text, static_cast<WPARAM>(row),
         list ? reinterpret_cast<LPARAM>(&cell) : reinterpret_cast<LPARAM>(text));
  return Utf8(text);
}

void Settle(const CDialog& dialog) {
  static_cast<platform::win32::Win32WindowPeer*>(dialog.peer())->Flush();
  Pump();
}

// A radio group is one stop, at its checked button if any; disabled controls are none.
bool TabOrderFollowsTheTemplate(const CDialog& dialog) {
  Settle(dialog);
  const auto& controls = dialog.controls();
  std::vector<HWND> expected;
  for (std::size_t i = 0; i < controls.size(); ++i) {
    const ControlKind kind = controls[i]->kind();
    if (kind == ControlKind::StaticText || kind == ControlKind::GroupBox) continue;
    HWND window = ControlOf(dialog, controls[i]->id());
    while (kind == ControlKind::RadioButton && i + 1 < controls.size() &&
           controls[i + 1]->kind() == kind && !controls[i + 1]->HasStyle(platform::STYLE_GROUP)) {
      HWND next = ControlOf(dialog, controls[++i]->id());
      if (SendMessageW(next, BM_GETCHECK, 0, 0) == BST_CHECKED) window = next;
    }
    if (IsWindowVisible(window) != FALSE && IsWindowEnabled(window) != FALSE) {
      expected.push_back(window);
    }
  }
  HWND window = Win32Host::WindowOf(dialog);
  std::vector<HWND> walked{GetNextDlgTabItem(window, nullptr, FALSE)};
  while (walked.size() < expected.size()) {
    walked.push_back(GetNextDlgTabItem(window, walked.back(), FALSE));
  }
  return walked == expected;
}

bool ShowsWhole(const CDialog& dialog, int id, int column, const std::string& text) {
  HWND control = ControlOf(dialog, id);
  const std::wstring wide = Wide(text);
  if (column >= 0) {
    return SendMessageW(control, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column), 0) >
           SendMessageW(control, LVM_GETSTRINGWIDTHW, 0, reinterpret_cast<LPARAM>(wide.c_str()));
  }
  // A text cell fits the text in its font, or has it as tooltip.
  HDC dc = GetDC(control);
  HGDIOBJ previous =
      SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0)));
  SIZE size{};
  GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size);
  SelectObject(dc, previous);
  ReleaseDC(control, dc);
  RECT client{};
  GetClientRect(control, &client);
  return size.cx <= client.right || TooltipOf(Win32Host::WindowOf(dialog), control) == wide;
}

}  // namespace kerumina::ui::smoke

int main() {
  using namespace kerumina::ui::smoke;
  namespace platform = kerumina::platform;
  namespace res = kerumina::res;
  using platform::win32::Win32Host;
  std::string folder;
  int status = platform::win32::RunWin32Application([&](platform::Host& host) {
    folder = platform::FolderOf(host.GetModuleFileName());
    PrepareFolder(folder);
    kerumina::ui::CMainApp app(host);
    static_cast<Win32Host&>(host).onModalRunStarted = [&](CDialog& dialog) {
      auto& launcher = dynamic_cast<kerumina::ui::CTopWindowDlg&>(dialog);
      RunStages(launcher);
      CheckLongestTexts(launcher);
      HWND top = Win32Host::WindowOf(launcher);
      wchar_t entry[64] = {};
      GetMenuStringW(GetSystemMenu(top, FALSE), res::IDM_ABOUTBOX, entry, 64, MF_BYCOMMAND);
      Check(std::wstring(entry) == L"kerumina のﾊﾞｰｼﾞｮﾝ情報(&A)...",
            "the system menu holds the about entry");
      PostMessageW(top, WM_CLOSE, 0, 0);
    };
    app.InitInstance();
    return 0;
  });
  return Finish(folder, status);
}
