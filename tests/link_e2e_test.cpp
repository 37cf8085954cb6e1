// End to end: the programming run drives the virtual radio program on a pseudo-terminal
// through the same QSerialPort code the program uses, with the radio's faults injected.
#include "files/document.h"
#include "link/model_link.h"
#include "link/programming_run.h"
#include "link/protocol_frames.h"
#include "link/serial_transport.h"
#include "link_support/link_fixtures.h"
#include "support/fixtures.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QSerialPort>

#include <fstream>

using namespace tq8615;
using namespace tq8615::test;

namespace {

void writeFile(const std::filesystem::path& path, const uint8_t* data, std::size_t size)
{
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(data), std::streamsize(size));
}

std::vector<uint8_t> readFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

QStringList args(std::initializer_list<const char*> list)
{
    QStringList out;
    for (auto* a : list)
        out << QString::fromUtf8(a);
    return out;
}

QString pathArg(const std::filesystem::path& p) { return QString::fromStdString(p.string()); }

}  // namespace

// A virtual radio program with a known memory, and a run on the serial port to it.
class E2E : public ::testing::Test {
public:
    // Starts the radio program; its memory holds `radio`'s memory and information.
    void startRadio(QStringList extra, const std::bitset<kChannelSlots>& used = everyThird(), unsigned seed = 1)
    {
        FillRadioMemory(radio, used, seed);
        radio.fillSampleInfo();
        writeFile(memoryFile(), radio.memory.data(), radio.memory.size());
        writeFile(infoFile(), radio.info.data(), radio.info.size());
        QStringList arguments = args({"--unpaced"});
        arguments << QStringLiteral("--memory") << pathArg(memoryFile()) << QStringLiteral("--info") << pathArg(infoFile());
        arguments << extra;
        sim = std::make_unique<RadioSimProcess>(arguments);
        ASSERT_TRUE(sim->started()) << "the virtual radio did not start";
        port.setPortName(sim->path());
        QObject::connect(&run, &ProgrammingRun::finished, [this](bool ok) { result = ok; });
    }

    static std::bitset<kChannelSlots> everyThird()
    {
        std::bitset<kChannelSlots> used;
        for (int n = 1; n <= kChannelSlots; n += 3)
            used.set(std::size_t(n - 1));
        return used;
    }

    bool finish()
    {
        EXPECT_TRUE(WaitForRun(run, 60000)) << "the run did not finish";
        return result.value_or(false);
    }

    bool read()
    {
        if (!run.startRead([this](int band, RadioImage& img) { acceptedBand = band; (void)img; }))
            return false;
        return finish();
    }

    std::filesystem::path memoryFile() const { return dir / "memory.bin"; }
    std::filesystem::path infoFile() const { return dir / "info.bin"; }

    TempDir dir;
    sim::VirtualRadio radio;  // what the program's memory starts as
    std::unique_ptr<RadioSimProcess> sim;
    SerialPortTransport port;
    ScriptedUi ui;
    RadioImage image;
    BlockUsageMap usage;
    ProgrammingRun run{port, ui, image, usage};
    std::optional<bool> result;
    std::optional<int> acceptedBand;
};

TEST_F(E2E, ReadGivesTheRadiosMemory)
{
    startRadio(args({"--band", "1"}));
    ASSERT_TRUE(read());
    EXPECT_EQ(image, ImageOf(radio));
    EXPECT_EQ(acceptedBand, 1);
    EXPECT_EQ(ui.shown.back(), Message::Key(TextKey::ReadDone, Message::Icon::Information));
}

TEST_F(E2E, ReadOfARadioWithoutChannels)
{
    startRadio({}, {});
    ASSERT_TRUE(read());
    EXPECT_EQ(image, ImageOf(radio));
    EXPECT_EQ(run.variables().ProgressTotal, 389);
}

TEST_F(E2E, EmbeddedInformation)
{
    startRadio(args({"--password", "77"}));
    ASSERT_TRUE(run.startReadEmbeddedInfo());
    ASSERT_TRUE(finish());
    radio.setPassword("77");
    EXPECT_TRUE(std::equal(radio.info.begin(), radio.info.end(), run.embeddedInfoBuffer().begin()));
    ASSERT_TRUE(ui.info);
    EXPECT_EQ(*ui.info, ParseEmbeddedInfo(radio.info));
}

