// Input checking of the command line: every refusal names the field, and a line loop never
// stops at a bad line.
#include <gtest/gtest.h>

#include <sstream>

#include "app/cli/json_fields.h"
#include "app/cli/json_lines.h"

namespace kerumina::cli {
namespace {

std::string ErrorOf(const Json& input, const std::function<void(FieldReader&)>& read) {
  try {
    FieldReader reader(input);
    read(reader);
    reader.Finish();
  } catch (const InputError& error) {
    return error.what();
  }
  return "";
}

TEST(FieldReader, RefusalsNameTheField) {
  const char* const missing = R"("level": required field is missing)";
  const char* const range = R"("level": expected an integer from 1 to 100)";
  const std::pair<const char*, const char*> cases[] = {
      {R"({})", missing},
      {R"({"level":null})", missing},
      {R"({"level":"50"})", range},
      {R"({"level":50.5})", range},
      {R"({"level":0})", range},
      {R"({"level":18446744073709551615})", range},
      {R"({"level":-9223372036854775808})", range},
      {R"({"level":50,"levle":3})", R"("levle": unknown field)"},
      {R"({"level":100})", ""}};
  for (const auto& [input, error] : cases) {
    EXPECT_EQ(ErrorOf(Json::parse(input), [](FieldReader& r) { r.Int("level", 1, 100); }), error)
        << input;
  }
}

TEST(FieldReader, ArraysAndNestedObjectsGivePaths) {
  const Json input = Json::parse(R"({"side":{"iv":[1,2,300]},"flag":1,"moves":[466,467]})");
  EXPECT_EQ(ErrorOf(input, [](FieldReader& r) { r.Object("side").Ints("iv", 3, 0, 255); }),
            R"("side.iv[2]": expected an integer from 0 to 255)");
  EXPECT_EQ(ErrorOf(input, [](FieldReader& r) { r.Object("side").Ints("iv", 6, 0, 255); }),
            R"("side.iv": expected an array of 6 integers)");
  EXPECT_EQ(ErrorOf(input, [](FieldReader& r) { r.BoolOr("flag", false); }),
            R"("flag": expected true or false)");
  EXPECT_EQ(ErrorOf(Json::parse(R"({"row":"own "})"),
                    [](FieldReader& r) {
                      r.Word("row", {"own", "direct"});
                    }),
            R"("row": expected one of "own", "direct")");
  EXPECT_EQ(ErrorOf(Json::parse("[]"), [](FieldReader&) {}), "expected a JSON object");
}

// The reader keeps a reference: a temporary object must not compile.
static_assert(!std::is_constructible_v<FieldReader, Json&&>);

TEST(FieldReader, OptionalFieldsFallBack) {
  const Json input = Json::parse(R"({"a":null,"b":true})");
  FieldReader reader(input);
  EXPECT_EQ(reader.IntOr("a", 0, 4, 3), 3);
  EXPECT_EQ(reader.IntOr("missing", 0, 4, 2), 2);
  EXPECT_TRUE(reader.BoolOr("b", false));
  EXPECT_NO_THROW(reader.Finish());
}

TEST(JsonLines, AnswersEveryLineInOrder) {
  std::istringstream in("{\"x\":1}\r\n{oops\n\n[]\n{\"x\":2}\n");
  std::ostringstream out;
  const bool ok = RunJsonLines(in, out, [](const Json& input, JsonWriter& answer) {
    FieldReader reader(input);
    const std::int32_t x = reader.Int("x", 0, 9);
    reader.Finish();
    answer.BeginObject().Key("twice").Int(2 * x).EndObject();
  });
  EXPECT_FALSE(ok);
  EXPECT_EQ(out.str(),
            "{\"twice\":2}\n{\"error\":\"not valid JSON\"}\n{\"error\":\"not valid JSON\"}\n"
            "{\"error\":\"expected a JSON object\"}\n{\"twice\":4}\n");
}

TEST(JsonWriter, WritesWhatAParserReadsBack) {
  JsonWriter out;
  out.BeginObject()
      .Key("s")
      .String("\"\\\r\n\t\x01 ケルミナ")
      .Key("n")
      .Int(-9223372036854775807 - 1);
  out.Key("a").BeginArray().Bool(true).Null().BeginObject().EndObject().Ints(std::vector{1, 2});
  out.EndArray().Key("e").BeginArray().EndArray().EndObject();
  EXPECT_EQ(
      out.Text(),
      R"({"s":"\"\\\r\n\t\u0001 ケルミナ","n":-9223372036854775808,"a":[true,null,{},[1,2]],"e":[]})");
  EXPECT_EQ(Json::parse(out.Text())["s"], "\"\\\r\n\t\x01 ケルミナ");
}

// Overlong forms, surrogates and code points past U+10FFFF must not pass as they are.
TEST(JsonWriter, MalformedUtf8BecomesReplacementCharacters) {
  for (const char* bad :
       {"\xff", "\xe3\x81", "a\xc0\xaf", "\xed\xa0\x80", "\xe0\x80\xaf", "\xf4\x90\x80\x80"}) {
    JsonWriter out;
    out.String(bad);
    EXPECT_NO_THROW(Json::parse(out.Text())) << out.Text();
  }
  EXPECT_EQ(Dump(Json{{"name", std::string("a\xff")}}), "{\"name\":\"a\xEF\xBF\xBD\"}");
}

}  // namespace
}  // namespace kerumina::cli
