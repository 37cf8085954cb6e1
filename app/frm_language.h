#pragma once
// Choice of the interface language for this run.
#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;

namespace tq8615::app {

class Language;

class FrmLanguage : public QDialog {
    Q_OBJECT
public:
    // On OK the language is switched; the caller then re-applies the texts of its windows.
    FrmLanguage(Language& language, QWidget* parent = nullptr);

    QLabel* Label1 = nullptr;
    QComboBox* Combo1 = nullptr;
    QPushButton* CommandOK = nullptr;
    QPushButton* CommandCancel = nullptr;

private:
    Language& language_;
};

}  // namespace tq8615::app
