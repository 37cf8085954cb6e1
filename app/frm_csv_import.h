#pragma once
// The preview of a channel list import: the rows as channels, the problems and adjustments
// found, and where the rows go. Nothing changes until the caller applies the accepted plan.
#include "files/channel_csv.h"

#include <QDialog>

#include <filesystem>

class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTableWidget;

namespace tq8615::app {

class Language;

class FrmCsvImport : public QDialog {
    Q_OBJECT
public:
    FrmCsvImport(const Language& language, const EditingModel& model, std::filesystem::path file,
                 QWidget* parent = nullptr);

    // The plan for the placement shown; apply it only after the dialog was accepted.
    const CsvImportPlan& plan() const { return plan_; }

    QRadioButton* optKeep = nullptr;
    QRadioButton* optFill = nullptr;
    QSpinBox* spnStart = nullptr;
    QTableWidget* tblRows = nullptr;
    QListWidget* lstProblems = nullptr;
    QLabel* lblSummary = nullptr;
    QPushButton* cmdImport = nullptr;
    QPushButton* cmdCancel = nullptr;

private:
    void replan();

    const Language& language_;
    const EditingModel& model_;
    std::filesystem::path file_;
    CsvImportPlan plan_;
};

}  // namespace tq8615::app
