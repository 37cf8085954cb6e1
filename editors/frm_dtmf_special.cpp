#include "frm_dtmf_special.h"

#include "input_rules.h"

#include "app/app_context.h"
#include "app/dialog_util.h"
#include "model/dtmf_edit.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tq8615::app {

FrmDTMFSpecial::FrmDTMFSpecial(AppContext& context, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmDTMFSpecial"));
    setWindowTitle(QStringLiteral("DTMF Special Call"));
    Combo1_0 = new QComboBox(this);
    Combo1_0->setObjectName(QStringLiteral("Combo1_0"));
    Combo1_0->addItem(QStringLiteral("ANI"));
    EnterMovesOn(Combo1_0);
    auto* Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    SetTag(Label1, TextKey::SpecialCallType);
    Label1->setBuddy(Combo1_0);

    auto* Frame1 = new QGroupBox(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Text1 = new QLineEdit(QStringLiteral("000"), Frame1);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setMaxLength(kDtmfCalledIdLength);
    AttachTextRules(Text1, CharSet::Digits);
    auto* Label2 = new QLabel(Frame1);
    Label2->setObjectName(QStringLiteral("Label2"));
    SetTag(Label2, TextKey::CalledId);
    Label2->setBuddy(Text1);
    auto* called = new QFormLayout(Frame1);
    called->addRow(Label2, Text1);

    const OkCancel buttons = MakeOkCancel(this);
    CommandOK = buttons.ok;
    CommandCancel = buttons.cancel;
    connect(CommandOK, &QPushButton::clicked, this, &QDialog::accept);
    auto* type = new QFormLayout;
    type->addRow(Label1, Combo1_0);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(type);
    layout->addWidget(Frame1);
    layout->addLayout(buttons.row);
    ApplyLanguage(this, context.language);
}

}  // namespace tq8615::app
