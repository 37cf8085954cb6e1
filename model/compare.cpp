#include "model/compare.h"

#include "model/channel_fields.h"
#include "model/dtmf_fields.h"
#include "model/five_tone_fields.h"
#include "model/option_fields.h"

#include <cstdio>
#include <set>

namespace tq8615 {

std::string_view AreaName(ConfigArea area)
{
    switch (area) {
    case ConfigArea::BandPlan: return "band plan";
    case ConfigArea::Channels: return "channels";
    case ConfigArea::Options: return "options";
    case ConfigArea::Keys: return "keys";
    case ConfigArea::Dtmf: return "DTMF";
    case ConfigArea::FiveTone: return "5-tone";
    case ConfigArea::CommunicationBook: return "communication book";
    case ConfigArea::TwoTone: return "2-tone";
    case ConfigArea::FileOnly: return "file-only records";
    }
    return "?";
}

namespace {

// What a text field says: the radio and the program end a text at a NUL and pad with
// spaces, so neither belongs to the text.
std::string_view Meaningful(std::string_view bytes)
{
    bytes = bytes.substr(0, bytes.find('\0'));
    while (!bytes.empty() && bytes.back() == ' ')
        bytes.remove_suffix(1);
    return bytes;
}

// Printable characters as they are, the rest as \xNN.
std::string TextValue(std::string_view text)
{
    std::string out = "\"";
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c >= 0x20 && c < 0x7F && c != '"' && c != '\\') {
            out += static_cast<char>(c);
        } else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02x", c);
            out += hex;
        }
    }
    return out + "\"";
}

std::string AllBytes(const std::string& bytes)
{
    std::string out;
    for (char ch : bytes) {
        char hex[4];
        std::snprintf(hex, sizeof hex, "%02x", static_cast<unsigned char>(ch));
        out += hex;
    }
    return out;
}

template <typename Record>
std::string FieldText(const Record& r, const Field<Record>& f)
{
    if (f.value.text) {
        std::string bytes;
        for (int i = 0; i < f.value.count; ++i)
            bytes += static_cast<char>(Get(r, f, i));
        return bytes;
    }
    std::string out;
    for (int i = 0; i < f.value.count; ++i)
        out += (i ? "," : "") + std::to_string(Get(r, f, i));
    return out;
}

template <typename Record>
bool HeldByRadio(const Field<Record>& f, int channel)
{
    if constexpr (std::is_same_v<Record, ChannelRecord>)
        return RadioHoldsField(f, channel);
    else
        return f.image.coding != ImageCoding::None;
}

struct Collector {
    std::vector<Difference>& out;
    CompareScope scope;

    void add(ConfigArea area, int channel, const std::string& item, std::string_view field, std::string left,
             std::string right)
    {
        out.push_back({area, channel, item, std::string(field), std::move(left), std::move(right)});
    }

    void text(ConfigArea area, const std::string& item, std::string_view field, const std::string& l,
              const std::string& r, int channel = 0)
    {
        if (l == r)
            return;
        if (Meaningful(l) != Meaningful(r))
            add(area, channel, item, field, TextValue(Meaningful(l)), TextValue(Meaningful(r)));
        else if (scope.paddingCounts)
            add(area, channel, item, field, AllBytes(l), AllBytes(r));
    }

    template <typename Record, std::size_t N>
    void fields(ConfigArea area, const std::string& item, const Record& l, const Record& r,
                const std::array<Field<Record>, N>& table, int channel = 0,
                bool (*belongs)(const Field<Record>&) = nullptr)
    {
        for (const auto& f : table) {
            if (belongs && !belongs(f))
                continue;
            if (scope.radioFieldsOnly && !HeldByRadio(f, channel))
                continue;
            const std::string a = FieldText(l, f), b = FieldText(r, f);
            if (f.value.text)
                text(area, item, f.name, a, b, channel);
            else if (a != b)
                add(area, channel, item, f.name, a, b);
        }
    }

    template <std::size_t N>
    void dtmfCode(const std::string& item, const DtmfCode<N>& l, const DtmfCode<N>& r)
    {
        text(ConfigArea::Dtmf, item, "Digits", std::string(l.Digits.raw()), std::string(r.Digits.raw()));
        if (l.DigitCount != r.DigitCount)
            add(ConfigArea::Dtmf, 0, item, "DigitCount", std::to_string(l.DigitCount), std::to_string(r.DigitCount));
    }

