#include "model/channel_range.h"
#include "model/text_util.h"

#include <algorithm>
#include <array>
#include <tuple>

namespace tq8615 {
namespace {

bool IsMemoryRow(int row) { return row >= 1 && row <= kMemoryChannels; }

// The new number of every memory channel, indexed by its old one; 0 removes the channel.
using Renumbering = std::array<int, kMemoryChannels + 1>;

Renumbering Unchanged()
{
    Renumbering to{};
    for (int n = 1; n <= kMemoryChannels; ++n)
        to[static_cast<std::size_t>(n)] = n;
    return to;
}

// Gives every memory channel its new number and lets the working channels (stored as the
// channel number less one) follow theirs.
void Renumber(EditingModel& model, const Renumbering& to)
{
    bool removed = false;
    int kept = 0;
    for (int i = 0; i < model.ChannelCount; ++i) {
        ChannelRecord record = model.ChannelList[static_cast<std::size_t>(i)];
        if (IsMemoryRow(record.ChannelNumber)) {
            const int now = to[static_cast<std::size_t>(record.ChannelNumber)];
            if (now == 0) {
                removed = true;
                continue;
            }
            record.ChannelNumber = static_cast<int16_t>(now);
        }
        model.ChannelList[static_cast<std::size_t>(kept++)] = record;
    }
    model.ChannelCount = kept;
    for (int16_t* working : {&model.Options.ChannelA, &model.Options.ChannelB}) {
        const int number = *working + 1;
        if (IsMemoryRow(number) && to[static_cast<std::size_t>(number)] != 0)
            *working = static_cast<int16_t>(to[static_cast<std::size_t>(number)] - 1);
    }
    if (removed)
        FixWorkingChannels(model.Options, model);
}

// The memory rows among `rows`, ascending, each once.
std::vector<int> MemoryRows(std::vector<int> rows)
{
    std::erase_if(rows, [](int row) { return !IsMemoryRow(row); });
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

bool InUse(const ChannelTable& channels, int row)
{
    const int i = channels.FindChannel(row);
    return i >= 0 && channels.ChannelList[static_cast<std::size_t>(i)].ChannelInUse == 1;
}

// Numbers first, then texts, then blanks.
auto Order(const ChannelSortKey& key)
{
    const int rank = key.number ? 0 : key.text.empty() ? 2 : 1;
    return std::make_tuple(rank, key.number.value_or(0.0), key.text);
}

}  // namespace

ChannelClip CopyChannels(const ChannelTable& channels, const std::vector<int>& rows)
{
    ChannelClip clip;
    for (int row : rows) {
        const int i = channels.FindChannel(row);
        ChannelRecord copied = NewChannelRecord(row);
        if (i >= 0 && channels.ChannelList[static_cast<std::size_t>(i)].ChannelInUse == 1)
            copied = channels.ChannelList[static_cast<std::size_t>(i)];
        else
            copied.ChannelInUse = 0;
        clip.push_back(copied);
    }
    return clip;
}

ChannelClip CutChannels(ChannelTable& channels, const std::vector<int>& rows)
{
    ChannelClip clip = CopyChannels(channels, rows);
    for (const ChannelRecord& copied : clip)
        if (copied.ChannelInUse == 1)
            channels.DeleteChannel(copied.ChannelNumber);
    return clip;
}

void DeleteChannels(ChannelTable& channels, const std::vector<int>& rows)
{
    for (int row : rows)
        channels.DeleteChannel(row);
}

void PasteChannel(ChannelTable& channels, const ChannelRecord& copied, int row)
{
    if (copied.ChannelInUse != 1) {
        channels.DeleteChannel(row);
        return;
    }
    ChannelRecord record = copied;
    record.ChannelNumber = static_cast<int16_t>(row);
    const int i = channels.FindChannel(row);
    if (i >= 0)
        channels.ChannelList[static_cast<std::size_t>(i)] = record;
    else
        channels.AppendChannel(record);
}

std::vector<int> PasteChannels(ChannelTable& channels, const ChannelClip& clip, int row)
{
    std::vector<int> pasted;
    if (row < 1 || row > kMaxChannels)
        return pasted;
    const int last = IsMemoryRow(row) ? kMemoryChannels : kMaxChannels;
    for (std::size_t k = 0; k < clip.size() && row + static_cast<int>(k) <= last; ++k) {
        const int target = row + static_cast<int>(k);
        PasteChannel(channels, clip[k], target);
        pasted.push_back(target);
    }
    return pasted;
}

void RemoveChannels(EditingModel& model, const std::vector<int>& rows)
{
    const std::vector<int> removed = MemoryRows(rows);
    if (removed.empty())
        return;
    Renumbering to{};
    int next = 1;
    for (int n = 1; n <= kMemoryChannels; ++n)
        to[static_cast<std::size_t>(n)] = std::binary_search(removed.begin(), removed.end(), n) ? 0 : next++;
    Renumber(model, to);
}

bool InsertChannel(EditingModel& model, int row)
{
    if (!IsMemoryRow(row) || InUse(model, kMemoryChannels))
        return false;
    Renumbering to = Unchanged();
    to[kMemoryChannels] = 0;  // a record kept there but not in use has no row to go to
    for (int n = row; n < kMemoryChannels; ++n)
        to[static_cast<std::size_t>(n)] = n + 1;
    Renumber(model, to);
    return true;
}

std::vector<int> MoveChannels(EditingModel& model, const std::vector<int>& rows, int delta)
{
    std::vector<int> selected = MemoryRows(rows);
    if (delta > 0)
        std::reverse(selected.begin(), selected.end());
    // at[n]: the old number of the channel now in row n.
    Renumbering at = Unchanged();
    std::vector<int> now;
    for (int row : selected) {
        const int target = row + delta;
        if (!IsMemoryRow(target) || std::find(now.begin(), now.end(), target) != now.end()) {
            now.push_back(row);  // blocked by the edge or by a selected row that stayed
            continue;
        }
        std::swap(at[static_cast<std::size_t>(row)], at[static_cast<std::size_t>(target)]);
        now.push_back(target);
    }
    Renumbering to{};
    for (int n = 1; n <= kMemoryChannels; ++n)
        to[static_cast<std::size_t>(at[static_cast<std::size_t>(n)])] = n;
    Renumber(model, to);
    std::sort(now.begin(), now.end());
    return now;
}

ChannelSortKey RxFrequencyKey(const ChannelRecord& record)
{
    const std::string digits = TrimmedText((record.VhfActive != 0 ? record.RxFreqVhf : record.RxFreq).raw());
    if (!IsDecimalDigits(digits))
        return {};
    return {ParseNumber(digits), digits};
}

ChannelSortKey NameKey(const ChannelRecord& record) { return {std::nullopt, record.ChannelName.trimmed()}; }

ChannelSortKey ShownTextKey(const std::string& text) { return {ParseNumber(text), text}; }

void SortChannels(EditingModel& model, const std::vector<int>& rows, const SortKeyOf& key)
{
    const std::vector<int> positions = MemoryRows(rows);
    // The rows' channels in use with their keys, then every other row in its order.
    std::vector<std::pair<int, ChannelSortKey>> channels;
    std::vector<int> others;
    for (int row : positions) {
        if (InUse(model, row))
            channels.emplace_back(row, key(model.ChannelList[static_cast<std::size_t>(model.FindChannel(row))]));
        else
            others.push_back(row);
    }
    std::stable_sort(channels.begin(), channels.end(),
                     [](const auto& a, const auto& b) { return Order(a.second) < Order(b.second); });
    Renumbering to = Unchanged();
    std::size_t k = 0;
    for (const auto& entry : channels)
        to[static_cast<std::size_t>(entry.first)] = positions[k++];
    for (int row : others)
        to[static_cast<std::size_t>(row)] = positions[k++];
    Renumber(model, to);
}

std::vector<int> RowSpan(int first, int last)
{
    std::vector<int> rows;
    for (int row = first; row <= last; ++row)
        rows.push_back(row);
    return rows;
}

std::vector<int> AllMemoryRows() { return RowSpan(1, kMemoryChannels); }

}  // namespace tq8615
