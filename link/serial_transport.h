#pragma once
// The programming line on a real serial port (or a pseudo-terminal) through QSerialPort.
#include "link/port_open_failure.h"
#include "link/transport.h"

#include <QSerialPort>

namespace tq8615 {

class SerialPortTransport : public Transport {
public:
    explicit SerialPortTransport(QString portName = {});
    ~SerialPortTransport() override;

    void setPortName(const QString& portName) { portName_ = portName; }
    QString portName() const { return portName_; }
    QString lastError() const { return lastError_; }
    // Why the last open() failed, looked up on the device itself.
    const PortOpenFailure& openFailure() const { return openFailure_; }
    Message openFailureMessage() const override { return PortOpenMessage(openFailure_); }

    bool open() override;
    bool isOpen() const override { return port_.isOpen(); }
    void close() override;
    void clear() override;
    bool write(const QByteArray& bytes) override;
    qint64 bytesAvailable() const override { return port_.bytesAvailable(); }
    QByteArray readAll() override { return port_.readAll(); }

private:
    void handleError(QSerialPort::SerialPortError error);

    QSerialPort port_;
    QString portName_;
    QString lastError_;
    PortOpenFailure openFailure_;
};

}  // namespace tq8615