    template <typename T>
    void bytes(ConfigArea area, const std::string& item, std::string_view field, const T& l, const T& r)
    {
        static_assert(std::has_unique_object_representations_v<T>);
        const std::string a(reinterpret_cast<const char*>(&l), sizeof l), b(reinterpret_cast<const char*>(&r), sizeof r);
        if (a != b)
            add(area, 0, item, field, AllBytes(a), AllBytes(b));
    }
};

bool IsKey(const OptionField& f) { return IsKeyAssignment(f.name); }
bool IsOption(const OptionField& f) { return !IsKeyAssignment(f.name); }

std::string ChannelItem(int number)
{
    switch (number) {
    case kVfo1: return "VFO1";
    case kVfo2: return "VFO2";
    case kRtChannel: return "RT";
    default: return "channel " + std::to_string(number);
    }
}

const ChannelRecord* ChannelOf(const ChannelTable& table, int number)
{
    const int index = table.FindChannel(number);
    return index < 0 ? nullptr : &table.ChannelList[static_cast<std::size_t>(index)];
}

void CompareChannels(Collector& c, const ChannelTable& l, const ChannelTable& r)
{
    std::set<int> numbers;
    for (const ChannelTable* t : {&l, &r})
        for (int i = 0; i < t->ChannelCount && i < kMaxChannels; ++i)
            numbers.insert(t->ChannelList[static_cast<std::size_t>(i)].ChannelNumber);
    for (int n : numbers) {
        const ChannelRecord* a = ChannelOf(l, n);
        const ChannelRecord* b = ChannelOf(r, n);
        if (!a || !b) {
            c.add(ConfigArea::Channels, n, ChannelItem(n), "channel", a ? "present" : "absent", b ? "present" : "absent");
            continue;
        }
        c.fields(ConfigArea::Channels, ChannelItem(n), *a, *b, kChannelFields, n);
    }
}

void CompareDtmf(Collector& c, const DtmfSettings& l, const DtmfSettings& r)
{
    for (std::size_t i = 0; i < l.DtmfCodes.size(); ++i)
        c.dtmfCode("M" + std::to_string(i + 1), l.DtmfCodes[i], r.DtmfCodes[i]);
    c.dtmfCode("PTT-ID begin", l.DtmfPttIdBegin, r.DtmfPttIdBegin);
    c.dtmfCode("PTT-ID end", l.DtmfPttIdEnd, r.DtmfPttIdEnd);
    c.dtmfCode("kill code", l.KillCode, r.KillCode);
    c.dtmfCode("stun code", l.StunCode, r.StunCode);
    c.fields(ConfigArea::Dtmf, "", l, r, kDtmfFields);
}

void CompareFiveTone(Collector& c, const FiveToneSettings& l, const FiveToneSettings& r)
{
    c.fields(ConfigArea::FiveTone, "", l, r, kFiveToneFields);
    for (std::size_t i = 0; i < l.InfoCodes.size(); ++i)
        c.fields(ConfigArea::FiveTone, "info code " + std::to_string(i + 1), l.InfoCodes[i], r.InfoCodes[i], kInfoCodeFields);
    c.fields(ConfigArea::FiveTone, "PTT-ID begin", l.PttIdBegin, r.PttIdBegin, kFiveToneCodeFields);
    c.fields(ConfigArea::FiveTone, "PTT-ID end", l.PttIdEnd, r.PttIdEnd, kFiveToneCodeFields);
    for (std::size_t i = 0; i < l.CallList.size(); ++i)
        c.fields(ConfigArea::FiveTone, "call list " + std::to_string(i + 1), l.CallList[i], r.CallList[i], kFiveToneCodeFields);
}

void CompareCommuBook(Collector& c, const CommuBook& l, const CommuBook& r)
{
    for (std::size_t i = 0; i < l.size(); ++i) {
        const std::string item = "entry " + std::to_string(i + 1);
        if (l[i].EntryNumber != r[i].EntryNumber)
            c.add(ConfigArea::CommunicationBook, 0, item, "EntryNumber", std::to_string(l[i].EntryNumber), std::to_string(r[i].EntryNumber));
        c.text(ConfigArea::CommunicationBook, item, "CallId", std::string(l[i].CallId.raw()), std::string(r[i].CallId.raw()));
        c.text(ConfigArea::CommunicationBook, item, "Name", std::string(l[i].Name.raw()), std::string(r[i].Name.raw()));
    }
}

