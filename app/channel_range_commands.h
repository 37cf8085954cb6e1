#pragma once
// The channel grid's commands on several rows: Copy, Cut, Paste and Delete Channels, Insert
// Channel, Delete and Close Gap, Move Up and Down and Sort, in the Edit menu and in the
// grid's context menu, and the grid's own Control+C, X and V. Each change is one step of
// Undo.
#include "model/builtin_texts.h"
#include "model/channel_range.h"

#include <QKeySequence>
#include <QObject>

#include <functional>
#include <vector>

class QAction;
class QMenu;
class QTableView;
class QWidget;

namespace tq8615::app {

struct AppContext;
class ChannelGridModel;
class UndoActions;

class ChannelRangeCommands : public QObject {
    Q_OBJECT
public:
    // Adds the items to `editMenu` and to the grid; `redrawRow` shows a changed row.
    ChannelRangeCommands(AppContext& ctx, QTableView* grid, UndoActions& undo, QMenu* editMenu,
                         std::function<void(int row)> redrawRow, QWidget* parent);

    // Control+C, X or V pressed in the grid. They act only in band plan 0: copy and cut on
    // the current row while one row is selected, else on the selected rows; paste at the
    // current row, as many rows as were copied.
    void gridKey(int key);

    void copyChannels();
    void cutChannels();
    void pasteChannels();
    void deleteChannels();
    void insertChannel();
    void removeChannels();
    void moveUp() { move(-1); }
    void moveDown() { move(+1); }
    enum class SortBy { Frequency, Name, CurrentColumn };
    void sortChannels(SortBy by);

    // The grid's selected rows (channel numbers), ascending; the current row when none is.
    std::vector<int> selectedRows() const;
    // Selects whole rows; the current cell goes to the first, in `column`.
    void selectRows(const std::vector<int>& rows, int column);
    QMenu* contextMenu() const { return contextMenu_; }
    void retranslate();

private:
    QAction* addCommand(const char* name, BuiltinText text, const QKeySequence& shortcut,
                        void (ChannelRangeCommands::*handler)());
    void copyRows(const std::vector<int>& rows);
    void cutRows(const std::vector<int>& rows);
    // Records the change under `label`, redraws the rows it touched and selects `selected`.
    void changed(BuiltinText label, const std::vector<int>& redrawn, const std::vector<int>& selected);
    void move(int delta);
    QWidget* parentWindow() const;

    AppContext& ctx_;
    QTableView* grid_;
    UndoActions& undo_;
    std::function<void(int row)> redrawRow_;
    ChannelClip clip_;  // empty until something is copied
    QMenu* contextMenu_;
    QMenu* sortMenu_;
    QAction* pasteItem_ = nullptr;
    std::vector<std::pair<QAction*, BuiltinText>> items_;
};

}  // namespace tq8615::app
