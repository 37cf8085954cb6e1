// Start-up, the main window's grid and its commands, driven offscreen with scripted answers.
#include "app_harness.h"

#include "app/frm_com_set.h"
#include "app/frm_language.h"
#include "app/frm_model.h"
#include "app/profile_file.h"
#include "app/language.h"
#include "app/settings.h"
#include "app/editor_list.h"
#include "editors/frm_option.h"

#include "link/serial_ports.h"
#include "model/freq_codec.h"

#include <QAction>

#include <algorithm>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QPushButton>
#include <QTableView>
#include <QToolBar>
#include <QTreeWidget>

using namespace tq8615;
using namespace tq8615::app;

Q_DECLARE_METATYPE(QList<tq8615::app::Answer>)

namespace {

ChannelRecord channel(int number, const char* rx)
{
    ChannelRecord r = NewChannelWithFreq(number, rx);
    return r;
}

// Replaces the channel list with a small sample that exercises every kind of cell.
void loadSample(EditingModel& m)
{
    m.ChannelCount = 0;
    ChannelRecord c1 = channel(1, "145.50000");
    c1.ShiftMode = 1;
    c1.TxFreq = "000060000";
    c1.ChannelName = "AB";
    c1.Bandwidth = 0;
    c1.ScanAdd = 1;
    c1.Power = 0;
    c1.DecodeType = 1;
    c1.DecodeCtcss = 1;
    c1.EncodeType = 2;
    c1.EncodeDcs = 104;
    c1.OptSigType = 1;
    c1.DtmfIndex = 0;
    m.AppendChannel(c1);

    ChannelRecord c2 = channel(2, "145.50000");
    c2.ShiftMode = 2;
    c2.TxFreq = "000060000";
    c2.Bandwidth = 2;
    c2.ScanAdd = 0;
    c2.Power = 2;
    c2.DecodeType = 1;
    c2.DecodeCtcss = 51;
    c2.UserCtcss = 885;
    c2.EncodeType = 0;
    c2.OptSigType = 3;
    c2.FiveToneIndex = 7;
    m.AppendChannel(c2);

    ChannelRecord c3 = channel(3, "435.00000");
    c3.ChannelInUse = 0;  // listed but not in use: an empty row
    m.AppendChannel(c3);

    ChannelRecord vfo = channel(201, "435.50000");
    vfo.VhfActive = 1;
    vfo.RxFreqVhf = "014650000";
    vfo.ShiftModeVhf = 3;
    vfo.TxFreqVhf = "014600000";
    m.AppendChannel(vfo);

    ChannelRecord c9 = channel(9, "430.12500");
    c9.DecodeType = 2;
    c9.DecodeDcs = 300;  // out of the table: shown as the first code
    c9.ShiftMode = 3;
    c9.TxFreq = "04301250X";  // not numeric
    m.AppendChannel(c9);
}

QStringList rowTexts(const ChannelGridModel& grid, int row)
{
    QStringList t;
    for (int c = 0; c < kGridColumns; ++c)
        t.append(grid.cellText(row, c));
    return t;
}

void markModified(Document& doc, const char* name = "EDIT")
{
    doc.Model.ChannelList[3].ChannelName = name;
    QVERIFY(doc.IsModelModified());
}

QList<Answer> answers(std::initializer_list<Answer> list) { return QList<Answer>(list); }

QStringList strings(std::initializer_list<const char*> list)
{
    QStringList out;
    for (const char* s : list)
        out.append(QString::fromUtf8(s));
    return out;
}

}  // namespace

class AppMainWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void startupChoosesLanguageAndWritesSettings_data();
    void startupChoosesLanguageAndWritesSettings();
    void startupFallsBackWhenProgramFolderIsReadOnly();
    void gridShowsSample();
    void gridColoursAndHeaders();
    void copyCutPaste();
    void undoAndRedoFollowTheGridAndTheEditors();
    void copyCutPasteIgnoredOutsideBandPlan0();
    void fileCommandPrompts_data();
    void fileCommandPrompts();
    void openRefusesBadFile();
    void saveThenOpenRoundTrip();
    void closeAsksAndStoresSettings_data();
    void closeAsksAndStoresSettings();
    void bandChange_data();
    void bandChange();
    void languageSwitchReappliesTexts();
    void openDataFileAsksNothing();
    void portWindowFollowsPortList();
    void portWindowOffersTheStableName();
    void viewToggles();
};

void AppMainWindowTest::startupChoosesLanguageAndWritesSettings_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QByteArray>("mysetup");
    QTest::addColumn<QStringList>("ports");
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("port");
    QTest::addColumn<QString>("writtenPort");
    QTest::newRow("zh_CN, first run, port present")
        << "zh_CN" << QByteArray("[language]\nIsFirstRun=1\ncomPort=ttyUSB0\nFactoryFres=1\n")
        << strings({"ttyS0", "ttyUSB0"}) << 2 << "ttyUSB0" << "ttyUSB0";
    QTest::newRow("zh_TW, port 7 gone: first port")
        << "zh_TW" << QByteArray("[language]\nIsFirstRun=0\ncomPort=7\n") << strings({"ttyS2", "ttyUSB0"}) << 1
        << "ttyS2" << "3";
    QTest::newRow("no mysetup.ini, no ports") << "en_US" << QByteArray() << QStringList{} << 1 << "" << "0";
}

