#include "frm_language.h"

#include "dialog_util.h"
#include "language.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace tq8615::app {

FrmLanguage::FrmLanguage(Language& language, QWidget* parent) : QDialog(parent), language_(language)
{
    setObjectName(QStringLiteral("FrmLanguage"));
    SetTag(this, TextKey::LanguageCaption);
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    SetTag(Label1, TextKey::LanguageCaption);
    Combo1 = new QComboBox(this);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setMinimumWidth(160);
    const OkCancel buttons = MakeOkCancel(this);
    CommandOK = buttons.ok;
    CommandCancel = buttons.cancel;

    auto* grid = new QGridLayout(this);
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(Combo1, 0, 1);
    grid->addLayout(buttons.row, 1, 0, 1, 2);

    ApplyLanguage(this, language_);
    Combo1->addItem(language_.LangText(TextKey::LanguageEnglish));
    Combo1->addItem(language_.LangText(TextKey::LanguageChinese));
    Combo1->setCurrentIndex(language_.LanguageIndex() - 1);

    connect(CommandOK, &QPushButton::clicked, this, [this] {
        language_.setLanguageIndex(Combo1->currentIndex() + 1);
        accept();
    });
}

}  // namespace tq8615::app
