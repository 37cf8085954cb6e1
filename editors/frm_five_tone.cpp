#include "frm_five_tone.h"

#include "frm_special.h"
#include "input_rules.h"

#include "app/app_context.h"
#include "app/dialog_util.h"
#include "app/message_box.h"
#include "model/five_tone_codes.h"
#include "model/five_tone_rules.h"
#include "model/text_util.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace tq8615::app {

namespace {

constexpr int kRows = kFiveToneListSize;
constexpr int kColumns = 6;
constexpr int kInfoNameLength = 7;
constexpr int kFunctionNone = 0, kFunctionIndividual = 1, kFunctionGroup = 2, kFunctionReset = 6;

QString Q(const std::string& s) { return QString::fromStdString(s); }
std::string S(const QString& s) { return s.toStdString(); }
QString Indexed(const char* name, int i) { return QString::fromLatin1(name) + QLatin1Char('_') + QString::number(i); }

bool IsEnter(const QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

// The item whose text is `text`; `fallback` when none is, or item 0 without a fallback.
void ShowListItem(QComboBox* combo, const QString& text, const QString& fallback = {})
{
    int at = combo->findText(text);
    if (at < 0 && !fallback.isEmpty())
        at = combo->findText(fallback);
    combo->setCurrentIndex(combo->count() == 0 ? -1 : std::max(0, at));
}

QStringList Numbers(int first, int last, int step = 1)
{
    QStringList items;
    for (int v = first; v <= last; v += step)
        items << QString::number(v);
    return items;
}

QStringList StandardNames()
{
    QStringList names;
    for (const char* name : kFiveToneStandards)
        names << QString::fromLatin1(name);
    return names;
}

int NumberShown(const QComboBox* combo) { return combo->currentText().toInt(); }

}  // namespace

Frm5Tone::Frm5Tone(AppContext& context, QWidget* parent)
    : QDialog(parent), WorkingCopy(context.document.Model.FiveTone), ctx_(context)
{
    setObjectName(QStringLiteral("Frm5Tone"));
    buildControls();
    FillLists();
    SetupGrid();
    ApplyLanguage(this, ctx_.language);
    setWindowTitle(ctx_.language.LangText(TextKey::FtCaption));
    MSHFlexGrid1->setAccessibleName(windowTitle());
    ShowFromModel();
    FormReady = true;
}

Frm5Tone::~Frm5Tone() { SilenceControls(this); }

void Frm5Tone::buildControls()
{
    const Language& lang = ctx_.language;
    const auto label = [&](TextKey key, QWidget* buddy) {
        auto* l = new QLabel(lang.LangText(key), this);
        l->setBuddy(buddy);
        return l;
    };
    const auto combo = [this](const QString& name) {
        auto* c = new QComboBox(this);
        c->setObjectName(name);
        EnterMovesOn(c);
        return c;
    };
    const auto text = [this](const QString& name, int maxLength, CharSet set) {
        auto* t = new QLineEdit(this);
        t->setObjectName(name);
        t->setMaxLength(maxLength);
        AttachTextRules(t, set);
        return t;
    };

    // The own identity and the timing.
    Text2 = text(QStringLiteral("Text2"), kSelfIdDigits, CharSet::Digits);
    Text2->installEventFilter(this);
    for (int i = 1; i <= 10; ++i)
        Combo1[static_cast<std::size_t>(i)] = combo(Indexed("Combo1", i));
    Check1 = new QCheckBox(lang.LangText(TextKey::SideToneLabel), this);
    Check1->setObjectName(QStringLiteral("Check1"));
    EnterMovesOn(Check1);
    const std::array<TextKey, 11> labels = {TextKey::FtOwnId,         TextKey::FtStandardLabel,  TextKey::FtDecodeResponse,
                                            TextKey::FtToneLength,    TextKey::FtFirstToneTime,  TextKey::AutoResetTime,
                                            TextKey::FtDecodeTime,    TextKey::FtAutoRepeatInterval, TextKey::FtFirstDigitDelay,
                                            TextKey::FtPauseTime,     TextKey::FtPauseCode};
    auto* header = new QGridLayout;
    for (int i = 0; i <= 10; ++i) {
        QWidget* control = i == 0 ? static_cast<QWidget*>(Text2) : Combo1[static_cast<std::size_t>(i)];
        QLabel* l = label(labels[static_cast<std::size_t>(i)], control);
        l->setObjectName(Indexed("Label1", i));
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        header->addWidget(l, i / 2, 2 * (i % 2));
        header->addWidget(control, i / 2, 2 * (i % 2) + 1);
    }
    header->addWidget(Check1, 5, 3);
    connect(Combo1[1], &QComboBox::currentIndexChanged, this, [this](int index) {
        ShowStandardInfo(index);
        ShowListItem(Combo1[3], QString::number(StandardToneLength(index)));
    });
    connect(Combo1[10], &QComboBox::currentIndexChanged, this, [this](int index) { Combo1[9]->setEnabled(index > 0); });

    Text1 = new QPlainTextEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setReadOnly(true);
    Text1->setContextMenuPolicy(Qt::NoContextMenu);
    Text1->setMinimumWidth(170);

    // The PTT-ID codes.
    auto* pttIds = new QHBoxLayout;
    for (int k = 0; k < 2; ++k) {
        const std::size_t kk = static_cast<std::size_t>(k);
        auto* frame = new QGroupBox(lang.LangText(k == 0 ? TextKey::PttIdBeginLabel : TextKey::PttIdEndLabel), this);
        frame->setObjectName(Indexed("Frame1", k));
        Text4[kk] = text(Indexed("Text4", k), kPttIdBoxLength, CharSet::Hex);
        connect(Text4[kk], &QLineEdit::editingFinished, this, [this, kk] {
            Text4[kk]->setText(Q(StoreCode(S(Text4[kk]->text()), S(Text2->text()))));
        });
        Combo4[kk] = combo(Indexed("Combo4", k));
        Combo5[kk] = combo(Indexed("Combo5", k));
        connect(Combo4[kk], &QComboBox::currentIndexChanged, this, [this, kk](int index) {
            ShowStandardInfo(index);
            ShowListItem(Combo5[kk], QString::number(StandardToneLength(index)));
        });
        QPushButton* special = MakeButton(frame, QStringLiteral("Command%1").arg(k + 2), TextKey{});
        special->setText(lang.LangText(TextKey::FtSpecialCall));
        const SpecialTarget target = k == 0 ? SpecialTarget::PttIdBegin : SpecialTarget::PttIdEnd;
        connect(special, &QPushButton::clicked, this, [this, target] { openSpecial(target); });
        auto* form = new QFormLayout(frame);
        QLabel* codeLabel = label(TextKey::FtCode, Text4[kk]);
        codeLabel->setObjectName(Indexed("Label2", k));
        form->addRow(codeLabel, Text4[kk]);
        form->addRow(label(TextKey::FtStandardColumn, Combo4[kk]), Combo4[kk]);
        form->addRow(label(TextKey::FtToneLength, Combo5[kk]), Combo5[kk]);
        form->addRow(QString(), special);
        pttIds->addWidget(frame);
    }
    pttIds->addWidget(buildInfoPanel());

    // The code list with its floating cell editors.
    MSHFlexGrid1 = new QTableWidget(kRows, kColumns, this);
    MSHFlexGrid1->setObjectName(QStringLiteral("MSHFlexGrid1"));
    QWidget* cells = MSHFlexGrid1->viewport();
    Text3 = new QLineEdit(cells);
    Text3->setObjectName(QStringLiteral("Text3"));
    Text3->setMaxLength(kCodeDigits);
    AttachTextRules(Text3, CharSet::Hex);
    Combo2 = new QComboBox(cells);
    Combo2->setObjectName(QStringLiteral("Combo2"));
    Combo3 = new QComboBox(cells);
    Combo3->setObjectName(QStringLiteral("Combo3"));
    Text6 = new QLineEdit(cells);
    Text6->setObjectName(QStringLiteral("Text6"));
    Text6->setMaxLength(kInfoNameLength);
    AttachTextRules(Text6, CharSet::NameText);
    for (QWidget* editor : {static_cast<QWidget*>(Text3), static_cast<QWidget*>(Combo2), static_cast<QWidget*>(Combo3),
                            static_cast<QWidget*>(Text6)}) {
        editor->hide();
        editor->installEventFilter(this);  // Enter moves through the grid
    }
    connect(Combo2, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (CurTone5Row < 0 || index < 0)
            return;
        ShowStandardInfo(index);
        FiveToneCode& entry = WorkingCopy.CallList[static_cast<std::size_t>(CurTone5Row)];
        entry.ToneLength = static_cast<uint8_t>(StandardToneLength(index));
        MSHFlexGrid1->item(CurTone5Row, kToneLengthColumn)->setText(QString::number(entry.ToneLength));
    });
    connect(MSHFlexGrid1, &QTableWidget::currentCellChanged, this, [this](int row, int column) { EnterCell(row, column); });
    connect(MSHFlexGrid1, &QTableWidget::cellDoubleClicked, this, &Frm5Tone::cellDoubleClicked);
    // The open editor stays over its cell when the grid scrolls (also when moving to a cell
    // scrolls it into view).
    connect(MSHFlexGrid1->verticalScrollBar(), &QScrollBar::valueChanged, this, &Frm5Tone::placeCellEditor);
    connect(MSHFlexGrid1->horizontalScrollBar(), &QScrollBar::valueChanged, this, &Frm5Tone::placeCellEditor);
    QPushButton* special = MakeButton(this, QStringLiteral("Command1"), TextKey{});
    special->setText(lang.LangText(TextKey::FtSpecialCall));
    connect(special, &QPushButton::clicked, this, [this] { openSpecial(SpecialTarget::ListEntry); });

