// File > Import Channels... and Export Channels... as a user meets them: the preview of rows
// and problems, the choice of where rows go, and a model that changes only on OK.
#include "app_harness.h"

#include "app/frm_csv_import.h"

#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>

namespace tq8615::app {

class AppChannelListTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void exportThenImportThroughTheMenu();
    void previewListsRefusedRowsAndImportsOnlyOnOk_data();
    void previewListsRefusedRowsAndImportsOnlyOnOk();
    void refusedFileImportsNothing();
};

namespace {

const char* kHeader = "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
                      "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE\r\n";

QString WriteFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes)
{
    const QString path = dir.filePath(name);
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
    return path;
}

QAction* MenuItem(const frmMain& w, const char* name) { return Child<QAction>(w, name); }

}  // namespace

void AppChannelListTest::exportThenImportThroughTheMenu()
{
    Harness h;
    frmMain& w = *h.window;
    QCOMPARE(MenuItem(w, "mnuFileImportCsv")->text(), QStringLiteral("&Import Channels..."));
    const QString csv = h.config.filePath(QStringLiteral("out"));  // the suffix is added
    h.ctx->dialogs.savePath = [&](QWidget*, const QString&, const QString& filter) {
        [&] { QVERIFY(filter.contains(QStringLiteral("*.csv"))); }();
        return csv;
    };
    MenuItem(w, "mnuFileExportCsv")->trigger();
    QVERIFY(QFile::exists(csv + QStringLiteral(".csv")));
    QCOMPARE(h.boxes.texts().last(), QStringLiteral("2 channels exported. The VFO and RT channels are not exported."));

    // Back in at channels 50 and 51, taken from the first free channel from 50.
    h.doc().TakeSnapshot();
    const EditingModel before = h.doc().Model;
    h.ctx->dialogs.openPath = [&](QWidget*, const QString&, const QString&) { return csv + QStringLiteral(".csv"); };
    h.ctx->dialogs.run = [&](QDialog& d) {
        auto& preview = dynamic_cast<FrmCsvImport&>(d);
        preview.optFill->setChecked(true);
        preview.spnStart->setValue(50);
        [&] {
            QCOMPARE(preview.tblRows->rowCount(), 2);
            QCOMPARE(preview.tblRows->item(1, 1)->text(), QStringLiteral("51"));
            QCOMPARE(preview.lstProblems->count(), 0);
        }();
        preview.cmdImport->click();
        return d.result();
    };
    MenuItem(w, "mnuFileImportCsv")->trigger();
    QVERIFY(h.doc().IsModelModified());
    QCOMPARE(h.doc().Model.ChannelCount, before.ChannelCount + 2);
    QCOMPARE(ChannelOf(h.doc().Model, 50).RxFreq, ChannelOf(before, 1).RxFreq);
    QCOMPARE(ChannelOf(h.doc().Model, 51).RxFreq, ChannelOf(before, 2).RxFreq);
    // The grid shows the new channels at once.
    QCOMPARE(GridModel(w)->data(GridModel(w)->index(50, 2)).toString(),
             GridModel(w)->data(GridModel(w)->index(1, 2)).toString());

    // The whole import is one step to take back.
    QAction* undo = MenuItem(w, "mnuEditUndo");
    QCOMPARE(undo->text(), QStringLiteral("&Undo Import Channels"));
    undo->trigger();
    QVERIFY(h.doc().Model == before);
    QVERIFY(!h.doc().IsModelModified());
}

void AppChannelListTest::previewListsRefusedRowsAndImportsOnlyOnOk_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<bool>("accept");
    QTest::newRow("english, good rows imported") << QStringLiteral("en_US") << true;
    QTest::newRow("english, cancelled") << QStringLiteral("en_US") << false;
    QTest::newRow("chinese, good rows imported") << QStringLiteral("zh_CN") << true;
}

void AppChannelListTest::previewListsRefusedRowsAndImportsOnlyOnOk()
{
    QFETCH(QString, locale);
    QFETCH(bool, accept);
    Harness h(locale);
    const bool chinese = locale.startsWith(QLatin1String("zh"));
    const QString path = WriteFile(h.config, QStringLiteral("list.csv"),
                                   QByteArray(kHeader) + "7,GOOD,145.52,,0,,88.5,88.5,023,NN,023,,FM,5.00,,High\r\n"
                                                         "8,BAD,600.0,,0,,88.5,88.5,023,NN,023,,FM,5.00,,High\r\n"
                                                         "9,toolongname,145.0,,0,,88.5,88.5,023,NN,023,,FM,5.00,,High\r\n");
    h.doc().TakeSnapshot();
    const EditingModel before = h.doc().Model;
    h.ctx->dialogs.openPath = [&](QWidget*, const QString&, const QString&) { return path; };
    h.ctx->dialogs.run = [&](QDialog& d) {
        auto& preview = dynamic_cast<FrmCsvImport&>(d);
        [&] {
            QCOMPARE(preview.tblRows->rowCount(), 2);
            QCOMPARE(preview.lstProblems->count(), 2);
            const QString refused = preview.lstProblems->item(0)->text();
            QCOMPARE(refused, chinese ? QStringLiteral("[拒绝] 第 3 行：频率 600.0 MHz 超出频段范围")
                                      : QStringLiteral("[refused] line 3: frequency 600.0 MHz is outside the band plan"));
            QVERIFY(preview.lstProblems->item(1)->text().contains(QStringLiteral("TOOLO")));
            QCOMPARE(preview.cmdImport->text(), chinese ? QStringLiteral("导入正确的行") : QStringLiteral("Import the good rows"));
            QVERIFY(!h.doc().IsModelModified());  // nothing changes while the preview is open
        }();
        (accept ? preview.cmdImport : preview.cmdCancel)->click();
        return d.result();
    };
    h.window->mnuFileImportCsv_Click();
    QCOMPARE(h.doc().IsModelModified(), accept);
    QCOMPARE(h.doc().Model.ChannelExists(7), accept);
    QCOMPARE(h.doc().Model.ChannelExists(9), accept);
    QVERIFY(!h.doc().Model.ChannelExists(8));
}

void AppChannelListTest::refusedFileImportsNothing()
{
    Harness h;
    const QString path = WriteFile(h.config, QStringLiteral("notes.csv"), "Title,Text\r\nshopping,milk\r\n");
    h.doc().TakeSnapshot();
    h.ctx->dialogs.openPath = [&](QWidget*, const QString&, const QString&) { return path; };
    bool shown = false;
    h.ctx->dialogs.run = [&](QDialog& d) {
        auto& preview = dynamic_cast<FrmCsvImport&>(d);
        shown = true;
        [&] {
            QVERIFY(!preview.cmdImport->isEnabled());
            QCOMPARE(preview.lstProblems->item(0)->text(), QStringLiteral("[refused] The header line has no Frequency column."));
        }();
        return int(QDialog::Accepted);  // even an accepted preview of nothing changes nothing
    };
    h.window->mnuFileImportCsv_Click();
    QVERIFY(shown);
    QVERIFY(!h.doc().IsModelModified());
}

}  // namespace tq8615::app

QTEST_MAIN(tq8615::app::AppChannelListTest)
#include "app_channel_list_test.moc"
