#include "frm_dtmf.h"

#include "frm_dtmf_special.h"
#include "input_rules.h"

#include "app/app_context.h"
#include "app/dialog_util.h"
#include "app/message_box.h"
#include "model/text_util.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tq8615::app {

namespace {

constexpr int kCodeRows = 8;

QString Indexed(const char* name, int i) { return QString::fromLatin1(name) + QLatin1Char('_') + QString::number(i); }

QString Q(const std::string& text) { return QString::fromStdString(text); }

// "first", "first + step", ... as list items; divided by `divisor` with one decimal (tenths).
QStringList Steps(int first, int last, int step, int divisor = 1)
{
    QStringList items;
    for (int v = first; v <= last; v += step)
        items << (divisor == 1 ? QString::number(v) : Q(FormatFixed(static_cast<double>(v) / divisor, 1, 1)));
    return items;
}

QStringList Separators()
{
    QStringList items;
    for (int i = 0; i < 6; ++i)
        items << QString(QLatin1Char(SeparatorChar(i)));
    return items;
}

}  // namespace

FrmDTMF::FrmDTMF(AppContext& context, QWidget* parent)
    : QDialog(parent), WorkingCopy(context.document.Model.Dtmf), ctx_(context)
{
    setObjectName(QStringLiteral("FrmDTMF"));
    setWindowTitle(QStringLiteral("DTMF"));
    buildControls();
    ApplyLanguage(this, ctx_.language);
    showForm(ShowDtmfFromModel(WorkingCopy));
    loaded_ = true;
}

FrmDTMF::~FrmDTMF() { SilenceControls(this); }

