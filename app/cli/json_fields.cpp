#include "app/cli/json_fields.h"

#include "data/moves.h"

namespace kerumina::cli {

void Fail(const std::string& path, std::string_view problem) {
  throw InputError("\"" + path + "\": " + std::string(problem));
}

std::int32_t IntValue(const Json& value, const std::string& path, std::int64_t lo,
                      std::int64_t hi) {
  // Unsigned values beyond int64 and floats with a fraction are both out of range.
  const bool isInteger = value.is_number_integer() &&
                         !(value.is_number_unsigned() && value.get<std::uint64_t>() > INT64_MAX);
  if (!isInteger || value.get<std::int64_t>() < lo || value.get<std::int64_t>() > hi) {
    Fail(path, "expected an integer from " + std::to_string(lo) + " to " + std::to_string(hi));
  }
  return static_cast<std::int32_t>(value.get<std::int64_t>());
}

std::int32_t MoveSlotValue(const Json& value, const std::string& path) {
  const std::int32_t move = IntValue(value, path, 0, data::NO_MOVE);
  if (move != data::NO_MOVE && !data::IsValidMove(move)) {
    Fail(path, "expected a MoveId from 0 to " + std::to_string(data::MOVE_COUNT - 1) +
                   " or 65535 (no move)");
  }
  return move;
}

const Json& ArrayValue(const Json& value, const std::string& path, std::size_t minSize,
                       std::size_t maxSize, std::string_view what) {
  if (!value.is_array() || value.size() < minSize || value.size() > maxSize) {
    const std::string count = minSize == maxSize
                                  ? std::to_string(minSize)
                                  : std::to_string(minSize) + " to " + std::to_string(maxSize);
    Fail(path, "expected an array of " + count + " " + std::string(what));
  }
  return value;
}

FieldReader::FieldReader(const Json& object, std::string path)
    : object_(object), path_(std::move(path)) {
  if (!object_.is_object()) {
    if (path_.empty()) throw InputError("expected a JSON object");
    Fail(path_, "expected an object");
  }
}

std::string FieldReader::PathOf(std::string_view key) const {
  return path_.empty() ? std::string(key) : path_ + "." + std::string(key);
}

bool FieldReader::Present(std::string_view key) {
  read_.emplace(key);
  return object_.contains(key);
}

const Json* FieldReader::Optional(std::string_view key) {
  read_.emplace(key);
  const auto it = object_.find(key);
  if (it == object_.end() || it->is_null()) return nullptr;
  return &*it;
}

const Json& FieldReader::Required(std::string_view key) {
  const Json* value = Optional(key);
  if (value == nullptr) Fail(PathOf(key), "required field is missing");
  return *value;
}

std::int32_t FieldReader::Int(std::string_view key, std::int64_t lo, std::int64_t hi) {
  return IntValue(Required(key), PathOf(key), lo, hi);
}

std::int32_t FieldReader::IntOr(std::string_view key, std::int64_t lo, std::int64_t hi,
                                std::int32_t fallback) {
  const Json* value = Optional(key);
  return value == nullptr ? fallback : IntValue(*value, PathOf(key), lo, hi);
}

bool FieldReader::BoolOr(std::string_view key, bool fallback) {
  const Json* value = Optional(key);
  if (value == nullptr) return fallback;
  if (!value->is_boolean()) Fail(PathOf(key), "expected true or false");
  return value->get<bool>();
}

std::string FieldReader::String(std::string_view key) {
  const Json& value = Required(key);
  if (!value.is_string()) Fail(PathOf(key), "expected a string");
  return value.get<std::string>();
}

std::string FieldReader::Word(std::string_view key, std::initializer_list<std::string_view> words) {
  const Json& value = Required(key);
  std::string list;
  for (std::string_view word : words) {
    if (value.is_string() && value.get_ref<const std::string&>() == word) return std::string(word);
    list += (list.empty() ? "\"" : ", \"") + std::string(word) + "\"";
  }
  Fail(PathOf(key), "expected one of " + list);
}

std::vector<std::int32_t> FieldReader::Ints(std::string_view key, std::size_t size, std::int64_t lo,
                                            std::int64_t hi) {
  const std::string path = PathOf(key);
  const Json& array = ArrayValue(Required(key), path, size, size, "integers");
  std::vector<std::int32_t> values;
  for (std::size_t i = 0; i < array.size(); ++i) {
    values.push_back(IntValue(array[i], path + "[" + std::to_string(i) + "]", lo, hi));
  }
  return values;
}

std::int32_t FieldReader::MoveSlot(std::string_view key) {
  return MoveSlotValue(Required(key), PathOf(key));
}

FieldReader FieldReader::Object(std::string_view key) {
  return FieldReader(Required(key), PathOf(key));
}

void FieldReader::Finish() const {
  for (const auto& [key, value] : object_.items()) {
    if (!read_.contains(key)) Fail(PathOf(key), "unknown field");
  }
}

}  // namespace kerumina::cli
