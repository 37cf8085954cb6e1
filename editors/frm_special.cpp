#include "frm_special.h"

#include "input_rules.h"

#include "app/app_context.h"
#include "app/dialog_util.h"
#include "app/message_box.h"
#include "model/five_tone_codes.h"

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tq8615::app {

namespace {

constexpr int kMessageLength = 8;
constexpr int kDefaultSeparator = 13;  // D
enum Kind { kDataMessage = 0, kAni = 1 };

std::string S(const QString& s) { return s.toStdString(); }

}  // namespace

FrmSpecial::FrmSpecial(AppContext& context, Frm5Tone& owner, SpecialTarget target, int row, QWidget* parent)
    : QDialog(parent, ModalDialogFlags()), ctx_(context), owner_(owner), target_(target)
{
    setObjectName(QStringLiteral("FrmSpecial"));
    const Language& lang = ctx_.language;
    const auto labelled = [&](QFormLayout* form, TextKey key, const QString& labelName, QWidget* control) {
        auto* l = new QLabel(lang.LangText(key), control->parentWidget());
        l->setObjectName(labelName);
        l->setBuddy(control);
        form->addRow(l, control);
    };
    const auto idBox = [this](QWidget* parentFrame, int k) {
        auto* box = new QLineEdit(parentFrame);
        box->setObjectName(QStringLiteral("Text1_%1").arg(k));
        box->setMaxLength(kSelfIdDigits);
        AttachTextRules(box, CharSet::DigitsOrA);
        box->installEventFilter(this);
        Text1[static_cast<std::size_t>(k)] = box;
        return box;
    };

    auto* top = new QFormLayout;
    for (int k = 0; k < 2; ++k) {
        Combo1[static_cast<std::size_t>(k)] = new QComboBox(this);
        Combo1[static_cast<std::size_t>(k)]->setObjectName(QStringLiteral("Combo1_%1").arg(k));
        EnterMovesOn(Combo1[static_cast<std::size_t>(k)]);
    }
    for (int n = 0; n < kFiveToneListSize; ++n)
        Combo1[0]->addItem(QString::number(n));
    Combo1[0]->setCurrentIndex(std::max(0, row));
    const TextKey entryKey = target == SpecialTarget::ListEntry   ? TextKey::FtCodeListNumber
                             : target == SpecialTarget::PttIdBegin ? TextKey::PttIdBeginLabel
                                                                   : TextKey::PttIdEndLabel;
    labelled(top, entryKey, QStringLiteral("Label1_0"), Combo1[0]);
    Combo1[0]->setVisible(target == SpecialTarget::ListEntry);
    Combo1[1]->addItems({lang.LangText(TextKey::FtDataMessage), QStringLiteral("ANI")});
    labelled(top, TextKey::SpecialCallType, QStringLiteral("Label1_1"), Combo1[1]);

    Frame2 = new QGroupBox(lang.LangText(TextKey::FtDataMessage), this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    auto* message = new QFormLayout(Frame2);
    labelled(message, TextKey::CalledId, QStringLiteral("Label2_0"), idBox(Frame2, 0));
    Text2 = new QLineEdit(Frame2);
    Text2->setObjectName(QStringLiteral("Text2"));
    Text2->setMaxLength(kMessageLength);
    AttachTextRules(Text2, CharSet::Alphanumeric);
    labelled(message, TextKey::FtMessage, QStringLiteral("Label3"), Text2);

    Frame4 = new QGroupBox(this);
    Frame4->setObjectName(QStringLiteral("Frame4"));
    auto* ani = new QFormLayout(Frame4);
    labelled(ani, TextKey::CalledId, QStringLiteral("Label2_1"), idBox(Frame4, 1));
    Combo3 = new QComboBox(Frame4);
    Combo3->setObjectName(QStringLiteral("Combo3"));
    for (int d = 0; d < 16; ++d)
        Combo3->addItem(QString(QLatin1Char("0123456789ABCDEF"[d])));
    EnterMovesOn(Combo3);
    labelled(ani, TextKey::FtAniSeparator, QStringLiteral("Label5"), Combo3);
    // A stored separator outside 0..15 has no item: the default one is offered.
    const int separator = owner_.WorkingCopy.AniSeparator;
    Combo3->setCurrentIndex(separator >= 0 && separator < 16 ? separator : kDefaultSeparator);

    const OkCancel buttons = MakeOkCancel(this);
    CommandOK = buttons.ok;
    CommandCancel = buttons.cancel;
    connect(CommandOK, &QPushButton::clicked, this, &FrmSpecial::CommandOK_Click);
    connect(Combo1[1], &QComboBox::currentIndexChanged, this, &FrmSpecial::kindChanged);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(Frame2);
    layout->addWidget(Frame4);
    layout->addStretch();
    layout->addLayout(buttons.row);
    ApplyLanguage(this, lang);
    setWindowTitle(lang.LangText(TextKey::FtSpecialCall));
    kindChanged(kDataMessage);
}

void FrmSpecial::kindChanged(int kind)
{
    Frame2->setVisible(kind == kDataMessage);
    Frame4->setVisible(kind == kAni);
    if (kind == kAni)
        Frame4->setTitle(Combo1[1]->itemText(kAni));
}

bool FrmSpecial::calledIdOk(const QLineEdit* box)
{
    if (box->text().size() == kSelfIdDigits)
        return true;
    BoxMessageSink(ctx_.boxes, ctx_.language, this).show(Message::Key(TextKey::IdNeedsFiveDigits));
    return false;
}

bool FrmSpecial::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        QWidget* next = QApplication::focusWidget();
        // OK checks the identity itself; Cancel must always be reachable.
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason && next != CommandOK &&
            next != CommandCancel)
            calledIdOk(static_cast<QLineEdit*>(watched));
    }
    return false;
}

