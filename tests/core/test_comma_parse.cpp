// TCommaParse: fields of texts and of a file's first record, quotes, delimiter changes.
#include <gtest/gtest.h>

#include "core/components/comma_parse.h"
#include "tests/support/temp_dir.h"

namespace vl {

namespace {

using Fields = std::vector<std::string>;

const char Guillemet = '\xbb';

Fields parsedText(const std::string& text) {
  TCommaParse parse;
  parse.setFieldDelimiter(Guillemet);
  parse.setData(text);
  return parse.fields();
}

}  // namespace

TEST(CommaParse, TextFieldsAtTheDelimiter) {
  EXPECT_EQ(parsedText("a\xbb" "b\xbb" "c"), (Fields{"a", "b", "c"}));
  EXPECT_EQ(parsedText("a\xbb\xbb" "b"), (Fields{"a", "", "b"}));
  EXPECT_EQ(parsedText("a\xbb"), (Fields{"a", ""}));
  EXPECT_EQ(parsedText(""), (Fields{""}));
  EXPECT_EQ(parsedText("a\rb"), (Fields{"a\rb"}));
}

TEST(CommaParse, QuotesKeepDelimitersAndAreUnwrapped) {
  EXPECT_EQ(TCommaParse::SplitText("\"a,b\",c", ','), (Fields{"a,b", "c"}));
  EXPECT_EQ(TCommaParse::SplitText("\"say \"\"hi\"\"\",x", ','), (Fields{"say \"hi\"", "x"}));
  EXPECT_EQ(TCommaParse::SplitText("\",x", ','), (Fields{"\",x"}));
  EXPECT_EQ(TCommaParse::Unquote("\""), "");
  EXPECT_EQ(TCommaParse::Unquote("\"\"\"\""), "\"");
  EXPECT_EQ(TCommaParse::Unquote("a\"\"\"b"), "a\"\"b");
  EXPECT_EQ(TCommaParse::Unquote("\"a"), "\"a");
}

TEST(CommaParse, ADelimiterChangeClearsTheRecord) {
  TCommaParse parse;
  parse.setData("x,y");
  EXPECT_EQ(parse.fields(), (Fields{"x", "y"}));
  parse.setRecordDelimiter('\n');
  EXPECT_TRUE(parse.fields().empty());
  EXPECT_TRUE(parse.data().empty());
}

// Data naming a file reads its first record; a folder's name is only text.
TEST(CommaParse, FileDataReadsOnlyTheFirstRecord) {
  test::TempDir dir;
  const std::string file = dir.write("list.csv", "one,\"two\r\n2\",three\r\nfour,five\r\n");
  TCommaParse parse;
  parse.setData(file);
  EXPECT_EQ(parse.fields(), (Fields{"one", "two\r\n2", "three"}));
  EXPECT_EQ(TCommaParse::SplitText(file, ','), Fields{file});

  const std::string unterminated = dir.write("last.csv", "a,b");
  parse.setData(unterminated);
  EXPECT_EQ(parse.fields(), (Fields{"a", "b"}));
  parse.setData(dir.write("empty.csv", ""));
  EXPECT_EQ(parse.fields(), Fields{""});
  parse.setData(dir.path());
  EXPECT_EQ(parse.fields(), Fields{dir.path()});
}

}  // namespace vl