void AppMainWindowTest::startupChoosesLanguageAndWritesSettings()
{
    QFETCH(QString, locale);
    QFETCH(QByteArray, mysetup);
    QFETCH(QStringList, ports);
    QFETCH(int, language);
    QFETCH(QString, port);
    QFETCH(QString, writtenPort);

    QTemporaryDir program, config;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config.path());
    CopyLanguageFiles(program.path());
    const QString mysetupPath = program.filePath(QStringLiteral("language/mysetup.ini"));
    if (!mysetup.isEmpty()) {
        QFile f(mysetupPath);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(mysetup);
    }
    ScriptedMessageBox boxes;
    StartupOptions options{program.path(), config.path(), QLocale(locale), [&] { return ports; }, FolderIsWritable};
    auto ctx = RunStartup(options, boxes);

    QCOMPARE(ctx->language.LanguageIndex(), language);
    QCOMPARE(ctx->comPort, port);
    QVERIFY(!ctx->paths.usingFallback);
    const SetupSettings written = ReadSetup(mysetupPath);
    QVERIFY(!written.IsFirstRun);
    QCOMPARE(written.comPort, writtenPort);
    QCOMPARE(ctx->document.Model.Band.BandPlanIndex, 2);
    QCOMPARE(ctx->document.CurrentFileName, std::string("new.dat"));
    QVERIFY(!ctx->FactoryMode);
    QVERIFY(boxes.shown.isEmpty());

    frmMain w(*ctx);
    QCOMPARE(Child<QMenu>(w, "mnuFile")->title(), ctx->language.LangText(1000));
    QVERIFY(!Child<QAction>(w, "MnuHelpAutoTest")->isVisible());  // not a factory workstation
    QCOMPARE(w.windowTitle(), QStringLiteral("TQ8615[TQ8615:%1][%2:new.dat]")
                                  .arg(QString::fromStdString(BandPlanText(2)), ctx->language.LangText(2012)));
}

