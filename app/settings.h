#pragma once
// The two settings files beside the program ("language/mysetup.ini" and "Setting.ini"),
// the fallback to the user's configuration folder, and the factory marker.
#include <QString>

#include <array>
#include <cstdint>
#include <functional>

namespace tq8615::app {

// Where the settings files live. They belong beside the program; when that folder cannot
// be written (an installation under /usr, a read-only share) they move to the user's
// configuration folder, seeded once from the copies beside the program.
struct SettingsPaths {
    QString programFolder;
    QString settingsFolder;     // the folder the two files are read from and written to
    bool usingFallback = false;

    QString languageFolder() const;  // program folder + "/language"
    QString mysetupPath() const;
    QString settingPath() const;     // "Setting.ini"
};

using WritableProbe = std::function<bool(const QString& folder)>;
bool FolderIsWritable(const QString& folder);  // creates and removes a probe file

SettingsPaths ResolveSettingsPaths(const QString& programFolder, const QString& fallbackFolder,
                                   const WritableProbe& isWritable = FolderIsWritable);

// Section "language" of "mysetup.ini". Values that are missing or do not convert read as
// false / 0.
struct SetupSettings {
    bool IsFirstRun = false;
    QString comPort;  // raw value: a port number or name (see link/serial_ports.h)
    int FactoryFrequencyMode = 0;
};

SetupSettings ReadSetup(const QString& mysetupPath);
bool WriteSetupValue(const QString& mysetupPath, const QString& key, const QString& value);

// Record 1 of "Setting.ini": four 16-bit little-endian integers; all 0 when unreadable.
using FeatureFlags = std::array<int16_t, 4>;
// Flag 2, the second value: nonzero offers the 2-tone editor and signalling.
constexpr std::size_t kTwoToneFeatureFlag = 1;
inline bool TwoToneOffered(const FeatureFlags& flags) { return flags[kTwoToneFeatureFlag] != 0; }
FeatureFlags ReadFeatureFlags(const QString& path);
// Rewrites record 1 and keeps whatever follows it.
bool WriteFeatureFlags(const QString& path, const FeatureFlags& flags);

// True when "TestData.ini" in the program folder holds the workshop marker in its first
// 128-byte record (trailing spaces and anything from the first NUL ignored).
bool CheckFactoryMarker(const QString& programFolder);

}  // namespace tq8615::app
