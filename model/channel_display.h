#pragma once
// The texts of one channel row as the channel grid and the command-line listing show them.
#include <array>
#include <functional>
#include <string>
#include <string_view>

#include "model/channel_fields.h"
#include "model/channels.h"
#include "model/messages.h"
#include "model/text_keys.h"

namespace tq8615 {

using LangLookup = std::function<std::string(TextKey key)>;

constexpr int kGridColumns = 11;  // the row label and ten channel columns
constexpr int kGridRows = 204;    // the header row and channel rows 1..203

std::string RowLabel(int row);  // "1".."200", "VFO1", "VFO2", "TRF"
std::array<std::string, kGridColumns> GridHeaderTexts(const LangLookup& lang);

// The item an editor's list shows for `value` of a listed channel field; empty outside the list.
std::string FieldItemText(const ChannelField& field, int value, const LangLookup& lang);
std::string SignalText(std::string_view item, const ChannelRecord& record, const LangLookup& lang);

// Columns 1..10 of a channel; all empty for a channel that is not in use.
std::array<std::string, kGridColumns> ChannelRowTexts(const ChannelRecord& record, const LangLookup& lang,
                                                      MessageSink& sink);

}  // namespace tq8615