    const OkCancel buttons = MakeOkCancel(this);
    CommandOK = buttons.ok;
    CommandCancel = buttons.cancel;
    connect(CommandOK, &QPushButton::clicked, this, &Frm5Tone::CommandOK_Click);

    auto* top = new QHBoxLayout;
    top->addLayout(header, 1);
    top->addWidget(Text1);
    auto* gridRow = new QHBoxLayout;
    gridRow->addWidget(MSHFlexGrid1, 1);
    gridRow->addWidget(special, 0, Qt::AlignTop);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(pttIds);
    layout->addLayout(gridRow, 1);
    layout->addLayout(buttons.row);
}

QGroupBox* Frm5Tone::buildInfoPanel()
{
    const Language& lang = ctx_.language;
    infoFrame_ = new QGroupBox(this);
    infoFrame_->setObjectName(QStringLiteral("Frame2"));
    Combo6 = new QComboBox(infoFrame_);
    Combo6->setObjectName(QStringLiteral("Combo6"));
    Combo6->addItems(Numbers(1, kInfoCodeCount));
    EnterMovesOn(Combo6);
    for (int k = 0; k < 2; ++k) {
        Combo7[static_cast<std::size_t>(k)] = new QComboBox(infoFrame_);
        Combo7[static_cast<std::size_t>(k)]->setObjectName(Indexed("Combo7", k));
        EnterMovesOn(Combo7[static_cast<std::size_t>(k)]);
    }
    for (TextKey key : {TextKey::FtFunctionNone, TextKey::FtIndividualCall, TextKey::FtGroupCall, TextKey::RemoteKill,
                        TextKey::RemoteStun, TextKey::FtRevive, TextKey::FtReset})
        Combo7[0]->addItem(lang.LangText(key));
    Text5 = new QLineEdit(infoFrame_);
    Text5->setObjectName(QStringLiteral("Text5"));
    Text5->setMaxLength(kInfoDigits);
    AttachTextRules(Text5, CharSet::Hex);
    Text7 = new QLineEdit(infoFrame_);
    Text7->setObjectName(QStringLiteral("Text7"));
    Text7->setMaxLength(kInfoNameLength);
    AttachTextRules(Text7, CharSet::Any);
    connect(Combo6, &QComboBox::currentIndexChanged, this, &Frm5Tone::infoNumberChanged);
    connect(Combo7[0], &QComboBox::currentIndexChanged, this, &Frm5Tone::infoFunctionChanged);

    auto* form = new QFormLayout(infoFrame_);
    const std::array<std::pair<TextKey, QWidget*>, 5> rows = {{{TextKey::FtInfoCodeNumber, Combo6},
                                                               {TextKey::FtFunction, Combo7[0]},
                                                               {TextKey::FtDecodeResponse, Combo7[1]},
                                                               {TextKey::FtInfoDigits, Text5},
                                                               {TextKey::FtInfoName, Text7}}};
    for (std::size_t i = 0; i < rows.size(); ++i) {
        auto* l = new QLabel(lang.LangText(rows[i].first), infoFrame_);
        if (i > 0)
            l->setObjectName(Indexed("Label4", static_cast<int>(i) - 1));
        l->setBuddy(rows[i].second);
        form->addRow(l, rows[i].second);
    }
    return infoFrame_;
}

