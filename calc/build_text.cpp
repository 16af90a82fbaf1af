#include "calc/build_text.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <numeric>
#include <utility>

#include "calc/stats.h"
#include "data/abilities.h"
#include "data/moves.h"
#include "data/species.h"
#include "data/types.h"
#include "text/cp932.h"

namespace kerumina::calc {

namespace {

constexpr std::int32_t DEFAULT_LEVEL = 50;
constexpr std::int32_t DEFAULT_IV = 31;
constexpr data::ItemId NO_ITEM = 0;
constexpr std::size_t MOVE_SLOTS = 4;
// Letters of the six stats in display order, as players abbreviate them.
constexpr std::string_view STAT_LETTERS = "HABCDS";
// A stat of 実数値 left to the formula ("×" or "-").
constexpr std::int64_t UNUSED_STAT = -1;

using Six = std::array<std::int64_t, data::STAT_COUNT>;

bool IsBlank(char32_t c) {
  return c == U' ' || c == U'\t' || c == U'　';
}

bool IsNoItem(data::ItemId item) {
  return item == NO_ITEM || data::ItemName(item).empty();
}

// ---- Writing ----

std::string EscapeName(std::string_view name) {
  std::u32string chars;
  for (std::size_t pos = 0; pos < name.size();) chars += text::NextUtf8Char(name, pos);
  std::string out;
  for (std::size_t i = 0; i < chars.size(); ++i) {
    const char32_t c = chars[i];
    const bool edge = i == 0 || i + 1 == chars.size();
    if (c == U'\n') {
      out += "\\n";
      continue;
    }
    if (c == U'\r') {
      out += "\\r";
      continue;
    }
    if (c == U'\\' || c == U'＠' || c == U'@' || c == U'（' || (edge && IsBlank(c))) out += '\\';
    text::AppendUtf8(out, c);
  }
  return out;
}

// Later rows of a shared name need their number: the plain name reads as the first row.
std::string SpeciesNotation(data::SpeciesId species) {
  std::string notation(data::SpeciesName(species));
  for (data::SpeciesId earlier = 0; earlier < species; ++earlier) {
    if (data::SpeciesName(earlier) == notation) return notation + "#" + std::to_string(species + 1);
  }
  return notation;
}

// The label without its effect: "いじっぱり（攻撃＋特攻－）" -> "いじっぱり".
std::string_view NatureName(data::NatureId nature) {
  const std::string_view label = data::NatureLabel(nature);
  return label.substr(0, std::min(label.find("　"), label.find("（")));
}

std::string Joined(const std::int32_t (&values)[data::STAT_COUNT]) {
  std::string out;
  for (std::int32_t value : values) out += (out.empty() ? "" : "-") + std::to_string(value);
  return out;
}

std::string EffortText(const std::int32_t (&evs)[data::STAT_COUNT]) {
  std::string out;
  for (int s = 0; s < data::STAT_COUNT; ++s) {
    if (evs[s] == 0) continue;
    if (!out.empty()) out += ' ';
    out += STAT_LETTERS[s] + std::to_string(evs[s]);
  }
  return out.empty() ? "なし" : out;
}

bool AllDefaultIvs(const box::BoxEntry& entry) {
  for (std::int32_t iv : entry.iv) {
    if (iv != DEFAULT_IV) return false;
  }
  return true;
}

// ---- Reading: characters ----

struct Glyph {
  char32_t ch;
  bool escaped;
};
using Glyphs = std::vector<Glyph>;

std::optional<Glyphs> Unescape(std::string_view line) {
  Glyphs glyphs;
  for (std::size_t pos = 0; pos < line.size();) {
    const char32_t c = text::NextUtf8Char(line, pos);
    if (c != U'\\') {
      glyphs.push_back({c, false});
      continue;
    }
    if (pos == line.size()) return std::nullopt;
    const char32_t next = text::NextUtf8Char(line, pos);
    glyphs.push_back({next == U'n' ? U'\n' : next == U'r' ? U'\r' : next, true});
  }
  return glyphs;
}

Glyphs Trimmed(const Glyphs& glyphs, std::size_t from, std::size_t to) {
  while (from < to && !glyphs[from].escaped && IsBlank(glyphs[from].ch)) ++from;
  while (to > from && !glyphs[to - 1].escaped && IsBlank(glyphs[to - 1].ch)) --to;
  return Glyphs(glyphs.begin() + static_cast<std::ptrdiff_t>(from),
                glyphs.begin() + static_cast<std::ptrdiff_t>(to));
}

std::size_t FindUnescaped(const Glyphs& glyphs, char32_t a, char32_t b = 0) {
  for (std::size_t i = 0; i < glyphs.size(); ++i) {
    if (!glyphs[i].escaped && (glyphs[i].ch == a || glyphs[i].ch == b)) return i;
  }
  return glyphs.size();
}

std::string Utf8Of(const Glyphs& glyphs) {
  std::string out;
  for (const Glyph& glyph : glyphs) text::AppendUtf8(out, glyph.ch);
  return out;
}

std::string_view TrimBlanks(std::string_view text) {
  constexpr std::string_view BLANKS[] = {" ", "\t", "　"};
  for (bool trimmed = true; trimmed;) {
    trimmed = false;
    for (std::string_view blank : BLANKS) {
      if (text.starts_with(blank)) {
        text.remove_prefix(blank.size());
        trimmed = true;
      }
      if (text.ends_with(blank)) {
        text.remove_suffix(blank.size());
        trimmed = true;
      }
    }
  }
  return text;
}

// Full-width letters, digits and signs as ASCII, so "Ｌｖ５０" reads as "Lv50".
std::string HalfWidth(std::string_view text) {
  std::string out;
  for (std::size_t pos = 0; pos < text.size();) {
    const char32_t c = text::NextUtf8Char(text, pos);
    if (c >= U'！' && c <= U'～') {
      out += static_cast<char>(c - U'！' + U'!');
    } else if (c == U'　') {
      out += ' ';
    } else {
      text::AppendUtf8(out, c);
    }
  }
  return out;
}

// ---- Reading: values ----

using Fault = std::optional<std::string>;

std::string Quoted(std::string_view what, std::string_view name, std::string_view kind) {
  return "「" + std::string(name) + "」という" + std::string(what) + std::string(kind);
}

std::string RangeFault(std::int64_t lo, std::int64_t hi) {
  return std::to_string(lo) + " から " + std::to_string(hi) + " までの整数を入力してください。";
}

// Digits only; values too long for any range read as out of range.
std::optional<std::int64_t> Number(std::string_view ascii) {
  if (ascii.empty()) return std::nullopt;
  std::int64_t value = 0;
  for (char c : ascii) {
    if (c < '0' || c > '9') return std::nullopt;
    value = std::min<std::int64_t>(value * 10 + (c - '0'), 1'000'000);
  }
  return value;
}

std::size_t DigitsAt(std::string_view ascii, std::size_t pos) {
  std::size_t end = pos;
  while (end < ascii.size() && ascii[end] >= '0' && ascii[end] <= '9') ++end;
  return end - pos;
}

std::string WithoutSpaces(std::string_view ascii) {
  std::string out;
  for (char c : ascii) {
    if (c != ' ' && c != '\t') out += c;
  }
  return out;
}

// "184-200-115-90-105-154"; with allowUnused a field may be "×", "x" or "-" (UNUSED_STAT).
std::optional<Six> DashedSix(std::string_view value, bool allowUnused) {
  const std::string ascii = WithoutSpaces(HalfWidth(value));
  const std::string_view s = ascii;
  Six six{};
  std::size_t pos = 0;
  for (int k = 0; k < data::STAT_COUNT; ++k) {
    if (k > 0 && (pos >= s.size() || s[pos++] != '-')) return std::nullopt;
    if (const std::size_t digits = DigitsAt(s, pos); digits > 0) {
      six[k] = *Number(s.substr(pos, digits));
      pos += digits;
      continue;
    }
    if (!allowUnused) return std::nullopt;
    six[k] = UNUSED_STAT;
    if (s.substr(pos).starts_with("×")) {
      pos += std::string_view("×").size();
    } else if (pos < s.size() && (s[pos] == 'x' || s[pos] == 'X' || s[pos] == '-')) {
      ++pos;
    } else {
      return std::nullopt;
    }
  }
  if (pos != s.size()) return std::nullopt;
  return six;
}

// "H4 A252 S252": letters of HABCDS with their values; the stats not named keep fill.
std::optional<Six> LetteredSix(std::string_view value, std::int64_t fill) {
  const std::string ascii = HalfWidth(value);
  std::string_view s = ascii;
  Six six;
  six.fill(fill);
  std::array<bool, data::STAT_COUNT> named{};
  bool any = false;
  while (!s.empty()) {
    bool separator = false;
    for (std::string_view sep : {" ", "\t", "/", ",", "・", "、"}) {
      if (s.starts_with(sep)) {
        s.remove_prefix(sep.size());
        separator = true;
        break;
      }
    }
    if (separator) continue;
    const std::size_t stat = STAT_LETTERS.find(s.front());
    const std::size_t digits = DigitsAt(s, 1);
    if (stat == std::string_view::npos || digits == 0 || named[stat]) return std::nullopt;
    named[stat] = true;
    six[stat] = *Number(s.substr(1, digits));
    s.remove_prefix(1 + digits);
    any = true;
  }
  if (!any) return std::nullopt;
  return six;
}

// "6V", "5V(A抜け)": a count of perfect IVs, which does not say which ones.
bool IsShorthand(std::string_view text) {
  const std::string ascii = HalfWidth(TrimBlanks(text));
  return ascii.size() >= 2 && ascii[0] >= '0' && ascii[0] <= '9' &&
         (ascii[1] == 'V' || ascii[1] == 'v');
}

const char* const SHORTHAND_FAULT =
    "「6V」「5V(A抜け)」のような略記は読めません。個体値は「31-31-31-31-31-31」か"
    "「A0 S30」の形で書いてください";

Fault ReadSix(std::string_view value, std::int64_t fill, Six& six) {
  if (IsShorthand(value)) return SHORTHAND_FAULT;
  if (auto dashed = DashedSix(value, false)) {
    six = *dashed;
  } else if (auto lettered = LetteredSix(value, fill)) {
    six = *lettered;
  } else {
    return "6つの数を「-」でつなぐか、H A B C D S と数で書いてください";
  }
  for (std::int64_t v : six) {
    if (v > box::IV_EV_MAX) return RangeFault(0, box::IV_EV_MAX);
  }
  return std::nullopt;
}

std::optional<data::SpeciesId> SpeciesFromNotation(std::string_view text) {
  if (const std::size_t hash = text.rfind('#'); hash != std::string_view::npos) {
    const std::optional<std::int64_t> number = Number(text.substr(hash + 1));
    if (number && data::IsValidSpecies(*number - 1) &&
        data::SpeciesName(static_cast<data::SpeciesId>(*number - 1)) == text.substr(0, hash)) {
      return static_cast<data::SpeciesId>(*number - 1);
    }
  }
  for (data::SpeciesId species = 0; species < data::SPECIES_COUNT; ++species) {
    if (data::SpeciesName(species) == text) return species;
  }
  return std::nullopt;
}

template <typename NameOf>
std::optional<std::int32_t> FindName(std::string_view name, int count, NameOf nameOf) {
  if (name.empty()) return std::nullopt;
  for (std::int32_t id = 0; id < count; ++id) {
    if (nameOf(id) == name) return id;
  }
  return std::nullopt;
}

// ---- Reading: one build ----

struct Line {
  int number;
  std::string_view text;
};

enum class Key { Ability, Nature, Stats, Efforts, Ivs, Moves, Level };

struct KeyName {
  Key key;
  std::string_view name;
};
constexpr KeyName KEYS[] = {{Key::Ability, "特性"},   {Key::Nature, "性格"}, {Key::Stats, "実数値"},
                            {Key::Efforts, "努力値"}, {Key::Ivs, "個体値"},  {Key::Moves, "技"}};

struct KeyedLine {
  Key key;
  std::string_view value;
};

std::optional<KeyedLine> SplitKey(std::string_view line) {
  const std::size_t colon = std::min(line.find(':'), line.find("："));
  if (colon == std::string_view::npos) return std::nullopt;
  const std::string_view key = TrimBlanks(line.substr(0, colon));
  const std::size_t after = colon + (line[colon] == ':' ? 1 : std::string_view("：").size());
  for (const KeyName& known : KEYS) {
    if (key == known.name) return KeyedLine{known.key, TrimBlanks(line.substr(after))};
  }
  return std::nullopt;
}

// "Lv50", "Lv.50", "Lv 50", "LV：50", "レベル50"
std::optional<std::string> LevelValue(std::string_view line) {
  std::string ascii = HalfWidth(line);
  std::string_view s = ascii;
  bool prefixed = false;
  for (std::string_view prefix : {"Lv", "LV", "lv", "レベル"}) {
    if (s.starts_with(prefix)) {
      s.remove_prefix(prefix.size());
      prefixed = true;
      break;
    }
  }
  if (!prefixed) return std::nullopt;
  if (s.starts_with('.')) s.remove_prefix(1);
  if (s.starts_with(':')) s.remove_prefix(1);
  return std::string(TrimBlanks(s));
}

std::string_view MoveBulletRest(std::string_view line) {
  for (std::string_view bullet : {"-", "－", "・"}) {
    if (line.starts_with(bullet)) return TrimBlanks(line.substr(bullet.size()));
  }
  return {};
}

struct Build {
  std::string name;
  data::SpeciesId species = 0;
  data::ItemId item = NO_ITEM;
  std::optional<data::AbilityId> ability;
  std::optional<data::NatureId> nature;
  std::int32_t level = DEFAULT_LEVEL;
  std::optional<Six> stats;
  std::optional<Six> efforts;
  std::optional<Six> ivs;
  std::string statsValue;
  std::vector<data::MoveId> moves;
  const Line* statsLine = nullptr;
  const Line* effortsLine = nullptr;
  std::array<bool, 7> seen{};  // per Key
};

Fault ReadHeader(std::string_view line, Build& build) {
  const std::optional<Glyphs> glyphs = Unescape(line);
  if (!glyphs) return "「\\」の後に文字がありません";
  const std::size_t at = FindUnescaped(*glyphs, U'＠', U'@');
  if (at < glyphs->size()) {
    const std::string item = Utf8Of(Trimmed(*glyphs, at + 1, glyphs->size()));
    const std::optional<std::int32_t> id = FindName(item, data::ITEM_COUNT, data::ItemName);
    if (!id) return Quoted("持ち物", item, "はありません");
    build.item = *id;
  }
  const Glyphs head = Trimmed(*glyphs, 0, at);
  std::string speciesText = Utf8Of(head);
  build.name = speciesText;
  // A name in front: "ガブ（ガブリアス）". The whole may itself be a species with "（".
  const std::size_t open = FindUnescaped(head, U'（');
  if (!SpeciesFromNotation(speciesText) && open < head.size() && !head.back().escaped &&
      head.back().ch == U'）') {
    build.name = Utf8Of(Trimmed(head, 0, open));
    speciesText = Utf8Of(Trimmed(head, open + 1, head.size() - 1));
  }
  if (build.name.empty()) return "名前を入力してください";
  const std::optional<data::SpeciesId> species = SpeciesFromNotation(speciesText);
  if (!species) return Quoted("ヴォルミル", speciesText, "はいません");
  build.species = *species;
  return std::nullopt;
}

Fault AddMoves(std::string_view value, Build& build) {
  std::string_view rest = value;
  while (!rest.empty()) {
    std::size_t end = rest.size();
    std::size_t width = 0;
    for (std::string_view sep : {"/", "／", "・"}) {
      if (const std::size_t at = rest.find(sep); at < end) {
        end = at;
        width = sep.size();
      }
    }
    const std::string_view name = TrimBlanks(rest.substr(0, end));
    rest.remove_prefix(std::min(rest.size(), end + width));
    if (name.empty()) continue;
    const std::optional<std::int32_t> move = FindName(name, data::MOVE_COUNT, data::MoveName);
    if (!move) return Quoted("技", name, "はありません");
    if (build.moves.size() == MOVE_SLOTS) return "技は4つまでです";
    build.moves.push_back(*move);
  }
  return std::nullopt;
}

Fault ReadKeyed(const KeyedLine& keyed, const Line& line, Build& build) {
  bool& seen = build.seen[static_cast<std::size_t>(keyed.key)];
  if (seen) return "同じ項目が二度書かれています";
  seen = true;
  const std::string_view value = keyed.value;
  switch (keyed.key) {
    case Key::Ability:
      build.ability = FindName(value, data::ABILITY_COUNT, data::AbilityName);
      if (!build.ability) return Quoted("特性", value, "はありません");
      return std::nullopt;
    case Key::Nature:
      build.nature = FindName(value, data::NATURE_COUNT, NatureName);
      if (!build.nature) return Quoted("性格", value, "はありません");
      return std::nullopt;
    case Key::Level: {
      const std::optional<std::int64_t> level = Number(value);
      if (!level || *level < box::LEVEL_MIN || *level > box::LEVEL_MAX) {
        return RangeFault(box::LEVEL_MIN, box::LEVEL_MAX);
      }
      build.level = static_cast<std::int32_t>(*level);
      return std::nullopt;
    }
    case Key::Stats:
      build.stats = DashedSix(value, true);
      build.statsValue = value;
      build.statsLine = &line;
      if (!build.stats) return "6つの数を「-」でつないで書いてください（使わない能力は「×」）";
      for (std::int64_t stat : *build.stats) {
        if (stat != UNUSED_STAT && (stat < box::STAT_MIN || stat > box::STAT_MAX)) {
          return RangeFault(box::STAT_MIN, box::STAT_MAX);
        }
      }
      return std::nullopt;
    case Key::Efforts:
      build.effortsLine = &line;
      build.efforts.emplace();
      if (value == "なし") {
        build.efforts->fill(0);
        return std::nullopt;
      }
      return ReadSix(value, 0, *build.efforts);
    case Key::Ivs:
      build.ivs.emplace();
      return ReadSix(value, DEFAULT_IV, *build.ivs);
    case Key::Moves:
      return AddMoves(value, build);
  }
  return std::nullopt;
}

Fault ReadLine(const Line& line, Build& build) {
  const std::string_view text = TrimBlanks(line.text);
  if (IsShorthand(text)) return SHORTHAND_FAULT;
  if (const std::optional<KeyedLine> keyed = SplitKey(text)) return ReadKeyed(*keyed, line, build);
  if (const std::optional<std::string> level = LevelValue(text)) {
    return ReadKeyed({Key::Level, *level}, line, build);
  }
  if (const std::string_view move = MoveBulletRest(text); !move.empty()) {
    return AddMoves(move, build);
  }
  // After "技：" the moves may follow one per line.
  if (build.seen[static_cast<std::size_t>(Key::Moves)]) return AddMoves(text, build);
  return "読めない行です";
}

data::StatBlock ToBlock(const Six& six) {
  data::StatBlock block{};
  for (int s = 0; s < data::STAT_COUNT; ++s) block[s] = static_cast<std::int32_t>(six[s]);
  return block;
}

std::string Dashed(const data::StatBlock& stats) {
  std::int32_t values[data::STAT_COUNT];
  std::copy(stats.begin(), stats.end(), values);
  return Joined(values);
}

// Stats as the editor's 登録 makes them: typed in when only 実数値 is given, else computed
// and, when 実数値 is given too, checked against it.
Fault FillStats(const Build& build, box::BoxEntry& entry, const Line*& faultLine) {
  Six none{};
  Six all31;
  all31.fill(DEFAULT_IV);
  const bool typedIn = build.stats && !build.efforts && !build.ivs;
  const data::StatBlock ivs = ToBlock(typedIn ? all31 : build.ivs.value_or(all31));
  const data::StatBlock evs = ToBlock(typedIn ? none : build.efforts.value_or(none));
  if (!typedIn && std::accumulate(evs.begin(), evs.end(), 0) > box::EV_TOTAL_MAX) {
    faultLine = build.effortsLine;
    return "努力値が多すぎます";
  }
  const data::StatBlock computed =
      CalcStatBlock(build.species, build.level, build.nature.value_or(0), ivs, evs);
  for (int s = 0; s < data::STAT_COUNT; ++s) {
    const std::int64_t given = build.stats ? (*build.stats)[s] : UNUSED_STAT;
    if (!typedIn && given != UNUSED_STAT && given != computed[s]) {
      faultLine = build.statsLine;
      return "書かれた実数値 " + build.statsValue + " は計算した " + Dashed(computed) +
             " と合いません";
    }
    entry.stat[s] = given == UNUSED_STAT ? computed[s] : static_cast<std::int32_t>(given);
    entry.iv[s] = typedIn ? 0 : ivs[s];
    entry.ev[s] = typedIn ? 0 : evs[s];
  }
  entry.statsEntered = typedIn ? 1 : 0;
  if (build.species == FIXED_HP_SPECIES) entry.stat[data::STAT_HP] = 1;
  return std::nullopt;
}

Fault NameFault(std::string_view name) {
  const text::Cp932Conversion cp932 = text::Utf8ToCp932(name);
  if (!cp932.ok || cp932.bytes.find('\0') != std::string::npos) {
    return "名前に使えない文字があります";
  }
  return std::nullopt;
}

std::optional<BuildTextError> ReadBuild(std::span<const Line> lines, box::BoxEntry& entry) {
  auto error = [](const Line& line, std::string reason) {
    return BuildTextError{line.number, std::string(line.text), std::move(reason)};
  };
  Build build;
  const Line& header = lines.front();
  if (Fault fault = ReadHeader(header.text, build)) return error(header, *fault);
  if (Fault fault = NameFault(build.name)) return error(header, *fault);
  for (const Line& line : lines.subspan(1)) {
    if (Fault fault = ReadLine(line, build)) return error(line, *fault);
  }
  if (!build.nature) return error(header, "性格が書かれていません");
  entry = box::BoxEntry{};
  box::SetNameUtf8(entry, build.name);
  entry.species = build.species;
  entry.level = build.level;
  entry.nature = *build.nature;
  entry.ability = build.ability.value_or(data::SPECIES_ABILITIES[build.species].ability1);
  entry.item = build.item;
  const Line* faultLine = &header;
  if (Fault fault = FillStats(build, entry, faultLine)) return error(*faultLine, *fault);
  for (std::size_t k = 0; k < MOVE_SLOTS; ++k) {
    entry.move[k] = k < build.moves.size() ? build.moves[k] : box::EMPTY_MOVE_SLOT;
  }
  return std::nullopt;
}

std::vector<Line> SplitLines(std::string_view text) {
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);  // a byte-order mark
  std::vector<Line> lines;
  int number = 1;
  while (!text.empty()) {
    const std::size_t end = text.find_first_of("\r\n");
    lines.push_back({number++, text.substr(0, end)});
    if (end == std::string_view::npos) break;
    const bool crlf = text[end] == '\r' && text.substr(end).starts_with("\r\n");
    text.remove_prefix(end + (crlf ? 2 : 1));
  }
  return lines;
}

}  // namespace

