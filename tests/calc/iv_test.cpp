#include "calc/iv.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

#include "calc/hidden_power.h"
#include "calc/iv_possible.h"
#include "calc/iv_report.h"
#include "calc/stats.h"
#include "tests/case_file.h"
#include "text/cp932.h"

namespace kerumina::calc {
namespace {

using namespace data;

constexpr SpeciesId MEW = 150;     // every base stat 100
constexpr SpeciesId DIGLETT = 49;  // HP 10
constexpr NatureId SERIOUS = 24;
constexpr NatureId LONELY = 0;  // Atk 11, Def 9

IvBounds Uniform(std::int32_t lo, std::int32_t hi) {
  IvBounds bounds;
  bounds.fill({lo, hi});
  return bounds;
}

IvMask Ivs(std::int32_t lo, std::int32_t hi, std::int32_t step = 1) {
  IvMask mask = 0;
  for (std::int32_t iv = lo; iv <= hi; iv += step) mask |= 1u << iv;
  return mask;
}

// The stats the lists below stand on. The EV is quartered before it is added (3 EVs add nothing). A
// hindering nature keeps the stat when the core rises by one (10*9/10 = 11*9/10). For HP, at an odd
// sum one quartered EV already lifts the core; at an even one it takes two.
TEST(CalcStat, WorkedValues) {
  EXPECT_EQ((std::array{CalcStat(100, 31, 3, 50, 10), CalcStat(100, 31, 252, 100, 11),
                        CalcStat(250, 0, 0, 1, 9), CalcStat(250, 0, 400, 1, 9)}),
            (std::array{120, 328, 9, 9}));
  EXPECT_EQ((std::array{CalcHp(100, 31, 3, 50), CalcHp(100, 31, 4, 50), CalcHp(100, 0, 4, 50),
                        CalcHp(100, 0, 8, 50), CalcHp(100, 31, 252, 100)}),
            (std::array{175, 176, 160, 161, 404}));
}

TEST(CalcStatBlock, SpeedStoredFourthNaturePerStatFixedHp) {
  const std::int32_t charmander[] = {39, 52, 43, 60, 50, 65};  // stored 39 52 43 65 60 50
  for (int d = 0; d < STAT_COUNT; ++d) EXPECT_EQ(BaseStat(3, d), charmander[d]);

  const StatBlock ivs = {31, 31, 31, 31, 31, 31}, evs = {252, 252, 252, 252, 252, 252};
  const NatureId timid = 16;
  EXPECT_EQ(CalcStatBlock(MEW, 50, timid, ivs, evs), (StatBlock{207, 136, 152, 152, 152, 167}));

  EXPECT_EQ(CalcStatOf(FIXED_HP_SPECIES, 50, SERIOUS, STAT_HP, 31, 0), 76);
  const StatBlock stats = CalcStatBlock(FIXED_HP_SPECIES, 50, SERIOUS, ivs, {252});
  EXPECT_EQ(stats[STAT_HP], 1);
  EXPECT_EQ(stats[STAT_ATK], CalcStat(90, 31, 0, 50, 10));
}

// The lists themselves: the stat formula below.
TEST(BuildIvCandidates, TextsAndPacking) {
  EXPECT_EQ(IvCandidateText(BuildIvCandidates(MEW, 50, SERIOUS, STAT_HP)[0]), "160：0～1");
  EXPECT_EQ(IvCandidateText(BuildIvCandidates(MEW, 100, SERIOUS, 0).back()), "341：31");
  EXPECT_EQ(UnpackIvCandidate(PackIvCandidate({714, 30, 31})), (IvCandidate{714, 30, 31}));
}

// Every list covers 0..31 once in rising order, each candidate's IVs giving its stat; the
// EV threshold is the first EV 4 apart that changes the stat; no confirm level lies beyond
// 100.
TEST(BuildIvCandidates, EverySpeciesAgreesWithTheStatFormula) {
  for (SpeciesId species = 0; species < SPECIES_COUNT; ++species)
    for (NatureId nature : {LONELY, SERIOUS})
      for (int d = 0; d < STAT_COUNT; ++d) {
        const std::pair<std::int32_t, std::int32_t> levelsAndEvs[] = {
            {1, 0}, {2, 0}, {37, 0}, {50, 0}, {99, 0}, {100, 0}, {2, 252}, {50, 252}, {100, 252}};
        for (const auto& [level, ev] : levelsAndEvs) {
          std::int32_t next = 0, previous = -1;
          for (const IvCandidate& c : BuildIvCandidates(species, level, nature, d, ev)) {
            ASSERT_EQ(c.ivLo, next) << species << " " << level << " " << d << " " << ev;
            ASSERT_LE(c.ivLo, c.ivHi);
            ASSERT_GT(c.stat, previous);
            for (std::int32_t iv = c.ivLo; iv <= c.ivHi; ++iv)
              ASSERT_EQ(CalcStatOf(species, level, nature, d, iv, ev), c.stat);
            next = c.ivHi + 1, previous = c.stat;
          }
          ASSERT_EQ(next, IV_MAX + 1);
        }
        for (const std::int32_t level : {1, 50})
          for (const std::int32_t iv : {0, 31}) {
            const std::int32_t stat = CalcStatOf(species, level, nature, d, iv, 0);
            std::int32_t threshold = 4;
            while (CalcStatOf(species, level, nature, d, iv, threshold) == stat) threshold += 4;
            ASSERT_EQ(EvThreshold(species, level, nature, d, iv), threshold) << species << " " << d;
          }
        EXPECT_EQ(FindConfirmLevel(species, 100, nature, d).candies, 0);
        EXPECT_LE(FindConfirmLevel(species, 99, nature, d).candies, 1);
      }
}

// Fewer level-ups win over fewer dopings: base 45 HP from level 1 first separates 31 from 30
// at level 7 with EV 90. Dopings only while the EV stays at most 100 (90 -> 100 is allowed,
// 91 -> 101 and 96 -> 106 are not). ピジョン's Speed with EV 104 separates only after 49
// level-ups, the most searched. A hindering nature can leave no EV that raises a stat:
// core 5 -> 6, but 10 * 9 / 10 = 11 * 9 / 10.
TEST(FindConfirmLevel, WorkedValuesAndEvThresholds) {
  const std::tuple<SpeciesId, std::int32_t, int, std::int32_t, ConfirmLevel> confirms[] = {
      {MEW, 50, STAT_HP, 0, {0, 2, 178}},  {MEW, 50, STAT_ATK, 0, {0, 2, 123}},
      {0, 1, STAT_HP, 0, {6, 9, 27}},      {16, 2, STAT_SPEED, 104, {49, 0, 106}},
      {16, 1, STAT_SPEED, 104, {}},        {3, 3, STAT_HP, 0, {0, 10, 17}},
      {MEW, 50, STAT_HP, 90, {0, 1, 188}}, {MEW, 50, STAT_HP, 91, {1, 0, 190}},
      {MEW, 50, STAT_HP, 96, {1, 0, 191}}, {MEW, 50, STAT_HP, 104, {1, 0, 192}}};
  for (const auto& [species, level, d, ev, confirm] : confirms)
    EXPECT_EQ(FindConfirmLevel(species, level, SERIOUS, d, ev), confirm) << d << " " << ev;
  EXPECT_EQ(EvThreshold(MEW, 50, SERIOUS, STAT_HP, 0, 252), 256);
  EXPECT_EQ(EvThreshold(MEW, 50, SERIOUS, STAT_HP, 1, 252), 260);
  EXPECT_EQ(EvThresholdOfBase(STAT_ATK, 250, 1, 9, 0), NO_EV_THRESHOLD);
  EXPECT_NE(EvThresholdOfBase(STAT_ATK, 250, 1, 10, 0), NO_EV_THRESHOLD);
  EXPECT_NE(EvThresholdOfBase(STAT_HP, 250, 1, 9, 0), NO_EV_THRESHOLD);
  EXPECT_TRUE(IsValidEvSpread({255, 255, 0, 0, 0, 0}));
  EXPECT_FALSE(IsValidEvSpread({255, 255, 1, 0, 0, 0}));
  EXPECT_FALSE(IsValidEvSpread({256, 0, 0, 0, 0, 0}));
  EXPECT_FALSE(IsValidEvSpread({0, 0, 0, -1, 0, 0}));
}

TEST(NarrowBounds, IntersectsOverlappingPicksOnly) {
  const std::tuple<IvBound, IvCandidate, IvBound, bool> cases[] = {
      {{0, 31}, {160, 0, 1}, {0, 1}, true},
      {{0, 1}, {160, 0, 1}, {0, 1}, false},       // already equal
      {{0, 1}, {161, 2, 3}, {0, 1}, false},       // outside
      {{10, 20}, {170, 20, 25}, {20, 20}, true},  // touches at either end
      {{10, 20}, {165, 5, 10}, {10, 10}, true},
      {{20, 10}, {165, 12, 15}, {20, 10}, false},  // inverted bounds never overlap
      {{0, 15}, {101, 10, 31}, {10, 15}, true},    // a pick at a second level
  };
  for (const auto& [before, picked, after, changed] : cases) {
    IvBounds bounds = Uniform(0, 31);
    bounds[STAT_DEF] = before;
    EXPECT_EQ(NarrowBounds(bounds, STAT_DEF, picked), changed);
    EXPECT_EQ(bounds[STAT_DEF], after);
    EXPECT_EQ(bounds[STAT_HP], (IvBound{0, 31}));
  }
  const IvCandidateList list = BuildIvCandidates(MEW, 50, SERIOUS, STAT_HP);
  // Inverted bounds follow the rule literally: the first candidate with ivLo <= 20, ivHi >= 10.
  const std::pair<IvBound, std::int32_t> determined[] = {
      {{0, 31}, 0}, {{10, 11}, 165}, {{10, 10}, 165}, {{10, 12}, 0}, {{20, 10}, 165}};
  for (const auto& [bound, stat] : determined)
    EXPECT_EQ(DeterminedStat(list, bound.lo, bound.hi), stat);
  EXPECT_EQ(DeterminedStat(BuildIvCandidates(DIGLETT, 1, SERIOUS, STAT_HP), 0, 31), 11);
}

// Four open stats are not computed; three are, as the plain enumeration has them.
TEST(HiddenPower, OpenLimitAndThreeOpenStats) {
  IvBounds bounds = Uniform(-5, 40);  // wider than the IVs still counts as open
  bounds[0] = bounds[1] = {31, 31};
  EXPECT_FALSE(HiddenPowerCandidates(bounds).has_value());
  EXPECT_FALSE(HiddenPowerCandidatesByEnumeration(bounds).has_value());
  for (std::int32_t fixed : {0, 1, 2, 3, 30, 31}) {
    bounds = Uniform(0, 31);
    bounds[STAT_HP] = bounds[STAT_SPATK] = bounds[STAT_SPEED] = {fixed, fixed};
    EXPECT_EQ(HiddenPowerCandidates(bounds), HiddenPowerCandidatesByEnumeration(bounds));
  }
}

TEST(Characteristic, EachTextNamesItsStatAndRemainder) {
  int index = 0;
  for (const test::Case& c : test::ReadCases("characteristics.tsv", 3)) {
    EXPECT_EQ(CharacteristicText(index), c[0]);
    EXPECT_EQ(CharacteristicOf(index), (Characteristic{std::stoi(c[1]), std::stoi(c[2])})) << index;
    ++index;
  }
  EXPECT_EQ(index, CHARACTERISTIC_COUNT);
}

// Characteristics 4: HP remainder 4, 6: Atk 1, 9: Atk 4, 16: Speed 1.
TEST(JudgePossibleIvs, PinsTiesAndContradictions) {
  IvBounds open = Uniform(0, 31), pinned = open, contradicted = open, ties = open, low = open;
  low[STAT_HP] = {0, 3};
  pinned[STAT_HP] = {25, 31}, pinned[STAT_ATK] = {20, 31};
  contradicted[STAT_ATK] = {28, 31}, contradicted[STAT_HP] = {30, 31};
  ties[STAT_ATK] = ties[STAT_SPEED] = {31, 31};
  const IvMask u29 = Ivs(0, 29), all = Ivs(0, 31), top = Ivs(31, 31), zero = Ivs(0, 0);
  const std::tuple<IvBounds, int, PossibleIvs> cases[] = {
      {open, 4, {{Ivs(4, 29, 5), u29, u29, u29, u29, u29}, STAT_HP}},
      {low, 0, {{zero, zero, zero, zero, zero, zero}, STAT_HP}},
      {pinned, 9, {{Ivs(25, 29), Ivs(29, 29), u29, u29, u29, u29}, STAT_ATK}},
      {contradicted, 9, {{Ivs(30, 31), Ivs(28, 31), all, all, all, all}, NO_HIGHEST, true}},
      {ties, 6, {{all, top, all, all, all, top}, STAT_ATK}},
      {ties, 16, {{all, top, all, all, all, top}, STAT_SPEED}},
  };
  for (const auto& [bounds, characteristic, possible] : cases)
    EXPECT_EQ(JudgePossibleIvs(bounds, characteristic), possible) << characteristic;
}

// Against the plain reading of the rules: every full set of six IVs within small random
// bounds (now and then one open, a few inverted) whose named stat, if any, has the
// remainder and no lower IV than any other. Without any, the characteristic is left out.
TEST(JudgePossibleIvs, MatchesPlainEnumerationOfJointPossibilities) {
  std::mt19937 rng(1805);
  const auto uniform = [&](int lo, int hi) { return std::uniform_int_distribution(lo, hi)(rng); };
  for (int round = 0; round < 400; ++round) {
    const int characteristic = uniform(NO_CHARACTERISTIC, CHARACTERISTIC_COUNT - 1);
    const auto [s, remainder] =
        characteristic == NO_CHARACTERISTIC ? Characteristic{-1} : CharacteristicOf(characteristic);
    const int centre = uniform(2, 29);
    IvBounds b;
    for (int d = 0, open = uniform(0, 15); d < STAT_COUNT; ++d) {
      const std::int32_t lo = std::clamp(centre + (d == s ? 4 : 0) + uniform(-6, 3), 0, IV_MAX);
      const std::int32_t hi = uniform(0, 39) == 0 ? lo - 1 : std::min(IV_MAX, lo + uniform(0, 3));
      b[d] = d == open ? IvBound{0, IV_MAX} : IvBound{lo, hi};
    }
    IvMasks seen{};
    HiddenPowerRanges hiddenPower{};
    StatBlock v;
    for (v[0] = b[0].lo; v[0] <= b[0].hi; ++v[0])
      for (v[1] = b[1].lo; v[1] <= b[1].hi; ++v[1])
        for (v[2] = b[2].lo; v[2] <= b[2].hi; ++v[2])
          for (v[3] = b[3].lo; v[3] <= b[3].hi; ++v[3])
            for (v[4] = b[4].lo; v[4] <= b[4].hi; ++v[4])
              for (v[5] = b[5].lo; v[5] <= b[5].hi; ++v[5]) {
                const bool highest = s < 0 || *std::max_element(v.begin(), v.end()) == v[s];
                if (!highest || (s >= 0 && v[s] % 5 != remainder)) continue;
                for (int d = 0; d < STAT_COUNT; ++d) seen[d] |= 1u << v[d];
                hiddenPower[HiddenPowerType(v)].Include(HiddenPowerPower(v));
              }
    const PossibleIvs possible = JudgePossibleIvs(b, characteristic);
    const bool any = seen[0] != 0;
    ASSERT_EQ(possible.contradicted, s >= 0 && !any) << round;
    ASSERT_EQ(possible.masks, any ? seen : JudgePossibleIvs(b, NO_CHARACTERISTIC).masks) << round;
    ASSERT_EQ(HiddenPowerCandidates(b, possible),
              any ? hiddenPower : HiddenPowerCandidatesByEnumeration(b))
        << round;
  }
  // IV 0 the highest: every other IV is 0 too.
  EXPECT_TRUE(HiddenPowerCandidates(Uniform(0, 5), JudgePossibleIvs(Uniform(0, 5), 0)));
}

// Reports leave the program as cp932: compare there, so a character without a code fails.
void ExpectSameCp932(const std::string& actual, const std::string& expected) {
  const text::Cp932Conversion a = text::Utf8ToCp932(actual);
  ASSERT_TRUE(a.ok) << "no cp932 code at byte " << a.badOffset;
  EXPECT_EQ(a.bytes, text::Utf8ToCp932(expected).bytes) << actual;
}

const std::string HEADER = "種族：ミュウ　ＬＶ： 50　性格：まじめ　　（変化無し）\r\n";
const std::string HP_SECTION = "\r\n 可能性のある「めざパ」一覧\r\n";

TEST(EvaluateIvs, ReportThresholdsAndHiddenPower) {
  IvBounds bounds = Uniform(31, 31);
  bounds[STAT_HP] = {30, 31};  // type bit 0 of HP open: ドラゴン or あく
  const IvEvaluation result = EvaluateIvs(MEW, 50, SERIOUS, bounds, true);
  ExpectSameCp932(result.report, HEADER +
                                     "ＨＰ：175 ( 30 ～ 31 )\r\n攻撃：120 ( 31 ～ 31 )\r\n"
                                     "防御：120 ( 31 ～ 31 )\r\n特攻：120 ( 31 ～ 31 )\r\n"
                                     "特防：120 ( 31 ～ 31 )\r\n素早：120 ( 31 ～ 31 )\r\n" +
                                     HP_SECTION + "ドラゴン:70-70 \r\nあく    :70-70 \r\n");
  EXPECT_EQ(std::pair(result.thresholdLo[STAT_HP], result.thresholdHi[STAT_HP]), std::pair(8, 4));
  EXPECT_EQ(EvThresholdText(0, 8, 31, 4), " 0:8～31:4 ");
  EXPECT_EQ(EvThresholdText(0, NO_EV_THRESHOLD, 31, 4), " 0:－～31:4 ");
  EXPECT_EQ(ConfirmLevelText({1, 2, 178}), "あめ： 1 個 ドーピング： 2 個　Ｖ確定能力値： 178");
  // The section needs the switch and at most three open stats; bounds admitting no
  // combination leave its header alone.
  bounds = Uniform(0, 31);
  bounds[0] = bounds[1] = {31, 31};
  EXPECT_EQ(EvaluateIvs(MEW, 50, SERIOUS, bounds, true).report.find("めざパ"), std::string::npos);
  bounds[2] = {31, 31};
  EXPECT_NE(EvaluateIvs(MEW, 50, SERIOUS, bounds, true).report.find("めざパ"), std::string::npos);
  EXPECT_EQ(EvaluateIvs(MEW, 50, SERIOUS, bounds, false).report.find("めざパ"), std::string::npos);
  bounds = Uniform(31, 31);
  bounds[STAT_SPEED] = {20, 10};
  // The determined stat follows its rule literally: IVs 10..11 hold 20 >= lo and 10 <= hi.
  EXPECT_TRUE(EvaluateIvs(MEW, 50, SERIOUS, bounds, true)
                  .report.ends_with("素早：110 ( 20 ～ 10 )\r\n" + HP_SECTION));
}

// EV 252 makes HP IV 0 show 191. Atk 28..31 with "ちのけが おおい" leaves 29 and caps
// the others; Def from 30 up contradicts it.
TEST(EvaluateIvs, FactsShiftStatsAndAddTheirLines) {
  IvBounds bounds = Uniform(0, 31);
  bounds[STAT_HP] = {0, 0};
  bounds[STAT_ATK] = {28, 31};
  const IvEvaluation result =
      EvaluateIvs(MEW, 50, SERIOUS, bounds, false, {{252, 0, 0, 6, 0, 4}, 9});
  EXPECT_EQ(result.determinedStats[STAT_HP], 191);
  ExpectSameCp932(result.report.substr(result.report.find("個性")),
                  "個性：ちのけが おおい\r\nＨＰ候補：0\r\n攻撃候補：29\r\n防御候補：0～29\r\n"
                  "特攻候補：0～29\r\n特防候補：0～29\r\n素早候補：0～29\r\n"
                  "努力値：252/0/0/6/0/4\r\n");
  bounds[STAT_DEF] = {30, 31};
  EXPECT_NE(
      EvaluateIvs(MEW, 50, SERIOUS, bounds, false, {{}, 9})
          .report.find(
              "個性：ちのけが おおい\r\n個性と合いません\r\nＨＰ候補：0\r\n攻撃候補：28～31\r\n"),
      std::string::npos);
}

// Runs of IVs as text; a long cell breaks after the comma nearest its middle (the first of
// two as near), against a plain re-computation on random sets.
TEST(IvSetText, RunsJoinedByCommasAndCellsBrokenInTheMiddle) {
  const std::pair<IvMask, const char*> cases[] = {
      {0, "－"}, {0xFFFFFFFFu, "0～31"}, {0x1C2Fu, "0～3,5,10～12"}, {1u << 31, "31"}};
  for (const auto& [mask, text] : cases) EXPECT_EQ(IvSetText(mask), text) << mask;
  EXPECT_EQ(IvSetCellText(0x42108421u), "0,5,10,15,\n20,25,30");
  std::mt19937 rng(7);
  for (int round = 0; round < 2000; ++round) {
    const IvMask mask = rng() & rng();
    const std::string text = IvSetText(mask);
    const auto columns = static_cast<std::int64_t>(text::Cp932Length(text));
    std::string expected = text;
    std::int64_t best = columns;
    for (std::size_t at = 0; columns > 12 && at < text.size(); ++at) {
      if (text[at] != ',') continue;
      const auto before = static_cast<std::int64_t>(text::Cp932Length(text.substr(0, at + 1)));
      if (std::abs(2 * before - columns) >= best) continue;
      best = std::abs(2 * before - columns);
      expected = text.substr(0, at + 1) + "\n" + text.substr(at + 1);
    }
    ASSERT_EQ(IvSetCellText(mask), expected) << text;
  }
}

}  // namespace
}  // namespace kerumina::calc
