#pragma once
// One conversation with the radio: a read of the configuration memory, a write of it, or a
// read of the embedded information. Event driven on the caller's event loop: a frame goes
// out with a one-shot reply timer, and the next step happens when a valid reply arrives or
// when the timer fires. Nothing here blocks.
#include "link/embedded_info.h"
#include "link/run_ui.h"
#include "link/transfer_planner.h"
#include "link/transport.h"
#include "model/radio_image.h"

#include <QByteArray>
#include <QObject>
#include <QTimer>

#include <bitset>
#include <functional>
#include <optional>
#include <string>

namespace tq8615 {

enum class LinkState : int16_t { Idle = 0, Handshake = 1, Identify = 2, Transfer = 3, Ending = 69 };

// The run's variables, readable by the window and the tests.
struct RunVariables {
    tq8615::RunKind RunKind = tq8615::RunKind::None;
    tq8615::LinkState LinkState = tq8615::LinkState::Idle;
    int32_t CurrentAddress = 0;
    int32_t EndAddress = 0;
    int32_t ReadBlockSize = kBlockSize;
    int32_t WriteBlockSize = kBlockSize;
    QByteArray LastFrame;
    int EchoLength = 0;
    int ExpectedReplyLength = 0;
    int RetryCount = 0;
    QByteArray HandshakeBuffer;  // at most kHandshakeBufferSize bytes, the latest received
    int ProgressDone = 0;
    int ProgressTotal = 0;
    int ProgressShown = 0;
    std::string RadioModel;
    int RadioBand = 0;
    std::string RadioVersion;
    std::string EnteredPassword;  // kept from run to run
};

constexpr int kHandshakeBufferSize = 129;
constexpr int kReplyTimeoutMs = 300;

// What a write sends: the band plan of the data (checked against the radio's), the memory
// channels in use (bit n-1 for channel n), and the encoder that fills the cleared image
// (it reports its own failure and returns false; then nothing is sent).
struct WriteRequest {
    int bandPlanIndex = 0;
    std::bitset<kChannelSlots> channelsInUse;
    std::function<bool(RadioImage&, BlockUsageMap&, MessageSink&)> encode;
};

// How the last run ended.
enum class RunOutcome { Succeeded, Failed, Cancelled, PasswordRefused };

// Receives the image of a completed read with the band the radio reported.
using ReadAcceptor = std::function<void(int radioBand, RadioImage& image)>;

class ProgrammingRun : public QObject {
    Q_OBJECT
public:
    ProgrammingRun(Transport& port, RunUi& ui, RadioImage& image, BlockUsageMap& usage, QObject* parent = nullptr);
    ~ProgrammingRun() override;

    // Each returns true when the run started; `finished` then follows. False when the port
    // did not open, the user cancelled, the encoder failed or a run is already active.
    bool startRead(ReadAcceptor accept);
    bool startWrite(WriteRequest request);
    bool startReadEmbeddedInfo();
    // Reads back exactly the blocks a write of these channels sends, into the cleared image:
    // the second conversation that checks a write.
    bool startReadBack(const std::bitset<kChannelSlots>& channelsInUse);

    // For runs that are steps of a longer task: no confirmation question, and no message on
    // success (the task asked once and reports its own outcome). Failures are still shown.
    void setQuiet(bool quiet) { quiet_ = quiet; }
    // The next start asks this question once the port is open, quiet or not: a task of
    // several runs asks once, before anything is sent.
    void askBeforeStart(const Message& prompt) { firstPrompt_ = prompt; }

    // The user stops a read or write (the progress window's Cancel). A write asks first.
    // The exchange under way is completed, then "END" closes the conversation; the read
    // image is not handed over, and the run reports that it was cancelled.
    void cancel();

    bool isActive() const { return vars_.RunKind != RunKind::None; }
    RunOutcome outcome() const { return outcome_; }
    const RunVariables& variables() const { return vars_; }
    const TransferPlanner& planner() const { return planner_; }
    const EmbeddedInfoBuffer& embeddedInfoBuffer() const { return embeddedInfo_; }
    void setEnteredPassword(const std::string& password) { vars_.EnteredPassword = password; }
    // The reply time-out; 300 ms on the real line.
    void setReplyTimeout(int ms) { replyTimeoutMs_ = ms; }

Q_SIGNALS:
    void finished(bool success);

private:
    // The start every run shares: no run active, its kind and address range set, the port
    // open (text 2002 and the cause when it does not open).
    bool begin(RunKind kind, int32_t firstAddress, int32_t endAddress);
    // The read or write question; Cancel ends the run before anything was sent.
    bool confirmStart(const Message& prompt);
    void abandon();
    void sendHandshake();
    bool sendFrame(const QByteArray& frame, int expectedReplyLength, bool resend, bool thresholdOne);
    void advance();
    void requestNextBlock();
    void writeNextBlock();
    void endTransfer();
    void endRun(RunOutcome outcome);
    // The successful end of the "END" exchange; a cancelled run ends as cancelled.
    void endConversation();
    void closeProgress();
    // After a question the line waited for: handle what arrived, or wait for it again.
    void resume();
    void countProgress();
    bool identityCheck();
    void passwordCheck(const QByteArray& blockData);
    void storeBlock(int address, const QByteArray& data);
    void onBytesArrived();
    void onReplyTimeout();
    void onPortFailure();
    void failOnPort();

    template <typename F>
    auto askUser(F&& question)
    {
        // While a question is open nothing the line does is handled.
        waitingForUser_ = true;
        auto answer = question();
        waitingForUser_ = false;
        return answer;
    }

    Transport& port_;
    RunUi& ui_;
    RadioImage& image_;
    BlockUsageMap& usage_;
    RunVariables vars_;
    TransferPlanner planner_;
    EmbeddedInfoBuffer embeddedInfo_{};
    QTimer WaitTimer;
    ReadAcceptor accept_;
    int writeBand_ = 0;
    int replyTimeoutMs_ = kReplyTimeoutMs;
    int threshold_ = 1;
    bool progressOpen_ = false;
    bool cancelling_ = false;
    bool quiet_ = false;
    std::optional<Message> firstPrompt_;
    RunOutcome outcome_ = RunOutcome::Succeeded;
    bool waitingForUser_ = false;
    bool blockInFlight_ = false;   // the last frame sent is a data block request or write
    bool blockCounted_ = false;    // ... and it was counted for progress
    int blocksWritten_ = 0;        // data blocks sent in this write: the radio may hold them
};

}  // namespace tq8615