void Frm5Tone::FillLists()
{
    const Language& lang = ctx_.language;
    const QStringList toneLengths = Numbers(30, 120);
    for (QComboBox* c : {Combo3, Combo1[3], Combo5[0], Combo5[1]})
        c->addItems(toneLengths);
    for (QComboBox* c : {Combo2, Combo1[1], Combo4[0], Combo4[1]})
        c->addItems(StandardNames());
    for (TextKey key : {TextKey::ResponseNone, TextKey::ResponseAlert, TextKey::ResponseTranspond})
        Combo1[2]->addItem(lang.LangText(key));
    QStringList tenths;
    for (int v = 0; v <= 250; ++v)
        tenths << Q(FormatFixed(v / 10.0, 1, 1));
    Combo1[5]->addItems(tenths);
    for (QComboBox* c : {Combo1[4], Combo1[6], Combo1[8]})
        c->addItems(Numbers(10, 2550, 10));
    Combo1[9]->addItems(Numbers(0, 2550, 10));
    const QString off = lang.LangText(TextKey::TxForbidOff);
    Combo1[7]->addItem(off);
    Combo1[7]->addItems(Numbers(5, 75));
    Combo1[10]->addItems({off, QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("D"), QStringLiteral("F")});
}

void Frm5Tone::SetupGrid()
{
    const Language& lang = ctx_.language;
    QStringList headers;
    for (TextKey key : {TextKey::NumberColumn, TextKey::FtSpecialCall, TextKey::FtCode, TextKey::FtStandardColumn,
                        TextKey::FtToneLengthColumn, TextKey::FtNameColumn})
        headers << lang.LangText(key);
    MSHFlexGrid1->setHorizontalHeaderLabels(headers);
    MSHFlexGrid1->verticalHeader()->hide();
    MSHFlexGrid1->verticalHeader()->setDefaultSectionSize(Twips(500));
    MSHFlexGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    MSHFlexGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    MSHFlexGrid1->setTabKeyNavigation(false);
    MSHFlexGrid1->horizontalHeader()->setStyleSheet(
        QStringLiteral("QHeaderView::section { background-color: rgb(0,0,155); color: white; }"));
    const int widths[kColumns] = {400, 1250, 5300, 1600, 1800, 0};
    for (int c = 0; c < kColumns; ++c)
        MSHFlexGrid1->setColumnWidth(c, Twips(widths[c]));
    MSHFlexGrid1->setColumnHidden(kNameColumn, true);
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kColumns; ++c) {
            auto* item = new QTableWidgetItem;
            item->setTextAlignment(Qt::AlignCenter);
            if (c == kNumberColumn) {
                item->setText(QString::number(r));
                item->setBackground(QColor(0, 0, 255));
                item->setForeground(Qt::white);
            }
            MSHFlexGrid1->setItem(r, c, item);
        }
    // Every column in view, and eight rows.
    int width = 0;
    for (int c = 0; c < kColumns; ++c)
        width += Twips(widths[c]);
    MSHFlexGrid1->setMinimumSize(width + MSHFlexGrid1->verticalScrollBar()->sizeHint().width() + 2 * MSHFlexGrid1->frameWidth(),
                                 MSHFlexGrid1->horizontalHeader()->sizeHint().height() + Twips(500) * 8);
    MSHFlexGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

