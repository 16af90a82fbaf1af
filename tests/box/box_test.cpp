#include "box/box.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "data/species.h"

namespace kerumina::box {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<char>;

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

bool SameBytes(const Box& a, const Box& b) {
  return std::memcmp(a.entries.data(), b.entries.data(), BOX_FILE_BYTES) == 0;
}

// Boxes live on the heap: 147456 bytes.
std::unique_ptr<Box> FilledBox(int count) {
  auto box = std::make_unique<Box>();
  for (int i = 0; i < count; ++i) {
    box->entries[i] = MakeEntry(("e" + std::to_string(i)).c_str(), i % data::SPECIES_COUNT);
  }
  return box;
}

class BoxFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ =
        fs::temp_directory_path() / ("kerumina_box_test_" + std::to_string(std::random_device{}()));
    fs::create_directories(dir_);
  }
  void TearDown() override {
    std::error_code ignored;
    fs::remove_all(dir_, ignored);
  }

  fs::path PathOf(const char* name) const { return dir_ / name; }
  static void WriteBytes(const fs::path& path, const Bytes& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  }
  static Bytes ReadBytes(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  }

  fs::path dir_;
  std::unique_ptr<Box> box_ = std::make_unique<Box>();
};

// The file is the raw image of the array, written over the previous file through a
// temporary one; a failed write reports and leaves the previous file whole. A load starts
// from a zeroed box and reads what the file holds, up to the box's size.
TEST_F(BoxFileTest, SaveAndLoadTheRawArray) {
  std::mt19937 random(7);
  auto* raw = reinterpret_cast<unsigned char*>(box_->entries.data());
  for (std::size_t i = 0; i < BOX_FILE_BYTES; ++i) raw[i] = static_cast<unsigned char>(random());
  const fs::path path = PathOf(BOX_FILE_NAME);
  WriteBytes(path, Bytes(10, 'z'));
  ASSERT_TRUE(SaveBox(*box_, path));
  const Bytes file = ReadBytes(path);
  ASSERT_EQ(file.size(), 147456u);
  EXPECT_EQ(std::memcmp(file.data(), raw, BOX_FILE_BYTES), 0);
  EXPECT_FALSE(fs::exists(PathOf("kerumina.vbd.tmp")));

  Bytes longer = file;
  longer.resize(BOX_FILE_BYTES + 500, 'x');
  WriteBytes(PathOf("long.vbd"), longer);
  WriteBytes(PathOf("short.vbd"), Bytes(file.begin(), file.begin() + 180));  // 1.25 entries
  const std::unique_ptr<Box> loaded = FilledBox(5), shortBox = std::make_unique<Box>();
  std::memcpy(shortBox->entries.data(), file.data(), 180);
  ASSERT_TRUE(LoadBox(*loaded, PathOf("long.vbd")));
  EXPECT_TRUE(SameBytes(*loaded, *box_));
  ASSERT_TRUE(LoadBox(*loaded, PathOf("short.vbd")));
  EXPECT_TRUE(SameBytes(*loaded, *shortBox));
  EXPECT_FALSE(LoadBox(*loaded, PathOf("missing.vbd")));
  EXPECT_TRUE(IsAllZero(loaded->entries[0]));

  // A directory where the temporary file goes makes the write fail, even for root.
  fs::create_directory(PathOf("kerumina.vbd.tmp"));
  *box_ = Box{};
  EXPECT_FALSE(SaveBox(*box_, path));
  EXPECT_EQ(ReadBytes(path), file);
  EXPECT_FALSE(SaveBox(*box_, dir_ / "no_such_folder" / "k.vbd"));
}

