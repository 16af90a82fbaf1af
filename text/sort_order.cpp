#include "text/sort_order.h"

#include <cstdint>

#include "text/cp932.h"

namespace kerumina::text {
namespace {

// Character classes in the order the pickers show them.
enum class CharClass : std::uint32_t { Blank, Symbol, Digit, Kana, Other };

constexpr std::uint32_t Key(CharClass charClass, std::uint32_t weight) {
  return (static_cast<std::uint32_t>(charClass) << 24) | weight;
}

// Each hiragana U+3041..U+3096 read as its large, unvoiced form; the code points of those
// forms already run in syllabary order.
constexpr std::u16string_view kHiraganaBase =
    u"ああいいううええおおかかききくくけけここささししすすせせそそたたちちつつつててとと"
    u"なにぬねのはははひひひふふふへへへほほほまみむめもややゆゆよよらりるれろわわゐゑをん"
    u"うかけ";
static_assert(kHiraganaBase.size() == 0x3096 - 0x3041 + 1);

// Half-width katakana U+FF66..U+FF9D the same way; 'ー' marks the prolonged sound mark.
constexpr std::u16string_view kHalfWidthBase =
    u"をあいうえおやゆよつーあいうえおかきくけこさしすせそたちつてとなにぬねのはひふへほ"
    u"まみむめもやゆよらりるれろわん";
static_assert(kHalfWidthBase.size() == 0xFF9D - 0xFF66 + 1);

// The syllabary grid; a column index gives the vowel. '・' fills the gaps of the y row.
constexpr std::u16string_view kSyllabaryGrid =
    u"あいうえおかきくけこさしすせそたちつてとなにぬねのはひふへほまみむめもや・ゆ・よ"
    u"らりるれろわゐ・ゑを";
constexpr std::u16string_view kVowels = u"あいうえお";

constexpr char32_t kProlongedMark = u'ー';
// A prolonged mark with no vowel before it sorts after every kana.
constexpr std::uint32_t kBareProlongedWeight = 0x30FC;

// The large, unvoiced hiragana a kana is read as, 0 for a prolonged sound mark, or -1 for
// anything that is no kana.
int KanaBase(char32_t ch) {
  if (ch == 0x30FC || ch == 0xFF70) return 0;
  if (ch >= 0x30A1 && ch <= 0x30F6) ch -= 0x60;  // katakana read as hiragana
  if (ch >= 0x3041 && ch <= 0x3096) return kHiraganaBase[ch - 0x3041];
  if (ch >= 0x30F7 && ch <= 0x30FA) return u"わゐゑを"[ch - 0x30F7];
  if (ch >= 0xFF66 && ch <= 0xFF9D) {
    const char16_t base = kHalfWidthBase[ch - 0xFF66];
    return base == kProlongedMark ? 0 : base;
  }
  return -1;
}

char32_t VowelOf(char32_t base) {
  const std::size_t index = kSyllabaryGrid.find(static_cast<char16_t>(base));
  return index == std::u16string_view::npos ? 0 : kVowels[index % 5];
}

bool IsVoicedMark(char32_t ch) {
  return ch == 0xFF9E || ch == 0xFF9F || ch == 0x3099 || ch == 0x309A;
}

bool IsIterationMark(char32_t ch) {
  return ch == 0x309D || ch == 0x309E || ch == 0x30FD || ch == 0x30FE;
}

// Full-width ASCII and the ideographic space read as their ASCII forms.
char32_t NarrowForm(char32_t ch) {
  if (ch == 0x3000) return ' ';
  if (ch >= 0xFF01 && ch <= 0xFF5E) return ch - 0xFEE0;
  return ch;
}

bool IsSymbolCode(int code) {
  return (code >= 0xA1 && code <= 0xA5) ||      // half-width punctuation
         (code >= 0x8140 && code <= 0x81FC) ||  // punctuation and signs
         (code >= 0x849F && code <= 0x84BE) ||  // box drawing
         (code >= 0x8740 && code <= 0x879C);    // circled numbers, units
}

std::uint32_t NonKanaKey(char32_t ch) {
  ch = NarrowForm(ch);
  if (ch == ' ') return Key(CharClass::Blank, ch);
  if (ch >= '0' && ch <= '9') return Key(CharClass::Digit, ch);
  const bool letter = (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z');
  if (ch < 0x80) return Key(letter ? CharClass::Other : CharClass::Symbol, ch);
  const int code = Cp932CodeOf(ch);
  if (IsSymbolCode(code)) return Key(CharClass::Symbol, static_cast<std::uint32_t>(code));
  if (code >= 0) return Key(CharClass::Other, static_cast<std::uint32_t>(code));
  return Key(CharClass::Other, 0x10000 + ch);  // no cp932 code: after every code
}

// The primary sort keys of a text, one per character read (voiced marks yield none).
class PrimaryKeys {
 public:
  explicit PrimaryKeys(std::string_view text) : text_(text) {}

  bool Next(std::uint32_t& key) {
    while (pos_ < text_.size()) {
      const char32_t ch = NextUtf8Char(text_, pos_);
      if (IsVoicedMark(ch)) continue;
      key = KeyOf(ch);
      return true;
    }
    return false;
  }

 private:
  std::uint32_t KeyOf(char32_t ch) {
    if (IsIterationMark(ch) && lastKana_ != 0) return Key(CharClass::Kana, lastKana_);
    const int base = KanaBase(ch);
    if (base < 0) {
      lastKana_ = 0;
      return NonKanaKey(ch);
    }
    if (base > 0) {
      lastKana_ = static_cast<char32_t>(base);
      return Key(CharClass::Kana, lastKana_);
    }
    lastKana_ = VowelOf(lastKana_);
    return Key(CharClass::Kana, lastKana_ != 0 ? lastKana_ : kBareProlongedWeight);
  }

  std::string_view text_;
  std::size_t pos_ = 0;
  char32_t lastKana_ = 0;
};

// The cp932 bytes of UTF-8 text, one at a time. A character without a code becomes 0xFF and
// its code point, after every real cp932 byte.
class Cp932Bytes {
 public:
  explicit Cp932Bytes(std::string_view text) : text_(text) {}

  bool Next(unsigned char& byte) {
    if (index_ == count_) {
      if (pos_ >= text_.size()) return false;
      Encode(NextUtf8Char(text_, pos_));
    }
    byte = pending_[index_++];
    return true;
  }

 private:
  void Encode(char32_t ch) {
    index_ = 0;
    count_ = 0;
    const int code = Cp932CodeOf(ch);
    if (code < 0) {
      pending_[count_++] = 0xFF;
      pending_[count_++] = static_cast<unsigned char>(ch >> 16);
      pending_[count_++] = static_cast<unsigned char>(ch >> 8);
      pending_[count_++] = static_cast<unsigned char>(ch);
      return;
    }
    if (code > 0xFF) pending_[count_++] = static_cast<unsigned char>(code >> 8);
    pending_[count_++] = static_cast<unsigned char>(code);
  }

  std::string_view text_;
  std::size_t pos_ = 0;
  unsigned char pending_[4] = {};
  std::size_t index_ = 0;
  std::size_t count_ = 0;
};

template <typename Stream, typename Value>
int CompareStreams(Stream a, Stream b) {
  for (;;) {
    Value x{};
    Value y{};
    const bool hasA = a.Next(x);
    const bool hasB = b.Next(y);
    if (!hasA || !hasB) return hasA ? 1 : (hasB ? -1 : 0);
    if (x != y) return x < y ? -1 : 1;
  }
}

}  // namespace

int CompareJapanese(std::string_view a, std::string_view b) {
  const int primary = CompareStreams<PrimaryKeys, std::uint32_t>(PrimaryKeys(a), PrimaryKeys(b));
  if (primary != 0) return primary;
  const int codes = CompareCp932Codes(a, b);
  if (codes != 0) return codes;
  // Texts that differ only in malformed bytes still get a strict order.
  const int bytes = a.compare(b);
  return bytes < 0 ? -1 : (bytes > 0 ? 1 : 0);
}

int CompareCp932Codes(std::string_view a, std::string_view b) {
  return CompareStreams<Cp932Bytes, unsigned char>(Cp932Bytes(a), Cp932Bytes(b));
}

}  // namespace kerumina::text
