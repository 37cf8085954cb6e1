#include "channel_list_commands.h"

#include "app_context.h"
#include "frm_csv_import.h"
#include "message_box.h"

#include "files/atomic_file.h"
#include "files/channel_csv.h"

#include <QDir>
#include <QFileInfo>

namespace tq8615::app {

QString ChannelListFilter(const AppContext& ctx)
{
    return ctx.language.text(BuiltinText::CsvFileType) + QStringLiteral(" (*.csv)");
}

bool ImportChannelList(AppContext& ctx, QWidget* parent, const QString& folder)
{
    const QString path = ctx.dialogs.openPath(parent, folder, ChannelListFilter(ctx));
    if (path.isEmpty())
        return false;
    FrmCsvImport preview(ctx.language, ctx.document.Model, path.toStdString(), parent);
    if (ctx.dialogs.run(preview) != QDialog::Accepted || preview.plan().channels.empty())
        return false;
    ApplyCsvImport(preview.plan(), ctx.document.Model);
    Q_EMIT ctx.events.modelChanged();
    return true;
}

bool ExportChannelList(AppContext& ctx, QWidget* parent, const QString& folder)
{
    QString path = ctx.dialogs.savePath(parent, QDir(folder).filePath(QStringLiteral("channels.csv")),
                                        ChannelListFilter(ctx));
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".csv");
    const std::string text = ExportChannelsCsv(ctx.document.Model);
    std::error_code error;
    BoxMessageSink sink(ctx.boxes, ctx.language, parent);
    if (!WriteFileAtomically(path.toStdString(), text.data(), text.size(), error)) {
        sink.show(FileErrorMessage(path.toStdString(), error.message()));
        return false;
    }
    Message done = ExportSummary(ctx.document.Model);
    done.icon = Message::Icon::Information;
    sink.show(done);
    return true;
}

}  // namespace tq8615::app
