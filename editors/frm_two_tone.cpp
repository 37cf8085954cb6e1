#include "frm_two_tone.h"

#include "input_rules.h"

#include "app/app_context.h"
#include "app/dialog_util.h"
#include "model/text_util.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

#include <functional>

namespace tq8615::app {

namespace {

constexpr int kNameLength = 7;

QString Indexed(const char* name, int i) { return QString::fromLatin1(name) + QLatin1Char('_') + QString::number(i); }
QString Q(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

// The edit boxes over the grid's cells: Text1 over a tone, Text3 over a name. Leaving a
// cell commits it; Enter commits and goes where the grid's rules lead.
class TwoToneCellEditors : public QStyledItemDelegate {
public:
    using Commit = std::function<void(int row, int column, const QString& text)>;
    using Move = std::function<void(const TwoToneCell& cell)>;

    TwoToneCellEditors(QObject* parent, Commit commit, Move move)
        : QStyledItemDelegate(parent), commit_(std::move(commit)), move_(std::move(move))
    {
    }

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex& index) const override
    {
        auto* box = new QLineEdit(parent);
        const bool name = index.column() == kNameColumn;
        box->setObjectName(name ? QStringLiteral("Text3") : QStringLiteral("Text1"));
        AttachTextRules(box, name ? CharSet::NameText : CharSet::Decimal);
        if (name)
            box->setMaxLength(kNameLength);
        open_ = box;
        return box;
    }

    void setEditorData(QWidget* editor, const QModelIndex& index) const override
    {
        static_cast<QLineEdit*>(editor)->setText(index.data().toString());
    }

    void setModelData(QWidget* editor, QAbstractItemModel*, const QModelIndex& index) const override
    {
        commit_(index.row() + 1, index.column(), static_cast<QLineEdit*>(editor)->text());
    }

    void destroyEditor(QWidget* editor, const QModelIndex& index) const override
    {
        open_.clear();
        QStyledItemDelegate::destroyEditor(editor, index);
    }

    // The box being edited, for OK to commit it.
    QLineEdit* openEditor() const { return open_; }

protected:
    // Runs before the box's own rules, which would take Enter as Tab.
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* box = qobject_cast<QLineEdit*>(watched);
        if (box && event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                auto* view = qobject_cast<QTableWidget*>(parent());
                const QModelIndex at = view->currentIndex();
                const bool emptyFirstTone = at.column() == kFirstToneColumn && box->text().isEmpty();
                Q_EMIT commitData(box);
                Q_EMIT closeEditor(box, NoHint);
                move_(TwoToneNextCell(at.row() + 1, at.column(), emptyFirstTone));
                return true;
            }
        }
        return QStyledItemDelegate::eventFilter(watched, event);
    }

private:
    Commit commit_;
    Move move_;
    mutable QPointer<QLineEdit> open_;
};

Frm2Tone::Frm2Tone(AppContext& context, QWidget* parent)
    : QDialog(parent), WorkingCopy(context.document.Model.TwoTone), ctx_(context)
{
    setObjectName(QStringLiteral("Frm2Tone"));
    // Its texts are in the language file's "OPTION" section, which tags do not reach.
    setWindowTitle(ctx_.language.LangText(TextKey::TwoToneCaption));
    const OkCancel buttons = MakeOkCancel(this);
    CommandOK = buttons.ok;
    CommandCancel = buttons.cancel;
    connect(CommandOK, &QPushButton::clicked, this, &Frm2Tone::CommandOK_Click);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildHeader());
    layout->addWidget(buildGrid(), 1);
    layout->addLayout(buttons.row);
    ApplyLanguage(this, ctx_.language);
    MSHFlexGrid1->setAccessibleName(windowTitle());

    showHeader();
    for (int row = 1; row <= kTwoToneEntries; ++row)
        showRow(row);
    connect(Combo2[0], &QComboBox::currentIndexChanged, this, &Frm2Tone::formatChanged);
}

Frm2Tone::~Frm2Tone() { SilenceControls(this); }

