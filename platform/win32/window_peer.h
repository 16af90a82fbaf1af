// The generic renderer on Win32: one dialog window per CDialog, made from an in-memory
// template that carries the dialog font, and one native control per control of its
// template, placed from dialog units with MapDialogRect as Windows does for resources.
// Model changes are mirrored into the controls (batched until the message loop turns);
// control notifications become the model's User* operations.
#pragma once

#include "platform/win32/windows_api.h"

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/column_fit.h"
#include "platform/dialog.h"
#include "platform/host.h"

namespace kerumina::platform::win32 {

class Win32WindowPeer final : public WindowPeer {
 public:
  Win32WindowPeer(CDialog& dialog, const std::wstring& face, HWND owner);
  ~Win32WindowPeer() override;

  void Show(bool visible) override;
  void Activate() override;
  void SetMinimized(bool minimized) override;
  void SetEnabled(bool enabled) override;
  void SetTitle(std::string_view title) override;
  Rect GetNormalRect() const override;
  void SetNormalRect(const Rect& rect) override;
  void SetFocus(Control& control) override;
  void SystemMenuChanged() override;
  void OnControlChanged(Control& control, ControlChange change) override;

  HWND window() const { return window_; }
  HWND ControlOf(int controlId) const;
  // Mirrors every pending model change into the controls now.
  void Flush();

  // The modal run of this dialog, while it runs.
  bool modalRunning = false;

 private:
  struct Widget {
    Control* control = nullptr;
    HWND window = nullptr;
    unsigned itemsRevision = ~0u;
    unsigned columnsRevision = ~0u;
    unsigned rowsRevision = ~0u;
    // A narrower cut of the dialog font, while the list box's widest item needs it.
    HFONT narrowFont = nullptr;
    bool hasTooltip = false;
    std::unique_ptr<ColumnFitter> fitter{};
  };

  static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void CreateControls();
  HWND CreateControl(Control& control, const ControlTemplate& t, bool startsGroup);
  void OnCommand(WORD code, WORD id, HWND from);
  LRESULT OnNotify(const NMHDR& header);
  Widget* WidgetOf(HWND window);
  void Sync(Widget& widget);
  void SyncTooltip(Widget& widget);
  void SyncItems(Widget& widget, ItemListControl& model);
  void FitItems(Widget& widget, const ItemListControl& model);
  void SyncListView(Widget& widget, ListView& model);

  CDialog& dialog_;
  HWND window_ = nullptr;
  HFONT font_ = nullptr;
  // Shows a cell's whole text where the cell cuts it.
  HWND tooltips_ = nullptr;
  std::vector<Widget> widgets_;
  std::unordered_map<const Control*, std::size_t> widgetIndex_;
  std::unordered_map<HWND, std::size_t> windowIndex_;
  std::vector<Control*> dirty_;
  // Text handed to a list view for one cell; it must live until the next request.
  std::wstring cellText_;
  bool flushPosted_ = false;
  bool syncing_ = false;
};

}  // namespace kerumina::platform::win32
