#include "ui/search_dlg.h"

#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "data/abilities.h"
#include "data/battle_rules.h"
#include "data/moves.h"
#include "data/species.h"
#include "data/types.h"
#include "res/search_dlg.h"
#include "text/format.h"

namespace kerumina::ui {

namespace {

using platform::ComboBox;
using platform::ItemData;
using platform::ListView;
using platform::Notification;
using res::SEARCH_MOVE_ROWS;

constexpr std::string_view SECTION = "Search";
constexpr std::string_view ANY = " 無指定";
constexpr std::string_view NO_VALUE = " - ";

struct ButtonKey {
  const char* key;
  int id;
  int defaultValue;
};

constexpr ButtonKey BUTTON_KEYS[] = {
    {"radio_w1", res::IDC_SEARCH_ANY_MODE, 1},    {"radio_w2", res::IDC_SEARCH_ALL_MODE, 0},
    {"check_level", res::IDC_SEARCH_LEVEL_UP, 0}, {"check_iden", res::IDC_SEARCH_EGG, 0},
    {"check_mw", res::IDC_SEARCH_MACHINE, 0},     {"check_osie", res::IDC_SEARCH_TUTOR, 0},
    {"check_dp", res::IDC_SEARCH_DP, 0},          {"check_pt", res::IDC_SEARCH_PT, 0},
    {"check_gs", res::IDC_SEARCH_HGSS, 0},
};

struct PickerKey {
  std::string key;
  int id;
};

// Every picker with the key of its saved position, in the order they are written.
std::vector<PickerKey> PickerKeys() {
  std::vector<PickerKey> keys;
  for (int k = 0; k < data::STAT_COUNT; ++k) {
    keys.push_back({"combo_u" + std::to_string(k + 1), res::IDC_SEARCH_UPPER_FIRST + k});
  }
  for (int k = 0; k < data::STAT_COUNT; ++k) {
    keys.push_back({"combo_l" + std::to_string(k + 1), res::IDC_SEARCH_LOWER_FIRST + k});
  }
  keys.push_back({"combo_t1", res::IDC_SEARCH_TYPE1});
  keys.push_back({"combo_t2", res::IDC_SEARCH_TYPE2});
  for (int row = 0; row < res::SEARCH_MOVE_ROW_COUNT; ++row) {
    keys.push_back({"combo_wt" + std::to_string(row + 1), SEARCH_MOVE_ROWS[row].type});
  }
  for (int row = 0; row < res::SEARCH_MOVE_ROW_COUNT; ++row) {
    keys.push_back({"combo_wn" + std::to_string(row + 1), SEARCH_MOVE_ROWS[row].move});
  }
  keys.push_back({"combo_t3", res::IDC_SEARCH_ABILITY});
  keys.push_back({"combo_t4", res::IDC_SEARCH_EGG_GROUP});
  keys.push_back({"combo_r1", res::IDC_SEARCH_RULE});
  return keys;
}

struct ResultColumn {
  const char* heading;
  platform::ColumnAlign align;
  int width;
};

constexpr platform::ColumnAlign LEFT = platform::ColumnAlign::Left;
constexpr platform::ColumnAlign CENTER = platform::ColumnAlign::Center;
constexpr ResultColumn RESULT_COLUMNS[search::RESULT_COLUMN_COUNT] = {
    {"番号", CENTER, 36},     {"名前", LEFT, 90},         {"タイプ１", CENTER, 60},
    {"タイプ２", CENTER, 60}, {"とくせい１", CENTER, 90}, {"とくせい２", CENTER, 90},
    {"ＨＰ", CENTER, 36},     {"こうげき", CENTER, 54},   {"ぼうぎょ", CENTER, 54},
    {"とくこう", CENTER, 54}, {"とくぼう", CENTER, 54},   {"すばやさ", CENTER, 58},
};

// A hand-edited settings file may name a position the list does not have.
void SelectSaved(ComboBox& box, int position) {
  if (box.SetCurSel(position) == ComboBox::NONE) box.SetCurSel(0);
}

// Position 0 stands for a picker without a selection (only while it is being filled).
int Position(const ComboBox& box) {
  return box.GetCurSel() == ComboBox::NONE ? 0 : box.GetCurSel();
}
ItemData SelectedData(const ComboBox& box) {
  return box.GetItemData(Position(box));
}

void FillTypePicker(ComboBox& box) {
  box.ResetContent();
  box.AddString(ANY);
  box.SetItemData(0, 0);
  for (data::TypeId type = 0; type < data::TYPE_COUNT; ++type) {
    if (type == data::PLACEHOLDER_TYPE) continue;
    box.SetItemData(box.AddString(data::TypeName(type)), type + 1);
  }
}

void FillEggGroupPicker(ComboBox& box) {
  box.ResetContent();
  box.AddString(ANY);
  box.SetItemData(0, 0);
  for (data::EggGroupId group = 0; group < data::EGG_GROUP_COUNT; ++group) {
    int position =
        box.InsertString(data::EGG_GROUPS[group].comboPosition, data::EggGroupName(group));
    if (position == ComboBox::NONE) position = box.InsertString(-1, data::EggGroupName(group));
    box.SetItemData(position, group + 1);
  }
}

}  // namespace

CSearchDlg::CSearchDlg(CMainApp& app)
    : CToolWindowDlg(app, res::SEARCH_DLG, SECTION, "%s ヴォルミル絞込み検索",
                     res::IDC_SEARCH_CLOSE) {}

CSearchDlg::~CSearchDlg() = default;

const platform::MessageMap* CSearchDlg::GetMessageMap() const {
  using Self = CSearchDlg;
  static const std::vector<platform::MessageMapEntry> entries = [] {
    std::vector<platform::MessageMapEntry> e;
    const auto refreshOn = [&e](int id, Notification code) {
      e.push_back(platform::OnNotify(id, code, &Self::RefreshResults));
    };
    for (int k = 0; k < data::STAT_COUNT; ++k) {
      refreshOn(res::IDC_SEARCH_UPPER_FIRST + k, Notification::SelChange);
      refreshOn(res::IDC_SEARCH_LOWER_FIRST + k, Notification::SelChange);
    }
    for (int id : {res::IDC_SEARCH_TYPE1, res::IDC_SEARCH_TYPE2, res::IDC_SEARCH_ABILITY,
                   res::IDC_SEARCH_EGG_GROUP, res::IDC_SEARCH_RULE}) {
      refreshOn(id, Notification::SelChange);
    }
    for (const ButtonKey& button : BUTTON_KEYS) refreshOn(button.id, Notification::Clicked);
    const auto moveRow = [&e]<int Row>(std::integral_constant<int, Row>) {
      e.push_back(platform::OnNotify(SEARCH_MOVE_ROWS[Row].type, Notification::SelChange,
                                     &Self::OnMoveTypeChange<Row>));
      e.push_back(platform::OnNotify(SEARCH_MOVE_ROWS[Row].move, Notification::SelChange,
                                     &Self::OnMoveChange<Row>));
    };
    [&moveRow]<int... Rows>(std::integer_sequence<int, Rows...>) {
      (moveRow(std::integral_constant<int, Rows>{}), ...);
    }
    (std::make_integer_sequence<int, res::SEARCH_MOVE_ROW_COUNT>{});
    e.push_back(platform::OnNotify(res::IDC_SEARCH_CLEAR_STATS, Notification::Clicked,
                                   &Self::ClearStatConditions));
    e.push_back(platform::OnNotify(res::IDC_SEARCH_CLEAR_TYPES, Notification::Clicked,
                                   &Self::ClearTypeConditions));
    e.push_back(platform::OnNotify(res::IDC_SEARCH_CLEAR_MOVES, Notification::Clicked,
                                   &Self::ClearMoveConditions));
    e.push_back(
        platform::OnNotify(res::IDC_SEARCH_RESULTS, Notification::ItemClick, &Self::OnOpenResult));
    e.push_back(platform::OnNotify(res::IDC_SEARCH_RESULTS, Notification::ColumnClick,
                                   &Self::OnSortResults));
    return e;
  }();
  static const platform::MessageMap map{CToolWindowDlg::GetMessageMap(), entries};
  return &map;
}

bool CSearchDlg::OnInitDialog() {
  CToolWindowDlg::OnInitDialog();
  detailView_ = std::make_unique<CDataViewDlg>(app);
  detailView_->CreateToolWindow();
  detailView_->ShowAsLastClosed();
  searchReady = false;
  ClearStatConditions();
  ClearTypeConditions();
  ClearMoveConditions();
  RestoreSettings();
  ListView& list = Item<ListView>(res::IDC_SEARCH_RESULTS);
  list.DeleteAllItems();
  for (int c = 0; c < search::RESULT_COLUMN_COUNT; ++c) {
    list.InsertColumn(c, RESULT_COLUMNS[c].heading, RESULT_COLUMNS[c].align,
                      RESULT_COLUMNS[c].width);
  }
  searchReady = true;
  RefreshResults();
  return true;
}

// Fills the pickers in the order the saved positions depend on: a row's move list only
// exists once its type is restored.
void CSearchDlg::RestoreSettings() {
  const auto saved = [this](std::string_view key) { return app.GetProfileInt(SECTION, key, 0); };
  for (const ButtonKey& button : BUTTON_KEYS) {
    CheckDlgButton(button.id, app.GetProfileInt(SECTION, button.key, button.defaultValue) != 0);
  }
  for (int k = 0; k < data::STAT_COUNT; ++k) {
    auto& upper = Item<ComboBox>(res::IDC_SEARCH_UPPER_FIRST + k);
    auto& lower = Item<ComboBox>(res::IDC_SEARCH_LOWER_FIRST + k);
    upper.ResetContent();
    lower.ResetContent();
    for (const search::StatBoundChoice& choice : search::STAT_BOUND_CHOICES) {
      upper.AddString(choice.upperLabel);
      lower.AddString(choice.lowerLabel);
    }
    SelectSaved(upper, saved("combo_u" + std::to_string(k + 1)));
    SelectSaved(lower, saved("combo_l" + std::to_string(k + 1)));
  }
  FillTypePicker(Item<ComboBox>(res::IDC_SEARCH_TYPE1));
  FillTypePicker(Item<ComboBox>(res::IDC_SEARCH_TYPE2));
  SelectSaved(Item<ComboBox>(res::IDC_SEARCH_TYPE1), saved("combo_t1"));
  SelectSaved(Item<ComboBox>(res::IDC_SEARCH_TYPE2), saved("combo_t2"));
  for (int row = 0; row < res::SEARCH_MOVE_ROW_COUNT; ++row) {
    auto& type = Item<ComboBox>(SEARCH_MOVE_ROWS[row].type);
    FillTypePicker(type);
    SelectSaved(type, saved("combo_wt" + std::to_string(row + 1)));
  }
  for (int row = 0; row < res::SEARCH_MOVE_ROW_COUNT; ++row) FillMoveRow(row);
  for (int row = 0; row < res::SEARCH_MOVE_ROW_COUNT; ++row) {
    SelectSaved(Item<ComboBox>(SEARCH_MOVE_ROWS[row].move),
                saved("combo_wn" + std::to_string(row + 1)));
    ShowMoveInfo(row);
  }
  auto& ability = Item<ComboBox>(res::IDC_SEARCH_ABILITY);
  ability.ResetContent();
  for (data::AbilityId id = 0; id < data::ABILITY_COUNT; ++id)
    ability.AddString(data::AbilityName(id));
  SelectSaved(ability, saved("combo_t3"));
  FillEggGroupPicker(Item<ComboBox>(res::IDC_SEARCH_EGG_GROUP));
  SelectSaved(Item<ComboBox>(res::IDC_SEARCH_EGG_GROUP), saved("combo_t4"));
  auto& rule = Item<ComboBox>(res::IDC_SEARCH_RULE);
  rule.ResetContent();
  for (const char* label : data::BATTLE_RULE_LABELS) rule.AddString(label);
  SelectSaved(rule, saved("combo_r1"));
}

void CSearchDlg::SaveSearchSettings() {
  for (const ButtonKey& button : BUTTON_KEYS) {
    app.WriteProfileInt(SECTION, button.key, IsDlgButtonChecked(button.id));
  }
  for (const PickerKey& picker : PickerKeys()) {
    app.WriteProfileInt(SECTION, picker.key, Item<ComboBox>(picker.id).GetCurSel());
  }
}

void CSearchDlg::OnDestroy() {
  SaveSearchSettings();
  CToolWindowDlg::OnDestroy();
  if (!detailView_) return;
  app.WriteProfileInt(detailView_->section(), "show", detailView_->IsWindowVisible() ? 1 : 0);
  detailView_->DestroyWindow();
  detailView_.reset();
}

search::SearchConditions CSearchDlg::ReadConditions() {
  const auto picker = [this](int id) -> ComboBox& { return Item<ComboBox>(id); };
  search::SearchConditions c;
  for (int k = 0; k < data::STAT_COUNT; ++k) {
    c.upper[k] = search::UpperBoundAt(Position(picker(res::IDC_SEARCH_UPPER_FIRST + k)));
    c.lower[k] = search::LowerBoundAt(Position(picker(res::IDC_SEARCH_LOWER_FIRST + k)));
  }
  c.type1Filter = static_cast<data::TypeId>(SelectedData(picker(res::IDC_SEARCH_TYPE1)) - 1);
  c.type2Filter = static_cast<data::TypeId>(SelectedData(picker(res::IDC_SEARCH_TYPE2)) - 1);
  c.ability = Position(picker(res::IDC_SEARCH_ABILITY));
  c.eggGroup = static_cast<data::EggGroupId>(SelectedData(picker(res::IDC_SEARCH_EGG_GROUP)) - 1);
  c.rule = Position(picker(res::IDC_SEARCH_RULE));
  for (int row = 0; row < res::SEARCH_MOVE_ROW_COUNT; ++row) {
    const ItemData move = SelectedData(picker(SEARCH_MOVE_ROWS[row].move));
    c.moves[row] = data::IsValidMove(move) ? static_cast<data::MoveId>(move) : data::NO_MOVE;
  }
  c.anyMode = IsDlgButtonChecked(res::IDC_SEARCH_ANY_MODE) != 0;
  c.methods = {IsDlgButtonChecked(res::IDC_SEARCH_LEVEL_UP) != 0,
               IsDlgButtonChecked(res::IDC_SEARCH_EGG) != 0,
               IsDlgButtonChecked(res::IDC_SEARCH_MACHINE) != 0,
               IsDlgButtonChecked(res::IDC_SEARCH_TUTOR) != 0};
  c.versions = {IsDlgButtonChecked(res::IDC_SEARCH_DP) != 0,
                IsDlgButtonChecked(res::IDC_SEARCH_PT) != 0,
                IsDlgButtonChecked(res::IDC_SEARCH_HGSS) != 0};
  return c;
}

void CSearchDlg::RefreshResults() {
  if (!searchReady) return;
  ListView& list = Item<ListView>(res::IDC_SEARCH_RESULTS);
  list.DeleteAllItems();
  for (const search::SearchResultRow& row : search::RunSearch(ReadConditions())) {
    const int item = list.InsertItem(-1, row.texts[0]);
    for (int c = 1; c < search::RESULT_COLUMN_COUNT; ++c) list.SetItemText(item, c, row.texts[c]);
    list.SetItemData(item, row.species);
  }
}

void CSearchDlg::FillMoveRow(int row) {
  const ItemData type = SelectedData(Item<ComboBox>(SEARCH_MOVE_ROWS[row].type));
  auto& moves = Item<ComboBox>(SEARCH_MOVE_ROWS[row].move);
  moves.ResetContent();
  moves.SetItemData(moves.AddString(ANY), data::NO_MOVE);
  const std::int32_t filter = type <= 0 ? data::ANY_TYPE : static_cast<std::int32_t>(type - 1);
  for (data::MoveId move : data::MovesOfType(filter)) {
    moves.SetItemData(moves.AddString(data::MoveName(move)), move);
  }
  moves.SetCurSel(0);
  ShowMoveInfo(row);
}

void CSearchDlg::ShowMoveInfo(int row) {
  const res::SearchMoveRowIds& ids = SEARCH_MOVE_ROWS[row];
  const ItemData move = SelectedData(Item<ComboBox>(ids.move));
  if (data::IsValidMove(move)) {
    const data::MoveRecord& record = data::Move(static_cast<data::MoveId>(move));
    SetDlgItemText(ids.power, text::Format("%d", record.power));
    SetDlgItemText(ids.accuracy, text::Format("%d", record.accuracy));
    SetDlgItemText(ids.pp, text::Format("%d", record.pp));
    SetDlgItemText(ids.category, data::MOVE_CATEGORY_NAMES[record.category]);
    SetDlgItemText(ids.target, data::MOVE_TARGET_NAMES[record.target]);
    SetDlgItemText(ids.effect, text::Format(" %x", record.effect));
  } else {
    for (int id : {ids.power, ids.accuracy, ids.pp, ids.category, ids.target, ids.effect}) {
      SetDlgItemText(id, NO_VALUE);
    }
  }
  RefreshResults();
}

void CSearchDlg::ClearStatConditions() {
  for (int k = 0; k < data::STAT_COUNT; ++k) {
    Item<ComboBox>(res::IDC_SEARCH_UPPER_FIRST + k).SetCurSel(0);
    Item<ComboBox>(res::IDC_SEARCH_LOWER_FIRST + k).SetCurSel(0);
  }
  RefreshResults();
}

void CSearchDlg::ClearTypeConditions() {
  for (int id : {res::IDC_SEARCH_TYPE1, res::IDC_SEARCH_TYPE2, res::IDC_SEARCH_ABILITY,
                 res::IDC_SEARCH_EGG_GROUP}) {
    Item<ComboBox>(id).SetCurSel(0);
  }
  RefreshResults();
}

void CSearchDlg::ClearMoveConditions() {
  for (const res::SearchMoveRowIds& ids : SEARCH_MOVE_ROWS) Item<ComboBox>(ids.type).SetCurSel(0);
  if (!searchReady) return;
  // One search at the end instead of one per row.
  searchReady = false;
  for (int row = 0; row < res::SEARCH_MOVE_ROW_COUNT; ++row) FillMoveRow(row);
  searchReady = true;
  RefreshResults();
}

template <int Row>
void CSearchDlg::OnMoveTypeChange() {
  // The row's move returns to " 無指定": one search afterwards is enough.
  searchReady = false;
  FillMoveRow(Row);
  searchReady = true;
  RefreshResults();
}

template <int Row>
void CSearchDlg::OnMoveChange() {
  ShowMoveInfo(Row);
}

void CSearchDlg::OnOpenResult() {
  const ListView& list = Item<ListView>(res::IDC_SEARCH_RESULTS);
  const platform::ListHit hit = list.GetLastClick();
  if (hit.item == -1 || hit.subItem == -1 || !detailView_) return;
  detailView_->ShowSpecies(static_cast<data::SpeciesId>(list.GetItemData(hit.item)));
  detailView_->ShowWindow(platform::SHOW_NORMAL);
  detailView_->SetActiveWindow();
}

void CSearchDlg::OnSortResults() {
  ListView& list = Item<ListView>(res::IDC_SEARCH_RESULTS);
  const int column = list.GetLastColumnClick();
  if (column < 0 || column >= search::RESULT_COLUMN_COUNT) return;
  const bool descending = search::SortsDescending(sortState, column);
  list.SortItems([column, descending](ItemData a, ItemData b) {
    const int order = search::CompareByColumn(column, static_cast<data::SpeciesId>(a),
                                              static_cast<data::SpeciesId>(b));
    return (descending ? order < 0 : order > 0) ? 1 : 0;
  });
  sortState = search::NextSortState(sortState, column);
}

}  // namespace kerumina::ui
