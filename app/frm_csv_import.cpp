#include "frm_csv_import.h"

#include "dialog_hooks.h"
#include "dialog_util.h"
#include "language.h"

#include "model/channel_display.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>

namespace tq8615::app {

namespace {

QString qs(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

FrmCsvImport::FrmCsvImport(const Language& language, const EditingModel& model, std::filesystem::path file,
                           QWidget* parent)
    : QDialog(parent, ModalDialogFlags()), language_(language), model_(model), file_(std::move(file))
{
    setObjectName(QStringLiteral("FrmCsvImport"));
    setWindowTitle(language_.text(BuiltinText::CsvPreviewTitle) + QStringLiteral(" - ")
                   + QString::fromStdString(file_.filename().string()));
    optKeep = new QRadioButton(language_.text(BuiltinText::CsvKeepLocations), this);
    optKeep->setObjectName(QStringLiteral("optKeep"));
    optKeep->setChecked(true);
    optFill = new QRadioButton(language_.text(BuiltinText::CsvFillFrom), this);
    optFill->setObjectName(QStringLiteral("optFill"));
    auto* group = new QButtonGroup(this);
    group->addButton(optKeep);
    group->addButton(optFill);
    spnStart = new QSpinBox(this);
    spnStart->setObjectName(QStringLiteral("spnStart"));
    spnStart->setRange(1, kMemoryChannels);
    spnStart->setEnabled(false);

    tblRows = new QTableWidget(this);
    tblRows->setObjectName(QStringLiteral("tblRows"));
    tblRows->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblRows->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblRows->verticalHeader()->hide();
    auto* problemsLabel = new QLabel(language_.text(BuiltinText::CsvProblemsLabel), this);
    lstProblems = new QListWidget(this);
    lstProblems->setObjectName(QStringLiteral("lstProblems"));
    problemsLabel->setBuddy(lstProblems);
    lblSummary = new QLabel(this);
    lblSummary->setObjectName(QStringLiteral("lblSummary"));

    const OkCancel buttons = MakeOkCancel(this);
    cmdImport = buttons.ok;
    cmdImport->setObjectName(QStringLiteral("cmdImport"));
    cmdCancel = buttons.cancel;

    auto* grid = new QGridLayout(this);
    grid->addWidget(optKeep, 0, 0, 1, 2);
    grid->addWidget(optFill, 1, 0);
    grid->addWidget(spnStart, 1, 1);
    grid->addWidget(tblRows, 2, 0, 1, 3);
    grid->addWidget(problemsLabel, 3, 0, 1, 3);
    grid->addWidget(lstProblems, 4, 0, 1, 3);
    grid->addWidget(lblSummary, 5, 0, 1, 3);
    grid->addLayout(buttons.row, 6, 0, 1, 3);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(2, 3);
    grid->setRowStretch(4, 1);

    ApplyLanguage(this, language_);
    connect(optFill, &QRadioButton::toggled, spnStart, &QSpinBox::setEnabled);
    connect(optFill, &QRadioButton::toggled, this, &FrmCsvImport::replan);
    connect(spnStart, &QSpinBox::valueChanged, this, &FrmCsvImport::replan);
    connect(cmdImport, &QPushButton::clicked, this, &QDialog::accept);
    replan();
    setMinimumSize(880, 560);
}

void FrmCsvImport::replan()
{
    plan_ = PlanCsvImportFile(file_, model_, {optKeep->isChecked(), spnStart->value()});
    const bool chinese = language_.LanguageIndex() == 2;
    const auto lang = [this](TextKey key) { return language_.LangText(key).toStdString(); };

    auto headers = GridHeaderTexts(lang);
    QStringList titles = {language_.text(BuiltinText::CsvRowsHeader), language_.text(BuiltinText::CsvChannelHeader)};
    for (std::size_t c = 1; c < headers.size(); ++c)
        titles << qs(headers[c]).replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    tblRows->clear();
    tblRows->setColumnCount(static_cast<int>(titles.size()));
    tblRows->setHorizontalHeaderLabels(titles);
    tblRows->setRowCount(static_cast<int>(plan_.channels.size()));
    CollectingSink quiet;
    for (std::size_t i = 0; i < plan_.channels.size(); ++i) {
        const ChannelRecord& r = plan_.channels[i];
        const auto row = static_cast<int>(i);
        tblRows->setItem(row, 0, new QTableWidgetItem(QString::number(plan_.lines[i])));
        tblRows->setItem(row, 1, new QTableWidgetItem(QString::number(r.ChannelNumber)));
        const auto cells = ChannelRowTexts(r, lang, quiet);
        for (std::size_t c = 1; c < cells.size(); ++c)
            tblRows->setItem(row, static_cast<int>(c) + 1, new QTableWidgetItem(qs(cells[c])));
    }
    tblRows->resizeColumnsToContents();

    lstProblems->clear();
    const QString refusedTag = QStringLiteral("[") + language_.text(BuiltinText::CsvRefusedTag) + QStringLiteral("] ");
    for (const CsvProblem& p : plan_.problems) {
        auto* item = new QListWidgetItem((p.refused ? refusedTag : QString()) + qs(ProblemText(p, chinese)), lstProblems);
        if (p.refused)
            item->setForeground(QColor(0xB0, 0x00, 0x00));
    }
    lblSummary->setText(language_.text(ImportSummary(plan_)));
    // Refused rows leave the choice to the user: the good rows, or nothing (Cancel).
    cmdImport->setText(plan_.refusedRows > 0 ? language_.text(BuiltinText::CsvImportGood)
                                             : language_.LangText(TextKey::OkButton));
    cmdImport->setEnabled(!plan_.channels.empty());
}

}  // namespace tq8615::app
