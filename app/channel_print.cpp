#include "channel_print.h"

#include "app_context.h"
#include "channel_grid_model.h"

#include <QFileInfo>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTextDocument>

namespace tq8615::app {

QString ChannelTableHtml(const QStringList& header, const ChannelGridModel& grid, const QList<int>& columns)
{
    QString html = QStringLiteral("<html><body>");
    for (const QString& line : header)
        html += QStringLiteral("<p style=\"margin:0\">%1</p>").arg(line.toHtmlEscaped());
    html += QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\" width=\"100%\" "
                           "style=\"margin-top:8px; border-collapse:collapse\"><thead><tr>");
    for (int c : columns) {
        QString title = grid.headerData(c, Qt::Horizontal).toString().toHtmlEscaped();
        html += QStringLiteral("<th bgcolor=\"#e8e8f0\">%1</th>").arg(title.replace(QLatin1Char('\n'), QStringLiteral("<br>")));
    }
    html += QStringLiteral("</tr></thead>");
    for (int row = 1; row <= grid.rowCount(); ++row) {
        // A row whose channel does not exist shows nothing and is left out.
        bool shown = false;
        for (int c = 1; c < kGridColumns && !shown; ++c)
            shown = !grid.cellText(row, c).isEmpty();
        if (!shown)
            continue;
        html += QStringLiteral("<tr>");
        for (int c : columns)
            html += QStringLiteral("<td align=\"center\">%1</td>").arg(grid.cellText(row, c).toHtmlEscaped());
        html += QStringLiteral("</tr>");
    }
    html += QStringLiteral("</table></body></html>");
    return html;
}

QStringList PrintHeader(const AppContext& ctx)
{
    const EditingModel& m = ctx.document.Model;
    const Language& l = ctx.language;
    auto line = [](const QString& label, const std::string& value) {
        return label + QStringLiteral(": ") + QString::fromStdString(value);
    };
    return {line(l.text(BuiltinText::PrintModel), m.ModelName), line(l.text(BuiltinText::PrintBandPlan), m.Band.BandPlanText),
            line(l.LangText(TextKey::FileCaption), ctx.document.CurrentFileName)};
}

void PrintChannelTable(const QString& html, QPagedPaintDevice& device)
{
    QTextDocument page;
    page.setDefaultFont(QFont(page.defaultFont().family(), 9));
    page.setHtml(html);
    page.print(&device);
}

void PrintChannels(AppContext& ctx, const ChannelGridModel& grid, const QList<int>& columns, QWidget* parent)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setDocName(QFileInfo(QString::fromStdString(ctx.document.CurrentFileName)).completeBaseName());
    QPrintPreviewDialog preview(&printer, parent);
    preview.setObjectName(QStringLiteral("FrmPrintPreview"));
    preview.setWindowTitle(StripMnemonic(ctx.language.text(BuiltinText::PrintCommand)));
    const QString html = ChannelTableHtml(PrintHeader(ctx), grid, columns);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&html](QPrinter* device) { PrintChannelTable(html, *device); });
    ctx.dialogs.run(preview);
}

}  // namespace tq8615::app
