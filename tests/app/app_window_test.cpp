// The main window and its dialogs as a user meets them: where the window goes, what the
// boxes and dialogs look like, Qt's own texts in Chinese, keys and recently used files.
#include "app_harness.h"

#include "app/dialog_hooks.h"
#include "app/frm_about.h"
#include "app/frm_emg.h"
#include "app/frm_language.h"
#include "app/frm_password.h"
#include "app/window_geometry.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QStatusBar>
#include <QWindow>

using namespace tq8615;
using namespace tq8615::app;

namespace {

// Runs `check` on the modal window that opens next, then closes it.
void onNextModal(std::function<void(QWidget&)> check)
{
    QTimer::singleShot(0, [check = std::move(check)] {
        QWidget* w = QApplication::activeModalWidget();
        if (!w) {
            onNextModal(check);
            return;
        }
        check(*w);
        w->close();
    });
}

QStringList buttonTexts(const QWidget& w)
{
    QStringList texts;
    for (auto* b : w.findChildren<QAbstractButton*>())
        if (b->isVisible())
            texts.append(b->text().remove(QLatin1Char('&')));
    texts.sort();
    return texts;
}

QRect storedFrame()
{
    QSettings store;
    store.beginGroup(QStringLiteral("Settings"));
    return {store.value(QStringLiteral("MainLeft")).toInt() / 15, store.value(QStringLiteral("MainTop")).toInt() / 15,
            store.value(QStringLiteral("MainWidth")).toInt() / 15, store.value(QStringLiteral("MainHeight")).toInt() / 15};
}

}  // namespace

class AppWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void fitOnScreens_data();
    void fitOnScreens();
    void geometryStaysPutOverRestarts();
    void firstStartFitsTheScreenWithItsFrame();
    void messageBoxesShowTitleAndIcon();
    void modalDialogsHaveOnlyAClosingButton();
    void qtTextsFollowTheLanguage();
    void captionsFromMenusHaveNoMarkers();
    void passwordPresetIsReplacedByTyping();
    void embeddedInformationLooksReadOnly();
    void radioShortcutsAreFreeAndNamed();
    void fileDialogsStartWhereTheUserWorks();
    void recentFilesOpenAndClear();
};

void AppWindowTest::fitOnScreens_data()
{
    QTest::addColumn<QRect>("frame");
    QTest::addColumn<QRect>("fitted");
    const QRect screen(0, 0, 1280, 770);
    QTest::newRow("inside stays") << QRect(100, 50, 800, 600) << QRect(100, 50, 800, 600);
    QTest::newRow("below the bottom moves up") << QRect(100, 500, 800, 600) << QRect(100, 170, 800, 600);
    QTest::newRow("taller than the screen shrinks") << QRect(0, 0, 1280, 800) << QRect(0, 0, 1280, 770);
    QTest::newRow("screen that is gone") << QRect(2500, 300, 1900, 1100) << QRect(0, 0, 1280, 770);
    QTest::newRow("left of the screen") << QRect(-400, 10, 600, 400) << QRect(0, 10, 600, 400);
}

void AppWindowTest::fitOnScreens()
{
    QFETCH(QRect, frame);
    QFETCH(QRect, fitted);
    QCOMPARE(FitOnScreens(frame, {QRect(0, 0, 1280, 770)}), fitted);
    // On a second monitor to the right the frame goes onto the screen it mostly lies on.
    const QList<QRect> two{QRect(0, 0, 1280, 770), QRect(1280, 0, 1920, 1050)};
    QCOMPARE(FitOnScreens(QRect(1500, 100, 800, 600), two), QRect(1500, 100, 800, 600));
    QCOMPARE(FitOnScreens(QRect(3000, 900, 800, 600), two), QRect(2400, 450, 800, 600));
}

void AppWindowTest::geometryStaysPutOverRestarts()
{
    Harness first;  // sets up the per-user store in its temporary folder
    first.window.reset();
    const QRect screen(0, 0, 1280, 770);
    first.ctx->screenAreas = [screen] { return QList<QRect>{screen}; };
    StoreFrame(QRect(120, 80, 900, 600));
    QRect shown;
    for (int run = 0; run < 4; ++run) {
        frmMain w(*first.ctx);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTest::qWait(10);
        if (run == 0)
            shown = w.frameGeometry();
        QCOMPARE(w.frameGeometry(), shown);
        QVERIFY(w.close());
        QCOMPARE(storedFrame(), QRect(120, 80, 900, 600));
    }
    QCOMPARE(shown, QRect(120, 80, 900, 600));
}

void AppWindowTest::firstStartFitsTheScreenWithItsFrame()
{
    Harness h;
    h.window.reset();
    // A 1280x800 screen whose panel takes 30 pixels.
    const QRect area(0, 30, 1280, 770);
    h.ctx->screenAreas = [area] { return QList<QRect>{area}; };
    frmMain w(*h.ctx);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QTest::qWait(10);
    QVERIFY(area.contains(w.frameGeometry()));
    QCOMPARE(w.frameGeometry().height(), area.height());
    QStatusBar* bar = w.statusBar();
    QVERIFY(bar->isVisible());
    const QRect barOnScreen(bar->mapToGlobal(QPoint(0, 0)), bar->size());
    QVERIFY2(area.contains(barOnScreen), "the status bar is on the screen");
}

