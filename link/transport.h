#pragma once
// What the programming run needs from a serial line. The QSerialPort adapter is one
// implementation; tests use a scripted fake.
#include "model/messages.h"

#include <QByteArray>
#include <QString>

#include <functional>

namespace tq8615 {

class Transport {
public:
    virtual ~Transport() = default;

    // Opens the line with the programming settings (9600 baud, 8N1, no flow control);
    // an open line is closed and opened again.
    virtual bool open() = 0;
    // After open() failed: what to tell the user.
    virtual Message openFailureMessage() const { return Message::Key(TextKey::PortError); }
    virtual bool isOpen() const = 0;
    virtual void close() = 0;
    // Empties the input and output buffers.
    virtual void clear() = 0;
    virtual bool write(const QByteArray& bytes) = 0;
    virtual qint64 bytesAvailable() const = 0;
    virtual QByteArray readAll() = 0;

    // Called on the caller's event loop: new bytes are buffered / the line broke
    // (a cable pulled, a device gone).
    std::function<void()> onBytesArrived;
    std::function<void(const QString& reason)> onFailure;
};

}  // namespace tq8615