QString Frm5Tone::ownId() const { return Text2->text(); }

void Frm5Tone::setPttIdText(SpecialTarget target, const QString& code)
{
    Text4[target == SpecialTarget::PttIdBegin ? 0 : 1]->setText(code);
}

void Frm5Tone::showRow(int row)
{
    FiveToneCode& entry = WorkingCopy.CallList[static_cast<std::size_t>(row)];
    RepairCode(entry);
    const CodeRowView view = ViewOfCode(entry, S(Text2->text()));
    QString kind;
    QString code = Q(view.code);
    switch (view.kind) {
    case CodeKind::DataMessage:
        kind = ctx_.language.LangText(TextKey::FtDataMessage);
        code += QString(8, QLatin1Char(' ')) + ctx_.language.LangText(TextKey::FtMessageCaption) + Q(view.message);
        break;
    case CodeKind::PttId: kind = QStringLiteral("PTTID"); break;
    case CodeKind::Ani: kind = QStringLiteral("ANI"); break;
    case CodeKind::None: break;
    }
    const QString texts[kColumns] = {QString::number(row), kind, code, Q(view.standard), Q(view.toneLength), Q(view.name)};
    for (int c = kKindColumn; c < kColumns; ++c)
        MSHFlexGrid1->item(row, c)->setText(texts[c]);
}

