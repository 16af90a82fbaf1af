#include "platform/dialog.h"

#include <cstdio>
#include <cstdlib>

#include "platform/data_exchange.h"

namespace kerumina::platform {

namespace {

std::unique_ptr<Control> MakeControl(const ControlTemplate& t) {
  switch (t.kind) {
    case ControlKind::Button:
      return std::make_unique<Button>(t.id, t.caption, t.style);
    case ControlKind::CheckBox:
      return std::make_unique<CheckBox>(t.id, t.caption, t.style);
    case ControlKind::RadioButton:
      return std::make_unique<RadioButton>(t.id, t.caption, t.style);
    case ControlKind::GroupBox:
    case ControlKind::StaticText:
      return std::make_unique<StaticText>(t.kind, t.id, t.caption, t.style);
    case ControlKind::Edit:
      return std::make_unique<Edit>(t.id, t.caption, t.style);
    case ControlKind::ComboBox:
      return std::make_unique<ComboBox>(t.id, t.style);
    case ControlKind::ListBox:
      return std::make_unique<ListBox>(t.id, t.style);
    case ControlKind::ListView:
      return std::make_unique<ListView>(t.id, t.style);
  }
  return nullptr;
}

}  // namespace

CDialog::CDialog(Host& host, const DialogTemplate& dialogTemplate, CDialog* parent)
    : host_(host), template_(dialogTemplate), parent_(parent) {}

CDialog::~CDialog() {
  // Without OnDestroy: a derived class is gone by now.
  for (auto& control : controls_) control->Attach(nullptr, nullptr);
  peer_.reset();
}

void CDialog::BuildControls() {
  controls_.clear();
  for (const ControlTemplate& t : template_.controls) controls_.push_back(MakeControl(t));
  // A radio group runs over consecutive radio buttons up to the next one marked STYLE_GROUP.
  std::vector<RadioButton*> group;
  auto closeGroup = [&group] {
    for (RadioButton* radio : group) radio->SetGroup(group);
    group.clear();
  };
  for (auto& control : controls_) {
    auto* radio = dynamic_cast<RadioButton*>(control.get());
    if (radio == nullptr || radio->HasStyle(STYLE_GROUP)) closeGroup();
    if (radio != nullptr) group.push_back(radio);
  }
  closeGroup();
}

bool CDialog::CreateWindowAndControls() {
  if (created_) return false;
  BuildControls();
  title_ = template_.caption;
  visible_ = false;
  minimized_ = false;
  endRequested_ = false;
  focus_ = nullptr;
  peer_ = host_.CreateWindowPeer(*this);
  for (auto& control : controls_) control->Attach(peer_.get(), this);
  created_ = true;
  if (!OnCreate()) {
    DestroyWindow();
    return false;
  }
  OnInitDialog();
  return true;
}

bool CDialog::Create() {
  modal_ = false;
  return CreateWindowAndControls();
}

int CDialog::DoModal() {
  modal_ = true;
  modalResult_ = ID_CANCEL;
  if (!CreateWindowAndControls()) {
    modal_ = false;
    return -1;
  }
  if (!endRequested_) {
    if (parent_ != nullptr && parent_->peer_ != nullptr) parent_->peer_->SetEnabled(false);
    RequestShow();
    host_.RunModalLoop(*this);
    if (parent_ != nullptr && parent_->peer_ != nullptr) parent_->peer_->SetEnabled(true);
  }
  int result = modalResult_;
  DestroyWindow();
  modal_ = false;
  return result;
}

void CDialog::EndDialog(int result) {
  if (!created_) return;
  if (!modal_) {
    ShowWindow(SHOW_HIDE);
    return;
  }
  modalResult_ = result;
  if (!endRequested_) {
    endRequested_ = true;
    host_.EndModalLoop(*this);
  }
}

bool CDialog::DestroyWindow() {
  if (!created_) return false;
  OnDestroy();
  for (auto& control : controls_) control->Attach(nullptr, nullptr);
  peer_.reset();
  created_ = false;
  visible_ = false;
  minimized_ = false;
  focus_ = nullptr;
  return true;
}

void CDialog::RequestShow() {
  WindowPosChange change;
  change.showWindow = true;
  OnWindowPosChanging(change);
  if (!change.showWindow || visible_) return;
  visible_ = true;
  peer_->Show(true);
}

void CDialog::SetMinimizedState(bool minimized) {
  if (minimized_ == minimized) return;
  minimized_ = minimized;
  peer_->SetMinimized(minimized);
  OnSize(minimized ? SizeType::Minimized : SizeType::Restored);
}

void CDialog::ShowWindow(int showCommand) {
  if (!created_) return;
  switch (showCommand) {
    case SHOW_HIDE: {
      if (!visible_) return;
      WindowPosChange change;
      change.hideWindow = true;
      OnWindowPosChanging(change);
      if (!change.hideWindow) return;
      visible_ = false;
      peer_->Show(false);
      return;
    }
    case SHOW_MINIMIZED:
    case SHOW_MINIMIZE:
      RequestShow();
      SetMinimizedState(true);
      return;
    case SHOW_NORMAL:
    case SHOW_RESTORE:
      SetMinimizedState(false);
      RequestShow();
      if (showCommand == SHOW_NORMAL && visible_) peer_->Activate();
      return;
    default:
      RequestShow();
      return;
  }
}

void CDialog::SetActiveWindow() {
  if (created_ && visible_) peer_->Activate();
}

void CDialog::SetWindowText(std::string_view title) {
  title_ = title;
  if (created_) peer_->SetTitle(title_);
}

WindowPlacement CDialog::GetWindowPlacement() const {
  WindowPlacement placement;
  placement.showCmd = minimized_ ? SHOW_MINIMIZED : SHOW_NORMAL;
  if (created_) placement.normalPosition = peer_->GetNormalRect();
  return placement;
}

void CDialog::SetWindowPlacement(const WindowPlacement& placement) {
  if (!created_) return;
  peer_->SetNormalRect(placement.normalPosition);
  // As on Windows, applying a placement shows the window unless the command hides it.
  ShowWindow(placement.showCmd);
}

std::intptr_t CDialog::SendMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) {
  return WindowProc(message, wParam, lParam);
}

