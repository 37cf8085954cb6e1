#include "frm_model.h"

#include "dialog_util.h"
#include "language.h"
#include "message_box.h"

#include "model/band_plan.h"
#include "model/memory_map.h"

#include <QComboBox>
#include <QGridLayout>
#include <QPushButton>
#include <QLabel>
#include <QPlainTextEdit>

namespace tq8615::app {

FrmModel::FrmModel(const Language& language, MessageBoxInterface& boxes, int bandPlanIndex, QWidget* parent)
    : QDialog(parent), language_(language), boxes_(boxes), current_(bandPlanIndex)
{
    setObjectName(QStringLiteral("FrmModel"));
    SetTag(this, TextKey::ModelCaption);
    const TextKey labels[] = {TextKey::ModelLabel, TextKey::BandLabel};
    for (std::size_t i = 0; i < Label1.size(); ++i) {
        Label1[i] = new QLabel(this);
        Label1[i]->setObjectName(QStringLiteral("Label1_%1").arg(i));
        Label1[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        SetTag(Label1[i], labels[i]);
        Combo1[i] = new QComboBox(this);
        Combo1[i]->setObjectName(QStringLiteral("Combo1_%1").arg(i));
    }
    Combo1[0]->addItem(QString::fromLatin1(kModelName));
    Combo1[0]->setEnabled(false);
    for (int band = 0; band < kBandPlanCount; ++band)
        Combo1[1]->addItem(QStringLiteral("Band %1").arg(band));
    Text1 = new QPlainTextEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setReadOnly(true);
    Text1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const OkCancel buttons = MakeOkCancel(this);
    CommandOK = buttons.ok;
    CommandCancel = buttons.cancel;

    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(Twips(50) + 4);
    grid->addWidget(Label1[0], 0, 0);
    grid->addWidget(Combo1[0], 0, 1);
    grid->addWidget(Label1[1], 1, 0);
    grid->addWidget(Combo1[1], 1, 1);
    grid->addWidget(Text1, 2, 0, 1, 2);
    grid->addLayout(buttons.row, 3, 0, 1, 2);
    ApplyLanguage(this, language_);

    const QFontMetrics fm(Text1->font());
    Text1->setFixedHeight(fm.lineSpacing() * 2 + 14);
    Text1->setMinimumWidth(fm.horizontalAdvance(QString::fromStdString(BandPlanText(1)).left(41)) + 24);

    connect(Combo1[1], &QComboBox::currentIndexChanged, this, [this](int i) {
        Text1->setPlainText(QString::fromStdString(BandPlanTwoLineText(i)).remove(QLatin1Char('\r')));
    });
    Combo1[1]->setCurrentIndex(-1);
    Combo1[1]->setCurrentIndex(IsKnownBandPlan(bandPlanIndex) ? bandPlanIndex : 2);

    connect(CommandOK, &QPushButton::clicked, this, &FrmModel::CommandOK_Click);
}

void FrmModel::CommandOK_Click()
{
    const int chosen = Combo1[1]->currentIndex();
    if (chosen != current_ &&
        boxes_.ask(this, Icon::Warning, language_.text(BuiltinText::WarningTitle), language_.text(BuiltinText::FrequencyCleared),
                   Buttons::OkCancel) == Answer::Ok)
        confirmedBand_ = chosen;
    accept();
}

}  // namespace tq8615::app
