#include "model/auto_test.h"

namespace tq8615 {

const std::array<const char*, kAutoTestGroupCount> kAutoTestGroupCaptions = {
    "信道", "收音机", "AM", "MSK", "整机功能", "组信道", "DTMF", "2Tone", "5Tone", "紧急报警", "通讯簿", "信道扫描信息"};

namespace {

std::size_t GroupOf(EncodedArea area)
{
    switch (area) {
    case EncodedArea::Channels: return kChannelsGroup;
    case EncodedArea::Options: return kOptionsGroup;
    case EncodedArea::FiveTone: return kFiveToneGroup;
    case EncodedArea::Dtmf: return kDtmfGroup;
    case EncodedArea::Book: return kCommuBookGroup;
    }
    return kChannelsGroup;
}

}  // namespace

AutoTestRow AutoTestRowOf(const ChannelRecord& r, const LangLookup& lang, MessageSink& sink)
{
    const auto grid = ChannelRowTexts(r, lang, sink);
    const int n = r.ChannelNumber;
    const std::pair<const char*, std::string> cells[kAutoTestCellsPerRow] = {
        {"显示信道ID", std::to_string(n)}, {"通信信道ID", std::to_string(n - 1)},
        {"接收频率", grid[1]},             {"发射频率", grid[2]},
        {"解码", grid[8]},                 {"编码", grid[9]},
        {"功率", grid[7]},                 {"宽窄带", grid[5]},
        {"可选信令", "Off"},
    };
    AutoTestRow row;
    for (std::size_t i = 0; i < kAutoTestCellsPerRow; ++i)
        row[i] = std::string(cells[i].first) + "|" + cells[i].second;
    return row;
}

bool EncodeForAutoTest(EditingModel& model, const AutoTestGroupFlags& groups, RadioImage& image,
                       AutoTestRecord& record, const LangLookup& lang, MessageSink& sink)
{
    ClearImage(image, record.map);
    record.rows.clear();
    const auto marks = [&](EncodedArea area) { return groups[GroupOf(area)] != 0; };
    if (!EncodeModelToImage(model, image, record.map, sink, marks))
        return false;
    if (groups[kChannelsGroup] == 0)
        return true;
    for (int i = 0; i < model.ChannelCount; ++i) {
        const ChannelRecord& r = model.ChannelList[static_cast<std::size_t>(i)];
        if (r.ChannelNumber < 1 || r.ChannelNumber > kMemoryChannels)
            continue;  // VFO and RT channels are not tested
        if ((record.rows.size() + 1) * kAutoTestCellsPerRow > kAutoTestMaxCells)
            break;
        record.rows.push_back(AutoTestRowOf(r, lang, sink));
    }
    return true;
}

}  // namespace tq8615
