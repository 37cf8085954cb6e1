#include "frm_ch_edit.h"

#include "field_items.h"
#include "input_rules.h"

#include "app/app_context.h"
#include "app/dialog_util.h"
#include "app/message_box.h"
#include "model/channel_edit.h"
#include "model/channel_fields.h"
#include "model/freq_codec.h"
#include "model/options.h"
#include "model/text_util.h"
#include "model/tone_tables.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tq8615::app {

namespace {

constexpr int kNameBoxes = 5;
constexpr int kFirstNameBox = 2;
constexpr int kRx = 0, kOffset = 1, kTx = 10;
constexpr int kStep = 0, kBandwidth = 1, kPower = 2, kOptSig = 4, kDecodeType = 5, kDtmfPttId = 7,
              kFiveTonePttId = 8, kSquelch = 9, kEncodeType = 10, kSquelchMaster = 11, kBusyLock = 13;

QString Indexed(const char* name, int i) { return QString::fromLatin1(name) + QLatin1Char('_') + QString::number(i); }
QString Q(const std::string& s) { return QString::fromStdString(s); }
std::string S(const QString& s) { return s.toStdString(); }

QString ChannelLabel(int channel)
{
    switch (channel) {
    case kVfo1: return QStringLiteral("VFO1");
    case kVfo2: return QStringLiteral("VFO2");
    case kRtChannel: return QStringLiteral("RT");
    default: return QString::number(channel);
    }
}

const ChannelField& FieldNamed(std::string_view name) { return *FindField(kChannelFields, name); }

int Position(const QComboBox* combo) { return std::max(0, combo->currentIndex()); }
int NumberShown(const QComboBox* combo) { return combo->currentIndex() < 0 ? 0 : combo->currentText().toInt(); }

}  // namespace

FrmCHEdit::FrmCHEdit(AppContext& context, QWidget* parent)
    : QDialog(parent), ctx_(context), channel_(context.CurrentChannel)
{
    setObjectName(QStringLiteral("FrmCHEdit"));
    buildControls();
    ApplyLanguage(this, ctx_.language);
    setWindowTitle(ctx_.language.LangText(TextKey::ChannelEditCaption) + QStringLiteral("--- CH ") + ChannelLabel(channel_));
    NameCharacterBoxes(nameLabel_->text(), std::span(Text1).subspan(kFirstNameBox, kNameBoxes));
    loadRecord();
    loading_ = false;
}

