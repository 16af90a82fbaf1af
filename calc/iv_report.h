// The texts of the IV judgement: the plain-text report that goes to the clipboard, the
// threshold and confirm lines and the hidden-power lines. Built here, apart from any
// window, so that the judgement window and the command line print the same bytes.
// Texts are UTF-8; widths of %s count cp932 bytes; the report ends its lines with CR LF.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "calc/iv.h"
#include "calc/iv_possible.h"
#include "data/species.h"
#include "data/types.h"

namespace kerumina::calc {

// " lo:thLo～hi:thHi "; NO_EV_THRESHOLD shows as "－".
std::string EvThresholdText(std::int32_t lo, std::int32_t thresholdLo, std::int32_t hi,
                            std::int32_t thresholdHi);

// "あめ： k 個 ドーピング： v 個　Ｖ確定能力値： s".
std::string ConfirmLevelText(const ConfirmLevel& confirm);

// One hidden-power line without its line end: the type name padded to 8 cp932 bytes and
// the power range.
std::string HiddenPowerLine(data::TypeId type, const HiddenPowerRange& range);

// The lines of every occurring type in ascending TypeId order.
std::vector<std::string> HiddenPowerLines(const HiddenPowerRanges& ranges);

// A set of possible IVs: runs of consecutive values as "lo～hi", single values alone,
// joined by "," ("0～3,5,10～12"); "－" when empty.
std::string IvSetText(IvMask mask);

// The same for a narrow cell: broken after the comma nearest the middle when long.
std::string IvSetCellText(IvMask mask);

// What the player knows beyond the shown stats: the EVs the creature already has and its
// characteristic.
struct IvFacts {
  data::StatBlock evs{};
  int characteristic = NO_CHARACTERISTIC;
};

struct IvReportInput {
  data::SpeciesId species = 0;
  std::int32_t level = 1;
  data::NatureId nature = 0;
  IvBounds bounds{};
  data::StatBlock determinedStats{};
  bool showHiddenPower = false;
  // HiddenPowerCandidates' answer; nothing when it was not computed.
  std::optional<HiddenPowerRanges> hiddenPower;
  IvFacts facts{};
  PossibleIvs possible{};
};

// Header line, six stat lines, with a characteristic its line and each stat's possible
// IVs, with EVs their line and, when switched on and computed, the hidden-power section
// (its header stands alone when no combination exists).
std::string BuildIvReport(const IvReportInput& input);

// Everything one evaluation of the judgement shows, from species, level, nature, bounds,
// the hidden-power switch and the facts.
struct IvEvaluation {
  std::array<std::int32_t, data::STAT_COUNT> thresholdLo{};
  std::array<std::int32_t, data::STAT_COUNT> thresholdHi{};
  data::StatBlock determinedStats{};
  PossibleIvs possible;
  std::optional<HiddenPowerRanges> hiddenPower;  // switched off or not computed: nothing
  std::string report;
};

IvEvaluation EvaluateIvs(data::SpeciesId species, std::int32_t level, data::NatureId nature,
                         const IvBounds& bounds, bool showHiddenPower, const IvFacts& facts = {});

}  // namespace kerumina::calc
