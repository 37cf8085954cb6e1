// The 5-tone editor and its special call window driven offscreen, and 5-tone settings
// edited in the window travelling to the virtual radio and back.
#include "app_harness.h"

#include "editors/frm_five_tone.h"
#include "editors/frm_special.h"
#include "link_support/link_fixtures.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>

#include <functional>

namespace tq8615::app {

namespace {

QTableWidget* CodeGrid(const QWidget& w) { return Child<QTableWidget>(w, "MSHFlexGrid1"); }
QString Cell(const QWidget& w, int row, int column) { return CodeGrid(w)->item(row, column)->text(); }

FiveToneCode Present(const char* code)
{
    FiveToneCode c;
    c.IsEmpty = 0;
    c.Code = code;
    c.DigitCount = static_cast<uint8_t>(std::string_view(code).size());
    c.ToneLength = 70;
    return c;
}

void SetOwnId(Harness& h, const std::string& id)
{
    h.doc().Model.FiveTone.SelfId = id + '\0';
    h.doc().Model.FiveTone.SelfIdLength = static_cast<uint8_t>(id.size());
}

void ShowActive(QWidget& w)
{
    w.show();
    QApplication::setActiveWindow(&w);
    QVERIFY(QTest::qWaitForWindowActive(&w));
}

// Answers the special call window opened by `button` with `fill`, then its OK; true when
// the window closed.
bool RunSpecial(Harness& h, QPushButton* button, const std::function<void(FrmSpecial&)>& fill)
{
    bool closed = false;
    const DialogRunner real = h.ctx->dialogs.run;
    h.ctx->dialogs.run = [&](QDialog& d) {
        auto& special = dynamic_cast<FrmSpecial&>(d);
        fill(special);
        Child<QPushButton>(special, "CommandOK")->click();
        closed = special.result() == QDialog::Accepted;
        return special.result();
    };
    button->click();
    h.ctx->dialogs.run = real;
    return closed;
}

}  // namespace

class FiveToneTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Typing codes into the grid, a standard choice, Enter through the cells, then OK.
    void gridCellEditing()
    {
        Harness h;
        SetOwnId(h, "12345");
        ChannelOf(h.doc().Model, 1).FiveToneIndex = 50;  // an empty entry
        QSignalSpy changed(&h.ctx->events, &ModelEvents::modelChanged);
        Frm5Tone w(*h.ctx);
        ShowActive(w);
        QTableWidget* grid = CodeGrid(w);
        grid->setCurrentCell(0, Frm5Tone::kCodeColumn);
        auto* code = Child<QLineEdit>(w, "Text3");
        QVERIFY(code->isVisible());
        QCOMPARE(QApplication::focusWidget(), code);
        QTest::keyClicks(code, QStringLiteral("11223g"));
        QTest::keyClick(code, Qt::Key_Return);
        QCOMPARE(Cell(w, 0, Frm5Tone::kCodeColumn), QStringLiteral("1E2E3"));
        auto* standard = Child<QComboBox>(w, "Combo2");
        QVERIFY(standard->isVisible() && !code->isVisible());
        standard->setCurrentIndex(standard->findText(QStringLiteral("EEA")));
        QCOMPARE(Cell(w, 0, Frm5Tone::kToneLengthColumn), QStringLiteral("40"));
        QTest::keyClick(standard, Qt::Key_Return);
        auto* toneLength = Child<QComboBox>(w, "Combo3");
        QVERIFY(toneLength->isVisible());
        QCOMPARE(toneLength->currentText(), QStringLiteral("40"));
        QTest::keyClick(toneLength, Qt::Key_Return);  // column 2 of the next row
        QCOMPARE(grid->currentRow(), 1);
        QVERIFY(code->isVisible());
        QCOMPARE(QApplication::focusWidget(), code);
        QTest::keyClicks(code, QStringLiteral("11111"));
        QCOMPARE(code->text(), QStringLiteral("11111"));
        QTest::keyClick(code, Qt::Key_Return);
        QCOMPARE(Cell(w, 1, Frm5Tone::kCodeColumn), QStringLiteral("1E1E1"));
        // Cells right of an empty code open nothing.
        grid->setCurrentCell(5, Frm5Tone::kStandardColumn);
        QVERIFY(!standard->isVisible());

        Child<QPushButton>(w, "CommandOK")->click();
        QVERIFY(!w.isVisible());
        const FiveToneSettings& s = h.doc().Model.FiveTone;
        QCOMPARE(s.CallList[0].Code.trimmed(), std::string("1E2E3"));
        QCOMPARE(s.CallList[0].DigitCount, uint8_t{5});
        QCOMPARE(s.CallList[0].Standard, uint8_t{9});
        QCOMPARE(s.CallList[0].ToneLength, uint8_t{40});
        QCOMPARE(s.CallList[1].Code.trimmed(), std::string("1E1E1"));
        QCOMPARE(s.CallList[1].IsEmpty, int16_t{0});
        QCOMPARE(ChannelOf(h.doc().Model, 1).FiveToneIndex, int16_t{0});
        QCOMPARE(changed.count(), 1);
    }

