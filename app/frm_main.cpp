#include "frm_main.h"

#include "app_context.h"
#include "channel_list_commands.h"
#include "channel_print.h"
#include "channel_range_commands.h"
#include "dialog_util.h"
#include "editor_list.h"
#include "frm_about.h"
#include "frm_com_set.h"
#include "frm_init.h"
#include "frm_language.h"
#include "frm_model.h"
#include "language.h"
#include "message_box.h"
#include "tool_icons.h"
#include "undo_actions.h"
#include "window_geometry.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QSettings>
#include <QSplitter>
#include <QStatusBar>
#include <QTableView>
#include <QToolBar>
#include <QTreeWidget>
#include <QWindow>

#include <algorithm>
#include <vector>

namespace tq8615::app {

namespace {

QAction* addItem(QMenu* menu, const QString& name, TextKey key, const QKeySequence& shortcut = {})
{
    QAction* a = menu->addAction(QString());
    a->setObjectName(name);
    SetTag(a, key);
    if (!shortcut.isEmpty()) {
        a->setShortcut(shortcut);
        a->setShortcutContext(Qt::WindowShortcut);
    }
    return a;
}

QMenu* addMenu(QMenuBar* bar, const QString& name, TextKey key)
{
    QMenu* m = bar->addMenu(QString());
    m->setObjectName(name);
    SetTag(m, key);
    return m;
}

QString qs(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

frmMain::frmMain(AppContext& context, QWidget* parent)
    : QMainWindow(parent), ctx_(context),
      sink_(std::make_unique<BoxMessageSink>(context.boxes, context.language, this)),
      runUi_(context.language, context.boxes, context.dialogs.run, this), radio_(runUi_)
{
    setObjectName(QStringLiteral("frmMain"));
    buildCentral();
    buildMenus();
    buildToolBar();
    buildStatusBar();
    // Whatever an editor stores is shown at once.
    connect(&ctx_.events, &ModelEvents::modelChanged, this, [this] {
        ShowListByData();
        undo_->record(pendingCommand_);
    });

    // Form_Load
    ApplyLanguage(this, ctx_.language);
    updateRecentMenu();
    retitleChannelListItems();
    setMinimumWidth(Twips(3000));
    restoreGeometryFromStore();
    LoadShowTree();
    ShowListByData();
}

frmMain::~frmMain() = default;

void frmMain::buildMenus()
{
    QMenuBar* bar = menuBar();
    auto command = [this](QAction* item, auto handler) {
        connect(item, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
    };
    mnuFile = addMenu(bar, QStringLiteral("mnuFile"), TextKey::MenuFile);
    mnuFileNew = addItem(mnuFile, QStringLiteral("mnuFileNew"), TextKey::MenuFileNew, QKeySequence(Qt::CTRL | Qt::Key_N));
    command(mnuFileNew, &frmMain::mnuFileNew_Click);
    mnuFileOpen = addItem(mnuFile, QStringLiteral("mnuFileOpen"), TextKey::MenuFileOpen, QKeySequence(Qt::CTRL | Qt::Key_O));
    command(mnuFileOpen, &frmMain::mnuFileOpen_Click);
    mnuFileSave = addItem(mnuFile, QStringLiteral("mnuFileSave"), TextKey::MenuFileSave, QKeySequence(Qt::CTRL | Qt::Key_S));
    command(mnuFileSave, &frmMain::mnuFileSave_Click);
    command(addItem(mnuFile, QStringLiteral("mnuFileSaveAs"), TextKey::MenuFileSaveAs), &frmMain::mnuFileSaveAs_Click);
    mnuFileImportCsv = mnuFile->addAction(QString());
    mnuFileImportCsv->setObjectName(QStringLiteral("mnuFileImportCsv"));
    command(mnuFileImportCsv, &frmMain::mnuFileImportCsv_Click);
    mnuFileExportCsv = mnuFile->addAction(QString());
    mnuFileExportCsv->setObjectName(QStringLiteral("mnuFileExportCsv"));
    command(mnuFileExportCsv, &frmMain::mnuFileExportCsv_Click);
    mnuFilePrint = mnuFile->addAction(QString());
    mnuFilePrint->setObjectName(QStringLiteral("mnuFilePrint"));
    mnuFilePrint->setShortcut(QKeySequence::Print);
    command(mnuFilePrint, &frmMain::mnuFilePrint_Click);
    mnuFileRecent = mnuFile->addMenu(QString());
    mnuFileRecent->setObjectName(QStringLiteral("mnuFileRecent"));
    QAction* bar1 = mnuFile->addSeparator();
    bar1->setObjectName(QStringLiteral("mnuFileBar1"));
    fleet_ = new FleetCommands(ctx_, radio_, *sink_, this);
    fleet_->addToFileMenu(mnuFile, bar1);
    command(addItem(mnuFile, QStringLiteral("mnuFileExit"), TextKey::MenuFileExit), &frmMain::mnuFileExit_Click);

    QMenu* MnuModel = addMenu(bar, QStringLiteral("MnuModel"), TextKey::MenuModel);
    command(addItem(MnuModel, QStringLiteral("MnuModelInfo"), TextKey::MenuModelInfo), &frmMain::MnuModelInfo_Click);

    mnuEdit = addMenu(bar, QStringLiteral("mnuEdit"), TextKey::MenuEdit);
    undo_ = new UndoActions(ctx_.document.Model, ctx_.language, mnuEdit, this);
    connect(undo_, &UndoActions::modelRestored, this, &frmMain::ShowListByData);
    mnuEdit->addSeparator();
    range_ = new ChannelRangeCommands(ctx_, MSFlexGrid1, *undo_, mnuEdit, [this](int row) { ReShowGrid(row); }, this);

    QMenu* MnuSet = addMenu(bar, QStringLiteral("MnuSet"), TextKey::MenuSettings);
    MnuSetCom = addItem(MnuSet, QStringLiteral("MnuSetCom"), TextKey::MenuComPort);
    command(MnuSetCom, &frmMain::MnuSetCom_Click);
    command(addItem(MnuSet, QStringLiteral("MnuSetLanguage"), TextKey::MenuLanguage), &frmMain::MnuSetLanguage_Click);
    command(addItem(MnuSet, QStringLiteral("MnuSetInit"), TextKey::MenuInitialize), &frmMain::MnuSetInit_Click);
    command(addItem(MnuSet, QStringLiteral("MnuSetResetSettings"), TextKey::ResetSettingsCaption),
            &frmMain::MnuSetResetSettings_Click);

    QMenu* mnuPro = addMenu(bar, QStringLiteral("mnuPro"), TextKey::MenuProgram);
    // Control+R and Control+W mean reload and close on the desktop; Shift keeps them apart,
    // and P (program) stays clear of the Control+Shift+W that closes windows.
    mnuProRead = addItem(mnuPro, QStringLiteral("mnuProRead"), TextKey::MenuRead, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_R));
    command(mnuProRead, &frmMain::mnuProRead_Click);
    MnuProWrite = addItem(mnuPro, QStringLiteral("MnuProWrite"), TextKey::MenuWrite, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
    command(MnuProWrite, &frmMain::MnuProWrite_Click);
    fleet_->addToProgramMenu(mnuPro);

    MnuView = addMenu(bar, QStringLiteral("MnuView"), TextKey::MenuView);
    MnuViewToolBar = addItem(MnuView, QStringLiteral("MnuViewToolBar"), TextKey::MenuToolBar);
    MnuViewStatusBar = addItem(MnuView, QStringLiteral("MnuViewStatusBar"), TextKey::MenuStatusBar);
    for (QAction* toggle : {MnuViewToolBar, MnuViewStatusBar}) {
        toggle->setCheckable(true);
        toggle->setChecked(true);
    }
    connect(MnuViewToolBar, &QAction::toggled, this, [this](bool on) { tbToolBar->setVisible(on); });
    connect(MnuViewStatusBar, &QAction::toggled, this, [this](bool on) { statusBar()->setVisible(on); });

    MnuHelp = addMenu(bar, QStringLiteral("MnuHelp"), TextKey::MenuHelp);
    MnuHelpAbout = addItem(MnuHelp, QStringLiteral("MnuHelpAbout"), TextKey::MenuAbout);
    command(MnuHelpAbout, &frmMain::MnuHelpAbout_Click);

    buildEditorItems();
    command(addItem(mnuEdit, QStringLiteral("MnuEMg"), TextKey::MenuEmbeddedInfo), &frmMain::ReadRMGDataFromRadio);
}

void frmMain::buildEditorItems()
{
    for (const EditorEntry& editor : EditorList()) {
        QMenu* menu = editor.menu == EditorMenu::Help ? MnuHelp : mnuEdit;
        QAction* item = addItem(menu, editor.menuItem, editor.menuText);
        item->setVisible(editor.shown(ctx_));
        if (editor.onChannel)
            connect(item, &QAction::triggered, this, &frmMain::editCurrentChannel);
        else
            connect(item, &QAction::triggered, this, [this, &editor] { openEditor(editor); });
    }
}

void frmMain::buildToolBar()
{
    tbToolBar = addToolBar(QString());
    tbToolBar->setObjectName(QStringLiteral("tbToolBar"));
    tbToolBar->setMovable(false);
    tbToolBar->setIconSize(QSize(24, 24));
    tbToolBar->toggleViewAction()->setVisible(false);
    // Each button does what its menu item does and is named by the item's text for
    // assistive technologies; its tool tip names the item's shortcut. The port button has
    // no tool tip.
    enum class Tip { Shown, None };
    auto button = [this](const QString& key, ToolIcon icon, QAction* item, Tip tip = Tip::Shown) {
        QAction* a = tbToolBar->addAction(MakeToolIcon(icon), QString());
        a->setObjectName(key);
        const auto text = static_cast<TextKey>(item->property("tag").toInt());
        if (tip == Tip::Shown) {
            SetToolTipKey(a, text);
            a->setProperty("toolTipShortcut", item->shortcut());
        }
        SetAccessibleNameKey(tbToolBar->widgetForAction(a), text);
        connect(a, &QAction::triggered, item, &QAction::trigger);
    };
    button(QStringLiteral("TNewFile"), ToolIcon::New, mnuFileNew);
    button(QStringLiteral("TOpenFile"), ToolIcon::Open, mnuFileOpen);
    button(QStringLiteral("TSaveFile"), ToolIcon::Save, mnuFileSave);
    tbToolBar->addSeparator();
    button(QStringLiteral("TCommRead"), ToolIcon::Read, mnuProRead);
    button(QStringLiteral("TCommPort"), ToolIcon::Port, MnuSetCom, Tip::None);
    button(QStringLiteral("TCommWrite"), ToolIcon::Write, MnuProWrite);
    tbToolBar->addSeparator();
    button(QStringLiteral("TAbout"), ToolIcon::About, MnuHelpAbout);
}

void frmMain::buildCentral()
{
    imgSplitter = new QSplitter(Qt::Horizontal, this);
    imgSplitter->setObjectName(QStringLiteral("imgSplitter"));
    imgSplitter->setChildrenCollapsible(false);
    imgSplitter->setOpaqueResize(false);  // drawn while dragging, applied on release

    tvTreeView = new QTreeWidget(imgSplitter);
    tvTreeView->setObjectName(QStringLiteral("tvTreeView"));
    tvTreeView->setHeaderHidden(true);
    tvTreeView->setMinimumWidth(Twips(30));
    connect(tvTreeView, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) { treeClicked(item); });
    tvTreeView->installEventFilter(this);  // Enter opens a node as a click does

    gridModel = new ChannelGridModel(ctx_.language, this);
    MSFlexGrid1 = new QTableView(imgSplitter);
    MSFlexGrid1->setObjectName(QStringLiteral("MSFlexGrid1_0"));
    MSFlexGrid1->setModel(gridModel);
    MSFlexGrid1->verticalHeader()->setVisible(false);
    MSFlexGrid1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    MSFlexGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    MSFlexGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    MSFlexGrid1->setMinimumWidth(Twips(30));
    MSFlexGrid1->installEventFilter(this);
    connect(MSFlexGrid1, &QTableView::doubleClicked, this, &frmMain::editCurrentChannel);
    QHeaderView* h = MSFlexGrid1->horizontalHeader();
    h->setDefaultAlignment(Qt::AlignCenter);
    h->setHighlightSections(false);
    MSFlexGrid1->setColumnHidden(4, true);  // the step column
    MSFlexGrid1->verticalHeader()->setDefaultSectionSize(MSFlexGrid1->fontMetrics().height() + 6);

    imgSplitter->addWidget(tvTreeView);
    imgSplitter->addWidget(MSFlexGrid1);
    imgSplitter->setStretchFactor(0, 0);
    imgSplitter->setStretchFactor(1, 1);
    imgSplitter->setSizes(QList<int>{Twips(2400), Twips(12000)});
    setCentralWidget(imgSplitter);
}

void frmMain::buildStatusBar()
{
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("sbStatusBar"));
    for (std::size_t i = 0; i < sbPanels.size(); ++i) {
        sbPanels[i] = new QLabel(this);
        sbPanels[i]->setObjectName(QStringLiteral("sbPanel%1").arg(i + 1));
        sbPanels[i]->setContentsMargins(6, 0, 6, 0);
    }
    sbPanels[0]->setText(QStringLiteral("Status"));
    bar->addWidget(sbPanels[0], 1);
    bar->addPermanentWidget(sbPanels[1]);
    bar->addPermanentWidget(sbPanels[2]);
    updateClock();
    clockTimer.setInterval(1000);
    connect(&clockTimer, &QTimer::timeout, this, &frmMain::updateClock);
    clockTimer.start();
}

void frmMain::updateClock()
{
    // Dates and times in a fixed numeric form, whatever the user's locale.
    const QDateTime now = QDateTime::currentDateTime();
    sbPanels[1]->setText(now.toString(QStringLiteral("yyyy-MM-dd")));
    sbPanels[2]->setText(now.toString(QStringLiteral("HH:mm:ss")));
}

void frmMain::restoreGeometryFromStore()
{
    const QList<QRect> screens = ctx_.screenAreas();
    placedFrame_ = FitOnScreens(ReadStoredFrame().value_or(screens.value(0)), screens);
    placeFrame(placedFrame_);
    assumedMargins_ = frameMarginsNow();
}

QMargins frmMain::frameMarginsNow() const
{
    return windowHandle() ? windowHandle()->frameMargins() : QMargins();
}

void frmMain::placeFrame(const QRect& frame)
{
    // Frame margins are known once the platform window exists, on some platforms only once
    // it is shown (see showEvent). move() places the outer frame.
    create();
    const QMargins m = frameMarginsNow();
    resize(frame.width() - m.left() - m.right(), frame.height() - m.top() - m.bottom());
    move(frame.topLeft());
}

void frmMain::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (placedFrame_.isNull())
        return;
    // Where the frame became known only now, the window is fitted into the frame it was
    // meant to have, so the status bar is not pushed off the screen.
    QTimer::singleShot(0, this, [this] {
        if (!placedFrame_.isNull() && frameMarginsNow() != assumedMargins_)
            placeFrame(placedFrame_);
        placedFrame_ = QRect();
    });
}

void frmMain::storeGeometry()
{
    if (isMinimized())
        return;
    // The normal (not maximised) place, with the frame as the window has it now.
    const QMargins m = frameMarginsNow();
    const QRect inside = isMaximized() || isFullScreen() ? normalGeometry() : geometry();
    StoreFrame(inside.marginsAdded(m));
}

// --- Tree and grid --------------------------------------------------------------------

void frmMain::Form_ReLoad()
{
    ApplyLanguage(this, ctx_.language);
    updateRecentMenu();
    undo_->retranslate();
    range_->retranslate();
    retitleChannelListItems();
    fleet_->retranslate();
    gridModel->languageChanged();
    LoadShowTree();
    ShowListByData();
}

void frmMain::LoadShowTree()
{
    tvTreeView->clear();
    auto* root = new QTreeWidgetItem(tvTreeView, {qs(ctx_.document.Model.ModelName)});
    root->setData(0, Qt::UserRole, QStringLiteral("N0"));
    auto child = [root](const QString& key, const QString& text) {
        auto* item = new QTreeWidgetItem(root, {text});
        item->setData(0, Qt::UserRole, key);
    };
    child(QStringLiteral("N1"), QStringLiteral("CH"));
    std::vector<const EditorEntry*> nodes;
    for (const EditorEntry& editor : EditorList())
        if (!editor.treeNode.isEmpty() && editor.shown(ctx_))
            nodes.push_back(&editor);
    std::stable_sort(nodes.begin(), nodes.end(),
                     [](const EditorEntry* a, const EditorEntry* b) { return a->treePosition < b->treePosition; });
    for (const EditorEntry* editor : nodes)
        child(editor->treeNode, ctx_.language.LangText(editor->treeText));
    child(QStringLiteral("N9"), ctx_.language.LangText(TextKey::EmbeddedInfo));
    root->setExpanded(true);
    // The tree grows to its longest node, so no name is cut in either language.
    QList<int> sizes = imgSplitter->sizes();
    int wanted = 0;
    for (int i = 0; i < root->childCount(); ++i)
        wanted = std::max(wanted, tvTreeView->fontMetrics().horizontalAdvance(root->child(i)->text(0)));
    wanted += 2 * tvTreeView->indentation() + 2 * tvTreeView->frameWidth() + tvTreeView->fontMetrics().averageCharWidth();
    if (sizes.size() == 2 && sizes[0] < wanted) {
        sizes[1] -= wanted - sizes[0];
        sizes[0] = wanted;
        imgSplitter->setSizes(sizes);
    }
}

void frmMain::treeClicked(QTreeWidgetItem* item)
{
    const QString key = item->data(0, Qt::UserRole).toString();
    if (key == QLatin1String("N1")) {
        MSFlexGrid1->setFocus();
        return;
    }
    if (key == QLatin1String("N9")) {
        ReadRMGDataFromRadio();
        return;
    }
    for (const EditorEntry& editor : EditorList())
        if (editor.treeNode == key)
            openEditor(editor);
}

void frmMain::openEditor(const EditorEntry& editor)
{
    if (runActive())
        return;
    pendingCommand_ = StripMnemonic(ctx_.language.LangText(editor.menuText));
    const std::unique_ptr<QDialog> window = editor.make(ctx_, this);
    ctx_.dialogs.run(*window);
}

void frmMain::editCurrentChannel()
{
    const QModelIndex cell = MSFlexGrid1->currentIndex();
    if (!cell.isValid() || cell.column() < 1)
        return;
    for (const EditorEntry& editor : EditorList()) {
        if (editor.onChannel) {
            ctx_.CurrentChannel = ChannelGridModel::gridRow(cell);
            openEditor(editor);
        }
    }
}

QString frmMain::caption() const
{
    const EditingModel& m = ctx_.document.Model;
    return QStringLiteral("TQ8615[%1:%2][%3:%4]")
        .arg(qs(m.ModelName), qs(m.Band.BandPlanText), ctx_.language.LangText(TextKey::FileCaption), qs(ctx_.document.CurrentFileName));
}

void frmMain::ShowListByData()
{
    setWindowTitle(caption());
    if (auto* root = tvTreeView->topLevelItem(0))
        root->setText(0, qs(ctx_.document.Model.ModelName));
    gridModel->ShowListByData(ctx_.document.Model, *sink_);
    fitColumns();
}

void frmMain::fitColumns()
{
    // The widths of the radio's own program, widened where a header of the current
    // language would otherwise be cut off.
    static const int widths[kGridColumns] = {600, 1300, 1300, 1000, 0, 1500, 800, 1200, 1400, 1400, 1400};
    QHeaderView* h = MSFlexGrid1->horizontalHeader();
    const QFontMetrics fm(h->font());
    for (int c = 0; c < kGridColumns; ++c) {
        if (widths[c] == 0)
            continue;
        int needed = 0;
        for (const QString& line : gridModel->headerData(c, Qt::Horizontal).toString().split(QLatin1Char('\n')))
            needed = std::max(needed, fm.horizontalAdvance(line) + 14);
        MSFlexGrid1->setColumnWidth(c, std::max(Twips(widths[c]), needed));
    }
    h->setFixedHeight(std::max(Twips(500), fm.lineSpacing() * 2 + 10));
}

void frmMain::ReShowGrid(int row) { gridModel->ReShowGrid(row, ctx_.document.Model, *sink_); }

bool frmMain::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == tvTreeView && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && tvTreeView->currentItem()) {
            treeClicked(tvTreeView->currentItem());
            return true;
        }
    }
    if (watched == MSFlexGrid1 && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            editCurrentChannel();
            return true;
        }
        if (key->modifiers() == Qt::ControlModifier &&
            (key->key() == Qt::Key_C || key->key() == Qt::Key_X || key->key() == Qt::Key_V)) {
            range_->gridKey(key->key());
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

// --- File commands --------------------------------------------------------------------

QString frmMain::fileFilter() const
{
    return ctx_.language.text(BuiltinText::DataFileType) + QStringLiteral(" (*.dat)");
}

bool frmMain::offerSave(const QString& question, bool cancelStops)
{
    if (!ctx_.document.IsModelModified())
        return true;
    switch (ctx_.boxes.ask(this, Icon::Warning, AppTitle(), question, Buttons::YesNoCancel)) {
    case Answer::Yes:
        // A save that was cancelled or failed must not let the data be replaced.
        return mnuFileSave_Click();
    case Answer::No:
        return true;
    default:
        return !cancelStops;
    }
}

void frmMain::newModel(bool initialize)
{
    if (runActive())
        return;
    // Cancel on the save question still leads to the reset question, which can stop it.
    if (!offerSave(ctx_.language.LangText(TextKey::SaveFirstQuestion), false))
        return;
    if (!initialize && ctx_.boxes.ask(this, Icon::Warning, AppTitle(), ctx_.language.text(BuiltinText::ResetPrompt),
                                      Buttons::OkCancel) != Answer::Ok)
        return;
    ctx_.document.BuildDefaultModel(ctx_.document.Model.Band.BandPlanIndex);
    undo_->reset();
    ShowListByData();
}

bool frmMain::mnuFileOpen_Click()
{
    if (runActive() || !offerSave(ctx_.language.text(BuiltinText::UnsavedPrompt), true))
        return false;
    const QString path = ctx_.dialogs.openPath(this, history_.startFolder(currentFile()), fileFilter());
    return !path.isEmpty() && openDataFile(path);
}

bool frmMain::openRecent(const QString& path)
{
    if (runActive() || !offerSave(ctx_.language.text(BuiltinText::UnsavedPrompt), true))
        return false;
    if (openDataFile(path))
        return true;
    // A file that is gone leaves the list; one that could not be read stays for another try.
    if (!QFileInfo::exists(path)) {
        history_.forget(path);
        updateRecentMenu();
    }
    return false;
}

bool frmMain::openDataFile(const QString& path)
{
    if (!ctx_.document.OpenDataFile(path.toStdString(), *sink_))
        return false;
    rememberFile();
    undo_->reset();
    LoadShowTree();
    ShowListByData();
    return true;
}

QString frmMain::currentFile() const { return ctx_.document.IsUntitled() ? QString() : qs(ctx_.document.CurrentFileName); }

void frmMain::rememberFile()
{
    history_.remember(qs(ctx_.document.CurrentFileName));
    updateRecentMenu();
}

void frmMain::updateRecentMenu()
{
    mnuFileRecent->clear();
    mnuFileRecent->setTitle(ctx_.language.text(BuiltinText::RecentFiles));
    const QStringList files = history_.recentFiles();
    for (int i = 0; i < files.size(); ++i) {
        const QString name = QFileInfo(files[i]).fileName().replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* item = mnuFileRecent->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(name));
        item->setObjectName(QStringLiteral("mnuFileRecent%1").arg(i + 1));
        item->setToolTip(files[i]);
        item->setStatusTip(files[i]);
        connect(item, &QAction::triggered, this, [this, path = files[i]] { openRecent(path); });
    }
    mnuFileRecent->setToolTipsVisible(true);
    mnuFileRecent->addSeparator();
    QAction* clear = mnuFileRecent->addAction(ctx_.language.text(BuiltinText::ClearRecentFiles));
    clear->setObjectName(QStringLiteral("mnuFileRecentClear"));
    clear->setEnabled(!files.isEmpty());
    connect(clear, &QAction::triggered, this, [this] {
        history_.clearRecent();
        updateRecentMenu();
    });
}

