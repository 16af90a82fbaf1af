#include "calc/hidden_power.h"

namespace kerumina::calc {
namespace {

std::int32_t BitSum(const data::StatBlock& ivs, int bit) {
  std::int32_t sum = 0;
  for (int storage = 0; storage < data::STAT_COUNT; ++storage) {
    // Walk storage order so that Speed carries weight 8.
    int display = 0;
    while (data::DISPLAY_TO_SPECIES_STAT[display] != storage) ++display;
    sum += ((ivs[display] >> bit) & 1) << storage;
  }
  return sum;
}

}  // namespace

std::int32_t HiddenPowerTypeBits(const data::StatBlock& ivs) {
  return BitSum(ivs, 0);
}
std::int32_t HiddenPowerPowerBits(const data::StatBlock& ivs) {
  return BitSum(ivs, 1);
}

data::TypeId HiddenPowerType(const data::StatBlock& ivs) {
  return HiddenPowerTypeFromBits(HiddenPowerTypeBits(ivs));
}

std::int32_t HiddenPowerPower(const data::StatBlock& ivs) {
  return HiddenPowerPowerFromBits(HiddenPowerPowerBits(ivs));
}

}  // namespace kerumina::calc
