#include "frm_option.h"

#include "field_items.h"
#include "input_rules.h"

#include "app/app_context.h"
#include "app/dialog_util.h"
#include "model/option_rules.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tq8615::app {

namespace {

constexpr int kMessageLength = 7;
constexpr int kPasswordLength = 6;
constexpr int kColumns = 3;

QString Indexed(const char* name, int i) { return QString::fromLatin1(name) + QLatin1Char('_') + QString::number(i); }

QString Trimmed(std::string_view raw) { return QString::fromStdString(TrimmedText(raw)); }

}  // namespace

FrmOption::FrmOption(AppContext& context, QWidget* parent)
    : QDialog(parent), WorkingCopy(context.document.Model.Options), ctx_(context)
{
    setObjectName(QStringLiteral("FrmOption"));
    SetTag(this, TextKey::OptionalFeatures);
    memoryChannels_ = MemoryChannelNumbers(ctx_.document.Model);
    buildControls();
    ApplyLanguage(this, ctx_.language);
    NameCharacterBoxes(ctx_.language.LangText(TextKey::PowerOnMessageLabel), Text1);
    showWorkingCopy();
    applyDependencies();
    loaded_ = true;
}

void FrmOption::buildControls()
{
    auto* lists = new QGridLayout;
    for (const OptionField& f : kOptionFields)
        if (f.control >= 0)
            fieldOf_[static_cast<std::size_t>(f.control)] = &f;
    // Row by row in control order, so the tab order reads like the window.
    for (int c = 0; c < kOptionListCount; ++c) {
        const OptionField* f = fieldOf_[static_cast<std::size_t>(c)];
        auto* combo = new QComboBox(this);
        combo->setObjectName(Indexed("Combo1", c));
        combo->addItems(f ? FieldItems(f->items, f->name, ctx_.language, memoryChannels_)
                          : FieldItems(kUnboundDisplayModeItems, {}, ctx_.language));
        EnterMovesOn(combo);
        auto* label = new QLabel(this);
        SetTag(label, f ? f->labelKey : kUnboundDisplayModeLabel);
        label->setBuddy(combo);
        lists->addWidget(label, c / kColumns, 2 * (c % kColumns));
        lists->addWidget(combo, c / kColumns, 2 * (c % kColumns) + 1);
        connect(combo, &QComboBox::currentIndexChanged, this, [this, c](int index) { comboChanged(c, index); });
        Combo1[static_cast<std::size_t>(c)] = combo;
    }

    Check1_0 = new QCheckBox(this);
    Check1_0->setObjectName(QStringLiteral("Check1_0"));
    SetTag(Check1_0, TextKey::PowerOnPasswordCheck);
    EnterMovesOn(Check1_0);
    Text2 = new QLineEdit(this);
    Text2->setObjectName(QStringLiteral("Text2"));
    Text2->setMaxLength(kPasswordLength);
    AttachTextRules(Text2, CharSet::Digits);
    auto* passwordLabel = new QLabel(this);
    SetTag(passwordLabel, TextKey::PowerOnPasswordDigits);
    passwordLabel->setBuddy(Text2);
    connect(Check1_0, &QCheckBox::toggled, this, [this](bool on) {
        WorkingCopy.PowerOnPasswordEnable = on ? 1 : 0;
        Text2->setEnabled(on);
    });
    auto* password = new QHBoxLayout;
    password->addWidget(Check1_0);
    password->addSpacing(12);
    password->addWidget(passwordLabel);
    password->addWidget(Text2);
    password->addStretch();

    auto* message = new QHBoxLayout;
    auto* messageLabel = new QLabel(this);
    SetTag(messageLabel, TextKey::PowerOnMessageLabel);
    message->addWidget(messageLabel);
    const int boxWidth = fontMetrics().horizontalAdvance(QLatin1Char('W')) * 2 + 8;
    for (int i = 0; i < kMessageLength; ++i) {
        auto* box = new QLineEdit(this);
        box->setObjectName(Indexed("Text1", i));
        box->setMaxLength(1);
        box->setFixedWidth(boxWidth);
        box->setAlignment(Qt::AlignCenter);
        AttachTextRules(box, CharSet::NameLetter, true);
        message->addWidget(box);
        Text1[static_cast<std::size_t>(i)] = box;
    }
    messageLabel->setBuddy(Text1[0]);
    message->addStretch();

    const OkCancel buttons = MakeOkCancel(this);
    CommandOK = buttons.ok;
    CommandCancel = buttons.cancel;
    connect(CommandOK, &QPushButton::clicked, this, &FrmOption::CommandOK_Click);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(lists);
    layout->addLayout(password);
    layout->addLayout(message);
    layout->addLayout(buttons.row);
}

void FrmOption::showWorkingCopy()
{
    for (int c = 0; c < kOptionListCount; ++c) {
        const OptionField* f = fieldOf_[static_cast<std::size_t>(c)];
        if (f)
            Combo1[static_cast<std::size_t>(c)]->setCurrentIndex(ShownIndex(f->items, Get(WorkingCopy, *f), memoryChannels_));
    }
    Check1_0->setChecked(WorkingCopy.PowerOnPasswordEnable != 0);
    Text2->setEnabled(Check1_0->isChecked());
    Text2->setText(Trimmed(WorkingCopy.PowerOnPassword.raw()));
    const QString text = Trimmed(WorkingCopy.PowerOnMessage.raw()).leftJustified(kMessageLength, QLatin1Char(' '));
    for (int i = 0; i < kMessageLength; ++i) {
        const QChar ch = text.at(i);
        Text1[static_cast<std::size_t>(i)]->setText(ch == QLatin1Char(' ') ? QString() : QString(ch));
    }
}

void FrmOption::comboChanged(int control, int index)
{
    if (!loaded_ || index < 0)
        return;
    if (const OptionField* f = fieldOf_[static_cast<std::size_t>(control)])
        Set(WorkingCopy, *f, StoredValue(f->items, index, memoryChannels_));
    applyDependencies();
}

void FrmOption::applyDependencies()
{
    const OptionDependencies d = DependenciesOf(Combo1[0]->currentIndex(), Combo1[1]->currentIndex());
    if (d.forceDisplayMode)
        Combo1[1]->setCurrentIndex(kChannelNumberItem);  // stores it too, once loaded
    Combo1[1]->setEnabled(d.displayModeEnabled);
    Combo1[2]->setEnabled(d.workModesEnabled);
    Combo1[5]->setEnabled(d.workModesEnabled);
}

void FrmOption::CommandOK_Click()
{
    WorkingCopy.PowerOnPassword = TrimmedText(Text2->text().toStdString());
    std::string message;
    for (QLineEdit* box : Text1)
        message += box->text().isEmpty() ? std::string(" ") : box->text().toStdString();
    WorkingCopy.PowerOnMessage = message;
    ctx_.document.Model.Options = WorkingCopy;
    Q_EMIT ctx_.events.modelChanged();
    accept();
}

}  // namespace tq8615::app
