#include "channel_range_commands.h"

#include "app_context.h"
#include "channel_grid_model.h"
#include "message_box.h"
#include "undo_actions.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QItemSelectionModel>
#include <QMenu>
#include <QTableView>

#include <algorithm>

namespace tq8615::app {

ChannelRangeCommands::ChannelRangeCommands(AppContext& ctx, QTableView* grid, UndoActions& undo, QMenu* editMenu,
                                           std::function<void(int row)> redrawRow, QWidget* parent)
    : QObject(parent), ctx_(ctx), grid_(grid), undo_(undo), redrawRow_(std::move(redrawRow)),
      contextMenu_(new QMenu(parent)), sortMenu_(new QMenu(parent))
{
    contextMenu_->setObjectName(QStringLiteral("mnuChannelContext"));
    sortMenu_->setObjectName(QStringLiteral("mnuEditSort"));
    // Control+C, X and V keep their own meaning in the grid, so these take other keys.
    const QList<QAction*> editing = {
        addCommand("mnuEditCopyChannels", BuiltinText::CopyChannels, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C),
                   &ChannelRangeCommands::copyChannels),
        addCommand("mnuEditCutChannels", BuiltinText::CutChannels, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_X),
                   &ChannelRangeCommands::cutChannels),
        pasteItem_ = addCommand("mnuEditPasteChannels", BuiltinText::PasteChannels,
                                QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V), &ChannelRangeCommands::pasteChannels),
        addCommand("mnuEditDeleteChannels", BuiltinText::DeleteChannels, QKeySequence(Qt::Key_Delete),
                   &ChannelRangeCommands::deleteChannels),
    };
    const QList<QAction*> arranging = {
        addCommand("mnuEditInsertChannel", BuiltinText::InsertChannel, QKeySequence(Qt::Key_Insert),
                   &ChannelRangeCommands::insertChannel),
        addCommand("mnuEditRemoveChannels", BuiltinText::RemoveChannels, QKeySequence(Qt::CTRL | Qt::Key_Delete),
                   &ChannelRangeCommands::removeChannels),
        addCommand("mnuEditMoveUp", BuiltinText::MoveChannelsUp, QKeySequence(Qt::CTRL | Qt::Key_Up),
                   &ChannelRangeCommands::moveUp),
        addCommand("mnuEditMoveDown", BuiltinText::MoveChannelsDown, QKeySequence(Qt::CTRL | Qt::Key_Down),
                   &ChannelRangeCommands::moveDown),
    };
    const struct {
        const char* name;
        SortBy by;
        BuiltinText text;
    } sorts[] = {
        {"mnuEditSortFrequency", SortBy::Frequency, BuiltinText::SortByFrequency},
        {"mnuEditSortName", SortBy::Name, BuiltinText::SortByName},
        {"mnuEditSortColumn", SortBy::CurrentColumn, BuiltinText::SortByColumn},
    };
    for (const auto& sort : sorts) {
        QAction* item = sortMenu_->addAction(QString());
        item->setObjectName(QString::fromLatin1(sort.name));
        connect(item, &QAction::triggered, this, [this, by = sort.by] { sortChannels(by); });
        items_.emplace_back(item, sort.text);
    }
    for (QMenu* menu : {editMenu, contextMenu_}) {
        menu->addActions(editing);
        menu->addSeparator();
        menu->addActions(arranging);
        menu->addMenu(sortMenu_);
    }
    editMenu->addSeparator();
    pasteItem_->setEnabled(false);  // until something is copied
    grid_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(grid_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { contextMenu_->popup(grid_->viewport()->mapToGlobal(at)); });
    retranslate();
}

QAction* ChannelRangeCommands::addCommand(const char* name, BuiltinText text, const QKeySequence& shortcut,
                                          void (ChannelRangeCommands::*handler)())
{
    auto* item = new QAction(this);
    item->setObjectName(QString::fromLatin1(name));
    item->setShortcut(shortcut);
    // The keys act in the grid only: Delete in the tree deletes no channel.
    item->setShortcutContext(Qt::WidgetShortcut);
    grid_->addAction(item);
    connect(item, &QAction::triggered, this, handler);
    items_.emplace_back(item, text);
    return item;
}

void ChannelRangeCommands::retranslate()
{
    for (const auto& [item, text] : items_)
        item->setText(ctx_.language.text(text));
    sortMenu_->setTitle(ctx_.language.text(BuiltinText::SortMenu));
}

QWidget* ChannelRangeCommands::parentWindow() const { return grid_->window(); }

std::vector<int> ChannelRangeCommands::selectedRows() const
{
    std::vector<int> rows;
    for (const QModelIndex& index : grid_->selectionModel()->selectedRows())
        rows.push_back(ChannelGridModel::gridRow(index));
    std::sort(rows.begin(), rows.end());
    if (rows.empty() && grid_->currentIndex().isValid())
        rows.push_back(ChannelGridModel::gridRow(grid_->currentIndex()));
    return rows;
}

