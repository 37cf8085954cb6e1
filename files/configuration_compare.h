#pragma once
// Comparing two configurations as the user holds them: data files, or a data file and an
// image read from a radio.
#include <filesystem>
#include <optional>
#include <vector>

#include "model/compare.h"
#include "model/messages.h"

namespace tq8615 {

struct Configuration {
    EditingModel model;
    bool fromImage = false;  // decoded from a radio image
};

// A data file (45755 bytes) or a radio image (12960 bytes, decoded as after a read from a
// radio of band plan `imageBand`). nullopt after reporting why it cannot be used.
std::optional<Configuration> LoadConfiguration(const std::filesystem::path& path, int imageBand,
                                               const std::filesystem::path& programFolder, MessageSink& sink);

// True when the file has the size of a radio image rather than of a data file.
bool IsRadioImageFile(const std::filesystem::path& path);

// The configuration as a radio holds it after a write of it: encoded and read back.
// nullopt when it cannot be encoded (the encoder's message went to `sink`).
std::optional<EditingModel> AsWrittenToRadio(const EditingModel& model, MessageSink& sink);

// When one side came from a radio, or `scope.radioFieldsOnly` asks for it, a data file is
// compared as a radio would hold it after a write, and only what a radio holds counts.
std::optional<std::vector<Difference>> CompareLoaded(const Configuration& left, const Configuration& right,
                                                     MessageSink& sink, CompareScope scope = {});

}  // namespace tq8615
