#include "frm_commu_book.h"

#include "input_rules.h"

#include "app/app_context.h"
#include "app/dialog_util.h"
#include "app/message_box.h"
#include "files/book_file.h"
#include "model/commu_book_edit.h"

#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace tq8615::app {

namespace {

const QColor kHeaderColour(0, 0, 155);
const QColor kNumberColour(0, 0, 255);
constexpr int kColumnWidths[] = {500, 1000, 1500};  // twips

QTableWidgetItem* CenteredItem(const QString& text)
{
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(Qt::AlignCenter);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

}  // namespace

FrmCommuBook::FrmCommuBook(AppContext& context, QWidget* parent)
    : QDialog(parent), WorkingBook(context.document.Model.Book), ctx_(context)
{
    setObjectName(QStringLiteral("FrmCommuBook"));
    SetTag(this, TextKey::CommBookCaption);
    const Language& l = ctx_.language;

    MSFlexGrid1 = new QTableWidget(kCommuBookSize, 3, this);
    MSFlexGrid1->setObjectName(QStringLiteral("MSFlexGrid1"));
    MSFlexGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    MSFlexGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    MSFlexGrid1->setTabKeyNavigation(false);  // arrows move between cells; Tab goes on to the buttons
    MSFlexGrid1->verticalHeader()->hide();
    MSFlexGrid1->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    MSFlexGrid1->horizontalHeader()->setStretchLastSection(true);
    const QString headers[] = {l.LangText(TextKey::BookNumberHeader), QStringLiteral("Call ID"), l.LangText(TextKey::BookName)};
    int width = 0;
    for (int c = 0; c < 3; ++c) {
        QTableWidgetItem* header = CenteredItem(headers[c]);
        header->setForeground(kHeaderColour);
        MSFlexGrid1->setHorizontalHeaderItem(c, header);
        MSFlexGrid1->setColumnWidth(c, Twips(kColumnWidths[c]));
        width += Twips(kColumnWidths[c]);
    }
    for (int row = 0; row < kCommuBookSize; ++row)
        for (int c = 0; c < 3; ++c)
            MSFlexGrid1->setItem(row, c, CenteredItem(QString()));
    MSFlexGrid1->setMinimumSize(width + MSFlexGrid1->verticalScrollBar()->sizeHint().width() + 2 * MSFlexGrid1->frameWidth(),
                                Twips(6000));
    connect(MSFlexGrid1, &QTableWidget::currentCellChanged, this, [this](int row, int column) { enterCell(row, column); });

    Text1 = new QLineEdit(MSFlexGrid1->viewport());
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setAlignment(Qt::AlignCenter);
    AttachTextRules(Text1, CharSet::Digits);
    Text1->hide();

    CommandInput = MakeButton(this, QStringLiteral("CommandInput"), TextKey::BookImport);
    CommandOutput = MakeButton(this, QStringLiteral("CommandOutput"), TextKey::BookExport);
    connect(CommandInput, &QPushButton::clicked, this, &FrmCommuBook::CommandInput_Click);
    connect(CommandOutput, &QPushButton::clicked, this, &FrmCommuBook::CommandOutput_Click);
    const OkCancel buttons = MakeOkCancel(this);
    CommandOK = buttons.ok;
    CommandCancel = buttons.cancel;
    connect(CommandOK, &QPushButton::clicked, this, &FrmCommuBook::CommandOK_Click);
    auto* files = new QHBoxLayout;
    files->addWidget(CommandInput);
    files->addWidget(CommandOutput);
    files->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MSFlexGrid1);
    layout->addLayout(files);
    layout->addLayout(buttons.row);
    ApplyLanguage(this, l);
    MSFlexGrid1->setAccessibleName(windowTitle());
    ShowBookData();
    ready_ = true;
}

FrmCommuBook::~FrmCommuBook() { SilenceControls(this); }

