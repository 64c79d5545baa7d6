// TCommaParse: fields of texts and of a file's first record, quotes, delimiter changes.
#include <gtest/gtest.h>

#include "core/components/comma_parse.h"
#include "tests/support/temp_dir.h"

namespace vl {

namespace {

using Fields = std::vector<std::string>;

Fields split(const std::string& text) { return TCommaParse::SplitText(text, '\xbb'); }

}  // namespace

// Quotes keep delimiters inside a field and are unwrapped; "" is one quote.
TEST(CommaParse, TextFieldsAtTheDelimiterAndQuotes) {
  EXPECT_EQ(split("a\xbb" "b\xbb" "c"), (Fields{"a", "b", "c"}));
  EXPECT_EQ(split("a\xbb\xbb" "b"), (Fields{"a", "", "b"}));
  EXPECT_EQ(split("a\xbb"), (Fields{"a", ""}));
  EXPECT_EQ(split(""), (Fields{""}));
  EXPECT_EQ(TCommaParse::SplitText("\"a,b\",c", ','), (Fields{"a,b", "c"}));
  EXPECT_EQ(TCommaParse::SplitText("\"say \"\"hi\"\"\",x", ','), (Fields{"say \"hi\"", "x"}));
  EXPECT_EQ(TCommaParse::SplitText("\",x", ','), (Fields{"\",x"}));
  EXPECT_EQ(TCommaParse::Unquote("\""), "");
  EXPECT_EQ(TCommaParse::Unquote("\"\"\"\""), "\"");
  EXPECT_EQ(TCommaParse::Unquote("a\"\"\"b"), "a\"\"b");
  EXPECT_EQ(TCommaParse::Unquote("\"a"), "\"a");
}

// Data naming a file reads its first record; a folder's name or other text is one record,
// and a delimiter change clears it.
TEST(CommaParse, DataReadsAFilesFirstRecordOrIsOneRecord) {
  test::TempDir dir;
  const std::string file = dir.write("list.csv", "one,\"two\r\n2\",three\r\nfour,five\r\n");
  TCommaParse parse;
  parse.setData(file);
  EXPECT_EQ(parse.fields(), (Fields{"one", "two\r\n2", "three"}));
  EXPECT_EQ(TCommaParse::SplitText(file, ','), Fields{file});
  parse.setData(dir.write("last.csv", "a,b"));
  EXPECT_EQ(parse.fields(), (Fields{"a", "b"}));
  parse.setData(dir.write("empty.csv", ""));
  EXPECT_EQ(parse.fields(), Fields{""});
  parse.setData(dir.path());
  EXPECT_EQ(parse.fields(), Fields{dir.path()});

  parse.setFieldDelimiter('\xbb');
  parse.setData("x\xbby\rz");
  EXPECT_EQ(parse.fields(), (Fields{"x", "y\rz"}));
  parse.setRecordDelimiter('\n');
  EXPECT_TRUE(parse.fields().empty());
  EXPECT_TRUE(parse.data().empty());
}

}  // namespace vl