    // Special codes show their kind; a double click resets one after asking.
    void specialRowsShowAndReset()
    {
        Harness h;
        SetOwnId(h, "54321");
        h.doc().Model.FiveTone.CallList[3] = Present("E123456E4142");
        h.doc().Model.FiveTone.CallList[4] = Present("12345D54321");
        h.doc().Model.FiveTone.CallList[5] = Present("E654321");
        Frm5Tone w(*h.ctx);
        const Language& l = h.ctx->language;
        QCOMPARE(Cell(w, 3, Frm5Tone::kKindColumn), l.LangText(TextKey::FtDataMessage));
        QCOMPARE(Cell(w, 3, Frm5Tone::kCodeColumn),
                 QStringLiteral("23456") + QString(8, QLatin1Char(' ')) + l.LangText(TextKey::FtMessageCaption) + QStringLiteral("AB"));
        QCOMPARE(Cell(w, 4, Frm5Tone::kKindColumn), QStringLiteral("ANI"));
        QCOMPARE(Cell(w, 4, Frm5Tone::kCodeColumn), QStringLiteral("12345D"));
        QCOMPARE(Cell(w, 5, Frm5Tone::kKindColumn), QStringLiteral("PTTID"));
        // No editor over a special code; the PTT ID's tone length can still be chosen.
        CodeGrid(w)->setCurrentCell(3, Frm5Tone::kCodeColumn);
        QVERIFY(!Child<QLineEdit>(w, "Text3")->isVisible());
        CodeGrid(w)->setCurrentCell(5, Frm5Tone::kToneLengthColumn);
        QVERIFY(Child<QComboBox>(w, "Combo3")->isVisibleTo(&w));

        h.boxes.answers = {Answer::Cancel, Answer::Ok};
        Q_EMIT CodeGrid(w)->cellDoubleClicked(3, Frm5Tone::kCodeColumn);
        QCOMPARE(Cell(w, 3, Frm5Tone::kKindColumn), l.LangText(TextKey::FtDataMessage));
        Q_EMIT CodeGrid(w)->cellDoubleClicked(3, Frm5Tone::kCodeColumn);
        QCOMPARE(h.boxes.texts().last(), QStringLiteral("Reset Special Call of this channel,OK or Not?"));
        QCOMPARE(Cell(w, 3, Frm5Tone::kKindColumn), QString());
        QCOMPARE(Cell(w, 3, Frm5Tone::kCodeColumn), QString());
        QCOMPARE(w.WorkingCopy.CallList[3].DigitCount, uint8_t{0});
    }

