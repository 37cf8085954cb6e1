// tq8615-cli read, write and info against the virtual radio program.
#include "files/document.h"
#include "link/model_link.h"
#include "link/transfer_planner.h"
#include "model/image_areas.h"
#include "link_support/link_fixtures.h"
#include "support/fixtures.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>

#include <set>
#include <signal.h>
#include <sstream>

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

// --verify reads the written blocks back: a radio that stores one block wrongly is a failed
// write naming where, never a success.
TEST_F(CliRadio, VerifyAfterWrite)
{
    const auto file = dir / "rich.dat";
    Document doc;
    doc.Model = RichModel(1);
    CollectingSink sink;
    ASSERT_TRUE(doc.SaveDataFile(file, sink));
    // Where the fifth block written lies, in the words the report uses.
    TransferPlanner plan;
    plan.planWrite(ChannelsInUse(doc.Model));
    const ImageLocation fifth = LocateAddress(plan.plannedBlocks(kImageEndAddress).at(4));
    std::string where(AreaName(fifth.area));
    if (fifth.channel)
        where += " " + std::to_string(fifth.channel);

    // Handshake, identify, password block, the blocks and END; then the read back begins.
    const int writeFrames = 4 + int(plan.plannedBlocks(kImageEndAddress).size());
    const QString inReadBack = QString::number(writeFrames + 10);

    struct Case { const char* name; QStringList radio; QStringList extra; int status; std::string saying; };
    const std::vector<Case> cases = {
        {"sound radio", {}, {QStringLiteral("--verify")}, 0, "read back from the radio and verified"},
        {"one block stored wrongly", {QStringLiteral("--corrupt-write"), QStringLiteral("5")}, {QStringLiteral("--verify")}, 1,
            "Verification failed: after the write the radio holds something other than was written in: " + where + " (1 byte)"},
        {"unchecked write of the same radio", {QStringLiteral("--corrupt-write"), QStringLiteral("5")}, {}, 0, "written to the radio"},
        {"the verify read fails", {QStringLiteral("--stop-after"), inReadBack}, {QStringLiteral("--verify")}, 1, "No response"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        start(QStringList{QStringLiteral("--band"), QStringLiteral("1")} + c.radio);
        auto r = Cli(QStringList{QStringLiteral("write"), Q(file), QStringLiteral("--port"), port} + c.extra);
        EXPECT_EQ(r.status, c.status) << r.err;
        EXPECT_NE(r.err.find(c.saying), std::string::npos) << r.err;
        if (c.status != 0) {
            EXPECT_EQ(r.err.find("verified"), std::string::npos) << r.err;
        }
    }
}

// --backup keeps what the radio held before the write; writing the backup back restores the
// radio's memory byte for byte. A backup that cannot be saved stops the write before it starts.
TEST_F(CliRadio, BackupBeforeWriteRestoresTheRadio)
{
    const EditingModel before = RichModel(1);
    const RadioImage original = Encode(before);
    const auto memory = dir / "radio.bin";
    WriteAll(memory, std::string(reinterpret_cast<const char*>(original.bytes().data()), kImageSize));
    start({QStringLiteral("--band"), QStringLiteral("1"), QStringLiteral("--memory"), Q(memory)});

    Document doc;
    doc.Model = before;
    ChannelRecord& second = doc.Model.ChannelList[std::size_t(doc.Model.FindChannel(2))];
    second.DecodeCtcss = int16_t(second.DecodeCtcss % 50 + 1);
    doc.Model.Options.KeyBeep = int16_t(doc.Model.Options.KeyBeep == 2 ? 3 : 2);
    CollectingSink sink;
    const auto file = dir / "new.dat";
    ASSERT_TRUE(doc.SaveDataFile(file, sink));

    // A folder that cannot be made: nothing is written.
    WriteAll(dir / "plain", "x");
    auto refused = Cli(Words({QStringLiteral("write"), Q(file), QStringLiteral("--port"), port, QStringLiteral("--backup"),
                              Q(dir / "plain" / "sub")}));
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find("could not be saved as a backup, so nothing was written"), std::string::npos) << refused.err;
    EXPECT_EQ(ReadAll(memory), std::string(reinterpret_cast<const char*>(original.bytes().data()), kImageSize));

    const auto backups = dir / "backups";
    auto w = Cli(Words({QStringLiteral("write"), Q(file), QStringLiteral("--port"), port, QStringLiteral("--verify"),
                        QStringLiteral("--backup"), Q(backups)}));
    ASSERT_EQ(w.status, 0) << w.err;
    ASSERT_NE(ReadAll(memory), std::string(reinterpret_cast<const char*>(original.bytes().data()), kImageSize));
    std::vector<std::filesystem::path> saved;
    for (const auto& entry : std::filesystem::directory_iterator(backups))
        saved.push_back(entry.path());
    ASSERT_EQ(saved.size(), 1u);
    EXPECT_TRUE(saved[0].filename().string().starts_with("TQ8615-")) << saved[0];
    EXPECT_TRUE(saved[0].filename().string().ends_with("-SIM8615000001.dat")) << saved[0];
    EXPECT_NE(w.err.find(saved[0].string()), std::string::npos) << "the user is told where the backup is";

    auto undo = Cli(Words({QStringLiteral("write"), Q(saved[0]), QStringLiteral("--port"), port, QStringLiteral("--verify")}));
    ASSERT_EQ(undo.status, 0) << undo.err;
    EXPECT_EQ(ReadAll(memory), std::string(reinterpret_cast<const char*>(original.bytes().data()), kImageSize));
}

