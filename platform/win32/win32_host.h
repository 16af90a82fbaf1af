// The host of the Win32 backend: native dialogs through the generic renderer, a message
// loop per modal run that keeps the modeless tool windows usable (with their keyboard
// navigation), and the system's message box, file-open dialog and clipboard.
#pragma once

#include "platform/win32/windows_api.h"

#include <functional>
#include <string>

#include "platform/host.h"

namespace kerumina::platform::win32 {

class Win32Host : public Host {
 public:
  Win32Host();

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

  // Called when a modal run has started and its window is on screen (tests hook in here).
  std::function<void(CDialog&)> onModalRunStarted;

  static HWND WindowOf(const CDialog& dialog);
  static HWND ControlOf(const CDialog& dialog, int controlId);
  // The face the dialogs are laid out in.
  const std::wstring& dialogFace() const { return dialogFace_; }

 private:
  std::wstring dialogFace_;
};

}  // namespace kerumina::platform::win32
