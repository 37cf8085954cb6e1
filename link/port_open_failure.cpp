#include "link/port_open_failure.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

namespace tq8615 {

namespace {

Message Pair(BuiltinText text, const QString& a, const QString& b = {}, const QString& c = {})
{
    const TextPair& pair = PairOf(text);
    auto fill = [&](const char* pattern) {
        QString s = QString::fromUtf8(pattern);
        // Each placeholder in turn; the values are never scanned again.
        const std::pair<QString, QString> marks[] = {
            {QStringLiteral("%1"), a}, {QStringLiteral("%2"), b}, {QStringLiteral("%3"), c}};
        for (const auto& [mark, value] : marks) {
            qsizetype at = 0;
            while ((at = s.indexOf(mark, at)) >= 0) {
                s.replace(at, mark.size(), value);
                at += value.size();
            }
        }
        return s.toStdString();
    };
    return {Message::Icon::Error, {}, fill(pair.english), fill(pair.chinese)};
}

QString GroupName(gid_t gid)
{
    const group* g = ::getgrgid(gid);
    return g ? QString::fromLocal8Bit(g->gr_name) : QString();
}

bool Carries(gid_t gid)
{
    if (::getegid() == gid)
        return true;
    std::vector<gid_t> carried(static_cast<std::size_t>(std::max(::getgroups(0, nullptr), 0)) + 1);
    const int n = ::getgroups(static_cast<int>(carried.size()), carried.data());
    for (int i = 0; i < n; ++i)
        if (carried[static_cast<std::size_t>(i)] == gid)
            return true;
    return false;
}

// True when the user's account lists the group: added to it after logging in.
bool ListedInGroup(gid_t gid)
{
    const passwd* pw = ::getpwuid(::getuid());
    if (!pw)
        return false;
    int count = 64;
    std::vector<gid_t> listed(static_cast<std::size_t>(count));
    if (::getgrouplist(pw->pw_name, pw->pw_gid, listed.data(), &count) < 0) {
        listed.resize(static_cast<std::size_t>(count));
        if (::getgrouplist(pw->pw_name, pw->pw_gid, listed.data(), &count) < 0)
            return false;
    }
    for (int i = 0; i < count; ++i)
        if (listed[static_cast<std::size_t>(i)] == gid)
            return true;
    return false;
}

// The first process that has the device open, from /proc; what the system lets us see.
void FindHolder(const QString& device, PortOpenFailure& failure)
{
    const QString target = QFileInfo(device).canonicalFilePath();
    if (target.isEmpty())
        return;
    const QDir proc(QStringLiteral("/proc"));
    for (const QString& pid : proc.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        bool numeric = false;
        const qint64 number = pid.toLongLong(&numeric);
        if (!numeric)
            continue;
        const QDir fds(proc.filePath(pid + QStringLiteral("/fd")));
        for (const QString& fd : fds.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)) {
            if (QFileInfo(fds.filePath(fd)).symLinkTarget() != target)
                continue;
            QFile comm(proc.filePath(pid + QStringLiteral("/comm")));
            if (comm.open(QIODevice::ReadOnly))
                failure.holder = QString::fromLocal8Bit(comm.readAll()).trimmed();
            if (failure.holder.isEmpty())
                failure.holder = QStringLiteral("?");
            failure.holderPid = number;
            return;
        }
    }
}

}  // namespace

PortOpenCause CauseFromErrno(int error)
{
    switch (error) {
    case ENOENT:
    case ENODEV:
    case ENXIO:
    case ENOTDIR:
        return PortOpenCause::Missing;
    case EACCES:
    case EPERM:
    case EROFS:
        return PortOpenCause::PermissionDenied;
    case EBUSY:
        return PortOpenCause::Busy;
    default:
        return PortOpenCause::Other;
    }
}

QString PortDevicePath(const QString& port)
{
    if (port.contains(QLatin1Char('/')))
        return port;
    return QStringLiteral("/dev/") + port;
}

PortOpenFailure DiagnosePortOpen(const QString& port, const QString& systemReason)
{
    PortOpenFailure failure;
    failure.port = port;
    failure.reason = systemReason;
    if (port.trimmed().isEmpty()) {
        failure.cause = PortOpenCause::NoPort;
        return failure;
    }
    const QString device = PortDevicePath(port);
    const QByteArray path = QFile::encodeName(device);
    struct stat info {};
    if (::stat(path.constData(), &info) != 0) {
        failure.cause = CauseFromErrno(errno);
        if (failure.cause == PortOpenCause::Other)
            failure.reason = QString::fromLocal8Bit(std::strerror(errno));
        return failure;
    }
    // Open the device the way the serial library does, to learn the system's own answer.
    const int fd = ::open(path.constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    const int error = fd < 0 ? errno : 0;
    if (fd >= 0) {
        const bool terminal = ::isatty(fd) != 0;
        ::close(fd);
        // It opens: then another program's lock file stood in the way, or it is no serial
        // port at all.
        if (terminal) {
            failure.cause = PortOpenCause::Busy;
            FindHolder(device, failure);
        }
        return failure;
    }
    failure.cause = CauseFromErrno(error);
    switch (failure.cause) {
    case PortOpenCause::PermissionDenied:
        // Joining the device's group helps only when the group may read and write it and
        // this login does not already carry it.
        if ((info.st_mode & (S_IRGRP | S_IWGRP)) == (S_IRGRP | S_IWGRP) && !Carries(info.st_gid)) {
            failure.group = GroupName(info.st_gid);
            failure.groupPending = ListedInGroup(info.st_gid);
        }
        break;
    case PortOpenCause::Busy:
        FindHolder(device, failure);
        break;
    case PortOpenCause::Other:
        failure.reason = QString::fromLocal8Bit(std::strerror(error));
        break;
    default:
        break;
    }
    return failure;
}

Message PortOpenMessage(const PortOpenFailure& failure)
{
    const QString& port = failure.port;
    Message detail;
    switch (failure.cause) {
    case PortOpenCause::NoPort:
        detail = Pair(BuiltinText::PortNotChosen, port);
        break;
    case PortOpenCause::Missing:
        detail = Pair(BuiltinText::PortMissing, port);
        break;
    case PortOpenCause::PermissionDenied:
        // Joining root's group is no remedy anyone should be told to take.
        if (failure.group.isEmpty() || failure.group == QLatin1String("root"))
            detail = Pair(BuiltinText::PortDeniedNoGroup, port);
        else
            detail = Pair(failure.groupPending ? BuiltinText::PortDeniedRelogin : BuiltinText::PortDenied, port,
                          failure.group);
        break;
    case PortOpenCause::Busy:
        detail = failure.holder.isEmpty()
            ? Pair(BuiltinText::PortBusy, port)
            : Pair(BuiltinText::PortBusyBy, port, failure.holder, QString::number(failure.holderPid));
        break;
    case PortOpenCause::Other:
        detail = Message::Fixed((port + QStringLiteral(": ") + failure.reason).toStdString());
        break;
    }
    return Message::KeyFollowedBy(TextKey::PortError, detail);
}

}  // namespace tq8615