bool CanWriteBuild(const box::BoxEntry& entry) {
  return box::HasValidName(entry) && box::IsValidEntry(entry);
}

std::string BuildText(const box::BoxEntry& entry) {
  const std::string name = box::NameUtf8(entry);
  const std::string species = SpeciesNotation(entry.species);
  std::string out = EscapeName(name);
  if (name != species) out += "（" + species + "）";
  if (!IsNoItem(entry.item)) out += "＠" + std::string(data::ItemName(entry.item));
  out += "\n特性：" + std::string(data::AbilityName(entry.ability));
  out += "\n性格：" + std::string(NatureName(entry.nature));
  out += "\nLv" + std::to_string(entry.level);
  out += "\n実数値：" + Joined(entry.stat) + "\n";
  if (entry.statsEntered == 0) {
    out += "努力値：" + EffortText(entry.ev) + "\n";
    if (!AllDefaultIvs(entry)) out += "個体値：" + Joined(entry.iv) + "\n";
  }
  std::string moves;
  for (std::int32_t move : entry.move) {
    if (move == box::EMPTY_MOVE_SLOT) continue;
    moves += (moves.empty() ? "" : "／") + std::string(data::MoveName(move));
  }
  if (!moves.empty()) out += "技：" + moves + "\n";
  return out;
}

std::string BuildsText(std::span<const box::BoxEntry> entries) {
  std::string out;
  for (const box::BoxEntry& entry : entries) {
    if (!CanWriteBuild(entry)) continue;
    if (!out.empty()) out += '\n';
    out += BuildText(entry);
  }
  return out;
}

std::string BuildTextErrorMessage(const BuildTextError& error) {
  return std::to_string(error.line) + "行目「" + error.lineText + "」：" + error.reason;
}

ParsedBuilds ParseBuilds(std::string_view text) {
  ParsedBuilds parsed;
  const std::vector<Line> lines = SplitLines(text);
  std::size_t first = 0;
  while (first < lines.size()) {
    if (TrimBlanks(lines[first].text).empty()) {
      ++first;
      continue;
    }
    std::size_t end = first;
    while (end < lines.size() && !TrimBlanks(lines[end].text).empty()) ++end;
    box::BoxEntry entry{};
    if (auto error = ReadBuild(std::span(lines).subspan(first, end - first), entry)) {
      parsed.entries.clear();
      parsed.error = std::move(error);
      return parsed;
    }
    parsed.entries.push_back(entry);
    first = end;
  }
  return parsed;
}

}  // namespace kerumina::calc
