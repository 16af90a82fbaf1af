#include "ui/data_view_dlg.h"

#include <string>

#include "data/abilities.h"
#include "data/moves.h"
#include "data/species_detail.h"
#include "data/types.h"
#include "res/data_view_dlg.h"
#include "text/format.h"

namespace kerumina::ui {

namespace {

using platform::ComboBox;
using platform::ItemData;
using platform::ListView;
using platform::Notification;

constexpr std::string_view SECTION = "DataView";
constexpr int LEVEL_COUNT = 100;
constexpr int DEFAULT_LEVEL_INDEX = 49;  // level 50
constexpr data::SpeciesId DEFAULT_SPECIES = 1;
constexpr std::int32_t CLASS_FACTOR = 10000;  // row key = MoveId + 10000 × method class

struct CheckKey {
  const char* key;
  int id;
};

// The method and version boxes, in the order they are written.
constexpr CheckKey CHECK_KEYS[] = {
    {"lv", res::IDC_DATAVIEW_LEVEL_UP}, {"mc", res::IDC_DATAVIEW_MACHINE},
    {"eg", res::IDC_DATAVIEW_EGG},      {"sd", res::IDC_DATAVIEW_WITH_PRE},
    {"sp", res::IDC_DATAVIEW_SPECIAL},  {"dp", res::IDC_DATAVIEW_DP},
    {"pt", res::IDC_DATAVIEW_PT},       {"gs", res::IDC_DATAVIEW_HGSS},
};

struct MoveColumn {
  const char* heading;
  int width;
  platform::ColumnAlign align;
};

constexpr platform::ColumnAlign LEFT = platform::ColumnAlign::Left;
constexpr platform::ColumnAlign CENTER = platform::ColumnAlign::Center;
constexpr MoveColumn MOVE_COLUMNS[] = {
    {"番号", 36, CENTER},   {"習得方法", 200, CENTER}, {"わざの名前", 108, LEFT},
    {"タイプ", 68, CENTER}, {"分類", 44, CENTER},      {"威力", 36, CENTER},
    {"命中", 36, CENTER},   {"回数", 36, CENTER},      {"対象", 60, CENTER},
};

enum MoveColumnIndex : int {
  MOVE_COLUMN_NUMBER = 0,
  MOVE_COLUMN_METHOD,
  MOVE_COLUMN_NAME,
  MOVE_COLUMN_TYPE,
  MOVE_COLUMN_CATEGORY,
  MOVE_COLUMN_POWER,
  MOVE_COLUMN_ACCURACY,
  MOVE_COLUMN_PP,
  MOVE_COLUMN_TARGET,
};

constexpr const char* NOTHING = " －";

std::string Blank(std::string_view text) {
  return text::Format(" %s", text);
}

std::string NameOrNothing(data::SpeciesId species) {
  return species == data::NO_SPECIES ? NOTHING : Blank(data::SpeciesName(species));
}

// A hand-edited settings file may name a position the list does not have.
void SelectSaved(ComboBox& box, int position) {
  if (box.SetCurSel(position) == ComboBox::NONE) box.SetCurSel(0);
}

int Position(const ComboBox& box) {
  return box.GetCurSel() == ComboBox::NONE ? 0 : box.GetCurSel();
}

// The sort value of a move-list column for a row key.
std::int32_t SortValue(int column, std::int32_t key) {
  const data::MoveId move = key % CLASS_FACTOR;
  if (column == MOVE_COLUMN_METHOD) return key;
  if (!data::IsValidMove(move)) return 0;
  const data::MoveRecord& record = data::Move(move);
  switch (column) {
    case MOVE_COLUMN_TYPE:
      return record.type;
    case MOVE_COLUMN_CATEGORY:
      return record.category;
    case MOVE_COLUMN_POWER:
      return record.power;
    case MOVE_COLUMN_ACCURACY:
      return record.accuracy;
    case MOVE_COLUMN_PP:
      return record.pp;
    case MOVE_COLUMN_TARGET:
      return 0;  // every row equal: the order stays
    default:
      return move;
  }
}

}  // namespace

CDataViewDlg::CDataViewDlg(CMainApp& app)
    : CToolWindowDlg(app, res::DATA_VIEW_DLG, SECTION, "%s ヴォルミル詳細データ",
                     res::IDC_DATAVIEW_CLOSE) {
  evolutions.fill(data::NO_SPECIES);
}

const platform::MessageMap* CDataViewDlg::GetMessageMap() const {
  using Self = CDataViewDlg;
  static const std::vector<platform::MessageMapEntry> entries = [] {
    std::vector<platform::MessageMapEntry> e{
        platform::OnNotify(res::IDC_DATAVIEW_PRE1, Notification::Clicked, &Self::OnPre1),
        platform::OnNotify(res::IDC_DATAVIEW_PRE2, Notification::Clicked, &Self::OnPre2),
        platform::OnNotify(res::IDC_DATAVIEW_SHOW_DESCENDANT, Notification::Clicked,
                           &Self::OnShowDescendant),
        platform::OnNotify(res::IDC_DATAVIEW_DP_PT_DIFF, Notification::Clicked,
                           &Self::OnDifferenceChange),
        platform::OnNotify(res::IDC_DATAVIEW_PT_HGSS_DIFF, Notification::Clicked,
                           &Self::OnDifferenceChange),
        platform::OnNotify(res::IDC_DATAVIEW_MOVES, Notification::ColumnClick, &Self::OnSortMoves),
    };
    for (const CheckKey& check : CHECK_KEYS) {
      e.push_back(platform::OnNotify(check.id, Notification::Clicked, &Self::OnFilterChange));
    }
    for (int id :
         {res::IDC_DATAVIEW_CATEGORY, res::IDC_DATAVIEW_MOVE_TYPE, res::IDC_DATAVIEW_LEVEL}) {
      e.push_back(platform::OnNotify(id, Notification::SelChange, &Self::OnFilterChange));
    }
    return e;
  }();
  static const platform::MessageMap map{CToolWindowDlg::GetMessageMap(), entries};
  return &map;
}

bool CDataViewDlg::OnInitDialog() {
  CToolWindowDlg::OnInitDialog();
  number = app.GetProfileInt(SECTION, "number", DEFAULT_SPECIES);
  // A hand-edited number must not index beyond the tables.
  if (!data::IsValidSpecies(number)) number = DEFAULT_SPECIES;
  for (const CheckKey& check : CHECK_KEYS) {
    CheckDlgButton(check.id, app.GetProfileInt(SECTION, check.key, 1) != 0);
  }
  ListView& list = Item<ListView>(res::IDC_DATAVIEW_MOVES);
  list.DeleteAllItems();
  for (int c = 0; c < static_cast<int>(std::size(MOVE_COLUMNS)); ++c) {
    list.InsertColumn(c, MOVE_COLUMNS[c].heading, MOVE_COLUMNS[c].align, MOVE_COLUMNS[c].width);
  }
  auto& type = Item<ComboBox>(res::IDC_DATAVIEW_MOVE_TYPE);
  type.AddString("指定無し");
  for (int position = 1; position < data::TYPE_FILTER_COUNT; ++position) {
    type.AddString(data::TypeName(data::TypeAtFilterPosition(position)));
  }
  SelectSaved(type, app.GetProfileInt(SECTION, "type", 0));
  auto& category = Item<ComboBox>(res::IDC_DATAVIEW_CATEGORY);
  category.AddString("指定無し");
  for (const char* name : data::MOVE_CATEGORY_NAMES) category.AddString(name);
  SelectSaved(category, app.GetProfileInt(SECTION, "category", 0));
  auto& level = Item<ComboBox>(res::IDC_DATAVIEW_LEVEL);
  for (int l = 1; l <= LEVEL_COUNT; ++l) level.AddString(text::Format(" LV %d", l));
  SelectSaved(level, app.GetProfileInt(SECTION, "level", DEFAULT_LEVEL_INDEX));
  ShowSpecies(number);
  return true;
}

void CDataViewDlg::OnDestroy() {
  for (const CheckKey& check : CHECK_KEYS) {
    app.WriteProfileInt(SECTION, check.key, IsDlgButtonChecked(check.id));
  }
  app.WriteProfileInt(SECTION, "type", Item<ComboBox>(res::IDC_DATAVIEW_MOVE_TYPE).GetCurSel());
  app.WriteProfileInt(SECTION, "category", Item<ComboBox>(res::IDC_DATAVIEW_CATEGORY).GetCurSel());
  app.WriteProfileInt(SECTION, "level", Item<ComboBox>(res::IDC_DATAVIEW_LEVEL).GetCurSel());
  CToolWindowDlg::OnDestroy();
  app.WriteProfileInt(SECTION, "number", number);
}

void CDataViewDlg::ShowSpecies(data::SpeciesId species) {
  if (!data::IsValidSpecies(species)) return;
  number = species;
  pre1 = data::NO_SPECIES;
  pre2 = data::NO_SPECIES;
  evolutions.fill(data::NO_SPECIES);
  ShowHeader(species);
  ShowStats(species);
  ShowMoves(species);
}

void CDataViewDlg::ShowHeader(data::SpeciesId s) {
  const data::SpeciesRecord& record = data::Species(s);
  const data::EggRecord& egg = data::EGG_TABLE[s];
  const data::SpeciesAbilities& abilities = data::SPECIES_ABILITIES[s];
  SetDlgItemText(res::IDC_DATAVIEW_NAME, Blank(data::SpeciesName(s)));
  SetDlgItemText(res::IDC_DATAVIEW_TYPE1, Blank(data::TypeName(record.type1)));
  SetDlgItemText(res::IDC_DATAVIEW_TYPE2,
                 record.type2 == record.type1 ? NOTHING : Blank(data::TypeName(record.type2)));
  SetDlgItemText(res::IDC_DATAVIEW_EGG_GROUP1, Blank(data::EggGroupName(egg.eggGroup1)));
  SetDlgItemText(res::IDC_DATAVIEW_EGG_GROUP2, egg.eggGroup2 == data::NO_EGG_GROUP
                                                   ? NOTHING
                                                   : Blank(data::EggGroupName(egg.eggGroup2)));
  SetDlgItemText(res::IDC_DATAVIEW_ABILITY1, Blank(data::AbilityName(abilities.ability1)));
  SetDlgItemText(res::IDC_DATAVIEW_ABILITY2, abilities.ability2 == data::NO_ABILITY
                                                 ? "－"
                                                 : Blank(data::AbilityName(abilities.ability2)));
  SetDlgItemText(res::IDC_DATAVIEW_HATCH_STEPS, data::HatchStepsText(s));
  SetDlgItemText(res::IDC_DATAVIEW_FEMALE_RATIO, data::FemaleRatioText(s));

  const std::array<data::SpeciesId, 2> pre = data::PreEvolutionPair(s);
  pre1 = pre[0];
  pre2 = pre[1];
  SetDlgItemText(res::IDC_DATAVIEW_PRE1, NameOrNothing(pre1));
  SetDlgItemText(res::IDC_DATAVIEW_PRE2, NameOrNothing(pre2));

  auto& descendants = Item<ComboBox>(res::IDC_DATAVIEW_DESCENDANTS);
  descendants.ResetContent();
  std::size_t slot = 0;
  for (data::SpeciesId next : data::Descendants(s)) {
    if (slot == evolutions.size()) break;
    evolutions[slot++] = next;
    descendants.AddString(Blank(data::SpeciesName(next)));
  }
  if (slot == 0) descendants.AddString(" － ");
  descendants.SetCurSel(0);
}

void CDataViewDlg::ShowStats(data::SpeciesId s) {
  const data::TypeMatchup matchup =
      data::TypeMatchupText(data::Species(s).type1, data::Species(s).type2);
  SetDlgItemText(res::IDC_DATAVIEW_RESISTANCE, matchup.resistance);
  SetDlgItemText(res::IDC_DATAVIEW_WEAKNESS, matchup.weakness);
  const data::StatBlock base = data::BaseStats(s);
  const int level = Position(Item<ComboBox>(res::IDC_DATAVIEW_LEVEL)) + 1;
  for (int k = 0; k < data::STAT_COUNT; ++k) {
    // Individual and effort values 0 and a neutral nature; no fixed HP in this view.
    const int atLevel =
        k == data::STAT_HP ? base[k] * level / 50 + level + 10 : base[k] * level / 50 + 5;
    SetDlgItemText(res::IDC_DATAVIEW_BASE_STATS[k], text::Format("%d", base[k]));
    SetDlgItemText(res::IDC_DATAVIEW_LEVEL_STATS[k], text::Format("%d", atLevel));
  }
}

void CDataViewDlg::ShowMoves(data::SpeciesId s) {
  data::MoveListOptions options;
  options.levelUp = IsDlgButtonChecked(res::IDC_DATAVIEW_LEVEL_UP) != 0;
  options.machine = IsDlgButtonChecked(res::IDC_DATAVIEW_MACHINE) != 0;
  options.egg = IsDlgButtonChecked(res::IDC_DATAVIEW_EGG) != 0;
  options.special = IsDlgButtonChecked(res::IDC_DATAVIEW_SPECIAL) != 0;
  options.withPreEvolutions = IsDlgButtonChecked(res::IDC_DATAVIEW_WITH_PRE) != 0;
  options.versions = {IsDlgButtonChecked(res::IDC_DATAVIEW_DP) != 0,
                      IsDlgButtonChecked(res::IDC_DATAVIEW_PT) != 0,
                      IsDlgButtonChecked(res::IDC_DATAVIEW_HGSS) != 0};
  options.categoryFilter = Position(Item<ComboBox>(res::IDC_DATAVIEW_CATEGORY));
  options.typeFilter = Position(Item<ComboBox>(res::IDC_DATAVIEW_MOVE_TYPE));
  options.dpPtDifference = IsDlgButtonChecked(res::IDC_DATAVIEW_DP_PT_DIFF) != 0;
  options.ptHgssDifference = IsDlgButtonChecked(res::IDC_DATAVIEW_PT_HGSS_DIFF) != 0;

  const data::LearnableMoves moves = data::BuildLearnableMoves(s, options);
  // The buttons keep their captions; only where they lead changes.
  pre1 = moves.preEvolutions[0];
  pre2 = moves.preEvolutions[1];
  ListView& list = Item<ListView>(res::IDC_DATAVIEW_MOVES);
  list.DeleteAllItems();
  for (const data::LearnableMoveRow& row : moves.rows) {
    const int item = list.InsertItem(-1, row.number);
    list.SetItemText(item, MOVE_COLUMN_METHOD, row.method);
    list.SetItemText(item, MOVE_COLUMN_NAME, row.name);
    list.SetItemText(item, MOVE_COLUMN_TYPE, row.type);
    list.SetItemText(item, MOVE_COLUMN_CATEGORY, row.category);
    list.SetItemText(item, MOVE_COLUMN_POWER, row.power);
    list.SetItemText(item, MOVE_COLUMN_ACCURACY, row.accuracy);
    list.SetItemText(item, MOVE_COLUMN_PP, row.pp);
    list.SetItemText(item, MOVE_COLUMN_TARGET, row.target);
    list.SetItemData(item, data::RowKey(row));
  }
}

void CDataViewDlg::OnPre1() {
  if (pre1 != data::NO_SPECIES) ShowSpecies(pre1);
}

void CDataViewDlg::OnPre2() {
  if (pre2 != data::NO_SPECIES) ShowSpecies(pre2);
}

void CDataViewDlg::OnShowDescendant() {
  const int index = Item<ComboBox>(res::IDC_DATAVIEW_DESCENDANTS).GetCurSel();
  if (index < 0 || index >= EVOLUTION_SLOTS) return;
  if (evolutions[index] != data::NO_SPECIES) ShowSpecies(evolutions[index]);
}

void CDataViewDlg::OnFilterChange() {
  ShowSpecies(number);
}

void CDataViewDlg::OnDifferenceChange() {
  const bool normal = IsDlgButtonChecked(res::IDC_DATAVIEW_DP_PT_DIFF) == 0;
  for (const CheckKey& check : CHECK_KEYS) GetDlgItem(check.id)->EnableWindow(normal);
  ShowSpecies(number);
}

void CDataViewDlg::OnSortMoves() {
  ListView& list = Item<ListView>(res::IDC_DATAVIEW_MOVES);
  const int column = list.GetLastColumnClick();
  const bool descending = sortState == column + 1;
  list.SortItems([column, descending](ItemData a, ItemData b) {
    const std::int32_t first = SortValue(column, static_cast<std::int32_t>(a));
    const std::int32_t second = SortValue(column, static_cast<std::int32_t>(b));
    return (descending ? first < second : first > second) ? 1 : 0;
  });
  sortState = descending ? 0 : column + 1;
}

}  // namespace kerumina::ui