TEST(BoxEntryOps, MoveUpDeleteAndAppendKeepTheBoxContiguous) {
  const auto names = [](const Box& box, int count) {
    std::string out;
    for (int i = 0; i < count; ++i) out += std::string(NameCp932(box.entries[i])) + ",";
    return out;
  };
  std::unique_ptr<Box> box = FilledBox(4);
  for (int index : {0, -1, BOX_CAPACITY, 3}) MoveUp(*box, index);
  EXPECT_EQ(names(*box, 4), "e0,e1,e3,e2,");
  for (int index : {-1, BOX_CAPACITY, 1}) Delete(*box, index);
  EXPECT_EQ(names(*box, 3), "e0,e3,e2,");
  EXPECT_TRUE(IsAllZero(box->entries[3]));
  EXPECT_EQ(AppendIndex(*box), 3);

  box->entries[1].species = 3;
  box->entries[2] = BoxEntry{};  // the list stops at the first empty entry
  const std::vector<BoxListRow> rows = ListRows(*box);
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[1].name + "/" + rows[1].species, "e3/ヒトカゲ");

  box = FilledBox(BOX_CAPACITY - 1);
  EXPECT_EQ(Append(*box, MakeEntry("last", 1)), BOX_CAPACITY - 1);
  EXPECT_TRUE(IsFull(*box));
  const Box before = *box;
  EXPECT_EQ(Append(*box, MakeEntry("over", 1)), BOX_CAPACITY);
  MoveUp(*box, BOX_CAPACITY);
  Delete(*box, BOX_CAPACITY);
  EXPECT_TRUE(SameBytes(before, *box));
  Delete(*box, BOX_CAPACITY - 1);
  EXPECT_TRUE(IsAllZero(box->entries[BOX_CAPACITY - 1]));
  EXPECT_EQ(AppendIndex(*box), BOX_CAPACITY - 1);
}

// The cut itself is the text layer's; here: the rest of the slot is zeroed and a name
// without a cp932 code changes nothing.
TEST(BoxName, CutToWholeCharactersWithin31Bytes) {
  const std::string fifteen = "あいうえおかきくけこさしすせそ";
  const std::pair<std::string, std::string> cases[] = {
      {"a" + fifteen, "a" + fifteen}, {fifteen + "た", fifteen}, {"ｱｲｳ", "ｱｲｳ"}, {"", ""}};
  for (const auto& [input, stored] : cases) {
    BoxEntry entry{};
    std::memset(entry.name, 'q', NAME_BYTES);
    ASSERT_TRUE(SetNameUtf8(entry, input));
    EXPECT_EQ(NameUtf8(entry), stored);
    const std::size_t bytes = NameCp932(entry).size();
    for (std::size_t i = bytes; i < NAME_BYTES; ++i) ASSERT_EQ(entry.name[i], 0) << i;
  }
  BoxEntry entry = MakeEntry("keep", 1);
  EXPECT_FALSE(SetNameUtf8(entry, "a\xF0\x9F\x98\x80"));
  EXPECT_EQ(NameCp932(entry), "keep");
  // A name without its terminator stays inside its slot.
  std::memset(entry.name, 'a', NAME_BYTES);
  entry.species = 0x41414141;
  EXPECT_EQ(NameUtf8(entry), std::string(NAME_BYTES, 'a'));

  // A valid stored name: 1..31 bytes, zero behind them, the same bytes after a round trip
  // (an IBM duplicate code comes back as the canonical one).
  const std::pair<std::string, bool> stored[] = {
      {"", false},        {std::string(31, 'a'), true}, {std::string("ab\0c", 4), false},
      {"\x82\xA0", true}, {"\xFB\xFC", false},          {"\x82", false}};
  for (const auto& [bytes, valid] : stored) {
    entry = BoxEntry{};
    std::memcpy(entry.name, bytes.data(), bytes.size());
    EXPECT_EQ(HasValidName(entry), valid) << bytes;
  }
  std::memset(entry.name, 'a', NAME_BYTES);
  EXPECT_FALSE(HasValidName(entry));
}