void Frm5Tone::ShowFromModel()
{
    FiveToneSettings& s = WorkingCopy;
    Text2->setText(Q(s.SelfId.trimmed()));
    {
        const QSignalBlocker block(Combo1[1]);  // the stored tone length wins over the standard's
        Combo1[1]->setCurrentIndex(s.Standard < kFiveToneStandardCount ? s.Standard : 0);
    }
    ShowStandardInfo(Combo1[1]->currentIndex());
    Combo1[2]->setCurrentIndex(s.DecodeResponse <= 2 ? s.DecodeResponse : 0);
    if (s.ToneLength < 30 || s.ToneLength > 120)
        s.ToneLength = 70;
    ShowListItem(Combo1[3], QString::number(s.ToneLength));
    ShowListItem(Combo1[4], QString::number(s.Time4 * 10));
    ShowListItem(Combo1[5], Q(FormatFixed(s.Time5 / 10.0, 1, 1)));
    ShowListItem(Combo1[6], QString::number(s.Time6 * 10));
    ShowListItem(Combo1[8], QString::number(s.FirstDigitDelay * 10));
    ShowListItem(Combo1[9], QString::number(s.PauseTime * 10));
    ShowListItem(Combo1[7], s.Count7 > 4 ? QString::number(s.Count7) : QString());
    ShowListItem(Combo1[10], s.PauseCode != 0 ? Q(HexText(static_cast<unsigned>(s.PauseCode) & 0xFFu)) : QString());
    Combo1[9]->setEnabled(Combo1[10]->currentIndex() > 0);
    Check1->setChecked(s.SideTone != 0);
    for (std::size_t k = 0; k < 2; ++k) {
        FiveToneCode& code = k == 0 ? s.PttIdBegin : s.PttIdEnd;
        RepairCode(code);
        const QString text = Q(CodeOfLength(code.Code.trimmed(), code.DigitCount));
        // A longer code from a data file is shown whole, never cut by the box.
        Text4[k]->setMaxLength(std::max<int>(kPttIdBoxLength, static_cast<int>(text.size())));
        Text4[k]->setText(text);
        const QSignalBlocker block(Combo4[k]);
        Combo4[k]->setCurrentIndex(code.Standard);
        ShowListItem(Combo5[k], QString::number(code.ToneLength));
    }
    CurInfoCodeID = 0;
    if (Combo6->currentIndex() == 0)
        infoNumberChanged(0);
    else
        Combo6->setCurrentIndex(0);
    for (int r = 0; r < kRows; ++r)
        showRow(r);
}

