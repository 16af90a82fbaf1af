#include "ui/data_edit_dlg.h"

#include <algorithm>
#include <array>
#include <numeric>
#include <string>

#include "calc/stats.h"
#include "data/abilities.h"
#include "data/battle_rules.h"
#include "data/learnable_moves.h"
#include "data/learnsets.h"
#include "data/types.h"
#include "platform/data_exchange.h"
#include "res/data_edit_dlg.h"
#include "text/cp932.h"
#include "text/format.h"
#include "text/sort_order.h"

namespace kerumina::ui {

namespace {

using platform::ComboBox;
using platform::Notification;

constexpr std::string_view SECTION = "DataEdit";
constexpr const char* NO_DETAIL_TEXT = " - ";
constexpr int LEVEL_COUNT = 100;
constexpr int SIX_V_IV = 31;
// Bytes of a nature label that hold its name without the effect.
constexpr std::size_t NATURE_NAME_BYTES = 10;

struct Preset {
  const char* label;
  data::NatureId nature;  // -1: manual entry
  data::StatBlock evs;
};

constexpr std::array<Preset, 13> PRESETS = {{
    {" 手動入力", -1, {}},
    {" 陽気AS", 18, {6, 252, 0, 0, 0, 252}},
    {" 意地っ張りAS", 1, {6, 252, 0, 0, 0, 252}},
    {" 臆病CS", 16, {6, 0, 0, 252, 0, 252}},
    {" 控えめCS", 8, {6, 0, 0, 252, 0, 252}},
    {" 図太いHB", 4, {252, 0, 252, 0, 6, 0}},
    {" 腕白HB", 5, {252, 0, 252, 0, 6, 0}},
    {" 穏やかHD", 12, {252, 0, 6, 0, 252, 0}},
    {" 慎重HD", 14, {252, 0, 6, 0, 252, 0}},
    {" 勇敢HA", 3, {252, 252, 6, 0, 0, 0}},
    {" のんきHB", 7, {252, 0, 252, 0, 6, 0}},
    {" 冷静HC", 11, {252, 0, 0, 252, 6, 0}},
    {" なまいきHD", 15, {252, 0, 6, 0, 252, 0}},
}};

// Selects a saved picker position; one outside the list selects the first item.
void SelectSaved(ComboBox& combo, int position) {
  if (combo.SetCurSel(position) == ComboBox::NONE) combo.SetCurSel(0);
}

// Position of a type in the type filters, which skip the placeholder type.
int TypeFilterPosition(data::TypeId type) {
  if (!data::IsValidType(type) || type == data::PLACEHOLDER_TYPE) return 0;
  return type < data::PLACEHOLDER_TYPE ? type + 1 : type;
}

// Selects the item whose text is exactly text; whether one was found.
bool SelectExact(ComboBox& combo, std::string_view text) {
  int found = combo.FindStringExact(-1, text);
  if (found == ComboBox::NONE) return false;
  combo.SetCurSel(found);
  return true;
}

void SelectItemData(ComboBox& combo, platform::ItemData data) {
  for (int index = 0; index < combo.GetCount(); ++index) {
    if (combo.GetItemData(index) == data) combo.SetCurSel(index);
  }
}

// A stored value inside the range the window accepts, else the window's default.
std::int32_t InRangeOr(std::int32_t value, std::int32_t low, std::int32_t high,
                       std::int32_t fallback) {
  return value >= low && value <= high ? value : fallback;
}

}  // namespace

void FillMovePicker(ComboBox& combo, const std::vector<MovePickerItem>& items,
                    const std::function<bool(data::MoveId)>& passes) {
  combo.ResetContent();
  for (const MovePickerItem& item : items) {
    if (item.move != data::NO_MOVE && !passes(item.move)) continue;
    combo.SetItemData(combo.InsertString(-1, item.text), item.move);
  }
  combo.SetCurSel(0);
}

CDataEditDlg::CDataEditDlg(CMainApp& app)
    : CToolWindowDlg(app, res::DATA_EDIT_DLG, SECTION, "%s ヴォルミルボックス　データ編集",
                     res::IDC_DATAEDIT_CANCEL) {}

const platform::MessageMap* CDataEditDlg::GetMessageMap() const {
  using D = CDataEditDlg;
  static const platform::MessageMapEntry entries[] = {
      platform::OnNotify(res::IDC_DATAEDIT_RULE, Notification::SelChange, &D::OnRuleChanged),
      platform::OnNotify(res::IDC_DATAEDIT_SPECIES, Notification::SelChange, &D::OnSpeciesChanged),
      platform::OnNotify(res::IDC_DATAEDIT_PRESET, Notification::SelChange, &D::ApplyPreset),
      platform::OnNotify(res::IDC_DATAEDIT_COMPUTE_MODE, Notification::Clicked,
                         &D::UpdateEntryMode),
      platform::OnNotify(res::IDC_DATAEDIT_DIRECT_MODE, Notification::Clicked, &D::UpdateEntryMode),
      platform::OnNotify(res::IDC_DATAEDIT_SIX_V, Notification::Clicked, &D::SetSixV),
      platform::OnNotify(res::IDC_DATAEDIT_REGISTER, Notification::Clicked, &D::Register),
      platform::OnNotify(res::DATAEDIT_TYPE_FILTER[0], Notification::SelChange,
                         &D::OnTypeFilterChanged<0>),
      platform::OnNotify(res::DATAEDIT_TYPE_FILTER[1], Notification::SelChange,
                         &D::OnTypeFilterChanged<1>),
      platform::OnNotify(res::DATAEDIT_TYPE_FILTER[2], Notification::SelChange,
                         &D::OnTypeFilterChanged<2>),
      platform::OnNotify(res::DATAEDIT_TYPE_FILTER[3], Notification::SelChange,
                         &D::OnTypeFilterChanged<3>),
      platform::OnNotify(res::DATAEDIT_MOVE[0], Notification::SelChange, &D::OnMoveChanged<0>),
      platform::OnNotify(res::DATAEDIT_MOVE[1], Notification::SelChange, &D::OnMoveChanged<1>),
      platform::OnNotify(res::DATAEDIT_MOVE[2], Notification::SelChange, &D::OnMoveChanged<2>),
      platform::OnNotify(res::DATAEDIT_MOVE[3], Notification::SelChange, &D::OnMoveChanged<3>),
  };
  static const platform::MessageMap map{CToolWindowDlg::GetMessageMap(), entries};
  return &map;
}

void CDataEditDlg::DoDataExchange(platform::CDataExchange& dx) {
  using namespace data;
  using res::DATAEDIT_EV;
  using res::DATAEDIT_IV;
  using res::DATAEDIT_STAT;
  // The order in which a player meets the messages when several boxes are wrong.
  constexpr int IV_ORDER[] = {STAT_ATK, STAT_DEF, STAT_HP, STAT_SPATK, STAT_SPDEF, STAT_SPEED};
  constexpr int EV_ORDER[] = {STAT_SPEED, STAT_SPDEF, STAT_SPATK, STAT_HP, STAT_DEF, STAT_ATK};
  constexpr int STAT_ORDER[] = {STAT_ATK, STAT_DEF, STAT_HP, STAT_SPATK, STAT_SPDEF, STAT_SPEED};
  for (int s : IV_ORDER) {
    platform::ExchangeInt(dx, DATAEDIT_IV[s], ivs_[s]);
    platform::ValidateMinMaxInt(dx, ivs_[s], 0, box::IV_EV_MAX);
  }
  for (int s : EV_ORDER) {
    platform::ExchangeInt(dx, DATAEDIT_EV[s], evs_[s]);
    platform::ValidateMinMaxInt(dx, evs_[s], 0, box::IV_EV_MAX);
  }
  for (int s : STAT_ORDER) {
    platform::ExchangeInt(dx, DATAEDIT_STAT[s], stats_[s]);
    platform::ValidateMinMaxInt(dx, stats_[s], box::STAT_MIN, box::STAT_MAX);
  }
}

bool CDataEditDlg::OnInitDialog() {
  CToolWindowDlg::OnInitDialog();
  auto& rule = Item<ComboBox>(res::IDC_DATAEDIT_RULE);
  for (const char* label : data::BATTLE_RULE_LABELS) rule.AddString(label);
  SelectSaved(rule, app.GetProfileInt(SECTION, "rule", 0));
  auto& preset = Item<ComboBox>(res::IDC_DATAEDIT_PRESET);
  for (const Preset& p : PRESETS) preset.AddString(p.label);
  SelectSaved(preset, app.GetProfileInt(SECTION, "subset", 0));
  auto& level = Item<ComboBox>(res::IDC_DATAEDIT_LEVEL);
  for (int l = 1; l <= LEVEL_COUNT; ++l) level.AddString(std::to_string(l));
  SelectSaved(level, app.GetProfileInt(SECTION, "level", 0));
  auto& nature = Item<ComboBox>(res::IDC_DATAEDIT_NATURE);
  for (const data::NatureRecord& record : data::NATURES) {
    nature.AddString(text::CutUtf8ToCp932Bytes(record.label, NATURE_NAME_BYTES));
  }
  nature.SetCurSel(0);
  auto& item = Item<ComboBox>(res::IDC_DATAEDIT_ITEM);
  // The empty row 16 last, after the battle's items; each line carries its ItemId.
  for (data::ItemId id = 0; id < data::ITEM_COUNT; ++id) {
    if (id != data::ITEM_EMPTY_ROW) item.SetItemData(item.AddString(data::ItemName(id)), id);
  }
  item.SetItemData(item.AddString(data::ItemName(data::ITEM_EMPTY_ROW)), data::ITEM_EMPTY_ROW);
  item.SetCurSel(0);
  for (int id : res::DATAEDIT_TYPE_FILTER) {
    auto& filter = Item<ComboBox>(id);
    filter.SetItemData(filter.AddString(NO_MOVE_TEXT), 0);
    for (data::TypeId type = 0; type < data::TYPE_COUNT; ++type) {
      if (type == data::PLACEHOLDER_TYPE) continue;
      filter.SetItemData(filter.AddString(data::TypeName(type)), type + 1);
    }
    filter.SetCurSel(0);
  }
  CheckRadioButton(res::IDC_DATAEDIT_COMPUTE_MODE, res::IDC_DATAEDIT_DIRECT_MODE,
                   res::IDC_DATAEDIT_COMPUTE_MODE);
  UpdateData(false);
  UpdateEntryMode();
  OnRuleChanged();
  return true;
}

void CDataEditDlg::OnDestroy() {
  app.WriteProfileInt(SECTION, "rule", Item<ComboBox>(res::IDC_DATAEDIT_RULE).GetCurSel());
  app.WriteProfileInt(SECTION, "level", Item<ComboBox>(res::IDC_DATAEDIT_LEVEL).GetCurSel());
  CToolWindowDlg::OnDestroy();
}

void CDataEditDlg::FillSpeciesByRule() {
  auto& species = Item<ComboBox>(res::IDC_DATAEDIT_SPECIES);
  species.ResetContent();
  const int rule = Item<ComboBox>(res::IDC_DATAEDIT_RULE).GetCurSel();
  for (data::SpeciesId id : data::RuleFilteredSpecies(rule)) {
    species.SetItemData(species.AddString(data::SpeciesName(id)), id);
  }
  species.SetCurSel(0);
}

void CDataEditDlg::OnRuleChanged() {
  FillSpeciesByRule();
  auto& level = Item<ComboBox>(res::IDC_DATAEDIT_LEVEL);
  switch (Item<ComboBox>(res::IDC_DATAEDIT_RULE).GetCurSel()) {
    case data::RULE_TOWER:
      level.SetCurSel(data::TOWER_LEVEL_INDEX);
      break;
    case data::RULE_PARK:
      level.SetCurSel(data::PARK_LEVEL_INDEX);
      break;
    default:
      break;
  }
  OnSpeciesChanged();
}

data::SpeciesId CDataEditDlg::SelectedSpecies() {
  auto& species = Item<ComboBox>(res::IDC_DATAEDIT_SPECIES);
  return static_cast<data::SpeciesId>(species.GetItemData(species.GetCurSel()));
}

void CDataEditDlg::OnSpeciesChanged() {
  const data::SpeciesId species = SelectedSpecies();
  for (int id : res::DATAEDIT_TYPE_FILTER) Item<ComboBox>(id).SetCurSel(0);
  auto& ability = Item<ComboBox>(res::IDC_DATAEDIT_ABILITY);
  ability.ResetContent();
  if (data::IsValidSpecies(species)) {
    const data::SpeciesAbilities& abilities = data::SPECIES_ABILITIES[species];
    ability.SetItemData(ability.AddString(data::AbilityName(abilities.ability1)),
                        abilities.ability1);
    if (abilities.ability2 != data::NO_ABILITY) {
      ability.SetItemData(ability.AddString(data::AbilityName(abilities.ability2)),
                          abilities.ability2);
    }
  }
  ability.SetCurSel(0);
  for (int row = 0; row < res::DATAEDIT_MOVE_ROWS; ++row) FillMoveList(row);
}

void CDataEditDlg::FillMoveList(int row) {
  auto& filter = Item<ComboBox>(res::DATAEDIT_TYPE_FILTER[row]);
  const platform::ItemData type = filter.GetItemData(filter.GetCurSel());
  auto passes = [type](data::MoveId move) {
    return type <= 0 || type == data::Move(move).type + 1;
  };
  const data::SpeciesId species = SelectedSpecies();
  if (species != moveItemsSpecies_) {
    moveItems_ = LearnableMoveItems(species);
    moveItemsSpecies_ = species;
  }
  FillMovePicker(Item<ComboBox>(res::DATAEDIT_MOVE[row]), moveItems_, passes);
  ShowMoveDetails(row);
}

void CDataEditDlg::ShowMoveDetails(int row) {
  auto& moves = Item<ComboBox>(res::DATAEDIT_MOVE[row]);
  const platform::ItemData move = moves.GetItemData(moves.GetCurSel());
  const int cells[] = {res::DATAEDIT_POWER[row], res::DATAEDIT_ACCURACY[row], res::DATAEDIT_PP[row],
                       res::DATAEDIT_CATEGORY[row], res::DATAEDIT_TARGET[row]};
  if (!data::IsValidMove(move)) {
    for (int id : cells) SetDlgItemText(id, NO_DETAIL_TEXT);
    return;
  }
  const data::MoveRecord& record = data::Move(static_cast<data::MoveId>(move));
  SetDlgItemText(cells[0], text::Format("%d", record.power));
  SetDlgItemText(cells[1], text::Format("%d", record.accuracy));
  SetDlgItemText(cells[2], text::Format("%d", record.pp));
  const bool category = record.category >= 0 && record.category < data::MOVE_CATEGORY_COUNT;
  const bool target = record.target >= 0 && record.target < data::MOVE_TARGET_COUNT;
  SetDlgItemText(cells[3], category ? data::MOVE_CATEGORY_NAMES[record.category] : NO_DETAIL_TEXT);
  SetDlgItemText(cells[4], target ? data::MOVE_TARGET_NAMES[record.target] : NO_DETAIL_TEXT);
}

bool CDataEditDlg::InComputeMode() const {
  return IsDlgButtonChecked(res::IDC_DATAEDIT_COMPUTE_MODE) != 0;
}

void CDataEditDlg::UpdateEntryMode() {
  const bool compute = InComputeMode();
  for (int s = 0; s < data::STAT_COUNT; ++s) {
    Item<platform::Edit>(res::DATAEDIT_IV[s]).EnableWindow(compute);
    Item<platform::Edit>(res::DATAEDIT_EV[s]).EnableWindow(compute);
    Item<platform::Edit>(res::DATAEDIT_STAT[s]).EnableWindow(!compute);
  }
}

void CDataEditDlg::SwitchToComputeMode() {
  CheckRadioButton(res::IDC_DATAEDIT_COMPUTE_MODE, res::IDC_DATAEDIT_DIRECT_MODE,
                   res::IDC_DATAEDIT_COMPUTE_MODE);
  UpdateEntryMode();
}

void CDataEditDlg::ApplyPreset() {
  const int selection = Item<ComboBox>(res::IDC_DATAEDIT_PRESET).GetCurSel();
  if (selection <= 0 || selection >= static_cast<int>(PRESETS.size())) return;
  if (!UpdateData(true)) return;
  SwitchToComputeMode();
  Item<ComboBox>(res::IDC_DATAEDIT_NATURE).SetCurSel(PRESETS[selection].nature);
  evs_ = PRESETS[selection].evs;
  UpdateData(false);
}

void CDataEditDlg::SetSixV() {
  if (!UpdateData(true)) return;
  SwitchToComputeMode();
  ivs_.fill(SIX_V_IV);
  UpdateData(false);
}

bool CDataEditDlg::SelectSpeciesByName(data::SpeciesId species) {
  return SelectExact(Item<ComboBox>(res::IDC_DATAEDIT_SPECIES), data::SpeciesName(species));
}

void CDataEditDlg::LoadEntry(int index) {
  entryIndex_ = index;
  Item<ComboBox>(res::IDC_DATAEDIT_PRESET).SetCurSel(0);
  if (box_ == nullptr || index < 0 || index >= box::BOX_CAPACITY) return;
  const box::BoxEntry& entry = box_->entries[index];
  if (box::IsEmpty(entry)) return;

  SetDlgItemText(res::IDC_DATAEDIT_NAME, box::NameUtf8(entry));
  // Stored fields outside what the window offers (a damaged or foreign file) leave the
  // value shown last, so whatever the player registers is valid.
  if (box::HasValidSpecies(entry) && !SelectSpeciesByName(entry.species)) {
    Item<ComboBox>(res::IDC_DATAEDIT_RULE).SetCurSel(data::RULE_NONE);
    OnRuleChanged();
    SelectSpeciesByName(entry.species);
  }
  if (box::HasValidLevel(entry)) Item<ComboBox>(res::IDC_DATAEDIT_LEVEL).SetCurSel(entry.level - 1);
  if (box::HasValidItem(entry)) SelectItemData(Item<ComboBox>(res::IDC_DATAEDIT_ITEM), entry.item);
  if (box::HasValidNature(entry)) Item<ComboBox>(res::IDC_DATAEDIT_NATURE).SetCurSel(entry.nature);
  CheckRadioButton(
      res::IDC_DATAEDIT_COMPUTE_MODE, res::IDC_DATAEDIT_DIRECT_MODE,
      entry.statsEntered == 0 ? res::IDC_DATAEDIT_COMPUTE_MODE : res::IDC_DATAEDIT_DIRECT_MODE);
  UpdateEntryMode();
  for (int s = 0; s < data::STAT_COUNT; ++s) {
    ivs_[s] = InRangeOr(entry.iv[s], 0, box::IV_EV_MAX, 0);
    evs_[s] = InRangeOr(entry.ev[s], 0, box::IV_EV_MAX, 0);
    stats_[s] = InRangeOr(entry.stat[s], box::STAT_MIN, box::STAT_MAX, 5);
  }
  UpdateData(false);
  OnSpeciesChanged();
  for (int row = 0; row < res::DATAEDIT_MOVE_ROWS; ++row) {
    const data::MoveId move = entry.move[row];
    const data::TypeId type = data::IsValidMove(move) ? data::Move(move).type : -1;
    Item<ComboBox>(res::DATAEDIT_TYPE_FILTER[row]).SetCurSel(TypeFilterPosition(type));
    FillMoveList(row);
  }
  auto& ability = Item<ComboBox>(res::IDC_DATAEDIT_ABILITY);
  if (!box::HasValidAbility(entry) || !SelectExact(ability, data::AbilityName(entry.ability))) {
    ability.SetCurSel(0);
  }
  for (int row = 0; row < res::DATAEDIT_MOVE_ROWS; ++row) {
    const data::MoveId move = entry.move[row];
    if (!data::IsValidMove(move)) continue;
    auto& moves = Item<ComboBox>(res::DATAEDIT_MOVE[row]);
    const std::string name(data::MoveName(move));
    if (!SelectExact(moves, name)) SelectExact(moves, EM_TUTOR_PREFIX + name);
  }
  for (int row = 0; row < res::DATAEDIT_MOVE_ROWS; ++row) ShowMoveDetails(row);
}

void CDataEditDlg::RefuseName(const char* message) {
  host().MessageBox(message, "入力不足", platform::MessageBoxButtons::Ok,
                    platform::MessageBoxIcon::None);
  GotoDlgCtrl(Item<platform::Edit>(res::IDC_DATAEDIT_NAME));
}

void CDataEditDlg::Register() {
  if (!UpdateData(true)) return;
  const std::string name = GetDlgItemText(res::IDC_DATAEDIT_NAME);
  if (name.empty()) {
    RefuseName("名前を入力してください");
    return;
  }
  box::BoxEntry entry{};
  // A character the box file cannot store would be lost on the next load.
  if (!box::SetNameUtf8(entry, name)) {
    RefuseName("名前に使えない文字が含まれています");
    return;
  }
  const data::SpeciesId species = SelectedSpecies();
  const int level = Item<ComboBox>(res::IDC_DATAEDIT_LEVEL).GetCurSel() + 1;
  const data::NatureId nature = Item<ComboBox>(res::IDC_DATAEDIT_NATURE).GetCurSel();
  std::int32_t statsEntered = 1;
  if (InComputeMode()) {
    if (std::accumulate(evs_.begin(), evs_.end(), 0) > EV_TOTAL_MAX) {
      host().MessageBox("努力値が多すぎます", "パラメータ異常", platform::MessageBoxButtons::Ok,
                        platform::MessageBoxIcon::None);
      return;
    }
    const data::StatBlock computed = calc::CalcStatBlock(species, level, nature, ivs_, evs_);
    const std::string question =
        text::Format("HP %d:攻撃 %d:防御 %d:特攻 %d:特防 %d:素早 %d\nこれでいいですか？",
                     computed[0], computed[1], computed[2], computed[3], computed[4], computed[5]);
    if (host().MessageBox(question, "パラメータ確認", platform::MessageBoxButtons::YesNo,
                          platform::MessageBoxIcon::Question) != platform::ID_YES) {
      return;
    }
    stats_ = computed;
    UpdateData(false);
    statsEntered = 0;
  }
  if (species == calc::FIXED_HP_SPECIES) stats_[data::STAT_HP] = 1;

  auto& ability = Item<ComboBox>(res::IDC_DATAEDIT_ABILITY);
  entry.species = species;
  entry.level = level;
  entry.nature = nature;
  entry.ability = static_cast<std::int32_t>(ability.GetItemData(ability.GetCurSel()));
  auto& item = Item<ComboBox>(res::IDC_DATAEDIT_ITEM);
  entry.item = static_cast<std::int32_t>(item.GetItemData(item.GetCurSel()));
  entry.statsEntered = statsEntered;
  for (int s = 0; s < data::STAT_COUNT; ++s) {
    entry.iv[s] = ivs_[s];
    entry.ev[s] = evs_[s];
    entry.stat[s] = stats_[s];
  }
  for (int row = 0; row < res::DATAEDIT_MOVE_ROWS; ++row) {
    auto& moves = Item<ComboBox>(res::DATAEDIT_MOVE[row]);
    entry.move[row] = static_cast<std::int32_t>(moves.GetItemData(moves.GetCurSel()));
  }
  if (box_ == nullptr || entryIndex_ < 0 || entryIndex_ >= box::BOX_CAPACITY) return;
  box_->entries[entryIndex_] = entry;

  UpdateData(true);
  EndDialog(platform::ID_OK);
  if (notifyTarget_ != nullptr) {
    notifyTarget_->SendMessage(REGISTERED_ENTRY_MESSAGE, static_cast<std::uintptr_t>(entryIndex_),
                               0);
  }
}

}  // namespace kerumina::ui
