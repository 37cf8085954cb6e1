#pragma once
// The radio data file: exactly 45755 bytes, a data record of 10636 bytes followed by
// 203 channel records of 173 bytes. Integers are 16-bit little-endian; a fixed text
// takes one byte per character.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "model/channel_fields.h"
#include "model/editing_model.h"

namespace tq8615 {

constexpr std::size_t kDataRecordSize = 10636;
constexpr std::size_t kChannelRecordSize = kChannelFileRecordSize;
constexpr std::size_t kDataFileSize = kDataRecordSize + kMaxChannels * kChannelRecordSize;  // 45755

using DataFileBytes = std::array<uint8_t, kDataFileSize>;

// Block offsets inside the data record.
namespace DataRecordOffset {
constexpr std::size_t ModelName = 0, BandPlanIndex = 8, Version = 10, Dtmf = 14, TwoTone = 545,
                      FiveTone = 1113, Options = 6720, ScanSettings = 6930, AlertSettings = 6948,
                      ChannelCount = 6960, UnusedWord = 6962, FrequencyList = 6964,
                      CommuBook = 8364, ToneTips = 10156;
}

// Writes the data record of the model (the model name, version and band as they stand
// in the bytes given) and the channel entries 0..ChannelCount-1; other entries stay.
void WriteDataRecord(const EditingModel& model, DataFileBytes& file);
void WriteChannelEntries(const EditingModel& model, DataFileBytes& file);

// Reads the file's model name, version and band as raw texts.
std::string StoredModelName(const DataFileBytes& file);  // trimmed
std::string StoredVersion(const DataFileBytes& file);    // trimmed
int StoredBandPlanIndex(const DataFileBytes& file);
int StoredChannelCount(const DataFileBytes& file);

// Reads every record of the model from the file (the channel count clamped to 0..203).
void ReadModel(const DataFileBytes& file, EditingModel& model);

}  // namespace tq8615
