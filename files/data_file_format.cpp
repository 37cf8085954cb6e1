#include "files/data_file_format.h"
#include "model/channel_fields.h"
#include "model/dtmf_fields.h"
#include "model/five_tone_fields.h"
#include "model/option_fields.h"

#include <algorithm>
#include <stdexcept>

namespace tq8615 {
namespace {

// One walker serves both directions, so the field order is written down once.
class Writer {
public:
    Writer(DataFileBytes& file, std::size_t at) : file_(file), at_(at) {}
    void operator()(const int16_t& v) { u8(static_cast<uint8_t>(v & 0xFF)); u8(static_cast<uint8_t>((static_cast<uint16_t>(v) >> 8) & 0xFF)); }
    void operator()(const uint8_t& v) { u8(v); }
    template <std::size_t N>
    void operator()(const FixedText<N>& t) { for (char c : t.bytes) u8(static_cast<uint8_t>(c)); }
    template <typename T, std::size_t N>
    void operator()(const std::array<T, N>& a) { for (const T& v : a) (*this)(v); }
    template <typename Record>
    void element(const Record& r, const Field<Record>& f, int i)
    {
        const int v = Get(r, f, i);
        u8(static_cast<uint8_t>(v & 0xFF));
        if (f.value.width == 2)
            u8(static_cast<uint8_t>((v >> 8) & 0xFF));
    }
    std::size_t at() const { return at_; }

private:
    void u8(uint8_t b) { file_.at(at_++) = b; }
    DataFileBytes& file_;
    std::size_t at_;
};

class Reader {
public:
    Reader(const DataFileBytes& file, std::size_t at) : file_(file), at_(at) {}
    void operator()(int16_t& v) { uint16_t lo = u8(); uint16_t hi = u8(); v = static_cast<int16_t>(lo | hi << 8); }
    void operator()(uint8_t& v) { v = u8(); }
    template <std::size_t N>
    void operator()(FixedText<N>& t) { for (char& c : t.bytes) c = static_cast<char>(u8()); }
    template <typename T, std::size_t N>
    void operator()(std::array<T, N>& a) { for (T& v : a) (*this)(v); }
    template <typename Record>
    void element(Record& r, const Field<Record>& f, int i)
    {
        int v = u8();
        if (f.value.width == 2)
            v = static_cast<int16_t>(v | u8() << 8);
        Set(r, f, v, i);
    }
    std::size_t at() const { return at_; }

private:
    uint8_t u8() { return file_.at(at_++); }
    const DataFileBytes& file_;
    std::size_t at_;
};

// A table's fields follow each other in the file (TilesFile checks it), so they are walked
// in table order.
template <typename Io, typename Record, std::size_t N>
void VisitFields(Io& io, Record& r, const std::array<Field<std::remove_const_t<Record>>, N>& table)
{
    for (const auto& f : table)
        for (int i = 0; i < f.value.count; ++i)
            io.element(r, f, i);
}

template <typename Io, typename Dtmf>
void VisitDtmf(Io& io, Dtmf& d)
{
    for (auto& code : d.DtmfCodes) { io(code.Digits); io(code.DigitCount); }
    for (auto* code : {&d.DtmfPttIdBegin, &d.DtmfPttIdEnd}) { io(code->Digits); io(code->DigitCount); }
    for (auto* code : {&d.KillCode, &d.StunCode}) { io(code->Digits); io(code->DigitCount); }
    VisitFields(io, d, kDtmfFields);
}

template <typename Io, typename TwoTone>
void VisitTwoTone(Io& io, TwoTone& t)
{
    io(t.Header);
    for (auto& e : t.Entries) { io(e.Flag); io(e.Tones); io(e.Name); }
}

template <typename Io, typename FiveTone>
void VisitFiveTone(Io& io, FiveTone& f)
{
    VisitFields(io, f, kFiveToneFields);
    for (auto& info : f.InfoCodes) VisitFields(io, info, kInfoCodeFields);
    VisitFields(io, f.PttIdBegin, kFiveToneCodeFields);
    VisitFields(io, f.PttIdEnd, kFiveToneCodeFields);
    for (auto& c : f.CallList) VisitFields(io, c, kFiveToneCodeFields);
}

// The record blocks after the header, in file order.
// The walk checks each block's offset, so a field added to a record cannot shift the
// layout unnoticed.
template <typename Io>
void ExpectOffset(const Io& io, std::size_t offset)
{
    if (io.at() != offset)
        throw std::logic_error("data file block at the wrong offset");
}

template <typename Io, typename Model>
void VisitDataRecordBody(Io& io, Model& m)
{
    VisitDtmf(io, m.Dtmf);
    ExpectOffset(io, DataRecordOffset::TwoTone);
    VisitTwoTone(io, m.TwoTone);
    ExpectOffset(io, DataRecordOffset::FiveTone);
    VisitFiveTone(io, m.FiveTone);
    ExpectOffset(io, DataRecordOffset::Options);
    VisitFields(io, m.Options, kOptionFields);
    ExpectOffset(io, DataRecordOffset::ScanSettings);
    io(m.ScanSettings);
    io(m.AlertSettings);
    ExpectOffset(io, DataRecordOffset::ChannelCount);
}

template <typename Io, typename Model>
void VisitDataRecordTail(Io& io, Model& m)
{
    io(m.UnusedWord);
    for (auto& e : m.FrequencyList) { io(e.Number); io(e.Flag); io(e.Text); io(e.InUse); }
    ExpectOffset(io, DataRecordOffset::CommuBook);
    for (auto& e : m.Book) { io(e.EntryNumber); io(e.CallId); io(e.Name); }
    io(m.ToneTips);
    ExpectOffset(io, kDataRecordSize);
}

int16_t Word(const DataFileBytes& file, std::size_t at)
{
    return static_cast<int16_t>(file[at] | file[at + 1] << 8);
}

std::string StoredText(const DataFileBytes& file, std::size_t at, std::size_t length)
{
    return TrimmedText(std::string_view(reinterpret_cast<const char*>(file.data()) + at, length));
}

}  // namespace

void WriteDataRecord(const EditingModel& model, DataFileBytes& file)
{
    Writer w(file, DataRecordOffset::Dtmf);
    VisitDataRecordBody(w, model);
    const int16_t count = static_cast<int16_t>(model.ChannelCount);
    w(count);
    VisitDataRecordTail(w, model);
}

void WriteChannelEntries(const EditingModel& model, DataFileBytes& file)
{
    for (int i = 0; i < model.ChannelCount; ++i) {
        Writer w(file, kDataRecordSize + kChannelRecordSize * static_cast<std::size_t>(i));
        VisitFields(w, model.ChannelList[static_cast<std::size_t>(i)], kChannelFields);
    }
}

std::string StoredModelName(const DataFileBytes& file) { return StoredText(file, DataRecordOffset::ModelName, 8); }
std::string StoredVersion(const DataFileBytes& file) { return StoredText(file, DataRecordOffset::Version, 4); }
int StoredBandPlanIndex(const DataFileBytes& file) { return Word(file, DataRecordOffset::BandPlanIndex); }
int StoredChannelCount(const DataFileBytes& file) { return Word(file, DataRecordOffset::ChannelCount); }

void ReadModel(const DataFileBytes& file, EditingModel& model)
{
    Reader r(file, DataRecordOffset::Dtmf);
    VisitDataRecordBody(r, model);
    int16_t count = 0;
    r(count);
    VisitDataRecordTail(r, model);
    // A count outside the list would index past it; clamp it to what the file can hold.
    model.ChannelCount = std::clamp<int>(count, 0, kMaxChannels);
    for (int i = 0; i < model.ChannelCount; ++i) {
        Reader cr(file, kDataRecordSize + kChannelRecordSize * static_cast<std::size_t>(i));
        VisitFields(cr, model.ChannelList[static_cast<std::size_t>(i)], kChannelFields);
        ExpectOffset(cr, kDataRecordSize + kChannelRecordSize * static_cast<std::size_t>(i + 1));
    }
}

}  // namespace tq8615
