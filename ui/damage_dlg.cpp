#include "ui/damage_dlg.h"

#include <utility>

#include "calc/battle.h"
#include "calc/build_text.h"
#include "calc/damage_report.h"
#include "calc/game_damage.h"
#include "calc/game_damage_report.h"
#include "data/abilities.h"
#include "data/moves.h"
#include "data/types.h"
#include "platform/process.h"
#include "text/cp932.h"
#include "text/format.h"

namespace kerumina::ui {

namespace {

using platform::ComboBox;
using platform::ListView;
using platform::Notification;

constexpr const char* SECTION = "Damage";
constexpr const char* NO_VALUE = calc::NO_VALUE_CELL;
constexpr std::size_t NATURE_NAME_BYTES = 10;
constexpr int STAGE_ZERO_POSITION = 6;
constexpr int DIRECT_POWER_STEP = 5;
// Moves whose type or power the calculation decides: from individual values, from weather.
constexpr data::MoveId HIDDEN_POWER_MOVE = 236;
constexpr data::MoveId WEATHER_TYPED_MOVE = 310;
// Item data of "制限無し": every category passes.
constexpr platform::ItemData ANY_CATEGORY = 0xFFFF;
// The battle's choices in the order of calc::DefenderStatus, and their settings keys.
constexpr const char* DEFENDER_STATUS_NAMES[] = {"なし", "どく", "もうどく", "やけど"};
constexpr const char* CRITICAL_KEY = "critical";
constexpr const char* STEALTH_ROCK_KEY = "stealthRock";
constexpr const char* SPIKES_KEY = "spikes";
constexpr const char* DEFENDER_STATUS_KEY = "defenderStatus";
constexpr const char* LEECH_SEED_KEY = "leechSeed";

int Position(const platform::CDialog& dialog, int id) {
  return static_cast<const ComboBox*>(dialog.GetDlgItem(id))->GetCurSel();
}

platform::ItemData SelectedData(const platform::CDialog& dialog, int id) {
  const auto* combo = static_cast<const ComboBox*>(dialog.GetDlgItem(id));
  return combo->GetItemData(combo->GetCurSel());
}

void AddItem(ComboBox& combo, std::string_view text, platform::ItemData data) {
  combo.SetItemData(combo.AddString(text), data);
}

// Clipboard text keeps the line ends of the reports.
std::string WithCrLf(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

}  // namespace

CDamageDlg::CDamageDlg(CMainApp& app)
    : CToolWindowDlg(app, res::DAMAGE_DLG, SECTION, "%s ヴォルミルボックス", res::IDC_DAMAGE_CLOSE),
      box_(std::make_unique<box::Box>()) {}

CDamageDlg::~CDamageDlg() = default;

const platform::MessageMap* CDamageDlg::GetMessageMap() const {
  using D = CDamageDlg;
  using platform::OnNotify;
  constexpr auto SEL = Notification::SelChange;
  constexpr auto CLICK = Notification::Clicked;
  static const platform::MessageMapEntry entries[] = {
      OnNotify(res::IDC_DAMAGE_ADD, CLICK, &D::OnAdd),
      OnNotify(res::IDC_DAMAGE_EDIT, CLICK, &D::OnEdit),
      OnNotify(res::IDC_DAMAGE_BOX_LIST, Notification::ItemDoubleClick, &D::OnListDoubleClick),
      OnNotify(res::IDC_DAMAGE_MOVE_UP, CLICK, &D::OnMoveUp),
      OnNotify(res::IDC_DAMAGE_DELETE, CLICK, &D::OnDelete),
      OnNotify(res::IDC_DAMAGE_TO_ATTACKER, CLICK, &D::OnToAttacker),
      OnNotify(res::IDC_DAMAGE_TO_DEFENDER, CLICK, &D::OnToDefender),
      OnNotify(res::IDC_DAMAGE_SWAP, CLICK, &D::OnSwap),
      OnNotify(res::IDC_DAMAGE_SAVE, CLICK, &D::OnSave),
      OnNotify(res::IDC_DAMAGE_IMPORT, CLICK, &D::OnImport),
      OnNotify(res::IDC_DAMAGE_IMPORT_TEXT, CLICK, &D::OnImportText),
      OnNotify(res::IDC_DAMAGE_EXPORT_TEXT, CLICK, &D::OnExportText),
      OnNotify(res::DAMAGE_COPY_REPORT[0], CLICK, &D::OnCopyReport<0>),
      OnNotify(res::DAMAGE_COPY_REPORT[1], CLICK, &D::OnCopyReport<1>),
      OnNotify(res::DAMAGE_COPY_REPORT[2], CLICK, &D::OnCopyReport<2>),
      OnNotify(res::DAMAGE_COPY_REPORT[3], CLICK, &D::OnCopyReport<3>),
      OnNotify(res::DAMAGE_COPY_REPORT[4], CLICK, &D::OnCopyReport<4>),
      OnNotify(res::DAMAGE_COPY_REPORT[5], CLICK, &D::OnCopyReport<5>),
      OnNotify(res::IDC_DAMAGE_LIST_MOVE, SEL, &D::RecomputeAll),
      OnNotify(res::IDC_DAMAGE_ATTACK_STAGE, SEL, &D::RecomputeAll),
      OnNotify(res::IDC_DAMAGE_DEFENCE_STAGE, SEL, &D::RecomputeAll),
      OnNotify(res::IDC_DAMAGE_DIRECT_POWER, SEL, &D::RecomputeAll),
      OnNotify(res::IDC_DAMAGE_DIRECT_CATEGORY, SEL, &D::RecomputeAll),
      OnNotify(res::IDC_DAMAGE_DIRECT_TYPE, SEL, &D::RecomputeAll),
      OnNotify(res::IDC_DAMAGE_WEATHER, SEL, &D::OnRestrictionOrWeatherChanged),
      OnNotify(res::IDC_DAMAGE_RESTRICTION, SEL, &D::OnRestrictionOrWeatherChanged),
      OnNotify(res::IDC_DAMAGE_HELPING_HAND, CLICK, &D::RecomputeAll),
      OnNotify(res::IDC_DAMAGE_BURNED, CLICK, &D::RecomputeAll),
      OnNotify(res::IDC_DAMAGE_FLOWER_GIFT, CLICK, &D::RecomputeAll),
      OnNotify(res::IDC_DAMAGE_REFLECT, CLICK, &D::RecomputeAll),
      OnNotify(res::IDC_DAMAGE_LIGHT_SCREEN, CLICK, &D::RecomputeAll),
      OnNotify(res::IDC_DAMAGE_GRAVITY, CLICK, &D::RecomputeAll),
      OnNotify(res::IDC_DAMAGE_FORESIGHT, CLICK, &D::RecomputeAll),
      OnNotify(res::IDC_DAMAGE_ABILITY_ACTIVE, CLICK, &D::RecomputeAll),
      OnNotify(res::IDC_DAMAGE_BERRY_ACTIVE, CLICK, &D::RecomputeAll),
      OnNotify(res::IDC_DAMAGE_DOUBLE_BATTLE, CLICK, &D::RecomputeAll),
      OnNotify(res::IDC_DAMAGE_GAME_MODEL, CLICK, &D::OnGameModelClicked),
      OnNotify(res::IDC_DAMAGE_CRITICAL, CLICK, &D::RecomputeAll),
      OnNotify(res::IDC_DAMAGE_STEALTH_ROCK, CLICK, &D::RecomputeAll),
      OnNotify(res::IDC_DAMAGE_SPIKES, SEL, &D::RecomputeAll),
      OnNotify(res::IDC_DAMAGE_DEFENDER_STATUS, SEL, &D::RecomputeAll),
      OnNotify(res::IDC_DAMAGE_LEECH_SEED, CLICK, &D::RecomputeAll),
  };
  static const platform::MessageMap map{CToolWindowDlg::GetMessageMap(), entries};
  return &map;
}

bool CDamageDlg::OnInitDialog() {
  CToolWindowDlg::OnInitDialog();
  editDlg_ = std::make_unique<CDataEditDlg>(app);
  editDlg_->SetBox(box_.get());
  editDlg_->CreateToolWindow();
  editDlg_->SetNotifyTarget(this);
  // Placed now, still hidden: an unplaced window would swallow the first direct show.
  editDlg_->ShowToolWindow(platform::SHOW_HIDE);

  FillConditionLists();
  CheckDlgButton(res::IDC_DAMAGE_GAME_MODEL, app.GetProfileInt(SECTION, "game", 0) != 0);
  LoadBattleConditions();
  auto& list = Item<ListView>(res::IDC_DAMAGE_BOX_LIST);
  list.InsertColumn(0, "名前", platform::ColumnAlign::Center, 128);
  list.InsertColumn(1, "ヴォルミル", platform::ColumnAlign::Left, 72);
  box::LoadBox(*box_, platform::PathFromUtf8(app.BoxFilePath()));
  const int rows = box::AppendIndex(*box_);
  for (int index = 0; index < rows; ++index) SetListRow(index, true);
  list.SetSelectedItem(0);
  RecomputeAll();
  return true;
}

void CDamageDlg::FillConditionLists() {
  constexpr const char* STAGES[] = {"+6", "+5", "+4", "+3", "+2", "+1", "±0",
                                    "-1", "-2", "-3", "-4", "-5", "-6"};
  for (int id : {res::IDC_DAMAGE_ATTACK_STAGE, res::IDC_DAMAGE_DEFENCE_STAGE}) {
    auto& stage = Item<ComboBox>(id);
    for (const char* text : STAGES) stage.AddString(text);
    stage.SetCurSel(STAGE_ZERO_POSITION);
  }
  auto& weather = Item<ComboBox>(res::IDC_DAMAGE_WEATHER);
  for (const char* name : calc::WEATHER_NAMES) weather.AddString(name);
  weather.SetCurSel(calc::WEATHER_NONE);
  auto& power = Item<ComboBox>(res::IDC_DAMAGE_DIRECT_POWER);
  for (int p = DIRECT_POWER_STEP; p <= calc::DIRECT_POWER_MAX; p += DIRECT_POWER_STEP) {
    power.AddString(std::to_string(p));
  }
  power.SetCurSel(0);
  auto& category = Item<ComboBox>(res::IDC_DAMAGE_DIRECT_CATEGORY);
  for (const char* name : data::MOVE_CATEGORY_NAMES) category.AddString(name);
  category.SetCurSel(0);
  auto& type = Item<ComboBox>(res::IDC_DAMAGE_DIRECT_TYPE);
  for (data::TypeId t = 0; t < data::TYPE_COUNT; ++t) {
    if (t != data::PLACEHOLDER_TYPE) AddItem(type, data::TypeName(t), t);
  }
  type.SetCurSel(0);
  auto& restriction = Item<ComboBox>(res::IDC_DAMAGE_RESTRICTION);
  AddItem(restriction, "制限無し", ANY_CATEGORY);
  AddItem(restriction, "物理技のみ", data::CATEGORY_PHYSICAL);
  AddItem(restriction, "特殊技のみ", data::CATEGORY_SPECIAL);
  AddItem(restriction, "変化技のみ", data::CATEGORY_STATUS);
  restriction.SetCurSel(0);
  auto& listMove = Item<ComboBox>(res::IDC_DAMAGE_LIST_MOVE);
  AddItem(listMove, NO_MOVE_TEXT, data::NO_MOVE);
  listMove.SetCurSel(0);
  auto& spikes = Item<ComboBox>(res::IDC_DAMAGE_SPIKES);
  for (int layers = 0; layers <= calc::SPIKES_MAX; ++layers)
    spikes.AddString(std::to_string(layers));
  auto& status = Item<ComboBox>(res::IDC_DAMAGE_DEFENDER_STATUS);
  for (const char* name : DEFENDER_STATUS_NAMES) status.AddString(name);
}

// A saved choice outside its list falls back to the first.
void CDamageDlg::LoadBattleConditions() {
  CheckDlgButton(res::IDC_DAMAGE_CRITICAL, app.GetProfileInt(SECTION, CRITICAL_KEY, 0) != 0);
  CheckDlgButton(res::IDC_DAMAGE_STEALTH_ROCK,
                 app.GetProfileInt(SECTION, STEALTH_ROCK_KEY, 0) != 0);
  CheckDlgButton(res::IDC_DAMAGE_LEECH_SEED, app.GetProfileInt(SECTION, LEECH_SEED_KEY, 0) != 0);
  for (const auto& [id, key] : {std::pair{res::IDC_DAMAGE_SPIKES, SPIKES_KEY},
                                std::pair{res::IDC_DAMAGE_DEFENDER_STATUS, DEFENDER_STATUS_KEY}}) {
    auto& combo = Item<ComboBox>(id);
    const int saved = app.GetProfileInt(SECTION, key, 0);
    combo.SetCurSel(saved >= 0 && saved < combo.GetCount() ? saved : 0);
  }
  EnableBattleConditions();
}

void CDamageDlg::SaveBattleConditions() {
  for (const auto& [id, key] : {std::pair{res::IDC_DAMAGE_CRITICAL, CRITICAL_KEY},
                                std::pair{res::IDC_DAMAGE_STEALTH_ROCK, STEALTH_ROCK_KEY},
                                std::pair{res::IDC_DAMAGE_LEECH_SEED, LEECH_SEED_KEY}}) {
    app.WriteProfileInt(SECTION, key, IsDlgButtonChecked(id));
  }
  app.WriteProfileInt(SECTION, SPIKES_KEY, Position(*this, res::IDC_DAMAGE_SPIKES));
  app.WriteProfileInt(SECTION, DEFENDER_STATUS_KEY,
                      Position(*this, res::IDC_DAMAGE_DEFENDER_STATUS));
}

// Only the game model follows a battle around the hit.
void CDamageDlg::EnableBattleConditions() {
  const bool game = IsDlgButtonChecked(res::IDC_DAMAGE_GAME_MODEL) != 0;
  for (int id : res::DAMAGE_BATTLE_CONTROLS) GetDlgItem(id)->EnableWindow(game);
}

void CDamageDlg::OnGameModelClicked() {
  EnableBattleConditions();
  RecomputeAll();
}

void CDamageDlg::OnDestroy() {
  app.WriteProfileInt(SECTION, "game", IsDlgButtonChecked(res::IDC_DAMAGE_GAME_MODEL));
  SaveBattleConditions();
  CToolWindowDlg::OnDestroy();
  if (!editDlg_) return;
  editDlg_->DestroyWindow();
  editDlg_.reset();
}

void CDamageDlg::SetListRow(int index, bool insert) {
  auto& list = Item<ListView>(res::IDC_DAMAGE_BOX_LIST);
  const box::BoxListRow row = box::ListRowOf(box_->entries[index]);
  if (insert) {
    list.InsertItem(index, row.name);
  } else {
    list.SetItemText(index, 0, row.name);
  }
  list.SetItemText(index, 1, row.species);
}

int CDamageDlg::SelectedRow() const {
  return static_cast<const ListView*>(GetDlgItem(res::IDC_DAMAGE_BOX_LIST))->GetSelectedItem();
}

// ---- The box list and its buttons ----

void CDamageDlg::OpenEditor(int index) {
  editDlg_->LoadEntry(index);
  editDlg_->ShowWindow(platform::SHOW_NORMAL);
  editDlg_->SetActiveWindow();
}

void CDamageDlg::ShowBoxFull() {
  host().MessageBox(text::Format("ボックスがいっぱいです（%d 件）。\n"
                                 "削除してから追加してください。",
                                 box::BOX_CAPACITY),
                    APP_TITLE, platform::MessageBoxButtons::Ok, platform::MessageBoxIcon::Warning);
}

void CDamageDlg::OnAdd() {
  const int index = Item<ListView>(res::IDC_DAMAGE_BOX_LIST).GetItemCount();
  if (index >= box::BOX_CAPACITY) {
    ShowBoxFull();
    return;
  }
  editingNew_ = true;
  OpenEditor(index);
}

void CDamageDlg::OnEdit() {
  const int index = SelectedRow();
  if (index == ListView::NONE) {
    OnAdd();
    return;
  }
  editingNew_ = false;
  OpenEditor(index);
}

void CDamageDlg::OnListDoubleClick() {
  if (Item<ListView>(res::IDC_DAMAGE_BOX_LIST).GetLastClick().item == ListView::NONE) return;
  OnEdit();
}

void CDamageDlg::BoxRowsChanged() {
  unsavedChanges_ = true;
  editDlg_->ShowWindow(platform::SHOW_HIDE);
}

void CDamageDlg::ClearSides() {
  attackerIndex_ = NO_SIDE;
  defenderIndex_ = NO_SIDE;
  ShowAttackerPanel();
  ShowDefenderPanel();
}

void CDamageDlg::OnMoveUp() {
  const int index = SelectedRow();
  if (index > 0) {
    box::MoveUp(*box_, index);
    SetListRow(index - 1, false);
    SetListRow(index, false);
    Item<ListView>(res::IDC_DAMAGE_BOX_LIST).SetSelectedItem(index - 1);
    BoxRowsChanged();
  }
  ClearSides();
}

void CDamageDlg::OnDelete() {
  const int index = SelectedRow();
  if (index != ListView::NONE) {
    auto& list = Item<ListView>(res::IDC_DAMAGE_BOX_LIST);
    list.DeleteItem(index);
    list.SetSelectedItem(index < list.GetItemCount() ? index : ListView::NONE);
    box::Delete(*box_, index);
    BoxRowsChanged();
  }
  ClearSides();
}

void CDamageDlg::OnToAttacker() {
  attackerIndex_ = SelectedRow();
  ShowAttackerPanel();
}

void CDamageDlg::OnToDefender() {
  defenderIndex_ = SelectedRow();
  ShowDefenderPanel();
}

void CDamageDlg::OnSwap() {
  std::swap(attackerIndex_, defenderIndex_);
  ShowAttackerPanel();
  ShowDefenderPanel();
}

bool CDamageDlg::Save() {
  if (!box::SaveBox(*box_, platform::PathFromUtf8(app.BoxFilePath()))) {
    host().MessageBox("ボックスを保存できませんでした。\n保存先のファイルは以前の内容のままです。",
                      APP_TITLE, platform::MessageBoxButtons::Ok, platform::MessageBoxIcon::Error);
    return false;
  }
  unsavedChanges_ = false;
  return true;
}

void CDamageDlg::OnSave() {
  Save();
}

bool CDamageDlg::QuerySaveBeforeExit() {
  if (!unsavedChanges_) return true;
  switch (host().MessageBox("ボックスの変更が保存されていません。\n保存してから終了しますか？",
                            APP_TITLE, platform::MessageBoxButtons::YesNoCancel,
                            platform::MessageBoxIcon::Question)) {
    case platform::ID_YES:
      return Save();
    case platform::ID_NO:
      return true;
    default:
      return false;
  }
}

void CDamageDlg::OnImport() {
  std::optional<std::string> path = host().GetOpenFileName(BOX_FILE_FILTER, BOX_FILE_EXTENSION);
  if (!path) return;
  const int before = box::AppendIndex(*box_);
  const box::ImportResult result = box::ImportBoxFile(*box_, platform::PathFromUtf8(*path));
  if (result.status == box::ImportStatus::OPEN_FAILED) {
    host().MessageBox("ファイルオープン失敗", APP_TITLE, platform::MessageBoxButtons::Ok,
                      platform::MessageBoxIcon::None);
    return;
  }
  const int after = box::AppendIndex(*box_);
  for (int index = before; index < after; ++index) SetListRow(index, true);
  if (result.added > 0) BoxRowsChanged();
  host().MessageBox(text::Format("%d 件を追加しました。\n登録済みのため追加せず： %d 件\n"
                                 "ボックスがいっぱいのため追加できず： %d 件",
                                 result.added, result.alreadyRegistered, result.leftOut),
                    APP_TITLE, platform::MessageBoxButtons::Ok,
                    platform::MessageBoxIcon::Information);
}

// All builds of the clipboard or none, as the editor's 登録 checks each.
void CDamageDlg::OnImportText() {
  const calc::ParsedBuilds parsed = calc::ParseBuilds(host().GetClipboardText());
  const auto warn = [this](const std::string& message) {
    host().MessageBox(message, APP_TITLE, platform::MessageBoxButtons::Ok,
                      platform::MessageBoxIcon::Warning);
  };
  if (parsed.error) {
    warn("テキストを取り込めませんでした。\n" + calc::BuildTextErrorMessage(*parsed.error));
    return;
  }
  if (parsed.entries.empty()) {
    warn("クリップボードに取り込めるテキストがありません。");
    return;
  }
  const int before = box::AppendIndex(*box_);
  const int count = static_cast<int>(parsed.entries.size());
  if (before == box::BOX_CAPACITY) {
    ShowBoxFull();
    return;
  }
  if (before + count > box::BOX_CAPACITY) {
    warn(
        text::Format("取り込む %d 件がボックスの空き（%d 件）に入りません。\n"
                     "削除してから取り込んでください。",
                     count, box::BOX_CAPACITY - before));
    return;
  }
  for (const box::BoxEntry& entry : parsed.entries) box::Append(*box_, entry);
  for (int index = before; index < before + count; ++index) SetListRow(index, true);
  BoxRowsChanged();
  host().MessageBox(text::Format("%d 件を追加しました。", count), APP_TITLE,
                    platform::MessageBoxButtons::Ok, platform::MessageBoxIcon::Information);
}

void CDamageDlg::OnExportText() {
  const int index = SelectedRow();
  if (index == ListView::NONE) return;
  const box::BoxEntry& entry = box_->entries[index];
  if (!calc::CanWriteBuild(entry)) {
    host().MessageBox("この項目には範囲外の値があるため、テキストにできません。", APP_TITLE,
                      platform::MessageBoxButtons::Ok, platform::MessageBoxIcon::Warning);
    return;
  }
  host().SetClipboardText(WithCrLf(calc::BuildText(entry)));
}

std::intptr_t CDamageDlg::WindowProc(unsigned message, std::uintptr_t wParam,
                                     std::intptr_t lParam) {
  if (message != REGISTERED_ENTRY_MESSAGE)
    return CToolWindowDlg::WindowProc(message, wParam, lParam);
  if (wParam >= box::BOX_CAPACITY) return 0;
  const int index = static_cast<int>(wParam);
  auto& list = Item<ListView>(res::IDC_DAMAGE_BOX_LIST);
  if (!editingNew_) list.DeleteItem(index);
  SetListRow(index, true);
  list.SetSelectedItem(index);
  unsavedChanges_ = true;
  ShowAttackerPanel();
  ShowDefenderPanel();
  return 0;
}

// ---- Panels and rows ----

std::optional<box::BoxEntry> CDamageDlg::Side(int index) const {
  if (index < 0 || index >= box::BOX_CAPACITY || box::IsEmpty(box_->entries[index])) {
    return std::nullopt;
  }
  return box_->entries[index];
}

void CDamageDlg::ShowSide(const res::SidePanelIds& ids, int index) {
  const std::optional<box::BoxEntry> side = Side(index);
  if (!side) {
    for (int id : {ids.name, ids.species, ids.level, ids.nature, ids.ability, ids.item}) {
      SetDlgItemText(id, NO_VALUE);
    }
    for (int s = 0; s < data::STAT_COUNT; ++s) {
      for (int id : {ids.ivs[s], ids.evs[s], ids.stats[s]}) SetDlgItemText(id, NO_VALUE);
    }
    return;
  }
  const box::BoxEntry& entry = *side;
  SetDlgItemText(ids.name, box::NameUtf8(entry));
  SetDlgItemText(ids.species, box::SpeciesText(entry));
  SetDlgItemText(ids.level, text::Format("LV %d", entry.level));
  SetDlgItemText(ids.nature, box::HasValidNature(entry)
                                 ? std::string(text::CutUtf8ToCp932Bytes(
                                       data::NatureLabel(entry.nature), NATURE_NAME_BYTES))
                                 : std::string(NO_VALUE));
  SetDlgItemText(ids.ability, box::HasValidAbility(entry)
                                  ? std::string(data::AbilityName(entry.ability))
                                  : std::string(NO_VALUE));
  SetDlgItemText(ids.item, box::HasValidItem(entry) ? std::string(data::ItemName(entry.item))
                                                    : std::string(NO_VALUE));
  const bool typedIn = entry.statsEntered == 1;
  for (int s = 0; s < data::STAT_COUNT; ++s) {
    SetDlgItemText(ids.ivs[s], typedIn ? std::string(NO_VALUE) : text::Format("%d", entry.iv[s]));
    SetDlgItemText(ids.evs[s], typedIn ? std::string(NO_VALUE) : text::Format("%d", entry.ev[s]));
    SetDlgItemText(ids.stats[s], text::Format("%d", entry.stat[s]));
  }
}

void CDamageDlg::ShowAttackerPanel() {
  ShowSide(res::ATTACKER_PANEL, attackerIndex_);
  const std::optional<box::BoxEntry> attacker = Side(attackerIndex_);
  for (int row = 0; row < res::DAMAGE_OWN_MOVE_ROWS; ++row) {
    const data::MoveId move = attacker ? attacker->move[row] : data::NO_MOVE;
    const int cells[] = {res::DAMAGE_MOVE_NAME[row], res::DAMAGE_MOVE_POWER[row],
                         res::DAMAGE_MOVE_CATEGORY[row], res::DAMAGE_MOVE_TYPE[row]};
    if (!data::IsValidMove(move)) {
      for (int id : cells) SetDlgItemText(id, NO_VALUE);
      continue;
    }
    const data::MoveRecord& record = data::Move(move);
    SetDlgItemText(cells[0], data::MoveName(move));
    SetDlgItemText(cells[1], text::Format("%d", record.power));
    SetDlgItemText(cells[2], data::MOVE_CATEGORY_NAMES[record.category]);
    SetDlgItemText(cells[3], data::TypeName(record.type));
  }
  FillListMoves();
  RecomputeAll();
}

void CDamageDlg::FillListMoves() {
  auto& combo = Item<ComboBox>(res::IDC_DAMAGE_LIST_MOVE);
  const std::optional<box::BoxEntry> attacker = Side(attackerIndex_);
  if (!attacker) {
    combo.ResetContent();
    AddItem(combo, NO_MOVE_TEXT, data::NO_MOVE);
    combo.SetCurSel(0);
    return;
  }
  const platform::ItemData category = SelectedData(*this, res::IDC_DAMAGE_RESTRICTION);
  FillMovePicker(combo, LearnableMoveItems(attacker->species), [category](data::MoveId move) {
    return category == ANY_CATEGORY || category == data::Move(move).category;
  });
}

void CDamageDlg::ShowDefenderPanel() {
  ShowSide(res::DEFENDER_PANEL, defenderIndex_);
  RecomputeAll();
}

void CDamageDlg::OnRestrictionOrWeatherChanged() {
  ShowAttackerPanel();
}

calc::DamageRequest CDamageDlg::RowRequest(int row) const {
  calc::DamageRequest request;
  request.attacker = Side(attackerIndex_);
  request.defender = Side(defenderIndex_);
  request.attackStage = STAGE_ZERO_POSITION - Position(*this, res::IDC_DAMAGE_ATTACK_STAGE);
  request.defenceStage = STAGE_ZERO_POSITION - Position(*this, res::IDC_DAMAGE_DEFENCE_STAGE);
  request.weather = Position(*this, res::IDC_DAMAGE_WEATHER);
  bool* flags[] = {&request.helpingHand, &request.burned,        &request.flowerGift,
                   &request.reflect,     &request.lightScreen,   &request.gravity,
                   &request.foresight,   &request.abilityActive, &request.berryActive,
                   &request.doubleBattle};
  for (std::size_t i = 0; i < res::DAMAGE_CONDITION_CHECKS.size(); ++i) {
    *flags[i] = IsDlgButtonChecked(res::DAMAGE_CONDITION_CHECKS[i]) != 0;
  }
  if (IsDlgButtonChecked(res::IDC_DAMAGE_GAME_MODEL) != 0) {
    request.critical = IsDlgButtonChecked(res::IDC_DAMAGE_CRITICAL) != 0;
    request.stealthRock = IsDlgButtonChecked(res::IDC_DAMAGE_STEALTH_ROCK) != 0;
    request.spikes = Position(*this, res::IDC_DAMAGE_SPIKES);
    request.defenderStatus =
        static_cast<calc::DefenderStatus>(Position(*this, res::IDC_DAMAGE_DEFENDER_STATUS));
    request.leechSeed = IsDlgButtonChecked(res::IDC_DAMAGE_LEECH_SEED) != 0;
  }
  if (row < res::DAMAGE_OWN_MOVE_ROWS) {
    request.rowKind = calc::RowKind::OwnMove;
    request.moveId = request.attacker ? request.attacker->move[row] : data::NO_MOVE;
  } else if (row == res::DAMAGE_LIST_ROW) {
    request.rowKind = calc::RowKind::ListMove;
    request.moveId = static_cast<data::MoveId>(SelectedData(*this, res::IDC_DAMAGE_LIST_MOVE));
  } else {
    request.rowKind = calc::RowKind::Direct;
    request.directPower = DIRECT_POWER_STEP * (Position(*this, res::IDC_DAMAGE_DIRECT_POWER) + 1);
    request.directCategory = Position(*this, res::IDC_DAMAGE_DIRECT_CATEGORY);
    request.directType =
        static_cast<data::TypeId>(SelectedData(*this, res::IDC_DAMAGE_DIRECT_TYPE));
  }
  return request;
}

void CDamageDlg::RecomputeAll() {
  const auto listMove = static_cast<data::MoveId>(SelectedData(*this, res::IDC_DAMAGE_LIST_MOVE));
  const int row4 = res::DAMAGE_LIST_ROW;
  const bool sides = Side(attackerIndex_) && Side(defenderIndex_);
  const bool gameModel = IsDlgButtonChecked(res::IDC_DAMAGE_GAME_MODEL) != 0;
  if (sides && data::IsValidMove(listMove)) {
    const data::MoveRecord& record = data::Move(listMove);
    SetDlgItemText(res::DAMAGE_MOVE_POWER[row4], text::Format("%d", record.power));
    SetDlgItemText(res::DAMAGE_MOVE_CATEGORY[row4], data::MOVE_CATEGORY_NAMES[record.category]);
    SetDlgItemText(res::DAMAGE_MOVE_TYPE[row4], data::TypeName(record.type));
  } else {
    for (int id : {res::DAMAGE_MOVE_POWER[row4], res::DAMAGE_MOVE_CATEGORY[row4],
                   res::DAMAGE_MOVE_TYPE[row4]}) {
      SetDlgItemText(id, NO_VALUE);
    }
  }
  for (int row = 0; row < res::DAMAGE_ROW_COUNT; ++row) {
    const calc::DamageRequest request = RowRequest(row);
    const calc::DamageResult result = calc::ComputeDamage(request);
    reports_[row] = calc::DamageReport(request, result);
    if (gameModel) {
      // The classic report stays first: the game section reads as a comparison with it.
      const calc::GameDamageResult game = calc::ComputeGameBattle(request);
      SetDlgItemText(res::DAMAGE_MULTIPLIER[row], calc::GameMultiplierCell(game));
      SetDlgItemText(res::DAMAGE_RANGE[row], calc::GameDamageCell(game));
      SetDlgItemText(res::DAMAGE_HITS[row], calc::GameHitsCell(game));
      reports_[row] += calc::GameDamageReport(game);
    } else {
      SetDlgItemText(res::DAMAGE_MULTIPLIER[row], result.multiplierText);
      SetDlgItemText(res::DAMAGE_RANGE[row], result.damageText);
      SetDlgItemText(res::DAMAGE_HITS[row], result.hitsText);
    }
    if (row == res::DAMAGE_DIRECT_ROW || result.skipped) continue;
    if (request.moveId == HIDDEN_POWER_MOVE) {
      SetDlgItemText(res::DAMAGE_MOVE_POWER[row], text::Format("%d", result.movePower));
    }
    if (request.moveId == HIDDEN_POWER_MOVE || request.moveId == WEATHER_TYPED_MOVE) {
      SetDlgItemText(res::DAMAGE_MOVE_TYPE[row], data::TypeName(result.moveType));
    }
  }
}

void CDamageDlg::CopyReport(int row) {
  if (reports_[row].empty()) return;
  host().SetClipboardText(reports_[row]);
}

}  // namespace kerumina::ui