TEST_F(E2E, HandshakeAndRepliesByteByByte)
{
    startRadio(args({"--split", "1"}));
    ASSERT_TRUE(run.startReadEmbeddedInfo());
    ASSERT_TRUE(finish());
    EXPECT_TRUE(std::equal(radio.info.begin(), radio.info.end(), run.embeddedInfoBuffer().begin()));
}

TEST_F(E2E, WriteThenReadGivesBackTheModel)
{
    startRadio(args({"--band", "1"}), {});
    const EditingModel rich = RichModel(1);
    EditingModel written = rich;
    ASSERT_TRUE(run.startWrite(WriteRequestFor(written)));
    ASSERT_TRUE(finish()) << (ui.shown.empty() ? std::string() : ui.shown.back().english);
    const RadioImage sent = image;

    // The radio kept every block that carries data.
    const auto saved = readFile(memoryFile());
    ASSERT_EQ(saved.size(), std::size_t(kImageSize));
    const auto used = ChannelsInUse(rich);
    for (int a = 0; a < kImageSize; ++a) {
        const bool skipped = (a >= kUnusedArea.start && a <= kUnusedArea.end)
            || (a < kChannelSlots * kChannelSlotSize && !used.test(std::size_t(a / kChannelSlotSize)));
        if (!skipped) {
            ASSERT_EQ(saved[std::size_t(a)], sent.at(a)) << "address " << a;
        }
    }

    Document doc;
    doc.BuildDefaultModel(0);
    result.reset();
    ASSERT_TRUE(run.startRead([&doc](int band, RadioImage& img) { CollectingSink quiet; doc.AcceptRadioRead(band, img, quiet); }));
    ASSERT_TRUE(finish());
    EXPECT_EQ(doc.Model.Band.BandPlanIndex, 1);
    EXPECT_EQ(doc.CurrentFileName, "new.dat");
    EXPECT_EQ(doc.Model.ChannelCount, rich.ChannelCount);
    for (int i = 0; i < rich.ChannelCount; ++i)
        EXPECT_EQ(doc.Model.ChannelList[std::size_t(i)].ChannelNumber, rich.ChannelList[std::size_t(i)].ChannelNumber);
    EXPECT_EQ(doc.Model.Options, rich.Options);
    EXPECT_EQ(Encode(doc.Model), Encode(rich)) << "the model read back holds what was written";
}

