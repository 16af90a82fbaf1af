#include "platform/headless_host.h"

namespace kerumina::platform {

namespace {

// Dialog base units of the classic 9-point dialog font.
constexpr int BASE_UNIT_X = 6;
constexpr int BASE_UNIT_Y = 12;

class HeadlessPeer : public WindowPeer {
 public:
  explicit HeadlessPeer(const Rect& rect) : rect_(rect) {}
  void Show(bool) override {}
  void Activate() override {}
  void SetMinimized(bool) override {}
  void SetEnabled(bool) override {}
  void SetTitle(std::string_view) override {}
  Rect GetNormalRect() const override { return rect_; }
  void SetNormalRect(const Rect& rect) override { rect_ = rect; }
  void SetFocus(Control&) override {}
  void SystemMenuChanged() override {}
  void OnControlChanged(Control&, ControlChange) override {}

 private:
  Rect rect_;
};

DialogResult FirstButton(MessageBoxButtons buttons) {
  switch (buttons) {
    case MessageBoxButtons::YesNo:
    case MessageBoxButtons::YesNoCancel:
      return ID_YES;
    case MessageBoxButtons::Ok:
    case MessageBoxButtons::OkCancel:
      break;
  }
  return ID_OK;
}

}  // namespace

HeadlessHost::HeadlessHost(std::string executablePath)
    : executablePath_(std::move(executablePath)) {}

Rect HeadlessHost::DefaultRect(const DialogTemplate& dialogTemplate) {
  return Rect{0, 0, dialogTemplate.width * BASE_UNIT_X / 4,
              dialogTemplate.height * BASE_UNIT_Y / 8};
}

std::unique_ptr<WindowPeer> HeadlessHost::CreateWindowPeer(CDialog& dialog) {
  return std::make_unique<HeadlessPeer>(DefaultRect(dialog.dialogTemplate()));
}

void HeadlessHost::RunModalLoop(CDialog& dialog) {
  ++modalRuns_;
  if (!modalScripts_.empty()) {
    ModalScript script = std::move(modalScripts_.front());
    modalScripts_.pop_front();
    script(dialog);
  }
  if (!dialog.IsModalRunEnding()) dialog.UserPressEscape();
  if (!dialog.IsModalRunEnding()) dialog.EndDialog(ID_CANCEL);
}

void HeadlessHost::EndModalLoop(CDialog&) {}

DialogResult HeadlessHost::MessageBox(std::string_view text, std::string_view caption,
                                      MessageBoxButtons buttons, MessageBoxIcon icon) {
  messages_.push_back(ShownMessage{std::string(text), std::string(caption), buttons, icon});
  if (messageAnswers_.empty()) return FirstButton(buttons);
  DialogResult answer = messageAnswers_.front();
  messageAnswers_.pop_front();
  return answer;
}

std::optional<std::string> HeadlessHost::GetOpenFileName(std::string_view, std::string_view) {
  if (openFiles_.empty()) return std::nullopt;
  auto path = std::move(openFiles_.front());
  openFiles_.pop_front();
  return path;
}

}  // namespace kerumina::platform
