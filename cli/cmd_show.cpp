#include "cli/cli.h"
#include "cli/terminal_text.h"
#include "files/document.h"
#include "model/channel_display.h"

#include <algorithm>
#include <iostream>
#include <vector>

namespace tq8615::cli {
namespace {

std::string OneLine(std::string text)
{
    std::replace(text.begin(), text.end(), '\r', ' ');
    text.erase(std::remove(text.begin(), text.end(), '\n'), text.end());
    return TerminalText(text);
}

// Display width of UTF-8 text: one column per character.
std::size_t Width(const std::string& text)
{
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

void PrintRow(const std::array<std::string, kGridColumns>& cells, const std::array<std::size_t, kGridColumns>& widths)
{
    std::string line;
    for (std::size_t c = 0; c < cells.size(); ++c) {
        line += cells[c];
        if (c + 1 < cells.size())
            line += std::string(widths[c] - Width(cells[c]) + 2, ' ');
    }
    std::cout << line.substr(0, line.find_last_not_of(' ') + 1) << '\n';
}

}  // namespace

Command ShowCommand()
{
    return {"show", "show FILE.dat", "print the band plan and the channels as the channel grid shows them",
            {}, [](const Args& args) {
                if (args.positional.size() != 1)
                    return Fail("usage: tq8615-cli show FILE.dat");
                Document doc(ProgramFolder());
                StderrSink sink;
                if (!doc.OpenDataFile(args.positional[0], sink))
                    return 1;
                std::vector<const ChannelRecord*> channels;
                for (int i = 0; i < doc.Model.ChannelCount; ++i) {
                    const ChannelRecord& r = doc.Model.ChannelList[static_cast<std::size_t>(i)];
                    if (r.ChannelInUse == 1 && !RowLabel(r.ChannelNumber).empty())
                        channels.push_back(&r);
                }
                std::sort(channels.begin(), channels.end(),
                          [](auto* a, auto* b) { return a->ChannelNumber < b->ChannelNumber; });
                std::vector<std::array<std::string, kGridColumns>> rows;
                auto header = GridHeaderTexts(EnglishText);
                for (auto& h : header)
                    h = OneLine(h);
                rows.push_back(header);
                for (const ChannelRecord* r : channels) {
                    auto cells = ChannelRowTexts(*r, EnglishText, sink);
                    for (auto& cell : cells)
                        cell = TerminalText(cell);
                    rows.push_back(cells);
                }
                std::array<std::size_t, kGridColumns> widths{};
                for (const auto& row : rows)
                    for (std::size_t c = 0; c < row.size(); ++c)
                        widths[c] = std::max(widths[c], Width(row[c]));
                std::cout << "Band plan " << doc.Model.Band.BandPlanIndex << ": " << TerminalText(doc.Model.Band.BandPlanText) << '\n';
                for (const auto& row : rows)
                    PrintRow(row, widths);
                return 0;
            }};
}

}  // namespace tq8615::cli
