// Smoke test of the real GUI on the Win32 backend (under Wine and a virtual X server): the
// launcher's buttons open the three tool windows through real button clicks, Escape
// (through the dialog manager) hides one, minimising the launcher hides the others and restoring
// brings them back, the about box opens from the system menu and closes with Enter, and closing the
// launcher writes the settings. A gallery window checks that the native controls mirror the model
// and report back.
#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "box/box.h"
#include "calc/build_text.h"
#include "data/learnsets.h"
#include "data/moves.h"
#include "platform/process.h"
#include "platform/profile.h"
#include "platform/win32/win32_app.h"
#include "platform/win32/win32_host.h"
#include "platform/win32/window_peer.h"
#include "res/about_dlg.h"
#include "res/damage_dlg.h"
#include "res/data_edit_dlg.h"
#include "res/data_view_dlg.h"
#include "res/para_check_dlg.h"
#include "res/search_dlg.h"
#include "res/top_window_dlg.h"
#include "tests/ui/gallery.h"
#include "ui/damage_dlg.h"
#include "ui/data_view_dlg.h"
#include "ui/main_app.h"
#include "ui/para_check_dlg.h"
#include "ui/search_dlg.h"
#include "ui/top_window_dlg.h"

namespace {

namespace platform = kerumina::platform;
using kerumina::ui::FillGallery;
using kerumina::ui::GALLERY;
using platform::CDialog;
using platform::win32::Win32Host;

int failures = 0;
std::string folder;

void Check(bool condition, const char* what) {
  std::printf("%s: %s\n", condition ? "ok" : "FAILED", what);
  std::fflush(stdout);
  if (!condition) ++failures;
}

bool OnScreen(const CDialog* dialog) {
  HWND window = dialog != nullptr ? Win32Host::WindowOf(*dialog) : nullptr;
  return window != nullptr && IsWindowVisible(window) != FALSE && dialog->IsWindowVisible();
}

std::wstring TextOf(HWND window) {
  wchar_t text[256] = {};
  GetWindowTextW(window, text, 256);
  return text;
}

// The bytes of one clipboard format, up to and including the first terminating NUL.
std::string ClipboardText(UINT format) {
  std::string bytes;
  if (OpenClipboard(nullptr) == FALSE) return bytes;
  if (HANDLE data = GetClipboardData(format)) {
    const auto* text = static_cast<const char*>(GlobalLock(data));
    std::size_t unit = format == CF_UNICODETEXT ? 2 : 1;
    for (std::size_t at = 0; text != nullptr && at < GlobalSize(data); at += unit) {
      bytes.append(text + at, unit);
      if (std::string(text + at, unit) == std::string(unit, '\0')) break;
    }
    GlobalUnlock(data);
  }
  CloseClipboard();
  return bytes;
}

void Click(const CDialog& dialog, int id) {
  HWND button = Win32Host::ControlOf(dialog, id);
  Check(button != nullptr, "button exists");
  SendMessageW(button, BM_CLICK, 0, 0);
}

// A key as a person types it: posted, so that it passes the message loop's dialog manager.
void PostKey(HWND window, WPARAM key) {
  PostMessageW(window, WM_KEYDOWN, key, 0);
  PostMessageW(window, WM_KEYUP, key, 0);
}

// What the system does when a person uses a control of a tool window: a choice in a
// drop-down list is reported with CBN_SELCHANGE; mouse clicks are posted, so that the
// control itself turns them into its notifications.
void ChooseAt(const CDialog& dialog, int id, int index) {
  HWND combo = Win32Host::ControlOf(dialog, id);
  SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  SendMessageW(Win32Host::WindowOf(dialog), WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(combo));
}

void ChooseData(CDialog& dialog, int id, platform::ItemData data) {
  const auto& combo = dialog.Item<platform::ComboBox>(id);
  int index = 0;
  while (index < combo.GetCount() && combo.GetItemData(index) != data) ++index;
  Check(index < combo.GetCount(), "entry to choose exists");
  ChooseAt(dialog, id, index);
}

void PostClick(HWND window, POINT at, bool twice = false) {
  LPARAM where = MAKELPARAM(at.x, at.y);
  PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, where);
  PostMessageW(window, WM_LBUTTONUP, 0, where);
  if (!twice) return;
  PostMessageW(window, WM_LBUTTONDBLCLK, MK_LBUTTON, where);
  PostMessageW(window, WM_LBUTTONUP, 0, where);
}

