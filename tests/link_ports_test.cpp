// The serial port list and the "comPort" setting rule.
#include "link/serial_ports.h"
#include "link/serial_transport.h"
#include "link_support/link_fixtures.h"

#include <gtest/gtest.h>

#include <QCoreApplication>

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

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