std::intptr_t CDialog::WindowProc(unsigned, std::uintptr_t, std::intptr_t) {
  return 0;
}

void CDialog::AppendSystemMenu(int command, std::string_view text) {
  systemMenu_.push_back(SystemMenuItem{command, std::string(text)});
  if (created_) peer_->SystemMenuChanged();
}

bool CDialog::UpdateData(bool saveAndValidate) {
  CDataExchange dx(*this, saveAndValidate);
  DoDataExchange(dx);
  return !dx.failed();
}

Control* CDialog::GetDlgItem(int id) {
  if (id == ID_STATIC) return nullptr;
  for (auto& control : controls_) {
    if (control->id() == id) return control.get();
  }
  return nullptr;
}

const Control* CDialog::GetDlgItem(int id) const {
  return const_cast<CDialog*>(this)->GetDlgItem(id);
}

void CDialog::MissingControl(int id) const {
  std::fprintf(stderr, "dialog %d has no control %d of the requested kind\n", template_.resourceId,
               id);
  std::abort();
}

void CDialog::SetDlgItemText(int id, std::string_view text) {
  if (Control* control = GetDlgItem(id)) control->SetWindowText(text);
}

std::string CDialog::GetDlgItemText(int id) const {
  const Control* control = GetDlgItem(id);
  return control != nullptr ? control->GetWindowText() : std::string();
}

void CDialog::CheckDlgButton(int id, int check) {
  Control* control = GetDlgItem(id);
  if (auto* box = dynamic_cast<CheckBox*>(control)) box->SetCheck(check);
  if (auto* radio = dynamic_cast<RadioButton*>(control)) radio->SetCheck(check);
}

int CDialog::IsDlgButtonChecked(int id) const {
  const Control* control = GetDlgItem(id);
  if (auto* box = dynamic_cast<const CheckBox*>(control)) return box->GetCheck();
  if (auto* radio = dynamic_cast<const RadioButton*>(control)) return radio->GetCheck();
  return 0;
}

void CDialog::CheckRadioButton(int firstId, int lastId, int checkId) {
  for (auto& control : controls_) {
    auto* radio = dynamic_cast<RadioButton*>(control.get());
    if (radio == nullptr || radio->id() < firstId || radio->id() > lastId) continue;
    radio->SetCheck(radio->id() == checkId ? 1 : 0);
  }
}

void CDialog::GotoDlgCtrl(Control& control) {
  focus_ = &control;
  if (auto* edit = dynamic_cast<Edit*>(&control)) edit->SetSel(0, -1);
  if (created_) peer_->SetFocus(control);
}

bool CDialog::OnInitDialog() {
  UpdateData(false);
  return true;
}

void CDialog::OnOK() {
  if (UpdateData(true)) EndDialog(ID_OK);
}

void CDialog::OnCancel() {
  EndDialog(ID_CANCEL);
}

void CDialog::OnSysCommand(int command) {
  switch (command & 0xFFF0) {
    case SYSCOMMAND_MINIMIZE:
      UserMinimize();
      break;
    case SYSCOMMAND_RESTORE:
      UserRestore();
      break;
    case SYSCOMMAND_CLOSE:
      UserClose();
      break;
    default:
      break;
  }
}

const MessageMap* CDialog::GetMessageMap() const {
  static const MessageMap map{nullptr, {}};
  return &map;
}

bool CDialog::OnCommand(int id, Notification code) {
  for (const MessageMap* map = GetMessageMap(); map != nullptr; map = map->base) {
    for (const MessageMapEntry& entry : map->entries) {
      if (entry.id == id && entry.code == code) {
        (this->*entry.handler)();
        return true;
      }
    }
  }
  if (code == Notification::Clicked && id == ID_OK) {
    OnOK();
    return true;
  }
  if (code == Notification::Clicked && id == ID_CANCEL) {
    OnCancel();
    return true;
  }
  return false;
}

void CDialog::OnNotification(int controlId, Notification code) {
  if (code == Notification::Clicked || code == Notification::EditChange) {
    if (Control* control = GetDlgItem(controlId)) focus_ = control;
  }
  OnCommand(controlId, code);
}

void CDialog::UserPressEnter() {
  if (!created_) return;
  if (auto* button = dynamic_cast<Button*>(focus_)) {
    button->UserClick();
    return;
  }
  for (auto& control : controls_) {
    auto* button = dynamic_cast<Button*>(control.get());
    if (button != nullptr && button->HasStyle(STYLE_DEFAULT)) {
      button->UserClick();
      return;
    }
  }
  OnCommand(ID_OK, Notification::Clicked);
}

void CDialog::UserPressEscape() {
  if (created_) OnCommand(ID_CANCEL, Notification::Clicked);
}

void CDialog::UserClose() {
  if (created_) OnCommand(ID_CANCEL, Notification::Clicked);
}

void CDialog::UserMinimize() {
  if (created_) SetMinimizedState(true);
}

void CDialog::UserRestore() {
  if (created_) SetMinimizedState(false);
}

void CDialog::UserSystemCommand(int command) {
  if (created_) OnSysCommand(command);
}

void CDialog::UserMoveTo(const Rect& rect) {
  if (created_) peer_->SetNormalRect(rect);
}

}  // namespace kerumina::platform
