#include "message_box.h"

#include "dialog_hooks.h"
#include "language.h"

#include <QApplication>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>

#include <algorithm>

namespace tq8615::app {

QString AppTitle() { return QStringLiteral("TQ8615"); }

Icon IconOf(Message::Icon icon)
{
    switch (icon) {
    case Message::Icon::Information: return Icon::Information;
    case Message::Icon::Warning: return Icon::Warning;
    case Message::Icon::Error: return Icon::Critical;
    case Message::Icon::None: break;
    }
    // A message of no stated kind reports something the user should look at.
    return Icon::Warning;
}

namespace {

// A message box is at least wide enough for its whole title beside the title bar's
// buttons, however short its text ("Band Error!").
void widenForTitle(QMessageBox& box)
{
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (!grid)
        return;
    const QFontMetrics title(QApplication::font("QMdiSubWindowTitleBar"));
    const int width = std::max(320, title.horizontalAdvance(box.windowTitle()) + 200);
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Minimum), grid->rowCount(), 0, 1,
                  grid->columnCount());
}

}  // namespace

Answer QtMessageBox::ask(QWidget* parent, Icon icon, const QString& title, const QString& text,
                         Buttons buttons)
{
    QMessageBox box(parent);
    box.setWindowFlags(ModalDialogFlags());
    box.setWindowTitle(title.isEmpty() ? AppTitle() : title);
    box.setText(text);
    switch (icon) {
    case Icon::None: box.setIcon(QMessageBox::NoIcon); break;
    case Icon::Information: box.setIcon(QMessageBox::Information); break;
    case Icon::Question: box.setIcon(QMessageBox::Question); break;
    case Icon::Warning: box.setIcon(QMessageBox::Warning); break;
    case Icon::Critical: box.setIcon(QMessageBox::Critical); break;
    }
    switch (buttons) {
    case Buttons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
    case Buttons::OkCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    case Buttons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    case Buttons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    case Buttons::RetryCancel: box.setStandardButtons(QMessageBox::Retry | QMessageBox::Cancel); break;
    }
    widenForTitle(box);
    switch (box.exec()) {
    case QMessageBox::Ok: return Answer::Ok;
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    case QMessageBox::Retry: return Answer::Retry;
    default: break;
    }
    return buttons == Buttons::YesNo ? Answer::No : buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
}

void BoxMessageSink::show(const Message& message)
{
    boxes_.inform(parent_, IconOf(message.icon), AppTitle(), language_.text(message));
}

}  // namespace tq8615::app
