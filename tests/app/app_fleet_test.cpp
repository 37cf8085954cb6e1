// Comparing with a file, the write settings and the fleet window, from the main window's
// menus through the virtual radio program.
#include "app_harness.h"

#include "app/frm_clone.h"
#include "app/frm_compare.h"
#include "link_support/link_fixtures.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>

#include <signal.h>

using namespace tq8615;
using namespace tq8615::app;

class AppFleetTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void compareWithShowsTheFieldThatDiffers();
    void compareOnlyWhatARadioHolds();
    void writeSettingsAreRememberedAndFollowed();
    void cloneWindowProgramsRadiosAndLogsThem();

private:
    QTemporaryDir data_;  // the user's data folder: backups and the fleet log
};

void AppFleetTest::init()
{
    qputenv("XDG_DATA_HOME", data_.path().toLocal8Bit());
}

void AppFleetTest::compareWithShowsTheFieldThatDiffers()
{
    Harness h;
    const QString file = h.program.filePath(QStringLiteral("other.dat"));
    CollectingSink sink;
    QVERIFY(h.doc().SaveDataFile(file.toStdString(), sink));
    QVERIFY(h.doc().Model.ChannelExists(1));
    ChannelRecord& first = h.doc().Model.ChannelList[std::size_t(h.doc().Model.FindChannel(1))];
    const int16_t saved = first.EncodeCtcss;
    first.EncodeCtcss = int16_t(first.EncodeCtcss % 50 + 1);
    h.ctx->dialogs.openPath = [&](QWidget*, const QString&, const QString&) { return file; };
    QStringList rows;
    QString summary;
    h.ctx->dialogs.run = [&](QDialog& d) {
        auto* compare = qobject_cast<FrmCompare*>(&d);
        if (!compare)
            return 0;
        summary = compare->lblSummary->text();
        for (int r = 0; r < compare->tblDifferences->rowCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < compare->tblDifferences->columnCount(); ++c)
                cells << compare->tblDifferences->item(r, c)->text();
            rows << cells.join(QLatin1Char('|'));
        }
        return 1;
    };
    Child<QAction>(*h.window, "mnuFileCompare")->trigger();
    QCOMPARE(rows.size(), 1);
    QVERIFY2(rows[0].startsWith(QStringLiteral("channels|channel 1|EncodeCtcss|")), qPrintable(rows[0]));

    // The same data again: equal.
    first.EncodeCtcss = saved;
    rows.clear();
    Child<QAction>(*h.window, "mnuFileCompare")->trigger();
    QVERIFY(rows.isEmpty());
    QCOMPARE(summary, h.ctx->language.text(BuiltinText::CompareEqual));
}

// A record only data files keep differs; with the box checked, only what a radio holds
// counts and the two are equal.
void AppFleetTest::compareOnlyWhatARadioHolds()
{
    Harness h;
    const QString file = h.program.filePath(QStringLiteral("other.dat"));
    CollectingSink sink;
    QVERIFY(h.doc().SaveDataFile(file.toStdString(), sink));
    h.doc().Model.TwoTone.Entries[1].Name = "TT2";
    h.ctx->dialogs.openPath = [&](QWidget*, const QString&, const QString&) { return file; };
    int before = -1, after = -1;
    bool checkedAtStart = true;
    QString summary;
    h.ctx->dialogs.run = [&](QDialog& d) {
        auto* compare = qobject_cast<FrmCompare*>(&d);
        if (!compare)
            return 0;
        checkedAtStart = compare->chkRadioOnly->isChecked();
        before = compare->tblDifferences->rowCount();
        QTest::keyClick(compare->chkRadioOnly, Qt::Key_Space);
        after = compare->tblDifferences->rowCount();
        summary = compare->lblSummary->text();
        return 1;
    };
    Child<QAction>(*h.window, "mnuFileCompare")->trigger();
    QVERIFY(!checkedAtStart);
    QCOMPARE(before, 1);
    QCOMPARE(after, 0);
    QCOMPARE(summary, h.ctx->language.text(BuiltinText::CompareEqual));
}

