// The grid's commands on several channels, driven through the menus, the context menu and
// the keys, each checked after the command, after Undo and after Redo.
#include "app_harness.h"

#include "app/channel_print.h"
#include "app/language.h"
#include "model/freq_codec.h"
#include "model/text_util.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPdfWriter>
#include <QPrintPreviewDialog>

using namespace tq8615;
using namespace tq8615::app;

Q_DECLARE_METATYPE(std::vector<int>)

namespace {

// Channels 1..5, named out of alphabetical order and receiving on falling frequencies.
void loadFive(EditingModel& m)
{
    const char* names[] = {"DELTA", "ALPHA", "ECHO", "BRAVO", "CHAR"};
    m.ChannelCount = 0;
    for (int n = 1; n <= 5; ++n) {
        ChannelRecord r = NewChannelWithFreq(n, FormatFixed(440.0 - n, 3, 5));
        r.ChannelName = names[n - 1];
        m.AppendChannel(r);
    }
    for (int n : {kVfo1, kVfo2, kRtChannel})
        m.AppendChannel(NewChannelWithFreq(n, "145.00000"));
}

// The names in rows 1..6 as the grid shows them.
QStringList shownNames(const QWidget& w)
{
    QStringList names;
    for (int row = 1; row <= 6; ++row)
        names.append(GridModel(w)->cellText(row, 3));
    return names;
}

void selectRows(QTableView* view, const std::vector<int>& rows)
{
    ClickCell(view, rows.front(), 3);
    for (int row : rows)
        view->selectionModel()->select(view->model()->index(row - 1, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

QStringList names(std::initializer_list<const char*> list)
{
    QStringList out;
    for (const char* s : list)
        out.append(QString::fromLatin1(s));
    return out;
}

// A harness whose five channels were saved to a file and opened again: the data as saved.
struct SavedFive : Harness {
    SavedFive()
    {
        loadFive(doc().Model);
        const QString path = config.filePath(QStringLiteral("five.dat"));
        ctx->dialogs.savePath = [path](QWidget*, const QString&, const QString&) { return path; };
        QVERIFY(window->mnuFileSaveAs_Click());
        QVERIFY(window->openDataFile(path));
    }
};

}  // namespace

class AppChannelRangeTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void commandUndoRedo_data();
    void commandUndoRedo();
    void gridKeysActOnTheSelectionInBandPlan0Only();
    void shortcutsAndContextMenu();
    void insertRefusedWhileChannel200IsInUse();
    void commandsRedrawOnlyTheirRows();
    void printTableHasHeaderAndPages();
};

void AppChannelRangeTest::commandUndoRedo_data()
{
    QTest::addColumn<std::vector<int>>("copied");  // copied first, when not empty
    QTest::addColumn<std::vector<int>>("selected");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<std::vector<int>>("selectedAfter");
    const std::vector<int> none;
    QTest::newRow("cut") << none << std::vector<int>{2, 3} << "mnuEditCutChannels" << "Cut Channels"
                         << names({"DELTA", "", "", "BRAVO", "CHAR", ""}) << std::vector<int>{2, 3};
    QTest::newRow("paste") << std::vector<int>{1, 2} << std::vector<int>{5} << "mnuEditPasteChannels" << "Paste Channels"
                           << names({"DELTA", "ALPHA", "ECHO", "BRAVO", "DELTA", "ALPHA"}) << std::vector<int>{5, 6};
    QTest::newRow("delete") << none << std::vector<int>{1, 4} << "mnuEditDeleteChannels" << "Delete Channels"
                            << names({"", "ALPHA", "ECHO", "", "CHAR", ""}) << std::vector<int>{1, 4};
    QTest::newRow("insert") << none << std::vector<int>{2} << "mnuEditInsertChannel" << "Insert Channel"
                            << names({"DELTA", "", "ALPHA", "ECHO", "BRAVO", "CHAR"}) << std::vector<int>{2};
    QTest::newRow("close gap") << none << std::vector<int>{2, 3} << "mnuEditRemoveChannels" << "Delete and Close Gap"
                               << names({"DELTA", "BRAVO", "CHAR", "", "", ""}) << std::vector<int>{2};
    QTest::newRow("move up") << none << std::vector<int>{3, 4} << "mnuEditMoveUp" << "Move Up"
                             << names({"DELTA", "ECHO", "BRAVO", "ALPHA", "CHAR", ""}) << std::vector<int>{2, 3};
    QTest::newRow("move down") << none << std::vector<int>{1, 2} << "mnuEditMoveDown" << "Move Down"
                               << names({"ECHO", "DELTA", "ALPHA", "BRAVO", "CHAR", ""}) << std::vector<int>{2, 3};
    QTest::newRow("sort all by frequency") << none << std::vector<int>{1} << "mnuEditSortFrequency" << "Sort Channels"
                                           << names({"CHAR", "BRAVO", "ECHO", "ALPHA", "DELTA", ""}) << std::vector<int>{1};
    QTest::newRow("sort a selection by name") << none << std::vector<int>{1, 2, 3} << "mnuEditSortName" << "Sort Channels"
                                              << names({"ALPHA", "DELTA", "ECHO", "BRAVO", "CHAR", ""})
                                              << std::vector<int>{1, 2, 3};
    // The current column of the selection is the name column.
    QTest::newRow("sort by column") << none << std::vector<int>{2, 3, 4, 5} << "mnuEditSortColumn" << "Sort Channels"
                                    << names({"DELTA", "ALPHA", "BRAVO", "CHAR", "ECHO", ""})
                                    << std::vector<int>{2, 3, 4, 5};
}

// Every command works in band plan 2 (the start-up's), is one step of Undo named after it,
// and undoing back to the data as saved leaves it unmodified.
void AppChannelRangeTest::commandUndoRedo()
{
    QFETCH(std::vector<int>, copied);
    QFETCH(std::vector<int>, selected);
    QFETCH(QString, command);
    QFETCH(QString, label);
    QFETCH(QStringList, after);
    QFETCH(std::vector<int>, selectedAfter);
    SavedFive h;
    frmMain& w = *h.window;
    QCOMPARE(h.doc().Model.Band.BandPlanIndex, 2);
    const QStringList before = shownNames(w);
    const EditingModel saved = h.doc().Model;
    QTableView* view = Grid(w);
    if (!copied.empty()) {
        selectRows(view, copied);
        Child(w, "mnuEditCopyChannels")->trigger();
        QVERIFY(!h.doc().IsModelModified());
    }
    selectRows(view, selected);
    Child(w, command.toLatin1().constData())->trigger();
    QCOMPARE(shownNames(w), after);
    QVERIFY(h.doc().IsModelModified());
    std::vector<int> nowSelected;
    for (const QModelIndex& row : view->selectionModel()->selectedRows())
        nowSelected.push_back(row.row() + 1);
    std::sort(nowSelected.begin(), nowSelected.end());
    QCOMPARE(nowSelected, selectedAfter);
    const EditingModel changed = h.doc().Model;

    QAction* undo = Child(w, "mnuEditUndo");
    QAction* redo = Child(w, "mnuEditRedo");
    QCOMPARE(undo->text(), QStringLiteral("&Undo ") + label);
    undo->trigger();
    QCOMPARE(shownNames(w), before);
    QVERIFY(h.doc().Model == saved);
    QVERIFY(!h.doc().IsModelModified());
    redo->trigger();
    QCOMPARE(shownNames(w), after);
    QVERIFY(h.doc().Model == changed);
}

// Control+C, X and V keep their meaning: nothing outside band plan 0, and in it a selection
// of several rows is copied, cut or pasted as a whole. The clipboard holds the rows as text.
void AppChannelRangeTest::gridKeysActOnTheSelectionInBandPlan0Only()
{
    Harness h;
    frmMain& w = *h.window;
    loadFive(h.doc().Model);
    w.ShowListByData();
    QTableView* view = Grid(w);
    auto key = [&](std::vector<int> rows, Qt::Key k) {
        selectRows(view, rows);
        QTest::keyClick(view, k, Qt::ControlModifier);
    };
    key({1, 2}, Qt::Key_C);
    key({4}, Qt::Key_V);
    QCOMPARE(shownNames(w), names({"DELTA", "ALPHA", "ECHO", "BRAVO", "CHAR", ""}));

    SelectBandPlan(h.doc().Model.Band, 0);
    QGuiApplication::clipboard()->clear();
    key({1, 2}, Qt::Key_C);
    const QStringList lines = QGuiApplication::clipboard()->text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 2);
    const QStringList cells = lines[1].split(QLatin1Char('\t'));
    QCOMPARE(cells.size(), kGridColumns - 1);  // the hidden step column is left out
    QCOMPARE(cells.mid(0, 4), (QStringList{QStringLiteral("2"), QStringLiteral("438.00000"),
                                            QStringLiteral("438.00000"), QStringLiteral("ALPHA")}));
    key({4}, Qt::Key_V);  // one row selected: the two copied rows go to 4 and 5
    QCOMPARE(shownNames(w), names({"DELTA", "ALPHA", "ECHO", "DELTA", "ALPHA", ""}));
    key({2, 3}, Qt::Key_X);
    QCOMPARE(shownNames(w), names({"DELTA", "", "", "DELTA", "ALPHA", ""}));
    QCOMPARE(Child(w, "mnuEditUndo")->text(), QStringLiteral("&Undo Cut Channels"));
    key({5, 6}, Qt::Key_V);
    QCOMPARE(shownNames(w), names({"DELTA", "", "", "DELTA", "ALPHA", "ECHO"}));
}

// The menus show the keys; Control+Up and Control+Down move the selection in the grid; the
// context menu offers the same commands.
void AppChannelRangeTest::shortcutsAndContextMenu()
{
    Harness h;
    frmMain& w = *h.window;
    loadFive(h.doc().Model);
    w.ShowListByData();
    QCOMPARE(Child(w, "mnuEditMoveUp")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Up));
    QCOMPARE(Child(w, "mnuEditMoveDown")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Down));
    for (const char* item : {"mnuEditCopyChannels", "mnuEditCutChannels", "mnuEditPasteChannels"}) {
        const QKeySequence keys = Child(w, item)->shortcut();
        QVERIFY(!keys.isEmpty());
        for (Qt::Key k : {Qt::Key_C, Qt::Key_X, Qt::Key_V})
            QVERIFY(keys != QKeySequence(Qt::CTRL | k));
    }
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QTableView* view = Grid(w);
    view->setFocus();
    selectRows(view, {1, 2});
    QAction* paste = Child(w, "mnuEditPasteChannels");
    QVERIFY(!paste->isEnabled());  // nothing copied yet
    QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(paste->isEnabled());
    QTest::keyClick(view, Qt::Key_Down, Qt::ControlModifier);
    QTest::keyClick(view, Qt::Key_Down, Qt::ControlModifier);
    QCOMPARE(shownNames(w), names({"ECHO", "BRAVO", "DELTA", "ALPHA", "CHAR", ""}));
    QTest::keyClick(view, Qt::Key_Up, Qt::ControlModifier);
    QCOMPARE(shownNames(w), names({"ECHO", "DELTA", "ALPHA", "BRAVO", "CHAR", ""}));

    QMenu* context = Child<QMenu>(w, "mnuChannelContext");
    QStringList items;
    for (QAction* a : context->actions())
        if (!a->isSeparator())
            items.append(a->menu() ? a->menu()->objectName() : a->objectName());
    QCOMPARE(items, (QStringList{QStringLiteral("mnuEditCopyChannels"), QStringLiteral("mnuEditCutChannels"),
                                 QStringLiteral("mnuEditPasteChannels"), QStringLiteral("mnuEditDeleteChannels"),
                                 QStringLiteral("mnuEditInsertChannel"), QStringLiteral("mnuEditRemoveChannels"),
                                 QStringLiteral("mnuEditMoveUp"), QStringLiteral("mnuEditMoveDown"),
                                 QStringLiteral("mnuEditSort")}));
    QCOMPARE(Child<QMenu>(w, "mnuEditSort")->title(), QStringLiteral("Sort"));
}

