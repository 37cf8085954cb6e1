#pragma once
// Every message box and modal question of the program goes through this interface, so that
// tests can see what would have been shown and answer it.
#include "model/messages.h"

#include <QString>

class QWidget;

namespace tq8615::app {

class Language;

enum class Answer { Ok, Cancel, Yes, No, Retry };
enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel };
enum class Icon { None, Information, Question, Warning, Critical };

class MessageBoxInterface {
public:
    virtual ~MessageBoxInterface() = default;
    virtual Answer ask(QWidget* parent, Icon icon, const QString& title, const QString& text,
                       Buttons buttons) = 0;
    void inform(QWidget* parent, Icon icon, const QString& title, const QString& text)
    {
        ask(parent, icon, title, text, Buttons::Ok);
    }
};

// The real one: a QMessageBox. Closing the box with Escape or the title bar gives the
// box's escape answer (Cancel, or No for Yes/No), never an accidental Yes.
class QtMessageBox : public MessageBoxInterface {
public:
    Answer ask(QWidget* parent, Icon icon, const QString& title, const QString& text,
               Buttons buttons) override;
};

// Shows the data side's messages through a MessageBoxInterface in the current language.
class BoxMessageSink : public MessageSink {
public:
    BoxMessageSink(MessageBoxInterface& boxes, const Language& language, QWidget* parent)
        : boxes_(boxes), language_(language), parent_(parent) {}
    void show(const Message& message) override;

private:
    MessageBoxInterface& boxes_;
    const Language& language_;
    QWidget* parent_;
};

// The title of the program's plain message boxes.
QString AppTitle();
Icon IconOf(Message::Icon icon);

}  // namespace tq8615::app