void Frm5Tone::SaveToModel(const std::string& codeId)
{
    FiveToneSettings& s = WorkingCopy;
    const std::string id = S(Text2->text());
    s.SelfId = id + '\0';
    s.SelfIdLength = static_cast<uint8_t>(id.size());
    s.Standard = static_cast<uint8_t>(Combo1[1]->currentIndex());
    s.DecodeResponse = static_cast<uint8_t>(Combo1[2]->currentIndex());
    s.ToneLength = static_cast<uint8_t>(NumberShown(Combo1[3]));
    s.Time4 = static_cast<uint8_t>(Combo1[4]->currentIndex() + 1);
    s.Time5 = static_cast<uint8_t>(Combo1[5]->currentIndex());
    s.Time6 = static_cast<uint8_t>(Combo1[6]->currentIndex() + 1);
    s.Count7 = static_cast<uint8_t>(Combo1[7]->currentIndex() == 0 ? 0 : NumberShown(Combo1[7]));
    s.FirstDigitDelay = static_cast<int16_t>(Combo1[8]->currentIndex() + 1);
    s.PauseTime = static_cast<int16_t>(Combo1[9]->currentIndex());
    s.PauseCode = static_cast<int16_t>(Combo1[10]->currentIndex() == 0 ? 0 : HexDigitValue(S(Combo1[10]->currentText()).at(0)));
    s.SideTone = Check1->isChecked() ? 1 : 0;
    for (std::size_t k = 0; k < 2; ++k) {
        FiveToneCode& code = k == 0 ? s.PttIdBegin : s.PttIdEnd;
        const std::string stored = StoreCode(S(Text4[k]->text()), codeId);
        code.Code = stored;
        code.DigitCount = static_cast<uint8_t>(stored.size());
        code.Standard = static_cast<uint8_t>(Combo4[k]->currentIndex());
        code.ToneLength = static_cast<uint8_t>(NumberShown(Combo5[k]));
    }
    StoreListCodes(s, codeId);
    if (CurInfoCodeID > 0)
        SaveInfoCode();
}

void Frm5Tone::ShowStandardInfo(int standard)
{
    const Language& lang = ctx_.language;
    const ToneTableCaptions captions{S(lang.LangText(TextKey::FtFrequency)), S(lang.LangText(TextKey::FtToneLengthCaption)),
                                     S(lang.LangText(TextKey::FtGroupTone)), S(lang.LangText(TextKey::FtRepeatTone))};
    Text1->setPlainText(Q(StandardInfoText(standard, captions)));
}

void Frm5Tone::infoNumberChanged(int index)
{
    if (CurInfoCodeID > 0)
        SaveInfoCode();
    CurInfoCodeID = index + 1;
    infoFrame_->setTitle(ctx_.language.LangText(TextKey::FtInfoCodeFrame) + Combo6->currentText());
    ShowInfoCode();
}

void Frm5Tone::ShowInfoCode()
{
    const FiveToneInfoCode& info = WorkingCopy.InfoCodes[static_cast<std::size_t>(CurInfoCodeID - 1)];
    const int function = info.DecodeFunction <= kFunctionReset ? info.DecodeFunction : kFunctionNone;
    {
        const QSignalBlocker block(Combo7[0]);
        Combo7[0]->setCurrentIndex(function);
    }
    infoFunctionChanged(function);
    // A response the function fixes keeps the fixed value.
    if (Combo7[1]->isEnabled() && info.DecodeResponse < Combo7[1]->count())
        Combo7[1]->setCurrentIndex(info.DecodeResponse);
    Text5->setText(Q(info.Digits.trimmed().substr(0, info.DigitCount)));
    Text7->setText(Text7->isEnabled() ? Q(info.Name.trimmed()) : QString());
}

void Frm5Tone::SaveInfoCode()
{
    FiveToneInfoCode& info = WorkingCopy.InfoCodes[static_cast<std::size_t>(CurInfoCodeID - 1)];
    info.DecodeFunction = static_cast<uint8_t>(Combo7[0]->currentIndex());
    info.DecodeResponse = static_cast<uint8_t>(std::max(0, Combo7[1]->currentIndex()));
    info.Digits = S(Text5->text());
    info.DigitCount = static_cast<uint8_t>(Text5->text().size());
    info.Name = TrimmedText(S(Text7->text()));
}