void FrmCHEdit::buildControls()
{
    const Language& lang = ctx_.language;
    auto* grid = new QGridLayout;
    int row = 0, column = 0;
    // A labelled control at the next place of the two-column grid.
    const auto place = [&](TextKey key, QWidget* buddy, QLayout* content) {
        auto* label = new QLabel(this);
        SetTag(label, key);
        label->setBuddy(buddy);
        grid->addWidget(label, row, 2 * column);
        if (content)
            grid->addLayout(content, row, 2 * column + 1);
        else
            grid->addWidget(buddy, row, 2 * column + 1);
        column = 1 - column;
        row += column == 0 ? 1 : 0;
        return label;
    };
    const auto combo = [&](int i, const QStringList& items) {
        auto* c = new QComboBox(this);
        c->setObjectName(Indexed("Combo1", i));
        c->addItems(items);
        EnterMovesOn(c);
        Combo1[static_cast<std::size_t>(i)] = c;
        return c;
    };
    const auto fieldCombo = [&](int i, std::string_view field) {
        const ChannelField& f = FieldNamed(field);
        return combo(i, FieldItems(f.items, f.name, lang));
    };
    const auto text = [&](int i, CharSet set, bool moveOn = false) {
        auto* t = new QLineEdit(this);
        t->setObjectName(Indexed("Text1", i));
        AttachTextRules(t, set, moveOn);
        Text1[static_cast<std::size_t>(i)] = t;
        return t;
    };
    const auto check = [&](const QString& name, TextKey key) {
        auto* c = new QCheckBox(this);
        c->setObjectName(name);
        SetTag(c, key);
        EnterMovesOn(c);
        return c;
    };
    const QStringList subAudioTypes{lang.LangText(TextKey::OptSigOff), QStringLiteral("CTCSS"), QStringLiteral("DCS")};
    QStringList ctcss, dcs;
    for (const char* t : kCtcssTexts)
        ctcss << QString::fromLatin1(t);
    ctcss << QStringLiteral("Define");
    for (const char* t : kDcsCodes)
        dcs << QString::fromLatin1(t);

    place(TextKey::RxFrequency, text(kRx, CharSet::Decimal), nullptr);
    place(TextKey::TxFrequency, text(kTx, CharSet::Any), nullptr);
    Text1[kTx]->installEventFilter(this);

    auto* names = new QHBoxLayout;
    const int boxWidth = fontMetrics().horizontalAdvance(QLatin1Char('W')) * 2 + 8;
    for (int k = 0; k < kNameBoxes; ++k) {
        QLineEdit* box = text(kFirstNameBox + k, CharSet::NameLetter, true);
        box->setMaxLength(1);
        box->setFixedWidth(boxWidth);
        box->setAlignment(Qt::AlignCenter);
        names->addWidget(box);
    }
    names->addStretch();
    nameLabel_ = place(TextKey::ChannelName, Text1[kFirstNameBox], names);
    place(TextKey::Power, fieldCombo(kPower, "Power"), nullptr);
    place(TextKey::Bandwidth, fieldCombo(kBandwidth, "Bandwidth"), nullptr);
    place(TextKey::BusyLock,
          combo(kBusyLock, {lang.LangText(TextKey::TxForbidOff), QStringLiteral("Repeater"), QStringLiteral("Busy")}), nullptr);

    // The sub-audio rows: the type, then the tone or code list that type shows.
    for (int encode = 0; encode < 2; ++encode) {
        const int typeIndex = encode ? kEncodeType : kDecodeType;
        auto* row2 = new QHBoxLayout;
        QComboBox* type = combo(typeIndex, subAudioTypes);
        row2->addWidget(type);
        const QString typeName = lang.LangText(TextKey::SubAudio) + QLatin1Char(' ') +
                                 lang.LangText(encode ? TextKey::EncodeHeader : TextKey::DecodeHeader);
        auto* tones = new QComboBox(this);
        tones->setObjectName(Indexed("Combo3", encode));
        tones->addItems(ctcss);
        tones->setAccessibleName(typeName + QStringLiteral(" CTCSS"));
        auto* codes = new QComboBox(this);
        codes->setObjectName(Indexed("Combo3", 2 + encode));
        codes->addItems(dcs);
        codes->setAccessibleName(typeName + QStringLiteral(" DCS"));
        auto* inverted = check(Indexed("Check2", encode), TextKey::DcsInverted);
        inverted->setAccessibleName(typeName + QLatin1Char(' ') + lang.LangText(TextKey::DcsInverted));
        for (QWidget* w : {static_cast<QWidget*>(tones), static_cast<QWidget*>(codes), static_cast<QWidget*>(inverted)}) {
            EnterMovesOn(w);
            row2->addWidget(w);
        }
        row2->addStretch();
        Combo3[static_cast<std::size_t>(encode)] = tones;
        Combo3[static_cast<std::size_t>(2 + encode)] = codes;
        Check2[static_cast<std::size_t>(encode)] = inverted;
        QLabel* label = place(TextKey::SubAudio, type, row2);
        label->setProperty("tag", QVariant());  // its text joins two keys
        label->setText(typeName);
        connect(type, &QComboBox::currentIndexChanged, this,
                [this, encode](int) { subAudioChanged(encode ? kEncodeType : kDecodeType, encode, 2 + encode, encode); });
    }
    Text2 = new QLineEdit(this);
    Text2->setObjectName(QStringLiteral("Text2"));
    AttachTextRules(Text2, CharSet::Decimal);
    Text2->installEventFilter(this);
    place(TextKey::UserCtcss, Text2, nullptr);
    place(TextKey::SquelchMode, combo(kSquelch, {}), nullptr);

    QStringList optSig{lang.LangText(TextKey::OptSigOff), QStringLiteral("DTMF")};
    if (TwoToneOffered(ctx_.featureFlags))
        optSig << QStringLiteral("2Tone");
    optSig << QStringLiteral("5Tone");
    auto* signalling = new QHBoxLayout;
    signalling->addWidget(combo(kOptSig, optSig));
    QStringList dtmfCodes, fiveTone, twoTone;
    for (int i = 1; i <= 16; ++i)
        dtmfCodes << QStringLiteral("M%1").arg(i);
    for (std::size_t r = 0; r < ctx_.document.Model.FiveTone.CallList.size(); ++r)
        if (ctx_.document.Model.FiveTone.CallList[r].IsEmpty == 0)
            fiveTone << QString::number(r);
    for (std::size_t r = 0; r < ctx_.document.Model.TwoTone.Entries.size(); ++r)
        if (ctx_.document.Model.TwoTone.Entries[r].Flag == 0)
            twoTone << QString::number(r);
    const QStringList* lists[] = {&dtmfCodes, &twoTone, &fiveTone};
    const char* listNames[] = {"DTMF", "2Tone", "5Tone"};
    for (int k = 0; k < 3; ++k) {
        auto* c = new QComboBox(this);
        c->setObjectName(Indexed("Combo4", k));
        c->addItems(*lists[k]);
        c->setAccessibleName(QString::fromLatin1(listNames[k]));
        EnterMovesOn(c);
        signalling->addWidget(c);
        Combo4[static_cast<std::size_t>(k)] = c;
    }
    signalling->addStretch();
    place(TextKey::OptionalSignalling, Combo1[kOptSig], signalling);
    place(TextKey::DtmfPttId, fieldCombo(kDtmfPttId, "DtmfPttIdMode"), nullptr);
    place(TextKey::FiveTonePttId, fieldCombo(kFiveTonePttId, "FiveTonePttIdMode"), nullptr);

    auto* checks = new QHBoxLayout;
    Check1 = check(QStringLiteral("Check1"), TextKey::TxForbid);
    Check4[0] = check(Indexed("Check4", 0), TextKey::Reverse);
    Check4[1] = check(Indexed("Check4", 1), TextKey::Talkaround);
    Check5 = check(QStringLiteral("Check5"), TextKey::Scramble);
    Check6 = check(QStringLiteral("Check6"), TextKey::ScanAddLabel);
    for (QCheckBox* c : {Check1, Check4[0], Check4[1], Check5, Check6})
        checks->addWidget(c);
    checks->addStretch();

    // Holders that take part in loading and saving but are not shown.
    fieldCombo(kStep, "StepIndex")->hide();
    fieldCombo(kSquelchMaster, "SquelchMode")->hide();
    Combo2 = new QComboBox(this);
    Combo2->setObjectName(QStringLiteral("Combo2"));
    Combo2->addItems({lang.LangText(TextKey::ShiftSimplex), QStringLiteral("+"), QStringLiteral("-"), QStringLiteral("TX")});
    Combo2->hide();
    text(kOffset, CharSet::Decimal)->hide();
    Combo4[1]->hide();

    const OkCancel buttons = MakeOkCancel(this);
    CommandOK = buttons.ok;
    CommandCancel = buttons.cancel;
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(checks);
    layout->addLayout(buttons.row);

    connect(Text1[kRx], &QLineEdit::textEdited, this, [this](const QString& t) { setEditable(!t.isEmpty()); });
    connect(Combo1[kOptSig], &QComboBox::currentIndexChanged, this, [this](int) { optSigChanged(); });
    connect(Combo1[kDtmfPttId], &QComboBox::currentIndexChanged, this, [this](int i) {
        if (i > 0)
            Combo1[kFiveTonePttId]->setCurrentIndex(0);
    });
    connect(Combo1[kFiveTonePttId], &QComboBox::currentIndexChanged, this, [this](int i) {
        if (i > 0)
            Combo1[kDtmfPttId]->setCurrentIndex(0);
    });
    for (int k = 0; k < 2; ++k)
        connect(Check4[static_cast<std::size_t>(k)], &QCheckBox::toggled, this, [this, k](bool on) {
            if (on)
                Check4[static_cast<std::size_t>(1 - k)]->setChecked(false);
            rebuildSquelchModes();
        });
    connect(CommandOK, &QPushButton::clicked, this, &FrmCHEdit::CommandOK_Click);
}

