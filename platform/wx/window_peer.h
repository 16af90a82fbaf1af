// The generic renderer: one wxDialog per CDialog, one widget per control of its template,
// placed from dialog units of an explicit dialog font. Model changes are mirrored into the
// widgets (batched until the next turn of the event loop); widget events become the
// model's User* operations.
#pragma once

#include <wx/dialog.h>
#include <wx/evtloop.h>
#include <wx/font.h>
#include <wx/panel.h>

#include <memory>
#include <unordered_map>
#include <vector>

#include "platform/dialog.h"
#include "platform/host.h"

using GtkWidget = struct _GtkWidget;

namespace kerumina::platform::wx {

class WxWindowPeer final : public WindowPeer {
 public:
  WxWindowPeer(CDialog& dialog, const wxFont& font);
  ~WxWindowPeer() override;

  void Show(bool visible) override;
  void Activate() override;
  void SetMinimized(bool minimized) override;
  void SetEnabled(bool enabled) override;
  void SetTitle(std::string_view title) override;
  Rect GetNormalRect() const override;
  void SetNormalRect(const Rect& rect) override;
  void SetFocus(Control& control) override;
  void SystemMenuChanged() override {}
  void OnControlChanged(Control& control, ControlChange change) override;

  wxDialog* window() const { return window_; }
  wxWindow* WidgetOf(int controlId) const;
  // The loop of a modal run of this dialog, while it runs.
  wxGUIEventLoop* modalLoop = nullptr;
  // Mirrors every pending model change into the widgets now.
  void Flush();

 private:
  struct Widget {
    Control* control = nullptr;
    wxWindow* window = nullptr;
    // What shows, hides and disables: the window itself or a frame drawn around it.
    wxWindow* outer = nullptr;
    unsigned itemsRevision = ~0u;
    unsigned columnsRevision = ~0u;
    unsigned rowsRevision = ~0u;
  };

  wxPoint ToPixels(int x, int y) const;
  void CreateWidgets();
  wxWindow* CreateWidget(Control& control, const ControlTemplate& t);
  wxWindow* CreateWidgetAt(Control& control, const wxPoint& position, const wxSize& size);
  void BindDialogEvents();
  void BindListViewEvents(ListView& model, wxWindow* widget);
  void ShowSystemMenu();
  void Sync(Widget& widget);
  void SyncRadioGroup(const RadioButton& member);
  template <class Handler>
  auto Guarded(Handler handler);
  static int PrepareOnIdle(void* peer);
  void PrepareHidden();

  CDialog& dialog_;
  wxDialog* window_ = nullptr;
  // Parent of every control: a lone child of a dialog would be stretched to fill it.
  wxWindow* panel_ = nullptr;
  wxSize baseUnits_;
  std::vector<Widget> widgets_;
  std::unordered_map<const Control*, std::size_t> widgetIndex_;
  // Per radio group (keyed by its first member) a button in no window that is "none checked".
  std::unordered_map<const RadioButton*, GtkWidget*> noneChecked_;
  std::vector<Control*> dirty_;
  bool flushScheduled_ = false;
  bool syncing_ = false;
  // The idle call that readies the hidden window for its first show, until it has run.
  unsigned prepareSource_ = 0;
  // Handlers and deferred calls check this first: the wx window outlives the peer briefly.
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace kerumina::platform::wx
