// The DTMF editor and the communication book editor driven offscreen: typing, the checks
// of OK, Cancel, book files, and their settings travelling to the virtual radio and back.
#include "app_harness.h"

#include "editors/frm_commu_book.h"
#include "editors/frm_dtmf.h"
#include "editors/frm_dtmf_special.h"
#include "files/book_file.h"
#include "in_process_radio.h"
#include "model/commu_book_edit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

#include <fstream>

namespace tq8615::app {

namespace {

// Shows a window and makes it active, so that focus and typing work as for a user.
void Activate(QWidget& w)
{
    w.show();
    QApplication::setActiveWindow(&w);
    QVERIFY(QTest::qWaitForWindowActive(&w));
}

QLineEdit* Code(const QWidget& w, int box)
{
    return w.findChild<QLineEdit*>(QStringLiteral("Text2_%1").arg(box));
}

// Types `text` into a box that gets the focus first, as a click on it would.
void TypeInto(QLineEdit* box, const QString& text)
{
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, text);
}

// Opens the cell editor of an entry's column and types into it.
void TypeCell(FrmCommuBook& w, int entry, int column, const QString& text)
{
    w.MSFlexGrid1->setCurrentCell(entry, column);
    QVERIFY(!w.Text1->isHidden());
    w.Text1->selectAll();
    QTest::keyClicks(w.Text1, text);
}

// The special call window answered with a called identity, or cancelled when empty.
void AnswerSpecialCall(AppContext& ctx, const QString& called, QStringList* opened = nullptr)
{
    ctx.dialogs.run = [called, opened](QDialog& d) {
        if (opened)
            opened->append(d.objectName());
        auto* special = qobject_cast<FrmDTMFSpecial*>(&d);
        if (!special || called.isEmpty())
            return int(QDialog::Rejected);
        [special] { QCOMPARE(Child<QLabel>(*special, "Label2")->text(), QStringLiteral("Called ID")); }();
        special->Text1->setText(called);
        special->CommandOK->click();
        return d.result();
    };
}

}  // namespace

class AppDtmfTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void dtmfKeyFilters()
    {
        Harness h;
        FrmDTMF w(*h.ctx);
        Activate(w);
        TypeInto(Code(w, 0), QStringLiteral("12*#abe!x5"));
        QCOMPARE(Code(w, 0)->text(), QStringLiteral("12*#AB5"));
        TypeInto(Code(w, 0), QStringLiteral("12345678901234567"));
        QCOMPARE(Code(w, 0)->text().size(), 16);
        TypeInto(Code(w, 18), QStringLiteral("123456789012345"));
        QCOMPARE(Code(w, 18)->text().size(), 14);
        auto* ownId = Child<QLineEdit>(w, "Text3");
        TypeInto(ownId, QStringLiteral("1a2*3456"));
        QCOMPARE(ownId->text(), QStringLiteral("12345"));
    }

    // 12*# is stored as 12EF with 4 digits and shown back; own identity 12 is saved as 120.
    void dtmfStoresAndShowsBack()
    {
        Harness h;
        {
            FrmDTMF w(*h.ctx);
            Activate(w);
            TypeInto(Code(w, 0), QStringLiteral("12*#"));
            TypeInto(Child<QLineEdit>(w, "Text3"), QStringLiteral("12"));
            Child<QComboBox>(w, "Combo1_12")->setCurrentIndex(0);  // pause off
            Child<QCheckBox>(w, "Check1")->setChecked(true);
            Child<QPushButton>(w, "CommandOK")->click();
            QCOMPARE(w.result(), int(QDialog::Accepted));
        }
        const DtmfSettings& s = h.doc().Model.Dtmf;
        QCOMPARE(s.DtmfCodes[0].Digits.trimmed(), std::string("12EF"));
        QCOMPARE(s.DtmfCodes[0].DigitCount, int16_t{4});
        QCOMPARE(s.DtmfId.trimmed(), std::string("120"));
        QCOMPARE(s.PauseTime, int16_t{0});
        QCOMPARE(s.SideTone, int16_t{1});
        FrmDTMF again(*h.ctx);
        QCOMPARE(Code(again, 0)->text(), QStringLiteral("12*#"));
        QCOMPARE(Child<QLineEdit>(again, "Text3")->text(), QStringLiteral("120"));
    }

    void dtmfEqualKillAndStunRefused()
    {
        Harness h;
        const DtmfSettings before = h.doc().Model.Dtmf;
        FrmDTMF w(*h.ctx);
        Activate(w);
        TypeInto(Code(w, 18), QStringLiteral("123"));
        TypeInto(Code(w, 19), QStringLiteral("123"));
        Child<QPushButton>(w, "CommandOK")->click();
        QCOMPARE(h.boxes.texts(), QStringList{h.ctx->language.LangText(3001)});
        QVERIFY(w.isVisible());
        QCOMPARE(w.focusWidget(), Code(w, 18));
        QVERIFY(h.doc().Model.Dtmf == before);
        // A different stun code passes.
        TypeInto(Code(w, 19), QStringLiteral("124"));
        Child<QPushButton>(w, "CommandOK")->click();
        QCOMPARE(w.result(), int(QDialog::Accepted));
        QCOMPARE(h.doc().Model.Dtmf.StunCode.Digits.trimmed(), std::string("124"));
    }

    // The special call composes into the box last focused; the separator and the own
    // identity follow into composed codes; the first ANI item snaps back.
    void dtmfAniCodes()
    {
        Harness h;
        FrmDTMF w(*h.ctx);
        Activate(w);
        TypeInto(Child<QLineEdit>(w, "Text3"), QStringLiteral("456"));
        QTest::mouseClick(Code(w, 1), Qt::LeftButton);
        QCOMPARE(w.CurDTMFEditID, 1);
        AnswerSpecialCall(*h.ctx, QStringLiteral("7"));
        Child<QPushButton>(w, "CommandSpecial")->click();
        QCOMPARE(Code(w, 1)->text(), QStringLiteral("700*456"));

        Child<QComboBox>(w, "Combo1_5")->setCurrentIndex(5);  // "#"
        QCOMPARE(Code(w, 1)->text(), QStringLiteral("700#456"));
        auto* ownId = Child<QLineEdit>(w, "Text3");
        TypeInto(ownId, QStringLiteral("78"));
        QTest::keyClick(ownId, Qt::Key_Return);
        QCOMPARE(ownId->text(), QStringLiteral("780"));
        QCOMPARE(Code(w, 1)->text(), QStringLiteral("700#780"));

        // Never into the kill or stun code.
        QStringList opened;
        AnswerSpecialCall(*h.ctx, QStringLiteral("9"), &opened);
        QTest::mouseClick(Code(w, 18), Qt::LeftButton);
        Child<QPushButton>(w, "CommandSpecial")->click();
        QVERIFY(opened.isEmpty());
        QCOMPARE(Code(w, 18)->text(), QString());

        auto* ani = Child<QComboBox>(w, "Combo1_1");
        QCOMPARE(ani->currentIndex(), 0);  // as stored
        Q_EMIT ani->activated(0);
        QCOMPARE(ani->currentIndex(), 1);
        ani->setCurrentIndex(0);
        QCOMPARE(ani->currentIndex(), 1);
    }

    void cancelLeavesModelUnchanged()
    {
        Harness h;
        h.doc().Model.Dtmf.DtmfIdLength = 7;  // the window repairs its own copy only
        const EditingModel before = h.doc().Model;
        {
            FrmDTMF w(*h.ctx);
            Activate(w);
            TypeInto(Code(w, 3), QStringLiteral("999"));
            Child<QComboBox>(w, "Combo1_8")->setCurrentIndex(100);
            QTest::keyClick(&w, Qt::Key_Escape);
            QCOMPARE(w.result(), int(QDialog::Rejected));
        }
        {
            FrmCommuBook w(*h.ctx);
            Activate(w);
            TypeCell(w, 0, 1, QStringLiteral("555"));
            w.MSFlexGrid1->setCurrentCell(1, 1);
            QCOMPARE(w.WorkingBook[0].CallId.trimmed(), std::string("555"));
            w.CommandCancel->click();
        }
        QVERIFY(h.doc().Model == before);
    }

    // Typing commits when the cell is left: 123 keeps a NUL, abc becomes ABC, names take six.
    void bookCells()
    {
        Harness h;
        FrmCommuBook w(*h.ctx);
        Activate(w);
        QCOMPARE(w.MSFlexGrid1->rowCount(), 128);
        QCOMPARE(w.MSFlexGrid1->item(127, 0)->text(), QStringLiteral("127"));
        w.MSFlexGrid1->setCurrentCell(3, 0);
        QVERIFY(!w.Text1->isVisible());
        TypeCell(w, 0, 1, QStringLiteral("1a2-3"));
        QCOMPARE(w.Text1->text(), QStringLiteral("123"));
        TypeCell(w, 0, 2, QStringLiteral("a\\b~c"));
        QCOMPARE(w.WorkingBook[0].CallId.raw(), std::string_view("123\0 ", 5));
        QCOMPARE(w.MSFlexGrid1->item(0, 1)->text(), QStringLiteral("123"));
        QCOMPARE(w.Text1->text(), QStringLiteral("ABC"));
        TypeCell(w, 1, 2, QStringLiteral("abcdefgh"));
        QCOMPARE(w.Text1->text(), QStringLiteral("ABCDEF"));
        QCOMPARE(w.MSFlexGrid1->item(0, 2)->text(), QStringLiteral("ABC"));
        // OK stores the cell still being edited.
        w.CommandOK->click();
        const CommuBook& book = h.doc().Model.Book;
        QCOMPARE(book[0].Name.trimmed(), std::string("ABC"));
        QCOMPARE(book[1].Name.raw(), std::string_view("ABCDEF\0", 7));
    }

    void bookFiles()
    {
        Harness h;
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("book.bin"));
        QStringList offered;
        QString answer;
        h.ctx->dialogs.savePath = [&](QWidget*, const QString& preset, const QString&) {
            offered.append(preset);
            return answer;
        };
        h.ctx->dialogs.openPath = [&](QWidget*, const QString& preset, const QString&) {
            offered.append(preset);
            return answer;
        };
        FrmCommuBook w(*h.ctx);
        Activate(w);
        TypeCell(w, 4, 1, QStringLiteral("54321"));
        TypeCell(w, 4, 2, QStringLiteral("joe"));
        answer = file;
        w.CommandOutput->click();  // stores the open cell first
        QVERIFY(h.boxes.shown.isEmpty());
        const CommuBook exported = w.WorkingBook;
        QCOMPARE(exported[4].Name.trimmed(), std::string("JOE"));

        // Changed, then imported back: the book as exported.
        TypeCell(w, 4, 1, QStringLiteral("1"));
        w.MSFlexGrid1->setCurrentCell(5, 1);
        w.CommandInput->click();
        QVERIFY(w.WorkingBook == exported);
        QCOMPARE(w.MSFlexGrid1->item(4, 1)->text(), QStringLiteral("54321"));
        QCOMPARE(offered.last(), file);  // the last name is offered again

        // A cancelled dialog does nothing.
        answer.clear();
        TypeCell(w, 6, 1, QStringLiteral("77"));
        w.MSFlexGrid1->setCurrentCell(7, 1);
        const CommuBook edited = w.WorkingBook;
        w.CommandInput->click();
        w.CommandOutput->click();
        QVERIFY(w.WorkingBook == edited);
        QVERIFY(h.boxes.shown.isEmpty());

        // A file longer than a book is refused: "file error.", the book unchanged.
        answer = dir.filePath(QStringLiteral("long.bin"));
        std::ofstream(answer.toStdString(), std::ios::binary) << std::string(kBookFileSize + 1, '1');
        w.CommandInput->click();
        QCOMPARE(h.boxes.shown.size(), 1);
        QVERIFY(h.boxes.shown[0].text.startsWith(h.ctx->language.text(BuiltinText::FileError)));
        QVERIFY(w.WorkingBook == edited);
        QVERIFY(w.isVisible());

        // An export that cannot be written says so and leaves nothing behind.
        answer = dir.filePath(QStringLiteral("missing/book.bin"));
        w.CommandOutput->click();
        QCOMPARE(h.boxes.shown.size(), 2);
        QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("missing"))));
        CommuBook onDisk{};
        std::string reason;
        QVERIFY(LoadBookFile(file.toStdString(), onDisk, reason));
        QVERIFY(onDisk == exported);
    }

    void menuAndTree()
    {
        Harness h;
        frmMain& w = *h.window;
        const Language& l = h.ctx->language;
        QStringList keys;
        QTreeWidgetItem* root = Tree(w)->topLevelItem(0);
        for (int i = 0; i < root->childCount(); ++i)
            keys.append(root->child(i)->data(0, Qt::UserRole).toString());
        QVERIFY(keys.indexOf(QStringLiteral("N16")) < keys.indexOf(QStringLiteral("N5")));
        QVERIFY(keys.indexOf(QStringLiteral("N5")) < keys.indexOf(QStringLiteral("N8")));
        QVERIFY(keys.indexOf(QStringLiteral("N8")) < keys.indexOf(QStringLiteral("N9")));
        QCOMPARE(TreeNode(w, QStringLiteral("N5"))->text(0), l.LangText(5023));
        QCOMPARE(TreeNode(w, QStringLiteral("N8"))->text(0), l.LangText(5804));
        QCOMPARE(Child(w, "MnuViewDTMF")->text(), l.LangText(1023));
        QCOMPARE(Child(w, "MnuCommBook")->text(), l.LangText(1804));
        QStringList opened;
        h.ctx->dialogs.run = [&opened](QDialog& d) {
            opened.append(d.objectName());
            return int(QDialog::Rejected);
        };
        Q_EMIT Tree(w)->itemClicked(TreeNode(w, QStringLiteral("N5")), 0);
        Q_EMIT Tree(w)->itemClicked(TreeNode(w, QStringLiteral("N8")), 0);
        QCOMPARE(opened, (QStringList{QStringLiteral("FrmDTMF"), QStringLiteral("FrmCommuBook")}));
    }

    // Edited in the windows, written to the virtual radio, read back: the same settings.
    void windowsToRadioAndBack()
    {
        sim::VirtualRadio radio;
        radio.identity.band = 2;
        Harness h;
        frmMain& w = *h.window;
        w.show();
        ConnectInProcessRadio(w, radio);
        h.ctx->dialogs.run = [](QDialog& d) {
            if (auto* dtmf = qobject_cast<FrmDTMF*>(&d)) {
                TypeInto(Code(*dtmf, 0), QStringLiteral("12*#"));
                TypeInto(Code(*dtmf, 16), QStringLiteral("A1"));
                TypeInto(Code(*dtmf, 18), QStringLiteral("999"));
                TypeInto(Child<QLineEdit>(*dtmf, "Text3"), QStringLiteral("321"));
                Child<QComboBox>(*dtmf, "Combo1_5")->setCurrentIndex(1);
                Child<QComboBox>(*dtmf, "Combo1_9")->setCurrentIndex(4);
                Child<QCheckBox>(*dtmf, "Check1")->setChecked(true);
                Child<QPushButton>(*dtmf, "CommandOK")->click();
            } else if (auto* book = qobject_cast<FrmCommuBook*>(&d)) {
                TypeCell(*book, 0, 1, QStringLiteral("123"));
                TypeCell(*book, 0, 2, QStringLiteral("abc"));
                TypeCell(*book, 1, 1, QStringLiteral("45678"));
                book->CommandOK->click();
            }
            return d.result();
        };
        Child(w, "MnuViewDTMF")->trigger();
        Child(w, "MnuCommBook")->trigger();
        QCOMPARE(h.doc().Model.Book[0].CallId.raw(), std::string_view("123\0 ", 5));

        h.boxes.answers = {Answer::Ok, Answer::Ok};
        w.MnuProWrite_Click();
        QVERIFY(WaitForIdle(w));
        QCOMPARE(h.boxes.texts().last(), h.ctx->language.text(BuiltinText::WrittenAndVerified));
        QCOMPARE(std::vector<uint8_t>(radio.memory.begin() + 10464, radio.memory.begin() + 10469),
                 (std::vector<uint8_t>{49, 50, 51, 0, 0}));
        const DtmfSettings dtmf = h.doc().Model.Dtmf;
        const CommuBook book = h.doc().Model.Book;

        w.MnuSetInit_Click();
        QVERIFY(!(h.doc().Model.Dtmf == dtmf));
        h.boxes.answers = {Answer::Ok, Answer::Ok};
        w.mnuProRead_Click();
        QVERIFY(WaitForIdle(w));
        const DtmfSettings& back = h.doc().Model.Dtmf;
        QCOMPARE(back.DtmfCodes[0].Digits.trimmed(), std::string("12EF"));
        QCOMPARE(back.DtmfPttIdBegin.Digits.trimmed(), std::string("A1"));
        QCOMPARE(back.KillCode.Digits.trimmed(), std::string("999"));
        QCOMPARE(back.DtmfId.trimmed(), std::string("321"));
        QCOMPARE(back.SeparatorCode, dtmf.SeparatorCode);
        QCOMPARE(back.SeparatorCode, int16_t{11});
        QCOMPARE(back.PreSendDelay, int16_t{5});
        QCOMPARE(back.SideTone, int16_t{1});
        for (std::size_t e = 0; e < book.size(); ++e) {
            QCOMPARE(h.doc().Model.Book[e].CallId.trimmed(), book[e].CallId.trimmed());
            QCOMPARE(h.doc().Model.Book[e].Name.trimmed(), book[e].Name.trimmed());
        }
        QCOMPARE(h.doc().Model.Book[0].Name.trimmed(), std::string("ABC"));
        QCOMPARE(h.doc().Model.Book[1].CallId.trimmed(), std::string("45678"));
    }
};

}  // namespace tq8615::app

QTEST_MAIN(tq8615::app::AppDtmfTest)
#include "app_dtmf_test.moc"
