// The programming conversation against a virtual radio behind a scripted port: frames, the
// transfer planner, and whole runs with their edge cases and faults.
#include "link/programming_run.h"
#include "link/protocol_frames.h"
#include "link/transfer_planner.h"
#include "link_support/link_fixtures.h"

#include <gtest/gtest.h>

#include <QCoreApplication>

#include <numeric>
#include <random>

using namespace tq8615;
using namespace tq8615::test;

namespace {

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray a;
    for (int v : values)
        a.append(char(v));
    return a;
}

std::bitset<kChannelSlots> allChannels() { return std::bitset<kChannelSlots>().set(); }

std::bitset<kChannelSlots> everyThirdChannel()
{
    std::bitset<kChannelSlots> used;
    for (int n = 1; n <= kChannelSlots; n += 3)
        used.set(std::size_t(n - 1));
    return used;
}

}  // namespace

// ---------------------------------------------------------------------------------------
// Frames

TEST(Frames, WriteFrameCarriesBlockChecksumAndAck)
{
    uint8_t data[16];
    std::iota(data, data + 16, 0);
    const QByteArray f = WriteFrame(0x1234, data);
    ASSERT_EQ(f.size(), 22);
    EXPECT_EQ(f.left(4), bytes({0x57, 0x12, 0x34, 0x10}));
    EXPECT_EQ(uint8_t(f[20]), (0x12 + 0x34 + 0x10 + 120) & 0xFF);
    EXPECT_EQ(uint8_t(f[21]), 0x06);
    EXPECT_EQ(ReadFrame(0x3B10), bytes({0x52, 0x3B, 0x10, 0x10}));
}

TEST(Frames, BlockReplyIsCheckedAtTheEchoOffset)
{
    uint8_t data[16];
    std::iota(data, data + 16, 100);
    const QByteArray echo = ReadFrame(0x0040);
    const QByteArray good = echo + ReadReply(0x0040, data);

    auto parsed = ParseBlockReply(good, 4);
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->address, 0x40);
    EXPECT_EQ(parsed->length, 16);
    EXPECT_EQ(parsed->data, QByteArray(reinterpret_cast<const char*>(data), 16));

    struct Case { const char* name; std::function<void(QByteArray&)> spoil; };
    const Case cases[] = {
        {"one data byte changed", [](QByteArray& c) { c[10] = char(c[10] ^ 1); }},
        {"checksum changed", [](QByteArray& c) { c[c.size() - 2] = char(c[c.size() - 2] + 1); }},
        {"no final 0x06", [](QByteArray& c) { c[c.size() - 1] = 0x07; }},
        {"wrong command", [](QByteArray& c) { c[4] = 0x52; }},
        {"cut short", [](QByteArray& c) { c.chop(3); }},
        {"garbage before the reply", [](QByteArray& c) { c.insert(4, bytes({0x13, 0x00, 0xA5})); }},
    };
    for (const auto& c : cases) {
        QByteArray chunk = good;
        c.spoil(chunk);
        EXPECT_FALSE(ParseBlockReply(chunk, 4)) << c.name;
    }
}

TEST(Frames, IdentifyReplyFields)
{
    // Model ends at the first 0x00 or 0xFF; in the version those bytes are left out.
    QByteArray reply = bytes({0x49, 'T', 'Q', '8', '6', '1', '5', 0xFF, 0x01, 'V', 0x00, '1', 0xFF, 0, 0, 0x06});
    auto id = ParseIdentifyReply(bytes({0x02}) + reply, 1);
    ASSERT_TRUE(id);
    EXPECT_EQ(id->RadioModel, "TQ8615");
    EXPECT_EQ(id->RadioBand, 1);
    EXPECT_EQ(id->RadioVersion, "V1");
    EXPECT_FALSE(ParseIdentifyReply(bytes({0x02}) + reply + bytes({0x06}), 1)) << "longer than 16 after the echo";
    reply[0] = 0x48;
    EXPECT_FALSE(ParseIdentifyReply(bytes({0x02}) + reply, 1));
}

// ---------------------------------------------------------------------------------------
// Transfer planner

