#pragma once
// Shared test fixtures for the data side: a fully populated model and small helpers.
#include <filesystem>
#include <string>
#include <vector>

#include "files/document.h"
#include "model/editing_model.h"

namespace tq8615::test {

// Every channel, list and setting filled with values that differ from their defaults and
// from each other, all within what the radio can hold.
EditingModel RichModel(int bandPlanIndex = 1);

// The DTMF settings as a new data file has them.
DtmfSettings DefaultDtmf();

// Bytes from..from+count-1 of an image, for comparing with a list.
std::vector<uint8_t> Slice(const RadioImage& image, int from, int count);

// Encodes, failing the test if an encoder reports a failure.
RadioImage Encode(EditingModel model);

// Encodes a model that must fail naming the routine `message` on the first line (and, when
// given, `detail` after it); returns the image as the failing encoder left it.
RadioImage EncodeFailing(EditingModel model, const std::string& message, const std::string& detail = {});

// A fresh temporary folder, removed when the object goes.
class TempDir {
public:
    TempDir();
    ~TempDir();
    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

// While it lives, files cannot grow past `bytes`: a write fails part-way with "File too
// large", as on a full disk.
class FileSizeLimit {
public:
    explicit FileSizeLimit(std::size_t bytes);
    ~FileSizeLimit();

private:
    void (*previousHandler_)(int);
    unsigned long long previousLimit_;
};

std::string ReadAll(const std::filesystem::path& file);
void WriteAll(const std::filesystem::path& file, const std::string& bytes);

}  // namespace tq8615::test
