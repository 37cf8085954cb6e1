#pragma once
// The texts of one channel row as the channel grid and the command-line listing show them.
#include <array>
#include <functional>
#include <string>
#include <string_view>

#include "model/channels.h"
#include "model/messages.h"
#include "model/text_keys.h"

namespace tq8615 {

using LangLookup = std::function<std::string(TextKey key)>;

constexpr int kGridColumns = 11;  // the row label and ten channel columns
constexpr int kGridRows = 204;    // the header row and channel rows 1..203

std::string RowLabel(int row);  // "1".."200", "VFO1", "VFO2", "TRF"
std::array<std::string, kGridColumns> GridHeaderTexts(const LangLookup& lang);

std::string ItemText(std::string_view item, int value, const LangLookup& lang);
std::string SignalText(std::string_view item, const ChannelRecord& record, const LangLookup& lang);

// Columns 1..10 of a channel; all empty for a channel that is not in use.
std::array<std::string, kGridColumns> ChannelRowTexts(const ChannelRecord& record, const LangLookup& lang,
                                                      MessageSink& sink);

}  // namespace tq8615
