#pragma once
// The main window: the tree of setting groups, the channel grid, the menus, the toolbar
// and the status bar, and every command the user starts from them.
#include "channel_grid_model.h"
#include "file_history.h"
#include "fleet_commands.h"
#include "radio_session.h"
#include "window_run_ui.h"

#include "model/channels.h"

#include <QMainWindow>
#include <QTimer>

#include <array>
#include <memory>

class QAction;
class QLabel;
class QMenu;
class QSplitter;
class QTableView;
class QToolBar;
class QTreeWidget;
class QTreeWidgetItem;

namespace tq8615::app {

struct AppContext;
struct EditorEntry;
class BoxMessageSink;
class ChannelRangeCommands;
class UndoActions;

class frmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit frmMain(AppContext& context, QWidget* parent = nullptr);
    ~frmMain() override;

    // The line to the radio (its transport factory and reply time-out can be replaced).
    RadioSession& radio() { return radio_; }
    FleetCommands& fleet() { return *fleet_; }
    WindowRunUi& runUi() { return runUi_; }
    bool runActive() const { return radio_.isActive(); }

    // --- Commands (menus and toolbar) ----------------------------------------------------
    void mnuFileNew_Click() { newModel(false); }
    void MnuSetInit_Click() { newModel(true); }
    bool mnuFileOpen_Click();
    // File > Recent Files: opens one of them, as Open does with a chosen file.
    bool openRecent(const QString& path);
    // Opens a data file without asking for it (a file given on the command line).
    bool openDataFile(const QString& path);
    bool mnuFileSave_Click();    // true when the data was saved
    bool mnuFileSaveAs_Click();
    void mnuFileImportCsv_Click();
    void mnuFileExportCsv_Click();
    void mnuFilePrint_Click();
    void mnuFileExit_Click();
    void MnuModelInfo_Click();
    void MnuSetCom_Click();
    void MnuSetLanguage_Click();
    void MnuSetResetSettings_Click();
    void mnuProRead_Click();
    void MnuProWrite_Click();
    void ReadRMGDataFromRadio();
    void MnuHelpAbout_Click();
    // Opens a window of the editor list modally; the model it changes is redrawn.
    void openEditor(const EditorEntry& editor);

    // --- Grid --------------------------------------------------------------------------
    void Form_ReLoad();
    void LoadShowTree();
    void ShowListByData();
    void ReShowGrid(int row);
    QString caption() const;
    QString fileFilter() const;  // the data file type of the file dialogs

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus();
    void buildEditorItems();
    void buildToolBar();
    void buildCentral();
    void buildStatusBar();
    void fitColumns();
    // The stored frame (the whole screen area on a first start), brought onto a screen.
    void restoreGeometryFromStore();
    void storeGeometry();
    // Gives the window this outer frame, as far as its frame margins are known yet.
    void placeFrame(const QRect& frame);
    QMargins frameMarginsNow() const;
    QString currentFile() const;  // empty while the data has no file
    void rememberFile();
    void updateRecentMenu();
    void retitleChannelListItems();
    void updateClock();
    void newModel(bool initialize);
    // Offers to save unsaved changes; false when the command should stop.
    bool offerSave(const QString& question, bool cancelStops);
    void treeClicked(QTreeWidgetItem* item);
    // The channel editor on the grid's current cell; the row label column and the header
    // open nothing.
    void editCurrentChannel();

    AppContext& ctx_;
    std::unique_ptr<BoxMessageSink> sink_;
    WindowRunUi runUi_;
    RadioSession radio_;
    FleetCommands* fleet_ = nullptr;
    FileHistory history_;
    QRect placedFrame_;          // the frame asked for before the window was first shown
    QMargins assumedMargins_;    // ... and the frame margins known then
    UndoActions* undo_ = nullptr;
    ChannelRangeCommands* range_ = nullptr;
    QString pendingCommand_;  // the editor or import under way, as Undo names its change

    QTreeWidget* tvTreeView = nullptr;
    QTableView* MSFlexGrid1 = nullptr;
    ChannelGridModel* gridModel = nullptr;
    QSplitter* imgSplitter = nullptr;
    QToolBar* tbToolBar = nullptr;
    std::array<QLabel*, 3> sbPanels{};  // "Status", date, time
    QTimer clockTimer;
    QMenu *mnuFile = nullptr, *mnuFileRecent = nullptr, *mnuEdit = nullptr, *MnuView = nullptr, *MnuHelp = nullptr;
    QAction *mnuFileNew = nullptr, *mnuFileOpen = nullptr, *mnuFileSave = nullptr,
            *mnuFileImportCsv = nullptr, *mnuFileExportCsv = nullptr, *mnuFilePrint = nullptr, *MnuSetCom = nullptr, *mnuProRead = nullptr, *MnuProWrite = nullptr,
            *MnuViewToolBar = nullptr, *MnuViewStatusBar = nullptr, *MnuHelpAbout = nullptr;
};

}  // namespace tq8615::app
