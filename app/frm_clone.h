#pragma once
// Programming a fleet from the window: the current data into radio after radio, with the
// running counts and the log.
#include <QDialog>

#include "link/fleet_loop.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace tq8615::app {

class Language;

class FrmClone : public QDialog {
    Q_OBJECT
public:
    // `startLoop` starts the loop (false when it cannot); the log file gets a line a radio.
    FrmClone(const Language& language, FleetLoop& loop, std::function<bool()> startLoop, QString logFile,
             QWidget* parent = nullptr);

    QLabel* lblStatus = nullptr;
    QLabel* lblCounts = nullptr;
    QPlainTextEdit* txtLog = nullptr;
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
