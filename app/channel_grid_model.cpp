#include "channel_grid_model.h"

#include "language.h"

#include "model/freq_codec.h"
#include "model/tone_tables.h"

#include <QBrush>
#include <QColor>

namespace tq8615::app {

namespace {
QString qs(const std::string& s) { return QString::fromStdString(s); }
}

ChannelGridModel::ChannelGridModel(const Language& language, QObject* parent)
    : QAbstractTableModel(parent), language_(language)
{
}

int ChannelGridModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kGridDataRows; }
int ChannelGridModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kGridColumns; }

QString ChannelGridModel::RowLabel(int gridRow)
{
    switch (gridRow) {
    case kVfo1: return QStringLiteral("VFO1");
    case kVfo2: return QStringLiteral("VFO2");
    case kRtChannel: return QStringLiteral("TRF");
    default: return QString::number(gridRow);
    }
}

QString ChannelGridModel::cellText(int gridRow, int column) const
{
    if (gridRow < 1 || gridRow > kGridDataRows || column < 0 || column >= kGridColumns)
        return {};
    return column == 0 ? RowLabel(gridRow) : cells_[gridRow - 1][column];
}

QVariant ChannelGridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const int row = gridRow(index);
    switch (role) {
    case Qt::DisplayRole:
        return cellText(row, index.column());
    case Qt::TextAlignmentRole:
        return int(Qt::AlignCenter);
    case Qt::ForegroundRole:
        if (index.column() == 0)
            return QBrush(QColor(0, 0, 255));
        break;
    case Qt::BackgroundRole:
        if (index.column() >= 1 && row % 2 == 0)
            return QBrush(QColor(250, 250, 240));
        break;
    default:
        break;
    }
    return {};
}

QVariant ChannelGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal)
        return {};
    if (role == Qt::DisplayRole) {
        static const int keys[kGridColumns] = {3006, 1101, 1140, 1103, 1104, 1106, 1143, 1109, 1107, 1107, 1110};
        if (section < 0 || section >= kGridColumns)
            return {};
        QString text = language_.LangText(keys[section]);
        if (section == 8)
            text += QLatin1Char('\n') + language_.LangText(1112);
        else if (section == 9)
            text += QLatin1Char('\n') + language_.LangText(1113);
        return text;
    }
    if (role == Qt::ForegroundRole)
        return QBrush(QColor(0, 0, 155));
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignCenter);
    return {};
}

void ChannelGridModel::ShowListByData(const ChannelTable& channels, MessageSink& sink)
{
    beginResetModel();
    for (auto& row : cells_)
        row.fill(QString());
    for (int i = 0; i < channels.ChannelCount; ++i) {
        const ChannelRecord& record = channels.ChannelList[static_cast<std::size_t>(i)];
        ShowChannelRow(record, record.ChannelNumber, sink);
    }
    endResetModel();
}

void ChannelGridModel::ReShowGrid(int gridRow, const ChannelTable& channels, MessageSink& sink)
{
    if (gridRow < 1 || gridRow > kGridDataRows)
        return;
    const int found = channels.FindChannel(gridRow);
    clearRow(gridRow);
    if (found >= 0)
        ShowChannelRow(channels.ChannelList[static_cast<std::size_t>(found)], gridRow, sink);
    Q_EMIT dataChanged(index(gridRow - 1, 1), index(gridRow - 1, kGridColumns - 1));
}

void ChannelGridModel::languageChanged()
{
    Q_EMIT headerDataChanged(Qt::Horizontal, 0, kGridColumns - 1);
}

void ChannelGridModel::clearRow(int gridRow) { cells_[gridRow - 1].fill(QString()); }

void ChannelGridModel::ShowChannelRow(const ChannelRecord& record, int gridRow, MessageSink& sink)
{
    if (gridRow < 1 || gridRow > kGridDataRows || record.ChannelInUse != 1)
        return;
    auto& c = cells_[gridRow - 1];
    const bool second = record.VhfActive != 0;
    c[1] = qs(DigitsToFreqText((second ? record.RxFreqVhf : record.RxFreq).raw(), sink));
    c[2] = qs(TxDisplayText(record, second, sink));
    c[3] = qs(record.ChannelName.trimmed());
    c[4] = ItemText(QStringLiteral("Step"), record.StepIndex);
    c[5] = ItemText(QStringLiteral("WN"), record.Bandwidth);
    c[6] = ItemText(QStringLiteral("Scan"), record.ScanAdd);
    c[7] = ItemText(QStringLiteral("Power"), record.Power);
    c[8] = SignalText(QStringLiteral("Decode"), record);
    c[9] = SignalText(QStringLiteral("Encode"), record);
    c[10] = SignalText(QStringLiteral("OptSig"), record);
}

QString ChannelGridModel::ItemText(const QString& item, int value) const
{
    auto fromTable = [value](const auto& table) {
        return value >= 0 && value < static_cast<int>(table.size()) ? QString::fromLatin1(table[static_cast<std::size_t>(value)])
                                                                    : QString();
    };
    auto fromKeys = [this, value](std::initializer_list<int> keys) {
        return value >= 0 && value < static_cast<int>(keys.size()) ? language_.LangText(keys.begin()[value])
                                                                    : QString();
    };
    if (item == QLatin1String("Step"))
        return fromTable(kStepTexts);
    if (item == QLatin1String("WN"))
        return fromTable(kBandwidthTexts);
    if (item == QLatin1String("Scan"))
        return fromKeys({1144, 1145});
    if (item == QLatin1String("Power"))
        return fromKeys({1205, 1221, 1204});
    if (item == QLatin1String("TxForbid"))
        return fromKeys({1755, 1756});
    if (item == QLatin1String("OptSig")) {
        switch (value) {
        case 0: return language_.LangText(1206);
        case 1: return QStringLiteral("DTMF");
        case 3: return QStringLiteral("5tone");
        default: return {};
        }
    }
    return {};
}

QString ChannelGridModel::SignalText(const QString& item, const ChannelRecord& record) const
{
    if (item == QLatin1String("OptSig")) {
        switch (record.OptSigType) {
        case 1: return QStringLiteral("DTMF M%1").arg(record.DtmfIndex + 1);
        case 3: return QStringLiteral("5tone %1").arg(record.FiveToneIndex);
        default: return language_.LangText(603);
        }
    }
    const bool decode = item == QLatin1String("Decode");
    const int type = decode ? record.DecodeType : record.EncodeType;
    if (type == 1)
        return qs(CtcssText(decode ? record.DecodeCtcss : record.EncodeCtcss, record.UserCtcss));
    if (type == 2)
        return qs(DcsText(decode ? record.DecodeDcs : record.EncodeDcs));
    return language_.LangText(603);
}

}  // namespace tq8615::app
