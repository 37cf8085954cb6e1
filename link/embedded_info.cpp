#include "link/embedded_info.h"

#include "model/band_plan.h"
#include "model/fixed_text.h"
#include "model/text_util.h"

#include <QString>
#include <QStringDecoder>

namespace tq8615 {

namespace {

// The radio stores dealer texts in the Chinese Windows code page; ASCII is unchanged by it.
std::string decodeRadioText(const std::string& bytes)
{
    QStringDecoder decoder("GB18030");
    if (!decoder.isValid())
        return QString::fromLatin1(bytes.data(), qsizetype(bytes.size())).toStdString();
    QString text = decoder.decode(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
    if (decoder.hasError())
        text = QString::fromLatin1(bytes.data(), qsizetype(bytes.size()));
    return text.toStdString();
}

// A text field ends at its first 0x00 byte or at its last byte. 0xFF never occurs in the
// radio's texts and fills erased fields, so it ends every field too: an erased field shows
// empty instead of as a row of 0xFF characters.
std::string field(const EmbeddedInfoBuffer& b, std::size_t offset, std::size_t length)
{
    std::string bytes;
    for (std::size_t i = offset; i < offset + length && b[i] != 0x00 && b[i] != 0xFF; ++i)
        bytes.push_back(static_cast<char>(b[i]));
    return TrimmedText(decodeRadioText(bytes));
}

}  // namespace

std::string FirmwareVersionText(uint8_t major, uint8_t minor)
{
    return "V" + HexText(major) + "." + HexByteText(minor);
}

std::string RadioVersionText(const std::string& stored)
{
    if (stored.size() < 2)
        return "Error Version";
    return stored.substr(0, 2) + "." + stored.substr(2);
}

EmbeddedInfo ParseEmbeddedInfo(const EmbeddedInfoBuffer& b)
{
    EmbeddedInfo info;
    info.RadioType = field(b, 0, 7);
    info.RadioVersion = RadioVersionText(field(b, 7, 4));
    info.RfFirmware = FirmwareVersionText(b[11], b[12]);
    info.LcdFirmware = FirmwareVersionText(b[13], b[14]);
    info.BandIndex = b[15];
    info.UserCode = field(b, 20, 4);
    info.AreaCode = field(b, 28, 4);
    info.SerialNumber = field(b, 32, 16);
    info.ProductedDate = field(b, 48, 16);
    info.ManufactureCode = field(b, 64, 8);
    info.MaintainedDate = field(b, 80, 16);
    info.DealerCode = field(b, 96, 16);
    info.StockDate = field(b, 112, 16);
    info.SellDate = field(b, 128, 16);
    info.Seller = field(b, 144, 16);
    info.Description = field(b, 160, 96);
    return info;
}

std::string EmbeddedInfoEnglishText(const EmbeddedInfo& info)
{
    std::string out;
    auto line = [&out](const char* caption, const std::string& value) {
        out += caption;
        out += ": ";
        out += value;
        out += '\n';
    };
    line("Area Code", info.AreaCode);
    line("Manufacture Code", info.ManufactureCode);
    line("User Code", info.UserCode);
    line("Radio Type", kModelName);
    line("Frequency", "Band " + std::to_string(info.shownBandItem()));
    std::string plan = BandPlanTwoLineText(info.shownBandItem());
    for (std::size_t at = 0; (at = plan.find("\r\n", at)) != std::string::npos;)
        plan.replace(at, 2, "\n  ");
    out += "  " + plan + "\n";
    line("Serial Number", info.SerialNumber);
    line("Producted Date", info.ProductedDate);
    line("Maintained Date", info.MaintainedDate);
    line("RF FW", info.RfFirmware);
    line("LCD FW", info.LcdFirmware);
    line("Maintained", info.Description);
    line("Dealer Code", info.DealerCode);
    line("Stock Date", info.StockDate);
    line("Sell Date", info.SellDate);
    line("Seller", info.Seller);
    return out;
}

}  // namespace tq8615
