// The factory's auto test export: which blocks the chosen groups mark, the channel rows,
// and the ".EPM" file's lines.
#include <gtest/gtest.h>

#include <sstream>

#include "files/epm_file.h"
#include "model/auto_test.h"
#include "support/fixtures.h"

using namespace tq8615;

namespace {

std::string Lang(TextKey key) { return "T" + std::to_string(static_cast<int>(key)); }

// The default model with memory channels 1 and 3.
EditingModel ChannelsOneAndThree()
{
    EditingModel m;
    ResetToBuiltInDefaults(m);
    m.DeleteChannel(2);
    m.AppendChannel(NewChannelWithFreq(3, "145.50000"));
    return m;
}

struct Export {
    AutoTestRecord record;
    RadioImage image;
};

Export Exported(EditingModel m, const AutoTestGroupFlags& groups)
{
    Export e;
    e.record.map.active = true;
    CollectingSink sink;
    EXPECT_TRUE(EncodeForAutoTest(m, groups, e.image, e.record, Lang, sink));
    EXPECT_TRUE(sink.messages.empty());
    return e;
}

std::vector<int> Marked(const BlockUsageMap& map)
{
    std::vector<int> blocks;
    for (std::size_t i = 0; i < map.used.size(); ++i)
        if (map.used[i] != 0)
            blocks.push_back(static_cast<int>(i));
    return blocks;
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t end = text.find("\r\n", at);
        EXPECT_NE(end, std::string::npos) << "every line ends in CR LF";
        if (end == std::string::npos)
            break;
        lines.push_back(text.substr(at, end - at));
        at = end + 2;
    }
    return lines;
}

}  // namespace

TEST(AutoTest, GroupsMarkTheirBlocks)
{
    AutoTestGroupFlags channels{};
    channels[kChannelsGroup] = 1;
    const Export e = Exported(ChannelsOneAndThree(), channels);
    EXPECT_EQ(Marked(e.record.map), (std::vector<int>{0, 1, 4, 5, 404, 405, 406, 407}));
    ASSERT_EQ(e.record.rows.size(), 2u);

    AutoTestGroupFlags none{};
    const Export nothing = Exported(ChannelsOneAndThree(), none);
    EXPECT_TRUE(Marked(nothing.record.map).empty());
    EXPECT_TRUE(nothing.record.rows.empty());
    EXPECT_EQ(nothing.image, e.image);  // the image is the same whatever is marked

    // The groups without an encoder of their own mark nothing; the option group its area.
    AutoTestGroupFlags others{};
    for (const std::size_t g : {1u, 2u, 3u, 5u, 7u, 9u, 11u})
        others[g] = 1;
    EXPECT_TRUE(Marked(Exported(ChannelsOneAndThree(), others).record.map).empty());
    AutoTestGroupFlags options{};
    options[kOptionsGroup] = 1;
    const std::vector<int> optionBlocks = Marked(Exported(ChannelsOneAndThree(), options).record.map);
    EXPECT_FALSE(optionBlocks.empty());
    EXPECT_TRUE(std::ranges::none_of(optionBlocks, [](int b) { return b <= 407; }));  // no channel blocks
}

TEST(AutoTest, ChannelRowsUseTheGridTexts)
{
    AutoTestGroupFlags channels = kStartAutoTestGroups;
    EditingModel m = ChannelsOneAndThree();
    const Export e = Exported(m, channels);
    const ChannelRecord& three = m.ChannelList[static_cast<std::size_t>(m.FindChannel(3))];
    CollectingSink sink;
    const auto grid = ChannelRowTexts(three, Lang, sink);
    const AutoTestRow expected = {"显示信道ID|3", "通信信道ID|2", "接收频率|" + grid[1], "发射频率|" + grid[2],
                                  "解码|" + grid[8], "编码|" + grid[9], "功率|" + grid[7], "宽窄带|" + grid[5],
                                  "可选信令|Off"};
    EXPECT_EQ(e.record.rows[1], expected);
    EXPECT_EQ(e.record.rows[0][0], "显示信道ID|1");
    EXPECT_EQ(grid[1], "145.50000");
}

TEST(AutoTest, FileLines)
{
    AutoTestRecord record;
    record.map.active = true;
    RadioImage image;
    ClearImage(image, record.map);
    EditingModel m = test::RichModel(1);
    CollectingSink sink;
    ASSERT_TRUE(EncodeForAutoTest(m, kStartAutoTestGroups, image, record, Lang, sink));
    EXPECT_EQ(image, test::Encode(test::RichModel(1)));

    const TextEncoder marked = [](std::string_view cell) { return "<" + std::string(cell) + ">"; };
    const std::vector<std::string> lines = Lines(EpmFileText(record, image, marked));
    const std::size_t cells = record.rows.size() * kAutoTestCellsPerRow;
    ASSERT_EQ(lines.size(), 1 + cells + 810 + 12960);
    EXPECT_EQ(lines[0], std::to_string(record.rows.size()) + ",9");
    EXPECT_EQ(lines[1], "\"<" + record.rows[0][0] + ">\"");
    EXPECT_EQ(lines[cells], "\"<" + record.rows.back().back() + ">\"");
    for (std::size_t i = 0; i < 810; ++i)
        EXPECT_EQ(lines[1 + cells + i], std::to_string(record.map.used[i])) << i;
    for (int a = 0; a < kImageSize; ++a)
        ASSERT_EQ(lines[1 + cells + 810 + static_cast<std::size_t>(a)], std::to_string(image.at(a))) << a;

    AutoTestRecord empty;
    const std::vector<std::string> none = Lines(EpmFileText(empty, image));
    EXPECT_EQ(none[0], "0,9");
    EXPECT_EQ(none[1], "0");
    EXPECT_EQ(none.size(), 1u + 810 + 12960);
}

TEST(AutoTest, WritingTheFile)
{
    test::TempDir dir;
    AutoTestRecord record;
    RadioImage image;
    std::error_code error;
    test::WriteAll(dir / "old.EPM", "old");
    ASSERT_TRUE(WriteEpmFile(dir / "old.EPM", record, image, {}, error));
    EXPECT_EQ(test::ReadAll(dir / "old.EPM"), EpmFileText(record, image));

    EXPECT_FALSE(WriteEpmFile(dir / "missing" / "a.EPM", record, image, {}, error));
    EXPECT_TRUE(error);
    EXPECT_FALSE(std::filesystem::exists(dir / "missing"));
}
