#include "platform/win32/win32_host.h"

#include <objbase.h>

#include <cstring>
#include <vector>

#include "platform/win32/wide_text.h"
#include "platform/win32/win32_app.h"
#include "platform/win32/window_peer.h"

namespace kerumina::platform::win32 {

namespace {

Win32WindowPeer* PeerOf(const CDialog& dialog) {
  return static_cast<Win32WindowPeer*>(dialog.peer());
}

int CALLBACK CollectFace(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM faces) {
  reinterpret_cast<std::vector<std::wstring>*>(faces)->push_back(font->lfFaceName);
  return 1;
}

// The Japanese dialog font of the system; on Wine the IPA font the wx build uses too.
std::wstring ChooseDialogFace() {
  std::vector<std::wstring> installed;
  HDC screen = GetDC(nullptr);
  LOGFONTW all{};
  all.lfCharSet = DEFAULT_CHARSET;
  EnumFontFamiliesExW(screen, &all, CollectFace, reinterpret_cast<LPARAM>(&installed), 0);
  ReleaseDC(nullptr, screen);
  for (const wchar_t* face :
       {L"MS UI Gothic", L"Meiryo UI", L"Yu Gothic UI", L"IPAPGothic", L"IPAGothic"}) {
    for (const std::wstring& name : installed) {
      if (name == face) return name;
    }
  }
  return L"MS Shell Dlg";
}

bool IsDialogWindow(HWND window) {
  wchar_t name[16] = {};
  GetClassNameW(window, name, 16);
  return std::wcscmp(name, L"#32770") == 0;
}

// Hands a block of movable memory to the clipboard; false if the clipboard refused it.
bool PutOnClipboard(UINT format, const void* data, std::size_t size) {
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
  if (memory == nullptr) return false;
  void* target = GlobalLock(memory);
  if (target == nullptr) {
    GlobalFree(memory);
    return false;
  }
  std::memcpy(target, data, size);
  GlobalUnlock(memory);
  if (SetClipboardData(format, memory) == nullptr) {
    GlobalFree(memory);
    return false;
  }
  return true;
}

}  // namespace

int RunWin32Application(const std::function<int(Host&)>& body) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&controls);
  // The file-open dialog hosts shell components that expect a single-threaded apartment.
  HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
  int result = 0;
  {
    Win32Host host;
    result = body(host);
  }
  if (SUCCEEDED(com)) CoUninitialize();
  return result;
}

Win32Host::Win32Host() : dialogFace_(ChooseDialogFace()) {}

std::unique_ptr<WindowPeer> Win32Host::CreateWindowPeer(CDialog& dialog) {
  // A modal box belongs to its parent, so that it stays in front of the window it blocks;
  // every other window is an independent top-level window.
  HWND owner = nullptr;
  if (dialog.IsModal() && dialog.parent() != nullptr) owner = WindowOf(*dialog.parent());
  return std::make_unique<Win32WindowPeer>(dialog, dialogFace_, owner);
}

