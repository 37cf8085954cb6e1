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
    SetTag(this, TextKey::ResetSettingsCaption);
    Check1 = new QCheckBox(this);
    Check1->setObjectName(QStringLiteral("Check1"));
    SetTag(Check1, TextKey::FactoryFrequencies);
    Check1->setChecked(factoryFres_ != 0);
    const OkCancel buttons = MakeOkCancel(this);
    CommandOK = buttons.ok;
    CommandCancel = buttons.cancel;

    auto* grid = new QGridLayout(this);
    grid->addWidget(Check1, 0, 0);
    grid->addLayout(buttons.row, 1, 0);
    ApplyLanguage(this, language);

    connect(CommandOK, &QPushButton::clicked, this, [this] {
        factoryFres_ = Check1->isChecked() ? 1 : 0;
        written_ = WriteSetupValue(mysetupPath_, QStringLiteral("FactoryFres"),
                                   QString::number(factoryFres_));
        accept();
    });
}

}  // namespace tq8615::app
