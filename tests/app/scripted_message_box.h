#pragma once
// A message box that shows nothing: it records every question and answers from a script.
#include "app/message_box.h"

#include <QList>
#include <QString>

namespace tq8615::app {

class ScriptedMessageBox : public MessageBoxInterface {
public:
    struct Shown {
        Icon icon;
        QString title;
        QString text;
        Buttons buttons;
    };

    Answer ask(QWidget*, Icon icon, const QString& title, const QString& text,
               Buttons buttons) override
    {
        shown.append({icon, title, text, buttons});
        if (!answers.isEmpty())
            return answers.takeFirst();
        // Unscripted: the harmless answer of each kind of box.
        switch (buttons) {
        case Buttons::Ok: return Answer::Ok;
        case Buttons::YesNo: return Answer::No;
        default: return Answer::Cancel;
        }
    }

    QStringList texts() const
    {
        QStringList t;
        for (const Shown& s : shown)
            t.append(s.text);
        return t;
    }

    QList<Answer> answers;
    QList<Shown> shown;
};

}  // namespace tq8615::app
