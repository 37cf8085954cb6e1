// The 2-tone editor driven offscreen: offered only with its flag, the grid by keyboard, OK
// storing the block and re-pointing channels, Cancel and Escape storing nothing.
#include "app_harness.h"

#include "app/editor_list.h"
#include "editors/frm_ch_edit.h"
#include "editors/frm_two_tone.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

namespace tq8615::app {

namespace {

void ShowActive(QWidget& w)
{
    w.show();
    QApplication::setActiveWindow(&w);
    QVERIFY(QTest::qWaitForWindowActive(&w));
}

// Types into the cell's edit box and presses Enter.
void TypeIntoCell(QTableWidget* grid, int row, int column, const QString& text)
{
    grid->setCurrentCell(row - 1, column);
    auto* box = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    QVERIFY(box);
    box->selectAll();
    box->del();
    QTest::keyClicks(box, text);
    QTest::keyClick(box, Qt::Key_Return);
}

}  // namespace

class TwoToneTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void offeredOnlyWithItsFlag()
    {
        for (const int16_t flag : {int16_t{0}, int16_t{1}}) {
            Harness h;
            h.ctx->featureFlags[kTwoToneFeatureFlag] = flag;
            frmMain w(*h.ctx);
            QCOMPARE(Child<QAction>(w, "MnuView2Tone")->isVisible(), flag != 0);

            h.doc().Model.AppendChannel(NewChannelWithFreq(7, "435.00000"));
            h.ctx->CurrentChannel = 7;
            FrmCHEdit edit(*h.ctx);
            ShowActive(edit);
            auto* sig = Child<QComboBox>(edit, "Combo1_4");
            QCOMPARE(sig->findText(QStringLiteral("2Tone")) >= 0, flag != 0);
            if (flag == 0)
                continue;
            sig->setCurrentIndex(sig->findText(QStringLiteral("2Tone")));
            QVERIFY(Child<QComboBox>(edit, "Combo4_1")->isVisible());
            QCOMPARE(Child<QComboBox>(edit, "Combo4_1")->currentText(), QStringLiteral("0"));  // the default code
            QVERIFY(!Child<QComboBox>(edit, "Combo4_2")->isVisible());
        }
    }

    void gridByKeyboard()
    {
        Harness h;
        Frm2Tone w(*h.ctx);
        ShowActive(w);
        QCOMPARE(w.windowTitle(), QStringLiteral("2-Tone"));
        auto* grid = Child<QTableWidget>(w, "MSHFlexGrid1");
        QCOMPARE(grid->horizontalHeaderItem(kNameColumn)->text(), QStringLiteral("Name"));

        TypeIntoCell(grid, 25, kFirstToneColumn, QStringLiteral("1x00"));
        const TwoToneEntry& e = w.WorkingCopy.Entries[24];
        QCOMPARE(e.Flag, int16_t{0});
        QCOMPARE(std::vector<uint8_t>(e.Tones.begin(), e.Tones.end()),
                 (std::vector<uint8_t>{0x08, 0x23, 0, 0, 0x0B, 0x40, 0, 0}));
        QCOMPARE(grid->item(24, kFirstToneColumn)->text(), QStringLiteral("288.0"));
        QCOMPARE(grid->currentColumn(), kSecondToneColumn);  // Enter moved on along the row
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Text1"));

        TypeIntoCell(grid, 25, kNameColumn, QStringLiteral("Call\\me~9"));
        QCOMPARE(e.Name.trimmed(), std::string("Callme9"));
        QCOMPARE(grid->currentRow(), 25);  // row 26, first tone
        QCOMPARE(grid->currentColumn(), kFirstToneColumn);

        // An empty first tone goes straight down; row 5's tones take no edit box.
        TypeIntoCell(grid, 26, kFirstToneColumn, QString());
        QCOMPARE(grid->currentRow(), 26);
        QVERIFY(!(grid->item(4, kFirstToneColumn)->flags() & Qt::ItemIsEditable));
        QVERIFY(grid->item(4, kNameColumn)->flags() & Qt::ItemIsEditable);

        // Clearing a first tone empties the entry, its name included.
        TypeIntoCell(grid, 25, kFirstToneColumn, QString());
        QCOMPARE(e.Flag, int16_t{1});
        QCOMPARE(e.Name.trimmed(), std::string());
        QCOMPARE(grid->item(24, kNameColumn)->text(), QString());
    }

