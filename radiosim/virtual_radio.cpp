#include "radiosim/virtual_radio.h"

#include <algorithm>
#include <cstring>

namespace tq8615::sim {

namespace {
constexpr uint8_t kAck = 0x06;
const std::string kProgram = "PROGRAM";
const std::string kEnd = "END";
constexpr int kBlockLimit = 64;  // longest block a frame may ask for

uint8_t checksum(const uint8_t* bytes, std::size_t count)
{
    unsigned sum = 0;
    for (std::size_t i = 0; i < count; ++i)
        sum += bytes[i];
    return uint8_t(sum & 0xFF);
}

void putText(uint8_t* field, int width, const std::string& text, uint8_t pad)
{
    for (int i = 0; i < width; ++i)
        field[i] = i < int(text.size()) ? uint8_t(text[std::size_t(i)]) : pad;
}
}  // namespace

VirtualRadio::VirtualRadio()
{
    info.fill(0xFF);
    putText(info.data() + kPasswordOffset, kPasswordLength, "", 0x00);
}

void VirtualRadio::setPassword(const std::string& password)
{
    putText(info.data() + kPasswordOffset, kPasswordLength, password, 0x00);
}

void VirtualRadio::fillSampleInfo()
{
    const std::string password(reinterpret_cast<const char*>(info.data() + kPasswordOffset), kPasswordLength);
    info.fill(0x00);
    putText(info.data() + 0, 7, identity.model, 0x00);
    putText(info.data() + 7, 4, identity.version, 0x00);
    info[11] = 1; info[12] = 0x00;   // RF firmware V1.00
    info[13] = 1; info[14] = 0x02;   // LCD firmware V1.02
    info[15] = uint8_t(identity.band);
    putText(info.data() + 20, 4, "U001", 0x00);
    std::memcpy(info.data() + kPasswordOffset, password.data(), kPasswordLength);
    putText(info.data() + 28, 4, "0086", 0x00);
    std::string serial = std::to_string(radioNumber_);
    serial = "SIM8615" + std::string(serial.size() < 6 ? 6 - serial.size() : 0, '0') + serial;
    putText(info.data() + 32, 16, serial, 0x00);
    putText(info.data() + 48, 16, "2024-01-15", 0x00);
    putText(info.data() + 64, 8, "MC01", 0x00);
    putText(info.data() + 112, 16, "2024-02-01", 0x00);
    putText(info.data() + 96, 16, "DEALER-7", 0x00);
    putText(info.data() + 128, 16, "2024-03-10", 0x00);
    putText(info.data() + 144, 16, "Virtual Shop", 0x00);
}

void VirtualRadio::switchOff()
{
    on_ = false;
    pending_.clear();
    programming_ = false;
}

void VirtualRadio::switchOnAsNext(const std::array<uint8_t, kMemorySize>& nextMemory)
{
    switchOff();
    ++radioNumber_;
    blocksWrittenThisRadio_ = 0;
    memory = nextMemory;
    setPassword("");
    fillSampleInfo();
    on_ = true;
}

bool VirtualRadio::readable(int address, int length) const
{
    const int end = address + length;  // exclusive
    return (address >= 0 && end <= kMemorySize) || (address >= kInfoStart && end <= kInfoStart + kInfoSize);
}

uint8_t* VirtualRadio::cell(int address)
{
    return address >= kInfoStart ? &info[std::size_t(address - kInfoStart)] : &memory[std::size_t(address)];
}

bool VirtualRadio::receive(uint8_t byte, Reply& reply)
{
    if (!on_)
        return false;
    pending_.push_back(byte);
    return parse(reply);
}

// Frames are recognised at the start of what was received; a byte that cannot start a
// frame is dropped, so the radio finds the next frame after line noise.
bool VirtualRadio::parse(Reply& reply)
{
    while (!pending_.empty()) {
        const uint8_t first = pending_[0];
        auto matchesText = [&](const std::string& text) {
            const std::size_t n = std::min(text.size(), pending_.size());
            return std::equal(pending_.begin(), pending_.begin() + long(n), text.begin());
        };
        auto drop = [&](std::size_t n) { pending_.erase(pending_.begin(), pending_.begin() + long(n)); };

        if (first == 'P') {
            if (!matchesText(kProgram)) { drop(1); continue; }
            if (pending_.size() < kProgram.size()) return false;
            drop(kProgram.size());
            ++frames_;
            programming_ = true;
            wroteThisSession_ = false;
            return answer({'Y', 'J', kAck}, false, reply);
        }
        if (!programming_) { drop(1); continue; }

        if (first == 0x02) {
            drop(1);
            ++frames_;
            std::vector<uint8_t> r(16, 0x00);
            r[0] = 'I';
            putText(r.data() + 1, 7, identity.model, 0x00);
            r[8] = uint8_t(identity.band);
            putText(r.data() + 9, 4, identity.version, 0x00);
            r[15] = kAck;
            return answer(std::move(r), false, reply);
        }
        if (first == 'R') {
            if (pending_.size() < 4) return false;
            const int address = (pending_[1] << 8) | pending_[2];
            const int length = pending_[3];
            if (length < 1 || length > kBlockLimit) { drop(1); continue; }
            drop(4);
            ++frames_;
            if (!readable(address, length))
                return false;
            std::vector<uint8_t> r{'W', uint8_t(address >> 8), uint8_t(address & 0xFF), uint8_t(length)};
            for (int i = 0; i < length; ++i)
                r.push_back(*cell(address + i));
            r.push_back(checksum(r.data() + 1, r.size() - 1));
            r.push_back(kAck);
            return answer(std::move(r), true, reply);
        }
        if (first == 'W') {
            if (pending_.size() < 4) return false;
            const int length = pending_[3];
            if (length != 16) { drop(1); continue; }
            const std::size_t total = 4 + std::size_t(length) + 2;
            if (pending_.size() < total) return false;
            const int address = (pending_[1] << 8) | pending_[2];
            const bool sound = pending_[total - 2] == checksum(pending_.data() + 1, total - 3)
                && pending_[total - 1] == kAck && readable(address, length);
            std::vector<uint8_t> data(pending_.begin() + 4, pending_.begin() + 4 + length);
            drop(total);
            ++frames_;
            if (!sound) {
                ++badWrites_;
                return false;  // no acknowledgement: the program sends the frame again
            }
            if (++blocksWritten_ == faults.corruptWrite)
                data[0] ^= 0xFF;  // a memory cell that does not keep what it was given
            for (int i = 0; i < length; ++i)
                *cell(address + i) = data[std::size_t(i)];
            wroteThisSession_ = true;
            if (++blocksWrittenThisRadio_ == 10 && radioNumber_ == faults.offMidWrite) {
                switchOff();  // pulled away before the acknowledgement
                return false;
            }
            return answer({kAck}, false, reply);
        }
        if (first == 'E') {
            if (!matchesText(kEnd)) { drop(1); continue; }
            if (pending_.size() < kEnd.size()) return false;
            drop(kEnd.size());
            ++frames_;
            programming_ = false;
            const bool answered = answer({kAck}, false, reply);
            if (onSessionEnd)
                onSessionEnd(wroteThisSession_);
            wroteThisSession_ = false;
            return answered;
        }
        drop(1);
    }
    return false;
}

bool VirtualRadio::answer(std::vector<uint8_t> bytes, bool blockReply, Reply& reply)
{
    if (faults.stopAfter > 0 && frames_ > faults.stopAfter)
        return false;
    ++replies_;
    if (blockReply) {
        ++blockReplies_;
        if (faults.corruptEvery > 0 && blockReplies_ % faults.corruptEvery == 0)
            bytes[bytes.size() - 2] ^= 0x5A;
    }
    if (faults.dropEvery > 0 && replies_ % faults.dropEvery == 0)
        return false;
    if (faults.garbageEvery > 0 && replies_ % faults.garbageEvery == 0)
        bytes.insert(bytes.begin(), {0x13, 0x00, 0xA5});
    reply.clear();
    const std::size_t piece = faults.splitSize > 0 ? std::size_t(faults.splitSize) : bytes.size();
    for (std::size_t at = 0; at < bytes.size(); at += piece)
        reply.emplace_back(bytes.begin() + long(at), bytes.begin() + long(std::min(bytes.size(), at + piece)));
    return true;
}

}  // namespace tq8615::sim
