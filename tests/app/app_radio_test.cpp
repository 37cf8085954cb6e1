// Reads and writes started from the main window's commands, through the virtual radio.
#include "app_harness.h"

#include "app/frm_emg.h"
#include "app/frm_password.h"
#include "app/frm_progress.h"
#include "in_process_radio.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>
#include <QAction>

using namespace tq8615;
using namespace tq8615::app;

class AppRadioTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void writeThenReadThroughVirtualRadioProgram();
    void passwordAndEmbeddedInformation();
    void missingPortReportsAndDoesNotStart();
    void cancelReadAndWriteMidway();
};

// The radio program on a pseudo-terminal, the real serial port code in between.
void AppRadioTest::writeThenReadThroughVirtualRadioProgram()
{
    test::RadioSimProcess sim({QStringLiteral("--unpaced"), QStringLiteral("--band"), QStringLiteral("2")});
    QVERIFY(sim.started());
    Harness h;
    frmMain& w = *h.window;
    w.show();
    h.ctx->comPort = sim.path();
    const Language& l = h.ctx->language;

    // Write the data with a named channel 1.
    const int i = h.doc().Model.FindChannel(1);
    QVERIFY(i >= 0);
    h.doc().Model.ChannelList[static_cast<std::size_t>(i)].ChannelName = "HELLO";
    h.boxes.answers = {Answer::Ok, Answer::Ok};
    bool progressSeen = false;
    QTimer probe;
    connect(&probe, &QTimer::timeout, [&] { progressSeen = progressSeen || w.runUi().progressWindow(); });
    probe.start(10);
    Child(w, "TCommWrite")->trigger();
    QVERIFY(w.runActive());
    QVERIFY(WaitForIdle(w));
    QVERIFY(progressSeen);
    QCOMPARE(h.boxes.texts(), (QStringList{l.text(BuiltinText::WritePrompt), l.text(BuiltinText::WrittenAndVerified)}));

    // Start over from the defaults, then read the radio back.
    w.MnuSetInit_Click();
    QCOMPARE(ChannelOf(h.doc().Model, 1).ChannelName.trimmed(), std::string());
    h.boxes.shown.clear();
    h.boxes.answers = {Answer::Ok, Answer::Ok};
    Child(w, "mnuProRead")->trigger();
    QVERIFY(WaitForIdle(w));
    QCOMPARE(h.boxes.texts(), (QStringList{l.text(BuiltinText::ReadPrompt), l.LangText(2004)}));
    QCOMPARE(ChannelOf(h.doc().Model, 1).ChannelName.trimmed(), std::string("HELLO"));
    QCOMPARE(GridModel(w)->cellText(1, 3), QStringLiteral("HELLO"));
    QVERIFY(h.doc().IsUntitled());
    QCOMPARE(h.doc().CurrentFileName, std::string("new.dat"));
    QVERIFY(!w.runUi().progressWindow());
}

// In-process radio with a password and production data: the password window is answered,
// the embedded information window shows what the radio holds.
void AppRadioTest::passwordAndEmbeddedInformation()
{
    sim::VirtualRadio radio;
    radio.identity.band = 2;
    radio.setPassword("1234");
    radio.fillSampleInfo();
    Harness h;
    frmMain& w = *h.window;
    ConnectInProcessRadio(w, radio);

    QStringList dialogs;
    QString serialShown;
    h.ctx->dialogs.run = [&](QDialog& d) {
        dialogs.append(d.objectName());
        if (auto* pw = qobject_cast<FrmPassWord*>(&d)) {
            pw->Text1->setText(QStringLiteral("1234"));
            pw->CommandOK->click();
        } else if (auto* emg = qobject_cast<FrmEMG*>(&d)) {
            serialShown = emg->Text1[1]->text();
            [&] { QCOMPARE(emg->Combo1[1]->currentIndex(), 2); }();
            emg->CommandClose->click();
        }
        return d.result();
    };

    h.boxes.answers = {Answer::Ok, Answer::Ok};
    w.mnuProRead_Click();
    QVERIFY(WaitForIdle(w));
    QCOMPARE(dialogs, QStringList{QStringLiteral("FrmPassWord")});
    QCOMPARE(h.boxes.texts().last(), h.ctx->language.LangText(2004));

    // The typed password is kept: the next run does not ask again.
    dialogs.clear();
    Tree(w)->setCurrentItem(TreeNode(w, QStringLiteral("N9")));
    Q_EMIT Tree(w)->itemClicked(TreeNode(w, QStringLiteral("N9")), 0);
    QVERIFY(WaitForIdle(w));
    QCOMPARE(dialogs, QStringList{QStringLiteral("FrmEMG")});
    EmbeddedInfoBuffer buffer{};
    std::copy(radio.info.begin(), radio.info.end(), buffer.begin());
    QCOMPARE(serialShown, QString::fromStdString(ParseEmbeddedInfo(buffer).SerialNumber));
    QVERIFY(!serialShown.isEmpty());
}

