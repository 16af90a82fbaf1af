#include "ui/para_check_dlg.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "calc/iv_possible.h"
#include "calc/iv_report.h"
#include "data/battle_rules.h"
#include "data/types.h"
#include "platform/data_exchange.h"
#include "res/para_check_dlg.h"
#include "text/format.h"
#include "text/sort_order.h"

namespace kerumina::ui {

namespace {

using platform::ComboBox;
using platform::ListBox;

constexpr std::string_view SECTION = "ParaCheck";
constexpr int LEVEL_COUNT = 100;

// A saved position the list does not have (an edited or older settings file) would leave
// the list without selection and the judgement without input.
void SelectSaved(ComboBox& combo, int index) {
  if (combo.SetCurSel(index) == ComboBox::NONE) combo.SetCurSel(0);
}

int SelectionOf(const platform::CDialog& dialog, int id) {
  return static_cast<const ComboBox&>(*dialog.GetDlgItem(id)).GetCurSel();
}

}  // namespace

CParaCheckDlg::CParaCheckDlg(CMainApp& app)
    : CToolWindowDlg(app, res::PARA_CHECK_DLG, SECTION, "%s ヴォルミル個体値Ｖ判定",
                     res::IDC_PARACHECK_CLOSE) {}

const platform::MessageMap* CParaCheckDlg::GetMessageMap() const {
  using platform::Notification;
  using platform::OnNotify;
  using Self = CParaCheckDlg;
  constexpr Notification SEL = Notification::SelChange;
  constexpr Notification CLICK = Notification::Clicked;
  constexpr Notification EDIT = Notification::EditChange;
  static const platform::MessageMapEntry entries[] = {
      OnNotify(res::IDC_PARACHECK_RULE, SEL, &Self::OnRuleChange),
      OnNotify(res::IDC_PARACHECK_SPECIES, SEL, &Self::Rebuild),
      OnNotify(res::IDC_PARACHECK_LEVEL, SEL, &Self::Rebuild),
      OnNotify(res::IDC_PARACHECK_NATURE, SEL, &Self::Rebuild),
      OnNotify(res::IDC_PARACHECK_LEVEL_UP, CLICK, &Self::OnLevelUp),
      OnNotify(res::IDC_PARACHECK_LEVEL_DOWN, CLICK, &Self::OnLevelDown),
      OnNotify(res::IDC_PARACHECK_CANDIDATES[0], SEL, &Self::OnPickCandidate<0>),
      OnNotify(res::IDC_PARACHECK_CANDIDATES[1], SEL, &Self::OnPickCandidate<1>),
      OnNotify(res::IDC_PARACHECK_CANDIDATES[2], SEL, &Self::OnPickCandidate<2>),
      OnNotify(res::IDC_PARACHECK_CANDIDATES[3], SEL, &Self::OnPickCandidate<3>),
      OnNotify(res::IDC_PARACHECK_CANDIDATES[4], SEL, &Self::OnPickCandidate<4>),
      OnNotify(res::IDC_PARACHECK_CANDIDATES[5], SEL, &Self::OnPickCandidate<5>),
      OnNotify(res::IDC_PARACHECK_AT_MOST[0], SEL, &Self::Evaluate),
      OnNotify(res::IDC_PARACHECK_AT_MOST[1], SEL, &Self::Evaluate),
      OnNotify(res::IDC_PARACHECK_AT_MOST[2], SEL, &Self::Evaluate),
      OnNotify(res::IDC_PARACHECK_AT_MOST[3], SEL, &Self::Evaluate),
      OnNotify(res::IDC_PARACHECK_AT_MOST[4], SEL, &Self::Evaluate),
      OnNotify(res::IDC_PARACHECK_AT_MOST[5], SEL, &Self::Evaluate),
      OnNotify(res::IDC_PARACHECK_AT_LEAST[0], SEL, &Self::Evaluate),
      OnNotify(res::IDC_PARACHECK_AT_LEAST[1], SEL, &Self::Evaluate),
      OnNotify(res::IDC_PARACHECK_AT_LEAST[2], SEL, &Self::Evaluate),
      OnNotify(res::IDC_PARACHECK_AT_LEAST[3], SEL, &Self::Evaluate),
      OnNotify(res::IDC_PARACHECK_AT_LEAST[4], SEL, &Self::Evaluate),
      OnNotify(res::IDC_PARACHECK_AT_LEAST[5], SEL, &Self::Evaluate),
      OnNotify(res::IDC_PARACHECK_EV[0], EDIT, &Self::OnEvChange<0>),
      OnNotify(res::IDC_PARACHECK_EV[1], EDIT, &Self::OnEvChange<1>),
      OnNotify(res::IDC_PARACHECK_EV[2], EDIT, &Self::OnEvChange<2>),
      OnNotify(res::IDC_PARACHECK_EV[3], EDIT, &Self::OnEvChange<3>),
      OnNotify(res::IDC_PARACHECK_EV[4], EDIT, &Self::OnEvChange<4>),
      OnNotify(res::IDC_PARACHECK_EV[5], EDIT, &Self::OnEvChange<5>),
      OnNotify(res::IDC_PARACHECK_CHARACTERISTIC, SEL, &Self::Evaluate),
      OnNotify(res::IDC_PARACHECK_HIDDEN_POWER, CLICK, &Self::Evaluate),
      OnNotify(res::IDC_PARACHECK_RESET, CLICK, &Self::ResetBounds),
      OnNotify(res::IDC_PARACHECK_COPY, CLICK, &Self::CopyReport),
  };
  static const platform::MessageMap map{CToolWindowDlg::GetMessageMap(), entries};
  return &map;
}

bool CParaCheckDlg::OnInitDialog() {
  CToolWindowDlg::OnInitDialog();
  auto& rule = Item<ComboBox>(res::IDC_PARACHECK_RULE);
  for (const char* label : data::BATTLE_RULE_LABELS) rule.AddString(label);
  SelectSaved(rule, app.GetProfileInt(SECTION, "rule", 0));

  auto& level = Item<ComboBox>(res::IDC_PARACHECK_LEVEL);
  for (int value = 1; value <= LEVEL_COUNT; ++value) level.AddString(text::Format("%d", value));
  SelectSaved(level, app.GetProfileInt(SECTION, "level", 0));

  auto& nature = Item<ComboBox>(res::IDC_PARACHECK_NATURE);
  for (data::NatureId id = 0; id < data::NATURE_COUNT; ++id)
    nature.AddString(data::NatureLabel(id));
  SelectSaved(nature, app.GetProfileInt(SECTION, "seikaku", 0));

  FillSpeciesByRule();
  SelectSaved(Item<ComboBox>(res::IDC_PARACHECK_SPECIES), app.GetProfileInt(SECTION, "vorm", 0));

  // Not saved: each creature has its own.
  auto& characteristic = Item<ComboBox>(res::IDC_PARACHECK_CHARACTERISTIC);
  characteristic.AddString("指定無し");
  for (int index = 0; index < calc::CHARACTERISTIC_COUNT; ++index)
    characteristic.AddString(calc::CharacteristicText(index));
  characteristic.SetCurSel(0);

  for (int d = 0; d < data::STAT_COUNT; ++d) {
    auto& atMost = Item<ComboBox>(res::IDC_PARACHECK_AT_MOST[d]);
    auto& atLeast = Item<ComboBox>(res::IDC_PARACHECK_AT_LEAST[d]);
    for (int iv = 0; iv <= calc::IV_MAX; ++iv) {
      atMost.AddString(text::Format("%d以下", iv));
      atLeast.AddString(text::Format("%d以上", iv));
    }
    atMost.SetCurSel(calc::IV_MAX);
    atLeast.SetCurSel(0);
  }
  Rebuild();
  return true;
}

void CParaCheckDlg::OnDestroy() {
  app.WriteProfileInt(SECTION, "rule", SelectionOf(*this, res::IDC_PARACHECK_RULE));
  app.WriteProfileInt(SECTION, "level", SelectionOf(*this, res::IDC_PARACHECK_LEVEL));
  app.WriteProfileInt(SECTION, "seikaku", SelectionOf(*this, res::IDC_PARACHECK_NATURE));
  app.WriteProfileInt(SECTION, "vorm", SelectionOf(*this, res::IDC_PARACHECK_SPECIES));
  CToolWindowDlg::OnDestroy();
}

void CParaCheckDlg::FillSpeciesByRule() {
  auto& species = Item<ComboBox>(res::IDC_PARACHECK_SPECIES);
  species.ResetContent();
  std::vector<data::SpeciesId> ids =
      data::RuleFilteredSpecies(SelectionOf(*this, res::IDC_PARACHECK_RULE));
  // Handed over in the list's own order, every name lands at the end instead of moving
  // hundreds of items aside: this runs on every rule change.
  std::stable_sort(ids.begin(), ids.end(), [](data::SpeciesId a, data::SpeciesId b) {
    return text::JapaneseLess(data::SpeciesName(a), data::SpeciesName(b));
  });
  for (data::SpeciesId id : ids) species.SetItemData(species.AddString(data::SpeciesName(id)), id);
  species.SetCurSel(0);
}

data::SpeciesId CParaCheckDlg::SelectedSpecies() const {
  const auto& species = static_cast<const ComboBox&>(*GetDlgItem(res::IDC_PARACHECK_SPECIES));
  return static_cast<data::SpeciesId>(species.GetItemData(species.GetCurSel()));
}

std::int32_t CParaCheckDlg::SelectedLevel() const {
  return SelectionOf(*this, res::IDC_PARACHECK_LEVEL) + 1;
}

data::NatureId CParaCheckDlg::SelectedNature() const {
  return SelectionOf(*this, res::IDC_PARACHECK_NATURE);
}

calc::IvBounds CParaCheckDlg::ReadBounds() const {
  calc::IvBounds bounds;
  for (int d = 0; d < data::STAT_COUNT; ++d) {
    bounds[d].lo = SelectionOf(*this, res::IDC_PARACHECK_AT_LEAST[d]);
    bounds[d].hi = SelectionOf(*this, res::IDC_PARACHECK_AT_MOST[d]);
  }
  return bounds;
}

int CParaCheckDlg::SelectedCharacteristic() const {
  // Position 0 is "指定無し".
  const int position = SelectionOf(*this, res::IDC_PARACHECK_CHARACTERISTIC);
  return position > 0 ? position - 1 : calc::NO_CHARACTERISTIC;
}

void CParaCheckDlg::Rebuild() {
  const data::SpeciesId species = SelectedSpecies();
  const std::int32_t level = SelectedLevel();
  const data::NatureId nature = SelectedNature();
  for (int d = 0; d < data::STAT_COUNT; ++d) {
    auto& list = Item<ListBox>(res::IDC_PARACHECK_CANDIDATES[d]);
    list.ResetContent();
    for (const calc::IvCandidate& candidate :
         calc::BuildIvCandidates(species, level, nature, d, evs_[d])) {
      list.SetItemData(list.AddString(calc::IvCandidateText(candidate)),
                       calc::PackIvCandidate(candidate));
    }
    SetDlgItemText(res::IDC_PARACHECK_CONFIRM[d], calc::ConfirmLevelText(calc::FindConfirmLevel(
                                                      species, level, nature, d, evs_[d])));
  }
  Evaluate();
}

void CParaCheckDlg::Evaluate() {
  const calc::IvBounds bounds = ReadBounds();
  const bool showHiddenPower = IsDlgButtonChecked(res::IDC_PARACHECK_HIDDEN_POWER) != 0;
  const calc::IvEvaluation evaluation =
      calc::EvaluateIvs(SelectedSpecies(), SelectedLevel(), SelectedNature(), bounds,
                        showHiddenPower, {evs_, SelectedCharacteristic()});
  for (int d = 0; d < data::STAT_COUNT; ++d) {
    SetDlgItemText(res::IDC_PARACHECK_THRESHOLD[d],
                   calc::EvThresholdText(bounds[d].lo, evaluation.thresholdLo[d], bounds[d].hi,
                                         evaluation.thresholdHi[d]));
    SetDlgItemText(res::IDC_PARACHECK_POSSIBLE[d],
                   calc::IvSetCellText(evaluation.possible.masks[d]));
  }
  SetDlgItemText(res::IDC_PARACHECK_CONTRADICTION,
                 evaluation.possible.contradicted ? "個性と合いません" : "");
  report_ = evaluation.report;
  // Lines of an earlier evaluation would claim types the current bounds may not allow.
  auto& hiddenPower = Item<ListBox>(res::IDC_PARACHECK_HIDDEN_POWER_LIST);
  hiddenPower.ResetContent();
  if (!evaluation.hiddenPower) return;
  for (const std::string& line : calc::HiddenPowerLines(*evaluation.hiddenPower)) {
    hiddenPower.AddString(line);
  }
}

void CParaCheckDlg::PickCandidate(int d) {
  const auto& list = Item<ListBox>(res::IDC_PARACHECK_CANDIDATES[d]);
  const int picked = list.GetCurSel();
  if (picked == ListBox::NONE) return;
  calc::IvBounds bounds = ReadBounds();
  const calc::IvCandidate candidate =
      calc::UnpackIvCandidate(static_cast<std::int32_t>(list.GetItemData(picked)));
  if (calc::NarrowBounds(bounds, d, candidate)) {
    Item<ComboBox>(res::IDC_PARACHECK_AT_LEAST[d]).SetCurSel(bounds[d].lo);
    Item<ComboBox>(res::IDC_PARACHECK_AT_MOST[d]).SetCurSel(bounds[d].hi);
  }
  Evaluate();
}

void CParaCheckDlg::TakeEv(int d) {
  const int id = res::IDC_PARACHECK_EV[d];
  data::StatBlock evs = evs_;
  const std::string text = GetDlgItemText(id);
  if (text.find_first_not_of(" \t") == std::string::npos) {
    evs[d] = 0;  // an empty box counts as 0
  } else {
    platform::CDataExchange dx(*this, true);
    platform::ExchangeInt(dx, id, evs[d]);
    platform::ValidateMinMaxInt(dx, evs[d], 0, calc::EV_MAX);
    if (dx.failed()) {
      SetDlgItemText(id, std::to_string(evs_[d]));
      return;
    }
  }
  if (!calc::IsValidEvSpread(evs)) {
    host().MessageBox("努力値が多すぎます", "パラメータ異常", platform::MessageBoxButtons::Ok,
                      platform::MessageBoxIcon::None);
    SetDlgItemText(id, std::to_string(evs_[d]));
    return;
  }
  evs_ = evs;
  Rebuild();
}

void CParaCheckDlg::ResetBounds() {
  for (int d = 0; d < data::STAT_COUNT; ++d) {
    Item<ComboBox>(res::IDC_PARACHECK_AT_MOST[d]).SetCurSel(calc::IV_MAX);
    Item<ComboBox>(res::IDC_PARACHECK_AT_LEAST[d]).SetCurSel(0);
    Item<ListBox>(res::IDC_PARACHECK_CANDIDATES[d]).SetCurSel(ListBox::NONE);
  }
  Evaluate();
}

void CParaCheckDlg::CopyReport() {
  if (report_.empty()) return;
  host().SetClipboardText(report_);
}

void CParaCheckDlg::OnRuleChange() {
  FillSpeciesByRule();
  Rebuild();
}

void CParaCheckDlg::OnLevelUp() {
  auto& level = Item<ComboBox>(res::IDC_PARACHECK_LEVEL);
  if (level.GetCurSel() + 1 >= LEVEL_COUNT) return;
  level.SetCurSel(level.GetCurSel() + 1);
  Rebuild();
}

void CParaCheckDlg::OnLevelDown() {
  auto& level = Item<ComboBox>(res::IDC_PARACHECK_LEVEL);
  if (level.GetCurSel() <= 0) return;
  level.SetCurSel(level.GetCurSel() - 1);
  Rebuild();
}

}  // namespace kerumina::ui
