#include "frm_progress.h"

#include "dialog_util.h"
#include "language.h"

#include <QGridLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

namespace tq8615::app {

FrmProgress::FrmProgress(const Language& language, bool write, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("FrmProgress"));
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    LabelPercent = new QLabel(this);
    LabelPercent->setObjectName(QStringLiteral("LabelPercent"));
    LabelPercent->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setMinimumWidth(320);

    CommandCancel = MakeButton(this, QStringLiteral("CommandCancel"), TextKey::CancelButton);
    connect(CommandCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* grid = new QGridLayout(this);
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(LabelPercent, 0, 1);
    grid->addWidget(ProgressBar1, 1, 0, 1, 2);
    grid->addLayout(ButtonRow(CommandCancel, nullptr), 2, 0, 1, 2);

    ApplyLanguage(this, language);
    setWindowTitle(language.text(write ? BuiltinText::WriteCommand : BuiltinText::ReadCommand));
    Label1->setText(language.text(BuiltinText::ProgressLabel));
    SetProgressValue(0);
}

void FrmProgress::SetProgressValue(int percent)
{
    percent = qBound(0, percent, 100);
    ProgressBar1->setValue(percent);
    LabelPercent->setText(QString::number(percent) + QLatin1Char('%'));
}

}  // namespace tq8615::app