void FrmDTMF::buildControls()
{
    const Language& l = ctx_.language;
    // Room for the longest code a box takes.
    const int codeWidth = fontMetrics().horizontalAdvance(QStringLiteral("#").repeated(kDtmfCodeMaxLength)) + 12;
    const auto codeBox = [this, codeWidth](QWidget* parent, int index, int maxLength) {
        auto* box = new QLineEdit(parent);
        box->setMinimumWidth(codeWidth);
        box->setObjectName(Indexed("Text2", index));
        box->setMaxLength(maxLength);
        AttachTextRules(box, CharSet::DtmfDigit);
        box->installEventFilter(this);
        Text2[static_cast<std::size_t>(index)] = box;
        return box;
    };
    const auto label = [](QWidget* parent, QWidget* buddy, TextKey key) {
        auto* text = new QLabel(parent);
        SetTag(text, key);
        text->setBuddy(buddy);
        return text;
    };

    auto* codes = new QGroupBox(this);
    codes->setObjectName(QStringLiteral("Frame1"));
    SetTag(codes, TextKey::DtmfCodes);
    auto* codeGrid = new QGridLayout(codes);
    for (int n = 0; n < kDtmfCodeCount; ++n) {
        QLineEdit* box = codeBox(codes, n, kDtmfCodeMaxLength);
        auto* name = new QLabel(QStringLiteral("M%1").arg(n + 1), codes);
        name->setBuddy(box);
        codeGrid->addWidget(name, n % kCodeRows, 2 * (n / kCodeRows));
        codeGrid->addWidget(box, n % kCodeRows, 2 * (n / kCodeRows) + 1);
    }

    auto* remote = new QGroupBox(this);
    remote->setObjectName(QStringLiteral("Frame2"));
    SetTag(remote, TextKey::DtmfRemoteCodes);
    auto* remoteForm = new QFormLayout(remote);
    const std::array<TextKey, 4> remoteLabels = {TextKey::PttIdBeginLabel, TextKey::PttIdEndLabel,
                                                 TextKey::RemoteKill, TextKey::RemoteStun};
    for (int i = 0; i < 4; ++i) {
        const int index = kDtmfBeginBox + i;
        QLineEdit* box = codeBox(remote, index, index < kDtmfKillBox ? kDtmfCodeMaxLength : kDtmfRemoteMaxLength);
        remoteForm->addRow(label(remote, box, remoteLabels[static_cast<std::size_t>(i)]), box);
    }
    auto* Label2 = new QLabel(QStringLiteral("Input:1~9,A,B,C,D,#,*"), remote);
    Label2->setObjectName(QStringLiteral("Label2"));
    remoteForm->addRow(Label2);

    auto* settings = new QGroupBox(this);
    settings->setObjectName(QStringLiteral("Frame3"));
    SetTag(settings, TextKey::DtmfSettingsFrame);
    auto* settingsForm = new QFormLayout(settings);
    Text3 = new QLineEdit(settings);
    Text3->setObjectName(QStringLiteral("Text3"));
    Text3->setMaxLength(kDtmfIdMaxLength);
    AttachTextRules(Text3, CharSet::Digits);
    connect(Text3, &QLineEdit::editingFinished, this, &FrmDTMF::ownIdLeft);
    settingsForm->addRow(label(settings, Text3, TextKey::DtmfOwnId), Text3);

    QStringList groups;
    for (int n = 1; n <= kDtmfCodeCount; ++n)
        groups << QStringLiteral("M%1").arg(n);
    QStringList sendTimes;
    for (const int ms : {50, 100, 200, 300, 500})
        sendTimes << QString::number(ms) + l.LangText(TextKey::Milliseconds);
    const QString off = l.LangText(TextKey::TxForbidOff);
    struct List {
        int control;
        TextKey label;
        QStringList items;
    };
    const List lists[] = {
        {0, TextKey::DtmfCurrentGroup, groups},
        {1, TextKey::Ani, {off, l.LangText(TextKey::TxForbidOn)}},
        {2, TextKey::DtmfSendTime, sendTimes},
        {3, TextKey::DtmfPttId,
         {off, l.LangText(TextKey::PttIdBegin), l.LangText(TextKey::PttIdEnd), l.LangText(TextKey::PttIdBeginEnd)}},
        {5, TextKey::DtmfSeparator, Separators()},
        {6, TextKey::DtmfGroupCode, QStringList{off} + Separators()},
        {7, TextKey::DtmfDecodeResponse,
         {l.LangText(TextKey::DecodeResponseNone), l.LangText(TextKey::DecodeResponseAlert),
          l.LangText(TextKey::DecodeResponseTranspond)}},
        {8, TextKey::DtmfFirstDigitDelay, Steps(0, 2500, 10)},
        {9, TextKey::DtmfPreSendDelay, Steps(10, 2500, 10)},
        {10, TextKey::DtmfResetTime, Steps(0, 250, 1, 10)},
        {11, TextKey::DtmfPostSendDelay, Steps(10, 2500, 10)},
        {12, TextKey::DtmfPauseTime, QStringList{off} + Steps(kDtmfPauseFirst, kDtmfPauseLast, 1)},
        {13, TextKey::DtmfIdDisplay, {l.LangText(TextKey::IdDisplayId), l.LangText(TextKey::IdDisplayName)}},
    };
    for (const List& list : lists) {
        auto* combo = new QComboBox(settings);
        combo->setObjectName(Indexed("Combo1", list.control));
        combo->addItems(list.items);
        EnterMovesOn(combo);
        settingsForm->addRow(label(settings, combo, list.label), combo);
        Combo1[static_cast<std::size_t>(list.control)] = combo;
    }
    Check1 = new QCheckBox(settings);
    Check1->setObjectName(QStringLiteral("Check1"));
    SetTag(Check1, TextKey::DtmfSideTone);
    EnterMovesOn(Check1);
    settingsForm->addRow(Check1);
    // The first ANI item is not a choice the radio offers.
    const auto aniChosen = [this](int index) {
        if (loaded_ && index == 0)
            Combo1[1]->setCurrentIndex(1);
    };
    connect(Combo1[1], &QComboBox::currentIndexChanged, this, aniChosen);
    connect(Combo1[1], &QComboBox::activated, this, aniChosen);
    connect(Combo1[5], &QComboBox::currentIndexChanged, this, &FrmDTMF::separatorChanged);

    CommandSpecial = MakeButton(this, QStringLiteral("CommandSpecial"), TextKey::SpecialCall);
    connect(CommandSpecial, &QPushButton::clicked, this, &FrmDTMF::CommandSpecial_Click);
    const OkCancel buttons = MakeOkCancel(this);
    CommandOK = buttons.ok;
    CommandCancel = buttons.cancel;
    connect(CommandOK, &QPushButton::clicked, this, &FrmDTMF::CommandOK_Click);
    buttons.row->insertWidget(0, CommandSpecial);

    auto* left = new QVBoxLayout;
    left->addWidget(codes);
    left->addWidget(remote);
    left->addStretch();
    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addWidget(settings, 0, Qt::AlignTop);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addLayout(buttons.row);
}

