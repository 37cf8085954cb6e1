#pragma once
// Small UTF-8 INI access for the language files and "mysetup.ini". QSettings cannot be
// used here: its INI format splits values at commas and escapes non-ASCII keys and values.
#include <QString>

#include "files/ini_file.h"

namespace tq8615::app {

// A profile-string file read once and looked up many times (the language files), with
// Qt strings: a view over the one INI reader of the files layer.
class ProfileFile {
public:
    ProfileFile() = default;
    // Loads the file; a missing or unreadable file gives an empty one.
    bool load(const QString& path);
    void parse(const QByteArray& utf8);

    // The value with surrounding spaces removed; empty when the section or key is missing.
    // Section and key names compare without regard to case, as profile strings do.
    QString value(const QString& section, const QString& key) const;
    bool contains(const QString& section, const QString& key) const;
    bool isEmpty() const { return file_.empty(); }

private:
    tq8615::IniFile file_;
};

// Profile-string access: one value read or written per call, the rest of the file kept as
// it stands (comments, order, unknown keys).
QString ReadProfileString(const QString& path, const QString& section, const QString& key);
// Returns false when the file cannot be written.
bool WriteProfileString(const QString& path, const QString& section, const QString& key,
                        const QString& value);

}  // namespace tq8615::app
