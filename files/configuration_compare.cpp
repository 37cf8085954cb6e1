#include "files/configuration_compare.h"

#include "files/document.h"

#include <fstream>
#include <system_error>

namespace tq8615 {

namespace {

// A read from a radio: what the image holds over a fresh model, so two images, or an image
// and a data file as written, meet on the same ground.
EditingModel DecodeAsRead(RadioImage& image, int band)
{
    Document doc;
    doc.BuildDefaultModel(band);
    CollectingSink repairs;  // values a radio may hold outside the tables are compared as read
    doc.AcceptRadioRead(band, image, repairs);
    return doc.Model;
}

}  // namespace

bool IsRadioImageFile(const std::filesystem::path& path)
{
    std::error_code ec;
    return std::filesystem::file_size(path, ec) == kImageSize && !ec;
}

std::optional<Configuration> LoadConfiguration(const std::filesystem::path& path, int imageBand,
                                               const std::filesystem::path& programFolder, MessageSink& sink)
{
    if (!IsRadioImageFile(path)) {
        Document doc(programFolder);
        if (!doc.OpenDataFile(path, sink))
            return std::nullopt;
        return Configuration{doc.Model, false};
    }
    RadioImage image;
    std::ifstream file(path, std::ios::binary);
    file.read(reinterpret_cast<char*>(image.bytes().data()), kImageSize);
    if (file.gcount() != kImageSize) {
        sink.show(FileErrorMessage(path.string(), "cannot be read"));
        return std::nullopt;
    }
    return Configuration{DecodeAsRead(image, imageBand), true};
}

std::optional<EditingModel> AsWrittenToRadio(const EditingModel& model, MessageSink& sink)
{
    EditingModel copy = model;  // the encoders repair what they write
    RadioImage image;
    BlockUsageMap usage{};
    if (!EncodeModelToImage(copy, image, usage, sink))
        return std::nullopt;
    return DecodeAsRead(image, model.Band.BandPlanIndex);
}

std::optional<std::vector<Difference>> CompareLoaded(const Configuration& left, const Configuration& right,
                                                     MessageSink& sink, CompareScope scope)
{
    scope.radioFieldsOnly = scope.radioFieldsOnly || left.fromImage || right.fromImage;
    if (!scope.radioFieldsOnly)
        return CompareConfigurations(left.model, right.model, scope);
    auto asHeld = [&sink](const Configuration& side) {
        return side.fromImage ? std::optional<EditingModel>(side.model) : AsWrittenToRadio(side.model, sink);
    };
    const auto l = asHeld(left);
    if (!l)
        return std::nullopt;
    const auto r = asHeld(right);
    if (!r)
        return std::nullopt;
    return CompareConfigurations(*l, *r, scope);
}

}  // namespace tq8615