void AppMainWindowTest::startupFallsBackWhenProgramFolderIsReadOnly()
{
    QTemporaryDir program, config;
    CopyLanguageFiles(program.path());
    {
        QFile f(program.filePath(QStringLiteral("Setting.ini")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray("\x00\x00\x05\x00\x00\x00\x00\x00", 8));
    }
    const QString programPath = program.path();
    const QString fallback = config.filePath(QStringLiteral("TQ8615"));
    ScriptedMessageBox boxes;
    StartupOptions options{program.path(), fallback, QLocale(QStringLiteral("en_US")), [] { return QStringList{}; },
                           [&](const QString& f) { return !f.startsWith(programPath); }};
    auto ctx = RunStartup(options, boxes);
    QVERIFY(ctx->paths.usingFallback);
    QCOMPARE(ctx->featureFlags[1], 5);
    QVERIFY(QFile::exists(fallback + QStringLiteral("/mysetup.ini")));
    QVERIFY(!QFile::exists(program.filePath(QStringLiteral("language/mysetup.ini"))));
    QCOMPARE(ctx->language.LangText(101), QStringLiteral("OK"));  // texts still beside the program
}

void AppMainWindowTest::gridShowsSample()
{
    Harness h;
    loadSample(h.doc().Model);
    h.window->ShowListByData();
    const ChannelGridModel& g = *GridModel(*h.window);
    const Language& l = h.ctx->language;
    QCOMPARE(g.rowCount() + 1, 204);  // the header row and one row per channel number
    QCOMPARE(g.columnCount(), 11);

    const QStringList row1 = strings({"1", "145.50000", "146.10000", "AB", "5K", "12.5KHz"}) +
                             QStringList{l.LangText(1145), l.LangText(1205)} + strings({"67.0", "D023I", "DTMF M1"});
    QCOMPARE(rowTexts(g, 1), row1);
    const QStringList row2 = strings({"2", "145.50000", "144.90000", "", "5K", "25KHz"}) +
                             QStringList{l.LangText(1144), l.LangText(1204), QStringLiteral("88.5"), l.LangText(603),
                                         QStringLiteral("5tone 7")};
    QCOMPARE(rowTexts(g, 2), row2);
    QCOMPARE(rowTexts(g, 3), (strings({"3", "", "", "", "", "", "", "", "", "", ""})));
    QCOMPARE(rowTexts(g, 4), (strings({"4", "", "", "", "", "", "", "", "", "", ""})));
    QCOMPARE(g.cellText(201, 0), QStringLiteral("VFO1"));
    QCOMPARE(g.cellText(201, 1), QStringLiteral("146.50000"));
    QCOMPARE(g.cellText(201, 2), QStringLiteral("146.00000"));
    QCOMPARE(g.cellText(202, 0), QStringLiteral("VFO2"));
    QCOMPARE(g.cellText(202, 1), QString());
    QCOMPARE(g.cellText(203, 0), QStringLiteral("TRF"));
    // A transmit frequency that is not numeric: reported once, its cell left empty.
    QCOMPARE(g.cellText(9, 1), QStringLiteral("430.12500"));
    QCOMPARE(g.cellText(9, 2), QString());
    QCOMPARE(g.cellText(9, 8), QStringLiteral("D023N"));
    QCOMPARE(h.boxes.texts(), QStringList{QStringLiteral("Not IsNumeric")});

    // The grid's view shows the same: the step column hidden, the widths in twips.
    QTableView* view = Grid(*h.window);
    QVERIFY(view->isColumnHidden(4));
    QCOMPARE(view->columnWidth(0), 40);
    QCOMPARE(view->columnWidth(5), 100);
    QCOMPARE(view->columnWidth(8), 93);
}

void AppMainWindowTest::gridColoursAndHeaders()
{
    Harness h;
    h.window->ShowListByData();
    const ChannelGridModel& g = *GridModel(*h.window);
    auto colour = [&](int row, int col, int role) {
        return g.data(g.index(row - 1, col), role).value<QBrush>().color();
    };
    QCOMPARE(colour(1, 0, Qt::ForegroundRole), QColor(0, 0, 255));
    QCOMPARE(colour(2, 1, Qt::BackgroundRole), QColor(250, 250, 240));
    QCOMPARE(colour(202, 10, Qt::BackgroundRole), QColor(250, 250, 240));
    QVERIFY(!g.data(g.index(0, 1), Qt::BackgroundRole).isValid());  // odd rows keep the default
    QVERIFY(!g.data(g.index(1, 0), Qt::BackgroundRole).isValid());  // the label column too
    QCOMPARE(g.data(g.index(5, 3), Qt::TextAlignmentRole).toInt(), int(Qt::AlignCenter));
    QCOMPARE(g.headerData(1, Qt::Horizontal, Qt::ForegroundRole).value<QBrush>().color(), QColor(0, 0, 155));
    const Language& l = h.ctx->language;
    QCOMPARE(g.headerData(8, Qt::Horizontal).toString(), l.LangText(1107) + QLatin1Char('\n') + l.LangText(1112));
    QCOMPARE(g.headerData(9, Qt::Horizontal).toString(), l.LangText(1107) + QLatin1Char('\n') + l.LangText(1113));
    QCOMPARE(g.headerData(0, Qt::Horizontal).toString(), l.LangText(3006));
    QVERIFY(Grid(*h.window)->horizontalHeader()->height() >= 33);
}

void AppMainWindowTest::copyCutPaste()
{
    Harness h;
    SelectBandPlan(h.doc().Model.Band, 0);
    loadSample(h.doc().Model);
    h.window->ShowListByData();
    QTableView* view = Grid(*h.window);
    auto key = [&](int row, Qt::Key k) {
        ClickCell(view, row, 1);
        QTest::keyClick(view, k, Qt::ControlModifier);
    };
    const ChannelTable& list = h.doc().Model;
    const int count = list.ChannelCount;

    key(4, Qt::Key_V);  // nothing copied yet
    QCOMPARE(list.ChannelCount, count);

    key(1, Qt::Key_C);
    key(4, Qt::Key_V);  // onto an empty row: appended at the end, numbered 4
    QCOMPARE(list.ChannelCount, count + 1);
    QCOMPARE(list.ChannelList[static_cast<std::size_t>(count)].ChannelNumber, 4);
    QCOMPARE(GridModel(*h.window)->cellText(4, 3), QStringLiteral("AB"));

    key(2, Qt::Key_X);  // cut: gone from the list and the grid
    QCOMPARE(list.FindChannel(2), -1);
    QCOMPARE(GridModel(*h.window)->cellText(2, 1), QString());
    key(1, Qt::Key_V);  // overwrites channel 1 in place
    QCOMPARE(ChannelOf(list, 1).FiveToneIndex, 7);
    QCOMPARE(ChannelOf(list, 1).ChannelNumber, 1);

    key(5, Qt::Key_C);  // an empty row copied and pasted empties the target
    key(4, Qt::Key_V);
    QCOMPARE(list.FindChannel(4), -1);
    QCOMPARE(GridModel(*h.window)->cellText(4, 1), QString());
}

// Every change of the grid and of an editor can be taken back and done again; undoing back
// to the data as saved leaves it unmodified.
void AppMainWindowTest::undoAndRedoFollowTheGridAndTheEditors()
{
    Harness h;
    frmMain& w = *h.window;
    SelectBandPlan(h.doc().Model.Band, 0);
    loadSample(h.doc().Model);
    const QString path = h.config.filePath(QStringLiteral("undo.dat"));
    h.ctx->dialogs.savePath = [&](QWidget*, const QString&, const QString&) { return path; };
    QVERIFY(w.mnuFileSaveAs_Click());
    QVERIFY(w.openDataFile(path));  // a model replaced as a whole starts a new history
    const EditingModel saved = h.doc().Model;
    QAction* undo = Child(w, "mnuEditUndo");
    QAction* redo = Child(w, "mnuEditRedo");
    QVERIFY(!undo->isEnabled() && !redo->isEnabled());
    QCOMPARE(undo->shortcut(), QKeySequence(QKeySequence::Undo));
    QVERIFY(redo->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_Y)));
    QVERIFY(redo->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)));

    QTableView* view = Grid(w);
    auto key = [&](int row, Qt::Key k) {
        ClickCell(view, row, 1);
        QTest::keyClick(view, k, Qt::ControlModifier);
    };
    key(1, Qt::Key_C);
    key(4, Qt::Key_V);
    QCOMPARE(undo->text(), QStringLiteral("&Undo Paste Channels"));
    QVERIFY(h.doc().IsModelModified());
    const EditingModel pasted = h.doc().Model;

    undo->trigger();
    QVERIFY(h.doc().Model == saved);
    QVERIFY(!h.doc().IsModelModified());
    QCOMPARE(GridModel(w)->cellText(4, 1), QString());
    QCOMPARE(redo->text(), QStringLiteral("&Redo Paste Channels"));
    redo->trigger();
    QVERIFY(h.doc().Model == pasted);
    QVERIFY(!GridModel(w)->cellText(4, 1).isEmpty());
    QVERIFY(!redo->isEnabled());

    // An editor's OK is one step, named after the editor.
    h.ctx->dialogs.run = [](QDialog& d) {
        auto& dlg = dynamic_cast<FrmOption&>(d);
        dlg.WorkingCopy.KeyBeep = static_cast<int16_t>(dlg.WorkingCopy.KeyBeep == 1 ? 2 : 1);
        Child<QPushButton>(dlg, "CommandOK")->click();
        return dlg.result();
    };
    const auto& editors = EditorList();
    w.openEditor(*std::find_if(editors.begin(), editors.end(), [](const EditorEntry& e) {
        return e.menuItem == QLatin1String("MnuViewSetMode");
    }));
    QCOMPARE(undo->text(), QStringLiteral("&Undo Optional Features"));
    undo->trigger();
    QVERIFY(h.doc().Model == pasted);
    undo->trigger();
    QVERIFY(h.doc().Model == saved);
    QVERIFY(!undo->isEnabled());
}

