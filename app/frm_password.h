#pragma once
// The radio's programming password, asked when the radio has one.
#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace tq8615::app {

class Language;

class FrmPassWord : public QDialog {
    Q_OBJECT
public:
    FrmPassWord(const Language& language, const QString& preset, QWidget* parent = nullptr);

    // The typed text with trailing spaces removed and cut at the first NUL.
    QString password() const;

    QLabel* Label1 = nullptr;
    QLineEdit* Text1 = nullptr;
    QPushButton* CommandOK = nullptr;
    QPushButton* CommandCancel = nullptr;
};

}  // namespace tq8615::app