void frmMain::retitleChannelListItems()
{
    mnuFileImportCsv->setText(ctx_.language.text(BuiltinText::ImportChannels));
    mnuFileExportCsv->setText(ctx_.language.text(BuiltinText::ExportChannels));
    mnuFilePrint->setText(ctx_.language.text(BuiltinText::PrintCommand));
}

void frmMain::mnuFileImportCsv_Click()
{
    if (runActive())
        return;
    pendingCommand_ = StripMnemonic(ctx_.language.text(BuiltinText::ImportChannels));
    ImportChannelList(ctx_, this, history_.startFolder(currentFile()));
}

void frmMain::mnuFileExportCsv_Click() { ExportChannelList(ctx_, this, history_.startFolder(currentFile())); }

void frmMain::mnuFilePrint_Click()
{
    QList<int> columns;
    for (int c = 0; c < kGridColumns; ++c)
        if (!MSFlexGrid1->isColumnHidden(c))
            columns.append(c);
    PrintChannels(ctx_, *gridModel, columns, this);
}

bool frmMain::mnuFileSave_Click()
{
    if (ctx_.document.IsUntitled())
        return mnuFileSaveAs_Click();
    const QString name = QFileInfo(qs(ctx_.document.CurrentFileName)).fileName();
    const QString prompt = QLatin1Char('"') + name + QLatin1Char('"') + ctx_.language.text(BuiltinText::OverwritePrompt);
    if (ctx_.boxes.ask(this, Icon::Question, AppTitle(), prompt, Buttons::OkCancel) != Answer::Ok)
        return false;
    const bool saved = ctx_.document.SaveDataFile(*sink_);
    if (saved)
        rememberFile();
    setWindowTitle(caption());
    return saved;
}

