#include "data/learnable_moves.h"

#include <algorithm>

#include "data/learnsets.h"
#include "text/sort_order.h"

namespace kerumina::data {

std::vector<MovePickerItem> LearnableMoveItems(SpeciesId species) {
  std::vector<MovePickerItem> items;
  items.push_back({NO_MOVE_TEXT, NO_MOVE});
  if (IsValidSpecies(species)) {
    for (MoveId move = 0; move < MOVE_COUNT; ++move) {
      if (CanLearnAny(species, move)) items.push_back({std::string(MoveName(move)), move});
    }
  }
  items.push_back({EM_TUTOR_SEPARATOR, NO_MOVE});
  for (MoveId move : EM_TUTOR_LIST) {
    items.push_back({std::string(EM_TUTOR_PREFIX) + std::string(MoveName(move)), move});
  }
  // Stable, as the sorted control inserts: equal texts keep the order they came in.
  std::stable_sort(items.begin(), items.end(),
                   [](const MovePickerItem& a, const MovePickerItem& b) {
                     return text::JapaneseLess(a.text, b.text);
                   });
  return items;
}

}  // namespace kerumina::data
