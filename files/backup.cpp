#include "files/backup.h"

#include "files/document.h"

#include <cstdlib>
#include <system_error>

namespace tq8615 {

std::filesystem::path DefaultBackupFolder()
{
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    const char* home = std::getenv("HOME");
    const std::filesystem::path base = dataHome && *dataHome ? std::filesystem::path(dataHome)
                                       : std::filesystem::path(home ? home : ".") / ".local" / "share";
    return base / "TQ8615" / "backups";
}

std::string BackupFileName(std::time_t when, const std::string& serial)
{
    std::tm local{};
    localtime_r(&when, &local);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
    std::string name = std::string(kModelName) + "-" + stamp;
    if (!serial.empty()) {
        name += '-';
        for (char c : serial) {
            const bool plain = (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '-';
            name += plain ? c : '_';
        }
    }
    return name + ".dat";
}

std::optional<std::filesystem::path> SaveBackup(const std::filesystem::path& folder, int radioBand, RadioImage& image,
                                                const std::string& serial, MessageSink& sink)
{
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec) {
        sink.show(FileErrorMessage(folder.string(), ec.message()));
        return std::nullopt;
    }
    // Two radios written within the same second keep two files.
    const std::string name = BackupFileName(std::time(nullptr), serial);
    std::filesystem::path path = folder / name;
    for (int n = 2; std::filesystem::exists(path, ec) || ec; ++n) {
        if (ec || n > 99) {
            sink.show(FileErrorMessage(path.string(), ec ? ec.message() : "exists"));
            return std::nullopt;
        }
        path = folder / (name.substr(0, name.size() - 4) + "-" + std::to_string(n) + ".dat");
    }
    Document doc;
    doc.BuildDefaultModel(IsKnownBandPlan(radioBand) ? radioBand : 0);
    CollectingSink repairs;  // the backup keeps what the read gave, as a read into the window would
    doc.AcceptRadioRead(radioBand, image, repairs);
    if (!doc.SaveDataFile(path, sink))
        return std::nullopt;
    return path;
}

}  // namespace tq8615
