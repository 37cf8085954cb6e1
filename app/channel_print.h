#pragma once
// File > Print...: the channel table on paper or in a PDF, headed by the model, the band plan
// and the data file, for the radio's owner to keep with the radio.
#include <QList>
#include <QString>
#include <QStringList>

class QPagedPaintDevice;
class QWidget;

namespace tq8615::app {

struct AppContext;
class ChannelGridModel;

// The page: the header lines, then a table of `columns` of the grid with every row that
// holds a channel.
QString ChannelTableHtml(const QStringList& header, const ChannelGridModel& grid, const QList<int>& columns);
// The header lines of the current data.
QStringList PrintHeader(const AppContext& ctx);
// Lays the page out on the device's pages (a printer or a PDF writer).
void PrintChannelTable(const QString& html, QPagedPaintDevice& device);

// Shows the print preview, from which the table is printed or saved as a PDF.
void PrintChannels(AppContext& ctx, const ChannelGridModel& grid, const QList<int>& columns, QWidget* parent);

}  // namespace tq8615::app
