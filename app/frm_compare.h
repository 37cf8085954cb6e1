#pragma once
// The differences between the current data and another configuration, one row a field.
#include <QDialog>

#include <vector>

#include "model/compare.h"

class QLabel;
class QPushButton;
class QTableWidget;

namespace tq8615::app {

class Language;

class FrmCompare : public QDialog {
    Q_OBJECT
public:
    FrmCompare(const Language& language, const std::vector<Difference>& differences, const QString& otherName,
               QWidget* parent = nullptr);

    QLabel* lblSummary = nullptr;
    QTableWidget* tblDifferences = nullptr;
    QPushButton* CommandClose = nullptr;
};

}  // namespace tq8615::app
