#include "frm_compare.h"

#include "dialog_hooks.h"
#include "language.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace tq8615::app {

FrmCompare::FrmCompare(const Language& language, const std::vector<Difference>& differences, const QString& otherName,
                       QWidget* parent)
    : QDialog(parent, ModalDialogFlags())
{
    setObjectName(QStringLiteral("FrmCompare"));
    setWindowTitle(language.text(BuiltinText::CompareCaption) + QStringLiteral(" - ") + otherName);
    auto* layout = new QVBoxLayout(this);

    lblSummary = new QLabel(this);
    lblSummary->setObjectName(QStringLiteral("lblSummary"));
    lblSummary->setText(differences.empty() ? language.text(BuiltinText::CompareEqual)
                                            : QString::number(differences.size()));
    layout->addWidget(lblSummary);

    tblDifferences = new QTableWidget(int(differences.size()), 5, this);
    tblDifferences->setObjectName(QStringLiteral("tblDifferences"));
    tblDifferences->setHorizontalHeaderLabels({language.text(BuiltinText::CompareArea), language.text(BuiltinText::CompareItem),
                                               language.text(BuiltinText::CompareField), language.text(BuiltinText::CompareThis),
                                               language.text(BuiltinText::CompareOther)});
    tblDifferences->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblDifferences->verticalHeader()->hide();
    for (int row = 0; row < int(differences.size()); ++row) {
        const Difference& d = differences[std::size_t(row)];
        const QString cells[] = {QString::fromUtf8(AreaName(d.area).data(), qsizetype(AreaName(d.area).size())),
                                 QString::fromStdString(d.item), QString::fromStdString(d.field),
                                 QString::fromStdString(d.left), QString::fromStdString(d.right)};
        for (int column = 0; column < 5; ++column)
            tblDifferences->setItem(row, column, new QTableWidgetItem(cells[column]));
    }
    tblDifferences->resizeColumnsToContents();
    tblDifferences->setVisible(!differences.empty());
    layout->addWidget(tblDifferences);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    CommandClose = new QPushButton(language.text(BuiltinText::CloseButton), this);
    CommandClose->setObjectName(QStringLiteral("CommandClose"));
    connect(CommandClose, &QPushButton::clicked, this, &QDialog::accept);
    buttons->addWidget(CommandClose);
    layout->addLayout(buttons);
    resize(720, differences.empty() ? 120 : 420);
}

}  // namespace tq8615::app
