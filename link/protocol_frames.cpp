#include "link/protocol_frames.h"

namespace tq8615 {

namespace {

uint8_t byteAt(const QByteArray& a, qsizetype i) { return static_cast<uint8_t>(a.at(i)); }

// Command, big-endian address and length: how every block frame begins.
QByteArray blockHeader(uint8_t command, int address, int length)
{
    QByteArray f;
    f.append(char(command));
    f.append(char((address >> 8) & 0xFF));
    f.append(char(address & 0xFF));
    f.append(char(length & 0xFF));
    return f;
}

// A block with its data, the checksum of everything after the command, and the
// acknowledgement byte.
QByteArray blockFrame(uint8_t command, int address, const uint8_t* data, int length)
{
    QByteArray f = blockHeader(command, address, length);
    f.append(reinterpret_cast<const char*>(data), length);
    f.append(char(FrameChecksum(reinterpret_cast<const uint8_t*>(f.constData()) + 1, length + 3)));
    f.append(char(kAck));
    return f;
}

}  // namespace

QByteArray HandshakeFrame() { return QByteArrayLiteral("PROGRAM"); }

QByteArray HandshakePattern() { return QByteArrayLiteral("PROGRAMYJ\x06"); }

QByteArray IdentifyFrame() { return QByteArray(1, char(kIdentifyByte)); }

QByteArray EndFrame() { return QByteArrayLiteral("END"); }

QByteArray ReadFrame(int address, int length) { return blockHeader(kReadCommand, address, length); }

uint8_t FrameChecksum(const uint8_t* bytes, int count)
{
    unsigned sum = 0;
    for (int i = 0; i < count; ++i)
        sum += bytes[i];
    return static_cast<uint8_t>(sum & 0xFF);
}

QByteArray WriteFrame(int address, const uint8_t* data, int length)
{
    return blockFrame(kWriteCommand, address, data, length);
}

QByteArray ReadReply(int address, const uint8_t* data, int length)
{
    return blockFrame(kWriteCommand, address, data, length);
}

std::string TextEndedByNulOrFF(const uint8_t* bytes, int count)
{
    std::string text;
    for (int i = 0; i < count && bytes[i] != 0x00 && bytes[i] != 0xFF; ++i)
        text.push_back(static_cast<char>(bytes[i]));
    return text;
}

std::optional<IdentifyReply> ParseIdentifyReply(const QByteArray& chunk, int offset)
{
    if (offset < 0 || chunk.size() != offset + kIdentifyReplyLength)
        return std::nullopt;
    if (byteAt(chunk, offset) != kIdentifyReplyByte || byteAt(chunk, chunk.size() - 1) != kAck)
        return std::nullopt;
    const auto* r = reinterpret_cast<const uint8_t*>(chunk.constData()) + offset;
    IdentifyReply reply;
    reply.RadioModel = TextEndedByNulOrFF(r + 1, 7);
    reply.RadioBand = r[8];
    // In the version, 0x00 and 0xFF bytes are left out rather than ending the text.
    for (int i = 9; i <= 12; ++i)
        if (r[i] != 0x00 && r[i] != 0xFF)
            reply.RadioVersion.push_back(static_cast<char>(r[i]));
    return reply;
}

QByteArray IdentifyReplyBytes(const std::string& model, int band, const std::string& version)
{
    QByteArray r(kIdentifyReplyLength, '\0');
    r[0] = char(kIdentifyReplyByte);
    for (std::size_t i = 0; i < 7; ++i)
        r[static_cast<qsizetype>(1 + i)] = i < model.size() ? model[i] : '\0';
    r[8] = char(band & 0xFF);
    for (std::size_t i = 0; i < 4; ++i)
        r[static_cast<qsizetype>(9 + i)] = i < version.size() ? version[i] : '\0';
    r[15] = char(kAck);
    return r;
}

std::optional<BlockReply> ParseBlockReply(const QByteArray& chunk, int offset)
{
    // Command, address (2), length, at least the checksum and the final 0x06.
    if (offset < 0 || chunk.size() < offset + 6)
        return std::nullopt;
    if (byteAt(chunk, offset) != kWriteCommand || byteAt(chunk, chunk.size() - 1) != kAck)
        return std::nullopt;
    BlockReply reply;
    reply.address = (byteAt(chunk, offset + 1) << 8) | byteAt(chunk, offset + 2);
    reply.length = byteAt(chunk, offset + 3);
    if (chunk.size() < offset + 4 + reply.length + 2)
        return std::nullopt;
    const auto* first = reinterpret_cast<const uint8_t*>(chunk.constData()) + offset + 1;
    const int summed = int(chunk.size()) - 2 - (offset + 1);
    if (FrameChecksum(first, summed) != byteAt(chunk, chunk.size() - 2))
        return std::nullopt;
    reply.data = chunk.mid(offset + 4, reply.length);
    return reply;
}

}  // namespace tq8615
