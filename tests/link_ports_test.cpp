// The serial port list and the "comPort" setting rule.
#include "link/port_open_failure.h"
#include "link/serial_ports.h"
#include "link/serial_transport.h"
#include "link_support/link_fixtures.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cerrno>
#include <iostream>
#include <string>
#include <utility>
#include <vector>

#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace tq8615;

namespace {
QStringList names(std::initializer_list<const char*> list)
{
    QStringList out;
    for (auto* n : list)
        out << QString::fromLatin1(n);
    return out;
}
}  // namespace

TEST(SerialPorts, StableOrderComparesNumbersAsNumbers)
{
    QStringList ports = names({"COM10", "ttyUSB0", "COM3", "ttyS10", "ttyS2", "ttyACM0", "COM3"});
    SortPortNames(ports);
    EXPECT_EQ(ports, names({"COM3", "COM10", "ttyACM0", "ttyS2", "ttyS10", "ttyUSB0"}));
}

TEST(SerialPorts, PresenceAndFirstPort)
{
    const QStringList available = names({"COM3", "COM10"});
    EXPECT_TRUE(IsPortPresent(QStringLiteral("COM10"), available));
    EXPECT_FALSE(IsPortPresent(QStringLiteral("COM7"), available));
    EXPECT_FALSE(IsPortPresent(QString(), available));
    EXPECT_EQ(FirstPort(available), QStringLiteral("COM3"));
    EXPECT_EQ(FirstPort(QStringList()), QString());
    // A typed path need not be listed; it must exist.
    EXPECT_TRUE(IsPortPresent(QStringLiteral("/dev/null"), available));
    EXPECT_FALSE(IsPortPresent(QStringLiteral("/dev/no-such-port"), available));
}

