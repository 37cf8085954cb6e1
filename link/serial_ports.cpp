#include "link/serial_ports.h"

#include <QDir>
#include <QFileInfo>
#include <QSerialPortInfo>

#include <algorithm>

namespace tq8615 {

namespace {

// Compares names piecewise: runs of digits by value, everything else by character.
bool naturalLess(const QString& a, const QString& b)
{
    qsizetype i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (a[i].isDigit() && b[j].isDigit()) {
            qsizetype i2 = i, j2 = j;
            while (i2 < a.size() && a[i2].isDigit()) ++i2;
            while (j2 < b.size() && b[j2].isDigit()) ++j2;
            QString da = a.mid(i, i2 - i), db = b.mid(j, j2 - j);
            while (da.size() > 1 && da.startsWith(QLatin1Char('0'))) da.remove(0, 1);
            while (db.size() > 1 && db.startsWith(QLatin1Char('0'))) db.remove(0, 1);
            if (da.size() != db.size())
                return da.size() < db.size();
            if (da != db)
                return da < db;
            i = i2;
            j = j2;
            continue;
        }
        if (a[i] != b[j])
            return a[i] < b[j];
        ++i;
        ++j;
    }
    return a.size() - i < b.size() - j;
}

bool isNumber(const QString& text)
{
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) { return c.isDigit(); });
}

}  // namespace

void SortPortNames(QStringList& names)
{
    std::stable_sort(names.begin(), names.end(), naturalLess);
    names.erase(std::unique(names.begin(), names.end()), names.end());
}

QStringList SystemPortNames()
{
    QStringList names;
    for (const auto& info : QSerialPortInfo::availablePorts())
        names.append(info.portName());
    SortPortNames(names);
    return names;
}

namespace {

// The device a port name leads to, symbolic links resolved; empty when it does not exist.
QString DeviceOf(const QString& port)
{
    if (port.isEmpty())
        return {};
    const QString path = port.contains(QLatin1Char('/')) ? port : QStringLiteral("/dev/") + port;
    return QFileInfo(path).canonicalFilePath();
}

}  // namespace

QString StablePortName(const QString& port, const QString& folder)
{
    const QString device = DeviceOf(port);
    if (device.isEmpty())
        return port;
    const QDir dir(folder);
    for (const QString& name : dir.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot, QDir::Name)) {
        const QString path = dir.filePath(name);
        if (QFileInfo(path).canonicalFilePath() == device)
            return path;
    }
    return port;
}

bool SamePort(const QString& a, const QString& b)
{
    if (a == b)
        return true;
    const QString device = DeviceOf(a);
    return !device.isEmpty() && device == DeviceOf(b);
}

QStringList SystemPortChoices()
{
    QStringList choices;
    for (const QString& name : SystemPortNames())
        choices.append(StablePortName(name));
    return choices;
}

QString FirstPort(const QStringList& available) { return available.isEmpty() ? QString() : available.first(); }

bool IsPortPresent(const QString& port, const QStringList& available)
{
    if (port.isEmpty())
        return false;
    if (available.contains(port))
        return true;
    // A typed device path (a USB adapter's path, a pseudo-terminal) need not be listed.
    return port.contains(QLatin1Char('/')) && QFileInfo::exists(port);
}

QString PortFromSetting(const QString& value, bool numberedPorts)
{
    const QString v = value.trimmed();
    if (v.isEmpty())
        return {};
    if (isNumber(v)) {
        const int n = v.toInt();
        if (n <= 0)
            return {};
        // Without numbered ports, COM n is the n-th standard serial port, /dev/ttyS(n-1).
        return numberedPorts ? QStringLiteral("COM%1").arg(n) : QStringLiteral("ttyS%1").arg(n - 1);
    }
    return v;
}

QString SettingFromPort(const QString& port, bool numberedPorts)
{
    if (port.isEmpty())
        return QStringLiteral("0");
    if (port.startsWith(QLatin1String("COM"), Qt::CaseInsensitive) && isNumber(port.mid(3)) && port.mid(3).toInt() > 0)
        return QString::number(port.mid(3).toInt());
    if (!numberedPorts && port.startsWith(QLatin1String("ttyS")) && isNumber(port.mid(4)))
        return QString::number(port.mid(4).toInt() + 1);
    return port;
}

}  // namespace tq8615
