#pragma once
// Why a serial port did not open, and what the user can do about it: the answer to the
// usual walls (the port owned by a group the user is not in, the modem manager holding a
// freshly plugged adapter, a cable that was pulled).
#include "model/messages.h"

#include <QString>

namespace tq8615 {

enum class PortOpenCause { NoPort, Missing, PermissionDenied, Busy, Other };

// The cause an error number of open(2) on the device stands for.
PortOpenCause CauseFromErrno(int error);

struct PortOpenFailure {
    PortOpenCause cause = PortOpenCause::Other;
    QString port;               // as the user chose it
    QString group;              // PermissionDenied: the group to join; empty when that would not help
    bool groupPending = false;  // ... the user is in it, but this login predates that
    QString holder;             // Busy: the program holding the port, when the system tells
    qint64 holderPid = 0;
    QString reason;             // Other: the system's own words
};

// The device file of a port name ("ttyUSB0" is /dev/ttyUSB0; a path stays as it is).
QString PortDevicePath(const QString& port);

// Looks at the port after a failed open: whether it exists, whether this user may open it,
// and who holds it. `systemReason` is the serial library's text, kept for other causes.
PortOpenFailure DiagnosePortOpen(const QString& port, const QString& systemReason);

// Text 2002, then the cause and the remedy in the same language.
Message PortOpenMessage(const PortOpenFailure& failure);

}  // namespace tq8615
