#pragma once
// The bytes that travel on the programming cable: frame builders and reply readers.
// All multi-byte numbers on the wire are big-endian.
#include <QByteArray>

#include <cstdint>
#include <optional>
#include <string>

#include "model/memory_map.h"

namespace tq8615 {

constexpr int kReadBlockSize = kBlockSize;
constexpr int kWriteBlockSize = kBlockSize;

constexpr uint8_t kAck = 0x06;
constexpr uint8_t kIdentifyByte = 0x02;
constexpr uint8_t kIdentifyReplyByte = 0x49;    // 'I'
constexpr uint8_t kReadCommand = 0x52;          // 'R'
constexpr uint8_t kWriteCommand = 0x57;         // 'W'; also the first byte of a read reply

constexpr int kHandshakeReplyLength = 3;        // "YJ" 0x06
constexpr int kIdentifyReplyLength = 16;
constexpr int kReadReplyLength = kReadBlockSize + 6;
constexpr int kWriteFrameLength = kWriteBlockSize + 6;

QByteArray HandshakeFrame();             // "PROGRAM"
QByteArray HandshakePattern();           // "PROGRAM" "YJ" 0x06: the echo and the reply
QByteArray IdentifyFrame();              // 0x02
QByteArray EndFrame();                   // "END"
QByteArray ReadFrame(int address, int length = kReadBlockSize);
QByteArray WriteFrame(int address, const uint8_t* data, int length = kWriteBlockSize);
// Read reply as the radio sends it: 'W', address, length, data, checksum, 0x06.
QByteArray ReadReply(int address, const uint8_t* data, int length = kReadBlockSize);

// Sum of address high, address low, length and data bytes, modulo 256.
uint8_t FrameChecksum(const uint8_t* bytes, int count);

// The reply part of the identify answer.
struct IdentifyReply {
    std::string RadioModel;
    int RadioBand = 0;
    std::string RadioVersion;
};
// Reads an identify reply of 16 bytes starting at `offset` of `chunk`; nullopt when the
// chunk is not exactly offset + 16 bytes, does not start with 'I' or does not end in 0x06.
std::optional<IdentifyReply> ParseIdentifyReply(const QByteArray& chunk, int offset);
QByteArray IdentifyReplyBytes(const std::string& model, int band, const std::string& version);

// A block reply at `offset`: 'W', address, length, data, checksum, 0x06. The checksum is
// taken from the byte after the command up to the third-last byte of the chunk and compared
// with the second-last byte; the chunk's last byte must be 0x06.
struct BlockReply {
    int address = 0;
    int length = 0;
    QByteArray data;  // `length` bytes
};
std::optional<BlockReply> ParseBlockReply(const QByteArray& chunk, int offset);

// Text of radio bytes ended by the first 0x00 or 0xFF byte.
std::string TextEndedByNulOrFF(const uint8_t* bytes, int count);

}  // namespace tq8615