void FrmCommuBook::ShowBookData()
{
    for (int row = 0; row < kCommuBookSize; ++row) {
        const CommuBookEntry& entry = WorkingBook[static_cast<std::size_t>(row)];
        MSFlexGrid1->item(row, 0)->setText(QString::number(row));
        MSFlexGrid1->item(row, 0)->setForeground(kNumberColour);
        for (int c : {kBookCallIdColumn, kBookNameColumn})
            MSFlexGrid1->item(row, c)->setText(QString::fromStdString(BookCellText(entry, c)));
    }
    // An open cell editor shows the cell as it is now, so that it does not bring back the
    // text it had before.
    if (CurBookEditCol == kBookCallIdColumn || CurBookEditCol == kBookNameColumn)
        Text1->setText(MSFlexGrid1->item(CurBookEditRow, CurBookEditCol)->text());
}

void FrmCommuBook::enterCell(int row, int column)
{
    if (!ready_ || (row == CurBookEditRow && column == CurBookEditCol))
        return;
    CommitBookEdit();
    CurBookEditRow = row;
    CurBookEditCol = column;
    // Hiding the focused editor would let the grid move its current cell on.
    if (Text1->hasFocus())
        MSFlexGrid1->setFocus();
    Text1->hide();
    if (row < 0 || (column != kBookCallIdColumn && column != kBookNameColumn))
        return;
    const QString text = MSFlexGrid1->item(row, column)->text();
    const int limit = column == kBookCallIdColumn ? kBookCallIdMaxLength : kBookNameMaxLength;
    // A longer name from the radio is shown whole; typing keeps to the limit.
    Text1->setMaxLength(std::max(limit, static_cast<int>(text.size())));
    SetCharSet(Text1, column == kBookCallIdColumn ? CharSet::Digits : CharSet::BookName);
    Text1->setText(text);
    Text1->setGeometry(MSFlexGrid1->visualItemRect(MSFlexGrid1->item(row, column)));
    Text1->show();
    Text1->setFocus();
}

void FrmCommuBook::CommitBookEdit()
{
    if (CurBookEditRow < 0 || (CurBookEditCol != kBookCallIdColumn && CurBookEditCol != kBookNameColumn))
        return;
    CommuBookEntry& entry = WorkingBook[static_cast<std::size_t>(CurBookEditRow)];
    const std::string shown = tq8615::CommitBookEdit(entry, CurBookEditCol, Text1->text().toStdString());
    MSFlexGrid1->item(CurBookEditRow, CurBookEditCol)->setText(QString::fromStdString(shown));
}

// The last book file chosen; at first a name beside the data file.
QString FrmCommuBook::bookFilePreset() const
{
    const QString name = QString::fromStdString(ctx_.document.CommuBookFileName);
    if (QFileInfo(name).isAbsolute())
        return name;
    return QFileInfo(QString::fromStdString(ctx_.document.CurrentFileName)).absoluteDir().filePath(name);
}

void FrmCommuBook::CommandInput_Click()
{
    const QString path = ctx_.dialogs.openPath(this, bookFilePreset(), QString());
    if (path.isEmpty())
        return;
    ctx_.document.CommuBookFileName = path.toStdString();
    std::string reason;
    if (!LoadBookFile(path.toStdString(), WorkingBook, reason)) {
        BoxMessageSink(ctx_.boxes, ctx_.language, this).show(FileErrorMessage(path.toStdString(), reason));
        return;
    }
    ShowBookData();
}

void FrmCommuBook::CommandOutput_Click()
{
    const QString path = ctx_.dialogs.savePath(this, bookFilePreset(), QString());
    if (path.isEmpty())
        return;
    ctx_.document.CommuBookFileName = path.toStdString();
    CommitBookEdit();
    std::string reason;
    if (!SaveBookFile(path.toStdString(), WorkingBook, reason))
        BoxMessageSink(ctx_.boxes, ctx_.language, this).show(FileErrorMessage(path.toStdString(), reason));
}

void FrmCommuBook::CommandOK_Click()
{
    CommitBookEdit();
    ctx_.document.Model.Book = WorkingBook;
    Q_EMIT ctx_.events.modelChanged();
    accept();
}

}  // namespace tq8615::app