void AppMainWindowTest::copyCutPasteIgnoredOutsideBandPlan0()
{
    Harness h;  // band plan 2 after start-up
    QTableView* view = Grid(*h.window);
    const ChannelTable& list = h.doc().Model;
    const int count = list.ChannelCount;
    ClickCell(view, 1, 1);
    QTest::keyClick(view, Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(list.ChannelCount, count);
    QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
    ClickCell(view, 10, 1);
    QTest::keyClick(view, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(list.ChannelCount, count);
}

// Each file command's questions, in order, with the answers given.
void AppMainWindowTest::fileCommandPrompts_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("modified");
    QTest::addColumn<bool>("titled");
    QTest::addColumn<QList<Answer>>("script");
    QTest::addColumn<QString>("savePath");  // what the save dialog returns ("" = cancelled)
    QTest::addColumn<QStringList>("questions");
    QTest::addColumn<int>("saveDialogs");
    QTest::addColumn<int>("openDialogs");
    QTest::addColumn<bool>("reset");  // the model was rebuilt from the defaults

    const QString save9001 = QStringLiteral("9001");
    const QString reset = QStringLiteral("All data will be reset.");
    const QString unsaved = QStringLiteral("File has been modify,save it now?");
    const QString overwrite = QStringLiteral("\"data.dat\"file will be Overwrite,Continue?");

    QTest::newRow("new, unmodified, OK") << "new" << false << false << answers({Answer::Ok}) << ""
                                         << QStringList{reset} << 0 << 0 << true;
    QTest::newRow("new, unmodified, cancel") << "new" << false << false << answers({Answer::Cancel}) << ""
                                             << QStringList{reset} << 0 << 0 << false;
    QTest::newRow("new, No then Cancel") << "new" << true << false << answers({Answer::No, Answer::Cancel}) << ""
                                         << QStringList{save9001, reset} << 0 << 0 << false;
    QTest::newRow("new, Cancel still asks reset") << "new" << true << false
                                                  << answers({Answer::Cancel, Answer::Ok}) << ""
                                                  << QStringList{save9001, reset} << 0 << 0 << true;
    QTest::newRow("new, Yes saves as first") << "new" << true << false << answers({Answer::Yes, Answer::Ok})
                                             << "saved.dat" << QStringList{save9001, reset} << 1 << 0 << true;
    QTest::newRow("new, Yes but save cancelled stops") << "new" << true << false << answers({Answer::Yes}) << ""
                                                       << QStringList{save9001} << 1 << 0 << false;
    QTest::newRow("initialize asks no reset question") << "init" << false << false << answers({}) << ""
                                                       << QStringList{} << 0 << 0 << true;
    QTest::newRow("initialize, modified, No") << "init" << true << false << answers({Answer::No}) << ""
                                              << QStringList{save9001} << 0 << 0 << true;
    QTest::newRow("open, modified, Cancel: no dialog") << "open" << true << false << answers({Answer::Cancel}) << ""
                                                       << QStringList{unsaved} << 0 << 0 << false;
    QTest::newRow("open, modified, No: dialog") << "open" << true << false << answers({Answer::No}) << ""
                                                << QStringList{unsaved} << 0 << 1 << false;
    QTest::newRow("open, modified, Yes: save as, dialog") << "open" << true << false << answers({Answer::Yes})
                                                          << "saved.dat" << QStringList{unsaved} << 1 << 1 << false;
    QTest::newRow("open, unmodified: dialog only") << "open" << false << false << answers({}) << ""
                                                   << QStringList{} << 0 << 1 << false;
    QTest::newRow("save untitled: dialog, no overwrite question") << "save" << true << false << answers({})
                                                                   << "x.dat" << QStringList{} << 1 << 0 << false;
    QTest::newRow("save titled: overwrite question, OK") << "save" << true << true << answers({Answer::Ok}) << ""
                                                         << QStringList{overwrite} << 0 << 0 << false;
    QTest::newRow("save titled: overwrite question, Cancel") << "save" << true << true << answers({Answer::Cancel})
                                                             << "" << QStringList{overwrite} << 0 << 0 << false;
    QTest::newRow("save as: dialog, no question") << "saveas" << false << true << answers({}) << "y.dat"
                                                  << QStringList{} << 1 << 0 << false;
}

void AppMainWindowTest::fileCommandPrompts()
{
    QFETCH(QString, command);
    QFETCH(bool, modified);
    QFETCH(bool, titled);
    QFETCH(QList<Answer>, script);
    QFETCH(QString, savePath);
    QFETCH(QStringList, questions);
    QFETCH(int, saveDialogs);
    QFETCH(int, openDialogs);
    QFETCH(bool, reset);

    Harness h;
    frmMain& w = *h.window;
    const QString dataFile = h.config.filePath(QStringLiteral("data.dat"));
    if (titled) {
        h.ctx->dialogs.savePath = [&](QWidget*, const QString&, const QString&) { return dataFile; };
        QVERIFY(w.mnuFileSaveAs_Click());
        QCOMPARE(QString::fromStdString(h.doc().CurrentFileName), dataFile);
    }
    if (modified)
        markModified(h.doc());
    const QString edited = QString::fromStdString(h.doc().Model.ChannelList[3].ChannelName.trimmed());

    int saves = 0, opens = 0;
    h.ctx->dialogs.savePath = [&](QWidget*, const QString&, const QString& filter) {
        ++saves;
        [&] { QVERIFY(filter.contains(QStringLiteral("*.dat"))); }();
        return savePath.isEmpty() ? QString() : h.config.filePath(savePath);
    };
    h.ctx->dialogs.openPath = [&](QWidget*, const QString&, const QString&) {
        ++opens;
        return QString();
    };
    h.boxes.answers = script;
    h.boxes.shown.clear();

    if (command == QLatin1String("new"))
        w.mnuFileNew_Click();
    else if (command == QLatin1String("init"))
        w.MnuSetInit_Click();
    else if (command == QLatin1String("open"))
        w.mnuFileOpen_Click();
    else if (command == QLatin1String("save"))
        w.mnuFileSave_Click();
    else
        w.mnuFileSaveAs_Click();

    QStringList shown = h.boxes.texts();
    const QString msg9001 = h.ctx->language.LangText(TextKey::SaveFirstQuestion);
    for (QString& q : questions)
        if (q == QLatin1String("9001"))
            q = msg9001;
    QCOMPARE(shown, questions);
    QCOMPARE(saves, saveDialogs);
    QCOMPARE(opens, openDialogs);
    const QString nameNow = QString::fromStdString(h.doc().Model.ChannelList[3].ChannelName.trimmed());
    QCOMPARE(nameNow != edited, reset && modified);
    if (reset) {
        QVERIFY(h.doc().IsUntitled());
        QCOMPARE(h.doc().CurrentFileName, std::string("new.dat"));
    }
    if (saveDialogs > 0 && !savePath.isEmpty()) {
        QVERIFY(QFile::exists(h.config.filePath(savePath)));
        QVERIFY(!h.doc().IsUntitled() || reset);
    }
}

void AppMainWindowTest::openRefusesBadFile()
{
    Harness h;
    markModified(h.doc());
    const QString bad = h.config.filePath(QStringLiteral("short.dat"));
    {
        QFile f(bad);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(45754, '\0'));
    }
    h.ctx->dialogs.openPath = [&](QWidget*, const QString&, const QString&) { return bad; };
    h.boxes.answers = answers({Answer::No});
    QVERIFY(!h.window->mnuFileOpen_Click());
    QCOMPARE(h.boxes.texts().last(), QStringLiteral("File Data Error!"));
    QCOMPARE(h.doc().Model.ChannelList[3].ChannelName.trimmed(), std::string("EDIT"));
    QVERIFY(h.doc().IsUntitled());
}

