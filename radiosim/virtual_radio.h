#pragma once
// The radio's side of the programming conversation, without any line: bytes in, replies out.
// The pseudo-terminal program and the tests' fake port both drive it.
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "model/memory_map.h"

namespace tq8615::sim {

constexpr int kMemorySize = kImageSize;          // configuration memory, radio addresses 0..12959
constexpr int kInfoStart = kEmbeddedInfoStart;   // embedded information, 15104..15359
constexpr int kInfoSize = kEmbeddedInfoSize;
constexpr int kPasswordOffset = kPasswordBlockAddress + kPasswordOffsetInBlock - kEmbeddedInfoStart;  // 24

struct Identity {
    std::string model = kModelName;
    std::string version = kFormatVersion;
    int band = 2;
};

// Faults to inject, each counted from the start of the radio's life (0 = off).
struct Faults {
    int dropEvery = 0;      // every Nth reply is not sent
    int corruptEvery = 0;   // every Nth block reply carries a wrong checksum
    int splitSize = 0;      // replies go out in pieces of this many bytes
    int garbageEvery = 0;   // every Nth reply is preceded by garbage bytes
    int stopAfter = 0;      // no reply to any frame after the first N frames
    int corruptWrite = 0;   // the Nth block written is acknowledged but stored with a wrong byte
    int offMidWrite = 0;    // the Nth radio switches off after its tenth block written
};

// One reply as pieces that leave the radio one after the other.
using Reply = std::vector<std::vector<uint8_t>>;

class VirtualRadio {
public:
    VirtualRadio();

    Identity identity;
    Faults faults;
    std::array<uint8_t, kMemorySize> memory{};
    std::array<uint8_t, kInfoSize> info{};

    // Stores the password in the embedded information (padded with 0x00).
    void setPassword(const std::string& password);
    // A plausible production and dealer area for the given band, with this radio's serial
    // number.
    void fillSampleInfo();

    // Switched off, the radio neither answers nor echoes (the cable goes with it).
    bool poweredOn() const { return on_; }
    void switchOff();
    // Switched on as the next radio of a fleet: the next serial number, no password, and
    // the memory given.
    void switchOnAsNext(const std::array<uint8_t, kMemorySize>& nextMemory);
    // The radio's place in the fleet, from 1; its serial number is SIM8615 and six digits of it.
    int radioNumber() const { return radioNumber_; }

    // Takes one received byte; returns true and fills `reply` when the byte completes a
    // frame that gets an answer.
    bool receive(uint8_t byte, Reply& reply);

    // Called when a session ends with "END"; `wrote` tells whether memory changed.
    std::function<void(bool wrote)> onSessionEnd;

    int framesReceived() const { return frames_; }
    int repliesSent() const { return replies_; }
    int badWritesIgnored() const { return badWrites_; }
    bool programming() const { return programming_; }

private:
    bool parse(Reply& reply);
    bool answer(std::vector<uint8_t> bytes, bool blockReply, Reply& reply);
    bool readable(int address, int length) const;
    uint8_t* cell(int address);

    std::vector<uint8_t> pending_;
    bool programming_ = false;
    bool wroteThisSession_ = false;
    int frames_ = 0;
    int replies_ = 0;
    int blockReplies_ = 0;
    int badWrites_ = 0;
    int blocksWritten_ = 0;
    int blocksWrittenThisRadio_ = 0;
    int radioNumber_ = 1;
    bool on_ = true;
};

}  // namespace tq8615::sim
