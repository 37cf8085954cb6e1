#pragma once
// A program folder in a temporary directory, the start-up run on it, and the main window,
// with every message box answered by a script.
#include "app/app_context.h"
#include "app/frm_main.h"
#include "scripted_message_box.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QItemSelectionModel>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QSettings>
#include <QTableView>
#include <QTemporaryDir>
#include <QToolBar>
#include <QTreeWidget>
#include <QtTest>

#include <memory>

namespace tq8615::app {

inline void CopyLanguageFiles(const QString& programFolder)
{
    QDir().mkpath(programFolder + QStringLiteral("/language"));
    for (const char* f : {"english.ini", "chinese.ini"}) {
        const QString name = QString::fromLatin1(f);
        QFile::copy(QStringLiteral(TQ_BIN_DIR "/language/") + name, programFolder + QStringLiteral("/language/") + name);
    }
}

// A control of a window, found by its name as a user's tools find it.
template <typename T = QAction>
T* Child(const QWidget& window, const char* name)
{
    T* child = window.findChild<T*>(QString::fromLatin1(name));
    if (!child)
        qFatal("no control named %s", name);
    return child;
}

inline QTableView* Grid(const QWidget& window) { return Child<QTableView>(window, "MSFlexGrid1_0"); }
inline ChannelGridModel* GridModel(const QWidget& window)
{
    return qobject_cast<ChannelGridModel*>(Grid(window)->model());
}
// Makes a cell of the grid current with its row the only one selected, as a plain click
// does. (QTest leaves the Control key of a key click held for the view's own selection rules,
// which would add the row to the selection.)
inline void ClickCell(QTableView* view, int gridRow, int column)
{
    view->selectionModel()->setCurrentIndex(view->model()->index(gridRow - 1, column),
                                            QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}
inline QTreeWidget* Tree(const QWidget& window) { return Child<QTreeWidget>(window, "tvTreeView"); }
// The tree node with this key ("N9"), or nullptr.
inline QTreeWidgetItem* TreeNode(const QWidget& window, const QString& key)
{
    QTreeWidgetItem* root = Tree(window)->topLevelItem(0);
    for (int i = 0; root && i < root->childCount(); ++i)
        if (root->child(i)->data(0, Qt::UserRole).toString() == key)
            return root->child(i);
    return nullptr;
}

// The record of an existing channel.
template <typename Table>
auto& ChannelOf(Table& list, int number)
{
    const int i = list.FindChannel(number);
    if (i < 0)
        qFatal("channel %d does not exist", number);
    return list.ChannelList[static_cast<std::size_t>(i)];
}

// Turns the event loop until the window's transfer ends; false when it is still running.
inline bool WaitForIdle(frmMain& w, int ms = 60000)
{
    QDeadlineTimer deadline(ms);
    while (w.runActive() && !deadline.hasExpired())
        QTest::qWait(20);
    return !w.runActive();
}

struct Harness {
    explicit Harness(const QString& locale = QStringLiteral("en_US"), QStringList ports = {})
    {
        // The per-user store of window positions goes to the temporary folder too.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config.path());
        CopyLanguageFiles(program.path());
        availablePorts = std::move(ports);
        StartupOptions options;
        options.programFolder = program.path();
        options.fallbackFolder = config.filePath(QStringLiteral("fallback"));
        options.systemLocale = QLocale(locale);
        options.listPorts = [this] { return availablePorts; };
        ctx = RunStartup(options, boxes);
        window = std::make_unique<frmMain>(*ctx);
    }

    Document& doc() { return ctx->document; }

    QTemporaryDir program;
    QTemporaryDir config;
    QStringList availablePorts;
    ScriptedMessageBox boxes;
    std::unique_ptr<AppContext> ctx;
    std::unique_ptr<frmMain> window;
};

}  // namespace tq8615::app
