#include "frm_auto_test.h"

#include "app/app_context.h"
#include "app/message_box.h"
#include "files/epm_file.h"
#include "link/code_page.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace tq8615::app {

namespace {

constexpr int kColumns = 4;

QString Fixed(const char* text) { return QString::fromUtf8(text); }

}  // namespace

Frm_AutoTest::Frm_AutoTest(AppContext& context, QWidget* parent) : QDialog(parent), ctx_(context)
{
    setObjectName(QStringLiteral("Frm_AutoTest"));
    setWindowTitle(Fixed("电调生产频设置"));
    ctx_.AutoTestActive = true;

    auto* groups = new QGroupBox(this);
    groups->setObjectName(QStringLiteral("Frame1"));
    auto* grid = new QGridLayout(groups);
    for (std::size_t k = 0; k < kAutoTestGroupCount; ++k) {
        auto* box = new QCheckBox(Fixed(kAutoTestGroupCaptions[k]), groups);
        box->setObjectName(QStringLiteral("Check1_%1").arg(k));
        box->setChecked(ctx_.AutoTestGroups[k] != 0);
        grid->addWidget(box, static_cast<int>(k) / kColumns, static_cast<int>(k) % kColumns);
        Check1[k] = box;
    }

    Command1 = new QPushButton(Fixed("导出"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setDefault(true);
    Command2 = new QPushButton(Fixed("取消"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    connect(Command1, &QPushButton::clicked, this, &Frm_AutoTest::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command1);
    buttons->addWidget(Command2);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(groups);
    layout->addLayout(buttons);
}

Frm_AutoTest::~Frm_AutoTest() { ctx_.AutoTestActive = false; }

void Frm_AutoTest::done(int result)
{
    ctx_.AutoTestActive = false;
    QDialog::done(result);
}

void Frm_AutoTest::Command1_Click()
{
    for (std::size_t k = 0; k < kAutoTestGroupCount; ++k)
        ctx_.AutoTestGroups[k] = Check1[k]->isChecked() ? 1 : 0;
    const QString path = ctx_.dialogs.savePath(this, QString(), Fixed("电调生产频") + QStringLiteral(" (*.EPM)"));
    if (path.isEmpty())
        return;  // nothing is written

    AutoTestRecord record;
    record.map.active = ctx_.AutoTestActive;
    RadioImage image;
    BoxMessageSink sink(ctx_.boxes, ctx_.language, this);
    const LangLookup lang = [this](TextKey key) { return ctx_.language.LangText(key).toStdString(); };
    // A model the encoders refuse has been reported; a file of it would test the wrong data.
    if (!EncodeForAutoTest(ctx_.document.Model, ctx_.AutoTestGroups, image, record, lang, sink))
        return;
    std::error_code error;
    if (!WriteEpmFile(path.toStdString(), record, image, ToChineseCodePage, error)) {
        ctx_.boxes.inform(this, Icon::Critical, AppTitle(), Fixed("错误！文件无法操作！"));
        return;
    }
    accept();
}

}  // namespace tq8615::app
