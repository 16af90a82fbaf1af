#include "box/box.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "data/abilities.h"
#include "data/moves.h"
#include "data/species.h"
#include "data/types.h"

namespace kerumina::box {
namespace {

namespace fs = std::filesystem;

class BoxFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::random_device seed;
    dir_ = fs::temp_directory_path() / ("kerumina_box_test_" + std::to_string(seed()));
    fs::create_directories(dir_);
    box_ = std::make_unique<Box>();
  }
  void TearDown() override {
    std::error_code ignored;
    fs::permissions(dir_, fs::perms::owner_all, ignored);
    fs::remove_all(dir_, ignored);
  }

  fs::path PathOf(const char* name) const { return dir_ / name; }

  static void WriteBytes(const fs::path& path, const std::vector<char>& bytes) {
    std::ofstream file(path, std::ios::binary);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  }
  static std::vector<char> ReadBytes(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  }
  static void WriteBox(const fs::path& path, const Box& box, std::size_t bytes = BOX_FILE_BYTES) {
    const char* raw = reinterpret_cast<const char*>(box.entries.data());
    WriteBytes(path, std::vector<char>(raw, raw + bytes));
  }

  fs::path dir_;
  std::unique_ptr<Box> box_;
};

BoxEntry MakeEntry(const char* name, std::int32_t species) {
  BoxEntry entry{};
  std::strncpy(entry.name, name, NAME_MAX_TEXT_BYTES);
  entry.species = species;
  entry.level = 50;
  for (std::int32_t& stat : entry.stat) stat = 100;
  for (std::int32_t& move : entry.move) move = EMPTY_MOVE_SLOT;
  return entry;
}

bool IsAllZero(const BoxEntry& entry) {
  const BoxEntry zero{};
  return std::memcmp(&entry, &zero, sizeof entry) == 0;
}

void FillBox(Box& box, int count) {
  for (int i = 0; i < count; ++i) {
    box.entries[i] = MakeEntry(("e" + std::to_string(i)).c_str(), i % data::SPECIES_COUNT);
  }
}

TEST_F(BoxFileTest, SaveWritesTheRawArrayAndLoadRestoresItByteForByte) {
  std::mt19937 random(7);
  auto* raw = reinterpret_cast<unsigned char*>(box_->entries.data());
  for (std::size_t i = 0; i < BOX_FILE_BYTES; ++i) raw[i] = static_cast<unsigned char>(random());

  ASSERT_TRUE(SaveBox(*box_, PathOf(BOX_FILE_NAME)));
  const std::vector<char> file = ReadBytes(PathOf(BOX_FILE_NAME));
  ASSERT_EQ(file.size(), 147456u);
  EXPECT_EQ(std::memcmp(file.data(), raw, BOX_FILE_BYTES), 0);

  auto loaded = std::make_unique<Box>();
  ASSERT_TRUE(LoadBox(*loaded, PathOf(BOX_FILE_NAME)));
  EXPECT_EQ(std::memcmp(loaded->entries.data(), raw, BOX_FILE_BYTES), 0);
  EXPECT_FALSE(fs::exists(PathOf("kerumina.vbd.tmp")));
}

TEST_F(BoxFileTest, FieldsLandAtTheirOffsetsLittleEndian) {
  BoxEntry entry = MakeEntry("ab", 0x0102);
  entry.move[3] = 0x0304;
  box_->entries[1] = entry;
  ASSERT_TRUE(SaveBox(*box_, PathOf("a.vbd")));
  const std::vector<char> file = ReadBytes(PathOf("a.vbd"));
  const std::size_t base = 144;
  EXPECT_EQ(file[base + 0], 'a');
  EXPECT_EQ(file[base + 2], 0);
  EXPECT_EQ(file[base + 32], 0x02);
  EXPECT_EQ(file[base + 33], 0x01);
  EXPECT_EQ(file[base + 36], 50);
  EXPECT_EQ(file[base + 140], 0x04);
  EXPECT_EQ(file[base + 141], 0x03);
}

