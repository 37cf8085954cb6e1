// The channel, option and key editors: their data rules by tables of cases, and the windows
// driven offscreen with the keyboard.
#include "app_harness.h"
#include "link_support/link_fixtures.h"

#include "app/editor_list.h"
#include "editors/frm_ch_edit.h"
#include "editors/frm_key.h"
#include "editors/frm_option.h"
#include "model/channel_check.h"
#include "model/channel_edit.h"
#include "files/configuration_compare.h"
#include "model/key_functions.h"
#include "model/typed_chars.h"

#include <QAction>
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
        CreateChannel9ByKeyboard(h);
        if (QTest::currentTestFailed())
            return;
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
        ChangeOptionsByKeyboard(h);
        if (QTest::currentTestFailed())
            return;
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

    // Choices that exclude each other: the DTMF and 5-tone PTT-ID lists, reverse and talk-around.
    void exclusiveChoices()
    {
        Harness h;
        h.ctx->CurrentChannel = 1;
        FrmCHEdit w(*h.ctx);
        const auto on = [&w](const char* name) {
            if (auto* list = w.findChild<QComboBox*>(QLatin1String(name)))
                return list->currentIndex() > 0;
            return Child<QCheckBox>(w, name)->isChecked();
        };
        const auto turnOn = [&w](const char* name) {
            if (auto* list = w.findChild<QComboBox*>(QLatin1String(name)))
                list->setCurrentIndex(1);
            else
                Child<QCheckBox>(w, name)->setChecked(true);
        };
        const std::pair<const char*, const char*> pairs[] = {{"Combo1_7", "Combo1_8"}, {"Check4_0", "Check4_1"}};
        for (const auto& [a, b] : pairs) {
            turnOn(a);
            QVERIFY2(on(a), a);
            turnOn(b);
            QVERIFY2(on(b), b);
            QVERIFY2(!on(a), a);
            turnOn(a);
            QVERIFY2(!on(b), b);
        }
    }

    // The squelch list offers the master list's modes that the signalling allows; with
    // reverse on, the encode type decides instead of the decode type.
    void squelchListFollowsSignalling()
    {
        Harness h;
        h.ctx->CurrentChannel = 1;
        FrmCHEdit w(*h.ctx);
        auto* squelch = Child<QComboBox>(w, "Combo1_9");
        auto* master = Child<QComboBox>(w, "Combo1_11");
        Child<QComboBox>(w, "Combo1_10")->setCurrentIndex(0);
        Child<QComboBox>(w, "Combo1_5")->setCurrentIndex(0);
        Child<QComboBox>(w, "Combo1_4")->setCurrentIndex(0);
        QCOMPARE(squelch->count(), 1);
        Child<QComboBox>(w, "Combo1_5")->setCurrentIndex(1);
        QCOMPARE(squelch->count(), 2);
        QCOMPARE(squelch->itemText(1), master->itemText(1));
        Child<QComboBox>(w, "Combo1_4")->setCurrentIndex(1);
        QCOMPARE(squelch->count(), 5);
        squelch->setCurrentIndex(4);
        Child<QCheckBox>(w, "Check4_0")->setChecked(true);  // encode type: none
        QCOMPARE(squelch->count(), 2);
        QCOMPARE(squelch->itemText(1), master->itemText(2));
        Child<QPushButton>(w, "CommandOK")->click();
        QCOMPARE(ChannelOf(h.doc().Model, 1).SquelchMode, int16_t{0});  // mode 4 no longer offered
    }

    // Leaving the user CTCSS box keeps the tone within what the radio can send.
    void userCtcssClamped_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("too low") << "30" << "50.0";
        QTest::newRow("too high") << "300" << "260.0";
        QTest::newRow("in range") << "88.5" << "88.5";
        QTest::newRow("empty") << "" << "251.1";
    }
    void userCtcssClamped()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        Harness h;
        h.ctx->CurrentChannel = 1;
        FrmCHEdit w(*h.ctx);
        w.show();
        QApplication::setActiveWindow(&w);
        QVERIFY(QTest::qWaitForWindowActive(&w));
        auto* tone = Child<QLineEdit>(w, "Text2");
        tone->setFocus();
        tone->selectAll();
        QTest::keyClick(tone, Qt::Key_Delete);
        QTest::keyClicks(tone, typed);
        QTest::keyClick(tone, Qt::Key_Return);  // the focus moves on
        QCOMPARE(tone->text(), shown);
        Child<QPushButton>(w, "CommandOK")->click();
        QCOMPARE(ChannelOf(h.doc().Model, 1).UserCtcss, int16_t(qRound(shown.toDouble() * 10)));
    }

    // Each way into an editor from the main window: Enter on the grid, the tree nodes by
    // click and by Enter, the menu items.
    void mainWindowOpensEditors()
    {
        Harness h;
        frmMain& w = *h.window;
        w.show();
        QStringList opened;
        h.ctx->dialogs.run = [&](QDialog& d) {
            opened << d.objectName();
            return 0;
        };
        Grid(w)->setCurrentIndex(GridModel(w)->index(1, 2));
        QTest::keyClick(Grid(w), Qt::Key_Return);
        Tree(w)->setCurrentItem(TreeNode(w, QStringLiteral("N16")));
        QTest::keyClick(Tree(w), Qt::Key_Return);
        Tree(w)->itemClicked(TreeNode(w, QStringLiteral("N4")), 0);
        Child<QAction>(w, "MnuViewKey")->trigger();
        QCOMPARE(opened, (QStringList{QStringLiteral("FrmCHEdit"), QStringLiteral("FrmKey"), QStringLiteral("FrmOption"),
                                      QStringLiteral("FrmKey")}));
    }

    // Channels, options and keys changed in the editors reach the radio on a write and come
    // back from it on a read.
    void editedSettingsSurviveTheRadio()
    {
        test::RadioSimProcess sim({QStringLiteral("--unpaced"), QStringLiteral("--band"), QStringLiteral("1")});
        QVERIFY(sim.started());
        Harness h;
        frmMain& w = *h.window;
        w.show();
        h.ctx->comPort = sim.path();
        SelectBandPlan(h.doc().Model.Band, 1);
        CreateChannel9ByKeyboard(h);
        ChangeOptionsByKeyboard(h);
        if (QTest::currentTestFailed())
            return;
        h.ctx->CurrentChannel = 2;
        {
            FrmCHEdit w2(*h.ctx);
            Child<QLineEdit>(w2, "Text1_0")->clear();
            Child<QPushButton>(w2, "CommandOK")->click();
        }
        h.ctx->CurrentChannel = 201;
        {
            FrmCHEdit vfo(*h.ctx);
            Child<QLineEdit>(vfo, "Text1_0")->setText(QStringLiteral("145.00000"));
            Child<QPushButton>(vfo, "CommandOK")->click();
        }
        {
            FrmKey keys(*h.ctx);
            QTest::keyClick(Child<QComboBox>(keys, "Combo2_3"), Qt::Key_Down);
            Child<QPushButton>(keys, "CommandOK")->click();
        }
        QVERIFY(!h.doc().Model.ChannelExists(2));
        const EditingModel edited = h.doc().Model;

        h.boxes.answers = {Answer::Ok, Answer::Ok};
        Child<QAction>(w, "TCommWrite")->trigger();
        QVERIFY(WaitForIdle(w));
        QCOMPARE(h.boxes.texts().last(), h.ctx->language.text(BuiltinText::WrittenAndVerified));
        w.MnuSetInit_Click();
        h.boxes.answers = {Answer::Ok, Answer::Ok};
        Child<QAction>(w, "mnuProRead")->trigger();
        QVERIFY(WaitForIdle(w));
        CollectingSink sink;
        const auto differences = CompareLoaded({edited, false}, {h.doc().Model, false}, sink, {true});
        QVERIFY(differences);
        QVERIFY2(differences->empty(), differences->empty() ? "" : DifferenceLine(differences->front()).c_str());
        QCOMPARE(TrimmedText(ChannelOf(h.doc().Model, 9).ChannelName.raw()), std::string("AB"));
    }

private:
    static void CreateChannel9ByKeyboard(Harness& h)
    {
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
    }
    static void ChangeOptionsByKeyboard(Harness& h)
    {
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
    }
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
