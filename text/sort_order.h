// The two text orders the lists use. Sorted pickers follow one fixed Japanese reading order
// on every platform (settings store picker positions in it); the search result list's name
// column compares plain cp932 codes.
#pragma once

#include <string_view>

namespace kerumina::text {

// Order of sorted pickers, on UTF-8 text: a leading blank first, then symbols (digits last
// among them, full-width forms read as ASCII), then kana in syllabary order (katakana read as
// hiragana, small kana as large, voiced marks ignored, "ー" read as the vowel before it), then
// everything else; cp932 byte order breaks ties.
// Returns <0, 0 or >0.
int CompareJapanese(std::string_view a, std::string_view b);
inline bool JapaneseLess(std::string_view a, std::string_view b) {
  return CompareJapanese(a, b) < 0;
}

// Byte-wise comparison of the cp932 forms of two UTF-8 texts (unsigned bytes, shorter
// prefix first). Returns <0, 0 or >0.
int CompareCp932Codes(std::string_view a, std::string_view b);

}  // namespace kerumina::text