void AppRadioTest::missingPortReportsAndDoesNotStart()
{
    Harness h;
    h.ctx->comPort = QStringLiteral("/dev/does-not-exist");
    h.window->MnuProWrite_Click();
    QVERIFY(!h.window->runActive());
    // Text 2002, then what went wrong and what to do.
    const QStringList texts = h.boxes.texts();
    QCOMPARE(texts.size(), 1);
    QVERIFY(texts.front().startsWith(h.ctx->language.LangText(2002) + QStringLiteral("\n\n")));
    QVERIFY(texts.front().contains(QStringLiteral("/dev/does-not-exist is not there")));
    QVERIFY(texts.front().contains(QStringLiteral("unplugged")));
}

// The progress window's Cancel, pressed once the progress passes `percent`.
void cancelAt(frmMain& w, int percent)
{
    auto* poll = new QTimer(&w);
    QObject::connect(poll, &QTimer::timeout, poll, [&w, poll, percent] {
        FrmProgress* progress = w.runUi().progressWindow();
        if (!progress || progress->ProgressBar1->value() < percent)
            return;
        poll->deleteLater();
        progress->CommandCancel->click();
    });
    poll->start(1);
}

void AppRadioTest::cancelReadAndWriteMidway()
{
    sim::VirtualRadio radio;
    radio.identity.band = 2;
    test::FillRadioMemory(radio, test::ChannelPattern({1, 2, 3, 4, 5, 60, 61, 199}), 3);
    Harness h;
    frmMain& w = *h.window;
    w.show();
    ConnectInProcessRadio(w, radio);
    const Language& l = h.ctx->language;

    // A read stopped halfway leaves the data as it was.
    const auto gridText = [&w] {
        QStringList cells;
        for (int row = 1; row <= 203; ++row)
            for (int column = 1; column <= 10; ++column)
                cells.append(GridModel(w)->cellText(row, column));
        return cells;
    };
    const QStringList shownBefore = gridText();
    h.boxes.answers = {Answer::Ok};
    cancelAt(w, 30);
    w.mnuProRead_Click();
    QVERIFY(WaitForIdle(w));
    QCOMPARE(h.boxes.texts().last(), l.text(BuiltinText::ReadCancelled));
    QCOMPARE(gridText(), shownBefore);
    QCOMPARE(h.doc().CurrentFileName, std::string("new.dat"));
    QVERIFY(!h.doc().IsModelModified());
    QVERIFY(!radio.programming());
    QVERIFY(!w.runUi().progressWindow());

    // A write asks first, then stops and says so.
    h.boxes.shown.clear();
    h.boxes.answers = {Answer::Ok, Answer::Yes};
    cancelAt(w, 30);
    w.MnuProWrite_Click();
    QVERIFY(WaitForIdle(w));
    QCOMPARE(h.boxes.texts(), (QStringList{l.text(BuiltinText::WritePrompt), l.text(BuiltinText::StopWriteQuestion),
                                           l.text(BuiltinText::WriteCancelledPartway)}));
    QVERIFY(!radio.programming());

    // The next full write repairs the radio: a read gives the data back.
    h.boxes.shown.clear();
    h.boxes.answers = {Answer::Ok, Answer::Ok};
    w.MnuProWrite_Click();
    QVERIFY(WaitForIdle(w));
    // Written and read back: the write setting is on unless the user turned it off.
    QCOMPARE(h.boxes.texts().last(), l.text(BuiltinText::WrittenAndVerified));
    h.boxes.answers = {Answer::Ok, Answer::Ok};
    w.mnuProRead_Click();
    QVERIFY(WaitForIdle(w));
    QCOMPARE(h.boxes.texts().last(), l.LangText(2004));
    // The memory channels' rows (the radio keeps no scan flag for VFO1).
    QCOMPARE(gridText().mid(0, 2000), shownBefore.mid(0, 2000));
}

QTEST_MAIN(AppRadioTest)
#include "app_radio_test.moc"