    // Leaving the own identity with four digits keeps the focus there; five digits carry the
    // new identity into the E2/E6 and ANI codes.
    void ownIdentity()
    {
        Harness h;
        SetOwnId(h, "12345");
        h.doc().Model.FiveTone.CallList[0] = Present("E212345");
        h.doc().Model.FiveTone.CallList[1] = Present("E612345");
        h.doc().Model.FiveTone.CallList[2] = Present("11111D12345");
        Frm5Tone w(*h.ctx);
        ShowActive(w);
        auto* id = Child<QLineEdit>(w, "Text2");
        id->setFocus();
        id->selectAll();
        QTest::keyClicks(id, QStringLiteral("5432"));
        QTest::keyClick(id, Qt::Key_Tab);
        QCOMPARE(h.boxes.texts(), QStringList{h.ctx->language.LangText(TextKey::IdNeedsFiveDigits)});
        QTRY_COMPARE(QApplication::focusWidget(), id);
        id->end(false);
        QTest::keyClick(id, Qt::Key_1);
        QTest::keyClick(id, Qt::Key_Tab);
        QCOMPARE(h.boxes.shown.size(), 1);
        QCOMPARE(w.WorkingCopy.CallList[0].Code.trimmed(), std::string("E254321"));
        QCOMPARE(w.WorkingCopy.CallList[1].Code.trimmed(), std::string("E654321"));
        QCOMPARE(w.WorkingCopy.CallList[2].Code.trimmed(), std::string("1E1E1D54321"));
        QCOMPARE(Cell(w, 2, Frm5Tone::kKindColumn), QStringLiteral("ANI"));
        QCOMPARE(h.doc().Model.FiveTone.CallList[0].Code.trimmed(), std::string("E212345"));  // until OK
    }

    // A PTT-ID code longer than the box takes (from a data file) is shown and kept whole.
    void longPttIdCodeKeptWhole()
    {
        Harness h;
        SetOwnId(h, "12345");
        const std::string digits = "123456789012345678901234567890";
        h.doc().Model.FiveTone.PttIdEnd = Present(digits.c_str());
        Frm5Tone w(*h.ctx);
        QCOMPARE(Child<QLineEdit>(w, "Text4_1")->text(), QString::fromStdString(digits));
        Child<QPushButton>(w, "CommandOK")->click();
        QCOMPARE(h.doc().Model.FiveTone.PttIdEnd.Code.trimmed(), digits);
        QCOMPARE(h.doc().Model.FiveTone.PttIdEnd.DigitCount, uint8_t{30});
    }

    // A kill code without a waken code whose digits another code shares: both messages, and
    // the window stays open with the model unchanged.
    void infoCodeCheckKeepsWindowOpen()
    {
        Harness h;
        SetOwnId(h, "12345");
        const EditingModel before = h.doc().Model;
        Frm5Tone w(*h.ctx);
        ShowActive(w);
        Child<QComboBox>(w, "Combo7_0")->setCurrentIndex(3);  // remote kill
        QCOMPARE(Child<QComboBox>(w, "Combo7_1")->currentIndex(), 2);
        QVERIFY(!Child<QComboBox>(w, "Combo7_1")->isEnabled());
        Child<QLineEdit>(w, "Text5")->setText(QStringLiteral("123"));
        Child<QComboBox>(w, "Combo6")->setCurrentIndex(1);
        QCOMPARE(Child<QLineEdit>(w, "Text5")->text(), QString());
        Child<QLineEdit>(w, "Text5")->setText(QStringLiteral("123"));
        Child<QPushButton>(w, "CommandOK")->click();
        const Language& l = h.ctx->language;
        QCOMPARE(h.boxes.texts(), (QStringList{l.LangText(TextKey::KillNeedsWaken), l.LangText(TextKey::InfoCodeConflict)}));
        QVERIFY(w.isVisible());
        QVERIFY(h.doc().Model == before);
        // Back on info code 1, it still holds what was typed.
        Child<QComboBox>(w, "Combo6")->setCurrentIndex(0);
        QCOMPARE(Child<QComboBox>(w, "Combo7_0")->currentIndex(), 3);
        QCOMPARE(Child<QLineEdit>(w, "Text5")->text(), QStringLiteral("123"));
    }

