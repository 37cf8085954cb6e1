#include "cli/output_file.h"
#include "cli/cli.h"
#include "files/atomic_file.h"

#include <QStandardPaths>

#include <cerrno>
#include <ctime>
#include <iostream>
#include <unistd.h>

namespace tq8615::cli {
namespace {

std::filesystem::path RecoveryFolder()
{
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return std::filesystem::path(data.toStdString()) / "TQ8615" / "recovered";
}

std::string TimeStamp()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", &local);
    return text;
}

}  // namespace

std::optional<std::string> OutputProblem(const std::filesystem::path& output, const std::filesystem::path& input)
{
    std::error_code ec;
    if (!input.empty() && std::filesystem::equivalent(input, output, ec))
        return output.string() + ": the output is the input file";
    const std::filesystem::path folder = output.has_parent_path() ? output.parent_path() : ".";
    if (!std::filesystem::is_directory(folder, ec))
        return folder.string() + ": " + std::make_error_code(std::errc::no_such_file_or_directory).message();
    if (::access(folder.c_str(), W_OK | X_OK) != 0)
        return folder.string() + ": " + std::error_code(errno, std::generic_category()).message();
    const auto status = std::filesystem::symlink_status(output, ec);
    if (!std::filesystem::exists(status))
        return std::nullopt;
    if (!std::filesystem::is_regular_file(status))
        return output.string() + ": " + make_error_code(SaveTargetError::NotRegularFile).message();
    if (::access(output.c_str(), W_OK) != 0)
        return output.string() + ": " + std::error_code(errno, std::generic_category()).message();
    return std::nullopt;
}

std::unique_ptr<Document> OpenInputForOutput(const std::filesystem::path& input, const std::filesystem::path& output)
{
    if (auto problem = OutputProblem(output, input)) {
        Fail(*problem);
        return nullptr;
    }
    auto doc = std::make_unique<Document>(ProgramFolder());
    StderrSink sink;
    if (!doc->OpenDataFile(input, sink))
        return nullptr;
    return doc;
}

bool SaveOutput(const std::filesystem::path& output, const void* data, std::size_t size)
{
    std::error_code error;
    if (WriteFileAtomically(output, data, size, error))
        return true;
    StderrSink().show(FileErrorMessage(output.string(), error.message()));
    return false;
}

bool SaveReadData(Document& doc, const std::filesystem::path& output)
{
    StderrSink sink;
    if (doc.SaveDataFile(output, sink))
        return true;
    const std::filesystem::path folder = RecoveryFolder();
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    const std::filesystem::path kept = folder / ("read-" + TimeStamp() + "-" + std::to_string(::getpid()) + ".dat");
    CollectingSink quiet;
    if (doc.SaveDataFile(kept, quiet))
        std::cerr << "The data read from the radio are kept in " << kept.string() << '\n';
    else
        std::cerr << "The data read from the radio could not be kept in " << folder.string() << " either\n";
    return false;
}

}  // namespace tq8615::cli