    void okStoresAndRepointsChannels()
    {
        Harness h;
        EditingModel& m = h.doc().Model;
        ChannelRecord r = NewChannelWithFreq(3, "435.00000");
        r.OptSigType = kOptSigTwoTone;
        r.TwoToneIndex = 30;
        m.AppendChannel(r);
        Frm2Tone w(*h.ctx);
        ShowActive(w);
        auto* format = Child<QComboBox>(w, "Combo2_0");
        format->setCurrentIndex(format->findText(QStringLiteral("Long B")));
        QVERIFY(!Child<QLineEdit>(w, "Text2_0")->isEnabled());
        QVERIFY(Child<QLineEdit>(w, "Text2_1")->isEnabled());
        QVERIFY(!Child<QLineEdit>(w, "Text2_2")->isEnabled());
        format->setCurrentIndex(format->findText(QStringLiteral("A-C")));
        QVERIFY(Child<QLineEdit>(w, "Text2_0")->isEnabled());
        QVERIFY(Child<QLineEdit>(w, "Text2_2")->isEnabled());
        auto* toneA = Child<QLineEdit>(w, "Text2_0");
        toneA->setFocus();
        toneA->selectAll();
        QTest::keyClicks(toneA, QStringLiteral("99"));
        QTest::keyClick(toneA, Qt::Key_Return);  // leaving it clamps
        QCOMPARE(toneA->text(), QStringLiteral("288"));
        format->setCurrentIndex(format->findText(QStringLiteral("Long B")));

        // A code typed in row 31 and still in its edit box when OK is pressed is kept.
        auto* grid = Child<QTableWidget>(w, "MSHFlexGrid1");
        grid->setCurrentCell(30, kFirstToneColumn);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("1000"));
        Child<QPushButton>(w, "CommandOK")->click();

        const auto& header = m.TwoTone.Header;
        QCOMPARE(header[4], uint8_t{13});
        QCOMPARE(header[2], uint8_t{0});
        QCOMPARE(header[3], uint8_t{0});
        QCOMPARE(header[7], uint8_t{0});
        QCOMPARE(header[8], uint8_t{0});
        QCOMPARE(header[12], uint8_t{0x40});  // 288.0 Hz, low byte first
        QCOMPARE(header[13], uint8_t{0x0B});
        QCOMPARE(m.TwoTone.Entries[30].Flag, int16_t{0});
        QCOMPARE(ChannelOf(m, 3).TwoToneIndex, int16_t{30});
    }

    void emptyCodeIsReplaced()
    {
        Harness h;
        EditingModel& m = h.doc().Model;
        ChannelRecord r = NewChannelWithFreq(3, "435.00000");
        r.OptSigType = kOptSigTwoTone;
        r.TwoToneIndex = 30;  // not in use
        m.AppendChannel(r);
        Frm2Tone w(*h.ctx);
        Child<QPushButton>(w, "CommandOK")->click();
        QCOMPARE(ChannelOf(m, 3).TwoToneIndex, int16_t{0});
    }

    void cancelAndEscapeStoreNothing()
    {
        for (const bool escape : {false, true}) {
            Harness h;
            const TwoToneBlock before = h.doc().Model.TwoTone;
            Frm2Tone w(*h.ctx);
            ShowActive(w);
            Child<QComboBox>(w, "Combo2_0")->setCurrentIndex(13);
            TypeIntoCell(Child<QTableWidget>(w, "MSHFlexGrid1"), 22, kFirstToneColumn, QStringLiteral("700"));
            if (escape) {
                QTest::keyClick(&w, Qt::Key_Escape);
                QTest::keyClick(&w, Qt::Key_Escape);
            } else {
                Child<QPushButton>(w, "CommandCancel")->click();
            }
            QVERIFY(!w.isVisible());
            QVERIFY(h.doc().Model.TwoTone == before);
        }
    }
};

}  // namespace tq8615::app

QTEST_MAIN(tq8615::app::TwoToneTest)
#include "app_two_tone_test.moc"