void FrmDTMF::showForm(const DtmfForm& f)
{
    for (std::size_t i = 0; i < Text2.size(); ++i)
        Text2[i]->setText(Q(f.codes[i]));
    Text3->setText(Q(f.ownId));
    const std::pair<int, int> indexes[] = {{1, f.ani}, {2, f.sendTime}, {3, f.pttId}, {5, f.separator},
                                           {6, f.groupCode}, {7, f.decodeResponse}, {8, f.firstDigitDelay},
                                           {9, f.preSendDelay}, {10, f.resetTime}, {11, f.postSendDelay},
                                           {12, f.pauseTime}};
    for (const auto& [control, index] : indexes)
        Combo1[static_cast<std::size_t>(control)]->setCurrentIndex(index);
    Check1->setChecked(f.sideTone);
}

DtmfForm FrmDTMF::form() const
{
    DtmfForm f;
    for (std::size_t i = 0; i < Text2.size(); ++i)
        f.codes[i] = Text2[i]->text().toStdString();
    f.ownId = Text3->text().toStdString();
    const auto at = [this](int control) { return Combo1[static_cast<std::size_t>(control)]->currentIndex(); };
    f.ani = at(1);
    f.sendTime = at(2);
    f.pttId = at(3);
    f.separator = at(5);
    f.groupCode = at(6);
    f.decodeResponse = at(7);
    f.firstDigitDelay = at(8);
    f.preSendDelay = at(9);
    f.resetTime = at(10);
    f.postSendDelay = at(11);
    f.pauseTime = at(12);
    f.sideTone = Check1->isChecked();
    return f;
}

bool FrmDTMF::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn)
        for (std::size_t i = 0; i < Text2.size(); ++i)
            if (watched == Text2[i])
                CurDTMFEditID = static_cast<int>(i);
    return QDialog::eventFilter(watched, event);
}

// Composed ANI codes follow the new separator (kill and stun are never ANI codes).
void FrmDTMF::separatorChanged(int index)
{
    if (!loaded_)
        return;
    const std::string ownId = Text3->text().toStdString();
    for (int i = 0; i <= kDtmfEndBox; ++i) {
        QLineEdit* box = Text2[static_cast<std::size_t>(i)];
        box->setText(Q(WithNewSeparator(box->text().toStdString(), SeparatorChar(index), ownId)));
    }
}

// The identity is completed, and composed ANI codes take it.
void FrmDTMF::ownIdLeft()
{
    const std::string ownId = PaddedOwnId(Text3->text().toStdString());
    Text3->setText(Q(ownId));
    const char separator = SeparatorChar(Combo1[5]->currentIndex());
    for (int i = 0; i <= kDtmfEndBox; ++i) {
        QLineEdit* box = Text2[static_cast<std::size_t>(i)];
        box->setText(Q(WithNewOwnId(box->text().toStdString(), separator, ownId)));
    }
}

void FrmDTMF::CommandSpecial_Click()
{
    if (CurDTMFEditID == kDtmfKillBox || CurDTMFEditID == kDtmfStunBox)
        return;
    FrmDTMFSpecial special(ctx_, this);
    if (ctx_.dialogs.run(special) != QDialog::Accepted)
        return;
    Text2[static_cast<std::size_t>(CurDTMFEditID)]->setText(Q(ComposeAni(
        special.Text1->text().toStdString(), SeparatorChar(Combo1[5]->currentIndex()), Text3->text().toStdString())));
}

void FrmDTMF::CommandOK_Click()
{
    if (RemoteCodesClash(Text2[kDtmfKillBox]->text().toStdString(), Text2[kDtmfStunBox]->text().toStdString())) {
        Text2[kDtmfKillBox]->setFocus();
        BoxMessageSink(ctx_.boxes, ctx_.language, this).show(Message::Key(TextKey::KillEqualsStun));
        return;
    }
    SaveDtmfToModel(form(), WorkingCopy);
    ctx_.document.Model.Dtmf = WorkingCopy;
    Q_EMIT ctx_.events.modelChanged();
    accept();
}

}  // namespace tq8615::app