// Each row: the field's lowest and highest valid values; one beyond either end fails.
TEST(BoxEntryValidity, EachFieldCheckAcceptsExactlyItsRange) {
  struct FieldCase {
    std::int32_t* (*field)(BoxEntry&);
    bool (*check)(const BoxEntry&);
    std::int32_t lo, hi;
  };
  const FieldCase cases[] = {
      {[](BoxEntry& e) { return &e.species; }, HasValidSpecies, 0, 506},
      {[](BoxEntry& e) { return &e.level; }, HasValidLevel, 1, 100},
      {[](BoxEntry& e) { return &e.nature; }, HasValidNature, 0, 24},
      {[](BoxEntry& e) { return &e.ability; }, HasValidAbility, 0, 123},
      {[](BoxEntry& e) { return &e.item; }, HasValidItem, 0, 37},
      {[](BoxEntry& e) { return &e.statsEntered; }, HasValidStatsEntered, 0, 1},
      {[](BoxEntry& e) { return &e.iv[5]; }, HasValidIvs, 0, 255},
      {[](BoxEntry& e) { return &e.ev[0]; }, HasValidEvs, 0, 255},
      {[](BoxEntry& e) { return &e.stat[3]; }, HasValidStats, 1, 999},
      {[](BoxEntry& e) { return &e.move[2]; }, HasValidMoves, 0, 466},
      {[](BoxEntry& e) { return &e.move[0]; }, IsValidEntry, 0, 466},
  };
  for (const FieldCase& c : cases) {
    const auto at = &c - cases;
    BoxEntry entry = MakeEntry("x", 0);
    for (std::int32_t value : {c.lo, c.hi, c.lo - 1, c.hi + 1}) {
      *c.field(entry) = value;
      EXPECT_EQ(c.check(entry), value >= c.lo && value <= c.hi) << at << ": " << value;
    }
  }
  for (std::int32_t species : {-1, 507, 0xFFFF, INT32_MIN, INT32_MAX}) {
    EXPECT_EQ(SpeciesText(MakeEntry("x", species)), "－") << species;
  }
  EXPECT_EQ(SpeciesText(MakeEntry("x", 506)), data::SpeciesName(506));
}

TEST_F(BoxFileTest, ImportCountsAddedRegisteredAndLeftOut) {
  box_->entries[0] = MakeEntry("A", 1);
  box_->entries[1] = MakeEntry("B", 2);
  Box file{};
  file.entries[0] = MakeEntry("A", 1);           // registered
  file.entries[1] = MakeEntry("A", 3);           // same name, other species: new
  file.entries[3] = MakeEntry("C", 4);           // after an empty record: still read
  file.entries[4] = MakeEntry("C", 4);           // registered by the record before it
  file.entries[4].level = 7;                     // other fields do not matter
  ASSERT_TRUE(SaveBox(file, PathOf("in.vbd")));  // the raw image, as checked above
  ImportResult result = ImportBoxFile(*box_, PathOf("in.vbd"));
  EXPECT_EQ(result.status, ImportStatus::OK);
  EXPECT_EQ((std::array{result.added, result.alreadyRegistered, result.leftOut}),
            (std::array{2, 2, 0}));
  ASSERT_EQ(AppendIndex(*box_), 4);
  EXPECT_EQ(box_->entries[2].species, 3);
  EXPECT_EQ(box_->entries[3].level, 50);

  // Nearly full: one place left, never an entry beyond index 1023.
  *box_ = *FilledBox(BOX_CAPACITY - 1);
  file = Box{};
  file.entries[0] = MakeEntry("e5", 5);  // registered
  for (int i = 1; i <= 3; ++i) file.entries[i] = MakeEntry(("new" + std::to_string(i)).c_str(), 1);
  ASSERT_TRUE(SaveBox(file, PathOf("in.vbd")));
  result = ImportBoxFile(*box_, PathOf("in.vbd"));
  EXPECT_EQ((std::array{result.added, result.alreadyRegistered, result.leftOut}),
            (std::array{1, 1, 2}));
  EXPECT_EQ(NameCp932(box_->entries[BOX_CAPACITY - 1]), "new1");

  // An unopenable path leaves the box alone.
  const Box before = *box_;
  EXPECT_EQ(ImportBoxFile(*box_, PathOf("missing.vbd")).status, ImportStatus::OPEN_FAILED);
  EXPECT_EQ(ImportBoxFile(*box_, dir_).status, ImportStatus::OPEN_FAILED);
  EXPECT_TRUE(SameBytes(before, *box_));
}

}  // namespace
}  // namespace kerumina::box
