#include "frm_init.h"

#include "dialog_util.h"
#include "language.h"
#include "settings.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QPushButton>

namespace tq8615::app {

FrmInit::FrmInit(const Language& language, int& factoryFres, QString mysetupPath, QWidget* parent)
    : QDialog(parent), factoryFres_(factoryFres), mysetupPath_(std::move(mysetupPath))
{
    setObjectName(QStringLiteral("FrmInit"));
    SetTag(this, 1411);
    Check1 = new QCheckBox(this);
    Check1->setObjectName(QStringLiteral("Check1"));
    SetTag(Check1, 1412);
    Check1->setChecked(factoryFres_ != 0);
    CommandOK = MakeButton(this, QStringLiteral("CommandOK"), 101);
    CommandCancel = MakeButton(this, QStringLiteral("CommandCancel"), 102);
    CommandOK->setDefault(true);

    auto* grid = new QGridLayout(this);
    grid->addWidget(Check1, 0, 0);
    grid->addLayout(ButtonRow(CommandOK, CommandCancel), 1, 0);
    ApplyLanguage(this, language);

    connect(CommandOK, &QPushButton::clicked, this, [this] {
        factoryFres_ = Check1->isChecked() ? 1 : 0;
        written_ = WriteSetupValue(mysetupPath_, QStringLiteral("FactoryFres"),
                                   QString::number(factoryFres_));
        accept();
    });
    connect(CommandCancel, &QPushButton::clicked, this, &QDialog::reject);
}

}  // namespace tq8615::app
