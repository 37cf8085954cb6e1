#include "files/channel_csv.h"
#include "files/csv.h"
#include "model/channel_check.h"
#include "model/channels.h"
#include "model/freq_codec.h"
#include "model/text_util.h"
#include "model/tone_tables.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <sstream>

namespace tq8615 {

const std::vector<std::string> kCsvColumns = {
    "Location", "Name", "Frequency", "Duplex", "Offset", "Tone", "rToneFreq", "cToneFreq", "DtcsCode",
    "DtcsPolarity", "RxDtcsCode", "CrossMode", "Mode", "TStep", "Skip", "Power", "Comment", "URCALL",
    "RPT1CALL", "RPT2CALL", "DVCODE"};

namespace {

constexpr const char* kStepKhz[kStepCount] = {"2.50", "5.00", "6.25", "10.00", "12.50", "20.00", "25.00", "30.00", "50.00"};
constexpr const char* kPowerNames[] = {"High", "Mid", "Low"};
// The other tools know 12.5 and 25 kHz only; a 20 kHz channel goes out as FM with this note.
constexpr std::string_view kWideNote = "20 kHz";
constexpr double kMaxOffset = 80;

enum Band : int16_t { kNarrow = 0, kMiddle = 1, kWide = 2 };

std::string Mhz(const FixedText<9>& digits)
{
    CollectingSink quiet;
    const auto value = ParseNumber(DigitsToFreqText(digits.raw(), quiet));
    return FormatFixed(value.value_or(0), 1, 6);
}

std::string ToneText(int index, int userTone) { return CtcssText(index, userTone); }

struct ToneColumns {
    std::string mode, rTone = "88.5", cTone = "88.5", dtcs = "023", polarity = "NN", rxDtcs = "023",
                cross = "Tone->Tone";
};

ToneColumns ExportTones(const ChannelRecord& r)
{
    ToneColumns t;
    const int enc = r.EncodeType, dec = r.DecodeType;
    const DcsCode txCode = DcsCode::Of(r.EncodeDcs), rxCode = DcsCode::Of(r.DecodeDcs);
    if (enc == kSubAudioCtcss)
        t.rTone = ToneText(r.EncodeCtcss, r.UserCtcss);
    if (dec == kSubAudioCtcss)
        t.cTone = ToneText(r.DecodeCtcss, r.UserCtcss);
    if (enc == kSubAudioDcs)
        t.dtcs = kDcsCodes[static_cast<std::size_t>(txCode.index)];
    if (dec == kSubAudioDcs)
        t.rxDtcs = kDcsCodes[static_cast<std::size_t>(rxCode.index)];
    t.polarity = std::string(1, enc == kSubAudioDcs && txCode.inverted ? 'R' : 'N')
        + (dec == kSubAudioDcs && rxCode.inverted ? 'R' : 'N');
    const auto side = [](int type) { return type == kSubAudioCtcss ? "Tone" : type == kSubAudioDcs ? "DTCS" : ""; };
    if (enc == kSubAudioOff && dec == kSubAudioOff)
        t.mode = "";
    else if (enc == kSubAudioCtcss && dec == kSubAudioOff)
        t.mode = "Tone";
    else if (enc == kSubAudioCtcss && dec == kSubAudioCtcss && t.rTone == t.cTone)
        t.mode = "TSQL";
    else if (enc == kSubAudioDcs && dec == kSubAudioDcs && txCode.index == rxCode.index)
        t.mode = "DTCS";
    else {
        t.mode = "Cross";
        t.cross = std::string(side(enc)) + "->" + side(dec);
    }
    if (t.mode == "DTCS")
        t.rxDtcs = t.dtcs;
    return t;
}

std::vector<std::string> ExportRow(const ChannelRecord& r)
{
    std::string duplex, offset = "0.000000";
    if (r.TxForbid != 0)
        duplex = "off";
    else if (r.ShiftMode == kPlusShift || r.ShiftMode == kMinusShift)
        duplex = r.ShiftMode == kPlusShift ? "+" : "-";
    else if (r.ShiftMode == kSplit)
        duplex = "split";
    if (!duplex.empty() && duplex != "off")
        offset = Mhz(r.TxFreq);
    const ToneColumns t = ExportTones(r);
    const auto step = static_cast<std::size_t>(std::clamp<int>(r.StepIndex, 0, kStepCount - 1));
    const auto power = static_cast<std::size_t>(std::clamp<int>(r.Power, 0, 2));
    return {std::to_string(r.ChannelNumber), r.ChannelName.trimmed(), Mhz(r.RxFreq), duplex, offset, t.mode,
            t.rTone, t.cTone, t.dtcs, t.polarity, t.rxDtcs, t.cross, r.Bandwidth == kNarrow ? "NFM" : "FM",
            kStepKhz[step], r.ScanAdd != 0 ? "" : "S", kPowerNames[power],
            r.Bandwidth == kMiddle ? std::string(kWideNote) : "", "", "", "", ""};
}

std::vector<const ChannelRecord*> ExportedChannels(const ChannelTable& channels)
{
    std::vector<const ChannelRecord*> list;
    for (int i = 0; i < channels.ChannelCount; ++i) {
        const ChannelRecord& r = channels.ChannelList[static_cast<std::size_t>(i)];
        if (r.ChannelInUse == 1 && r.ChannelNumber >= 1 && r.ChannelNumber <= kMemoryChannels)
            list.push_back(&r);
    }
    std::sort(list.begin(), list.end(), [](auto* a, auto* b) { return a->ChannelNumber < b->ChannelNumber; });
    return list;
}

// ---- import ----

std::string Lower(std::string_view s)
{
    std::string out(s);
    for (char& c : out)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

Message Say(BuiltinText text, const std::string& a1 = {}, const std::string& a2 = {})
{
    Message m = Message::Builtin(text);
    for (std::string* s : {&m.english, &m.chinese}) {
        if (auto p = s->find("%1"); p != std::string::npos)
            s->replace(p, 2, a1);
        if (auto p = s->find("%2"); p != std::string::npos)
            s->replace(p, 2, a2);
    }
    return m;
}

// A row refused: the reason the first check found.
struct Refusal {
    Message text;
};

struct Row {
    const CsvRecord* record;
    const std::map<std::string, std::size_t>* columns;
    std::string get(const std::string& name) const
    {
        auto it = columns->find(name);
        if (it == columns->end() || it->second >= record->fields.size())
            return {};
        return TrimmedText(record->fields[it->second]);
    }
};

int CtcssIndex(const std::string& text)
{
    const auto hz = ParseNumber(text);
    if (!hz)
        throw Refusal{Say(BuiltinText::CsvUnknownTone, text)};
    for (int i = 0; i < kCtcssCount; ++i)
        if (std::abs(*ParseNumber(kCtcssTexts[static_cast<std::size_t>(i)]) - *hz) < 0.05)
            return i;
    throw Refusal{Say(BuiltinText::CsvUnknownTone, text)};
}

int DcsValue(const std::string& code, char polarity)
{
    std::string digits = code;
    if (digits.size() < 3 && IsDecimalDigits(digits))
        digits.insert(0, 3 - digits.size(), '0');
    for (int i = 0; i < kDcsCount; ++i)
        if (digits == kDcsCodes[static_cast<std::size_t>(i)])
            return DcsCode{polarity == 'R', i}.value();
    throw Refusal{Say(BuiltinText::CsvUnknownDcs, code)};
}

void ReadTones(const Row& row, ChannelRecord& r)
{
    const std::string mode = row.get("Tone");
    const std::string polarity = row.get("DtcsPolarity").empty() ? "NN" : row.get("DtcsPolarity");
    if (polarity.size() != 2 || polarity.find_first_not_of("NR") != std::string::npos)
        throw Refusal{Say(BuiltinText::CsvBadPolarity, polarity)};
    std::string tx, rx;  // "Tone", "DTCS" or empty on each side
    std::string txTone = "rToneFreq", rxTone = "cToneFreq", rxCode = "DtcsCode";
    if (mode.empty()) {
    } else if (mode == "Tone") {
        tx = "Tone";
    } else if (mode == "TSQL") {
        tx = rx = "Tone";
        txTone = "cToneFreq";
    } else if (mode == "DTCS") {
        tx = rx = "DTCS";
    } else if (mode == "Cross") {
        const std::string cross = row.get("CrossMode");
        static const std::set<std::string> known = {"Tone->Tone", "Tone->DTCS", "DTCS->Tone", "->Tone",
                                                    "->DTCS", "DTCS->", "DTCS->DTCS"};
        if (!known.contains(cross))
            throw Refusal{Say(BuiltinText::CsvBadCrossMode, cross)};
        const auto arrow = cross.find("->");
        tx = cross.substr(0, arrow);
        rx = cross.substr(arrow + 2);
        rxCode = "RxDtcsCode";
    } else {
        throw Refusal{Say(BuiltinText::CsvBadToneMode, mode)};
    }
    if (tx == "Tone") {
        r.EncodeType = kSubAudioCtcss;
        r.EncodeCtcss = static_cast<int16_t>(CtcssIndex(row.get(txTone)));
    } else if (tx == "DTCS") {
        r.EncodeType = kSubAudioDcs;
        r.EncodeDcs = static_cast<int16_t>(DcsValue(row.get("DtcsCode"), polarity[0]));
    }
    if (rx == "Tone") {
        r.DecodeType = kSubAudioCtcss;
        r.DecodeCtcss = static_cast<int16_t>(CtcssIndex(row.get(rxTone)));
    } else if (rx == "DTCS") {
        r.DecodeType = kSubAudioDcs;
        r.DecodeDcs = static_cast<int16_t>(DcsValue(row.get(rxCode), polarity[1]));
    }
}

// A frequency in MHz as the model's digits; notes a value finer than the 10 Hz it holds.
std::string Digits(double mhz, const std::string& typed, std::vector<Message>& notes)
{
    const std::string text = FormatFixed(mhz, 1, 5);
    if (std::abs(*ParseNumber(text) - mhz) > 0.0000005)
        notes.push_back(Say(BuiltinText::CsvFrequencyRounded, typed, text));
    return FreqTextToDigits(text);
}

double Frequency(const std::string& text, BuiltinText outside)
{
    const auto mhz = ParseNumber(text);
    if (!mhz)
        throw Refusal{Say(BuiltinText::CsvBadFrequency, text)};
    if (*mhz <= 0 || *mhz >= 1000)
        throw Refusal{Say(outside, text)};
    return *mhz;
}

// Watts are ranked over the whole file: the highest is High, the lowest Low.
std::map<double, int> WattLevels(const std::vector<CsvRecord>& records, std::size_t column)
{
    std::set<double, std::greater<>> watts;
    for (const CsvRecord& rec : records)
        if (column < rec.fields.size()) {
            std::string p = Lower(TrimmedText(rec.fields[column]));
            if (p.ends_with('w'))
                if (auto w = ParseNumber(p.substr(0, p.size() - 1)))
                    watts.insert(*w);
        }
    std::map<double, int> levels;
    int rank = 0;
    for (double w : watts) {
        const bool last = rank == static_cast<int>(watts.size()) - 1;
        levels[w] = rank == 0 ? 0 : last ? 2 : 1;
        ++rank;
    }
    return levels;
}

int16_t ReadPower(const std::string& text, const std::map<double, int>& watts, std::vector<Message>& notes)
{
    const std::string p = Lower(text);
    if (p.empty() || p == "high")
        return 0;
    if (p == "mid" || p == "medium")
        return 1;
    if (p == "low")
        return 2;
    if (p.ends_with('w'))
        if (auto w = ParseNumber(p.substr(0, p.size() - 1))) {
            const int level = watts.at(*w);
            notes.push_back(Say(BuiltinText::CsvPowerMapped, text, kPowerNames[level]));
            return static_cast<int16_t>(level);
        }
    throw Refusal{Say(BuiltinText::CsvBadPower, text)};
}

int16_t ReadStep(const std::string& text, std::vector<Message>& notes)
{
    if (text.empty())
        return 1;
    const auto khz = ParseNumber(text);
    int best = 1;
    if (khz) {
        for (int i = 0; i < kStepCount; ++i)
            if (std::abs(*ParseNumber(kStepKhz[i]) - *khz) < std::abs(*ParseNumber(kStepKhz[best]) - *khz))
                best = i;
        if (std::abs(*ParseNumber(kStepKhz[best]) - *khz) < 0.001)
            return static_cast<int16_t>(best);
    }
    notes.push_back(Say(BuiltinText::CsvStepReplaced, text, kStepTexts[static_cast<std::size_t>(best)]));
    return static_cast<int16_t>(best);
}

std::string ReadName(const std::string& text, std::vector<Message>& notes)
{
    std::string name;
    for (char c : text) {
        const char u = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        if ((u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') || u == '-' || u == ' ')
            name += u;
    }
    name = TrimmedText(name.substr(0, std::min<std::size_t>(name.size(), 5)));
    if (name != text)
        notes.push_back(Say(BuiltinText::CsvNameChanged, text, name));
    return name;
}

// One row as a channel, numbered later; throws Refusal.
ChannelRecord ReadRow(const Row& row, const BandPlan& plan, const std::map<double, int>& watts,
                      std::vector<Message>& notes)
{
    ChannelRecord r = NewChannelRecord(0);
    r.ChannelInUse = 1;
    const std::string freq = row.get("Frequency");
    const double rx = Frequency(freq, BuiltinText::CsvOutOfBand);
    r.RxFreq = Digits(rx, freq, notes);
    r.TxFreq = kZeroFrequency;
    const std::string duplex = Lower(row.get("Duplex"));
    const std::string offsetText = row.get("Offset");
    if (duplex == "+" || duplex == "-") {
        const auto offset = ParseNumber(offsetText);
        if (!offset || *offset < 0)
            throw Refusal{Say(BuiltinText::CsvBadOffset, offsetText)};
        double capped = *offset;
        if (capped > kMaxOffset) {
            notes.push_back(Say(BuiltinText::CsvOffsetCapped, offsetText));
            capped = kMaxOffset;
        }
        r.ShiftMode = duplex == "+" ? kPlusShift : kMinusShift;
        r.TxFreq = Digits(capped, offsetText, notes);
    } else if (duplex == "split") {
        r.ShiftMode = kSplit;
        r.TxFreq = Digits(Frequency(offsetText, BuiltinText::CsvTxOutOfBand), offsetText, notes);
    } else if (duplex == "off") {
        r.TxForbid = 1;
    } else if (!duplex.empty()) {
        throw Refusal{Say(BuiltinText::CsvBadDuplex, row.get("Duplex"))};
    }
    ReadTones(row, r);
    const std::string mode = row.get("Mode");
    if (mode == "NFM")
        r.Bandwidth = kNarrow;
    else if (mode == "FM" || mode.empty())
        r.Bandwidth = Lower(row.get("Comment")).find(Lower(kWideNote)) != std::string::npos ? kMiddle : kWide;
    else
        throw Refusal{Say(BuiltinText::CsvBadMode, mode)};
    r.StepIndex = ReadStep(row.get("TStep"), notes);
    const std::string skip = row.get("Skip");
    if (skip != "" && skip != "S")
        throw Refusal{Say(BuiltinText::CsvBadSkip, skip)};
    r.ScanAdd = skip.empty() ? 1 : 0;
    r.Power = ReadPower(row.get("Power"), watts, notes);
    r.ChannelName = ReadName(row.get("Name"), notes);

    // The program's own rules decide what the radio can hold.
    ChannelTable one;
    r.ChannelNumber = 1;
    one.AppendChannel(r);
    std::string fields;
    for (const ChannelFault& f : CheckChannelsForWrite(one, plan)) {
        if (f.field == "RxFreq")
            throw Refusal{Say(BuiltinText::CsvOutOfBand, freq)};
        if (f.field == "TxFreq")
            throw Refusal{Say(BuiltinText::CsvTxOutOfBand, offsetText)};
        fields += (fields.empty() ? "" : ", ") + f.field;
    }
    if (!fields.empty())
        throw Refusal{Say(BuiltinText::CsvNotWritable, fields)};
    return r;
}

void Add(CsvImportPlan& plan, int line, bool refused, const Message& text)
{
    Message m = text;
    if (line > 0) {
        const Message prefix = Say(BuiltinText::CsvLine, std::to_string(line));
        m.english = prefix.english + m.english;
        m.chinese = prefix.chinese + m.chinese;
    }
    plan.problems.push_back({line, refused, m});
}

void RefuseFile(CsvImportPlan& plan, const Message& text)
{
    plan.fileRefused = true;
    Add(plan, 0, true, text);
}

}  // namespace

int ExportedChannelCount(const ChannelTable& channels) { return static_cast<int>(ExportedChannels(channels).size()); }

Message ExportSummary(const ChannelTable& channels)
{
    return Say(BuiltinText::CsvExported, std::to_string(ExportedChannelCount(channels)));
}

Message ImportSummary(const CsvImportPlan& plan)
{
    return Say(BuiltinText::CsvRowsSummary, std::to_string(plan.channels.size()), std::to_string(plan.refusedRows));
}

std::string ExportChannelsCsv(const ChannelTable& channels)
{
    std::string text = CsvLine(kCsvColumns);
    for (const ChannelRecord* r : ExportedChannels(channels))
        text += CsvLine(ExportRow(*r));
    return text;
}

CsvImportPlan PlanCsvImport(std::string_view text, const EditingModel& model, const CsvPlacement& placement)
{
    CsvImportPlan plan;
    const std::vector<CsvRecord> records = ParseCsv(text);
    if (records.empty()) {
        RefuseFile(plan, Say(BuiltinText::CsvEmpty));
        return plan;
    }
    std::map<std::string, std::size_t> columns;
    for (std::size_t c = 0; c < records[0].fields.size(); ++c)
        columns.emplace(TrimmedText(records[0].fields[c]), c);
    if (!columns.contains("Frequency") || records[0].brokenQuote) {
        RefuseFile(plan, Say(BuiltinText::CsvNoFrequencyColumn));
        return plan;
    }
    if (records.size() == 1) {
        RefuseFile(plan, Say(BuiltinText::CsvEmpty));
        return plan;
    }
    const std::vector<CsvRecord> rows(records.begin() + 1, records.end());
    const auto watts = columns.contains("Power") ? WattLevels(rows, columns.at("Power")) : std::map<double, int>{};

    // Files of the other tool count locations from 0.
    bool fromZero = false;
    if (placement.keepLocations)
        for (const CsvRecord& rec : rows)
            fromZero = fromZero || Row{&rec, &columns}.get("Location") == "0";
    if (fromZero)
        Add(plan, 0, false, Say(BuiltinText::CsvLocationsShifted));

    std::map<int, int> taken;  // channel number -> line
    int next = placement.start;
    for (const CsvRecord& rec : rows) {
        const Row row{&rec, &columns};
        std::vector<Message> notes;
        try {
            if (rec.brokenQuote)
                throw Refusal{Say(BuiltinText::CsvBrokenQuote)};
            ChannelRecord r = ReadRow(row, model.Band, watts, notes);
            int number = 0;
            if (placement.keepLocations) {
                const std::string location = row.get("Location");
                const auto value = ParseNumber(location);
                const int shifted = value && *value == std::floor(*value) && std::abs(*value) < 1000
                    ? static_cast<int>(*value) + (fromZero ? 1 : 0) : 0;
                if (shifted < 1 || shifted > kMemoryChannels)
                    throw Refusal{Say(BuiltinText::CsvBadLocation, location)};
                if (auto it = taken.find(shifted); it != taken.end())
                    throw Refusal{Say(BuiltinText::CsvDuplicateLocation, std::to_string(shifted), std::to_string(it->second))};
                number = shifted;
                if (model.ChannelExists(number))
                    notes.push_back(Say(BuiltinText::CsvReplacesChannel, std::to_string(number)));
            } else {
                while (next <= kMemoryChannels && model.ChannelExists(next))
                    ++next;
                if (next > kMemoryChannels)
                    throw Refusal{Say(BuiltinText::CsvNoFreeChannel)};
                number = next++;
            }
            r.ChannelNumber = static_cast<int16_t>(number);
            taken[number] = rec.line;
            plan.channels.push_back(r);
            plan.lines.push_back(rec.line);
            for (const Message& note : notes)
                Add(plan, rec.line, false, note);
        } catch (const Refusal& refusal) {
            ++plan.refusedRows;
            Add(plan, rec.line, true, refusal.text);
        }
    }
    return plan;
}

CsvImportPlan PlanCsvImportFile(const std::filesystem::path& path, const EditingModel& model,
                                const CsvPlacement& placement)
{
    CsvImportPlan plan;
    std::error_code ec;
    const auto size = std::filesystem::file_size(path, ec);
    if (!ec && size > kMaxCsvBytes) {
        RefuseFile(plan, Say(BuiltinText::CsvTooLarge, std::to_string(kMaxCsvBytes)));
        return plan;
    }
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    if (ec || !in || !(text << in.rdbuf()) || in.bad()) {
        RefuseFile(plan, FileErrorMessage(path.string(), ec ? ec.message() : "cannot be read"));
        return plan;
    }
    return PlanCsvImport(text.str(), model, placement);
}

void ApplyCsvImport(const CsvImportPlan& plan, ChannelTable& channels)
{
    for (const ChannelRecord& r : plan.channels) {
        channels.DeleteChannel(r.ChannelNumber);
        channels.AppendChannel(r);
    }
}

std::string ProblemText(const CsvProblem& problem, bool chinese)
{
    return chinese && !problem.text.chinese.empty() ? problem.text.chinese : problem.text.english;
}

}  // namespace tq8615
