// Smoke test of the real GUI on the Win32 backend, under Wine and a virtual X server: the
// shared stages drive the native controls with the messages the system sends (clicks are
// posted, so that the controls turn them into their own notifications) and read the results
// back from the controls. Here besides: IV candidates fit beside the scroll bar, minimising
// the launcher hides the open tool windows and restoring brings exactly those back, the
// about box opens from the system menu and closes with Enter, the clipboard holds Unicode
// and Shift-JIS, and closing the launcher writes the settings.
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/process.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_app.h"
#include "platform/win32/win32_host.h"
#include "platform/win32/window_peer.h"
#include "res/about_dlg.h"
#include "res/para_check_dlg.h"
#include "res/top_window_dlg.h"
#include "tests/ui/smoke.h"
#include "ui/damage_dlg.h"
#include "ui/main_app.h"
#include "ui/para_check_dlg.h"
#include "ui/search_dlg.h"

namespace kerumina::ui::smoke {
namespace {

using platform::ControlKind;
using platform::win32::Utf8;
using platform::win32::Wide;
using platform::win32::Win32Host;

platform::Host* theHost = nullptr;

HWND ControlOf(const CDialog& dialog, int id) {
  return Win32Host::ControlOf(dialog, id);
}

LRESULT SendTo(const CDialog& dialog, int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  return SendMessageW(ControlOf(dialog, id), message, wParam, lParam);
}

ControlKind KindOf(const CDialog& dialog, int id) {
  return dialog.GetDlgItem(id)->kind();
}

// The messages that read a drop-down list's, list box's or list's entries.
struct ItemMessages {
  UINT count, selection, text;
};
ItemMessages MessagesOf(const CDialog& dialog, int id) {
  switch (KindOf(dialog, id)) {
    case ControlKind::ComboBox:
      return {CB_GETCOUNT, CB_GETCURSEL, CB_GETLBTEXT};
    case ControlKind::ListBox:
      return {LB_GETCOUNT, LB_GETCURSEL, LB_GETTEXT};
    default:
      return {LVM_GETITEMCOUNT, LVM_GETNEXTITEM, LVM_GETITEMTEXTW};
  }
}

bool IsDialogWindow(HWND window) {
  wchar_t name[16] = {};
  GetClassNameW(window, name, 16);
  return std::wstring(name) == L"#32770";
}

// Runs what is posted, as the program's message loop does, until nothing is left.
void Pump() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    HWND root = message.hwnd != nullptr ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    if (root != nullptr && IsDialogWindow(root) && IsDialogMessageW(root, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

void PostKey(HWND window, WPARAM key) {
  PostMessageW(window, WM_KEYDOWN, key, 0);
  PostMessageW(window, WM_KEYUP, key, 0);
  Pump();
}

void PostClick(HWND window, const RECT& r, bool twice = false) {
  const LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
  PostMessageW(window, WM_LBUTTONUP, 0, at);
  if (twice) {
    PostMessageW(window, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    PostMessageW(window, WM_LBUTTONUP, 0, at);
  }
  Pump();
}

// The text's width in the control's font.
int TextWidth(HWND control, const std::wstring& text) {
  HDC dc = GetDC(control);
  HGDIOBJ previous =
      SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0)));
  SIZE size{};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  SelectObject(dc, previous);
  ReleaseDC(control, dc);
  return size.cx;
}

int ClientWidth(HWND control) {
  RECT client{};
  GetClientRect(control, &client);
  return client.right;
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

// The clipboard's text as programs that read only ANSI text get it.
std::string ClipboardAnsiText() {
  std::string text;
  if (OpenClipboard(nullptr) == FALSE) return text;
  if (HANDLE data = GetClipboardData(CF_TEXT)) {
    if (const auto* ansi = static_cast<const char*>(GlobalLock(data))) text = ansi;
    GlobalUnlock(data);
  }
  CloseClipboard();
  return text;
}

std::string messageText;
bool answered = false;

// A message box of this thread, with its text (control 0xFFFF, on Wine 100) read and its
// OK button pressed.
BOOL CALLBACK AnswerIfMessageBox(HWND window, LPARAM) {
  wchar_t name[16] = {};
  GetClassNameW(GetDlgItem(window, IDOK), name, 16);
  if (!IsDialogWindow(window) || lstrcmpiW(name, L"Button") != 0) return TRUE;
  for (int id : {0xFFFF, 100}) {
    wchar_t text[256] = {};
    if (GetDlgItemTextW(window, id, text, 256) > 0) messageText = Utf8(text);
  }
  PostMessageW(window, WM_COMMAND, IDOK, 0);
  answered = true;
  return FALSE;
}

void CALLBACK AnswerMessageBox(HWND, UINT, UINT_PTR, DWORD) {
  if (!answered) EnumThreadWindows(GetCurrentThreadId(), AnswerIfMessageBox, 0);
}

}  // namespace

void Press(const CDialog& dialog, int id) {
  SendTo(dialog, id, BM_CLICK);
  Pump();
}

void ChooseAt(const CDialog& dialog, int id, int index) {
  // The control holds the model's entries only once pending changes are mirrored.
  Settle(dialog);
  const bool listBox = KindOf(dialog, id) == ControlKind::ListBox;
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
  RECT cell{};
  cell.top = 1;
  cell.left = LVIR_LABEL;
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
  PostKey(ControlOf(dialog, dialog.controls().front()->id()), VK_ESCAPE);
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
  const bool list = KindOf(dialog, id) == ControlKind::ListView;
  SendTo(dialog, id, MessagesOf(dialog, id).text, static_cast<WPARAM>(row),
         list ? reinterpret_cast<LPARAM>(&cell) : reinterpret_cast<LPARAM>(text));
  return Utf8(text);
}

std::string ClipboardText() {
  return theHost->GetClipboardText();
}

std::string PressAnsweringMessage(const CDialog& dialog, int id) {
  messageText.clear();
  answered = false;
  const UINT_PTR timer = SetTimer(nullptr, 0, 50, AnswerMessageBox);
  Press(dialog, id);
  KillTimer(nullptr, timer);
  return messageText;
}

void Settle(const CDialog& dialog) {
  static_cast<platform::win32::Win32WindowPeer*>(dialog.peer())->Flush();
  Pump();
}

void Timed(const char* what, const CDialog& dialog, const std::function<void()>& act) {
  Settle(dialog);
  const auto start = std::chrono::steady_clock::now();
  act();
  Settle(dialog);
  const std::chrono::duration<double, std::milli> wall = std::chrono::steady_clock::now() - start;
  std::printf("timing: %s: %.2f ms\n", what, wall.count());
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
  std::vector<HWND> walked;
  for (HWND at = GetNextDlgTabItem(window, nullptr, FALSE);
       at != nullptr && walked.size() < expected.size();
       at = GetNextDlgTabItem(window, at, FALSE)) {
    walked.push_back(at);
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
  return TextWidth(control, wide) <= ClientWidth(control) ||
         TooltipOf(Win32Host::WindowOf(dialog), control) == wide;
}

}  // namespace kerumina::ui::smoke

namespace {

using namespace kerumina::ui::smoke;
namespace platform = kerumina::platform;
namespace res = kerumina::res;
using platform::win32::Win32Host;

// Every IV candidate shows whole beside the list box's scroll bar, in the list's font.
bool CandidatesFit(const CDialog& iv) {
  for (int id : res::IDC_PARACHECK_CANDIDATES) {
    HWND list = Win32Host::ControlOf(iv, id);
    for (int i = 0; i < ShownCount(iv, id); ++i) {
      const std::wstring text = Wide(ShownItem(iv, id, i));
      if (TextWidth(list, text) >= ClientWidth(list)) return false;
    }
  }
  return true;
}

void RunWin32Checks(kerumina::ui::CTopWindowDlg& launcher, platform::Host& host) {
  HWND top = Win32Host::WindowOf(launcher);
  Check(CandidatesFit(*launcher.paraCheckDlg()), "every IV candidate shows whole");
  SendMessageW(top, WM_SYSCOMMAND, SC_MINIMIZE, 0);
  Pump();
  Check(
      launcher.IsIconic() && !OnScreen(launcher.damageDlg()) && !OnScreen(launcher.paraCheckDlg()),
      "minimising the launcher hides the open tool windows");
  SendMessageW(top, WM_SYSCOMMAND, SC_RESTORE, 0);
  Pump();
  Check(OnScreen(launcher.damageDlg()) && OnScreen(launcher.paraCheckDlg()) &&
            !OnScreen(launcher.searchDlg()),
        "restoring brings back exactly the windows it hid");
  Press(launcher, res::IDC_TOP_SEARCH);
  wchar_t entry[64] = {};
  GetMenuStringW(GetSystemMenu(top, FALSE), res::IDM_ABOUTBOX, entry, 64, MF_BYCOMMAND);
  Check(std::wstring(entry) == L"kerumina のﾊﾞｰｼﾞｮﾝ情報(&A)...",
        "the system menu holds the about entry");
  PostMessageW(top, WM_SYSCOMMAND, res::IDM_ABOUTBOX, 0);
  Pump();
  Check(IsWindowEnabled(top) != FALSE && OnScreen(&launcher),
        "about box closed with Enter, launcher usable again");
  host.SetClipboardText("ケルミナ\r\n");
  Check(host.GetClipboardText() == "ケルミナ\r\n" &&
            ClipboardAnsiText() == "\x83\x50\x83\x8B\x83\x7E\x83\x69\r\n",
        "the clipboard holds the text, and Shift-JIS for programs that read only ANSI");
}

}  // namespace

int main() {
  std::string folder;
  int status = platform::win32::RunWin32Application([&](platform::Host& base) {
    auto& host = static_cast<Win32Host&>(base);
    theHost = &host;
    folder = platform::FolderOf(host.GetModuleFileName());
    PrepareFolder(folder);
    kerumina::ui::CMainApp app(host);
    HWND top = nullptr;
    host.onModalRunStarted = [&](CDialog& dialog) {
      if (dialog.dialogTemplate().resourceId == res::IDD_ABOUTBOX) {
        Check(OnScreen(&dialog) && IsWindowEnabled(top) == FALSE,
              "about box on screen, the launcher blocked");
        PostKey(Win32Host::ControlOf(dialog, platform::ID_OK), VK_RETURN);
        return;
      }
      auto& launcher = dynamic_cast<kerumina::ui::CTopWindowDlg&>(dialog);
      top = Win32Host::WindowOf(launcher);
      RunStages(launcher);
      CheckLongestTexts(launcher);
      RunWin32Checks(launcher, host);
      PostMessageW(Win32Host::WindowOf(launcher), WM_CLOSE, 0, 0);
    };
    app.InitInstance();
    return 0;
  });
  return Finish(folder, status);
}