void AppChannelRangeTest::insertRefusedWhileChannel200IsInUse()
{
    Harness h;
    frmMain& w = *h.window;
    loadFive(h.doc().Model);
    h.doc().Model.AppendChannel(NewChannelWithFreq(200, "435.00000"));
    w.ShowListByData();
    const EditingModel before = h.doc().Model;
    selectRows(Grid(w), {2});
    Child(w, "mnuEditInsertChannel")->trigger();
    QVERIFY(h.doc().Model == before);
    QCOMPARE(h.boxes.texts(), QStringList{h.ctx->language.text(BuiltinText::Channel200InUse)});
    QVERIFY(!Child(w, "mnuEditUndo")->isEnabled());
}

// A cell that cannot be shown is reported when it is drawn, not again by every command.
void AppChannelRangeTest::commandsRedrawOnlyTheirRows()
{
    Harness h;
    frmMain& w = *h.window;
    loadFive(h.doc().Model);
    ChannelRecord bad = NewChannelWithFreq(9, "430.12500");
    bad.ShiftMode = kSplit;
    bad.TxFreq = "04301250X";
    h.doc().Model.AppendChannel(bad);
    w.ShowListByData();
    QCOMPARE(h.boxes.texts(), QStringList{QStringLiteral("Not IsNumeric")});
    selectRows(Grid(w), {2});
    Child(w, "mnuEditDeleteChannels")->trigger();
    Child(w, "mnuEditMoveDown")->trigger();
    QCOMPARE(shownNames(w), names({"DELTA", "ECHO", "", "BRAVO", "CHAR", ""}));
    QCOMPARE(h.boxes.shown.size(), 1);
}