    void cancelAndEscapeChangeNothing()
    {
        Harness h;
        SetOwnId(h, "12345");
        const EditingModel before = h.doc().Model;
        for (const bool escape : {false, true}) {
            Frm5Tone w(*h.ctx);
            ShowActive(w);
            CodeGrid(w)->setCurrentCell(7, Frm5Tone::kCodeColumn);
            QTest::keyClicks(Child<QLineEdit>(w, "Text3"), QStringLiteral("123"));
            Child<QComboBox>(w, "Combo1_1")->setCurrentIndex(9);
            if (escape)
                QTest::keyClick(&w, Qt::Key_Escape);
            else
                Child<QPushButton>(w, "CommandCancel")->click();
            QVERIFY(!w.isVisible());
            QVERIFY(h.doc().Model == before);
        }
    }

    // Data messages and ANI codes into the list and the PTT-ID boxes.
    void specialCalls()
    {
        Harness h;
        SetOwnId(h, "54321");
        Frm5Tone w(*h.ctx);
        ShowActive(w);
        const Language& l = h.ctx->language;
        const auto dataMessage = [](const char* id, const char* text) {
            return [=](FrmSpecial& s) {
                Child<QLineEdit>(s, "Text1_0")->setText(QString::fromLatin1(id));
                Child<QLineEdit>(s, "Text2")->setText(QString::fromLatin1(text));
            };
        };
        CodeGrid(w)->setCurrentCell(3, Frm5Tone::kNumberColumn);
        QVERIFY(RunSpecial(h, Child<QPushButton>(w, "Command1"), dataMessage("23456", "AB")));
        QCOMPARE(w.WorkingCopy.CallList[3].Code.trimmed(), std::string("E123456E4142"));
        QCOMPARE(Cell(w, 3, Frm5Tone::kKindColumn), l.LangText(TextKey::FtDataMessage));
        CodeGrid(w)->setCurrentCell(4, Frm5Tone::kNumberColumn);
        QVERIFY(RunSpecial(h, Child<QPushButton>(w, "Command1"), dataMessage("12345", "AB")));
        QCOMPARE(w.WorkingCopy.CallList[4].Code.trimmed(), std::string("E1E2345E4142"));

        // ANI to the PTT-ID begin box ends in the own identity.
        const auto ani = [](const char* id, const char* separator) {
            return [=](FrmSpecial& s) {
                Child<QComboBox>(s, "Combo1_1")->setCurrentIndex(1);
                Child<QLineEdit>(s, "Text1_1")->setText(QString::fromLatin1(id));
                Child<QComboBox>(s, "Combo3")->setCurrentText(QString::fromLatin1(separator));
            };
        };
        bool entryListShown = true;
        QVERIFY(RunSpecial(h, Child<QPushButton>(w, "Command2"), [&](FrmSpecial& s) {
            ani("11111", "B")(s);
            entryListShown = Child<QComboBox>(s, "Combo1_0")->isVisibleTo(&s);
        }));
        QVERIFY(!entryListShown);
        QCOMPARE(Child<QLineEdit>(w, "Text4_0")->text(), QStringLiteral("1E1E1B54321"));
        QCOMPARE(w.WorkingCopy.AniSeparator, int16_t{11});
        // ANI into the list keeps the placeholder until OK puts the identity in.
        CodeGrid(w)->setCurrentCell(6, Frm5Tone::kNumberColumn);
        QVERIFY(RunSpecial(h, Child<QPushButton>(w, "Command1"), ani("11111", "D")));
        QCOMPARE(w.WorkingCopy.CallList[6].Code.trimmed(), std::string("1E1E1DSelfID"));
        QCOMPARE(Cell(w, 6, Frm5Tone::kKindColumn), QStringLiteral("ANI"));

        // Four digits: the window stays open and says why.
        h.boxes.shown.clear();
        QVERIFY(!RunSpecial(h, Child<QPushButton>(w, "Command3"), dataMessage("1234", "AB")));
        QCOMPARE(h.boxes.texts(), QStringList{l.LangText(TextKey::IdNeedsFiveDigits)});
        QCOMPARE(Child<QLineEdit>(w, "Text4_1")->text(), QString());

        Child<QPushButton>(w, "CommandOK")->click();
        const FiveToneSettings& s = h.doc().Model.FiveTone;
        QCOMPARE(s.CallList[6].Code.trimmed(), std::string("1E1E1D54321"));
        QCOMPARE(s.PttIdBegin.Code.trimmed(), std::string("1E1E1B54321"));
        QCOMPARE(s.PttIdBegin.DigitCount, uint8_t{11});
        QCOMPARE(s.AniSeparator, int16_t{13});
    }

