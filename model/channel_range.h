#pragma once
// Commands on several rows of the channel grid at once: copying, cutting, pasting and
// emptying rows, and rearranging the memory channels (insert, delete closing the gap, move,
// sort). Rows are channel numbers; the VFO and RT channels (201..203) are never moved.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "model/editing_model.h"

namespace tq8615 {

// Copied rows in order; a row without a channel in use is a record whose ChannelInUse is 0.
using ChannelClip = std::vector<ChannelRecord>;

ChannelClip CopyChannels(const ChannelTable& channels, const std::vector<int>& rows);
// Copies the rows, then deletes the channels of those that were in use.
ChannelClip CutChannels(ChannelTable& channels, const std::vector<int>& rows);
// Empties the rows.
void DeleteChannels(ChannelTable& channels, const std::vector<int>& rows);
// Pastes one copied row at `row`: an empty one deletes the target channel, a channel
// overwrites it or is appended, numbered `row`.
void PasteChannel(ChannelTable& channels, const ChannelRecord& copied, int row);
// Pastes the copied rows from `row` on, one row each. A paste that starts on a memory
// channel stops at channel 200, so that it never overwrites the VFO or RT channel; one that
// starts on them stops at 203. Returns the rows pasted.
std::vector<int> PasteChannels(ChannelTable& channels, const ChannelClip& clip, int row);

// The rearrangements below act on the memory channels among `rows` (1..200), keep every field
// of a moved channel but its number, and let the option area's working channels follow
// their channel.

// Removes those channels; the channels below move up to close the gap.
void RemoveChannels(EditingModel& model, const std::vector<int>& rows);
// Moves channels row..199 down by one, leaving `row` empty. False, with nothing changed,
// when channel 200 is in use (it would fall off the end) or `row` is not a memory channel.
bool InsertChannel(EditingModel& model, int row);
// Moves the channels one row up (delta -1) or down (+1), each past its unselected
// neighbour; a block against channel 1 or 200 stays. Returns the rows they are in now.
std::vector<int> MoveChannels(EditingModel& model, const std::vector<int>& rows, int delta);

// What channels are sorted by: numbers by value, then texts alphabetically, then blanks.
struct ChannelSortKey {
    std::optional<double> number;
    std::string text;
};
ChannelSortKey RxFrequencyKey(const ChannelRecord& record);
ChannelSortKey NameKey(const ChannelRecord& record);
// A text as the grid shows it: a number where it reads as one.
ChannelSortKey ShownTextKey(const std::string& text);
using SortKeyOf = std::function<ChannelSortKey(const ChannelRecord&)>;

// Sorts the channels in use among the rows by `key` (equal keys keep their order) and
// puts them in those rows from the first; the rows left over end up empty.
void SortChannels(EditingModel& model, const std::vector<int>& rows, const SortKeyOf& key);

// Rows first..last; the memory channel rows 1..200.
std::vector<int> RowSpan(int first, int last);
std::vector<int> AllMemoryRows();

}  // namespace tq8615
