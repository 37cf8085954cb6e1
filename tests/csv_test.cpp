#include "files/csv.h"

#include <gtest/gtest.h>

namespace tq8615 {
namespace {

using Fields = std::vector<std::string>;

struct ParseCase {
    const char* name;
    std::string text;
    std::vector<Fields> records;
    std::vector<int> lines;
    std::vector<bool> broken;
};

class CsvParse : public testing::TestWithParam<ParseCase> {};

TEST_P(CsvParse, ReadsRecords)
{
    const ParseCase& c = GetParam();
    const auto records = ParseCsv(c.text);
    ASSERT_EQ(records.size(), c.records.size());
    for (std::size_t i = 0; i < records.size(); ++i) {
        EXPECT_EQ(records[i].fields, c.records[i]) << i;
        EXPECT_EQ(records[i].line, c.lines[i]) << i;
        EXPECT_EQ(records[i].brokenQuote, c.broken.empty() ? false : bool(c.broken[i])) << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CsvParse,
    testing::Values(
        ParseCase{"lf", "a,b\n1,2\n", {{"a", "b"}, {"1", "2"}}, {1, 2}, {}},
        ParseCase{"crlf_no_final_break", "a,b\r\n1,2", {{"a", "b"}, {"1", "2"}}, {1, 2}, {}},
        ParseCase{"bom", "\xEF\xBB\xBF" "a,b\r\n", {{"a", "b"}}, {1}, {}},
        ParseCase{"empty_fields", ",,\n", {{"", "", ""}}, {1}, {}},
        ParseCase{"quoted_comma_and_quote", "\"x,y\",\"say \"\"hi\"\"\"\r\n", {{"x,y", "say \"hi\""}}, {1}, {}},
        ParseCase{"quoted_line_break", "\"two\nlines\",z\nnext\n", {{"two\nlines", "z"}, {"next"}}, {1, 3}, {}},
        ParseCase{"blank_lines_skipped", "a\n\n\r\nb\n", {{"a"}, {"b"}}, {1, 4}, {}},
        ParseCase{"unclosed_quote_ends_text", "a\n\"open,b\nc\n", {{"a"}, {"open,b\nc\n"}}, {1, 2}, {false, true}},
        ParseCase{"text_after_closing_quote", "\"ab\"c,d\ne\n", {{"abc", "d"}, {"e"}}, {1, 2}, {true, false}},
        ParseCase{"quote_inside_plain_field", "ab\"c,d\n", {{"ab\"c", "d"}}, {1}, {true}},
        ParseCase{"empty", "", {}, {}, {}}),
    [](const auto& c) { return std::string(c.param.name); });

TEST(CsvLine, QuotesOnlyWhatNeedsItAndReadsBack)
{
    const Fields fields = {"plain", "a,b", "say \"x\"", "line\nbreak", " padded ", "", "145.500000"};
    const std::string line = CsvLine(fields);
    EXPECT_EQ(line, "plain,\"a,b\",\"say \"\"x\"\"\",\"line\nbreak\",\" padded \",,145.500000\r\n");
    const auto back = ParseCsv(line + line);
    ASSERT_EQ(back.size(), 2u);
    EXPECT_EQ(back[0].fields, fields);
    EXPECT_EQ(back[1].fields, fields);
    EXPECT_EQ(back[1].line, 3);
}

}  // namespace
}  // namespace tq8615