TEST_F(BoxFileTest, EmptyBoxSavesZeroBytesAndLoadsWithoutRows) {
  ASSERT_TRUE(SaveBox(*box_, PathOf("e.vbd")));
  const std::vector<char> file = ReadBytes(PathOf("e.vbd"));
  ASSERT_EQ(file.size(), BOX_FILE_BYTES);
  EXPECT_EQ(std::count(file.begin(), file.end(), 0), static_cast<long>(BOX_FILE_BYTES));
  ASSERT_TRUE(LoadBox(*box_, PathOf("e.vbd")));
  EXPECT_TRUE(ListRows(*box_).empty());
  EXPECT_EQ(AppendIndex(*box_), 0);
}

TEST_F(BoxFileTest, MissingFileGivesAnEmptyBox) {
  FillBox(*box_, 3);
  EXPECT_FALSE(LoadBox(*box_, PathOf("missing.vbd")));
  for (const BoxEntry& entry : box_->entries) ASSERT_TRUE(IsAllZero(entry));
}

TEST_F(BoxFileTest, ShortFileLeavesTheRestZero) {
  Box source{};
  FillBox(source, 3);
  WriteBox(PathOf("short.vbd"), source, 144 + 36);  // entry 0 whole, entry 1 up to `level`
  FillBox(*box_, 5);
  ASSERT_TRUE(LoadBox(*box_, PathOf("short.vbd")));
  EXPECT_EQ(std::memcmp(&box_->entries[0], &source.entries[0], sizeof(BoxEntry)), 0);
  EXPECT_EQ(NameCp932(box_->entries[1]), "e1");
  EXPECT_EQ(box_->entries[1].level, 0);
  EXPECT_TRUE(IsAllZero(box_->entries[2]));
  EXPECT_EQ(AppendIndex(*box_), 2);
}

TEST_F(BoxFileTest, LongFileIsReadUpToTheBoxSize) {
  Box source{};
  FillBox(source, BOX_CAPACITY);
  const char* raw = reinterpret_cast<const char*>(source.entries.data());
  std::vector<char> bytes(raw, raw + BOX_FILE_BYTES);
  bytes.resize(BOX_FILE_BYTES + 500, 'x');
  WriteBytes(PathOf("long.vbd"), bytes);
  ASSERT_TRUE(LoadBox(*box_, PathOf("long.vbd")));
  EXPECT_EQ(std::memcmp(box_->entries.data(), raw, BOX_FILE_BYTES), 0);
}

TEST_F(BoxFileTest, FirstRecordEmptyShowsNoRowsButKeepsTheBytes) {
  Box source{};
  FillBox(source, 4);
  source.entries[0] = BoxEntry{};
  WriteBox(PathOf("gap.vbd"), source);
  ASSERT_TRUE(LoadBox(*box_, PathOf("gap.vbd")));
  EXPECT_TRUE(ListRows(*box_).empty());
  ASSERT_TRUE(SaveBox(*box_, PathOf("gap2.vbd")));
  EXPECT_EQ(ReadBytes(PathOf("gap.vbd")), ReadBytes(PathOf("gap2.vbd")));
}

TEST_F(BoxFileTest, SaveReplacesAnExistingFile) {
  WriteBytes(PathOf("k.vbd"), std::vector<char>(10, 'z'));
  FillBox(*box_, 2);
  ASSERT_TRUE(SaveBox(*box_, PathOf("k.vbd")));
  EXPECT_EQ(ReadBytes(PathOf("k.vbd")).size(), BOX_FILE_BYTES);
}