void FrmCHEdit::loadRecord()
{
    const ChannelTable& channels = ctx_.document.Model;
    const int at = channels.FindChannel(channel_);
    working_ = at >= 0 ? channels.ChannelList[static_cast<std::size_t>(at)] : NewChannelRecord(channel_);
    const bool memory = channel_ <= kMemoryChannels;
    nameLabel_->setVisible(memory);
    for (int k = 0; k < kNameBoxes; ++k)
        Text1[static_cast<std::size_t>(kFirstNameBox + k)]->setVisible(memory);
    for (QWidget* w : {static_cast<QWidget*>(Combo3[0]), static_cast<QWidget*>(Combo3[1]), static_cast<QWidget*>(Combo3[2]),
                       static_cast<QWidget*>(Combo3[3]), static_cast<QWidget*>(Combo4[0]), static_cast<QWidget*>(Combo4[2]),
                       static_cast<QWidget*>(Check2[0]), static_cast<QWidget*>(Check2[1])})
        w->hide();

    const ChannelRecord& r = working_;
    const bool second = secondSetLoaded();
    CollectingSink quiet;  // a stored frequency that is no number shows empty
    BoxMessageSink sink(ctx_.boxes, ctx_.language, this);
    const std::string rxText = r.ChannelInUse != 0 ? DigitsToFreqText((second ? r.RxFreqVhf : r.RxFreq).raw(), sink) : "";
    const int shift = second ? r.ShiftModeVhf : r.ShiftMode;
    Text1[kRx]->setText(Q(rxText));
    Combo2->setCurrentIndex(shift);
    Text1[kOffset]->setText(Q(DigitsToFreqText((second ? r.TxFreqVhf : r.TxFreq).raw(), quiet)));
    Text1[kTx]->setText(rxText.empty() ? QString() : Q(TransmitText(rxText, shift, S(Text1[kOffset]->text()))));
    const QString name = Q(TrimmedText(r.ChannelName.raw()));
    for (int k = 0; k < kNameBoxes; ++k)
        Text1[static_cast<std::size_t>(kFirstNameBox + k)]->setText(name.mid(k, 1));

    Combo1[kStep]->setCurrentIndex(r.StepIndex);
    Combo1[kBandwidth]->setCurrentIndex(r.Bandwidth);
    Combo1[kPower]->setCurrentIndex(r.Power);
    Combo1[kDecodeType]->setCurrentIndex(r.DecodeType);
    Combo1[kEncodeType]->setCurrentIndex(r.EncodeType);
    Combo1[kDtmfPttId]->setCurrentIndex(r.DtmfPttIdMode);
    Combo1[kFiveTonePttId]->setCurrentIndex(r.FiveTonePttIdMode);
    Combo1[kBusyLock]->setCurrentIndex(r.BusyLock);
    const char* sigNames[] = {"DTMF", "2Tone", "5Tone"};
    const int sig = r.OptSigType >= kOptSigDtmf && r.OptSigType <= kOptSigFiveTone
                        ? Combo1[kOptSig]->findText(QString::fromLatin1(sigNames[r.OptSigType - 1]))
                        : 0;
    Combo1[kOptSig]->setCurrentIndex(std::max(0, sig));
    Check1->setChecked(r.TxForbid != 0);
    Check4[0]->setChecked(r.Reverse != 0);
    Check4[1]->setChecked(r.Talkaround != 0);
    Check6->setChecked(r.ScanAdd != 0);
    Check5->setChecked(r.Scramble != 0);
    Combo1[kSquelchMaster]->setCurrentIndex(r.SquelchMode);
    Combo1[kSquelch]->addItem(Combo1[kSquelchMaster]->currentText(), int{r.SquelchMode});
    rebuildSquelchModes();
    Text2->setText(Q(FormatFixed(r.UserCtcss / 10.0, 1, 1)));

    if (r.OptSigType == kOptSigDtmf) {
        Combo4[0]->show();
        Combo4[0]->setCurrentIndex(r.DtmfIndex);
    } else if (r.OptSigType == kOptSigTwoTone && TwoToneOffered(ctx_.featureFlags)) {
        Combo4[1]->show();
    } else if (r.OptSigType == kOptSigFiveTone) {
        Combo4[2]->show();
        const int item = Combo4[2]->findText(QString::number(r.FiveToneIndex));
        Combo4[2]->setCurrentIndex(item >= 0 ? item : (Combo4[2]->count() > 0 ? 0 : -1));
    }
    Combo4[1]->setCurrentIndex(Combo4[1]->findText(QString::number(r.TwoToneIndex)));
    const auto showSubAudio = [this](int type, int ctcssIndex, int dcsValue, int k) {
        if (type == kSubAudioCtcss) {
            Combo3[static_cast<std::size_t>(k)]->show();
            Combo3[static_cast<std::size_t>(k)]->setCurrentIndex(ctcssIndex);
        } else if (type == kSubAudioDcs) {
            Combo3[static_cast<std::size_t>(2 + k)]->show();
            Check2[static_cast<std::size_t>(k)]->show();
            Combo3[static_cast<std::size_t>(2 + k)]->setCurrentIndex(DcsCode::Of(dcsValue).index);
            Check2[static_cast<std::size_t>(k)]->setChecked(DcsCode::Of(dcsValue).inverted);
        }
    };
    showSubAudio(r.DecodeType, r.DecodeCtcss, r.DecodeDcs, 0);
    showSubAudio(r.EncodeType, r.EncodeCtcss, r.EncodeDcs, 1);

    const std::string stored = TrimmedText((second ? r.RxFreqVhf : r.RxFreq).raw());
    setEditable(!stored.empty() && stored != kNoFrequency && r.ChannelInUse == 1);
}

