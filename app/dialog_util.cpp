#include "dialog_util.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>

namespace tq8615::app {

QPushButton* MakeButton(QWidget* parent, const QString& name, TextKey tag)
{
    auto* b = new QPushButton(parent);
    b->setObjectName(name);
    SetTag(b, tag);
    b->setAutoDefault(false);
    b->setMinimumWidth(80);
    return b;
}

QHBoxLayout* ButtonRow(QPushButton* ok, QPushButton* cancel)
{
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(ok);
    if (cancel)
        row->addWidget(cancel);
    return row;
}

OkCancel MakeOkCancel(QDialog* dialog)
{
    QPushButton* ok = MakeButton(dialog, QStringLiteral("CommandOK"), TextKey::OkButton);
    QPushButton* cancel = MakeButton(dialog, QStringLiteral("CommandCancel"), TextKey::CancelButton);
    ok->setDefault(true);
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    return {ok, cancel, ButtonRow(ok, cancel)};
}

void SilenceControls(QDialog* dialog)
{
    for (QObject* child : dialog->findChildren<QObject*>())
        child->blockSignals(true);
}

}  // namespace tq8615::app
