// The channel, option and key editors: their data rules by tables of cases, and the windows
// driven offscreen with the keyboard.
#include "app_harness.h"

#include "app/editor_list.h"
#include "editors/frm_ch_edit.h"
#include "editors/frm_key.h"
#include "editors/frm_option.h"
#include "model/channel_check.h"
#include "model/channel_edit.h"
#include "model/key_functions.h"
#include "model/typed_chars.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace tq8615::app {

class EditorsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void typedCharacters_data()
    {
        QTest::addColumn<int>("set");
        QTest::addColumn<char>("typed");
        QTest::addColumn<char>("shown");
        QTest::newRow("name lower") << int(CharSet::NameLetter) << 'a' << 'A';
        QTest::newRow("name dash") << int(CharSet::NameLetter) << '-' << '-';
        QTest::newRow("name space") << int(CharSet::NameLetter) << ' ' << '\0';
        QTest::newRow("name backslash") << int(CharSet::NameLetter) << '\\' << '\0';
        QTest::newRow("name tilde") << int(CharSet::NameLetter) << '~' << '\0';
        QTest::newRow("decimal point") << int(CharSet::Decimal) << '.' << '.';
        QTest::newRow("decimal letter") << int(CharSet::Decimal) << 'x' << '\0';
        QTest::newRow("digits point") << int(CharSet::Digits) << '.' << '\0';
        QTest::newRow("digits 7") << int(CharSet::Digits) << '7' << '7';
    }
    void typedCharacters()
    {
        QFETCH(int, set);
        QFETCH(char, typed);
        QFETCH(char, shown);
        QCOMPARE(AcceptTyped(static_cast<CharSet>(set), typed), shown);
    }

    void squelchModes()
    {
        QCOMPARE(SquelchModeItems(false, false), (std::vector<int>{0}));
        QCOMPARE(SquelchModeItems(true, false), (std::vector<int>{0, 1}));
        QCOMPARE(SquelchModeItems(false, true), (std::vector<int>{0, 2}));
        QCOMPARE(SquelchModeItems(true, true), (std::vector<int>{0, 1, 2, 3, 4}));
    }

    void shifts_data()
    {
        QTest::addColumn<QString>("rx");
        QTest::addColumn<QString>("tx");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("offset");
        QTest::newRow("plus") << "145.50000" << "146.10000" << 1 << "0.60000";
        QTest::newRow("minus") << "146.10000" << "145.50000" << 2 << "0.60000";
        QTest::newRow("simplex") << "145.50000" << "145.50000" << 0 << "0.00000";
        QTest::newRow("split") << "145.50000" << "435.00000" << 3 << "435.00000";
    }
    void shifts()
    {
        QFETCH(QString, rx);
        QFETCH(QString, tx);
        QFETCH(int, mode);
        QFETCH(QString, offset);
        BandPlan plan;
        SelectBandPlan(plan, 1);
        const auto shift = ShiftFromFrequencies(rx.toStdString(), tx.toStdString(), plan);
        QVERIFY(shift);
        QCOMPARE(shift->shiftMode, mode);
        QCOMPARE(QString::fromStdString(shift->offsetText), offset);
    }

    void keyNames()
    {
        QCOMPARE(KeyFunctionName(0), std::string("NULL"));
        QCOMPARE(KeyFunctionName(17), std::string("NULL"));
        QCOMPARE(KeyFunctionName(16), std::string("RDW"));
        QCOMPARE(KeyFunctionCode("NULL"), 17);
        QCOMPARE(KeyFunctionCode(""), 0);
        QCOMPARE(KeyFunctionCode("A/B"), 1);
    }

    // The keyboard scenario: a new channel 9 with shift, name, DCS inverted, power, bandwidth.
    void channelByKeyboard()
    {
        Harness h;
        SelectBandPlan(h.doc().Model.Band, 1);
        h.ctx->CurrentChannel = 9;
        FrmCHEdit w(*h.ctx);
        w.show();
        QApplication::setActiveWindow(&w);
        QVERIFY(QTest::qWaitForWindowActive(&w));
        auto* rx = Child<QLineEdit>(w, "Text1_0");
        QVERIFY(!Child<QLineEdit>(w, "Text1_10")->isEnabled());
        rx->setFocus();
        QTest::keyClicks(rx, QStringLiteral("145.5x"));
        QCOMPARE(rx->text(), QStringLiteral("145.5"));
        QVERIFY(Child<QLineEdit>(w, "Text1_10")->isEnabled());
        QTest::keyClick(rx, Qt::Key_Return);
        auto* tx = Child<QLineEdit>(w, "Text1_10");
        QCOMPARE(QApplication::focusWidget(), tx);
        tx->selectAll();
        QTest::keyClicks(tx, QStringLiteral("146.1"));
        QTest::keyClick(tx, Qt::Key_Return);  // leaving computes the shift
        auto* name = Child<QLineEdit>(w, "Text1_2");
        name->setFocus();
        QTest::keyClick(name, Qt::Key_A);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_B);
        QCOMPARE(name->text(), QStringLiteral("A"));
        QCOMPARE(Child<QLineEdit>(w, "Text1_3")->text(), QStringLiteral("B"));
        QTest::keyClick(Child<QComboBox>(w, "Combo1_10"), Qt::Key_Down);
        QTest::keyClick(Child<QComboBox>(w, "Combo1_10"), Qt::Key_Down);
        QTest::keyClick(Child<QCheckBox>(w, "Check2_1"), Qt::Key_Space);
        QTest::keyClick(Child<QComboBox>(w, "Combo1_2"), Qt::Key_Down);
        QTest::keyClick(Child<QComboBox>(w, "Combo1_1"), Qt::Key_Down);
        QTest::keyClick(Child<QComboBox>(w, "Combo1_1"), Qt::Key_Down);
        Child<QPushButton>(w, "CommandOK")->click();
        const ChannelRecord& r = ChannelOf(h.doc().Model, 9);
        QCOMPARE(std::string(r.RxFreq.raw()), std::string("014550000"));
        QCOMPARE(r.ShiftMode, int16_t{1});
        QCOMPARE(std::string(r.TxFreq.raw()), std::string("000060000"));
        QCOMPARE(TrimmedText(r.ChannelName.raw()), std::string("AB"));
        QCOMPARE(r.EncodeType, int16_t{2});
        QCOMPARE(r.EncodeDcs, int16_t{104});
        QCOMPARE(r.Power, int16_t{1});
        QCOMPARE(r.Bandwidth, int16_t{2});
        QVERIFY(CheckChannelsForWrite(h.doc().Model, h.doc().Model.Band).empty());
    }

    void emptyingReceiveDeletes()
    {
        Harness h;
        AppendTestChannel(h, 5);
        h.ctx->CurrentChannel = 1;
        FrmCHEdit w(*h.ctx);
        Child<QLineEdit>(w, "Text1_0")->clear();
        Child<QPushButton>(w, "CommandOK")->click();
        QVERIFY(!h.doc().Model.ChannelExists(1));
    }

    void vfoTakesSecondSet()
    {
        Harness h;
        h.ctx->CurrentChannel = 201;
        FrmCHEdit w(*h.ctx);
        auto* rx = Child<QLineEdit>(w, "Text1_0");
        rx->setText(QStringLiteral("145.00000"));
        Child<QPushButton>(w, "CommandOK")->click();
        const ChannelRecord& r = ChannelOf(h.doc().Model, 201);
        QCOMPARE(r.VhfActive, int16_t{1});
        QCOMPARE(std::string(r.RxFreqVhf.raw()), std::string("014500000"));
        QVERIFY(CheckChannelsForWrite(h.doc().Model, h.doc().Model.Band).empty());
    }

    void vfoCannotBeEmpty()
    {
        Harness h;
        h.ctx->CurrentChannel = 202;
        const EditingModel before = h.doc().Model;
        FrmCHEdit w(*h.ctx);
        Child<QLineEdit>(w, "Text1_0")->clear();
        Child<QPushButton>(w, "CommandOK")->click();
        QCOMPARE(h.boxes.texts().last(), QStringLiteral("VFO can't be null!"));
        QVERIFY(SameModel(h.doc().Model, before));
    }

    void cancelChangesNothing()
    {
        Harness h;
        const EditingModel before = h.doc().Model;
        for (const EditorEntry& e : EditorList()) {
            h.ctx->CurrentChannel = 1;
            const std::unique_ptr<QDialog> w = e.make(*h.ctx, nullptr);
            for (QComboBox* c : w->findChildren<QComboBox*>())
                c->setCurrentIndex(c->count() - 1);
            w->reject();
        }
        QVERIFY(SameModel(h.doc().Model, before));
    }

    void optionsByKeyboard()
    {
        Harness h;
        FrmOption w(*h.ctx);
        w.show();
        QApplication::setActiveWindow(&w);
        QVERIFY(QTest::qWaitForWindowActive(&w));
        auto* lock = Child<QComboBox>(w, "Combo1_0");
        QTest::keyClick(lock, Qt::Key_Down);  // locked forces the channel number display
        QCOMPARE(Child<QComboBox>(w, "Combo1_1")->currentIndex(), 1);
        QVERIFY(!Child<QComboBox>(w, "Combo1_1")->isEnabled());
        QVERIFY(!Child<QComboBox>(w, "Combo1_2")->isEnabled());
        QTest::keyClick(Child<QCheckBox>(w, "Check1_0"), Qt::Key_Space);
        auto* password = Child<QLineEdit>(w, "Text2");
        QVERIFY(password->isEnabled());
        password->setFocus();
        QTest::keyClicks(password, QStringLiteral("12a34567"));
        QCOMPARE(password->text(), QStringLiteral("123456"));
        auto* first = Child<QLineEdit>(w, "Text1_0");
        first->setFocus();
        QTest::keyClick(first, Qt::Key_A);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_B);
        QCOMPARE(QApplication::focusWidget(), Child<QLineEdit>(w, "Text1_2"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_X, Qt::ControlModifier);
        Child<QPushButton>(w, "CommandOK")->click();
        const OptionSettings& o = h.doc().Model.Options;
        QCOMPARE(o.ChannelLock, int16_t{1});
        QCOMPARE(o.DisplayModeA, int16_t{1});
        QCOMPARE(o.PowerOnPasswordEnable, int16_t{1});
        QCOMPARE(TrimmedText(o.PowerOnPassword.raw()), std::string("123456"));
        QCOMPARE(TrimmedText(o.PowerOnMessage.raw()), std::string("AB"));
    }

    void keysStoreNames()
    {
        Harness h;
        h.doc().Model.Options.KeyFunction[0] = 0;
        h.doc().Model.Options.ShortcutKeyFunction[0] = 1;
        FrmKey w(*h.ctx);
        QCOMPARE(Child<QComboBox>(w, "Combo1_0")->currentText(), QStringLiteral("NULL"));
        QCOMPARE(Child<QComboBox>(w, "Combo2_0")->currentText(), QStringLiteral("V/M"));
        QTest::keyClick(Child<QComboBox>(w, "Combo1_11"), Qt::Key_Up);
        Child<QPushButton>(w, "CommandOK")->click();
        QCOMPARE(h.doc().Model.Options.KeyFunction[0], int16_t{17});
        QCOMPARE(h.doc().Model.Options.ShortcutKeyFunction[0], int16_t{2});
        QCOMPARE(h.doc().Model.Options.KeyFunction[11], int16_t{11});
    }

private:
    static bool SameModel(const EditingModel& a, const EditingModel& b)
    {
        if (a.ChannelCount != b.ChannelCount || !(a.Options == b.Options))
            return false;
        for (int i = 0; i < a.ChannelCount; ++i)
            if (!(a.ChannelList[static_cast<std::size_t>(i)] == b.ChannelList[static_cast<std::size_t>(i)]))
                return false;
        return true;
    }
    static void AppendTestChannel(Harness& h, int number)
    {
        h.doc().Model.AppendChannel(NewChannelWithFreq(number, "435.00000"));
    }
};

}  // namespace tq8615::app

QTEST_MAIN(tq8615::app::EditorsTest)
#include "app_editors_test.moc"
