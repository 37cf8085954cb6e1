#pragma once
// The user's memory of data files, kept per user: the folder the file dialogs start in and
// the File menu's recently used files.
#include <QString>
#include <QStringList>

namespace tq8615::app {

class FileHistory {
public:
    static constexpr int kMaxRecent = 8;

    // The folder of the current file (empty while the data has none), else the last folder
    // used, else the user's documents folder.
    QString startFolder(const QString& currentFile) const;
    // Most recent first.
    QStringList recentFiles() const;
    // A file opened or saved: its folder is the last one used, it heads the list.
    void remember(const QString& path);
    void forget(const QString& path);
    void clearRecent();
};

}  // namespace tq8615::app