void FrmCHEdit::setEditable(bool on)
{
    for (QWidget* w : findChildren<QWidget*>()) {
        if (qobject_cast<QComboBox*>(w) || qobject_cast<QCheckBox*>(w) || qobject_cast<QLineEdit*>(w))
            w->setEnabled(on);
    }
    Text1[kRx]->setEnabled(true);
    Text1[kOffset]->setEnabled(false);
    Combo2->setEnabled(false);
    if (!on)
        return;
    const bool memory = channel_ <= kMemoryChannels;
    for (int k = 0; k < kNameBoxes; ++k)
        Text1[static_cast<std::size_t>(kFirstNameBox + k)]->setEnabled(memory);
    Check6->setEnabled(memory);
    updateTalkaround();
}

void FrmCHEdit::updateTalkaround()
{
    if (Text1[kTx]->isEnabled())
        Check4[1]->setEnabled(channel_ != kRtChannel && Combo2->currentIndex() != kSplit);
}

void FrmCHEdit::rebuildSquelchModes()
{
    QComboBox* list = Combo1[kSquelch];
    const int remembered = list->currentIndex() < 0 ? 0 : list->currentData().toInt();
    const int type = Check4[0]->isChecked() ? Combo1[kEncodeType]->currentIndex() : Combo1[kDecodeType]->currentIndex();
    const QSignalBlocker quiet(list);
    list->clear();
    for (int m : SquelchModeItems(type > 0, Combo1[kOptSig]->currentIndex() > 0))
        list->addItem(Combo1[kSquelchMaster]->itemText(m), m);
    list->setCurrentIndex(std::max(0, list->findData(remembered)));
}