bool frmMain::mnuFileSaveAs_Click()
{
    const QString name = QFileInfo(qs(ctx_.document.CurrentFileName)).fileName();
    const QString preset = QDir(history_.startFolder(currentFile())).filePath(name);
    const QString path = ctx_.dialogs.savePath(this, preset, fileFilter());
    if (path.isEmpty())
        return false;
    if (!ctx_.document.SaveDataFile(path.toStdString(), *sink_))
        return false;
    rememberFile();
    setWindowTitle(caption());
    return true;
}

void frmMain::mnuFileExit_Click() { close(); }

void frmMain::closeEvent(QCloseEvent* event)
{
    // Unsaved changes are offered for saving; a cancelled or failed save keeps the window.
    if (runActive() || !offerSave(ctx_.language.text(BuiltinText::UnsavedPrompt), true)) {
        event->ignore();
        return;
    }
    clockTimer.stop();
    storeGeometry();
    if (!WriteFeatureFlags(ctx_.paths.settingPath(), ctx_.featureFlags))
        qWarning("Setting.ini could not be written");
    event->accept();
}

// --- Other windows --------------------------------------------------------------------

void frmMain::MnuModelInfo_Click()
{
    FrmModel dlg(ctx_.language, ctx_.boxes, ctx_.document.Model.Band.BandPlanIndex, this);
    if (ctx_.dialogs.run(dlg) != QDialog::Accepted || dlg.confirmedBand() < 0)
        return;
    ctx_.document.BuildDefaultModel(dlg.confirmedBand());
    undo_->reset();
    ShowListByData();
}

