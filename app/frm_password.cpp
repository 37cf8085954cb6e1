#include "frm_password.h"

#include "dialog_util.h"
#include "language.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace tq8615::app {

FrmPassWord::FrmPassWord(const Language& language, const QString& preset, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmPassWord"));
    SetTag(this, 3100);
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    SetTag(Label1, 3101);
    Text1 = new QLineEdit(preset, this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setMinimumWidth(140);
    CommandOK = MakeButton(this, QStringLiteral("CommandOK"), 101);
    CommandCancel = MakeButton(this, QStringLiteral("CommandCancel"), 102);
    CommandOK->setDefault(true);

    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(Twips(50) + 4);
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(Text1, 0, 1);
    grid->addLayout(ButtonRow(CommandOK, CommandCancel), 1, 0, 1, 2);
    ApplyLanguage(this, language);

    connect(CommandOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(CommandCancel, &QPushButton::clicked, this, &QDialog::reject);
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
