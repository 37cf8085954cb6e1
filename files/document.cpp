#include "files/document.h"
#include "files/atomic_file.h"
#include "model/channel_repair.h"

#include <cstring>
#include <fstream>
#include <system_error>

namespace tq8615 {
namespace {

void PutText(DataFileBytes& file, std::size_t at, std::string_view text, std::size_t width)
{
    for (std::size_t i = 0; i < width; ++i)
        file[at + i] = static_cast<uint8_t>(i < text.size() ? text[i] : ' ');
}

void PutHeader(DataFileBytes& file, std::string_view modelName, int band, std::string_view version)
{
    PutText(file, DataRecordOffset::ModelName, modelName, 8);
    file[DataRecordOffset::BandPlanIndex] = static_cast<uint8_t>(band & 0xFF);
    file[DataRecordOffset::BandPlanIndex + 1] = static_cast<uint8_t>((band >> 8) & 0xFF);
    PutText(file, DataRecordOffset::Version, version, 4);
}

}  // namespace

bool ReadDataFileBytes(const std::filesystem::path& path, DataFileBytes& bytes)
{
    std::error_code ec;
    if (std::filesystem::file_size(path, ec) != kDataFileSize || ec)
        return false;
    std::ifstream in(path, std::ios::binary);
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return in.gcount() == static_cast<std::streamsize>(bytes.size());
}

Document::Document(std::filesystem::path programFolder) : programFolder_(std::move(programFolder)) {}

DataFileBytes Document::SnapshotOfModel() const
{
    DataFileBytes bytes = snapshot_;
    PutHeader(bytes, kModelName, Model.Band.BandPlanIndex, kFormatVersion);
    WriteDataRecord(Model, bytes);
    WriteChannelEntries(Model, bytes);
    return bytes;
}

DataFileBytes Document::FileBytes() const { return SnapshotOfModel(); }

void Document::TakeSnapshot() { snapshot_ = SnapshotOfModel(); }

bool Document::IsModelModified() const { return SnapshotOfModel() != snapshot_; }

void Document::RestoreSnapshot()
{
    Model.ModelName = StoredModelName(snapshot_);
    Model.Version = StoredVersion(snapshot_);
    SelectBandPlan(Model.Band, StoredBandPlanIndex(snapshot_));
    ReadModel(snapshot_, Model);
}

void Document::BuildDefaultModel(int bandPlanIndex)
{
    untitled_ = true;
    CurrentFileName = kUntitledFileName;
    CommuBookFileName = "new.cb";
    SelectBandPlan(Model.Band, bandPlanIndex);
    ResetToBuiltInDefaults(Model);
    const auto init = programFolder_ / "Init";
    const auto bandFile = init / (Model.ModelName + "_" + std::to_string(bandPlanIndex) + ".dat");
    std::error_code ec;
    if (std::filesystem::exists(bandFile, ec))
        LoadBandDefaultFile(bandFile);
    else
        LoadDefaultFile(init / "TQ8615_1.dat");
}

void Document::LoadDefaultFile(const std::filesystem::path& path)
{
    DataFileBytes bytes{};
    if (path.empty() || !ReadDataFileBytes(path, bytes)) {
        TakeSnapshot();  // the built-in defaults stand
        return;
    }
    PutHeader(bytes, kModelName, Model.Band.BandPlanIndex, kFormatVersion);
    snapshot_ = bytes;
    RestoreSnapshot();
    // The defaults come on top of the file's channels, but never as a second entry of a
    // channel number the file already has.
    EditingModel defaults;
    defaults.Band = Model.Band;
    defaults.ChannelCount = 0;
    AddDefaultChannels(defaults);
    for (int i = 0; i < defaults.ChannelCount; ++i) {
        const ChannelRecord& r = defaults.ChannelList[static_cast<std::size_t>(i)];
        if (!Model.ChannelExists(r.ChannelNumber))
            Model.AppendChannel(r);
    }
    TakeSnapshot();
}

void Document::LoadBandDefaultFile(const std::filesystem::path& path)
{
    DataFileBytes bytes{};
    if (!ReadDataFileBytes(path, bytes) || !IsKnownBandPlan(StoredBandPlanIndex(bytes))) {
        TakeSnapshot();
        return;
    }
    snapshot_ = bytes;
    RestoreSnapshot();
    TakeSnapshot();  // the header as the program writes it, so a clean load is unmodified
}

bool Document::OpenDataFile(const std::filesystem::path& path, MessageSink& sink)
{
    std::error_code ec;
    const auto size = std::filesystem::file_size(path, ec);
    if (ec) {
        sink.show(FileErrorMessage());
        return false;
    }
    if (size != kDataFileSize) {
        sink.show(Message::Fixed("File Data Error!", Message::Icon::Error));
        return false;
    }
    DataFileBytes bytes{};
    if (!ReadDataFileBytes(path, bytes)) {
        sink.show(FileErrorMessage());
        return false;
    }
    if (StoredModelName(bytes) != kModelName) {
        sink.show(Message::Fixed("Model Error!", Message::Icon::Error));
        return false;
    }
    if (StoredVersion(bytes) != kFormatVersion) {
        sink.show(Message::Fixed("Version Error!", Message::Icon::Error));
        return false;
    }
    // A band the program does not know would leave no frequency limits to check against.
    if (!IsKnownBandPlan(StoredBandPlanIndex(bytes))) {
        sink.show(Message::Fixed("File Data Error!", Message::Icon::Error));
        return false;
    }
    snapshot_ = bytes;
    RestoreSnapshot();
    // A header spelled differently ("TQ8615" and NULs) is the same data: compare later
    // edits with the header as a save writes it.
    TakeSnapshot();
    CurrentFileName = path.string();
    untitled_ = false;
    return true;
}

bool Document::SaveDataFile(MessageSink& sink) { return SaveDataFile(CurrentFileName, sink); }

bool Document::SaveDataFile(const std::filesystem::path& path, MessageSink& sink)
{
    const DataFileBytes bytes = SnapshotOfModel();
    std::error_code error;
    if (!WriteFileAtomically(path, bytes.data(), bytes.size(), error)) {
        sink.show(FileErrorMessage(path.string(), error.message()));
        return false;
    }
    snapshot_ = bytes;
    CurrentFileName = path.string();
    untitled_ = false;
    return true;
}

void Document::AcceptRadioRead(int bandPlanIndex, RadioImage& image, MessageSink& sink)
{
    AdoptRadioBand(Model, bandPlanIndex);
    DecodeImageToModel(Model, image);
    if (const auto repaired = RepairDecodedChannels(Model); !repaired.empty())
        sink.show(RepairedChannelsMessage(repaired));
    untitled_ = true;
    CurrentFileName = kUntitledFileName;
    TakeSnapshot();
}

}  // namespace tq8615
