// CDataViewDlg: the species detail view, owned by the search window. It shows one species
// whole (names, types, abilities, breeding data, evolutions with buttons to jump along the
// line, stats, type matchups) and the moves it can learn under the chosen filters or as the
// differences between two game versions. Filters and the species shown are kept in the
// settings section "DataView".
#pragma once

#include <array>

#include "data/species.h"
#include "ui/tool_window_dlg.h"

namespace kerumina::ui {

class CDataViewDlg : public CToolWindowDlg {
 public:
  static constexpr int EVOLUTION_SLOTS = 10;

  explicit CDataViewDlg(CMainApp& app);

  // Fills the whole view for a species under the current filters.
  void ShowSpecies(data::SpeciesId species);

  data::SpeciesId number = 1;
  // What the pre-evolution buttons open; NO_SPECIES = nothing.
  data::SpeciesId pre1 = data::NO_SPECIES;
  data::SpeciesId pre2 = data::NO_SPECIES;
  std::array<data::SpeciesId, EVOLUTION_SLOTS> evolutions{};
  // 0, or column + 1 of the move-list column last sorted ascending.
  int sortState = 0;

 protected:
  bool OnInitDialog() override;
  void OnDestroy() override;
  const platform::MessageMap* GetMessageMap() const override;

 private:
  void OnPre1();
  void OnPre2();
  void OnShowDescendant();
  void OnFilterChange();
  void OnDifferenceChange();
  void OnSortMoves();
  void ShowHeader(data::SpeciesId species);
  void ShowStats(data::SpeciesId species);
  void ShowMoves(data::SpeciesId species);
};

}  // namespace kerumina::ui
