#pragma once
// The differences between the current data and another configuration, one row a field.
#include <QDialog>

#include <functional>
#include <optional>
#include <vector>

#include "model/compare.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace tq8615::app {

class Language;

class FrmCompare : public QDialog {
    Q_OBJECT
public:
    // `compare` runs the comparison in a scope; nullopt when it could not (it said why).
    // `radioOnlyFixed`: the other side came from a radio, so only what a radio holds counts.
    using Comparison = std::function<std::optional<std::vector<Difference>>(CompareScope)>;
    FrmCompare(const Language& language, Comparison compare, bool radioOnlyFixed, const QString& otherName,
               QWidget* parent = nullptr);

    QLabel* lblSummary = nullptr;
    QCheckBox* chkRadioOnly = nullptr;
    QTableWidget* tblDifferences = nullptr;
    QPushButton* CommandClose = nullptr;

private:
    void ShowDifferences();

    const Language& language_;
    Comparison compare_;
};

}  // namespace tq8615::app
