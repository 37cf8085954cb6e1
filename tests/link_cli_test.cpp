// tq8615-cli read, write and info against the virtual radio program.
#include "files/document.h"
#include "link_support/link_fixtures.h"
#include "support/fixtures.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QProcess>

using namespace tq8615;
using namespace tq8615::test;

namespace {

struct CliResult {
    int status = -1;
    std::string out, err;
};

CliResult Cli(const QStringList& arguments)
{
    QProcess p;
    p.start(QStringLiteral(TQ8615_CLI), arguments);
    CliResult r;
    if (!p.waitForFinished(60000)) {
        p.kill();
        p.waitForFinished(2000);
        return r;
    }
    r.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = p.readAllStandardOutput().toStdString();
    r.err = p.readAllStandardError().toStdString();
    return r;
}

QStringList Words(std::initializer_list<QString> list) { return QStringList(list); }
QString Q(const std::filesystem::path& p) { return QString::fromStdString(p.string()); }

}  // namespace

class CliRadio : public ::testing::Test {
public:
    void start(QStringList options)
    {
        sim = std::make_unique<RadioSimProcess>(QStringList{QStringLiteral("--unpaced")} + options);
        ASSERT_TRUE(sim->started());
        port = sim->path();
    }
    TempDir dir;
    std::unique_ptr<RadioSimProcess> sim;
    QString port;
};

TEST_F(CliRadio, WriteThenReadThenInfo)
{
    start({QStringLiteral("--band"), QStringLiteral("1")});
    const auto written = dir / "written.dat";
    const auto read = dir / "read.dat";
    Document doc;
    doc.Model = RichModel(1);
    CollectingSink sink;
    ASSERT_TRUE(doc.SaveDataFile(written, sink));

    auto w = Cli(Words({QStringLiteral("write"), Q(written), QStringLiteral("--port"), port}));
    ASSERT_EQ(w.status, 0) << w.err;
    auto r = Cli(Words({QStringLiteral("read"), QStringLiteral("--port"), port, QStringLiteral("-o"), Q(read)}));
    ASSERT_EQ(r.status, 0) << r.err;

    Document back;
    ASSERT_TRUE(back.OpenDataFile(read, sink));
    EXPECT_EQ(back.Model.Band.BandPlanIndex, 1);
    EXPECT_EQ(Encode(back.Model), Encode(doc.Model));

    auto i = Cli(Words({QStringLiteral("info"), QStringLiteral("--port"), port}));
    ASSERT_EQ(i.status, 0) << i.err;
    EXPECT_NE(i.out.find("Serial Number: SIM8615000001\n"), std::string::npos) << i.out;
    EXPECT_NE(i.out.find("Frequency: Band 1\n"), std::string::npos) << i.out;
}

TEST_F(CliRadio, FailuresEndWithANonZeroStatus)
{
    struct Case { const char* name; QStringList radio; QStringList extra; const char* command; int status; const char* saying; };
    const Case cases[] = {
        {"band of the file differs", {QStringLiteral("--band"), QStringLiteral("0")}, {}, "write", 1, "Band Error!"},
        {"wrong password", {QStringLiteral("--password"), QStringLiteral("12")},
            {QStringLiteral("--password"), QStringLiteral("21")}, "read", 1, "password"},
        {"radio silent, one Retry", {QStringLiteral("--stop-after"), QStringLiteral("2")},
            {QStringLiteral("--retries"), QStringLiteral("1")}, "read", 1, "retrying"},
        {"retries not a number", {}, {QStringLiteral("--retries"), QStringLiteral("x")}, "info", 2, "--retries"},
        // the question the tool cannot ask comes with the answer it took
        {"another model", {QStringLiteral("--model"), QStringLiteral("TQ9999")}, {}, "read", 1,
            "Model type is wrong. Overwrite?\nAnswered No"},
        {"radio silent, no Retry", {QStringLiteral("--stop-after"), QStringLiteral("2")}, {}, "read", 1,
            "--retries N answers Retry"},
        {"channel outside the band plan", {QStringLiteral("--band"), QStringLiteral("2")}, {}, "write-out-of-band", 1,
            "1: RxFreq"},
    };
    const auto file = dir / "band2.dat";
    const auto outOfBand = dir / "out-of-band.dat";
    Document doc;
    doc.BuildDefaultModel(2);
    CollectingSink sink;
    ASSERT_TRUE(doc.SaveDataFile(file, sink));
    const int first = doc.Model.FindChannel(1);
    ASSERT_GE(first, 0);
    doc.Model.ChannelList[std::size_t(first)].RxFreq = "099999999";
    doc.Model.ChannelList[std::size_t(first)].TxFreq = "099999999";
    ASSERT_TRUE(doc.SaveDataFile(outOfBand, sink));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        start(c.radio);
        const std::string command = c.command;
        QStringList words{QString::fromStdString(command.substr(0, command.find('-')))};
        if (command == "write")
            words << Q(file);
        if (command == "write-out-of-band")
            words << Q(outOfBand);
        words << QStringLiteral("--port") << port << c.extra;
        if (std::string(c.command) == "read")
            words << QStringLiteral("-o") << Q(dir / "out.dat");
        auto r = Cli(words);
        EXPECT_EQ(r.status, c.status);
        EXPECT_NE(r.err.find(c.saying), std::string::npos) << r.err;
        EXPECT_FALSE(std::filesystem::exists(dir / "out.dat")) << "a failed read saves nothing";
    }
    auto missing = Cli(Words({QStringLiteral("info"), QStringLiteral("--port"), QStringLiteral("/dev/no-such-port")}));
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(Cli(Words({QStringLiteral("info")})).status, 2);
}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