void AppWindowTest::messageBoxesShowTitleAndIcon()
{
    Harness h;
    QtMessageBox boxes;
    struct Case { Icon icon; QMessageBox::Icon shown; };
    for (const Case c : {Case{Icon::Critical, QMessageBox::Critical}, Case{Icon::Warning, QMessageBox::Warning},
                         Case{Icon::Question, QMessageBox::Question}}) {
        onNextModal([&](QWidget& w) {
            auto& box = static_cast<QMessageBox&>(w);
            QCOMPARE(box.icon(), c.shown);
            const QFontMetrics title(QApplication::font("QMdiSubWindowTitleBar"));
            QVERIFY(box.width() >= title.horizontalAdvance(box.windowTitle()) + 150);
        });
        boxes.inform(h.window.get(), c.icon, AppTitle(), h.ctx->language.text(BuiltinText::WrongBand));
    }
    // A message of no stated kind is not shown bare.
    QCOMPARE(IconOf(Message::Icon::None), Icon::Warning);
    QCOMPARE(IconOf(BandErrorMessage().icon), Icon::Critical);
}

void AppWindowTest::modalDialogsHaveOnlyAClosingButton()
{
    Harness h;
    auto checkFlags = [](QWidget& w) {
        const Qt::WindowFlags f = w.windowFlags();
        QVERIFY(f.testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!f.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!f.testFlag(Qt::WindowMaximizeButtonHint));
    };
    frmAbout about(h.ctx->language, h.boxes, h.window.get());
    onNextModal(checkFlags);
    DialogHooks::Real().run(about);
    onNextModal(checkFlags);
    QtMessageBox().inform(h.window.get(), Icon::Warning, AppTitle(), QStringLiteral("x"));
}

void AppWindowTest::qtTextsFollowTheLanguage()
{
    Harness h(QStringLiteral("zh_CN"));
    QtMessageBox boxes;
    struct Case { Buttons buttons; QStringList texts; };
    QStringList seen;
    for (const Case& c : {Case{Buttons::YesNoCancel, {QStringLiteral("Cancel"), QStringLiteral("No"), QStringLiteral("Yes")}},
                          Case{Buttons::RetryCancel, {QStringLiteral("Cancel"), QStringLiteral("Retry")}}}) {
        onNextModal([&](QWidget& w) {
            const QStringList texts = buttonTexts(w);
            QCOMPARE(texts.size(), c.texts.size());
            for (const QString& english : c.texts)
                QVERIFY2(!texts.contains(english), qPrintable(texts.join(QLatin1Char(' '))));
            seen += texts;
        });
        boxes.ask(h.window.get(), Icon::Question, AppTitle(), QStringLiteral("?"), c.buttons);
    }
    QVERIFY(seen.contains(QStringLiteral("取消")));

    // The open dialog's buttons too.
    onNextModal([](QWidget& w) {
        auto* dialog = qobject_cast<QFileDialog*>(&w);
        QVERIFY(dialog);
        const QStringList texts = buttonTexts(*dialog->findChild<QDialogButtonBox*>());
        QVERIFY2(texts.contains(QStringLiteral("取消")), qPrintable(texts.join(QLatin1Char(' '))));
    });
    QFileDialog open(h.window.get(), QString(), h.config.path(), h.window->fileFilter());
    open.setOption(QFileDialog::DontUseNativeDialog);
    DialogHooks::Real().run(open);

    // Switched to English with the language window: Qt's texts follow.
    h.ctx->dialogs.run = [](QDialog& d) {
        auto* window = qobject_cast<FrmLanguage*>(&d);
        window->Combo1->setCurrentIndex(0);
        window->CommandOK->click();
        return d.result();
    };
    h.window->MnuSetLanguage_Click();
    onNextModal([](QWidget& w) { QCOMPARE(buttonTexts(w), (QStringList{QStringLiteral("Cancel"), QStringLiteral("Retry")})); });
    boxes.ask(h.window.get(), Icon::Warning, AppTitle(), QStringLiteral("?"), Buttons::RetryCancel);
}

void AppWindowTest::captionsFromMenusHaveNoMarkers()
{
    for (const char* locale : {"en_US", "zh_CN"}) {
        Harness h(QString::fromLatin1(locale));
        frmAbout about(h.ctx->language, h.boxes);
        QVERIFY(!about.windowTitle().isEmpty());
        QVERIFY2(!about.windowTitle().contains(QLatin1Char('&')), qPrintable(about.windowTitle()));
        QCOMPARE(about.windowTitle(), StripMnemonic(h.ctx->language.LangText(TextKey::MenuAbout)));
    }
}

void AppWindowTest::passwordPresetIsReplacedByTyping()
{
    Harness h;
    FrmPassWord w(h.ctx->language, QStringLiteral("9999"));
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("1234"));
    QCOMPARE(w.password(), QStringLiteral("1234"));
}

