#include "frm_option.h"

#include "app/app_context.h"
#include "app/dialog_util.h"

#include <QPushButton>
#include <QVBoxLayout>

namespace tq8615::app {

FrmOption::FrmOption(AppContext& context, QWidget* parent)
    : QDialog(parent), WorkingCopy(context.document.Model.Options), ctx_(context)
{
    setObjectName(QStringLiteral("FrmOption"));
    SetTag(this, TextKey::OptionalFeatures);
    const OkCancel buttons = MakeOkCancel(this);
    CommandOK = buttons.ok;
    CommandCancel = buttons.cancel;
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons.row);
    connect(CommandOK, &QPushButton::clicked, this, &FrmOption::CommandOK_Click);
    ApplyLanguage(this, ctx_.language);
}

void FrmOption::CommandOK_Click()
{
    ctx_.document.Model.Options = WorkingCopy;
    Q_EMIT ctx_.events.modelChanged();
    accept();
}

}  // namespace tq8615::app