    // Settings edited in the window reach the virtual radio and come back on a read.
    void settingsTravelThroughTheRadio()
    {
        test::RadioSimProcess sim({QStringLiteral("--unpaced"), QStringLiteral("--band"), QStringLiteral("2")});
        QVERIFY(sim.started());
        Harness h;
        frmMain& w = *h.window;
        w.show();
        h.ctx->comPort = sim.path();
        const DialogRunner real = h.ctx->dialogs.run;
        h.ctx->dialogs.run = [](QDialog& d) {
            auto& editor = dynamic_cast<Frm5Tone&>(d);
            Child<QLineEdit>(editor, "Text2")->setText(QStringLiteral("12345"));
            Child<QComboBox>(editor, "Combo1_1")->setCurrentText(QStringLiteral("CCIR1"));
            Child<QComboBox>(editor, "Combo1_10")->setCurrentText(QStringLiteral("C"));
            Child<QComboBox>(editor, "Combo1_9")->setCurrentText(QStringLiteral("300"));
            Child<QLineEdit>(editor, "Text4_0")->setText(QStringLiteral("12345"));
            Child<QComboBox>(editor, "Combo7_0")->setCurrentIndex(1);
            Child<QLineEdit>(editor, "Text5")->setText(QStringLiteral("777"));
            Child<QLineEdit>(editor, "Text7")->setText(QStringLiteral("BOSS"));
            CodeGrid(editor)->setCurrentCell(9, Frm5Tone::kCodeColumn);
            Child<QLineEdit>(editor, "Text3")->setText(QStringLiteral("11223"));
            Child<QPushButton>(editor, "CommandOK")->click();
            return editor.result();
        };
        Child(w, "MnuView5Tone")->trigger();
        h.ctx->dialogs.run = real;
        const FiveToneSettings edited = h.doc().Model.FiveTone;
        QCOMPARE(edited.CallList[9].Code.trimmed(), std::string("1E2E3"));
        QCOMPARE(edited.ToneLength, uint8_t{100});

        h.boxes.answers = {Answer::Ok, Answer::Ok};
        Child(w, "TCommWrite")->trigger();
        QVERIFY(WaitForIdle(w));
        w.MnuSetInit_Click();
        QCOMPARE(h.doc().Model.FiveTone.CallList[9].IsEmpty, int16_t{1});
        h.boxes.answers = {Answer::Ok, Answer::Ok};
        Child(w, "mnuProRead")->trigger();
        QVERIFY(WaitForIdle(w));
        QCOMPARE(h.boxes.texts().last(), h.ctx->language.LangText(2004));
        const FiveToneSettings& s = h.doc().Model.FiveTone;
        QCOMPARE(s.SelfId.trimmed(), std::string("12345"));
        QCOMPARE(s.Standard, uint8_t{6});
        QCOMPARE(s.ToneLength, uint8_t{100});
        QCOMPARE(s.PauseCode, int16_t{12});
        QCOMPARE(s.PauseTime, int16_t{30});
        QCOMPARE(s.PttIdBegin.Code.trimmed(), std::string("12345"));
        QCOMPARE(s.InfoCodes[0].DecodeFunction, uint8_t{1});
        QCOMPARE(s.InfoCodes[0].Digits.trimmed(), std::string("777"));
        QCOMPARE(s.InfoCodes[0].Name.trimmed(), std::string("BOSS"));
        QCOMPARE(s.CallList[9].Code.trimmed(), std::string("1E2E3"));
        QCOMPARE(s.CallList[9].IsEmpty, int16_t{0});
    }
};

}  // namespace tq8615::app

QTEST_MAIN(tq8615::app::FiveToneTest)
#include "app_five_tone_test.moc"
