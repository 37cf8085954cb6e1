#include "settings.h"

#include "profile_file.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QTemporaryFile>

namespace tq8615::app {

namespace {
const QString kSection = QStringLiteral("language");

bool toBool(const QString& text)
{
    bool ok = false;
    const int n = text.toInt(&ok);
    if (ok)
        return n != 0;
    return text.compare(QStringLiteral("true"), Qt::CaseInsensitive) == 0;
}

int toInt(const QString& text)
{
    bool ok = false;
    const int n = text.toInt(&ok);
    return ok ? n : 0;
}

void seed(const QString& from, const QString& to)
{
    if (!QFile::exists(to) && QFile::exists(from))
        QFile::copy(from, to);
}
}  // namespace

QString SettingsPaths::languageFolder() const { return QDir(programFolder).filePath(QStringLiteral("language")); }

QString SettingsPaths::mysetupPath() const
{
    return QDir(usingFallback ? settingsFolder : languageFolder()).filePath(QStringLiteral("mysetup.ini"));
}

QString SettingsPaths::settingPath() const
{
    return QDir(usingFallback ? settingsFolder : programFolder).filePath(QStringLiteral("Setting.ini"));
}

bool FolderIsWritable(const QString& folder)
{
    if (!QDir().mkpath(folder))
        return false;
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".write-probe-XXXXXX")));
    return probe.open();
}

SettingsPaths ResolveSettingsPaths(const QString& programFolder, const QString& fallbackFolder,
                                   const WritableProbe& isWritable)
{
    SettingsPaths paths;
    paths.programFolder = programFolder;
    paths.settingsFolder = programFolder;
    if (isWritable(programFolder) && isWritable(paths.languageFolder()))
        return paths;

    const SettingsPaths beside = paths;
    paths.settingsFolder = fallbackFolder;
    paths.usingFallback = true;
    QDir().mkpath(fallbackFolder);
    seed(beside.mysetupPath(), paths.mysetupPath());
    seed(beside.settingPath(), paths.settingPath());
    return paths;
}

SetupSettings ReadSetup(const QString& mysetupPath)
{
    ProfileFile ini;
    ini.load(mysetupPath);
    SetupSettings s;
    s.IsFirstRun = toBool(ini.value(kSection, QStringLiteral("IsFirstRun")));
    s.comPort = ini.value(kSection, QStringLiteral("comPort"));
    s.FactoryFrequencyMode = toInt(ini.value(kSection, QStringLiteral("FactoryFres")));
    return s;
}

bool WriteSetupValue(const QString& mysetupPath, const QString& key, const QString& value)
{
    return WriteProfileString(mysetupPath, kSection, key, value);
}

FeatureFlags ReadFeatureFlags(const QString& path)
{
    FeatureFlags flags{};
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return flags;
    const QByteArray record = f.read(8);
    if (record.size() != 8)
        return flags;
    for (qsizetype i = 0; i < 4; ++i) {
        const auto lo = static_cast<uint8_t>(record[2 * i]);
        const auto hi = static_cast<uint8_t>(record[2 * i + 1]);
        flags[static_cast<std::size_t>(i)] = static_cast<int16_t>(lo | (hi << 8));
    }
    return flags;
}

bool WriteFeatureFlags(const QString& path, const FeatureFlags& flags)
{
    QByteArray content;
    {
        QFile f(path);
        if (f.open(QIODevice::ReadOnly))
            content = f.readAll();
    }
    if (content.size() < 8)
        content.resize(8, '\0');
    for (qsizetype i = 0; i < 4; ++i) {
        const auto v = static_cast<uint16_t>(flags[static_cast<std::size_t>(i)]);
        content[2 * i] = static_cast<char>(v & 0xFF);
        content[2 * i + 1] = static_cast<char>(v >> 8);
    }
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    out.write(content);
    return out.commit();
}

bool CheckFactoryMarker(const QString& programFolder)
{
    QFile f(QDir(programFolder).filePath(QStringLiteral("TestData.ini")));
    if (!f.open(QIODevice::ReadOnly))
        return false;
    QByteArray record = f.read(128);
    if (record.size() < 128)
        return false;  // a short file has no complete first record
    // Trailing spaces go first, then the text ends at its first NUL: spaces before a NUL stay.
    while (record.endsWith(' '))
        record.chop(1);
    if (const qsizetype nul = record.indexOf('\0'); nul >= 0)
        record.truncate(nul);
    return record == "ZK4471_3186_Workshop_ModeMarker9";
}

}  // namespace tq8615::app