QWidget* Frm2Tone::buildHeader()
{
    const Language& lang = ctx_.language;
    auto* frame = new QGroupBox(this);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setTitle(lang.LangText(TextKey::TwoToneDecodeFrame));
    auto* grid = new QGridLayout(frame);
    const auto place = [&](QWidget* control, const QString& caption, int row, int column) {
        auto* label = new QLabel(caption, frame);
        label->setBuddy(control);
        grid->addWidget(label, row, 2 * column);
        grid->addWidget(control, row, 2 * column + 1);
    };
    const auto combo = [&](const char* name, int i, const QStringList& items) {
        auto* c = new QComboBox(frame);
        c->setObjectName(Indexed(name, i));
        c->addItems(items);
        EnterMovesOn(c);
        return c;
    };

    QStringList formats;
    for (const char* f : kTwoToneFormatNames)
        formats << QString::fromLatin1(f);
    Combo2[0] = combo("Combo2", 0, formats);
    place(Combo2[0], lang.LangText(TextKey::TwoToneDecodeFormat), 0, 0);
    Combo2[1] = combo("Combo2", 1, {lang.LangText(TextKey::ResponseNone), lang.LangText(TextKey::ResponseAlert),
                                    lang.LangText(TextKey::ResponseTranspond)});
    place(Combo2[1], lang.LangText(TextKey::TwoToneDecodeResponse), 0, 1);

    for (int k = 0; k < kToneBoxes; ++k) {
        auto* box = new QLineEdit(frame);
        box->setObjectName(Indexed("Text2", k));
        AttachTextRules(box, CharSet::Decimal);
        connect(box, &QLineEdit::editingFinished, box,
                [box] { box->setText(Q(PlainToneText(LeftToneBoxValue(box->text().toStdString())))); });
        const QString caption = lang.LangText(TextKey::TwoToneToneLabel) + QLatin1Char(' ') + QLatin1Char(static_cast<char>('A' + k));
        place(box, caption, 1 + k / 2, k % 2);
        Text2[static_cast<std::size_t>(k)] = box;
    }

    QStringList toneTimes, intervals, resetTimes;
    for (int i = 0; i < kToneTimes; ++i)
        toneTimes << Q(FormatFixed((i + 5) / 10.0, 1, 1));
    for (int i = 0; i < kIntervals; ++i)
        intervals << QString::number(i * 100);
    for (int i = 0; i < kAutoResetTimes; ++i)
        resetTimes << Q(FormatFixed(i / 10.0, 1, 1));
    const TextKey timeKeys[] = {TextKey::TwoToneFirstToneTime, TextKey::TwoToneSecondToneTime, TextKey::TwoToneLongToneTime};
    for (int k = 0; k < 3; ++k) {
        Combo1[static_cast<std::size_t>(k)] = combo("Combo1", k, toneTimes);
        place(Combo1[static_cast<std::size_t>(k)], lang.LangText(timeKeys[k]), 3 + k / 2, k % 2);
    }
    Combo1[3] = combo("Combo1", 3, intervals);
    place(Combo1[3], lang.LangText(TextKey::TwoToneInterval), 4, 1);
    Combo1[4] = combo("Combo1", 4, resetTimes);
    place(Combo1[4], lang.LangText(TextKey::AutoResetTime), 5, 0);
    Check1 = new QCheckBox(frame);
    Check1->setObjectName(QStringLiteral("Check1"));
    Check1->setText(lang.LangText(TextKey::SideToneLabel));
    EnterMovesOn(Check1);
    grid->addWidget(Check1, 5, 3);
    return frame;
}

QWidget* Frm2Tone::buildGrid()
{
    const Language& lang = ctx_.language;
    auto* frame = new QGroupBox(this);
    frame->setObjectName(QStringLiteral("Frame2"));
    frame->setTitle(lang.LangText(TextKey::TwoToneCodesFrame));
    MSHFlexGrid1 = new QTableWidget(kTwoToneEntries, 4, frame);
    MSHFlexGrid1->setObjectName(QStringLiteral("MSHFlexGrid1"));
    MSHFlexGrid1->setHorizontalHeaderLabels({lang.LangText(TextKey::NumberColumn), lang.LangText(TextKey::TwoToneFirstToneColumn),
                                             lang.LangText(TextKey::TwoToneSecondToneColumn), lang.LangText(TextKey::TwoToneNameColumn)});
    MSHFlexGrid1->verticalHeader()->hide();
    MSHFlexGrid1->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    MSHFlexGrid1->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    MSHFlexGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    MSHFlexGrid1->setMinimumSize(420, 300);
    MSHFlexGrid1->setEditTriggers(QAbstractItemView::CurrentChanged | QAbstractItemView::DoubleClicked
                                  | QAbstractItemView::SelectedClicked | QAbstractItemView::AnyKeyPressed);
    for (int row = 1; row <= kTwoToneEntries; ++row) {
        // The number is not a cell to stop at; it keeps the text colour of the others.
        auto* number = new QTableWidgetItem(QString::number(row));
        number->setFlags(Qt::NoItemFlags);
        number->setForeground(palette().text());
        number->setTextAlignment(Qt::AlignCenter);
        MSHFlexGrid1->setItem(row - 1, 0, number);
        for (int column = kFirstToneColumn; column <= kNameColumn; ++column) {
            auto* cell = new QTableWidgetItem;
            Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
            if (TwoToneCellCommits(row, column))
                flags |= Qt::ItemIsEditable;
            cell->setFlags(flags);
            MSHFlexGrid1->setItem(row - 1, column, cell);
        }
    }
    cellEditors_ = new TwoToneCellEditors(
        MSHFlexGrid1, [this](int row, int column, const QString& text) { commitCell(row, column, text); },
        [this](const TwoToneCell& cell) { moveToCell(cell); });
    MSHFlexGrid1->setItemDelegate(cellEditors_);
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(MSHFlexGrid1);
    return frame;
}