TEST_F(BoxFileTest, FailedSaveReportsAndKeepsThePreviousFile) {
  const std::vector<char> previous(BOX_FILE_BYTES, 'p');
  WriteBytes(PathOf("k.vbd"), previous);
  // A directory where the temporary file goes makes the write fail, even for root.
  fs::create_directory(PathOf("k.vbd.tmp"));
  FillBox(*box_, 2);
  EXPECT_FALSE(SaveBox(*box_, PathOf("k.vbd")));
  EXPECT_EQ(ReadBytes(PathOf("k.vbd")), previous);
  EXPECT_FALSE(SaveBox(*box_, dir_ / "no_such_folder" / "k.vbd"));
}

TEST_F(BoxFileTest, SaveIntoUnwritableFolderReportsAndKeepsThePreviousFile) {
  const std::vector<char> previous(BOX_FILE_BYTES, 'p');
  WriteBytes(PathOf("k.vbd"), previous);
  fs::permissions(dir_, fs::perms::owner_read | fs::perms::owner_exec);
  if (std::ofstream(PathOf("probe")).is_open()) {
    GTEST_SKIP() << "permissions do not bind this user";
  }
  EXPECT_FALSE(SaveBox(*box_, PathOf("k.vbd")));
  EXPECT_EQ(ReadBytes(PathOf("k.vbd")), previous);
}

TEST(BoxEntryOps, MoveUpExchangesWithThePreviousEntry) {
  auto box = std::make_unique<Box>();
  FillBox(*box, 3);
  MoveUp(*box, 0);
  MoveUp(*box, -1);
  MoveUp(*box, BOX_CAPACITY);
  EXPECT_EQ(NameCp932(box->entries[0]), "e0");
  MoveUp(*box, 2);
  EXPECT_EQ(NameCp932(box->entries[1]), "e2");
  EXPECT_EQ(NameCp932(box->entries[2]), "e1");
}

TEST(BoxEntryOps, DeleteClosesTheGap) {
  auto box = std::make_unique<Box>();
  FillBox(*box, 3);
  Delete(*box, 1);
  EXPECT_EQ(NameCp932(box->entries[0]), "e0");
  EXPECT_EQ(NameCp932(box->entries[1]), "e2");
  EXPECT_TRUE(IsAllZero(box->entries[2]));
  Delete(*box, -1);
  Delete(*box, BOX_CAPACITY);
  EXPECT_EQ(AppendIndex(*box), 2);
}

TEST(BoxEntryOps, DeletingTheOnlyEntryEmptiesTheBox) {
  auto box = std::make_unique<Box>();
  FillBox(*box, 1);
  Delete(*box, 0);
  EXPECT_TRUE(IsAllZero(box->entries[0]));
  EXPECT_TRUE(ListRows(*box).empty());
}

TEST(BoxEntryOps, DeletingTheLastEntryOfAFullBox) {
  auto box = std::make_unique<Box>();
  FillBox(*box, BOX_CAPACITY);
  EXPECT_TRUE(IsFull(*box));
  Delete(*box, BOX_CAPACITY - 1);
  EXPECT_TRUE(IsAllZero(box->entries[BOX_CAPACITY - 1]));
  EXPECT_EQ(NameCp932(box->entries[BOX_CAPACITY - 2]), "e1022");
  EXPECT_EQ(AppendIndex(*box), BOX_CAPACITY - 1);
}

TEST(BoxEntryOps, AppendIsRefusedWhenFull) {
  auto box = std::make_unique<Box>();
  FillBox(*box, BOX_CAPACITY - 1);
  EXPECT_EQ(Append(*box, MakeEntry("last", 1)), BOX_CAPACITY - 1);
  const Box before = *box;
  EXPECT_EQ(AppendIndex(*box), BOX_CAPACITY);
  EXPECT_EQ(Append(*box, MakeEntry("over", 1)), BOX_CAPACITY);
  EXPECT_EQ(std::memcmp(before.entries.data(), box->entries.data(), BOX_FILE_BYTES), 0);
}

TEST(BoxEntryOps, ListRowsStopAtTheFirstEmptyEntry) {
  auto box = std::make_unique<Box>();
  FillBox(*box, 4);
  box->entries[2] = BoxEntry{};
  box->entries[1].species = 3;
  const std::vector<BoxListRow> rows = ListRows(*box);
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[1].name, "e1");
  EXPECT_EQ(rows[1].species, data::SpeciesName(3));
}

