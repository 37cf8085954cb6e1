#pragma once
// Programming a fleet from the window: the current data into radio after radio, with the
// running counts and the log.
#include <QDialog>

#include "link/fleet_loop.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;

namespace tq8615::app {

class Language;

class FrmClone : public QDialog {
    Q_OBJECT
public:
    // `startLoop` starts the loop for a number of radios, 0 until stopped (false when it
    // cannot); the log file gets a line a radio.
    FrmClone(const Language& language, FleetLoop& loop, std::function<bool(int)> startLoop, QString logFile,
             QWidget* parent = nullptr);

    QLabel* lblStatus = nullptr;
    QLabel* lblCounts = nullptr;
    QPlainTextEdit* txtLog = nullptr;
    QSpinBox* spnCount = nullptr;  // radios to program; 0 until stopped
    QPushButton* CommandStart = nullptr;
    QPushButton* CommandStop = nullptr;
    QPushButton* CommandClose = nullptr;

protected:
    void reject() override;  // Escape and the frame's close button end the loop first

private:
    void showCounts();
    void running(bool on);

    const Language& language_;
    FleetLoop& loop_;
    QString logFile_;
};

}  // namespace tq8615::app