POINT Middle(const RECT& r) {
  return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

// A click into the second column of a row of a report list.
void ClickRow(const CDialog& dialog, int id, int row, bool twice = false) {
  HWND list = Win32Host::ControlOf(dialog, id);
  RECT cell{};
  cell.top = 1;
  cell.left = LVIR_LABEL;
  SendMessageW(list, LVM_GETSUBITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&cell));
  PostClick(list, Middle(cell), twice);
}

void ClickHeading(const CDialog& dialog, int id, int column) {
  HWND header =
      reinterpret_cast<HWND>(SendMessageW(Win32Host::ControlOf(dialog, id), LVM_GETHEADER, 0, 0));
  RECT r{};
  SendMessageW(header, HDM_GETITEMRECT, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&r));
  PostClick(header, Middle(r));
}

int ListRows(const CDialog& dialog, int id) {
  return static_cast<int>(SendMessageW(Win32Host::ControlOf(dialog, id), LVM_GETITEMCOUNT, 0, 0));
}

std::wstring CellText(const CDialog& dialog, int id, int row, int column) {
  wchar_t text[64] = {};
  LVITEMW item{};
  item.iSubItem = column;
  item.pszText = text;
  item.cchTextMax = 64;
  SendMessageW(Win32Host::ControlOf(dialog, id), LVM_GETITEMTEXTW, static_cast<WPARAM>(row),
               reinterpret_cast<LPARAM>(&item));
  return text;
}

std::wstring ControlText(const CDialog& dialog, int id) {
  return TextOf(Win32Host::ControlOf(dialog, id));
}

// Whether every item of a list box shows whole beside its scroll bar, in the list's font.
bool ItemsFit(HWND list) {
  RECT client{};
  GetClientRect(list, &client);
  HDC dc = GetDC(list);
  HGDIOBJ previous =
      SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(list, WM_GETFONT, 0, 0)));
  bool fit = true;
  for (int i = 0; i < SendMessageW(list, LB_GETCOUNT, 0, 0); ++i) {
    wchar_t text[64] = {};
    SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
    SIZE size{};
    GetTextExtentPoint32W(dc, text, lstrlenW(text), &size);
    fit = fit && size.cx < client.right;
  }
  SelectObject(dc, previous);
  ReleaseDC(list, dc);
  return fit;
}

// Tab walks the controls a person can use in template order, a radio group once.
bool TabOrderFollowsTheTemplate(const CDialog& dialog) {
  std::vector<HWND> expected;
  bool previousRadio = false;
  for (const auto& control : dialog.controls()) {
    const platform::ControlKind kind = control->kind();
    const bool radio = kind == platform::ControlKind::RadioButton;
    const bool groupStart = !previousRadio || control->HasStyle(platform::STYLE_GROUP);
    previousRadio = radio;
    if (kind == platform::ControlKind::StaticText || kind == platform::ControlKind::GroupBox ||
        (radio && !groupStart))
      continue;
    HWND window = Win32Host::ControlOf(dialog, control->id());
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

std::wstring Wide(const std::string& utf8) {
  std::wstring wide(utf8.size(), L'\0');
  wide.resize(static_cast<std::size_t>(
      MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(),
                          static_cast<int>(wide.size()))));
  return wide;
}

// The longest text of each kind of cell shows whole: a list column grows to it, a cell
// fits it or ends in "…" with the whole text as its tooltip.
void CheckLongestTexts(const kerumina::ui::CTopWindowDlg& launcher) {
  for (const auto& longest : kerumina::ui::LONGEST_TEXTS) {
    kerumina::ui::ShowLongest(launcher, longest);
    const CDialog& dialog = kerumina::ui::WindowOf(launcher, longest.window);
    static_cast<platform::win32::Win32WindowPeer*>(dialog.peer())->Flush();
    HWND control = Win32Host::ControlOf(dialog, longest.id);
    std::wstring text = Wide(longest.text);
    bool whole = false;
    if (longest.column >= 0) {
      whole = SendMessageW(control, LVM_GETCOLUMNWIDTH, longest.column, 0) >
              SendMessageW(control, LVM_GETSTRINGWIDTHW, 0, reinterpret_cast<LPARAM>(text.c_str()));
    } else {
      RECT client{};
      GetClientRect(control, &client);
      HDC dc = GetDC(control);
      HGDIOBJ previous =
          SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0)));
      SIZE size{};
      GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
      SelectObject(dc, previous);
      ReleaseDC(control, dc);
      HWND owner = Win32Host::WindowOf(dialog);
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
      whole = size.cx <= client.right || text == tip;
    }
    Check(whole, (std::string("shows whole: ") + longest.text).c_str());
  }
}

