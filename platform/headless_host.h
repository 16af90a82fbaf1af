// The headless backend: windows exist as models only. Tests act as the user through the
// User* operations of dialogs and controls, script the answers of message boxes, file
// dialogs and modal runs, and read what went to the clipboard.
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/dialog.h"
#include "platform/host.h"

namespace kerumina::platform {

class HeadlessHost : public Host {
 public:
  // What a modal run does while it lasts; it ends the run by ending the dialog.
  using ModalScript = std::function<void(CDialog&)>;

  struct ShownMessage {
    std::string text;
    std::string caption;
    MessageBoxButtons buttons;
    MessageBoxIcon icon;
  };

  explicit HeadlessHost(std::string executablePath);

  // Modal runs take their scripts in order. A run without a script, or whose script leaves
  // the dialog open, gets an Escape press (and, should that not end it, is ended).
  void ScriptModal(ModalScript script) { modalScripts_.push_back(std::move(script)); }
  // Message boxes take these answers in order; without one the first button is pressed.
  void ScriptMessageBoxAnswer(DialogResult answer) { messageAnswers_.push_back(answer); }
  // File dialogs take these results in order; without one the dialog is cancelled.
  void ScriptOpenFile(std::optional<std::string> path) { openFiles_.push_back(std::move(path)); }

  const std::vector<ShownMessage>& messages() const { return messages_; }
  const std::string& clipboard() const { return clipboard_; }
  int modalRuns() const { return modalRuns_; }
  // Where a new window appears before any placement is applied.
  static Rect DefaultRect(const DialogTemplate& dialogTemplate);

  std::unique_ptr<WindowPeer> CreateWindowPeer(CDialog& dialog) override;
  void RunModalLoop(CDialog& dialog) override;
  void EndModalLoop(CDialog& dialog) override;
  DialogResult MessageBox(std::string_view text, std::string_view caption,
                          MessageBoxButtons buttons, MessageBoxIcon icon) override;
  std::optional<std::string> GetOpenFileName(std::string_view filter,
                                             std::string_view defaultExtension) override;
  void SetClipboardText(std::string_view text) override { clipboard_ = text; }
  std::string GetClipboardText() override { return clipboard_; }
  std::string GetModuleFileName() override { return executablePath_; }

 private:
  std::string executablePath_;
  std::deque<ModalScript> modalScripts_;
  std::deque<DialogResult> messageAnswers_;
  std::deque<std::optional<std::string>> openFiles_;
  std::vector<ShownMessage> messages_;
  std::string clipboard_;
  int modalRuns_ = 0;
};

}  // namespace kerumina::platform
