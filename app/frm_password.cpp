#include "frm_password.h"

#include "dialog_util.h"
#include "language.h"

#include <QGridLayout>
#include <QPushButton>
#include <QLabel>
#include <QLineEdit>

namespace tq8615::app {

FrmPassWord::FrmPassWord(const Language& language, const QString& preset, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmPassWord"));
    SetTag(this, TextKey::PasswordCaption);
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    SetTag(Label1, TextKey::PasswordLabel);
    Text1 = new QLineEdit(preset, this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setMinimumWidth(140);
    const OkCancel buttons = MakeOkCancel(this);
    CommandOK = buttons.ok;
    CommandCancel = buttons.cancel;

    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(Twips(50) + 4);
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(Text1, 0, 1);
    grid->addLayout(buttons.row, 1, 0, 1, 2);
    ApplyLanguage(this, language);

    connect(CommandOK, &QPushButton::clicked, this, &QDialog::accept);
    // The text typed replaces the preset, which is often the password the radio refused.
    Text1->selectAll();
    Text1->setFocus();
}

QString FrmPassWord::password() const
{
    QString text = Text1->text();
    if (const qsizetype nul = text.indexOf(QChar(0)); nul >= 0)
        text.truncate(nul);
    while (text.endsWith(QLatin1Char(' ')))
        text.chop(1);
    return text;
}

}  // namespace tq8615::app