void AppMainWindowTest::saveThenOpenRoundTrip()
{
    Harness h;
    loadSample(h.doc().Model);
    const EditingModel saved = h.doc().Model;
    const QString path = h.config.filePath(QStringLiteral("sample.dat"));
    h.ctx->dialogs.savePath = [&](QWidget*, const QString& preset, const QString&) {
        // Untitled data is proposed in the documents folder, not in the program's.
        [&] { QCOMPARE(preset, QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)).filePath(QStringLiteral("new.dat"))); }();
        return path;
    };
    QVERIFY(h.window->mnuFileSave_Click());  // untitled: Save As
    QVERIFY(!h.doc().IsModelModified());
    QVERIFY(h.window->windowTitle().endsWith(path + QLatin1Char(']')));

    h.boxes.answers = answers({Answer::Ok});
    h.window->mnuFileNew_Click();
    QCOMPARE(GridModel(*h.window)->cellText(1, 2), QStringLiteral("435.50000"));
    h.ctx->dialogs.openPath = [&](QWidget*, const QString&, const QString&) { return path; };
    QVERIFY(h.window->mnuFileOpen_Click());
    QCOMPARE(h.doc().Model.ChannelCount, saved.ChannelCount);
    QVERIFY(!h.doc().IsUntitled());
    QCOMPARE(GridModel(*h.window)->cellText(1, 2), QStringLiteral("146.10000"));
}

