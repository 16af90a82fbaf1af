// The JSON plumbing of the command line (the fields themselves: commands_test): a line loop
// never stops at a bad line, and what the writer writes a parser reads back.
#include <gtest/gtest.h>

#include <sstream>

#include "app/cli/json_fields.h"
#include "app/cli/json_lines.h"

namespace kerumina::cli {
namespace {

// The reader keeps a reference: a temporary object must not compile.
static_assert(!std::is_constructible_v<FieldReader, Json&&>);

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

// Overlong forms, surrogates and code points past U+10FFFF must not pass as they are.
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
  for (const char* bad :
       {"\xff", "\xe3\x81", "a\xc0\xaf", "\xed\xa0\x80", "\xe0\x80\xaf", "\xf4\x90\x80\x80"}) {
    JsonWriter line;
    line.String(bad);
    EXPECT_NO_THROW(Json::parse(line.Text())) << line.Text();
  }
  EXPECT_EQ(Dump(Json{{"name", std::string("a\xff")}}), "{\"name\":\"a\xEF\xBF\xBD\"}");
}

}  // namespace
}  // namespace kerumina::cli
