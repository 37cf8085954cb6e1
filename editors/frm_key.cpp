#include "frm_key.h"

#include "input_rules.h"

#include "app/app_context.h"
#include "app/dialog_util.h"
#include "model/key_functions.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tq8615::app {

namespace {

constexpr int kKeysPerMode = 6;

QStringList Names(int firstCode, int lastCode)
{
    QStringList names;
    for (int code = firstCode; code <= lastCode; ++code)
        names << QString::fromStdString(KeyFunctionName(code));
    return names;
}

// A list showing `code`'s name; `fallback` when the list has no such item.
void Select(QComboBox* combo, int code, int fallback)
{
    const int at = combo->findText(QString::fromStdString(KeyFunctionName(code)));
    combo->setCurrentIndex(at >= 0 ? at : fallback);
}

int CodeOf(const QComboBox* combo) { return KeyFunctionCode(combo->currentText().toStdString()); }

}  // namespace

FrmKey::FrmKey(AppContext& context, QWidget* parent) : QDialog(parent), ctx_(context)
{
    setObjectName(QStringLiteral("FrmKey"));
    SetTag(this, TextKey::KeyAssignment);
    const OptionSettings& options = ctx_.document.Model.Options;
    // A frame of labelled lists; the key labels are the radio's own and not translated.
    const auto frame = [this](const QString& name, const QStringList& items, int count, bool lettered, auto& combos,
                              std::size_t firstCombo, const QString& comboName, int firstIndex) {
        auto* box = new QGroupBox(this);
        box->setObjectName(name);
        auto* form = new QFormLayout(box);
        for (int k = 0; k < count; ++k) {
            auto* combo = new QComboBox(box);
            combo->setObjectName(comboName + QLatin1Char('_') + QString::number(firstIndex + k));
            combo->addItems(items);
            EnterMovesOn(combo);
            const QString key = QLatin1Char('P') + (lettered ? QString(QLatin1Char(static_cast<char>('A' + k))) : QString::number(k + 1));
            auto* label = new QLabel(key, box);
            label->setBuddy(combo);
            form->addRow(label, combo);
            combos[firstCombo + static_cast<std::size_t>(k)] = combo;
        }
        return box;
    };
    const QStringList keyNames = Names(kFirstKeyFunction, kNullKeyFunction);
    auto* frames = new QHBoxLayout;
    for (int mode = 0; mode < 2; ++mode) {
        QGroupBox* box = frame(QStringLiteral("Frame1_%1").arg(mode), keyNames, kKeysPerMode, false, Combo1,
                               static_cast<std::size_t>(mode * kKeysPerMode), QStringLiteral("Combo1"), mode * kKeysPerMode);
        box->setTitle(ctx_.language.LangText(TextKey::KeyMode) + QLatin1Char(' ') + QString::number(mode + 1));
        frames->addWidget(box);
    }
    QGroupBox* shortcuts = frame(QStringLiteral("Frame2"), Names(kFirstKeyFunction + 1, kLastShortcutFunction), 4, true,
                                 Combo2, 0, QStringLiteral("Combo2"), 0);
    SetTag(shortcuts, TextKey::ShortcutKeys);
    frames->addWidget(shortcuts, 0, Qt::AlignTop);

    for (std::size_t k = 0; k < Combo1.size(); ++k)
        Select(Combo1[k], options.KeyFunction[k], kNullKeyFunction - 1);  // "NULL"
    for (std::size_t k = 0; k < Combo2.size(); ++k)
        Select(Combo2[k], options.ShortcutKeyFunction[k], 0);  // "V/M"

    const OkCancel buttons = MakeOkCancel(this);
    CommandOK = buttons.ok;
    CommandCancel = buttons.cancel;
    connect(CommandOK, &QPushButton::clicked, this, &FrmKey::CommandOK_Click);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(frames);
    layout->addLayout(buttons.row);
    ApplyLanguage(this, ctx_.language);
}

void FrmKey::CommandOK_Click()
{
    OptionSettings& options = ctx_.document.Model.Options;
    for (std::size_t k = 0; k < Combo1.size(); ++k)
        options.KeyFunction[k] = static_cast<int16_t>(CodeOf(Combo1[k]));
    for (std::size_t k = 0; k < Combo2.size(); ++k)
        options.ShortcutKeyFunction[k] = static_cast<int16_t>(CodeOf(Combo2[k]));
    Q_EMIT ctx_.events.modelChanged();
    accept();
}

}  // namespace tq8615::app
