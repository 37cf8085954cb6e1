#pragma once
// The radio's production and dealer information, read-only.
#include <QDialog>

#include <array>

#include "link/embedded_info.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace tq8615::app {

class Language;

class FrmEMG : public QDialog {
    Q_OBJECT
public:
    FrmEMG(const Language& language, const EmbeddedInfo& info, QWidget* parent = nullptr);

    QLabel* Label2 = nullptr;
    std::array<QLabel*, 15> Label1{};
    std::array<QLineEdit*, 13> Text1{};   // Text1[4] is unused: the description is Text1Multi
    QPlainTextEdit* Text1Multi = nullptr; // Text1(4), the repair reason and description
    std::array<QComboBox*, 2> Combo1{};
    QPlainTextEdit* Text2 = nullptr;
    QGroupBox* Frame1 = nullptr;
    QPushButton* CommandClose = nullptr;

private:
    void ShowByData(const EmbeddedInfo& info);
};

}  // namespace tq8615::app
