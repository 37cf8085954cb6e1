#include "input_rules.h"

#include "app/language.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

namespace tq8615::app {

namespace {

void FocusNext(QWidget* from)
{
    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
    QCoreApplication::sendEvent(from, &tab);
}

bool IsEnter(const QKeyEvent* key) { return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter; }

class EnterFilter : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress && IsEnter(static_cast<QKeyEvent*>(event))) {
            FocusNext(static_cast<QWidget*>(watched));
            return true;
        }
        return false;
    }
};

// The box's character set travels with the box, so a box that serves several kinds of
// field can change it.
constexpr const char* kCharSetProperty = "tqCharSet";

class TextFilter : public QObject {
public:
    TextFilter(QLineEdit* box, bool moveOn) : QObject(box), box_(box), moveOn_(moveOn) {}

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::FocusIn) {
            // After the click that gave the focus has placed the cursor.
            QTimer::singleShot(0, box_, &QLineEdit::selectAll);
            return false;
        }
        if (event->type() != QEvent::KeyPress)
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        if (IsEnter(key)) {
            FocusNext(box_);
            return true;
        }
        if (key->matches(QKeySequence::Cut) || key->matches(QKeySequence::Copy) || key->matches(QKeySequence::Paste) ||
            ((key->modifiers() & Qt::ControlModifier) &&
             (key->key() == Qt::Key_X || key->key() == Qt::Key_C || key->key() == Qt::Key_V)))
            return true;
        const QString text = key->text();
        if (text.size() != 1 || !text.at(0).isPrint() || (key->modifiers() & Qt::ControlModifier))
            return false;  // Backspace, Delete, arrows and the like work as usual
        if (text.at(0).unicode() > 127)
            return true;
        const auto set = static_cast<CharSet>(box_->property(kCharSetProperty).toInt());
        const char accepted = AcceptTyped(set, static_cast<char>(text.at(0).unicode()));
        if (accepted == '\0')
            return true;
        if (box_->maxLength() > 0 && box_->text().size() >= box_->maxLength() && !box_->hasSelectedText())
            return true;
        box_->insert(QString(QLatin1Char(accepted)));
        if (moveOn_)
            FocusNext(box_);
        return true;
    }

private:
    QLineEdit* box_;
    bool moveOn_;
};

}  // namespace

void EnterMovesOn(QWidget* control) { control->installEventFilter(new EnterFilter(control)); }

void AttachTextRules(QLineEdit* box, CharSet set, bool moveOnAfterChar)
{
    box->setContextMenuPolicy(Qt::NoContextMenu);
    // Neither a drop nor an input method may bring in what the keyboard rules refuse.
    box->setAcceptDrops(false);
    box->setAttribute(Qt::WA_InputMethodEnabled, false);
    SetCharSet(box, set);
    box->installEventFilter(new TextFilter(box, moveOnAfterChar));
}

void SetCharSet(QLineEdit* box, CharSet set) { box->setProperty(kCharSetProperty, static_cast<int>(set)); }

void NameCharacterBoxes(const QString& label, std::span<QLineEdit* const> boxes)
{
    const QString name = StripMnemonic(label).remove(QLatin1Char(':')).trimmed();
    for (std::size_t k = 0; k < boxes.size(); ++k)
        boxes[k]->setAccessibleName(name + QLatin1Char(' ') + QString::number(k + 1));
}

}  // namespace tq8615::app