void CheckControlsMirrorTheModel(const CDialog& gallery) {
  HWND combo = Win32Host::ControlOf(gallery, 1);
  wchar_t first[32] = {};
  SendMessageW(combo, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(first));
  Check(SendMessageW(combo, CB_GETCOUNT, 0, 0) == 475 &&
            SendMessageW(combo, CB_GETCURSEL, 0, 0) == 0 && std::wstring(first) == L" 無指定",
        "drop-down list mirrors items, their order and the selection");
  HWND list = Win32Host::ControlOf(gallery, 7);
  wchar_t cell[32] = {};
  LVITEMW item{};
  item.iSubItem = 1;
  item.pszText = cell;
  item.cchTextMax = 32;
  SendMessageW(list, LVM_GETITEMTEXTW, 1, reinterpret_cast<LPARAM>(&item));
  HWND header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
  Check(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) == 3 &&
            SendMessageW(header, HDM_GETITEMCOUNT, 0, 0) == 3 &&
            std::wstring(cell) == L"かえんどり",
        "list view mirrors columns and rows");
  Check(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED) == 1,
        "list view mirrors the selection");
  Check(SendMessageW(Win32Host::ControlOf(gallery, 4), BM_GETCHECK, 0, 0) == BST_CHECKED &&
            SendMessageW(Win32Host::ControlOf(gallery, 5), BM_GETCHECK, 0, 0) == BST_CHECKED,
        "check box and radio button mirror the model");
  Check(SendMessageW(Win32Host::ControlOf(gallery, 8), LB_GETCURSEL, 0, 0) == 3,
        "list box mirrors the selection");
}