TEST(BoxEntryOps, UnknownSpeciesShowsADash) {
  for (std::int32_t species : {-1, 507, 0xFFFF, INT32_MIN, INT32_MAX}) {
    EXPECT_EQ(SpeciesText(MakeEntry("x", species)), "－") << species;
  }
  EXPECT_EQ(SpeciesText(MakeEntry("x", 506)), data::SpeciesName(506));
}

struct NameCase {
  const char* input;
  const char* stored;  // UTF-8 of what the slot holds
  std::size_t bytes;
};

class BoxNameTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(BoxNameTest, NameIsCutToWholeCharactersWithin31Bytes) {
  BoxEntry entry{};
  std::memset(entry.name, 'q', NAME_BYTES);
  ASSERT_TRUE(SetNameUtf8(entry, GetParam().input));
  EXPECT_EQ(NameCp932(entry).size(), GetParam().bytes);
  EXPECT_EQ(NameUtf8(entry), GetParam().stored);
  for (std::size_t i = GetParam().bytes; i < NAME_BYTES; ++i) ASSERT_EQ(entry.name[i], 0) << i;
}

INSTANTIATE_TEST_SUITE_P(
    Cuts, BoxNameTest,
    ::testing::Values(
        NameCase{"1234567890123456789012345678901", "1234567890123456789012345678901", 31},
        NameCase{"12345678901234567890123456789012", "1234567890123456789012345678901", 31},
        NameCase{"a"
                 "あいうえおかきくけこさしすせそ",
                 "a"
                 "あいうえおかきくけこさしすせそ",
                 31},
        // 16 double-byte characters: the 16th would straddle byte 31, so it goes whole.
        NameCase{"あいうえおかきくけこさしすせそた", "あいうえおかきくけこさしすせそ", 30},
        NameCase{"ｱｲｳ", "ｱｲｳ", 3}, NameCase{"", "", 0}),
    [](const ::testing::TestParamInfo<NameCase>& info) { return std::to_string(info.index); });

TEST(BoxName, UnencodableNameIsRefusedAndChangesNothing) {
  BoxEntry entry = MakeEntry("keep", 1);
  EXPECT_FALSE(SetNameUtf8(entry, "a\xF0\x9F\x98\x80"));
  EXPECT_EQ(NameCp932(entry), "keep");
}

TEST(BoxName, NameWithoutTerminatorStaysInsideItsSlot) {
  BoxEntry entry{};
  std::memset(entry.name, 'a', NAME_BYTES);
  entry.species = 0x41414141;
  EXPECT_EQ(NameCp932(entry).size(), NAME_BYTES);
  EXPECT_EQ(NameUtf8(entry), std::string(NAME_BYTES, 'a'));
}

// Each row: the field's lowest and highest valid values and one on each side.
TEST(BoxEntryValidity, EachFieldCheckAcceptsExactlyItsRange) {
  struct FieldCase {
    const char* field;
    std::int32_t BoxEntry::*member;
    bool (*check)(const BoxEntry&);
    std::int32_t lo;
    std::int32_t hi;
  };
  const FieldCase cases[] = {
      {"species", &BoxEntry::species, HasValidSpecies, 0, 506},
      {"level", &BoxEntry::level, HasValidLevel, 1, 100},
      {"nature", &BoxEntry::nature, HasValidNature, 0, 24},
      {"ability", &BoxEntry::ability, HasValidAbility, 0, 123},
      {"item", &BoxEntry::item, HasValidItem, 0, 16},
      {"statsEntered", &BoxEntry::statsEntered, HasValidStatsEntered, 0, 1},
  };
  for (const FieldCase& c : cases) {
    BoxEntry entry = MakeEntry("x", 0);
    entry.*c.member = c.lo;
    EXPECT_TRUE(c.check(entry)) << c.field;
    entry.*c.member = c.hi;
    EXPECT_TRUE(c.check(entry)) << c.field;
    entry.*c.member = c.lo - 1;
    EXPECT_FALSE(c.check(entry)) << c.field;
    entry.*c.member = c.hi + 1;
    EXPECT_FALSE(c.check(entry)) << c.field;
  }
}