void CompareTwoTone(Collector& c, const TwoToneBlock& l, const TwoToneBlock& r)
{
    c.bytes(ConfigArea::TwoTone, "", "Header", l.Header, r.Header);
    for (std::size_t i = 0; i < l.Entries.size(); ++i) {
        const std::string item = "code " + std::to_string(i + 1);
        const TwoToneEntry& a = l.Entries[i];
        const TwoToneEntry& b = r.Entries[i];
        if (a.Flag != b.Flag)
            c.add(ConfigArea::TwoTone, 0, item, "Flag", std::to_string(a.Flag), std::to_string(b.Flag));
        c.bytes(ConfigArea::TwoTone, item, "Tones", a.Tones, b.Tones);
        c.text(ConfigArea::TwoTone, item, "Name", std::string(a.Name.raw()), std::string(b.Name.raw()));
    }
}

void CompareFileOnly(Collector& c, const EditingModel& l, const EditingModel& r)
{
    c.bytes(ConfigArea::FileOnly, "", "ScanSettings", l.ScanSettings, r.ScanSettings);
    c.bytes(ConfigArea::FileOnly, "", "AlertSettings", l.AlertSettings, r.AlertSettings);
    c.bytes(ConfigArea::FileOnly, "", "ToneTips", l.ToneTips, r.ToneTips);
    if (l.UnusedWord != r.UnusedWord)
        c.add(ConfigArea::FileOnly, 0, "", "UnusedWord", std::to_string(l.UnusedWord), std::to_string(r.UnusedWord));
    for (std::size_t i = 0; i < l.FrequencyList.size(); ++i) {
        const FrequencyListEntry& a = l.FrequencyList[i];
        const FrequencyListEntry& b = r.FrequencyList[i];
        if (a == b)
            continue;
        const std::string item = "frequency list " + std::to_string(i + 1);
        c.add(ConfigArea::FileOnly, 0, item, "Number,Flag,InUse",
              std::to_string(a.Number) + "," + std::to_string(a.Flag) + "," + std::to_string(a.InUse),
              std::to_string(b.Number) + "," + std::to_string(b.Flag) + "," + std::to_string(b.InUse));
        c.text(ConfigArea::FileOnly, item, "Text", std::string(a.Text.raw()), std::string(b.Text.raw()));
    }
}

}  // namespace

std::vector<Difference> CompareConfigurations(const EditingModel& left, const EditingModel& right, CompareScope scope)
{
    std::vector<Difference> out;
    Collector c{out, scope};
    if (left.Band.BandPlanIndex != right.Band.BandPlanIndex)
        c.add(ConfigArea::BandPlan, 0, "", "BandPlanIndex", std::to_string(left.Band.BandPlanIndex),
              std::to_string(right.Band.BandPlanIndex));
    CompareChannels(c, left, right);
    c.fields(ConfigArea::Options, "", left.Options, right.Options, kOptionFields, 0, IsOption);
    c.fields(ConfigArea::Keys, "", left.Options, right.Options, kOptionFields, 0, IsKey);
    CompareDtmf(c, left.Dtmf, right.Dtmf);
    CompareFiveTone(c, left.FiveTone, right.FiveTone);
    CompareCommuBook(c, left.Book, right.Book);
    if (!scope.radioFieldsOnly) {
        CompareTwoTone(c, left.TwoTone, right.TwoTone);
        CompareFileOnly(c, left, right);
    }
    return out;
}

bool IsKeyAssignment(std::string_view fieldName)
{
    return fieldName.starts_with("KeyFunction") || fieldName.starts_with("ShortcutKeyFunction");
}

std::string DifferenceLine(const Difference& d)
{
    std::string line(AreaName(d.area));
    if (!d.item.empty())
        line += "  " + d.item;
    return line + "  " + d.field + ": " + d.left + " -> " + d.right;
}

}  // namespace tq8615
