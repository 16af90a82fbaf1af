#include "search/search.h"

#include "text/sort_order.h"

namespace kerumina::search {

namespace {

using data::SpeciesId;

bool PassesStats(const SearchConditions& c, SpeciesId s) {
  const data::SpeciesRecord& record = data::Species(s);
  for (int k = 0; k < data::STAT_COUNT; ++k) {
    if (record.base[k] < c.lower[k] || record.base[k] > c.upper[k]) return false;
  }
  return true;
}

bool PassesTypes(const SearchConditions& c, SpeciesId s) {
  const data::TypeId t1 = data::Species(s).type1;
  const data::TypeId t2 = data::Species(s).type2;
  const auto has = [&](data::TypeId filter) {
    return filter == NO_TYPE_FILTER || filter == t1 || filter == t2;
  };
  if (!has(c.type1Filter) || !has(c.type2Filter)) return false;
  const bool sameFilterTwice = c.type1Filter != NO_TYPE_FILTER && c.type1Filter == c.type2Filter;
  return !sameFilterTwice || t1 == t2;
}

bool PassesEggGroup(const SearchConditions& c, SpeciesId s) {
  if (c.eggGroup == NO_EGG_GROUP_FILTER) return true;
  const data::EggRecord& egg = data::EGG_TABLE[s];
  return c.eggGroup == egg.eggGroup1 ||
         (egg.eggGroup2 != data::NO_EGG_GROUP && c.eggGroup == egg.eggGroup2);
}

bool PassesAbility(const SearchConditions& c, SpeciesId s) {
  if (c.ability == data::NO_ABILITY) return true;
  const data::SpeciesAbilities& abilities = data::SPECIES_ABILITIES[s];
  return c.ability == abilities.ability1 || c.ability == abilities.ability2;
}

// Moves found on one stage stay marked in conds, so in all mode the stages of a line
// together can satisfy the moves.
bool PassesMoves(const SearchConditions& c, SpeciesId s) {
  data::MoveConditions conds = c.moves;
  const auto match = [&](SpeciesId species) {
    return data::MatchLearnConditions(species, c.anyMode, c.methods, c.versions, conds);
  };
  bool ok = match(s);
  const SpeciesId p = data::PreEvolutionOf(s);
  if (!ok && p != data::NO_SPECIES) {
    ok = match(p);
    const SpeciesId q = data::PreEvolutionOf(p);
    if (!ok && q != data::NO_SPECIES) ok = match(q);
  }
  if (!ok && s == data::SHARED_LEARNSET_SPECIES) ok = match(data::SHARED_LEARNSET_SOURCE);
  return ok;
}

int CompareInts(std::int32_t a, std::int32_t b) {
  return a < b ? -1 : (a > b ? 1 : 0);
}

std::int32_t IntKey(int column, SpeciesId s) {
  const data::SpeciesRecord& record = data::Species(s);
  switch (column) {
    case COLUMN_TYPE1:
      return record.type1;
    case COLUMN_TYPE2:
      return record.type2;
    case COLUMN_ABILITY1:
      return data::SPECIES_ABILITIES[s].ability1;
    case COLUMN_ABILITY2:
      return data::SPECIES_ABILITIES[s].ability2;
    case COLUMN_HP:
    case COLUMN_ATK:
    case COLUMN_DEF:
    case COLUMN_SPATK:
    case COLUMN_SPDEF:
    case COLUMN_SPEED:
      return record.base[data::DISPLAY_TO_SPECIES_STAT[column - COLUMN_HP]];
    default:
      return s;
  }
}

}  // namespace

const StatBoundChoice STAT_BOUND_CHOICES[STAT_BOUND_CHOICE_COUNT] = {
    {" 無指定", NEUTRAL_UPPER, " 無指定", NEUTRAL_LOWER},
    {"150以下", 150, "150以上", 150},
    {"130以下", 130, "130以上", 130},
    {"120以下", 120, "120以上", 120},
    {"110以下", 110, "110以上", 110},
    {"105以下", 105, "105以上", 105},
    {"100以下", 100, "100以上", 100},
    {"95以下", 95, "95以上", 95},
    {"90以下", 90, "90以上", 90},
    {"80以下", 80, "80以上", 80},
    {"70以下", 70, "70以上", 70},
    {"50以下", 50, "50以上", 50},
};

std::int32_t UpperBoundAt(int position) {
  if (position < 0 || position >= STAT_BOUND_CHOICE_COUNT) position = 0;
  return STAT_BOUND_CHOICES[position].upperValue;
}

std::int32_t LowerBoundAt(int position) {
  if (position < 0 || position >= STAT_BOUND_CHOICE_COUNT) position = 0;
  return STAT_BOUND_CHOICES[position].lowerValue;
}

bool Matches(const SearchConditions& conditions, SpeciesId species) {
  return PassesStats(conditions, species) && PassesTypes(conditions, species) &&
         PassesEggGroup(conditions, species) && PassesAbility(conditions, species) &&
         data::PassesBattleRule(conditions.rule, species) && PassesMoves(conditions, species);
}

SearchResultRow BuildResultRow(SpeciesId species) {
  const data::SpeciesRecord& record = data::Species(species);
  const data::SpeciesAbilities& abilities = data::SPECIES_ABILITIES[species];
  const data::StatBlock base = data::BaseStats(species);
  SearchResultRow row{species, {}};
  row.texts[COLUMN_NUMBER] = std::to_string(species + 1);
  row.texts[COLUMN_NAME] = data::SpeciesName(species);
  row.texts[COLUMN_TYPE1] = data::TypeName(record.type1);
  row.texts[COLUMN_TYPE2] =
      record.type2 == record.type1 ? NONE_TEXT : std::string(data::TypeName(record.type2));
  row.texts[COLUMN_ABILITY1] = data::AbilityName(abilities.ability1);
  row.texts[COLUMN_ABILITY2] = abilities.ability2 == data::NO_ABILITY
                                   ? NONE_TEXT
                                   : std::string(data::AbilityName(abilities.ability2));
  for (int k = 0; k < data::STAT_COUNT; ++k) {
    row.texts[COLUMN_HP + k] = std::to_string(base[k]);
  }
  return row;
}

std::vector<SearchResultRow> RunSearch(const SearchConditions& conditions) {
  std::vector<SearchResultRow> rows;
  rows.reserve(data::SPECIES_COUNT);
  for (SpeciesId s = 0; s < data::SPECIES_COUNT; ++s) {
    if (s == data::EGG_SPECIES || s == data::DAMAGED_EGG_SPECIES) continue;
    if (Matches(conditions, s)) rows.push_back(BuildResultRow(s));
  }
  return rows;
}

int CompareByColumn(int column, SpeciesId a, SpeciesId b) {
  if (column == COLUMN_NAME) {
    return text::CompareCp932Codes(data::SpeciesName(a), data::SpeciesName(b));
  }
  return CompareInts(IntKey(column, a), IntKey(column, b));
}

bool SortsDescending(int sortState, int column) {
  return sortState == column + 1;
}

int NextSortState(int sortState, int column) {
  return SortsDescending(sortState, column) ? 0 : column + 1;
}

}  // namespace kerumina::search