void ChannelRangeCommands::selectRows(const std::vector<int>& rows, int column)
{
    if (rows.empty())
        return;
    QItemSelectionModel* selection = grid_->selectionModel();
    column = std::max(column, 1);
    selection->setCurrentIndex(grid_->model()->index(rows.front() - 1, column), QItemSelectionModel::NoUpdate);
    QItemSelection rowsSelected;
    for (int row : rows) {
        const QModelIndex cell = grid_->model()->index(row - 1, 0);
        rowsSelected.select(cell, cell);
    }
    selection->select(rowsSelected, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void ChannelRangeCommands::gridKey(int key)
{
    if (ctx_.document.Model.Band.BandPlanIndex != 0)
        return;
    std::vector<int> rows = selectedRows();
    if (rows.size() <= 1) {
        const QModelIndex current = grid_->currentIndex();
        if (!current.isValid())
            return;
        rows = {ChannelGridModel::gridRow(current)};
    }
    if (key == Qt::Key_C)
        copyRows(rows);
    else if (key == Qt::Key_X)
        cutRows(rows);
    else if (key == Qt::Key_V)
        pasteChannels();
}

void ChannelRangeCommands::copyRows(const std::vector<int>& rows)
{
    clip_ = CopyChannels(ctx_.document.Model, rows);
    pasteItem_->setEnabled(true);
    // For spreadsheets and text editors: the rows as the grid shows them.
    const auto* grid = qobject_cast<const ChannelGridModel*>(grid_->model());
    QStringList lines;
    for (int row : rows) {
        QStringList cells;
        for (int c = 0; c < kGridColumns; ++c)
            if (!grid_->isColumnHidden(c))
                cells.append(grid->cellText(row, c));
        lines.append(cells.join(QLatin1Char('\t')));
    }
    QGuiApplication::clipboard()->setText(lines.join(QLatin1Char('\n')) + QLatin1Char('\n'));
}

void ChannelRangeCommands::changed(BuiltinText label, const std::vector<int>& redrawn, const std::vector<int>& selected)
{
    undo_.record(ctx_.language.text(label));
    // Only the rows that changed: a full redraw would report every bad cell of the list again.
    for (int row : redrawn)
        redrawRow_(row);
    selectRows(selected, grid_->currentIndex().column());
}

void ChannelRangeCommands::copyChannels()
{
    const std::vector<int> rows = selectedRows();
    if (!rows.empty())
        copyRows(rows);
}

void ChannelRangeCommands::cutChannels() { cutRows(selectedRows()); }

void ChannelRangeCommands::cutRows(const std::vector<int>& rows)
{
    if (rows.empty())
        return;
    copyRows(rows);
    CutChannels(ctx_.document.Model, rows);
    changed(BuiltinText::CutChannels, rows, rows);
}

void ChannelRangeCommands::pasteChannels()
{
    const QModelIndex current = grid_->currentIndex();
    if (!current.isValid() || clip_.empty())
        return;
    const std::vector<int> pasted = PasteChannels(ctx_.document.Model, clip_, ChannelGridModel::gridRow(current));
    changed(BuiltinText::PasteChannels, pasted, pasted);
}

void ChannelRangeCommands::deleteChannels()
{
    const std::vector<int> rows = selectedRows();
    DeleteChannels(ctx_.document.Model, rows);
    changed(BuiltinText::DeleteChannels, rows, rows);
}

void ChannelRangeCommands::insertChannel()
{
    const std::vector<int> rows = selectedRows();
    if (rows.empty() || rows.front() > kMemoryChannels)
        return;
    if (!InsertChannel(ctx_.document.Model, rows.front())) {
        ctx_.boxes.inform(parentWindow(), Icon::Warning, AppTitle(), ctx_.language.text(BuiltinText::Channel200InUse));
        return;
    }
    changed(BuiltinText::InsertChannel, RowSpan(rows.front(), kMemoryChannels), {rows.front()});
}

void ChannelRangeCommands::removeChannels()
{
    const std::vector<int> rows = selectedRows();
    if (rows.empty() || rows.front() > kMemoryChannels)
        return;
    RemoveChannels(ctx_.document.Model, rows);
    changed(BuiltinText::RemoveChannels, RowSpan(rows.front(), kMemoryChannels), {rows.front()});
}

void ChannelRangeCommands::move(int delta)
{
    const std::vector<int> rows = selectedRows();
    if (rows.empty() || rows.front() > kMemoryChannels)
        return;
    const std::vector<int> now = MoveChannels(ctx_.document.Model, rows, delta);
    changed(delta < 0 ? BuiltinText::MoveChannelsUp : BuiltinText::MoveChannelsDown,
            RowSpan(std::min(rows.front(), now.front()), std::max(rows.back(), now.back())), now);
}

void ChannelRangeCommands::sortChannels(SortBy by)
{
    const std::vector<int> selected = selectedRows();
    const std::vector<int> rows = selected.size() > 1 ? selected : AllMemoryRows();
    const auto* grid = qobject_cast<const ChannelGridModel*>(grid_->model());
    const int column = grid_->currentIndex().column();
    SortKeyOf key = RxFrequencyKey;
    if (by == SortBy::Name)
        key = NameKey;
    else if (by == SortBy::CurrentColumn)
        key = [grid, column](const ChannelRecord& r) {
            return ShownTextKey(grid->cellText(r.ChannelNumber, column).toStdString());
        };
    SortChannels(ctx_.document.Model, rows, key);
    changed(BuiltinText::SortChannels, rows, selected);
}

}  // namespace tq8615::app
