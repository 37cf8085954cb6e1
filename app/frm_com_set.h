#pragma once
// Choice of the serial port the programming cable is on. The list follows ports being
// plugged in or removed while the window is open.
#include <QDialog>
#include <QStringList>
#include <QTimer>

#include <functional>

class QComboBox;
class QLabel;
class QPushButton;

namespace tq8615::app {

class Language;

using PortLister = std::function<QStringList()>;

class FrmComSet : public QDialog {
    Q_OBJECT
public:
    // comPort is the port in use; OK replaces it and writes "comPort" to mysetupPath.
    FrmComSet(const Language& language, QString& comPort, QString mysetupPath,
              PortLister listPorts, QWidget* parent = nullptr);

    QLabel* Label1 = nullptr;
    QComboBox* Combo1 = nullptr;
    QPushButton* CommandOK = nullptr;
    QPushButton* CommandCancel = nullptr;
    QTimer ReShowComPortTimer;

    QString PortID() const { return portId_; }
    // One tick of the refresh timer (the timer calls it twice a second).
    void ReShowComPortTimer_Timer();

private:
    void fill(const QString& wanted);
    QString& comPort_;
    QString mysetupPath_;
    PortLister listPorts_;
    QString portId_;
};

}  // namespace tq8615::app