TEST(BoxEntryValidity, ArrayFieldsFailOnAnySingleBadValue) {
  BoxEntry entry = MakeEntry("x", 0);
  EXPECT_TRUE(IsValidEntry(entry));
  for (int k = 0; k < 6; ++k) {
    BoxEntry e = entry;
    e.iv[k] = 256;
    EXPECT_FALSE(HasValidIvs(e));
    e = entry;
    e.ev[k] = -1;
    EXPECT_FALSE(HasValidEvs(e));
    e = entry;
    e.stat[k] = 0;
    EXPECT_FALSE(HasValidStats(e));
    e.stat[k] = 1000;
    EXPECT_FALSE(HasValidStats(e));
    e.stat[k] = 999;
    EXPECT_TRUE(HasValidStats(e));
  }
  for (int k = 0; k < 4; ++k) {
    BoxEntry e = entry;
    e.move[k] = 466;
    EXPECT_TRUE(HasValidMoves(e));
    e.move[k] = 467;
    EXPECT_FALSE(HasValidMoves(e));
    EXPECT_FALSE(IsValidEntry(e));
    e.move[k] = -1;
    EXPECT_FALSE(HasValidMoves(e));
  }
}

TEST_F(BoxFileTest, ImportAppendsNewRecordsAndCountsTheRegisteredOnes) {
  box_->entries[0] = MakeEntry("A", 1);
  box_->entries[1] = MakeEntry("B", 2);
  Box file{};
  file.entries[0] = MakeEntry("A", 1);  // registered
  file.entries[1] = MakeEntry("A", 3);  // same name, other species: new
  file.entries[3] = MakeEntry("C", 4);  // after an empty record: still read
  file.entries[4] = MakeEntry("C", 4);  // registered by the record before it
  file.entries[4].level = 7;            // other fields do not matter
  WriteBox(PathOf("in.vbd"), file);

  const ImportResult result = ImportBoxFile(*box_, PathOf("in.vbd"));
  EXPECT_EQ(result.status, ImportStatus::OK);
  EXPECT_EQ(result.added, 2);
  EXPECT_EQ(result.alreadyRegistered, 2);
  EXPECT_EQ(result.leftOut, 0);
  ASSERT_EQ(AppendIndex(*box_), 4);
  EXPECT_EQ(box_->entries[2].species, 3);
  EXPECT_EQ(NameCp932(box_->entries[3]), "C");
  EXPECT_EQ(box_->entries[3].level, 50);
}

TEST_F(BoxFileTest, ImportIntoANearlyFullBoxStopsAtTheLastIndex) {
  FillBox(*box_, BOX_CAPACITY - 1);
  Box file{};
  file.entries[0] = MakeEntry("e5", 5);  // registered
  file.entries[1] = MakeEntry("new1", 1);
  file.entries[2] = MakeEntry("new2", 1);
  file.entries[3] = MakeEntry("new3", 1);
  WriteBox(PathOf("in.vbd"), file);

  const ImportResult result = ImportBoxFile(*box_, PathOf("in.vbd"));
  EXPECT_EQ(result.added, 1);
  EXPECT_EQ(result.alreadyRegistered, 1);
  EXPECT_EQ(result.leftOut, 2);
  EXPECT_EQ(NameCp932(box_->entries[BOX_CAPACITY - 1]), "new1");
  EXPECT_EQ(ListRows(*box_).size(), static_cast<std::size_t>(BOX_CAPACITY));
}

