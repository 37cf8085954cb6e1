#pragma once
// The radio's configuration kept before a write, as a data file, so the write can be undone
// by writing the backup back.
#include <ctime>
#include <filesystem>
#include <optional>
#include <string>

#include "model/messages.h"
#include "model/radio_image.h"

namespace tq8615 {

// ~/.local/share/TQ8615/backups (under $XDG_DATA_HOME when it is set).
std::filesystem::path DefaultBackupFolder();

// "TQ8615-20261210-135500-SN123.dat": the local date and time, then the serial number when
// there is one (characters that do not belong in a file name become "_").
std::string BackupFileName(std::time_t when, const std::string& serial);

// Saves what a radio of band plan `radioBand` holds into `folder` (created when missing),
// never over an existing file. The path saved, or nullopt after telling `sink` why not.
std::optional<std::filesystem::path> SaveBackup(const std::filesystem::path& folder, int radioBand, RadioImage& image,
                                                const std::string& serial, MessageSink& sink);

}  // namespace tq8615