namespace {

// tq8615-cli clone running in the background, its standard error gathered as it comes.
class CloneProcess {
public:
    explicit CloneProcess(const QStringList& arguments)
    {
        process_.start(QStringLiteral(TQ8615_CLI), QStringList{QStringLiteral("clone")} + arguments);
        process_.waitForStarted(5000);
    }
    ~CloneProcess()
    {
        if (process_.state() != QProcess::NotRunning) {
            process_.kill();
            process_.waitForFinished(2000);
        }
    }
    // Waits until standard error has said `text` `times` times.
    bool waitFor(const std::string& text, int times, int ms = 20000)
    {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < ms) {
            err_ += process_.readAllStandardError().toStdString();
            int seen = 0;
            for (auto at = err_.find(text); at != std::string::npos; at = err_.find(text, at + 1))
                ++seen;
            if (seen >= times)
                return true;
            if (!process_.waitForReadyRead(100) && process_.state() == QProcess::NotRunning)
                return false;
        }
        return false;
    }
    void signal(int number) { ::kill(pid_t(process_.processId()), number); }
    int finish()
    {
        if (!process_.waitForFinished(20000))
            return -1;
        err_ += process_.readAllStandardError().toStdString();
        return process_.exitStatus() == QProcess::NormalExit ? process_.exitCode() : -1;
    }
    const std::string& err() const { return err_; }

private:
    QProcess process_;
    std::string err_;
};

std::vector<std::vector<std::string>> CsvLines(const std::filesystem::path& file)
{
    std::vector<std::vector<std::string>> lines;
    std::istringstream in(ReadAll(file));
    for (std::string line; std::getline(in, line);) {
        std::vector<std::string> fields;
        std::istringstream cells(line);
        for (std::string cell; std::getline(cells, cell, ',');)
            fields.push_back(cell);
        lines.push_back(fields);
    }
    return lines;
}

}  // namespace

// A fleet of six radios, the third pulled away in the middle of its write: five verified with
// five serial numbers, the third logged as failed, and the loop goes on.
TEST_F(CliRadio, CloneProgramsRadioAfterRadio)
{
    const auto file = dir / "fleet.dat";
    Document doc;
    doc.BuildDefaultModel(2);
    CollectingSink sink;
    ASSERT_TRUE(doc.SaveDataFile(file, sink));
    start({QStringLiteral("--off-mid-write"), QStringLiteral("3")});
    const auto log = dir / "log.csv";
    CloneProcess clone({Q(file), QStringLiteral("--port"), port, QStringLiteral("--verify"), QStringLiteral("--count"),
                        QStringLiteral("6"), QStringLiteral("--log"), Q(log)});
    for (int radio = 1; radio < 6; ++radio) {
        SCOPED_TRACE(radio);
        ASSERT_TRUE(clone.waitFor("Switch the radio off", radio)) << clone.err();
        sim->signal(SIGUSR1);
        ASSERT_TRUE(clone.waitFor("Waiting for a radio", radio + 1)) << clone.err();
        sim->signal(SIGUSR2);
    }
    EXPECT_EQ(clone.finish(), 1) << "one radio failed" << clone.err();

    const auto lines = CsvLines(log);
    ASSERT_EQ(lines.size(), 7u) << ReadAll(log);
    EXPECT_EQ(lines[0], (std::vector<std::string>{"time", "serial", "result", "seconds"}));
    std::set<std::string> serials;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        SCOPED_TRACE(i);
        ASSERT_EQ(lines[i].size(), 4u);
        EXPECT_EQ(lines[i][1], "SIM861500000" + std::to_string(i));
        EXPECT_EQ(lines[i][2], i == 3 ? "failed" : "verified");
        serials.insert(lines[i][1]);
    }
    EXPECT_EQ(serials.size(), 6u);
}

// Ctrl+C while the loop waits ends it cleanly: the radios done are logged, the status says
// none failed.
TEST_F(CliRadio, CloneEndsOnInterruptBetweenRadios)
{
    const auto file = dir / "fleet.dat";
    Document doc;
    doc.BuildDefaultModel(2);
    CollectingSink sink;
    ASSERT_TRUE(doc.SaveDataFile(file, sink));
    start({});
    const auto log = dir / "log.csv";
    CloneProcess clone({Q(file), QStringLiteral("--port"), port, QStringLiteral("--log"), Q(log)});
    ASSERT_TRUE(clone.waitFor("Switch the radio off", 1)) << clone.err();
    clone.signal(SIGINT);
    EXPECT_EQ(clone.finish(), 0) << clone.err();
    const auto lines = CsvLines(log);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1][2], "written");
}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
