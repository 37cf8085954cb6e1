#include "message_box.h"

#include "language.h"

#include <QMessageBox>

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
    return Icon::None;
}

Answer QtMessageBox::ask(QWidget* parent, Icon icon, const QString& title, const QString& text,
                         Buttons buttons)
{
    QMessageBox box(parent);
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