TEST(TransferPlanner, SkipRangesMergeAndShrinkToWholeBlocks)
{
    struct Case {
        const char* name;
        std::vector<AddressRange> added;
        std::vector<AddressRange> finished;
    };
    const Case cases[] = {
        {"adjacent ranges merge", {{0, 31}, {32, 63}, {96, 127}}, {{0, 63}, {96, 127}}},
        {"only with the last range", {{32, 63}, {96, 127}, {64, 95}}, {{32, 63}, {96, 127}, {64, 95}}},
        {"start raised, end lowered", {{5, 40}}, {{16, 31}}},
        {"a range without a whole block is dropped", {{1, 20}, {100, 100}}, {}},
        {"block-aligned ranges stay", {{12528, 12799}}, {{12528, 12799}}},
    };
    for (const auto& c : cases) {
        TransferPlanner p;
        for (auto r : c.added)
            p.addSkipRange(r.start, r.end);
        p.finishSkipList();
        EXPECT_EQ(p.SkipList, c.finished) << c.name;
    }
}

TEST(TransferPlanner, NextAddressByMode)
{
    TransferPlanner p;
    p.PlannerMode = TransferPlanner::Mode::AllBlocks;
    EXPECT_EQ(p.nextAddress(15104), 15104);

    p.PlannerMode = TransferPlanner::Mode::IncludeOnly;
    EXPECT_EQ(p.nextAddress(0), 6464);
    EXPECT_EQ(p.nextAddress(6480), 6480);
    EXPECT_EQ(p.nextAddress(6512), 6512);
    EXPECT_EQ(p.nextAddress(6528), std::nullopt);

    p.planWrite(ChannelPattern({3}));
    EXPECT_EQ(p.nextAddress(0), 64) << "channels 1 and 2 unused";
    EXPECT_EQ(p.nextAddress(80), 80);
    EXPECT_EQ(p.nextAddress(96), 6400) << "channels 4..200 unused";
    EXPECT_EQ(p.nextAddress(12528), 12800);
}

TEST(TransferPlanner, BlockCounts)
{
    RadioImage noChannels;
    TransferPlanner read;
    read.planReadFromBitmap(noChannels);
    EXPECT_EQ(read.countBlocks(kImageEndAddress), 389);

    TransferPlanner write;
    write.planWrite(allChannels());
    EXPECT_EQ(write.countBlocks(kImageEndAddress), 810 - 17);
    write.planWrite({});
    EXPECT_EQ(write.countBlocks(kImageEndAddress), 810 - 17 - 400);
}

// ---------------------------------------------------------------------------------------
// Whole runs against the virtual radio

class RunTest : public ::testing::Test {
public:
    void SetUp() override
    {
        WireRadio(port, radio);
        run.setReplyTimeout(40);
        QObject::connect(&run, &ProgrammingRun::finished, [this](bool ok) { result = ok; });
    }

    bool read()
    {
        if (!run.startRead([this](int band, RadioImage& read) {
                acceptedBand = band;
                accepted = read;
            }))
            return false;
        EXPECT_TRUE(WaitForRun(run)) << "the run did not finish";
        return result.value_or(false);
    }

    bool write(std::bitset<kChannelSlots> used, int band = 2, unsigned seed = 7)
    {
        WriteRequest request;
        request.bandPlanIndex = band;
        request.channelsInUse = used;
        request.encode = [this, seed](RadioImage& img, BlockUsageMap&, MessageSink&) {
            std::mt19937 random(seed);
            for (auto& b : img.bytes())
                b = uint8_t(random());
            encoded = img;
            return true;
        };
        if (!run.startWrite(request))
            return false;
        EXPECT_TRUE(WaitForRun(run)) << "the run did not finish";
        return result.value_or(false);
    }

    std::vector<int> frameAddresses(char command) const
    {
        std::vector<int> addresses;
        for (const auto& f : port.written)
            if (f.size() >= 4 && f[0] == command)
                addresses.push_back((uint8_t(f[1]) << 8) | uint8_t(f[2]));
        return addresses;
    }

    int count(const QByteArray& frame) const { return int(port.written.count(frame)); }

    // After a write the radio holds the image in every planned block and its old bytes in
    // every skipped one.
    void expectRadioHoldsWrite(const std::bitset<kChannelSlots>& used, uint8_t oldByte)
    {
        for (int a = 0; a < kImageSize; ++a) {
            const bool skipped = (a >= kUnusedArea.start && a <= kUnusedArea.end)
                || (a < kChannelSlots * kChannelSlotSize && !used.test(std::size_t(a / kChannelSlotSize)));
            const uint8_t want = skipped ? oldByte : encoded.at(a);
            ASSERT_EQ(radio.memory[std::size_t(a)], want) << "address " << a;
        }
    }

