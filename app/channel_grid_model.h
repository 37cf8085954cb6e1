#pragma once
// The channel grid: one row per channel number (1..200, VFO1, VFO2, TRF), the texts of
// each row computed when the grid is (re)drawn, as the radio's data is not numeric-safe
// and a bad cell reports itself once, not at every repaint.
#include <QAbstractTableModel>

#include <array>

#include "model/channel_display.h"
#include "model/channels.h"

namespace tq8615 { class MessageSink; }

namespace tq8615::app {

class Language;

constexpr int kGridDataRows = kGridRows - 1;  // grid rows 1..203; the header is the view's

class ChannelGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ChannelGridModel(const Language& language, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // Grid row (1..203) <-> model row.
    static int gridRow(const QModelIndex& index) { return index.row() + 1; }
    QString cellText(int gridRow, int column) const;

    // Redraws every row from the channel list.
    void ShowListByData(const ChannelTable& channels, MessageSink& sink);
    // Redraws one row: the channel of that number, or an empty row.
    void ReShowGrid(int gridRow, const ChannelTable& channels, MessageSink& sink);
    // Headers and texts that come from the language.
    void languageChanged();

private:
    void ShowChannelRow(const ChannelRecord& record, int gridRow, MessageSink& sink);
    void clearRow(int gridRow);
    std::string langText(TextKey key) const;

    const Language& language_;
    std::array<std::array<QString, kGridColumns>, kGridDataRows> cells_{};
};

}  // namespace tq8615::app
