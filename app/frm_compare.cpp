#include "frm_compare.h"

#include "dialog_hooks.h"
#include "language.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace tq8615::app {

FrmCompare::FrmCompare(const Language& language, Comparison compare, bool radioOnlyFixed, const QString& otherName,
                       QWidget* parent)
    : QDialog(parent, ModalDialogFlags()), language_(language), compare_(std::move(compare))
{
    setObjectName(QStringLiteral("FrmCompare"));
    setWindowTitle(language.text(BuiltinText::CompareCaption) + QStringLiteral(" - ") + otherName);
    auto* layout = new QVBoxLayout(this);

    auto* top = new QHBoxLayout;
    lblSummary = new QLabel(this);
    lblSummary->setObjectName(QStringLiteral("lblSummary"));
    top->addWidget(lblSummary, 1);
    // A data file saved from a read holds defaults where the radio has no place; comparing
    // only what a radio holds shows what a write would change.
    chkRadioOnly = new QCheckBox(language.text(BuiltinText::CompareRadioOnly), this);
    chkRadioOnly->setObjectName(QStringLiteral("chkRadioOnly"));
    chkRadioOnly->setChecked(radioOnlyFixed);
    chkRadioOnly->setEnabled(!radioOnlyFixed);
    connect(chkRadioOnly, &QCheckBox::toggled, this, &FrmCompare::ShowDifferences);
    top->addWidget(chkRadioOnly);
    layout->addLayout(top);

    tblDifferences = new QTableWidget(0, 5, this);
    tblDifferences->setObjectName(QStringLiteral("tblDifferences"));
    tblDifferences->setAccessibleName(language.text(BuiltinText::CompareCaption));
    tblDifferences->setHorizontalHeaderLabels({language.text(BuiltinText::CompareArea), language.text(BuiltinText::CompareItem),
                                               language.text(BuiltinText::CompareField), language.text(BuiltinText::CompareThis),
                                               language.text(BuiltinText::CompareOther)});
    tblDifferences->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblDifferences->verticalHeader()->hide();
    layout->addWidget(tblDifferences);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    CommandClose = new QPushButton(language.text(BuiltinText::CloseButton), this);
    CommandClose->setObjectName(QStringLiteral("CommandClose"));
    connect(CommandClose, &QPushButton::clicked, this, &QDialog::accept);
    buttons->addWidget(CommandClose);
    layout->addLayout(buttons);
    ShowDifferences();
    resize(720, 420);
}

void FrmCompare::ShowDifferences()
{
    const auto differences = compare_(CompareScope{chkRadioOnly->isChecked(), false});
    const std::vector<Difference> none;
    const std::vector<Difference>& shown = differences ? *differences : none;
    lblSummary->setText(shown.empty() ? language_.text(BuiltinText::CompareEqual) : QString::number(shown.size()));
    tblDifferences->setRowCount(int(shown.size()));
    for (int row = 0; row < int(shown.size()); ++row) {
        const Difference& d = shown[std::size_t(row)];
        const QString cells[] = {QString::fromUtf8(AreaName(d.area).data(), qsizetype(AreaName(d.area).size())),
                                 QString::fromStdString(d.item), QString::fromStdString(d.field),
                                 QString::fromStdString(d.left), QString::fromStdString(d.right)};
        for (int column = 0; column < 5; ++column)
            tblDifferences->setItem(row, column, new QTableWidgetItem(cells[column]));
    }
    tblDifferences->resizeColumnsToContents();
    tblDifferences->setVisible(!shown.empty());
}

}  // namespace tq8615::app
