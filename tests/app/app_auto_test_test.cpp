// The factory's auto test export window: offered on a factory workstation only, the groups
// it marks, a cancelled save writing nothing and a failed write reported.
#include "app_harness.h"

#include "factory/frm_auto_test.h"

#include <QCheckBox>
#include <QPushButton>
#include <QStringEncoder>

namespace tq8615::app {

namespace {

QString Gb18030Line(const QString& text)
{
    QStringEncoder encoder("GB18030");
    return QString::fromLatin1(QByteArray(encoder.encode(text)));
}

}  // namespace

class AutoTestWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void offeredOnFactoryWorkstations()
    {
        for (const bool factory : {false, true}) {
            Harness h;
            h.ctx->FactoryMode = factory;
            frmMain w(*h.ctx);
            QCOMPARE(Child<QAction>(w, "MnuHelpAutoTest")->isVisible(), factory);
        }
    }

    void exportsTheChosenGroups()
    {
        Harness h;
        EditingModel& m = h.doc().Model;
        m.DeleteChannel(2);
        m.AppendChannel(NewChannelWithFreq(3, "435.02500"));
        QString offered;
        const QString path = h.config.filePath(QStringLiteral("line.EPM"));
        h.ctx->dialogs.savePath = [&](QWidget*, const QString&, const QString& filter) {
            offered = filter;
            return path;
        };
        Frm_AutoTest w(*h.ctx);
        QVERIFY(h.ctx->AutoTestActive);
        QCOMPARE(w.windowTitle(), QStringLiteral("电调生产频设置"));
        QVERIFY(Child<QCheckBox>(w, "Check1_0")->isChecked());  // channels, as at start-up
        QCOMPARE(Child<QCheckBox>(w, "Check1_10")->text(), QStringLiteral("通讯簿"));
        Child<QCheckBox>(w, "Check1_0")->setChecked(true);
        Child<QPushButton>(w, "Command1")->click();
        QCOMPARE(offered, QStringLiteral("电调生产频 (*.EPM)"));
        QVERIFY(!h.ctx->AutoTestActive);
        QVERIFY(h.boxes.shown.isEmpty());

        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromLatin1(file.readAll()).split(QStringLiteral("\r\n"));
        QCOMPARE(lines.size(), 1 + 18 + 810 + 12960 + 1);  // and nothing after the last CR LF
        QCOMPARE(lines[0], QStringLiteral("2,9"));
        QCOMPARE(lines[1], QLatin1Char('"') + Gb18030Line(QStringLiteral("显示信道ID|1")) + QLatin1Char('"'));
        QCOMPARE(lines[12], QLatin1Char('"') + Gb18030Line(QStringLiteral("接收频率|435.02500")) + QLatin1Char('"'));
        QStringList marked;
        for (int b = 0; b < 810; ++b)
            if (lines[19 + b] == QStringLiteral("1"))
                marked << QString::number(b);
        QCOMPARE(marked.join(QLatin1Char(',')), QStringLiteral("0,1,4,5,404,405,406,407"));
    }

    void clearedBoxesAreKept()
    {
        Harness h;
        const QString path = h.config.filePath(QStringLiteral("none.EPM"));
        h.ctx->dialogs.savePath = [&](QWidget*, const QString&, const QString&) { return path; };
        {
            Frm_AutoTest w(*h.ctx);
            Child<QCheckBox>(w, "Check1_0")->setChecked(false);
            Child<QCheckBox>(w, "Check1_4")->setChecked(true);
            Child<QPushButton>(w, "Command1")->click();
        }
        QCOMPARE(h.ctx->AutoTestGroups[0], int16_t{0});
        QCOMPARE(h.ctx->AutoTestGroups[4], int16_t{1});
        Frm_AutoTest again(*h.ctx);
        QVERIFY(!Child<QCheckBox>(again, "Check1_0")->isChecked());
        QVERIFY(Child<QCheckBox>(again, "Check1_4")->isChecked());
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readLine().startsWith("0,9\r\n"));
    }

    void cancelledOrFailedExportsWriteNothing()
    {
        Harness h;
        const QDir folder(h.config.path());
        const QStringList before = folder.entryList(QDir::Files);
        QString answer;
        h.ctx->dialogs.savePath = [&](QWidget*, const QString&, const QString&) { return answer; };
        Frm_AutoTest w(*h.ctx);
        w.show();
        Child<QPushButton>(w, "Command1")->click();  // the save dialog cancelled
        QVERIFY(w.isVisible());
        QVERIFY(h.boxes.shown.isEmpty());

        answer = h.config.filePath(QStringLiteral("missing/line.EPM"));
        Child<QPushButton>(w, "Command1")->click();
        QCOMPARE(h.boxes.texts(), QStringList{QStringLiteral("错误！文件无法操作！")});
        QCOMPARE(folder.entryList(QDir::Files), before);
        QVERIFY(!folder.exists(QStringLiteral("missing")));

        Child<QPushButton>(w, "Command2")->click();
        QVERIFY(!w.isVisible());
        QVERIFY(!h.ctx->AutoTestActive);
    }
};

}  // namespace tq8615::app

QTEST_MAIN(tq8615::app::AutoTestWindowTest)
#include "app_auto_test_test.moc"