void Frm5Tone::infoFunctionChanged(int function)
{
    const Language& lang = ctx_.language;
    const int kept = Combo7[1]->currentIndex();
    Combo7[1]->clear();
    const bool individual = function == kFunctionIndividual;
    for (TextKey key : {TextKey::ResponseNone, TextKey::ResponseAlert, TextKey::ResponseTranspond})
        if (!individual || key != TextKey::ResponseTranspond)
            Combo7[1]->addItem(lang.LangText(key));
    Combo7[1]->setCurrentIndex(std::clamp(kept, 0, Combo7[1]->count() - 1));
    const bool fixedNone = function == kFunctionGroup || function == kFunctionReset;
    const bool fixedTranspond = function >= 3 && function <= 5;
    if (fixedNone || individual)
        Combo7[1]->setCurrentIndex(0);
    if (fixedTranspond)
        Combo7[1]->setCurrentIndex(2);
    Combo7[1]->setEnabled(!fixedNone && !fixedTranspond);
    const bool named = function != kFunctionNone && function != kFunctionReset;
    Text7->setEnabled(named);
    if (!named)
        Text7->clear();
}

bool Frm5Tone::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Text2 && event->type() == QEvent::FocusOut) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        QWidget* next = QApplication::focusWidget();
        // OK checks the identity itself; Cancel must always be reachable.
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason && next != CommandOK &&
            next != CommandCancel)
            leaveOwnId();
        return false;
    }
    if (!IsEnter(event))
        return false;
    const int nextRow = CurTone5Row + 1 < kRows ? CurTone5Row + 1 : 0;
    if (watched == Combo2)
        moveToCell(CurTone5Row, kToneLengthColumn);
    else if (watched == Combo3)
        moveToCell(nextRow, kCodeColumn);
    else if (watched == Text3)
        moveToCell(Text3->text().isEmpty() ? nextRow : CurTone5Row, Text3->text().isEmpty() ? kCodeColumn : kStandardColumn);
    else if (watched == Text6)
        moveToCell(nextRow, kKindColumn);
    else
        return false;
    return true;
}

void Frm5Tone::leaveOwnId()
{
    if (leavingOwnId_)
        return;
    leavingOwnId_ = true;
    const std::string previous = WorkingCopy.SelfId.trimmed();
    if (Text2->text().size() == kSelfIdDigits && S(Text2->text()) != previous) {
        // The focus may have gone to a cell editor just opened: it opens again on the new rows.
        const int row = CurTone5Row, column = CurTone5Col;
        closeCellEditor();
        // The codes are stored as they were made, for the old identity, then carried over.
        SaveToModel(previous);
        UpdateSelfIdCodes(WorkingCopy, S(Text2->text()), previous);
        ShowFromModel();
        if (row >= 0)
            EnterCell(row, column);
    } else if (Text2->text().size() != kSelfIdDigits) {
        BoxMessageSink(ctx_.boxes, ctx_.language, this).show(Message::Key(TextKey::IdNeedsFiveDigits));
        QTimer::singleShot(0, Text2, [this] { Text2->setFocus(); });
    }
    leavingOwnId_ = false;
}

void Frm5Tone::EnterCell(int row, int column)
{
    if (!FormReady || (row == CurTone5Row && column == CurTone5Col))
        return;
    closeCellEditor();
    if (row < 0 || column < kCodeColumn)
        return;
    const bool special = !MSHFlexGrid1->item(row, kKindColumn)->text().isEmpty();
    if (column == kCodeColumn && special)
        return;  // changed through the special call window, or reset by a double click
    if (column > kCodeColumn && MSHFlexGrid1->item(row, kCodeColumn)->text().isEmpty() &&
        MSHFlexGrid1->item(row, kKindColumn)->text() != QLatin1String("PTTID"))
        return;
    CurTone5Row = row;
    CurTone5Col = column;
    const QString cell = MSHFlexGrid1->item(row, column)->text();
    switch (column) {
    case kCodeColumn: Text3->setText(cell); break;
    case kStandardColumn: {
        const QSignalBlocker block(Combo2);
        ShowListItem(Combo2, cell);
        break;
    }
    case kToneLengthColumn: ShowListItem(Combo3, cell, QStringLiteral("70")); break;
    default: Text6->setText(cell); break;
    }
    QWidget* editor = cellEditor();
    placeCellEditor();
    editor->show();
    editor->setFocus();
}