void FrmCHEdit::optSigChanged()
{
    if (loading_)
        return;
    for (QComboBox* c : Combo4)
        c->hide();
    const QString chosen = Combo1[kOptSig]->currentText();
    QComboBox* shown = chosen == QLatin1String("DTMF")    ? Combo4[0]
                       : chosen == QLatin1String("2Tone") ? Combo4[1]
                       : chosen == QLatin1String("5Tone") ? Combo4[2]
                                                          : nullptr;
    if (shown) {
        shown->show();
        shown->setEnabled(true);
        shown->setCurrentIndex(shown->count() > 0 ? 0 : -1);
    }
    rebuildSquelchModes();
}

void FrmCHEdit::subAudioChanged(int type, int ctcss, int dcs, int check)
{
    if (loading_)
        return;
    QComboBox* tones = Combo3[static_cast<std::size_t>(ctcss)];
    QComboBox* codes = Combo3[static_cast<std::size_t>(dcs)];
    QCheckBox* inverted = Check2[static_cast<std::size_t>(check)];
    tones->hide();
    codes->hide();
    inverted->hide();
    rebuildSquelchModes();
    const int chosen = Combo1[static_cast<std::size_t>(type)]->currentIndex();
    if (chosen == kSubAudioCtcss) {
        tones->show();
        tones->setEnabled(true);
        tones->setCurrentIndex(0);
    } else if (chosen == kSubAudioDcs) {
        codes->show();
        codes->setEnabled(true);
        codes->setCurrentIndex(0);
        inverted->show();
        inverted->setEnabled(true);
        inverted->setChecked(false);
    }
}

