#include "file_history.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace tq8615::app {

namespace {

const QString kGroup = QStringLiteral("Files");
const QString kLastFolder = QStringLiteral("LastFolder");
const QString kRecent = QStringLiteral("Recent");

void storeRecent(const QStringList& files)
{
    QSettings store;
    store.beginGroup(kGroup);
    store.setValue(kRecent, files);
}

}  // namespace

QString FileHistory::startFolder(const QString& currentFile) const
{
    if (!currentFile.isEmpty()) {
        const QFileInfo current(currentFile);
        if (current.isAbsolute() && current.dir().exists())
            return current.absolutePath();
    }
    QSettings store;
    store.beginGroup(kGroup);
    const QString last = store.value(kLastFolder).toString();
    if (!last.isEmpty() && QDir(last).exists())
        return last;
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

QStringList FileHistory::recentFiles() const
{
    QSettings store;
    store.beginGroup(kGroup);
    return store.value(kRecent).toStringList().mid(0, kMaxRecent);
}

void FileHistory::remember(const QString& path)
{
    const QString file = QFileInfo(path).absoluteFilePath();
    {
        QSettings store;
        store.beginGroup(kGroup);
        store.setValue(kLastFolder, QFileInfo(file).absolutePath());
    }
    QStringList files = recentFiles();
    files.removeAll(file);
    files.prepend(file);
    storeRecent(files.mid(0, kMaxRecent));
}

void FileHistory::forget(const QString& path)
{
    QStringList files = recentFiles();
    files.removeAll(path);
    storeRecent(files);
}

void FileHistory::clearRecent() { storeRecent({}); }

}  // namespace tq8615::app