void Frm5Tone::CommitCellEdit()
{
    if (CurTone5Row < 0 || CurTone5Col < kCodeColumn)
        return;
    FiveToneCode& entry = WorkingCopy.CallList[static_cast<std::size_t>(CurTone5Row)];
    switch (CurTone5Col) {
    case kCodeColumn: {
        const std::string v = StoreCode(S(Text3->text()), S(Text2->text()));
        entry.Code = v;
        entry.DigitCount = static_cast<uint8_t>(v.size());
        entry.IsEmpty = v.empty() ? 1 : 0;
        break;
    }
    case kStandardColumn:
        entry.Standard = static_cast<uint8_t>(Combo2->currentIndex());
        break;
    case kToneLengthColumn:
        entry.ToneLength = static_cast<uint8_t>(NumberShown(Combo3));
        break;
    default:
        entry.Name = TrimmedText(S(Text6->text()));
        break;
    }
    showRow(CurTone5Row);
}

QWidget* Frm5Tone::cellEditor() const
{
    switch (CurTone5Col) {
    case kCodeColumn: return Text3;
    case kStandardColumn: return Combo2;
    case kToneLengthColumn: return Combo3;
    case kNameColumn: return Text6;
    default: return nullptr;
    }
}

void Frm5Tone::placeCellEditor()
{
    if (QWidget* editor = cellEditor())
        editor->setGeometry(MSHFlexGrid1->visualItemRect(MSHFlexGrid1->item(CurTone5Row, CurTone5Col)));
}

void Frm5Tone::closeCellEditor()
{
    CommitCellEdit();
    CurTone5Row = -1;
    CurTone5Col = -1;
    // The focus leaves first: a focused editor that hides would hand it on to the next cell.
    if (Text3->hasFocus() || Combo2->hasFocus() || Combo3->hasFocus() || Text6->hasFocus())
        MSHFlexGrid1->setFocus();
    for (QWidget* editor : {static_cast<QWidget*>(Text3), static_cast<QWidget*>(Combo2), static_cast<QWidget*>(Combo3),
                            static_cast<QWidget*>(Text6)})
        editor->hide();
}

void Frm5Tone::moveToCell(int row, int column)
{
    MSHFlexGrid1->setCurrentCell(row, column);
    if (CurTone5Row < 0)
        MSHFlexGrid1->setFocus();
}

void Frm5Tone::cellDoubleClicked(int row, int column)
{
    if (column != kCodeColumn || MSHFlexGrid1->item(row, kKindColumn)->text().isEmpty())
        return;
    if (ctx_.boxes.ask(this, Icon::Question, AppTitle(), QStringLiteral("Reset Special Call of this channel,OK or Not?"),
                       Buttons::OkCancel) != Answer::Ok)
        return;
    FiveToneCode& entry = WorkingCopy.CallList[static_cast<std::size_t>(row)];
    entry.DigitCount = 0;
    entry.Code = std::string();
    entry.IsEmpty = 1;  // an entry without a code is no entry, as when a code cell is emptied
    showRow(row);
}

void Frm5Tone::openSpecial(SpecialTarget target)
{
    int row = -1;
    if (target == SpecialTarget::ListEntry) {
        row = CurTone5Row >= 0 ? CurTone5Row : MSHFlexGrid1->currentRow();
        closeCellEditor();
    }
    FrmSpecial special(ctx_, *this, target, row, this);
    ctx_.dialogs.run(special);
}

void Frm5Tone::CommandOK_Click()
{
    if (Text2->text().size() != kSelfIdDigits) {
        BoxMessageSink(ctx_.boxes, ctx_.language, this).show(Message::Key(TextKey::IdNeedsFiveDigits));
        Text2->setFocus();
        return;
    }
    closeCellEditor();
    SaveToModel(S(Text2->text()));
    const std::vector<Message> problems = IsInfoKillStunWakenOK(WorkingCopy);
    BoxMessageSink sink(ctx_.boxes, ctx_.language, this);
    for (const Message& m : problems)
        sink.show(m);
    if (!problems.empty())
        return;
    EditingModel& model = ctx_.document.Model;
    model.FiveTone = WorkingCopy;
    RevalidateFiveToneIndexes(model, model.FiveTone);
    Q_EMIT ctx_.events.modelChanged();
    accept();
}

}  // namespace tq8615::app
