// Every editor window used with the keyboard alone and read by a screen reader: Tab reaches
// every control that takes input, and every such control carries a name (a label tied to
// it, its own text, or an accessible name).
#include "app_harness.h"

#include "app/editor_list.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSet>

using namespace tq8615;
using namespace tq8615::app;

namespace {

bool TakesInput(const QWidget* w)
{
    return w->isVisibleTo(w->window()) && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) &&
           (qobject_cast<const QLineEdit*>(w) || qobject_cast<const QComboBox*>(w) ||
            qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QAbstractItemView*>(w));
}

// The name a screen reader announces for the control.
QString SpokenName(const QWidget* w, const QSet<const QWidget*>& labelled)
{
    if (!w->accessibleName().isEmpty())
        return w->accessibleName();
    if (auto* button = qobject_cast<const QAbstractButton*>(w))
        return button->text();
    return labelled.contains(w) ? QStringLiteral("label") : QString();
}

QString Describe(const QWidget* w)
{
    return QString::fromLatin1(w->metaObject()->className()) + QLatin1Char(' ') + w->objectName();
}

}  // namespace

class AppKeyboardTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void editorsAreReachableAndNamed_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("editor");
        for (const char* locale : {"en_US", "zh_CN"})
            for (int i = 0; i < int(EditorList().size()); ++i)
                QTest::addRow("%s %s", locale, qPrintable(EditorList()[std::size_t(i)].menuItem))
                    << QString::fromLatin1(locale) << i;
    }
    void editorsAreReachableAndNamed()
    {
        QFETCH(QString, locale);
        QFETCH(int, editor);
        Harness h(locale);
        h.ctx->CurrentChannel = 1;
        const std::unique_ptr<QDialog> w = EditorList()[std::size_t(editor)].make(*h.ctx, nullptr);
        w->show();
        QApplication::setActiveWindow(w.get());
        QVERIFY(QTest::qWaitForWindowActive(w.get()));

        QSet<const QWidget*> labelled;
        for (const QLabel* label : w->findChildren<QLabel*>())
            if (label->buddy())
                labelled.insert(label->buddy());
        QList<QWidget*> expected;
        for (QWidget* c : w->findChildren<QWidget*>())
            if (c->window() == w.get() && TakesInput(c))
                expected.append(c);
        QVERIFY(!expected.isEmpty());

        // Tab from the first control until the focus comes round again.
        expected.first()->setFocus(Qt::TabFocusReason);
        QSet<QWidget*> reached;
        for (int step = 0; step < 4 * expected.size() + 8; ++step) {
            QWidget* focus = QApplication::focusWidget();
            if (!focus || reached.contains(focus))
                break;
            reached.insert(focus);
            QTest::keyClick(focus, Qt::Key_Tab);
        }
        for (QWidget* c : expected) {
            QVERIFY2(reached.contains(c), qPrintable(Describe(c) + QStringLiteral(" is not reached by Tab")));
            QVERIFY2(!SpokenName(c, labelled).trimmed().isEmpty(),
                     qPrintable(Describe(c) + QStringLiteral(" has no name")));
        }
        w->reject();
    }
};

QTEST_MAIN(AppKeyboardTest)
#include "app_keyboard_test.moc"
