#pragma once
// Everything the program edits, in one object: the channels, the option area, the
// signalling settings, the records kept only in data files, and the band plan.
#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "model/band_plan.h"
#include "model/channels.h"
#include "model/dtmf.h"
#include "model/five_tone.h"
#include "model/messages.h"
#include "model/options.h"
#include "model/radio_image.h"
#include "model/two_tone.h"

namespace tq8615 {

struct FrequencyListEntry {
    int16_t Number = 0;
    int16_t Flag = 0;
    FixedText<8> Text;
    int16_t InUse = 0;

    bool operator==(const FrequencyListEntry&) const = default;
};

struct EditingModel : ChannelTable {
    std::string ModelName = kModelName;
    std::string Version = kFormatVersion;
    BandPlan Band;
    OptionSettings Options;
    FiveToneSettings FiveTone;
    DtmfSettings Dtmf;
    TwoToneBlock TwoTone;
    CommuBook Book{};
    std::array<uint8_t, 18> ScanSettings{};
    std::array<uint8_t, 12> AlertSettings{};
    std::array<FrequencyListEntry, 100> FrequencyList{};
    int16_t UnusedWord = 0;  // a file value no operation reads; kept as loaded
    std::array<uint8_t, 480> ToneTips{};

    EditingModel() { SelectBandPlan(Band, 2); }
    bool operator==(const EditingModel&) const = default;
};

// The built-in defaults of a fresh model for the current band plan: every record reset
// and the five default channels added (the Init data files are the files layer's).
void ResetToBuiltInDefaults(EditingModel& model);
void AddDefaultChannels(EditingModel& model);

// The image areas, in the order their encoders run.
enum class EncodedArea { Channels, Options, FiveTone, Dtmf, Book };
// Which areas mark the blocks they write in an active map; every area when empty.
using AreaFilter = std::function<bool(EncodedArea)>;

// Runs the five area encoders in order; the first failure stops the rest, is reported
// with its fixed text, and makes the result (EncodeOk) false.
bool EncodeModelToImage(EditingModel& model, RadioImage& image, BlockUsageMap& map, MessageSink& sink,
                        const AreaFilter& marking = {});
void DecodeImageToModel(EditingModel& model, const RadioImage& image);

// After a read: the band the radio reported becomes the model's band plan.
void AdoptRadioBand(EditingModel& model, int bandPlanIndex);

}  // namespace tq8615
