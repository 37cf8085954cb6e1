#pragma once
// The about window: version, title, disclaimer and description.
#include <QDialog>

class QLabel;
class QPushButton;

namespace tq8615::app {

class Language;
class MessageBoxInterface;

class frmAbout : public QDialog {
    Q_OBJECT
public:
    frmAbout(const Language& language, MessageBoxInterface& boxes, QWidget* parent = nullptr);

    QLabel* lblTitle = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblDisclaimer = nullptr;
    QLabel* lblDescription = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdSysInfo = nullptr;

    // The text the system information button shows.
    static QString SystemInfoText();

private:
    const Language& language_;
    MessageBoxInterface& boxes_;
};

}  // namespace tq8615::app