bool FrmCHEdit::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut) {
        if (watched == Text1[kTx])
            leaveTransmit();
        else if (watched == Text2)
            Text2->setText(Q(UserCtcssFromText(S(Text2->text()))));
    }
    return QDialog::eventFilter(watched, event);
}

void FrmCHEdit::leaveTransmit()
{
    if (Text1[kRx]->text().isEmpty())
        return;  // nothing to shift from; OK deletes or refuses the channel
    BoxMessageSink sink(ctx_.boxes, ctx_.language, this);
    const BandPlan& plan = ctx_.document.Model.Band;
    const bool second = secondSetLoaded();
    const std::string rx = ValidateRxText(S(Text1[kRx]->text()), (second ? working_.RxFreqVhf : working_.RxFreq).raw(), plan, sink);
    Text1[kRx]->setText(Q(rx));
    const std::string tx = ValidateRxText(S(Text1[kTx]->text()), (second ? working_.TxFreqVhf : working_.TxFreq).raw(), plan, sink);
    Text1[kTx]->setText(Q(tx));
    if (const auto shift = ShiftFromFrequencies(rx, tx, plan)) {
        Combo2->setCurrentIndex(shift->shiftMode);
        Text1[kOffset]->setText(Q(shift->offsetText));
    }
    updateTalkaround();
}