    FakePort port;
    ScriptedUi ui;
    RadioImage image;
    BlockUsageMap usage;
    sim::VirtualRadio radio;
    ProgrammingRun run{port, ui, image, usage};
    std::optional<bool> result;
    std::optional<int> acceptedBand;
    RadioImage accepted;
    RadioImage encoded;
};

struct ReadCase {
    const char* name;
    std::bitset<kChannelSlots> used;
    int blocksAfterBitmaps;
};

class ReadRun : public RunTest, public ::testing::WithParamInterface<ReadCase> {};

TEST_P(ReadRun, FetchesBitmapsThenPlannedBlocksAndHandsOverTheImage)
{
    const auto& c = GetParam();
    FillRadioMemory(radio, c.used, 11);
    radio.identity.band = 1;

    ASSERT_TRUE(read());
    EXPECT_EQ(image, ImageOf(radio));
    EXPECT_EQ(accepted, ImageOf(radio));
    EXPECT_EQ(acceptedBand, 1);

    const auto requested = frameAddresses('R');
    ASSERT_GE(requested.size(), 5u);
    EXPECT_EQ(requested[0], kPasswordBlockAddress);
    EXPECT_EQ(std::vector<int>(requested.begin() + 1, requested.begin() + 5), (std::vector<int>{6464, 6480, 6496, 6512}));
    EXPECT_EQ(int(requested.size()) - 5, c.blocksAfterBitmaps);
    EXPECT_EQ(count(EndFrame()), 1);

    EXPECT_EQ(ui.confirms, std::vector<Message>{ReadPrompt()});
    EXPECT_EQ(ui.shown, std::vector<Message>{Message::Key(TextKey::ReadDone, Message::Icon::Information)});
    EXPECT_EQ(ui.progressOpens, 1);
    EXPECT_EQ(ui.progressCloses, 1);
    EXPECT_TRUE(std::is_sorted(ui.progress.begin(), ui.progress.end()));
    EXPECT_FALSE(port.isOpen());
    EXPECT_FALSE(run.isActive());
}

INSTANTIATE_TEST_SUITE_P(Channels, ReadRun,
    ::testing::Values(ReadCase{"no channel in use", {}, 389},
        ReadCase{"all channels in use", allChannels(), 810 - 17 - 4},
        ReadCase{"every third channel", everyThirdChannel(), 389 + 67 * 2},
        ReadCase{"channel 200 only", ChannelPattern({200}), 391}),
    [](const auto& testCase) {
        std::string n = testCase.param.name;
        std::replace(n.begin(), n.end(), ' ', '_');
        return n;
    });

TEST_F(RunTest, WriteSendsChannelsInUseAndOtherAreas)
{
    radio.memory.fill(0xEE);
    const auto used = ChannelPattern({3, 4, 10, 200});
    ASSERT_TRUE(write(used));

    const auto addresses = frameAddresses('W');
    ASSERT_FALSE(addresses.empty());
    EXPECT_EQ(addresses.front(), 64) << "channels 1 and 2 are not sent";
    EXPECT_EQ(int(addresses.size()), 810 - 17 - (200 - 4) * 2);
    expectRadioHoldsWrite(used, 0xEE);
    EXPECT_EQ(ui.confirms, std::vector<Message>{WritePrompt()});
    EXPECT_EQ(ui.shown, std::vector<Message>{Message::Key(TextKey::WriteDone, Message::Icon::Information)});
    ASSERT_FALSE(ui.progress.empty());
    EXPECT_EQ(ui.progress.back(), 100);
}

TEST_F(RunTest, EmbeddedInformationReadNeedsNoConfirmationAndShowsTheArea)
{
    radio.fillSampleInfo();
    radio.setPassword("9999");  // the password block is plain data here
    ASSERT_TRUE(run.startReadEmbeddedInfo());
    ASSERT_TRUE(WaitForRun(run));
    ASSERT_TRUE(result.value_or(false));

    EXPECT_TRUE(std::equal(radio.info.begin(), radio.info.end(), run.embeddedInfoBuffer().begin()));
    ASSERT_TRUE(ui.info);
    EXPECT_EQ(ui.info->SerialNumber, "SIM8615000001");
    EXPECT_TRUE(ui.confirms.empty());
    EXPECT_EQ(ui.progressOpens, 0);
    EXPECT_TRUE(ui.passwordPresets.empty());
    EXPECT_EQ(frameAddresses('R').front(), kEmbeddedInfoStart);
    EXPECT_EQ(frameAddresses('R').size(), 16u);
}