void Win32Host::RunModalLoop(CDialog& dialog) {
  Win32WindowPeer* peer = PeerOf(dialog);
  peer->modalRunning = true;
  if (onModalRunStarted) onModalRunStarted(dialog);
  while (peer->modalRunning) {
    MSG message;
    BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got <= 0) {
      // Passed on, so that every enclosing loop ends too.
      PostQuitMessage(static_cast<int>(message.wParam));
      break;
    }
    // Tab, arrows, Enter and Escape for whichever of our windows has the message.
    HWND root = message.hwnd != nullptr ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    if (root != nullptr && IsDialogWindow(root) && IsDialogMessageW(root, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  peer->modalRunning = false;
}

void Win32Host::EndModalLoop(CDialog& dialog) {
  Win32WindowPeer* peer = PeerOf(dialog);
  if (peer == nullptr || !peer->modalRunning) return;
  peer->modalRunning = false;
  // Wakes the loop, which may be waiting for a message.
  PostMessageW(peer->window(), WM_NULL, 0, 0);
}

DialogResult Win32Host::MessageBox(std::string_view text, std::string_view caption,
                                   MessageBoxButtons buttons, MessageBoxIcon icon) {
  UINT style = 0;
  switch (buttons) {
    case MessageBoxButtons::Ok:
      style = MB_OK;
      break;
    case MessageBoxButtons::OkCancel:
      style = MB_OKCANCEL;
      break;
    case MessageBoxButtons::YesNo:
      style = MB_YESNO;
      break;
    case MessageBoxButtons::YesNoCancel:
      style = MB_YESNOCANCEL;
      break;
  }
  switch (icon) {
    case MessageBoxIcon::None:
      break;
    case MessageBoxIcon::Error:
      style |= MB_ICONERROR;
      break;
    case MessageBoxIcon::Question:
      style |= MB_ICONQUESTION;
      break;
    case MessageBoxIcon::Warning:
      style |= MB_ICONWARNING;
      break;
    case MessageBoxIcon::Information:
      style |= MB_ICONINFORMATION;
      break;
  }
  switch (MessageBoxW(GetActiveWindow(), Wide(text).c_str(), Wide(caption).c_str(), style)) {
    case IDYES:
      return ID_YES;
    case IDNO:
      return ID_NO;
    case IDCANCEL:
      return ID_CANCEL;
    default:
      return ID_OK;
  }
}

std::optional<std::string> Win32Host::GetOpenFileName(std::string_view filter,
                                                      std::string_view defaultExtension) {
  std::wstring filters = FileDialogFilter(filter);
  std::wstring extension = Wide(defaultExtension);
  std::vector<wchar_t> file(32768, L'\0');
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = GetActiveWindow();
  dialog.lpstrFilter = filters.c_str();
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = file.data();
  dialog.nMaxFile = static_cast<DWORD>(file.size());
  dialog.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
  // OFN_NOCHANGEDIR: the box file is named relative to the program's folder, which the
  // dialog would otherwise leave as the current directory, so the next save would go astray.
  dialog.Flags =
      OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
  if (GetOpenFileNameW(&dialog) == FALSE) return std::nullopt;
  return Utf8(file.data());
}

void Win32Host::SetClipboardText(std::string_view text) {
  std::wstring wide = Wide(text);
  std::string ansi = Cp932(wide);
  if (OpenClipboard(GetActiveWindow()) == FALSE) return;
  EmptyClipboard();
  PutOnClipboard(CF_UNICODETEXT, wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
  // Programs that read only ANSI text get Shift-JIS, whatever this system's code page.
  PutOnClipboard(CF_TEXT, ansi.c_str(), ansi.size() + 1);
  const DWORD japanese = MAKELCID(MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT), SORT_DEFAULT);
  PutOnClipboard(CF_LOCALE, &japanese, sizeof japanese);
  CloseClipboard();
}

std::string Win32Host::GetClipboardText() {
  std::string text;
  if (OpenClipboard(GetActiveWindow()) == FALSE) return text;
  if (HANDLE memory = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* wide = static_cast<const wchar_t*>(GlobalLock(memory))) {
      // The block may be larger than the text: stop at its NUL, never past the block.
      const std::size_t limit = GlobalSize(memory) / sizeof(wchar_t);
      std::size_t length = 0;
      while (length < limit && wide[length] != L'\0') ++length;
      text = Utf8(std::wstring_view(wide, length));
      GlobalUnlock(memory);
    }
  }
  CloseClipboard();
  return text;
}

std::string Win32Host::GetModuleFileName() {
  std::vector<wchar_t> path(MAX_PATH);
  for (;;) {
    DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) return Utf8(std::wstring_view(path.data(), length));
    path.resize(path.size() * 2);
  }
}

HWND Win32Host::WindowOf(const CDialog& dialog) {
  Win32WindowPeer* peer = PeerOf(dialog);
  return peer != nullptr ? peer->window() : nullptr;
}

HWND Win32Host::ControlOf(const CDialog& dialog, int controlId) {
  Win32WindowPeer* peer = PeerOf(dialog);
  return peer != nullptr ? peer->ControlOf(controlId) : nullptr;
}

}  // namespace kerumina::platform::win32