void AppWindowTest::embeddedInformationLooksReadOnly()
{
    Harness h;
    EmbeddedInfo info;
    info.SerialNumber = "TQ1";
    FrmEMG w(h.ctx->language, info);
    const auto looksReadOnly = [](QWidget* field) {
        return field->palette().color(QPalette::Base) == field->palette().color(QPalette::Window);
    };
    for (QLineEdit* field : w.findChildren<QLineEdit*>()) {
        if (qobject_cast<QComboBox*>(field->parentWidget()))
            continue;
        QVERIFY2(field->isReadOnly() && looksReadOnly(field), qPrintable(field->objectName()));
    }
    for (QPlainTextEdit* field : w.findChildren<QPlainTextEdit*>())
        QVERIFY2(field->isReadOnly() && looksReadOnly(field), qPrintable(field->objectName()));
}

void AppWindowTest::radioShortcutsAreFreeAndNamed()
{
    Harness h;
    frmMain& w = *h.window;
    QList<QKeySequence> standard;
    for (int k = QKeySequence::HelpContents; k <= QKeySequence::Cancel; ++k)
        standard += QKeySequence::keyBindings(static_cast<QKeySequence::StandardKey>(k));
    struct Case { const char* item; const char* button; };
    for (const Case c : {Case{"mnuProRead", "TCommRead"}, Case{"MnuProWrite", "TCommWrite"}}) {
        QAction* item = Child(w, c.item);
        const QKeySequence key = item->shortcut();
        QVERIFY2(!key.isEmpty(), c.item);
        QVERIFY2(!standard.contains(key), qPrintable(key.toString()));
        QVERIFY2(key != QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_W), "closes windows in many programs");
        for (QAction* other : w.findChildren<QAction*>())
            QVERIFY2(other == item || other->shortcut() != key, qPrintable(other->objectName()));
        QVERIFY(Child(w, c.button)->toolTip().contains(key.toString(QKeySequence::NativeText)));
    }
}

void AppWindowTest::fileDialogsStartWhereTheUserWorks()
{
    Harness h;
    QStringList folders;
    h.ctx->dialogs.openPath = [&](QWidget*, const QString& folder, const QString&) {
        folders.append(folder);
        return QString();
    };
    QString preset;
    h.ctx->dialogs.savePath = [&](QWidget*, const QString& proposed, const QString&) {
        preset = proposed;
        return h.config.filePath(QStringLiteral("work/a.dat"));
    };
    h.window->mnuFileOpen_Click();
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QCOMPARE(folders.last(), documents);
    QCOMPARE(preset, QString());

    QDir(h.config.path()).mkpath(QStringLiteral("work"));
    QVERIFY(h.window->mnuFileSaveAs_Click());
    QCOMPARE(preset, QDir(documents).filePath(QStringLiteral("new.dat")));
    h.window->mnuFileOpen_Click();
    QCOMPARE(folders.last(), h.config.filePath(QStringLiteral("work")));

    // After New the data has no file: the last folder used, kept per user.
    h.boxes.answers = {Answer::Ok};
    h.window->mnuFileNew_Click();
    h.window.reset();
    frmMain again(*h.ctx);
    again.mnuFileOpen_Click();
    QCOMPARE(folders.last(), h.config.filePath(QStringLiteral("work")));
}

void AppWindowTest::recentFilesOpenAndClear()
{
    Harness h;
    QDir(h.config.path()).mkpath(QStringLiteral("files"));
    QStringList paths;
    for (const char* name : {"one.dat", "two.dat"}) {
        paths.append(h.config.filePath(QStringLiteral("files/") + QString::fromLatin1(name)));
        h.ctx->dialogs.savePath = [&](QWidget*, const QString&, const QString&) { return paths.last(); };
        QVERIFY(h.window->mnuFileSaveAs_Click());
    }
    h.window.reset();
    frmMain w(*h.ctx);
    // Most recent first, kept over a restart.
    QCOMPARE(Child(w, "mnuFileRecent1")->toolTip(), paths[1]);
    QCOMPARE(Child(w, "mnuFileRecent2")->toolTip(), paths[0]);
    Child(w, "mnuFileRecent2")->trigger();
    QCOMPARE(QString::fromStdString(h.doc().CurrentFileName), paths[0]);
    QCOMPARE(Child(w, "mnuFileRecent1")->toolTip(), paths[0]);

    // A file that is gone leaves the list.
    QVERIFY(QFile::remove(paths[1]));
    Child(w, "mnuFileRecent2")->trigger();
    QVERIFY(!w.findChild<QAction*>(QStringLiteral("mnuFileRecent2")));

    Child(w, "mnuFileRecentClear")->trigger();
    QVERIFY(!w.findChild<QAction*>(QStringLiteral("mnuFileRecent1")));
    QVERIFY(!Child(w, "mnuFileRecentClear")->isEnabled());
}

QTEST_MAIN(AppWindowTest)
#include "app_window_test.moc"