void AppMainWindowTest::closeAsksAndStoresSettings_data()
{
    QTest::addColumn<bool>("modified");
    QTest::addColumn<QList<Answer>>("script");
    QTest::addColumn<QString>("savePath");
    QTest::addColumn<bool>("closes");
    QTest::newRow("unmodified closes without asking") << false << answers({}) << "" << true;
    QTest::newRow("modified, No closes") << true << answers({Answer::No}) << "" << true;
    QTest::newRow("modified, Cancel stays") << true << answers({Answer::Cancel}) << "" << false;
    QTest::newRow("modified, Yes, save as cancelled stays") << true << answers({Answer::Yes}) << "" << false;
    QTest::newRow("modified, Yes, saved closes") << true << answers({Answer::Yes}) << "kept.dat" << true;
}

void AppMainWindowTest::closeAsksAndStoresSettings()
{
    QFETCH(bool, modified);
    QFETCH(QList<Answer>, script);
    QFETCH(QString, savePath);
    QFETCH(bool, closes);
    Harness h;
    h.ctx->featureFlags = {0, 3, 0, 0};
    if (modified)
        markModified(h.doc());
    h.ctx->dialogs.savePath = [&](QWidget*, const QString&, const QString&) {
        return savePath.isEmpty() ? QString() : h.config.filePath(savePath);
    };
    h.window->show();
    h.window->resize(700, 500);
    h.boxes.answers = script;
    h.window->mnuFileExit_Click();
    QCOMPARE(h.boxes.shown.size(), modified ? 1 : 0);
    QCOMPARE(h.window->isVisible(), !closes);
    const FeatureFlags flags = ReadFeatureFlags(h.ctx->paths.settingPath());
    QCOMPARE(flags[1], closes ? 3 : 0);
    QSettings store;
    // The outer frame, in twips.
    QCOMPARE(store.value(QStringLiteral("Settings/MainWidth")).toInt(), closes ? h.window->frameGeometry().width() * 15 : 0);
    if (closes && !savePath.isEmpty())
        QVERIFY(QFile::exists(h.config.filePath(savePath)));
}

void AppMainWindowTest::bandChange_data()
{
    QTest::addColumn<int>("chosen");
    QTest::addColumn<QList<Answer>>("script");
    QTest::addColumn<int>("questions");
    QTest::addColumn<int>("band");
    QTest::newRow("band 1 confirmed") << 1 << answers({Answer::Ok}) << 1 << 1;
    QTest::newRow("band 0 cancelled") << 0 << answers({Answer::Cancel}) << 1 << 2;
    QTest::newRow("same band: no question") << 2 << answers({}) << 0 << 2;
}

void AppMainWindowTest::bandChange()
{
    QFETCH(int, chosen);
    QFETCH(QList<Answer>, script);
    QFETCH(int, questions);
    QFETCH(int, band);
    Harness h;
    markModified(h.doc());
    h.ctx->dialogs.savePath = [&](QWidget*, const QString&, const QString&) { return h.config.filePath(QStringLiteral("b.dat")); };
    h.window->mnuFileSave_Click();  // titled, so that the band change visibly makes it untitled
    markModified(h.doc(), "EDIT2");
    h.boxes.answers = script;
    h.boxes.shown.clear();
    QString shownText;
    h.ctx->dialogs.run = [&](QDialog& d) {
        auto& dlg = dynamic_cast<FrmModel&>(d);
        [&] {
            QCOMPARE(dlg.Combo1[1]->currentIndex(), 2);
            QVERIFY(!dlg.Combo1[0]->isEnabled());
        }();
        dlg.Combo1[1]->setCurrentIndex(chosen);
        shownText = dlg.Text1->toPlainText();
        dlg.CommandOK->click();
        return dlg.result();
    };
    h.window->MnuModelInfo_Click();
    QCOMPARE(shownText, QString::fromStdString(BandPlanTwoLineText(chosen)).remove(QLatin1Char('\r')));
    QCOMPARE(h.boxes.shown.size(), questions);
    if (questions)
        QCOMPARE(h.boxes.shown[0].title, QStringLiteral("Warning"));
    const EditingModel& m = h.doc().Model;
    QCOMPARE(m.Band.BandPlanIndex, band);
    const bool changed = band != 2;
    QCOMPARE(m.ChannelList[3].ChannelName.trimmed() == "EDIT2", !changed);
    QCOMPARE(h.doc().IsUntitled(), changed);
    if (band == 1) {
        QCOMPARE(m.Band.RxLow[kUhf], 400.0);
        QCOMPARE(m.Band.RxHigh[kUhf], 490.0);
        QCOMPARE(m.Band.RxLow[kVhf], 136.0);
        QCOMPARE(m.Band.TxHigh[kVhf], 174.0);
        QCOMPARE(GridModel(*h.window)->cellText(1, 1), QStringLiteral("445.50000"));
        QVERIFY(h.window->windowTitle().contains(QString::fromStdString(BandPlanText(1))));
    }
}