void Frm2Tone::showHeader()
{
    const TwoToneHeaderView v = ShowTwoToneHeader(WorkingCopy.Header);
    Combo2[0]->setCurrentIndex(v.format);
    Combo2[1]->setCurrentIndex(v.decodeResponse);
    for (std::size_t k = 0; k < kToneBoxes; ++k)
        Text2[k]->setText(Q(PlainToneText(v.tones[k])));
    for (std::size_t k = 0; k < v.toneTimes.size(); ++k)
        Combo1[k]->setCurrentIndex(v.toneTimes[k]);
    Combo1[3]->setCurrentIndex(v.interval);
    Combo1[4]->setCurrentIndex(v.autoResetTime);
    Check1->setChecked(v.sideTone);
    formatChanged();
}

void Frm2Tone::showRow(int row)
{
    const auto texts = TwoToneRowTexts(WorkingCopy.Entries[static_cast<std::size_t>(row - 1)]);
    for (int column = kFirstToneColumn; column <= kNameColumn; ++column)
        MSHFlexGrid1->item(row - 1, column)->setText(Q(texts[static_cast<std::size_t>(column - 1)]));
}

void Frm2Tone::formatChanged()
{
    const FormatTones tones = TonesOfFormat(Combo2[0]->currentIndex());
    for (int k = 0; k < kToneBoxes; ++k)
        Text2[static_cast<std::size_t>(k)]->setEnabled(k == tones.first || k == tones.second);
}

void Frm2Tone::commitCell(int row, int column, const QString& text)
{
    CommitTwoToneCell(WorkingCopy, row, column, text.toStdString());
    showRow(row);
}

void Frm2Tone::moveToCell(const TwoToneCell& cell)
{
    MSHFlexGrid1->setCurrentCell(cell.row - 1, cell.column);  // a new current cell opens its box
    if (!cellEditors_->openEditor())
        MSHFlexGrid1->editItem(MSHFlexGrid1->item(cell.row - 1, cell.column));
}

TwoToneHeaderView Frm2Tone::headerShown() const
{
    TwoToneHeaderView v;
    v.format = Combo2[0]->currentIndex();
    v.decodeResponse = Combo2[1]->currentIndex();
    for (std::size_t k = 0; k < kToneBoxes; ++k)
        v.tones[k] = LeftToneBoxValue(Text2[k]->text().toStdString());
    for (std::size_t k = 0; k < v.toneTimes.size(); ++k)
        v.toneTimes[k] = Combo1[k]->currentIndex();
    v.interval = Combo1[3]->currentIndex();
    v.autoResetTime = Combo1[4]->currentIndex();
    v.sideTone = Check1->isChecked();
    return v;
}

void Frm2Tone::CommandOK_Click()
{
    StoreTwoToneHeader(headerShown(), WorkingCopy.Header);
    if (QLineEdit* box = cellEditors_->openEditor())
        Q_EMIT cellEditors_->commitData(box);
    EditingModel& model = ctx_.document.Model;
    model.TwoTone = WorkingCopy;
    RecheckSignalCodes(model, model.TwoTone, model.FiveTone);
    Q_EMIT ctx_.events.modelChanged();
    accept();
}

}  // namespace tq8615::app
