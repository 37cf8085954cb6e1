#pragma once
#include <QDialog>

class QCheckBox;
class QPushButton;

namespace tq8615::app {

class Language;

// Resetting the settings: whether factory frequencies are used on reset ("FactoryFres").
class FrmInit : public QDialog {
    Q_OBJECT
public:
    // factoryFres is updated and written to mysetupPath on OK.
    FrmInit(const Language& language, int& factoryFres, QString mysetupPath,
            QWidget* parent = nullptr);

    QCheckBox* Check1 = nullptr;
    QPushButton* CommandOK = nullptr;
    QPushButton* CommandCancel = nullptr;

    // False when OK could not write "mysetup.ini"; the choice still holds for this run.
    bool written() const { return written_; }

private:
    int& factoryFres_;
    QString mysetupPath_;
    bool written_ = true;
};

}  // namespace tq8615::app
