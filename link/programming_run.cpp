#include "link/programming_run.h"

#include "link/protocol_frames.h"
#include "model/fixed_text.h"

#include <algorithm>
#include <utility>

namespace tq8615 {

ProgrammingRun::ProgrammingRun(Transport& port, RunUi& ui, RadioImage& image, BlockUsageMap& usage, QObject* parent)
    : QObject(parent), port_(port), ui_(ui), image_(image), usage_(usage)
{
    WaitTimer.setSingleShot(true);
    connect(&WaitTimer, &QTimer::timeout, this, &ProgrammingRun::onReplyTimeout);
    port_.onBytesArrived = [this] { onBytesArrived(); };
    port_.onFailure = [this](const QString&) { onPortFailure(); };
    embeddedInfo_.fill(0xFF);
}

ProgrammingRun::~ProgrammingRun()
{
    ui_.cancelRun = nullptr;
    port_.onBytesArrived = nullptr;
    port_.onFailure = nullptr;
}

bool ProgrammingRun::begin(RunKind kind, int32_t firstAddress, int32_t endAddress)
{
    if (isActive())
        return false;
    vars_.RunKind = kind;
    vars_.EndAddress = endAddress;
    vars_.CurrentAddress = firstAddress - kBlockSize;  // the first advance gives firstAddress
    vars_.LinkState = LinkState::Idle;
    if (!port_.open()) {
        firstPrompt_.reset();
        ui_.show(port_.openFailureMessage());
        vars_.RunKind = RunKind::None;
        return false;
    }
    return true;
}

bool ProgrammingRun::confirmStart(const Message& prompt)
{
    const std::optional<Message> first = std::exchange(firstPrompt_, std::nullopt);
    if (!first && quiet_)
        return true;
    if (askUser([&] { return ui_.confirm(first.value_or(prompt)); }))
        return true;
    abandon();
    return false;
}

void ProgrammingRun::abandon()
{
    port_.close();
    vars_.RunKind = RunKind::None;
}

bool ProgrammingRun::startRead(ReadAcceptor accept)
{
    if (!begin(RunKind::Read, 0, kImageEndAddress) || !confirmStart(ReadPrompt()))
        return false;
    accept_ = std::move(accept);
    ClearImage(image_, usage_);
    planner_.PlannerMode = TransferPlanner::Mode::IncludeOnly;
    vars_.ProgressDone = 0;
    progressOpen_ = true;
    ui_.cancelRun = [this] { cancel(); };
    ui_.progressOpened(RunKind::Read);
    sendHandshake();
    return true;
}

bool ProgrammingRun::startWrite(WriteRequest request)
{
    if (!begin(RunKind::Write, 0, kImageEndAddress) || !confirmStart(WritePrompt()))
        return false;
    ClearImage(image_, usage_);
    blocksWritten_ = 0;
    const bool encodeOk = request.encode ? request.encode(image_, usage_, ui_) : true;
    writeBand_ = request.bandPlanIndex;
    planner_.planWrite(request.channelsInUse);
    vars_.ProgressTotal = planner_.countBlocks(kImageEndAddress);
    vars_.ProgressDone = 0;
    if (!encodeOk) {
        abandon();
        return false;
    }
    progressOpen_ = true;
    ui_.cancelRun = [this] { cancel(); };
    ui_.progressOpened(RunKind::Write);
    sendHandshake();
    return true;
}

bool ProgrammingRun::startReadEmbeddedInfo()
{
    if (!begin(RunKind::ReadEmbeddedInfo, kEmbeddedInfoStart, kEmbeddedInfoEnd)
        || (firstPrompt_ && !confirmStart(*firstPrompt_)))
        return false;
    planner_.PlannerMode = TransferPlanner::Mode::AllBlocks;
    sendHandshake();
    return true;
}

bool ProgrammingRun::startReadBack(const std::bitset<kChannelSlots>& channelsInUse)
{
    if (!begin(RunKind::Read, 0, kImageEndAddress))
        return false;
    accept_ = nullptr;
    ClearImage(image_, usage_);
    planner_.planWrite(channelsInUse);
    vars_.ProgressTotal = planner_.countBlocks(kImageEndAddress);
    vars_.ProgressDone = 0;
    progressOpen_ = true;
    ui_.cancelRun = [this] { cancel(); };
    ui_.progressOpened(RunKind::Read);
    sendHandshake();
    return true;
}

void ProgrammingRun::sendHandshake()
{
    vars_.LinkState = LinkState::Handshake;
    vars_.ProgressShown = 0;
    blockInFlight_ = false;
    sendFrame(HandshakeFrame(), kHandshakeReplyLength, false, true);
}

bool ProgrammingRun::sendFrame(const QByteArray& frame, int expectedReplyLength, bool resend, bool thresholdOne)
{
    if (!port_.isOpen() && !port_.open()) {
        failOnPort();
        return false;
    }
    if (!resend) {
        vars_.ExpectedReplyLength = expectedReplyLength;
        vars_.RetryCount = 0;
        vars_.LastFrame = frame;
        vars_.EchoLength = int(frame.size());
    }
    vars_.HandshakeBuffer.clear();
    threshold_ = thresholdOne ? 1 : vars_.EchoLength + vars_.ExpectedReplyLength;
    WaitTimer.start(replyTimeoutMs_);
    port_.clear();
    if (!port_.write(vars_.LastFrame)) {
        failOnPort();
        return false;
    }
    return true;
}

// The line broke or could not be written or opened again: waiting for replies that cannot
// come would only end in the Retry question, so the run ends at once. The port opened
// when the run began, so it is the radio or cable that went, not a wrong port.
void ProgrammingRun::failOnPort()
{
    if (!isActive())
        return;
    WaitTimer.stop();
    port_.close();
    askUser([&] {
        ui_.show(DisconnectedMessage());
        return true;
    });
    endRun(RunOutcome::Failed);
}

void ProgrammingRun::onPortFailure()
{
    // During a question the port stays closed; the next frame re-opens it or fails.
    if (!isActive() || waitingForUser_)
        return;
    failOnPort();
}

void ProgrammingRun::cancel()
{
    // Once "END" is on its way the transfer is complete and ends as it is.
    if (!progressOpen_ || cancelling_ || waitingForUser_ || vars_.LinkState == LinkState::Ending)
        return;
    if (vars_.RunKind == RunKind::Write && !askUser([&] { return ui_.confirmStop(StopWriteQuestion()); })) {
        resume();
        return;
    }
    if (!isActive())
        return;
    cancelling_ = true;
    closeProgress();
    resume();
}

void ProgrammingRun::resume()
{
    if (!isActive())
        return;
    if (port_.bytesAvailable() >= threshold_)
        onBytesArrived();
    else if (!WaitTimer.isActive())
        WaitTimer.start(replyTimeoutMs_);
}

void ProgrammingRun::closeProgress()
{
    ui_.cancelRun = nullptr;
    if (progressOpen_) {
        progressOpen_ = false;
        ui_.progressClosed();
    }
}

void ProgrammingRun::advance()
{
    WaitTimer.stop();
    // A cancelled run ends the conversation as soon as the exchange under way is answered.
    if (cancelling_ && vars_.LinkState != LinkState::Ending && vars_.LinkState != LinkState::Idle) {
        endTransfer();
        return;
    }
    const bool withProgress = vars_.RunKind == RunKind::Read || vars_.RunKind == RunKind::Write;
    switch (vars_.LinkState) {
    case LinkState::Handshake:
        vars_.LinkState = LinkState::Identify;
        if (withProgress && progressOpen_)
            ui_.progressChanged(0);
        blockInFlight_ = false;
        sendFrame(IdentifyFrame(), kIdentifyReplyLength, false, false);
        break;
    case LinkState::Identify:
        vars_.LinkState = LinkState::Transfer;
        if (withProgress) {
            blockInFlight_ = false;
            sendFrame(ReadFrame(kPasswordBlockAddress), kReadReplyLength, false, false);
        } else {
            requestNextBlock();
        }
        break;
    case LinkState::Transfer:
        if (vars_.RunKind == RunKind::Write)
            writeNextBlock();
        else
            requestNextBlock();
        break;
    case LinkState::Ending:
        endConversation();
        break;
    case LinkState::Idle:
        break;
    }
}

void ProgrammingRun::requestNextBlock()
{
    vars_.CurrentAddress += kBlockSize;
    auto next = planner_.nextAddress(vars_.CurrentAddress);
    if (!next && vars_.RunKind == RunKind::Read && planner_.PlannerMode == TransferPlanner::Mode::IncludeOnly) {
        // The bitmaps are in: from now on only the channels in use and the other areas.
        planner_.planReadFromBitmap(image_);
        vars_.ProgressTotal = planner_.countBlocks(kImageEndAddress);
        vars_.ProgressDone = 0;
        next = planner_.nextAddress(0);
    }
    if (!next || *next > vars_.EndAddress) {
        endTransfer();
        return;
    }
    vars_.CurrentAddress = *next;
    blockCounted_ = false;
    if (vars_.RunKind == RunKind::Read && planner_.usesSkipList()) {
        countProgress();
        blockCounted_ = true;
    }
    blockInFlight_ = true;
    sendFrame(ReadFrame(vars_.CurrentAddress), kReadReplyLength, false, false);
}

void ProgrammingRun::writeNextBlock()
{
    vars_.CurrentAddress += kBlockSize;
    auto next = planner_.nextAddress(vars_.CurrentAddress);
    vars_.CurrentAddress = next.value_or(vars_.EndAddress + kBlockSize);
    countProgress();
    if (vars_.CurrentAddress > vars_.EndAddress) {
        endTransfer();
        return;
    }
    blockCounted_ = true;
    uint8_t data[kWriteBlockSize];
    for (int i = 0; i < kWriteBlockSize; ++i)
        data[i] = image_.at(vars_.CurrentAddress + i);
    blockInFlight_ = true;
    ++blocksWritten_;
    sendFrame(WriteFrame(vars_.CurrentAddress, data), 1, false, false);
}

void ProgrammingRun::endTransfer()
{
    vars_.LinkState = LinkState::Ending;
    blockInFlight_ = false;
    sendFrame(EndFrame(), 1, false, false);
}

void ProgrammingRun::countProgress()
{
    vars_.ProgressDone += 1;
    const int percent = std::min(100, vars_.ProgressDone * 100 / (vars_.ProgressTotal + 1));
    if (percent != vars_.ProgressShown) {
        vars_.ProgressShown = percent;
        if (progressOpen_)
            ui_.progressChanged(percent);
    }
}

void ProgrammingRun::storeBlock(int address, const QByteArray& data)
{
    for (int i = 0; i < int(data.size()); ++i) {
        const auto value = static_cast<uint8_t>(data.at(i));
        const int a = address + i;
        if (a >= kEmbeddedInfoStart && a <= kEmbeddedInfoEnd)
            embeddedInfo_[std::size_t(a - kEmbeddedInfoStart)] = value;
        else
            image_.set(a, value);
    }
}

bool ProgrammingRun::identityCheck()
{
    WaitTimer.stop();
    bool pass = true;
    if (vars_.RadioModel == kModelName && vars_.RadioVersion == kFormatVersion) {
        // so far so good
    } else if (vars_.RadioModel != kModelName) {
        askUser([&] { ui_.show(ModelWrongMessage()); return true; });
        pass = false;
    } else {
        askUser([&] { ui_.show(VersionWrongMessage()); return true; });
        pass = false;
    }
    if (vars_.RunKind == RunKind::Write && vars_.RadioBand != writeBand_) {
        askUser([&] { ui_.show(BandErrorMessage()); return true; });
        pass = false;
    }
    // A read adopts the radio's band as the data's band plan: one that does not exist
    // would leave the data without band limits.
    if (vars_.RunKind == RunKind::Read && !IsKnownBandPlan(vars_.RadioBand)) {
        askUser([&] { ui_.show(BandErrorMessage()); return true; });
        pass = false;
    }
    return pass;
}

void ProgrammingRun::passwordCheck(const QByteArray& blockData)
{
    const auto* bytes = reinterpret_cast<const uint8_t*>(blockData.constData()) + kPasswordOffsetInBlock;
    const std::string radioPassword = TrimmedText(TextEndedByNulOrFF(bytes, kPasswordLength));
    if (cancelling_ || radioPassword.empty() || radioPassword == vars_.EnteredPassword) {
        advance();
        return;
    }
    WaitTimer.stop();
    auto typed = askUser([&] { return ui_.askPassword(vars_.EnteredPassword); });
    if (!isActive())
        return;
    if (!typed) {
        // Cancel in the password window stops the transfer like the progress window's Cancel.
        cancelling_ = true;
        closeProgress();
        endTransfer();
        return;
    }
    vars_.EnteredPassword = TrimmedText(*typed);
    if (radioPassword == vars_.EnteredPassword)
        sendHandshake();  // the radio wants the conversation from the start again
    else
        endRun(RunOutcome::PasswordRefused);
}

void ProgrammingRun::onBytesArrived()
{
    if (!isActive()) {
        port_.readAll();
        return;
    }
    // Like a receive threshold: nothing is looked at until the whole expected reply may be in.
    if (waitingForUser_ || port_.bytesAvailable() < threshold_)
        return;
    const QByteArray chunk = port_.readAll();
    const int echo = vars_.EchoLength;

    const bool handshakeOut = vars_.LastFrame == HandshakeFrame();
    if (handshakeOut) {
        // Keep only the latest bytes: the pattern search never looks outside the buffer,
        // and a pattern split across chunks is still found.
        vars_.HandshakeBuffer.append(chunk);
        if (vars_.HandshakeBuffer.size() > kHandshakeBufferSize)
            vars_.HandshakeBuffer.remove(0, vars_.HandshakeBuffer.size() - kHandshakeBufferSize);
    }

    if ((handshakeOut && vars_.HandshakeBuffer.contains(HandshakePattern()))
        || (chunk.size() == echo + 1 && static_cast<uint8_t>(chunk.at(echo)) == kAck)) {
        advance();
        return;
    }
    if (auto id = ParseIdentifyReply(chunk, echo)) {
        vars_.RadioModel = id->RadioModel;
        vars_.RadioBand = id->RadioBand;
        vars_.RadioVersion = id->RadioVersion;
        if (identityCheck()) {
            advance();
        } else {
            WaitTimer.stop();
            endRun(RunOutcome::Failed);
        }
        return;
    }
    if (vars_.RunKind != RunKind::ReadEmbeddedInfo && chunk.size() == echo + kReadReplyLength
        && vars_.LinkState == LinkState::Transfer) {
        auto reply = ParseBlockReply(chunk, echo);
        if (reply && reply->address == kPasswordBlockAddress && reply->length == kReadBlockSize) {
            passwordCheck(reply->data);
            return;
        }
    }
    if (chunk.size() >= echo + kReadReplyLength) {
        auto reply = ParseBlockReply(chunk, echo);
        if (reply && reply->address == vars_.CurrentAddress && reply->length == vars_.ReadBlockSize) {
            storeBlock(vars_.CurrentAddress, reply->data);
            advance();
            return;
        }
    }
    // Anything else is ignored: the reply timer is still running.
}

void ProgrammingRun::onReplyTimeout()
{
    if (!isActive() || waitingForUser_)
        return;
    // A cancelled run does not insist on an answer: it ends the conversation.
    if (cancelling_ && vars_.LinkState != LinkState::Ending) {
        endTransfer();
        return;
    }
    if (vars_.RetryCount <= 1) {
        vars_.RetryCount += 1;
        sendFrame(vars_.LastFrame, vars_.ExpectedReplyLength, true, vars_.LastFrame == HandshakeFrame());
        return;
    }
    if (vars_.LinkState == LinkState::Ending) {
        endConversation();  // the radio need not acknowledge "END"
        return;
    }
    port_.close();
    const bool retry = askUser([&] { return ui_.askRetry(Message::Key(TextKey::NoAnswer)); });
    if (!retry) {
        endRun(RunOutcome::Failed);
        return;
    }
    if (!port_.open()) {
        failOnPort();
        return;
    }
    if (blockInFlight_) {
        // The block whose exchange failed goes again: step back so the next advance
        // lands on it.
        vars_.CurrentAddress -= kBlockSize;
        if (blockCounted_)
            vars_.ProgressDone -= 1;
        blockInFlight_ = false;
        blockCounted_ = false;
    }
    sendHandshake();
}

void ProgrammingRun::endConversation()
{
    endRun(cancelling_ ? RunOutcome::Cancelled : RunOutcome::Succeeded);
}

void ProgrammingRun::endRun(RunOutcome outcome)
{
    const RunKind kind = vars_.RunKind;
    if (kind == RunKind::None)
        return;
    closeProgress();
    cancelling_ = false;
    outcome_ = outcome;
    WaitTimer.stop();
    port_.close();
    vars_.LinkState = LinkState::Idle;
    vars_.RunKind = RunKind::None;
    blockInFlight_ = false;
    ReadAcceptor accept = std::move(accept_);
    accept_ = nullptr;

    if (outcome == RunOutcome::Succeeded && quiet_) {
        if (accept)
            accept(vars_.RadioBand, image_);
    } else if (outcome == RunOutcome::Succeeded) {
        switch (kind) {
        case RunKind::Read:
            if (accept)
                accept(vars_.RadioBand, image_);
            ui_.show(Message::Key(TextKey::ReadDone, Message::Icon::Information));
            break;
        case RunKind::Write:
            ui_.show(Message::Key(TextKey::WriteDone, Message::Icon::Information));
            break;
        case RunKind::ReadEmbeddedInfo:
            ui_.showEmbeddedInfo(ParseEmbeddedInfo(embeddedInfo_));
            break;
        case RunKind::None:
            break;
        }
    } else if (outcome == RunOutcome::Cancelled) {
        ui_.show(CancelledMessage(kind, kind == RunKind::Write && blocksWritten_ > 0));
    } else if (outcome == RunOutcome::PasswordRefused) {
        ui_.show(PasswordRefusedMessage());
    } else if (kind == RunKind::Write && blocksWritten_ > 0) {
        ui_.show(PartialWriteMessage());
    } else {
        const TextKey key = kind == RunKind::Read ? TextKey::ReadFailed : kind == RunKind::Write ? TextKey::WriteFailed : TextKey::InfoFailed;
        ui_.show(Message::Key(key));
    }
    Q_EMIT finished(outcome == RunOutcome::Succeeded);
}

}  // namespace tq8615