void FrmSpecial::CommandOK_Click()
{
    const int kind = Combo1[1]->currentIndex();
    if (!calledIdOk(Text1[static_cast<std::size_t>(kind)]))
        return;
    const std::string calledId = S(Text1[static_cast<std::size_t>(kind)]->text());
    const int separator = Combo3->currentIndex();
    const bool toList = target_ == SpecialTarget::ListEntry;
    std::string code;
    if (kind == kDataMessage) {
        code = RepeatEncode(DataMessageCode(calledId, S(Text2->text())));
    } else {
        const std::string ownId = toList ? std::string(kSelfIdPlaceholder) : S(owner_.ownId());
        // An ANI code ends in the own identity: without one it would be no ANI code.
        if (ownId.size() != static_cast<std::size_t>(kSelfIdDigits) && !toList) {
            BoxMessageSink(ctx_.boxes, ctx_.language, this).show(Message::Key(TextKey::IdNeedsFiveDigits));
            return;
        }
        code = StoreCode(AniCode(calledId, separator, ownId), ownId);
    }
    const FittedCode fitted = FitCode(code, toList ? kCodeDigits : kPttIdBoxLength);
    if (!fitted.code) {
        BoxMessageSink(ctx_.boxes, ctx_.language, this).show(*fitted.refusal);
        return;
    }
    if (toList) {
        const int row = Combo1[0]->currentIndex();
        FiveToneCode& entry = owner_.WorkingCopy.CallList[static_cast<std::size_t>(row)];
        entry.Code = *fitted.code;
        entry.DigitCount = static_cast<uint8_t>(fitted.code->size());
        entry.IsEmpty = fitted.code->empty() ? 1 : 0;
        owner_.showRow(row);
    } else {
        owner_.setPttIdText(target_, QString::fromStdString(*fitted.code));
    }
    owner_.WorkingCopy.AniSeparator = static_cast<int16_t>(separator);
    accept();
}

}  // namespace tq8615::app
