// Box entries as the short texts players share in chats and articles (a "build"): the
// species and item on one line, then ability, nature, level, stats, effort values and
// moves. Written here and read back, with the variants people type, so that the box window
// and the command line agree. It lives above box/ because reading a build needs the stat
// formula to check the stats it states.
//
//     ガブ（ガブリアス）＠こだわりハチマキ
//     特性：すながくれ
//     性格：いじっぱり
//     Lv50
//     実数値：184-200-115-90-105-154
//     努力値：H4 A252 S252
//     技：じしん／ドラゴンクロー／げきりん／いあいぎり
//
// Names escape with "\": "\\", "\＠", "\@", "\（", "\n" (line feed), "\r" (carriage return),
// and "\" before a blank at either end of the name. A species whose name an earlier row of
// the table has too is written with its number, "ロトム#504".
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "box/box_entry.h"

namespace kerumina::calc {

// Whether every field, the name included, can be written so that reading gives it back.
bool CanWriteBuild(const box::BoxEntry& entry);

// One build, lines ending in LF. The entry must pass CanWriteBuild.
std::string BuildText(const box::BoxEntry& entry);

// The builds of the entries that pass CanWriteBuild, separated by one blank line.
std::string BuildsText(std::span<const box::BoxEntry> entries);

struct BuildTextError {
  int line = 0;          // 1-based, in the whole text
  std::string lineText;  // that line as it was given
  std::string reason;
};

// "3行目「性格：いじっぱ」：「いじっぱ」という性格はありません"
std::string BuildTextErrorMessage(const BuildTextError& error);

// Every build of a text, or the first fault and no entries at all.
struct ParsedBuilds {
  std::vector<box::BoxEntry> entries;
  std::optional<BuildTextError> error;
};

// Builds are separated by blank lines; LF, CR LF and CR all end a line.
ParsedBuilds ParseBuilds(std::string_view text);

}  // namespace kerumina::calc