void AppMainWindowTest::languageSwitchReappliesTexts()
{
    Harness h;
    frmMain& w = *h.window;
    tq8615::app::ProfileFile chinese;
    QVERIFY(chinese.load(h.program.filePath(QStringLiteral("language/chinese.ini"))));
    auto zh = [&](int key) { return chinese.value(QStringLiteral("OTHER"), QString::number(key)); };
    QVERIFY(Child<QMenu>(w, "mnuFile")->title() != zh(1000));

    h.ctx->dialogs.run = [](QDialog& d) {
        auto& dlg = dynamic_cast<FrmLanguage&>(d);
        dlg.Combo1->setCurrentIndex(1);
        dlg.CommandOK->click();
        return dlg.result();
    };
    w.MnuSetLanguage_Click();
    QCOMPARE(h.ctx->language.LanguageIndex(), 2);

    const std::pair<QMenu*, int> menus[] = {{Child<QMenu>(w, "mnuFile"), 1000}, {Child<QMenu>(w, "MnuModel"), 1060}, {Child<QMenu>(w, "mnuEdit"), 1010},
                                            {Child<QMenu>(w, "MnuSet"), 1030},  {Child<QMenu>(w, "mnuPro"), 1040},   {Child<QMenu>(w, "MnuView"), 1020},
                                            {Child<QMenu>(w, "MnuHelp"), 1050}};
    for (const auto& [menu, key] : menus)
        QCOMPARE(menu->title(), zh(key));
    const std::pair<QAction*, int> items[] = {
        {Child(w, "mnuFileNew"), 1001},     {Child(w, "mnuFileOpen"), 1002},    {Child(w, "mnuFileSave"), 1003},     {Child(w, "mnuFileSaveAs"), 1004},
        {Child(w, "mnuFileExit"), 1006},    {Child(w, "MnuModelInfo"), 1061},   {Child(w, "MnuEMg"), 1028},          {Child(w, "MnuSetCom"), 1031},
        {Child(w, "MnuSetLanguage"), 1032}, {Child(w, "MnuSetInit"), 1033},     {Child(w, "MnuSetResetSettings"), 1411},       {Child(w, "mnuProRead"), 1041},
        {Child(w, "MnuProWrite"), 1042},    {Child(w, "MnuViewToolBar"), 1026}, {Child(w, "MnuViewStatusBar"), 1027}, {Child(w, "MnuHelpAbout"), 1052}};
    for (const auto& [item, key] : items)
        QCOMPARE(item->text(), zh(key));
    QCOMPARE(Child(w, "TCommRead")->toolTip(),
             QStringLiteral("%1 (%2)").arg(StripMnemonic(zh(1041)), Child(w, "mnuProRead")->shortcut().toString(QKeySequence::NativeText)));
    QAction* port = Child(w, "TCommPort");
    QToolBar* toolBar = Child<QToolBar>(w, "tbToolBar");
    QVERIFY(port->toolTip().isEmpty());
    QVERIFY(toolBar->widgetForAction(port)->toolTip().isEmpty());
    QCOMPARE(toolBar->widgetForAction(port)->accessibleName(), StripMnemonic(zh(1031)));
    QCOMPARE(toolBar->widgetForAction(Child(w, "TCommRead"))->accessibleName(), StripMnemonic(zh(1041)));
    QCOMPARE(GridModel(w)->headerData(1, Qt::Horizontal).toString(), zh(1101));
    QCOMPARE(TreeNode(w, QStringLiteral("N9"))->text(0), zh(5028));
    QVERIFY(w.windowTitle().contains(zh(2012) + QLatin1Char(':')));
    QCOMPARE(w.font().family(), zh(20));
    QCOMPARE(w.fileFilter(), QString::fromUtf8("数据文件 (*.dat)"));
}

void AppMainWindowTest::portWindowFollowsPortList()
{
    Harness h(QStringLiteral("en_US"), {QStringLiteral("ttyS0"), QStringLiteral("ttyUSB1")});
    QCOMPARE(h.ctx->comPort, QStringLiteral("ttyS0"));
    h.ctx->comPort = QStringLiteral("ttyUSB1");
    QStringList ports{QStringLiteral("ttyS0"), QStringLiteral("ttyUSB1")};
    QString comPort = QStringLiteral("ttyUSB1");
    const QString mysetup = h.ctx->paths.mysetupPath();
    FrmComSet dlg(h.ctx->language, comPort, mysetup, [&] { return ports; });
    QVERIFY(dlg.ReShowComPortTimer.isActive());
    // A cable plugged in appears within a second.
    QVERIFY(dlg.ReShowComPortTimer.interval() <= 1000);
    QCOMPARE(dlg.Combo1->count(), 2);
    QCOMPARE(dlg.Combo1->currentText(), QStringLiteral("ttyUSB1"));

    ports.append(QStringLiteral("ttyUSB2"));  // plugged in: listed, the choice kept
    dlg.ReShowComPortTimer_Timer();
    QCOMPARE(dlg.Combo1->count(), 3);
    QCOMPARE(dlg.PortID(), QStringLiteral("ttyUSB1"));

    ports.removeAll(QStringLiteral("ttyUSB1"));  // the chosen one pulled: the first port
    dlg.ReShowComPortTimer_Timer();
    QCOMPARE(dlg.PortID(), QStringLiteral("ttyS0"));

    ports.clear();  // nothing left
    dlg.ReShowComPortTimer_Timer();
    QCOMPARE(dlg.Combo1->count(), 0);
    QCOMPARE(dlg.PortID(), QString());

    ports = {QStringLiteral("ttyUSB2")};
    dlg.ReShowComPortTimer_Timer();
    dlg.CommandOK->click();
    QVERIFY(!dlg.ReShowComPortTimer.isActive());
    QCOMPARE(comPort, QStringLiteral("ttyUSB2"));
    QCOMPARE(ReadSetup(mysetup).comPort, QStringLiteral("ttyUSB2"));

    // Cancel changes nothing.
    FrmComSet again(h.ctx->language, comPort, mysetup, [&] { return QStringList{QStringLiteral("ttyS0")}; });
    QCOMPARE(again.PortID(), QStringLiteral("ttyS0"));
    again.CommandCancel->click();
    QCOMPARE(comPort, QStringLiteral("ttyUSB2"));
    QCOMPARE(ReadSetup(mysetup).comPort, QStringLiteral("ttyUSB2"));
}

