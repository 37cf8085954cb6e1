#pragma once
// File > Import Channels... and Export Channels...: memory channels in and out of the
// comma-separated channel lists other radio programmers and repeater directories use.
#include <QString>

class QWidget;

namespace tq8615::app {

struct AppContext;

// The file filter of both file dialogs.
QString ChannelListFilter(const AppContext& ctx);

// Asks for a file, previews its rows and problems, and on OK puts the rows into the model
// and tells the windows. True when the model changed.
bool ImportChannelList(AppContext& ctx, QWidget* parent, const QString& folder);

// Asks for a file and writes the memory channels in use into it, atomically; says how many
// were written and that the VFO and RT channels were left out. True when written.
bool ExportChannelList(AppContext& ctx, QWidget* parent, const QString& folder);

}  // namespace tq8615::app
