#include "channel_grid_model.h"

#include "language.h"


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

QString ChannelGridModel::cellText(int gridRow, int column) const
{
    if (gridRow < 1 || gridRow > kGridDataRows || column < 0 || column >= kGridColumns)
        return {};
    return column == 0 ? qs(RowLabel(gridRow)) : cells_[static_cast<std::size_t>(gridRow - 1)][static_cast<std::size_t>(column)];
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
        if (section < 0 || section >= kGridColumns)
            return {};
        const auto headers = GridHeaderTexts([this](TextKey key) { return langText(key); });
        return qs(headers[static_cast<std::size_t>(section)]).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
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

void ChannelGridModel::clearRow(int gridRow) { cells_[static_cast<std::size_t>(gridRow - 1)].fill(QString()); }

std::string ChannelGridModel::langText(TextKey key) const { return language_.LangText(key).toStdString(); }

void ChannelGridModel::ShowChannelRow(const ChannelRecord& record, int gridRow, MessageSink& sink)
{
    if (gridRow < 1 || gridRow > kGridDataRows || record.ChannelInUse != 1)
        return;
    const auto texts = ChannelRowTexts(record, [this](TextKey key) { return langText(key); }, sink);
    auto& row = cells_[static_cast<std::size_t>(gridRow - 1)];
    for (int c = 1; c < kGridColumns; ++c)
        row[static_cast<std::size_t>(c)] = qs(texts[static_cast<std::size_t>(c)]);
}

}  // namespace tq8615::app