// A data file named on the command line opens straight away: no save question, no dialog.
void AppMainWindowTest::openDataFileAsksNothing()
{
    Harness h;
    loadSample(h.doc().Model);
    const QString path = h.config.filePath(QStringLiteral("given.dat"));
    h.ctx->dialogs.savePath = [&](QWidget*, const QString&, const QString&) { return path; };
    QVERIFY(h.window->mnuFileSaveAs_Click());
    h.boxes.answers = answers({Answer::Ok});
    h.window->mnuFileNew_Click();
    const qsizetype shownBefore = h.boxes.texts().size();
    h.ctx->dialogs.openPath = [&](QWidget*, const QString&, const QString&) {
        [] { QFAIL("no open dialog for a named file"); }();
        return QString();
    };
    QVERIFY(h.window->openDataFile(path));
    // Whatever the grid reports about the data, nothing is asked.
    for (qsizetype i = shownBefore; i < h.boxes.shown.size(); ++i)
        QCOMPARE(h.boxes.shown[i].buttons, Buttons::Ok);
    QVERIFY(!h.doc().IsUntitled());
    QVERIFY(h.window->windowTitle().endsWith(path + QLatin1Char(']')));
    QCOMPARE(GridModel(*h.window)->cellText(1, 2), QStringLiteral("146.10000"));

    const qsizetype shownOpen = h.boxes.shown.size();
    QVERIFY(!h.window->openDataFile(h.config.filePath(QStringLiteral("missing.dat"))));
    QCOMPARE(h.boxes.texts().size(), shownOpen + 1);
    QVERIFY(!h.doc().IsUntitled());
}

// A port with a name under /dev/serial/by-id is offered and kept by that name, so the
// choice survives the adapter coming back as another ttyUSB.
void AppMainWindowTest::portWindowOffersTheStableName()
{
    Harness h;
    QTemporaryDir dev;
    QVERIFY(dev.isValid());
    const QString device = dev.filePath(QStringLiteral("ttyUSB3"));
    {
        QFile f(device);
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
    QVERIFY(QDir(dev.path()).mkpath(QStringLiteral("serial/by-id")));
    const QString stable = dev.filePath(QStringLiteral("serial/by-id/usb-Prolific_USB-Serial_Controller-if00-port0"));
    QVERIFY(QFile::link(device, stable));
    QCOMPARE(StablePortName(device, dev.filePath(QStringLiteral("serial/by-id"))), stable);

    const QStringList ports{QStringLiteral("ttyS0"), stable};
    QString comPort = device;  // chosen before by its ttyUSB name
    const QString mysetup = h.ctx->paths.mysetupPath();
    FrmComSet dlg(h.ctx->language, comPort, mysetup, [&] { return ports; });
    QCOMPARE(dlg.Combo1->currentText(), stable);
    dlg.ReShowComPortTimer_Timer();
    QCOMPARE(dlg.PortID(), stable);
    dlg.CommandOK->click();
    QCOMPARE(comPort, stable);
    QCOMPARE(ReadSetup(mysetup).comPort, stable);
}

void AppMainWindowTest::viewToggles()
{
    Harness h;
    h.window->show();
    QVERIFY(Child<QToolBar>(*h.window, "tbToolBar")->isVisible());
    Child(*h.window, "MnuViewToolBar")->trigger();
    QVERIFY(!Child(*h.window, "MnuViewToolBar")->isChecked());
    QVERIFY(!Child<QToolBar>(*h.window, "tbToolBar")->isVisible());
    Child(*h.window, "MnuViewStatusBar")->trigger();
    QVERIFY(!h.window->statusBar()->isVisible());
    Child(*h.window, "MnuViewStatusBar")->trigger();
    QVERIFY(h.window->statusBar()->isVisible());
    QCOMPARE(Child<QLabel>(*h.window, "sbPanel1")->text(), QStringLiteral("Status"));
    QCOMPARE(Child<QLabel>(*h.window, "sbPanel2")->text(), QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd")));
}

QTEST_MAIN(AppMainWindowTest)
#include "app_main_window_test.moc"