TEST_F(BoxFileTest, ImportOfAShortFileTakesTheWholeRecordsItHolds) {
  Box file{};
  file.entries[0] = MakeEntry("S", 9);
  WriteBox(PathOf("short.vbd"), file, 100);  // the name and the first fields only
  const ImportResult result = ImportBoxFile(*box_, PathOf("short.vbd"));
  EXPECT_EQ(result.added, 1);
  EXPECT_EQ(box_->entries[0].species, 9);
  EXPECT_EQ(box_->entries[0].stat[0], 0);
}

TEST_F(BoxFileTest, ImportOfAnUnopenablePathLeavesTheBoxAlone) {
  FillBox(*box_, 2);
  const Box before = *box_;
  EXPECT_EQ(ImportBoxFile(*box_, PathOf("missing.vbd")).status, ImportStatus::OPEN_FAILED);
  EXPECT_EQ(ImportBoxFile(*box_, dir_).status, ImportStatus::OPEN_FAILED);
  EXPECT_EQ(std::memcmp(before.entries.data(), box_->entries.data(), BOX_FILE_BYTES), 0);
}

// Values near the edges of each range, and anything at all, so both sides of every check
// are taken.
std::int32_t FuzzValue(std::mt19937& random) {
  switch (random() % 4) {
    case 0:
      return static_cast<std::int32_t>(random());
    case 1:
      return static_cast<std::int32_t>(random() % 1100) - 50;
    case 2:
      return static_cast<std::int32_t>(0xFFFF + random() % 3 - 1);
    default:
      return static_cast<std::int32_t>(random() % 30);
  }
}

// What a consumer reads once a field passed its check: each lookup must stay in its table.
std::size_t TouchTables(const BoxEntry& entry) {
  std::size_t touched = 0;
  if (HasValidSpecies(entry)) touched += data::SpeciesName(entry.species).size();
  if (HasValidNature(entry)) touched += data::NatureLabel(entry.nature).size();
  if (HasValidAbility(entry)) touched += data::AbilityName(entry.ability).size();
  if (HasValidItem(entry)) touched += data::ItemName(entry.item).size();
  for (std::int32_t move : entry.move) {
    if (IsValidMoveSlot(move) && move != EMPTY_MOVE_SLOT) touched += data::MoveName(move).size();
  }
  return touched;
}

TEST_F(BoxFileTest, RandomRecordsLoadAndShowWithoutReadingOutsideATable) {
  std::mt19937 random(20240601);
  for (int round = 0; round < 4; ++round) {
    Box source{};
    for (BoxEntry& entry : source.entries) {
      auto* words = reinterpret_cast<std::int32_t*>(&entry);
      for (std::size_t w = 0; w < sizeof(BoxEntry) / 4; ++w) words[w] = FuzzValue(random);
      if (entry.name[0] == 0) entry.name[0] = 'n';  // keep every record in the list
    }
    WriteBox(PathOf("fuzz.vbd"), source);
    ASSERT_TRUE(LoadBox(*box_, PathOf("fuzz.vbd")));
    const std::vector<BoxListRow> rows = ListRows(*box_);
    ASSERT_EQ(rows.size(), static_cast<std::size_t>(BOX_CAPACITY));
    std::size_t touched = 0;
    for (int i = 0; i < BOX_CAPACITY; ++i) {
      const BoxEntry& entry = box_->entries[i];
      EXPECT_EQ(rows[i].species == "－", !HasValidSpecies(entry));
      touched += TouchTables(entry);
      touched += IsValidEntry(entry);
    }
    EXPECT_GT(touched, 0u);
    ASSERT_TRUE(SaveBox(*box_, PathOf("fuzz2.vbd")));
    EXPECT_EQ(ReadBytes(PathOf("fuzz.vbd")), ReadBytes(PathOf("fuzz2.vbd")));
    const ImportResult result = ImportBoxFile(*box_, PathOf("fuzz.vbd"));
    EXPECT_EQ(result.alreadyRegistered, BOX_CAPACITY);
  }
}

}  // namespace
}  // namespace kerumina::box
