#include "link/serial_transport.h"

namespace tq8615 {

SerialPortTransport::SerialPortTransport(QString portName) : portName_(std::move(portName))
{
    QObject::connect(&port_, &QSerialPort::readyRead, [this] {
        if (onBytesArrived)
            onBytesArrived();
    });
    QObject::connect(&port_, &QSerialPort::errorOccurred, [this](QSerialPort::SerialPortError e) { handleError(e); });
}

SerialPortTransport::~SerialPortTransport()
{
    onBytesArrived = nullptr;
    onFailure = nullptr;
    port_.close();
}

bool SerialPortTransport::open()
{
    if (port_.isOpen())
        port_.close();
    lastError_.clear();
    openFailure_ = {};
    if (portName_.isEmpty()) {
        lastError_ = QStringLiteral("no port chosen");
        openFailure_ = DiagnosePortOpen(portName_, lastError_);
        return false;
    }
    port_.setPortName(portName_);
    if (!port_.open(QIODevice::ReadWrite)) {
        lastError_ = port_.errorString();
        openFailure_ = DiagnosePortOpen(portName_, lastError_);
        return false;
    }
    const bool set = port_.setBaudRate(QSerialPort::Baud9600) && port_.setDataBits(QSerialPort::Data8)
        && port_.setParity(QSerialPort::NoParity) && port_.setStopBits(QSerialPort::OneStop)
        && port_.setFlowControl(QSerialPort::NoFlowControl);
    if (!set) {
        lastError_ = port_.errorString();
        port_.close();
        openFailure_ = {PortOpenCause::Other, portName_, {}, false, {}, 0, lastError_};
        return false;
    }
    return true;
}

void SerialPortTransport::close()
{
    if (port_.isOpen())
        port_.close();
}

void SerialPortTransport::clear()
{
    if (!port_.isOpen())
        return;
    port_.clear(QSerialPort::AllDirections);
    // Whatever QSerialPort had already taken in is stale too.
    port_.readAll();
}

bool SerialPortTransport::write(const QByteArray& bytes)
{
    if (!port_.isOpen())
        return false;
    return port_.write(bytes) == bytes.size();
}

void SerialPortTransport::handleError(QSerialPort::SerialPortError error)
{
    switch (error) {
    case QSerialPort::ResourceError:
    case QSerialPort::ReadError:
    case QSerialPort::WriteError:
    case QSerialPort::UnknownError:
        break;
    default:
        return;  // open errors come back from open(); the rest do not break the line
    }
    if (!port_.isOpen())
        return;
    lastError_ = port_.errorString();
    // A vanished device keeps raising errors while open.
    port_.close();
    if (onFailure)
        onFailure(lastError_);
}

}  // namespace tq8615