TEST(SerialPorts, ComPortSettingRule)
{
    struct Case { const char* stored; bool numbered; const char* port; const char* storedBack; };
    const Case cases[] = {
        {"10", true, "COM10", "10"},
        {" 3 ", true, "COM3", "3"},
        {"0", true, "", "0"},
        {"", false, "", "0"},
        {"1", false, "ttyS0", "1"},
        {"4", false, "ttyS3", "4"},
        {"ttyUSB0", false, "ttyUSB0", "ttyUSB0"},
        {"/dev/pts/7", false, "/dev/pts/7", "/dev/pts/7"},
        {"COM5", true, "COM5", "5"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        const QString port = PortFromSetting(QString::fromLatin1(c.stored), c.numbered);
        EXPECT_EQ(port, QString::fromLatin1(c.port));
        EXPECT_EQ(SettingFromPort(port, c.numbered), QString::fromLatin1(c.storedBack));
    }
}

TEST(SerialPorts, StableNamesLeadToTheSameDevice)
{
    QTemporaryDir dev;
    ASSERT_TRUE(dev.isValid());
    const QString byId = dev.filePath(QStringLiteral("by-id"));
    ASSERT_TRUE(QDir().mkpath(byId));
    const QString usb0 = dev.filePath(QStringLiteral("ttyUSB0")), usb1 = dev.filePath(QStringLiteral("ttyUSB1"));
    for (const QString& device : {usb0, usb1}) {
        QFile f(device);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    const QString stable = byId + QStringLiteral("/usb-FTDI_FT232R_USB_UART_A10K1234-if00-port0");
    ASSERT_TRUE(QFile::link(usb0, stable));

    EXPECT_EQ(StablePortName(usb0, byId), stable);
    EXPECT_EQ(StablePortName(usb1, byId), usb1) << "no stable name: the port as it is";
    EXPECT_EQ(StablePortName(QStringLiteral("ttyNoSuchPort"), byId), QStringLiteral("ttyNoSuchPort"));
    EXPECT_EQ(StablePortName(usb0, dev.filePath(QStringLiteral("missing"))), usb0);
    EXPECT_TRUE(SamePort(stable, usb0));
    EXPECT_FALSE(SamePort(stable, usb1));
    EXPECT_FALSE(SamePort(QStringLiteral("ttyNoSuchPort"), QStringLiteral("ttyNoSuchPort2")));
}

TEST(SerialPorts, OpenFailsForAMissingPortAndOpensAPseudoTerminal)
{
    SerialPortTransport missing(QStringLiteral("/dev/no-such-port"));
    EXPECT_FALSE(missing.open());
    EXPECT_FALSE(missing.isOpen());
    SerialPortTransport none;
    EXPECT_FALSE(none.open());

    test::RadioSimProcess sim({QStringLiteral("--unpaced")});
    ASSERT_TRUE(sim.started());
    SerialPortTransport port(sim.path());
    ASSERT_TRUE(port.open());
    EXPECT_TRUE(port.open()) << "an open port is closed and opened again";
    port.close();
    EXPECT_FALSE(port.isOpen());
}

namespace {

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// The cause and the message of a failed open of `port`.
struct OpenOutcome {
    bool opened = false;
    PortOpenFailure failure;
    Message message;
};

OpenOutcome TryOpen(const QString& port)
{
    SerialPortTransport transport(port);
    OpenOutcome out;
    out.opened = transport.open();
    out.failure = transport.openFailure();
    out.message = transport.openFailureMessage();
    return out;
}

}  // namespace

TEST(PortOpenFailure, CauseFromTheSystemsErrorNumber)
{
    const std::pair<int, PortOpenCause> cases[] = {
        {ENOENT, PortOpenCause::Missing},  {ENODEV, PortOpenCause::Missing},
        {ENXIO, PortOpenCause::Missing},   {EACCES, PortOpenCause::PermissionDenied},
        {EPERM, PortOpenCause::PermissionDenied}, {EBUSY, PortOpenCause::Busy},
        {EIO, PortOpenCause::Other},       {EINVAL, PortOpenCause::Other},
    };
    for (const auto& [error, cause] : cases) {
        SCOPED_TRACE(error);
        EXPECT_EQ(CauseFromErrno(error), cause);
    }
}

TEST(PortOpenFailure, EveryCauseNamesItsRemedyInBothLanguages)
{
    struct Case {
        PortOpenFailure failure;
        std::vector<std::string> english;
        std::vector<std::string> chinese;
    };
    const QString port = QStringLiteral("ttyUSB0");
    const Case cases[] = {
        {{PortOpenCause::NoPort, {}, {}, false, {}, 0, {}}, {"No serial port is chosen", "Settings > COM Port"},
         {"未选择串口"}},
        {{PortOpenCause::Missing, port, {}, false, {}, 0, {}}, {"ttyUSB0 is not there", "unplugged"},
         {"ttyUSB0 不存在", "拔出"}},
        {{PortOpenCause::PermissionDenied, port, QStringLiteral("dialout"), false, {}, 0, {}},
         {"Permission denied", "group \"dialout\"", "sudo usermod -aG dialout $USER", "log in again"},
         {"权限不足", "sudo usermod -aG dialout $USER", "重新登录"}},
        {{PortOpenCause::PermissionDenied, port, QStringLiteral("dialout"), true, {}, 0, {}},
         {"already in that group", "log out and log in again"}, {"已加入该组", "重新登录"}},
        {{PortOpenCause::PermissionDenied, port, {}, false, {}, 0, {}},
         {"may not open ttyUSB0", "administrator"}, {"无权打开 ttyUSB0"}},
        {{PortOpenCause::PermissionDenied, port, QStringLiteral("root"), false, {}, 0, {}},
         {"may not open ttyUSB0"}, {"无权打开"}},
        {{PortOpenCause::Busy, port, {}, false, QStringLiteral("ModemManager"), 812, {}},
         {"ttyUSB0 is busy: ModemManager (process 812) holds it", "Close that program"},
         {"ModemManager（进程 812）"}},
        {{PortOpenCause::Busy, port, {}, false, {}, 0, {}}, {"ttyUSB0 is busy", "udev rule"}, {"占用"}},
        {{PortOpenCause::Other, port, {}, false, {}, 0, QStringLiteral("Input/output error")},
         {"ttyUSB0: Input/output error"}, {"ttyUSB0: Input/output error"}},
    };
    for (const Case& c : cases) {
        const Message m = PortOpenMessage(c.failure);
        SCOPED_TRACE(m.english);
        // Text 2002 stays first; the cause follows it.
        EXPECT_EQ(m.langKey, TextKey::PortError);
        for (const auto& part : c.english)
            EXPECT_TRUE(Has(m.english, part)) << part;
        const std::string& chinese = m.chinese.empty() ? m.english : m.chinese;
        for (const auto& part : c.chinese)
            EXPECT_TRUE(Has(chinese, part)) << part;
        EXPECT_FALSE(Has(m.english, "%1") || Has(m.english, "%2") || Has(m.english, "%3"));
    }
}

TEST(PortOpenFailure, APortThatIsNotThereWasUnplugged)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // A stable name whose adapter was pulled: the link stays, its device is gone.
    const QString dangling = dir.filePath(QStringLiteral("usb-1a86_USB_Serial-if00-port0"));
    ASSERT_TRUE(QFile::link(dir.filePath(QStringLiteral("ttyUSB9")), dangling));
    for (const QString& port : {QStringLiteral("/dev/no-such-port"), QStringLiteral("ttyNoSuchPort7"), dangling}) {
        SCOPED_TRACE(port.toStdString());
        const OpenOutcome out = TryOpen(port);
        ASSERT_FALSE(out.opened);
        EXPECT_EQ(out.failure.cause, PortOpenCause::Missing);
        EXPECT_TRUE(Has(out.message.english, port.toStdString() + " is not there"));
    }
    const OpenOutcome none = TryOpen(QString());
    EXPECT_EQ(none.failure.cause, PortOpenCause::NoPort);
}

TEST(PortOpenFailure, APortHeldByAnotherProgramIsBusyAndNamesIt)
{
    test::RadioSimProcess sim({QStringLiteral("--unpaced")});
    ASSERT_TRUE(sim.started());
    SerialPortTransport holder(sim.path());
    ASSERT_TRUE(holder.open());
    const OpenOutcome out = TryOpen(sim.path());
    ASSERT_FALSE(out.opened);
    EXPECT_EQ(out.failure.cause, PortOpenCause::Busy);
    // This very process holds it; /proc tells its name and number.
    EXPECT_EQ(out.failure.holderPid, QCoreApplication::applicationPid());
    EXPECT_TRUE(Has(out.message.english, "(process " + std::to_string(QCoreApplication::applicationPid()) + ")"));
    holder.close();
    EXPECT_TRUE(TryOpen(sim.path()).opened);
}

// A port this user may not open: a file the user has no permission for. The superuser
// passes every permission check, so as root the open is tried by a child process that has
// become the unprivileged user "nobody".
TEST(PortOpenFailure, APortWithoutPermissionNamesTheGroupAndTheNewLogin)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                                      QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther |
                                                      QFile::ExeOther));
    const bool root = ::geteuid() == 0;
    const group* dialout = ::getgrnam("dialout");
    struct Case {
        const char* name;
        mode_t mode;
        bool groupHelps;  // owned by root:dialout, read-write for the group
    };
    const Case cases[] = {{"noaccess", 0000, false}, {"ttyGroup", 0660, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString file = dir.filePath(QString::fromLatin1(c.name));
        {
            QFile f(file);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        }
        if (c.groupHelps) {
            if (!root || !dialout) {
                std::cout << "[ SKIPPED  ] " << c.name << ": giving a file to group dialout needs root\n";
                continue;
            }
            ASSERT_EQ(::chown(QFile::encodeName(file).constData(), 0, dialout->gr_gid), 0);
        }
        ASSERT_EQ(::chmod(QFile::encodeName(file).constData(), c.mode), 0);

        const auto check = [&]() -> int {
            const OpenOutcome out = TryOpen(file);
            if (out.opened || out.failure.cause != PortOpenCause::PermissionDenied)
                return 1;
            const std::string& text = out.message.english;
            if (!Has(text, "Permission denied"))
                return 2;
            if (c.groupHelps != Has(text, "sudo usermod -aG dialout $USER"))
                return 3;
            if (c.groupHelps && !Has(text, "log out and log in again"))
                return 4;
            if (!c.groupHelps && !Has(text, "may not open " + file.toStdString()))
                return 5;
            return 0;
        };
        if (!root) {
            EXPECT_EQ(check(), 0);
            continue;
        }
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            const gid_t nogroup = 65534;
            const uid_t nobody = 65534;
            if (::setgroups(0, nullptr) != 0 || ::setgid(nogroup) != 0 || ::setuid(nobody) != 0)
                ::_exit(99);
            ::_exit(check());
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status));
        if (WEXITSTATUS(status) == 99) {
            std::cout << "[ SKIPPED  ] cannot become the user nobody\n";
            continue;
        }
        EXPECT_EQ(WEXITSTATUS(status), 0) << "the check that failed, see check()";
    }
}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
