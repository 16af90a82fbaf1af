// The host of the wx backend: real windows through the generic renderer, modal runs that
// leave the modeless tool windows usable, the toolkit's message box, file dialog and
// clipboard.
#pragma once

#include <wx/font.h>
#include <wx/iconbndl.h>

#include <functional>

#include "platform/host.h"

class wxDialog;
class wxWindow;

namespace kerumina::platform::wx {

class WxHost : public Host {
 public:
  WxHost();

  std::unique_ptr<WindowPeer> CreateWindowPeer(CDialog& dialog) override;
  void RunModalLoop(CDialog& dialog) override;
  void EndModalLoop(CDialog& dialog) override;
  DialogResult MessageBox(std::string_view text, std::string_view caption,
                          MessageBoxButtons buttons, MessageBoxIcon icon) override;
  std::optional<std::string> GetOpenFileName(std::string_view filter,
                                             std::string_view defaultExtension) override;
  void SetClipboardText(std::string_view text) override;
  std::string GetClipboardText() override;
  std::string GetModuleFileName() override;
  void SetApplicationIcon(std::span<const IconImage> images) override;

  // Called when a modal run has started and its window is on screen (tests hook in here).
  std::function<void(CDialog&)> onModalRunStarted;

  static wxDialog* WindowOf(const CDialog& dialog);
  static wxWindow* WidgetOf(const CDialog& dialog, int controlId);

 private:
  wxFont dialogFont_;
  wxIconBundle icons_;
};

// The wx filter of a Windows filter string "Name|*.ext|...||".
std::string WxWildcardOf(std::string_view filter);

}  // namespace kerumina::platform::wx