void frmMain::MnuSetCom_Click()
{
    FrmComSet dlg(ctx_.language, ctx_.comPort, ctx_.paths.mysetupPath(), ctx_.listPorts, this);
    ctx_.dialogs.run(dlg);
}

void frmMain::MnuSetLanguage_Click()
{
    FrmLanguage dlg(ctx_.language, this);
    if (ctx_.dialogs.run(dlg) != QDialog::Accepted)
        return;
    if (!ctx_.qtTexts.follow(ctx_.language.LanguageIndex()))
        qWarning("Qt's own translations are not installed; its standard buttons stay English");
    Form_ReLoad();
}

void frmMain::MnuSetResetSettings_Click()
{
    FrmInit dlg(ctx_.language, ctx_.setup.FactoryFrequencyMode, ctx_.paths.mysetupPath(), this);
    if (ctx_.dialogs.run(dlg) == QDialog::Accepted && !dlg.written())
        ctx_.boxes.inform(this, Icon::Critical, AppTitle(), ctx_.language.text(BuiltinText::FileError));
}

void frmMain::MnuHelpAbout_Click()
{
    frmAbout dlg(ctx_.language, ctx_.boxes, this);
    ctx_.dialogs.run(dlg);
}


// --- Radio ----------------------------------------------------------------------------

void frmMain::mnuProRead_Click()
{
    if (runActive())
        return;
    // Cancel on the save question goes on to the read question, which can stop it.
    if (!offerSave(ctx_.language.LangText(TextKey::SaveFirstQuestion), false))
        return;
    radio_.startRead(ctx_.comPort, [this](int band, RadioImage& image) {
        ctx_.document.AcceptRadioRead(band, image, *sink_);
        undo_->reset();
        LoadShowTree();
        ShowListByData();
    });
}

void frmMain::MnuProWrite_Click() { radio_.startWrite(ctx_.comPort, ctx_.document.Model, fleet_->writeOptions()); }

void frmMain::ReadRMGDataFromRadio() { radio_.startReadEmbeddedInfo(ctx_.comPort); }

}  // namespace tq8615::app
