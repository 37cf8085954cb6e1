#pragma once
// The machine's serial ports, and the port name kept in "comPort" of "mysetup.ini".
// A port is known by its name as the system lists it ("COM3", "ttyUSB0") or by a device
// path the user typed ("/dev/pts/4"); see link/README.md for the "comPort" rule.
#include <QString>
#include <QStringList>

namespace tq8615 {

// The machine's serial ports in a stable order: by name, numbers compared as numbers
// ("COM3" before "COM10", "ttyS2" before "ttyS10").
QStringList SystemPortNames();
void SortPortNames(QStringList& names);

// Where the system keeps names of USB serial adapters that survive re-plugging
// (/dev/serial/by-id/usb-1a86_USB_Serial-if00-port0 for whatever ttyUSB it became).
inline constexpr const char* kStablePortFolder = "/dev/serial/by-id";

// The stable name of `port` ("ttyUSB0" or a device path) in `folder`, or `port` itself when
// it has none.
QString StablePortName(const QString& port, const QString& folder = QString::fromLatin1(kStablePortFolder));
// True when the two names lead to the same device (a stable name and its ttyUSB name).
bool SamePort(const QString& a, const QString& b);
// The ports the port window offers: SystemPortNames(), each by its stable name where it
// has one, so the choice survives re-plugging.
QStringList SystemPortChoices();

// The first of the listed ports, or an empty text when there is none.
QString FirstPort(const QStringList& available);
// True when `port` is one of the listed ports, or a device path that exists.
bool IsPortPresent(const QString& port, const QStringList& available);

// True where the system names serial ports "COM" followed by a number.
constexpr bool NumberedPortPlatform()
{
#ifdef Q_OS_WIN
    return true;
#else
    return false;
#endif
}

// The port a "comPort" value designates; empty for none ("" or "0").
QString PortFromSetting(const QString& value, bool numberedPorts = NumberedPortPlatform());
// The "comPort" value that designates `port`.
QString SettingFromPort(const QString& port, bool numberedPorts = NumberedPortPlatform());

}  // namespace tq8615