TEST_F(E2E, IdentityRefusals)
{
    struct Case { const char* name; QStringList radioArgs; bool write; std::vector<std::string> messages; };
    const std::vector<Case> cases = {
        {"wrong model", args({"--model", "TQ9000"}), false, {"Model type is wrong. Overwrite?"}},
        {"wrong version", args({"--version", "V110"}), false, {"Version is wrong."}},
        {"wrong band on write", args({"--band", "0"}), true, {"Band Error!"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        sim.reset();
        ui = ScriptedUi{};
        result.reset();
        startRadio(c.radioArgs);
        EditingModel model = RichModel(2);
        const bool ok = c.write ? (run.startWrite(WriteRequestFor(model)) && finish()) : read();
        EXPECT_FALSE(ok);
        std::vector<std::string> english;
        for (auto& m : ui.shown)
            if (!m.english.empty())
                english.push_back(m.english);
        EXPECT_EQ(english, c.messages);
        EXPECT_EQ(ui.shown.back(), Message::Key(c.write ? TextKey::WriteFailed : TextKey::ReadFailed));
    }
}

TEST_F(E2E, PasswordAskedAndChecked)
{
    startRadio(args({"--password", "4711"}));
    ui.passwordAnswers = {std::string("1234"), std::string("4711")};
    EXPECT_FALSE(read()) << "a wrong password ends the run";
    result.reset();
    EXPECT_TRUE(read()) << "the right one lets it through";
    EXPECT_EQ(ui.passwordPresets, (std::vector<std::string>{"", "1234"}));
    EXPECT_EQ(image, ImageOf(radio));
}

struct SimFault {
    const char* name;
    std::vector<const char*> options;
};

class E2EFault : public E2E, public ::testing::WithParamInterface<SimFault> {};

TEST_P(E2EFault, ReadStillGivesTheRadiosMemory)
{
    QStringList options;
    for (auto* o : GetParam().options)
        options << QString::fromUtf8(o);
    startRadio(options, ChannelPattern({1, 2, 3, 4, 5, 100, 199}));
    ASSERT_TRUE(read());
    EXPECT_EQ(image, ImageOf(radio));
    EXPECT_EQ(ui.retryQuestions, 0);
}

INSTANTIATE_TEST_SUITE_P(Faults, E2EFault,
    ::testing::Values(SimFault{"drop_every_60th_reply", {"--drop-every", "60"}},
        SimFault{"bad_checksum_every_50th_block", {"--corrupt-every", "50"}},
        SimFault{"replies_in_pieces_of_7", {"--split", "7"}},
        SimFault{"garbage_before_every_40th_reply", {"--garbage-every", "40"}}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST_F(E2E, EndNeverAnsweredStillSucceeds)
{
    // Handshake, identify, password block, the 4 bitmap blocks and 389 others: then silence.
    startRadio(args({"--stop-after", "396"}), {});
    QElapsedTimer clock;
    clock.start();
    ASSERT_TRUE(read());
    EXPECT_GE(clock.elapsed(), 3 * kReplyTimeoutMs - 50) << "\"END\" is sent three times";
    EXPECT_EQ(image, ImageOf(radio));
}

TEST_F(E2E, RadioFallsSilentAndTheUserCancels)
{
    startRadio(args({"--stop-after", "50"}));
    ui.retryAnswers = 1;  // Retry once: still silent
    EXPECT_FALSE(read());
    EXPECT_EQ(ui.retryQuestions, 2);
    EXPECT_EQ(ui.shown.back(), Message::Key(TextKey::ReadFailed));
    EXPECT_FALSE(acceptedBand);
}

TEST_F(E2E, RadioProgramGoneMidTransfer)
{
    startRadio(args({"--split", "2"}));  // still unpaced, but slow enough to be mid-way
    ASSERT_TRUE(run.startRead([this](int band, RadioImage&) { acceptedBand = band; }));
    QDeadlineTimer deadline(10000);
    while (run.variables().CurrentAddress < 1000 && run.isActive() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    sim->kill();
    EXPECT_FALSE(finish());
    EXPECT_FALSE(acceptedBand) << "the model changes only by a read that completed";
    EXPECT_TRUE(ui.shown.back() == Message::Key(TextKey::ReadFailed));
}

TEST_F(E2E, RadioIgnoresWriteFramesWithABadChecksum)
{
    startRadio({});
    QSerialPort raw(sim->path());
    ASSERT_TRUE(raw.open(QIODevice::ReadWrite));
    auto exchange = [&raw](const QByteArray& frame, int expect) {
        raw.clear();
        raw.write(frame);
        QByteArray got;
        QDeadlineTimer deadline(expect > int(frame.size()) ? 3000 : 300);
        while (!deadline.hasExpired() && got.size() < expect) {
            raw.waitForReadyRead(20);
            got += raw.readAll();
        }
        QDeadlineTimer settle(100);
        while (!settle.hasExpired()) {
            raw.waitForReadyRead(20);
            got += raw.readAll();
        }
        return got;
    };
    ASSERT_EQ(exchange(HandshakeFrame(), 10), HandshakePattern());
    uint8_t data[16] = {1, 2, 3};
    QByteArray bad = WriteFrame(0x0100, data);
    bad[20] = char(bad[20] + 1);
    EXPECT_EQ(exchange(bad, 22), bad) << "only the echo comes back";
    const QByteArray good = WriteFrame(0x0100, data);
    EXPECT_EQ(exchange(good, 23), good + QByteArray(1, char(kAck)));
    const QByteArray readBack = exchange(ReadFrame(0x0100), 26);
    EXPECT_EQ(readBack.mid(4), ReadReply(0x0100, data));
}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
