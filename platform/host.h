// What a dialog needs from the system around it: a window to show it in (WindowPeer), a
// loop for modal runs, message boxes, the file-open dialog, the clipboard and the
// executable's path. The headless backend answers from scripts; the wx backend draws.
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "platform/controls.h"
#include "platform/window_types.h"

namespace kerumina::platform {

class CDialog;

// One size of the application's icon, as the bytes of a PNG file.
struct IconImage {
  const unsigned char* data;
  std::size_t size;
};

// The toolkit's side of one dialog. It mirrors the model of the dialog and its controls;
// events of the toolkit come back as the User* operations of the model.
class WindowPeer : public ControlObserver {
 public:
  virtual void Show(bool visible) = 0;
  virtual void Activate() = 0;
  virtual void SetMinimized(bool minimized) = 0;
  virtual void SetEnabled(bool enabled) = 0;
  virtual void SetTitle(std::string_view title) = 0;
  // The normal (not minimised) rectangle, in screen pixels.
  virtual Rect GetNormalRect() const = 0;
  virtual void SetNormalRect(const Rect& rect) = 0;
  virtual void SetFocus(Control& control) = 0;
  virtual void SystemMenuChanged() = 0;
};

class Host {
 public:
  virtual ~Host() = default;

  // A hidden window at the platform's default position for a dialog being created.
  virtual std::unique_ptr<WindowPeer> CreateWindowPeer(CDialog& dialog) = 0;
  // Runs until EndModalLoop for this dialog; other windows stay usable.
  virtual void RunModalLoop(CDialog& dialog) = 0;
  virtual void EndModalLoop(CDialog& dialog) = 0;

  virtual DialogResult MessageBox(std::string_view text, std::string_view caption,
                                  MessageBoxButtons buttons, MessageBoxIcon icon) = 0;
  // filter as "Name (*.ext)|*.ext|All Files (*.*)|*.*||"; nullopt when cancelled.
  virtual std::optional<std::string> GetOpenFileName(std::string_view filter,
                                                     std::string_view defaultExtension) = 0;
  virtual void SetClipboardText(std::string_view text) = 0;
  // The clipboard's text, empty when it holds none.
  virtual std::string GetClipboardText() = 0;
  virtual std::string GetModuleFileName() = 0;
  // The icon of every window created from now on (title bar and task bar). A backend whose
  // icon comes from elsewhere (a resource file) leaves it be.
  virtual void SetApplicationIcon(std::span<const IconImage>) {}

  // Caption of the framework's own message boxes (data exchange).
  const std::string& applicationTitle() const { return applicationTitle_; }
  void SetApplicationTitle(std::string_view title) { applicationTitle_ = title; }

 private:
  std::string applicationTitle_;
};

}  // namespace kerumina::platform