// File > Print... previews the table; the pages carry the model, the band plan and the file,
// and every channel in use, on as many pages as it takes.
void AppChannelRangeTest::printTableHasHeaderAndPages()
{
    Harness h;
    frmMain& w = *h.window;
    EditingModel& m = h.doc().Model;
    m.ChannelCount = 0;
    for (int n = 1; n <= kMemoryChannels; n += 2)
        m.AppendChannel(NewChannelWithFreq(n, "435.12500"));
    m.AppendChannel(NewChannelWithFreq(kVfo1, "145.00000"));
    w.ShowListByData();

    const QList<int> columns = {0, 1, 3};
    const QString html = ChannelTableHtml(PrintHeader(*h.ctx), *GridModel(w), columns);
    QVERIFY(html.contains(QStringLiteral("Model: TQ8615")));
    QVERIFY(html.contains(QStringLiteral("Band plan: ") + QString::fromStdString(m.Band.BandPlanText).toHtmlEscaped()));
    QVERIFY(html.contains(QStringLiteral(": new.dat")));
    QCOMPARE(html.count(QStringLiteral("<tr>")), 1 + 100 + 1);  // the header, channels 1, 3, .. 199 and VFO1
    QVERIFY(html.contains(QStringLiteral("<td align=\"center\">VFO1</td>")));
    QVERIFY(!html.contains(QStringLiteral("<td align=\"center\">2</td>")));

    const QString pdf = h.config.filePath(QStringLiteral("channels.pdf"));
    {
        QPdfWriter writer(pdf);
        PrintChannelTable(html, writer);
    }
    QFile file(pdf);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.startsWith("%PDF"));
    QVERIFY(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") >= 3);

    QString shown;
    h.ctx->dialogs.run = [&shown](QDialog& d) {
        shown = qobject_cast<QPrintPreviewDialog*>(&d) ? d.windowTitle() : QString();
        return int(QDialog::Rejected);
    };
    Child(w, "mnuFilePrint")->trigger();
    QCOMPARE(shown, QStringLiteral("Print"));
    QCOMPARE(Child(w, "mnuFilePrint")->shortcut(), QKeySequence(QKeySequence::Print));
}

QTEST_MAIN(AppChannelRangeTest)
#include "app_channel_range_test.moc"