void AppFleetTest::writeSettingsAreRememberedAndFollowed()
{
    test::RadioSimProcess sim({QStringLiteral("--unpaced"), QStringLiteral("--band"), QStringLiteral("2")});
    QVERIFY(sim.started());
    Harness h;
    frmMain& w = *h.window;
    h.ctx->comPort = sim.path();
    const Language& l = h.ctx->language;
    auto* verify = Child<QAction>(w, "MnuProVerify");
    auto* backup = Child<QAction>(w, "MnuProBackup");
    QVERIFY(verify->isCheckable() && verify->isChecked());
    QVERIFY(backup->isCheckable() && !backup->isChecked());

    verify->setChecked(false);
    backup->setChecked(true);
    h.boxes.answers = {Answer::Ok};
    w.MnuProWrite_Click();
    QVERIFY(WaitForIdle(w));
    const QStringList texts = h.boxes.texts();
    QCOMPARE(texts.size(), 3);
    QCOMPARE(texts[0], l.text(BuiltinText::WritePrompt));
    QVERIFY2(texts[1].startsWith(l.text(BuiltinText::BackupSaved)), qPrintable(texts[1]));
    QCOMPARE(texts[2], l.LangText(2005));  // not read back
    const QDir backups(data_.filePath(QStringLiteral("TQ8615/backups")));
    QCOMPARE(backups.entryList(QDir::Files).size(), 1);
    QVERIFY(texts[1].contains(backups.entryList(QDir::Files).front()));

    // Another window of the same user finds the settings as they were left.
    frmMain second(*h.ctx);
    QVERIFY(!Child<QAction>(second, "MnuProVerify")->isChecked());
    QVERIFY(Child<QAction>(second, "MnuProBackup")->isChecked());
}

void AppFleetTest::cloneWindowProgramsRadiosAndLogsThem()
{
    test::RadioSimProcess sim({QStringLiteral("--unpaced"), QStringLiteral("--band"), QStringLiteral("2")});
    QVERIFY(sim.started());
    Harness h;
    frmMain& w = *h.window;
    h.ctx->comPort = sim.path();
    QString log;
    QString counts;
    bool countLocked = false;
    h.ctx->dialogs.run = [&](QDialog& d) {
        auto* clone = qobject_cast<FrmClone*>(&d);
        if (!clone)
            return 0;
        auto countsSay = [&](const QString& text) {
            QDeadlineTimer deadline(20000);
            while (!clone->lblCounts->text().contains(text) && !deadline.hasExpired())
                QTest::qWait(20);
            return clone->lblCounts->text().contains(text);
        };
        clone->spnCount->setValue(2);  // the loop ends by itself after the second radio
        clone->CommandStart->click();
        countLocked = !clone->spnCount->isEnabled();
        if (countsSay(QStringLiteral("done: 1"))) {
            sim.signal(SIGUSR1);
            QTest::qWait(800);  // the window sees the radio go
            sim.signal(SIGUSR2);
            countsSay(QStringLiteral("done: 2"));
        }
        QDeadlineTimer deadline(5000);
        while (!clone->CommandClose->isEnabled() && !deadline.hasExpired())
            QTest::qWait(20);
        log = clone->txtLog->toPlainText();
        counts = clone->lblCounts->text();
        return 0;
    };
    Child<QAction>(w, "MnuProClone")->trigger();
    QCOMPARE(counts, QStringLiteral("Radios done: 2    failed: 0"));
    QVERIFY(countLocked);
    const QStringList lines = log.split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 3);
    QVERIFY2(lines[1].contains(QStringLiteral(",SIM8615000001,verified,")), qPrintable(log));
    QVERIFY2(lines[2].contains(QStringLiteral(",SIM8615000002,verified,")), qPrintable(log));
    QFile file(data_.filePath(QStringLiteral("TQ8615/clone-log.csv")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(file.readAll()).trimmed(), log);
    QVERIFY(!w.runActive());
}

QTEST_MAIN(AppFleetTest)
#include "app_fleet_test.moc"
