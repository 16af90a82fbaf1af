// A box entry as JSON: the shape `box list`, `box export`, `box create` and the damage
// command's two sides share.
#pragma once

#include "app/cli/json_fields.h"
#include "box/box_entry.h"

namespace kerumina::cli {

// Every field checked against what the box accepts; the name must be non-empty and fit in
// 31 cp932 bytes (a longer one is refused, not cut, so no data is lost silently).
box::BoxEntry EntryFromJson(const Json& value, const std::string& path);

// The fields as stored, whatever their values (a damaged file shows as it is).
Json EntryToJson(const box::BoxEntry& entry);

}  // namespace kerumina::cli