void FrmCHEdit::ChannelData_Save(ChannelRecord& r)
{
    BoxMessageSink sink(ctx_.boxes, ctx_.language, this);
    const BandPlan& plan = ctx_.document.Model.Band;
    r.ChannelInUse = 1;
    const std::string rx = ValidateRxText(S(Text1[kRx]->text()), (r.VhfActive ? r.RxFreqVhf : r.RxFreq).raw(), plan, sink);
    if (channel_ > kMemoryChannels)
        r.VhfActive = GetUV_Fre(rx, plan) ? 1 : 0;
    const bool second = r.VhfActive != 0 && channel_ > kMemoryChannels;
    Text1[kRx]->setText(Q(rx));
    (second ? r.RxFreqVhf : r.RxFreq) = FreqTextToDigits(rx);
    int shift = std::max(0, Combo2->currentIndex());
    const std::string tx = shift == kSplit
                               ? ValidateRxText(S(Text1[kOffset]->text()), (second ? r.TxFreqVhf : r.TxFreq).raw(), plan, sink)
                               : ComputeOffset(S(Text1[kOffset]->text()), rx, shift, plan, sink);
    Text1[kOffset]->setText(Q(tx));
    (second ? r.ShiftModeVhf : r.ShiftMode) = static_cast<int16_t>(shift);
    (second ? r.TxFreqVhf : r.TxFreq) = FreqTextToDigits(tx);

    std::string name;
    for (int k = 0; k < kNameBoxes; ++k) {
        const QString t = Text1[static_cast<std::size_t>(kFirstNameBox + k)]->text();
        name += t.isEmpty() ? std::string(" ") : S(t);
    }
    r.ChannelName = name;
    const auto at = [this](int i) { return static_cast<int16_t>(Position(Combo1[static_cast<std::size_t>(i)])); };
    r.StepIndex = at(kStep);
    r.Bandwidth = at(kBandwidth);
    r.Power = at(kPower);
    r.DecodeType = at(kDecodeType);
    r.EncodeType = at(kEncodeType);
    r.DtmfPttIdMode = at(kDtmfPttId);
    r.FiveTonePttIdMode = at(kFiveTonePttId);
    r.BusyLock = at(kBusyLock);
    r.SquelchMode = static_cast<int16_t>(Combo1[kSquelch]->currentIndex() < 0 ? 0 : Combo1[kSquelch]->currentData().toInt());
    const QString sig = Combo1[kOptSig]->currentText();
    r.OptSigType = sig == QLatin1String("DTMF") ? kOptSigDtmf
                   : sig == QLatin1String("2Tone") ? kOptSigTwoTone
                   : sig == QLatin1String("5Tone") ? kOptSigFiveTone
                                                   : kOptSigOff;
    r.DecodeCtcss = static_cast<int16_t>(Position(Combo3[0]));
    r.EncodeCtcss = static_cast<int16_t>(Position(Combo3[1]));
    r.DecodeDcs = static_cast<int16_t>(DcsCode{Check2[0]->isChecked(), Position(Combo3[2])}.value());
    r.EncodeDcs = static_cast<int16_t>(DcsCode{Check2[1]->isChecked(), Position(Combo3[3])}.value());
    r.DtmfIndex = static_cast<int16_t>(Position(Combo4[0]));
    r.TwoToneIndex = static_cast<int16_t>(NumberShown(Combo4[1]));
    r.FiveToneIndex = static_cast<int16_t>(NumberShown(Combo4[2]));
    r.TxForbid = Check1->isChecked() ? 1 : 0;
    r.Reverse = Check4[0]->isChecked() ? 1 : 0;
    r.Talkaround = Check4[1]->isChecked() ? 1 : 0;
    r.ScanAdd = Check6->isChecked() ? 1 : 0;
    r.Scramble = Check5->isChecked() ? 1 : 0;
    const std::string tone = UserCtcssFromText(S(Text2->text()));
    Text2->setText(Q(tone));
    r.UserCtcss = static_cast<int16_t>(std::lround(ParseNumber(tone).value_or(0.0) * 10.0));
}

void FrmCHEdit::ModifyUFreData(int channel)
{
    ChannelTable& channels = ctx_.document.Model;
    const int at = channels.FindChannel(channel);
    if (at < 0) {
        ctx_.boxes.inform(this, Icon::None, AppTitle(), QStringLiteral("No Find Data!"));
        return;
    }
    working_ = channels.ChannelList[static_cast<std::size_t>(at)];
    ChannelData_Save(working_);
    channels.ChannelList[static_cast<std::size_t>(at)] = working_;
}

void FrmCHEdit::AddNewUFreData(int channel)
{
    working_.ChannelNumber = static_cast<int16_t>(channel);
    ChannelData_Save(working_);
    ctx_.document.Model.AppendChannel(working_);
}

void FrmCHEdit::CommandOK_Click()
{
    Text2->setText(Q(UserCtcssFromText(S(Text2->text()))));
    EditingModel& model = ctx_.document.Model;
    ChannelTable& channels = model;
    const bool exists = channels.ChannelExists(channel_);
    if (!IsNumeric(S(Text1[kRx]->text()))) {
        if (channel_ > kMemoryChannels) {
            ctx_.boxes.inform(this, Icon::None, AppTitle(), QStringLiteral("VFO can't be null!"));
            Text1[kRx]->setFocus();
            return;
        }
        if (exists) {
            if (channels.ChannelCount < 3 || MemoryChannelCount(channels) <= 1) {
                ctx_.boxes.inform(this, Icon::None, AppTitle(), QStringLiteral("Leave at least one normal channel!"));
                Text1[kRx]->setFocus();
                return;
            }
            channels.DeleteChannel(channel_);
        }
    } else {
        leaveTransmit();
        if (exists)
            ModifyUFreData(channel_);
        else
            AddNewUFreData(channel_);
    }
    FixWorkingChannels(model.Options, channels);
    Q_EMIT ctx_.events.modelChanged();
    accept();
}

}  // namespace tq8615::app