struct IdentityCase {
    const char* name;
    bool write;
    std::string model, version;
    int band;  // the data's band plan is 2
    std::vector<std::string> messages;
};

class IdentityRun : public RunTest, public ::testing::WithParamInterface<IdentityCase> {};

TEST_P(IdentityRun, WrongIdentityEndsBeforeAnyTransfer)
{
    const auto& c = GetParam();
    radio.identity = {c.model, c.version, c.band};
    const bool ok = c.write ? write(allChannels(), 2) : read();
    EXPECT_FALSE(ok);

    std::vector<std::string> english;
    for (auto& m : ui.shown)
        if (!m.english.empty())
            english.push_back(m.english);
    EXPECT_EQ(english, c.messages);
    EXPECT_TRUE(ui.showedKey(c.write ? TextKey::WriteFailed : TextKey::ReadFailed));
    EXPECT_TRUE(frameAddresses('R').empty());
    EXPECT_TRUE(frameAddresses('W').empty());
    EXPECT_FALSE(acceptedBand);
}

INSTANTIATE_TEST_SUITE_P(Identity, IdentityRun,
    ::testing::Values(IdentityCase{"model", false, "TQ8600", "V100", 2, {"Model type is wrong. Overwrite?"}},
        IdentityCase{"version", false, "TQ8615", "V101", 2, {"Version is wrong."}},
        IdentityCase{"band_on_write", true, "TQ8615", "V100", 0, {"Band Error!"}},
        IdentityCase{"version_and_band_on_write", true, "TQ8615", "V200", 1, {"Version is wrong.", "Band Error!"}},
        IdentityCase{"band_that_does_not_exist_on_read", false, "TQ8615", "V100", 7, {"Band Error!"}}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST_F(RunTest, ReadIgnoresTheBand)
{
    radio.identity.band = 0;
    FillRadioMemory(radio, {}, 3);
    EXPECT_TRUE(read());
    EXPECT_EQ(acceptedBand, 0);
}

TEST_F(RunTest, EndNeverAnsweredStillSucceedsAfterThreeSends)
{
    FillRadioMemory(radio, {}, 5);
    radio.faults.stopAfter = 3 + 4 + 389;  // handshake, identify, password block, blocks
    ASSERT_TRUE(read());
    EXPECT_EQ(count(EndFrame()), 3);
    EXPECT_EQ(ui.retryQuestions, 0);
    EXPECT_EQ(image, ImageOf(radio));
}

Message ReadDone() { return Message::Key(TextKey::ReadDone, Message::Icon::Information); }

struct PasswordCase {
    const char* name;
    std::string radioPassword;
    std::string entered;
    std::vector<std::optional<std::string>> answers;
    bool success;
    int questions;
    Message last;  // the message the run ends with
};

class PasswordRun : public RunTest, public ::testing::WithParamInterface<PasswordCase> {};

TEST_P(PasswordRun, AsksOnlyWhenTheRadioHasAnotherPassword)
{
    const auto& c = GetParam();
    FillRadioMemory(radio, ChannelPattern({1}), 9);
    radio.setPassword(c.radioPassword);
    run.setEnteredPassword(c.entered);
    ui.passwordAnswers.assign(c.answers.begin(), c.answers.end());

    EXPECT_EQ(read(), c.success);
    EXPECT_EQ(int(ui.passwordPresets.size()), c.questions);
    if (c.questions > 0) {
        EXPECT_EQ(ui.passwordPresets.front(), c.entered) << "the text box starts with the entered password";
    }
    if (c.success) {
        EXPECT_EQ(image, ImageOf(radio));
        EXPECT_EQ(run.variables().EnteredPassword, c.radioPassword.empty() ? c.entered : c.radioPassword);
    } else {
        EXPECT_FALSE(acceptedBand);
    }
    ASSERT_FALSE(ui.shown.empty());
    EXPECT_EQ(ui.shown.back(), c.last);
    if (c.last != PasswordRefusedMessage()) {
        EXPECT_FALSE(radio.programming()) << "the conversation ends with END";
    }
}

INSTANTIATE_TEST_SUITE_P(Passwords, PasswordRun,
    ::testing::Values(PasswordCase{"radio_without_password", "", "", {}, true, 0, ReadDone()},
        PasswordCase{"already_entered", "1234", "1234", {}, true, 0, ReadDone()},
        PasswordCase{"typed_right", "1234", "", {"1234"}, true, 1, ReadDone()},
        PasswordCase{"typed_with_trailing_spaces", "12", "", {"12  "}, true, 1, ReadDone()},
        PasswordCase{"typed_wrong", "1234", "", {"4321"}, false, 1, PasswordRefusedMessage()},
        PasswordCase{"case_matters", "AbC", "", {"abc"}, false, 1, PasswordRefusedMessage()},
        PasswordCase{"cancelled", "1234", "", {std::nullopt}, false, 1, CancelledMessage(RunKind::Read, false)},
        PasswordCase{"empty_entry", "1234", "", {""}, false, 1, PasswordRefusedMessage()}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

// ---------------------------------------------------------------------------------------
// Stopping a transfer from its progress window

// Presses the progress window's Cancel from the event loop once the progress reaches
// `percent`; remembers how many frames had gone out by then.
struct CancelAt {
    CancelAt(RunTest& t, int percent) : test(t)
    {
        timer.setInterval(1);
        QObject::connect(&timer, &QTimer::timeout, [this, percent] {
            if (test.ui.progress.empty() || test.ui.progress.back() < percent || !test.ui.cancelRun)
                return;
            timer.stop();
            framesBefore = int(test.port.written.size());
            test.ui.cancelRun();
        });
        timer.start();
    }
    // The frames written after Cancel was pressed.
    QList<QByteArray> framesAfter() const { return test.port.written.mid(framesBefore); }

    RunTest& test;
    QTimer timer;
    int framesBefore = -1;
};

TEST_F(RunTest, CancelledReadEndsTheConversationAndHandsNothingOver)
{
    FillRadioMemory(radio, ChannelPattern({1, 2, 3, 50, 200}), 21);
    CancelAt cancel(*this, 30);

    EXPECT_FALSE(read());
    ASSERT_GE(cancel.framesBefore, 0) << "Cancel was never pressed";
    EXPECT_EQ(run.outcome(), RunOutcome::Cancelled);
    EXPECT_FALSE(acceptedBand) << "the model keeps what it held";
    EXPECT_EQ(cancel.framesAfter(), QList<QByteArray>{EndFrame()}) << "no block is requested after Cancel";
    EXPECT_FALSE(radio.programming());
    EXPECT_EQ(ui.shown, std::vector<Message>{CancelledMessage(RunKind::Read, false)});
    EXPECT_TRUE(ui.stopQuestions.empty()) << "a read stops without asking";
    EXPECT_EQ(ui.progressCloses, 1);
    EXPECT_FALSE(ui.cancelRun);
}

struct WriteCancelCase {
    const char* name;
    bool stop;  // the answer to "Stop the write?"
};

class WriteCancelRun : public RunTest, public ::testing::WithParamInterface<WriteCancelCase> {};

TEST_P(WriteCancelRun, AsksFirstAndEitherGoesOnOrStopsAndIsRepairedByTheNextWrite)
{
    const auto used = ChannelPattern({1, 2, 7, 100, 150});
    radio.memory.fill(0x55);
    ui.stopAnswer = GetParam().stop;
    {
        CancelAt cancel(*this, 40);
        EXPECT_EQ(write(used), !GetParam().stop);
        ASSERT_GE(cancel.framesBefore, 0) << "Cancel was never pressed";
        EXPECT_EQ(ui.stopQuestions, std::vector<Message>{StopWriteQuestion()});
        EXPECT_FALSE(radio.programming());
        EXPECT_EQ(ui.retryQuestions, 0);
        if (!GetParam().stop) {
            EXPECT_EQ(run.outcome(), RunOutcome::Succeeded);
            expectRadioHoldsWrite(used, 0x55);
            return;
        }
        EXPECT_EQ(run.outcome(), RunOutcome::Cancelled);
        EXPECT_EQ(cancel.framesAfter(), QList<QByteArray>{EndFrame()}) << "no block is written after Cancel";
        EXPECT_EQ(ui.shown, std::vector<Message>{CancelledMessage(RunKind::Write, true)});
    }
    // Write again, all the way.
    ui.shown.clear();
    ASSERT_TRUE(write(used));
    expectRadioHoldsWrite(used, 0x55);
}

INSTANTIATE_TEST_SUITE_P(Answers, WriteCancelRun,
    ::testing::Values(WriteCancelCase{"stop", true}, WriteCancelCase{"go_on", false}),
    [](const auto& c) { return std::string(c.param.name); });

TEST_F(RunTest, CancelWhileTheRadioIsSilentEndsWithoutTheRetryQuestion)
{
    FillRadioMemory(radio, ChannelPattern({1}), 4);
    radio.faults.stopAfter = 3 + 4 + 40;  // handshake, identify, password block, blocks
    QTimer cancelWhenSilent;
    cancelWhenSilent.setInterval(1);
    QObject::connect(&cancelWhenSilent, &QTimer::timeout, [this, &cancelWhenSilent] {
        if (run.variables().RetryCount > 0 && ui.cancelRun) {
            cancelWhenSilent.stop();
            ui.cancelRun();
        }
    });
    cancelWhenSilent.start();

    EXPECT_FALSE(read());
    EXPECT_EQ(run.outcome(), RunOutcome::Cancelled);
    EXPECT_EQ(ui.retryQuestions, 0);
    EXPECT_EQ(count(EndFrame()), 3) << "END is still sent as the protocol sends it";
    EXPECT_EQ(ui.shown, std::vector<Message>{CancelledMessage(RunKind::Read, false)});
}

struct FaultCase {
    const char* name;
    sim::Faults faults;
};

class FaultRun : public RunTest, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(FaultRun, ReadAndWriteRecoverByResending)
{
    radio.faults = GetParam().faults;
    const auto used = everyThirdChannel();
    FillRadioMemory(radio, used, 21);
    ASSERT_TRUE(read());
    EXPECT_EQ(image, ImageOf(radio));

    radio.memory.fill(0x5C);
    result.reset();
    ASSERT_TRUE(write(used));
    expectRadioHoldsWrite(used, 0x5C);
    EXPECT_EQ(ui.retryQuestions, 0);
}

INSTANTIATE_TEST_SUITE_P(Faults, FaultRun,
    ::testing::Values(FaultCase{"bad_checksum_every_23rd_block", {0, 23, 0, 0, 0}},
        FaultCase{"every_37th_reply_dropped", {37, 0, 0, 0, 0}},
        FaultCase{"replies_byte_by_byte", {0, 0, 1, 0, 0}},
        FaultCase{"replies_in_pieces_of_5", {0, 0, 5, 0, 0}},
        FaultCase{"garbage_before_every_29th_reply", {0, 0, 0, 29, 0}},
        // Never three failures in a row for one frame: no Retry question.
        FaultCase{"checksums_garbage_and_pieces", {0, 41, 3, 43, 0}}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST_F(RunTest, BadChecksumIsIgnoredAndTheBlockRequestedAgain)
{
    FillRadioMemory(radio, {}, 4);
    auto answer = port.respond;
    bool spoiled = false;
    port.respond = [&, answer](const QByteArray& f) {
        auto replies = answer(f);
        if (f == ReadFrame(6480) && !spoiled) {
            spoiled = true;
            QByteArray& reply = replies.back();
            reply[10] = char(reply[10] ^ 0x01);  // one data byte wrong
        }
        return replies;
    };
    ASSERT_TRUE(read());
    const auto requested = frameAddresses('R');
    EXPECT_EQ(std::count(requested.begin(), requested.end(), 6480), 2);
    EXPECT_EQ(image, ImageOf(radio));
}

TEST_F(RunTest, HandshakeFoundAcrossChunksAndInsideOversizedChunks)
{
    const QByteArray pattern = HandshakePattern();
    const std::vector<std::vector<QByteArray>> scripts = {
        {QByteArray("PROGRAM"), QByteArray("Y"), QByteArray("J"), bytes({0x06})},
        {QByteArray(1000, 'x') + pattern},                          // one chunk far past the buffer
        {QByteArray(120, 'x') + "PROGRAMY", QByteArray("J\x06")},  // the pattern across the overflow
        {QByteArray(500, '\x06'), QByteArray(300, 'P') + pattern + QByteArray(50, 'z')},
    };
    for (std::size_t i = 0; i < scripts.size(); ++i) {
        SCOPED_TRACE(i);
        sim::VirtualRadio fresh;
        FillRadioMemory(fresh, {}, unsigned(i));
        WireRadio(port, fresh);
        auto radioReplies = port.respond;
        const auto script = scripts[i];
        bool scripted = false;
        port.echo = true;
        port.respond = [&, radioReplies](const QByteArray& frame) {
            auto replies = radioReplies(frame);
            if (frame != HandshakeFrame() || scripted)
                return replies;
            scripted = true;
            port.echo = false;  // the script carries the echo
            return script;
        };
        result.reset();
        ASSERT_TRUE(run.startRead({}));
        port.echo = true;
        ASSERT_TRUE(WaitForRun(run));
        EXPECT_TRUE(result.value_or(false));
        EXPECT_EQ(image, ImageOf(fresh));
        EXPECT_EQ(count(HandshakeFrame()), 1);
        port.written.clear();
    }
}

TEST_F(RunTest, HandshakeGarbageAloneTimesOut)
{
    port.echo = false;
    port.respond = [](const QByteArray&) { return std::vector<QByteArray>{QByteArray(5000, 'P')}; };
    EXPECT_FALSE(read());
    EXPECT_EQ(count(HandshakeFrame()), 3);
    EXPECT_EQ(ui.retryQuestions, 1);
}

// A radio that does not answer one exchange three times in a row, then answers again.
class SilentOnce {
public:
    SilentOnce(FakePort& port, QByteArray frame) : frame_(std::move(frame))
    {
        auto answer = port.respond;
        port.respond = [this, answer](const QByteArray& f) {
            auto replies = answer(f);
            if (f == frame_ && silenced_ < 3) {
                ++silenced_;
                return std::vector<QByteArray>{};
            }
            return replies;
        };
    }
    int silenced() const { return silenced_; }

private:
    QByteArray frame_;
    int silenced_ = 0;
};

TEST_F(RunTest, RetryAfterATimeOutTransfersTheFailedBlockAgain)
{
    const auto used = ChannelPattern({1, 2, 3, 50});
    FillRadioMemory(radio, used, 31);
    SilentOnce silent(port, ReadFrame(48));  // channel 2, second block
    ui.retryAnswers = 1;
    bool portClosedAtQuestion = false;
    ui.beforeRetryAnswer = [&] { portClosedAtQuestion = !port.isOpen(); };

    ASSERT_TRUE(read());
    EXPECT_EQ(silent.silenced(), 3);
    EXPECT_EQ(ui.retryQuestions, 1);
    EXPECT_TRUE(portClosedAtQuestion);
    EXPECT_EQ(count(HandshakeFrame()), 2);
    EXPECT_EQ(image, ImageOf(radio)) << "no block is left unread";
}

TEST_F(RunTest, RetryDuringAWriteRewritesTheFailedBlockAndKeepsTheProgressCount)
{
    const auto used = ChannelPattern({1, 2, 3});
    radio.memory.fill(0x11);
    auto answer = port.respond;
    int silenced = 0;
    port.respond = [&, answer](const QByteArray& f) {
        auto replies = answer(f);
        if (f.size() == kWriteFrameLength && f[0] == 'W' && uint8_t(f[1]) == 0 && uint8_t(f[2]) == 64 && silenced < 3) {
            ++silenced;
            // The radio took the data but its acknowledgement is lost: what matters is that
            // the block goes again after Retry.
            radio.memory[64] = 0x11;
            return std::vector<QByteArray>{};
        }
        return replies;
    };
    ui.retryAnswers = 1;
    ASSERT_TRUE(write(used));
    EXPECT_EQ(silenced, 3);
    expectRadioHoldsWrite(used, 0x11);
    EXPECT_EQ(run.variables().ProgressDone, run.variables().ProgressTotal + 1);
    EXPECT_EQ(ui.progress.back(), 100);
}

TEST_F(RunTest, RadioThatStopsAnsweringEndsInTheFailureMessage)
{
    struct Case { const char* name; RunKind kind; int retries; Message failure; };
    const Case cases[] = {
        {"read, Cancel", RunKind::Read, 0, Message::Key(TextKey::ReadFailed)},
        {"read, Retry twice then Cancel", RunKind::Read, 2, Message::Key(TextKey::ReadFailed)},
        // data blocks went out before the radio fell silent
        {"write, Cancel", RunKind::Write, 0, PartialWriteMessage()},
        {"information, Cancel", RunKind::ReadEmbeddedInfo, 1, Message::Key(TextKey::InfoFailed)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        sim::VirtualRadio silentRadio;
        silentRadio.faults.stopAfter = 10;
        WireRadio(port, silentRadio);
        ui = ScriptedUi{};
        ui.retryAnswers = c.retries;
        result.reset();
        acceptedBand.reset();
        bool ok = false;
        if (c.kind == RunKind::Read)
            ok = read();
        else if (c.kind == RunKind::Write)
            ok = write(allChannels());
        else
            ok = run.startReadEmbeddedInfo() && WaitForRun(run) && result.value_or(false);
        EXPECT_FALSE(ok);
        EXPECT_EQ(ui.retryQuestions, c.retries + 1);
        EXPECT_TRUE(ui.showedKey(TextKey::NoAnswer));
        EXPECT_EQ(ui.shown.back(), c.failure);
        EXPECT_FALSE(acceptedBand) << "a read that did not complete hands nothing over";
        EXPECT_FALSE(run.isActive());
        EXPECT_FALSE(port.isOpen());
    }
}

TEST_F(RunTest, PulledCableEndsTheRunAtOnce)
{
    // Said as a lost radio or cable, not as a port that would not open; a write cut short
    // says the radio holds part of the new data.
    struct Case { const char* name; RunKind kind; Message failure; };
    const Case cases[] = {
        {"read", RunKind::Read, Message::Key(TextKey::ReadFailed)},
        {"write", RunKind::Write, PartialWriteMessage()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FillRadioMemory(radio, allChannels(), 2);
        WireRadio(port, radio);
        ui = ScriptedUi{};
        result.reset();
        acceptedBand.reset();
        auto answer = port.respond;
        int frames = 0;
        port.respond = [&, answer](const QByteArray& f) {
            if (++frames == 40)
                QTimer::singleShot(0, [&] { port.pull(); });
            return answer(f);
        };
        EXPECT_FALSE(c.kind == RunKind::Read ? read() : write(allChannels()));
        EXPECT_EQ(ui.retryQuestions, 0);
        EXPECT_FALSE(ui.showedKey(TextKey::PortError));
        EXPECT_NE(std::find(ui.shown.begin(), ui.shown.end(), DisconnectedMessage()), ui.shown.end());
        EXPECT_EQ(ui.shown.back(), c.failure);
        EXPECT_FALSE(acceptedBand);
        EXPECT_EQ(ui.progressCloses, 1);
    }
}

TEST_F(RunTest, NothingIsSentWhenTheRunDoesNotStart)
{
    struct Case { const char* name; std::function<void(RunTest&)> arrange; std::function<bool(RunTest&)> start; TextKey message; };
    const Case cases[] = {
        {"port does not open", [](RunTest& t) { t.port.openFails = true; },
            [](RunTest& t) { return t.run.startRead({}); }, TextKey::PortError},
        {"read cancelled", [](RunTest& t) { t.ui.confirmAnswer = false; },
            [](RunTest& t) { return t.run.startRead({}); }, TextKey{}},
        {"write cancelled", [](RunTest& t) { t.ui.confirmAnswer = false; },
            [](RunTest& t) { return t.run.startWrite({}); }, TextKey{}},
        {"encoder fails", [](RunTest&) {},
            [](RunTest& t) {
                WriteRequest r;
                r.encode = [](RadioImage&, BlockUsageMap&, MessageSink& sink) {
                    sink.show(Message::Fixed("SetCommDataByOptionError"));
                    return false;
                };
                return t.run.startWrite(r);
            },
            TextKey{}},
        {"information, port does not open", [](RunTest& t) { t.port.openFails = true; },
            [](RunTest& t) { return t.run.startReadEmbeddedInfo(); }, TextKey::PortError},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        port.openFails = false;
        ui = ScriptedUi{};
        image.set(100, 0xAB);
        c.arrange(*this);
        EXPECT_FALSE(c.start(*this));
        EXPECT_TRUE(port.written.isEmpty());
        EXPECT_FALSE(port.isOpen());
        EXPECT_FALSE(run.isActive());
        EXPECT_EQ(ui.progressOpens, 0);
        if (c.message != TextKey{}) {
            EXPECT_TRUE(ui.showedKey(c.message));
        }
        if (std::string(c.name).find("cancelled") != std::string::npos) {
            EXPECT_EQ(image.at(100), 0xAB) << "the image is cleared only after confirmation";
        }
    }
}

TEST_F(RunTest, OnlyOneRunAtATime)
{
    FillRadioMemory(radio, {}, 1);
    ASSERT_TRUE(run.startRead({}));
    EXPECT_FALSE(run.startReadEmbeddedInfo());
    EXPECT_FALSE(run.startRead({}));
    ASSERT_TRUE(WaitForRun(run));
    EXPECT_TRUE(result.value_or(false));
}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