// What the system sends when a person uses the controls.
void ActOnControls(const CDialog& gallery) {
  HWND window = Win32Host::WindowOf(gallery);
  HWND combo = Win32Host::ControlOf(gallery, 1);
  SendMessageW(combo, CB_SETCURSEL, 2, 0);
  SendMessageW(window, WM_COMMAND, MAKEWPARAM(1, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
  SetWindowTextW(Win32Host::ControlOf(gallery, 2), L"12");
  SendMessageW(Win32Host::ControlOf(gallery, 6), BM_CLICK, 0, 0);
  SendMessageW(Win32Host::ControlOf(gallery, 4), BM_CLICK, 0, 0);
  // A click on the second row, in its second column.
  HWND list = Win32Host::ControlOf(gallery, 7);
  RECT cell{};
  cell.top = 1;
  cell.left = LVIR_BOUNDS;
  SendMessageW(list, LVM_GETSUBITEMRECT, 1, reinterpret_cast<LPARAM>(&cell));
  NMITEMACTIVATE click{};
  click.hdr.hwndFrom = list;
  click.hdr.idFrom = 7;
  click.hdr.code = NM_CLICK;
  click.iItem = -1;
  click.ptAction = POINT{(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2};
  SendMessageW(window, WM_NOTIFY, 7, reinterpret_cast<LPARAM>(&click));
}

void CheckUserActionsReachedTheModel(CDialog& gallery) {
  using namespace platform;
  Check(gallery.Item<ComboBox>(1).GetCurSel() == 2, "choice reaches the model");
  Check(gallery.GetDlgItemText(2) == "12", "typing reaches the model");
  Check(gallery.IsDlgButtonChecked(6) == 1 && gallery.IsDlgButtonChecked(5) == 0,
        "radio click reaches the model and clears its group");
  Check(gallery.IsDlgButtonChecked(4) == 0 &&
            SendMessageW(Win32Host::ControlOf(gallery, 4), BM_GETCHECK, 0, 0) == BST_UNCHECKED,
        "check box click toggles the model and the control");
  ListHit hit = gallery.Item<ListView>(7).GetLastClick();
  std::printf("list click hit row %d column %d\n", hit.item, hit.subItem);
  Check(hit.item == 1 && hit.subItem == 1, "list click reports row and column");
}

// A machine move many species learn by levelling up or by machine.
const kerumina::data::MoveId SEARCH_MOVE = kerumina::data::MACHINE_LIST_DPPT[23] - 1;

// Steps run one after another from a timer, so that the windows draw in between.
std::vector<std::function<void()>> steps;
std::size_t nextStep = 0;

void CALLBACK RunNextStep(HWND, UINT, UINT_PTR timer, DWORD) {
  if (nextStep >= steps.size()) {
    KillTimer(nullptr, timer);
    return;
  }
  steps[nextStep++]();
}

}  // namespace

int main() {
  int status = platform::win32::RunWin32Application([](platform::Host& base) {
    auto& host = static_cast<Win32Host&>(base);
    folder = platform::FolderOf(host.GetModuleFileName());
    std::filesystem::remove(platform::PathFromUtf8(folder + "kerumina.ini"));
    kerumina::ui::WriteSmokeBox(folder + kerumina::box::BOX_FILE_NAME);
    kerumina::ui::CMainApp app(host);
    std::unique_ptr<CDialog> gallery;
    CDialog* about = nullptr;
    kerumina::ui::CTopWindowDlg* launcher = nullptr;
    host.onModalRunStarted = [&](CDialog& dialog) {
      if (dialog.dialogTemplate().resourceId == kerumina::res::IDD_ABOUTBOX) {
        about = &dialog;
        return;
      }
      launcher = &dynamic_cast<kerumina::ui::CTopWindowDlg&>(dialog);
      SetTimer(nullptr, 0, 300, RunNextStep);
    };
    auto top = [&] { return Win32Host::WindowOf(*launcher); };
    steps = {
        [&] {
          Check(OnScreen(launcher), "launcher on screen");
          Check(TextOf(Win32Host::ControlOf(*launcher, kerumina::res::IDC_TOP_SEARCH)) ==
                    L"ヴォルミル検索",
                "Japanese caption reaches the native button");
          Check(!OnScreen(launcher->searchDlg()), "tool windows start hidden");
          Click(*launcher, kerumina::res::IDC_TOP_SEARCH);
          Click(*launcher, kerumina::res::IDC_TOP_BOX);
          Click(*launcher, kerumina::res::IDC_TOP_PARA_CHECK);
        },
        [&] {
          Check(OnScreen(launcher->searchDlg()), "search window opened");
          Check(OnScreen(launcher->damageDlg()), "box window opened");
          Check(OnScreen(launcher->paraCheckDlg()), "individual-value window opened");
          gallery = std::make_unique<CDialog>(host, GALLERY);
          gallery->Create();
          FillGallery(*gallery);
          gallery->ShowWindow(platform::SHOW_SHOW);
          CheckControlsMirrorTheModel(*gallery);
          ActOnControls(*gallery);
        },
        [&] { CheckUserActionsReachedTheModel(*gallery); },
        // The search window narrowed to the learners of a move, sorted by name.
        [&] {
          auto& search = *launcher->searchDlg();
          SendMessageW(Win32Host::ControlOf(search, kerumina::res::IDC_SEARCH_LEVEL_UP), BM_CLICK,
                       0, 0);
          SendMessageW(Win32Host::ControlOf(search, kerumina::res::IDC_SEARCH_MACHINE), BM_CLICK, 0,
                       0);
          ChooseData(search, kerumina::res::SEARCH_MOVE_ROWS[0].type,
                     kerumina::data::Move(SEARCH_MOVE).type + 1);
        },
        [&] {
          ChooseData(*launcher->searchDlg(), kerumina::res::SEARCH_MOVE_ROWS[0].move, SEARCH_MOVE);
        },
        [&] {
          auto& search = *launcher->searchDlg();
          const int rows = ListRows(search, kerumina::res::IDC_SEARCH_RESULTS);
          std::printf("search list: %d rows\n", rows);
          Check(rows > 0 && rows < 505 &&
                    rows == search.Item<platform::ListView>(kerumina::res::IDC_SEARCH_RESULTS)
                                .GetItemCount(),
                "search list shrinks to the learners of the chosen move");
          Check(ControlText(search, kerumina::res::SEARCH_MOVE_ROWS[0].power) != L" - ",
                "the chosen move's power shows");
          Check(TabOrderFollowsTheTemplate(search) &&
                    TabOrderFollowsTheTemplate(*launcher->damageDlg()) &&
                    TabOrderFollowsTheTemplate(*launcher->paraCheckDlg()),
                "Tab follows the layout in the search, box and IV windows");
          ClickHeading(search, kerumina::res::IDC_SEARCH_RESULTS, 1);
        },
        [&] {
          auto& search = *launcher->searchDlg();
          const auto& list = search.Item<platform::ListView>(kerumina::res::IDC_SEARCH_RESULTS);
          Check(list.GetLastColumnClick() == 1 &&
                    CellText(search, kerumina::res::IDC_SEARCH_RESULTS, 0, 1) ==
                        Wide(list.GetItemText(0, 1)),
                "a heading click sorts the list");
          ClickRow(search, kerumina::res::IDC_SEARCH_RESULTS, 2);
        },
        [&] {
          auto& search = *launcher->searchDlg();
          const std::string name =
              search.Item<platform::ListView>(kerumina::res::IDC_SEARCH_RESULTS).GetItemText(2, 1);
          auto& detail = *launcher->searchDlg()->detailView();
          Check(OnScreen(&detail) &&
                    ControlText(detail, kerumina::res::IDC_DATAVIEW_NAME) == Wide(" " + name),
                "a click on a row opens the detail view at that species");
          detail.ShowSpecies(1);
        },
        // The box window: its two entries as attacker and defender, all six rows computed.
        [&] {
          auto& box = *launcher->damageDlg();
          ClickRow(box, kerumina::res::IDC_DAMAGE_BOX_LIST, 0);
        },
        // Clicks are posted: the button waits for the row to be chosen.
        [&] { Click(*launcher->damageDlg(), kerumina::res::IDC_DAMAGE_TO_ATTACKER); },
        [&] { ClickRow(*launcher->damageDlg(), kerumina::res::IDC_DAMAGE_BOX_LIST, 1); },
        [&] { Click(*launcher->damageDlg(), kerumina::res::IDC_DAMAGE_TO_DEFENDER); },
        [&] {
          auto& box = *launcher->damageDlg();
          const auto& moves = box.Item<platform::ComboBox>(kerumina::res::IDC_DAMAGE_LIST_MOVE);
          int damaging = 0;
          while (damaging < moves.GetCount() &&
                 !(kerumina::data::IsValidMove(moves.GetItemData(damaging)) &&
                   kerumina::data::Move(
                       static_cast<kerumina::data::MoveId>(moves.GetItemData(damaging)))
                           .power > 1)) {
            ++damaging;
          }
          ChooseAt(box, kerumina::res::IDC_DAMAGE_LIST_MOVE, damaging);
          ChooseAt(box, kerumina::res::IDC_DAMAGE_DIRECT_POWER, 15);
        },
        [&] {
          auto& box = *launcher->damageDlg();
          int computed = 0;
          for (int row = 0; row < kerumina::res::DAMAGE_ROW_COUNT; ++row) {
            const int id = kerumina::res::DAMAGE_RANGE[row];
            const std::wstring shown = ControlText(box, id);
            if (shown != L"－" && shown == Wide(box.GetDlgItemText(id))) ++computed;
          }
          Check(box.attackerIndex() == 0 && box.defenderIndex() == 1 && computed == 6,
                "attacker and defender chosen by clicks, six rows of damage shown");
          ClickRow(box, kerumina::res::IDC_DAMAGE_BOX_LIST, 0, true);
        },
        [&] {
          const CDialog* editor = launcher->damageDlg()->editDlg();
          Check(
              OnScreen(editor) && ControlText(*editor, kerumina::res::IDC_DATAEDIT_NAME) == L"ガブ",
              "a double click on an entry opens it in the edit window");
          // At level 50 the candidates are narrow: one of each stat picked with the mouse.
          ChooseAt(*launcher->paraCheckDlg(), kerumina::res::IDC_PARACHECK_LEVEL, 49);
        },
        [&] {
          for (int id : kerumina::res::IDC_PARACHECK_CANDIDATES) {
            HWND candidates = Win32Host::ControlOf(*launcher->paraCheckDlg(), id);
            RECT item{};
            SendMessageW(candidates, LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item));
            PostClick(candidates, Middle(item));
          }
        },
        [&] {
          SendMessageW(Win32Host::ControlOf(*launcher->paraCheckDlg(),
                                            kerumina::res::IDC_PARACHECK_HIDDEN_POWER),
                       BM_CLICK, 0, 0);
        },
        [&] {
          auto& iv = *launcher->paraCheckDlg();
          const auto bound = [&](int id) {
            return SendMessageW(Win32Host::ControlOf(iv, id), CB_GETCURSEL, 0, 0);
          };
          Check(bound(kerumina::res::IDC_PARACHECK_AT_LEAST[0]) > 0 ||
                    bound(kerumina::res::IDC_PARACHECK_AT_MOST[0]) < 31,
                "a picked candidate narrows its stat's bounds");
          Check(
              SendMessageW(Win32Host::ControlOf(iv, kerumina::res::IDC_PARACHECK_HIDDEN_POWER_LIST),
                           LB_GETCOUNT, 0, 0) > 0,
              "the hidden-power list fills when asked for");
          bool fit = true;
          for (int id : kerumina::res::IDC_PARACHECK_CANDIDATES) {
            fit = fit && ItemsFit(Win32Host::ControlOf(iv, id));
          }
          Check(fit, "every IV candidate shows whole beside the scroll bar");
        },
        [&] {
          CheckLongestTexts(*launcher);
          gallery->DestroyWindow();
          PostKey(Win32Host::ControlOf(*launcher->searchDlg(), kerumina::res::IDC_SEARCH_CLOSE),
                  VK_ESCAPE);
        },
        [&] {
          Check(!OnScreen(launcher->searchDlg()), "Escape hides a tool window");
          SendMessageW(top(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
        },
        [&] {
          Check(launcher->IsIconic(), "launcher minimised");
          Check(!OnScreen(launcher->damageDlg()) && !OnScreen(launcher->paraCheckDlg()),
                "minimising the launcher hides the open tool windows");
          SendMessageW(top(), WM_SYSCOMMAND, SC_RESTORE, 0);
        },
        [&] {
          Check(OnScreen(launcher->damageDlg()) && OnScreen(launcher->paraCheckDlg()) &&
                    !OnScreen(launcher->searchDlg()),
                "restoring brings back exactly the windows it hid");
          Click(*launcher, kerumina::res::IDC_TOP_SEARCH);
          wchar_t entry[64] = {};
          GetMenuStringW(GetSystemMenu(top(), FALSE), kerumina::res::IDM_ABOUTBOX, entry, 64,
                         MF_BYCOMMAND);
          Check(std::wstring(entry) == L"kerumina のﾊﾞｰｼﾞｮﾝ情報(&A)...",
                "system menu holds the about entry");
          PostMessageW(top(), WM_SYSCOMMAND, kerumina::res::IDM_ABOUTBOX, 0);
        },
        [&] {
          Check(about != nullptr && OnScreen(about), "about box on screen");
          Check(IsWindowEnabled(top()) == FALSE, "launcher blocked while the about box runs");
          if (about != nullptr) {
            PostKey(Win32Host::ControlOf(*about, platform::ID_OK), VK_RETURN);
          }
        },
        [&] {
          Check(IsWindowEnabled(top()) != FALSE && OnScreen(launcher),
                "about box closed with Enter, launcher usable again");
          host.SetClipboardText("ケルミナ\r\n");
          static const wchar_t WIDE[] = L"ケルミナ\r\n";
          Check(ClipboardText(CF_UNICODETEXT) ==
                    std::string(reinterpret_cast<const char*>(WIDE), sizeof WIDE),
                "clipboard holds Unicode text");
          Check(ClipboardText(CF_TEXT) == std::string("\x83\x50\x83\x8B\x83\x7E\x83\x69\r\n", 11),
                "clipboard holds Shift-JIS for programs that read only ANSI text");
          Check(host.GetClipboardText() == "ケルミナ\r\n", "the clipboard's text reads back");
          Click(*launcher->damageDlg(), kerumina::res::IDC_DAMAGE_EXPORT_TEXT);
        },
        [&] {
          std::string build;
          for (char c : kerumina::calc::BuildText(launcher->damageDlg()->box().entries[0])) {
            build += c == '\n' ? "\r\n" : std::string(1, c);
          }
          Check(host.GetClipboardText() == build,
                "テキスト出力 copies the chosen build with CR LF");
          PostMessageW(top(), WM_CLOSE, 0, 0);
        },
    };
    app.InitInstance();
    Check(nextStep == steps.size(), "every step ran");
    return 0;
  });

  platform::Profile profile;
  profile.SetPath(folder + "kerumina.ini");
  Check(profile.GetProfileInt("Main", "Version", 0) == 60, "settings version written");
  Check(profile.GetProfileInt("Search", "show", 0) == 1, "search window recorded as open");
  Check(profile.GetProfileInt("Damage", "show", 0) == 1, "box window recorded as open");
  Check(profile.GetProfileInt("TopWindow", "right", 0) >
            profile.GetProfileInt("TopWindow", "left", 0),
        "launcher placement written");
  Check(status == 0, "program ended normally");
  std::printf("%s\n", failures == 0 ? "GUI smoke test passed" : "GUI smoke test FAILED");
  return failures == 0 ? 0 : 1;
}
