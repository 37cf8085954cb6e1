#include "undo_actions.h"

#include "language.h"

#include <QAction>
#include <QMenu>

namespace tq8615::app {

UndoActions::UndoActions(EditingModel& model, const Language& language, QMenu* menu, QObject* parent)
    : QObject(parent), model_(model), language_(language),
      undoItem_(menu->addAction(QString())), redoItem_(menu->addAction(QString()))
{
    undoItem_->setObjectName(QStringLiteral("mnuEditUndo"));
    redoItem_->setObjectName(QStringLiteral("mnuEditRedo"));
    undoItem_->setShortcut(QKeySequence::Undo);
    redoItem_->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    for (QAction* item : {undoItem_, redoItem_})
        item->setShortcutContext(Qt::WindowShortcut);
    connect(undoItem_, &QAction::triggered, this, &UndoActions::undo);
    connect(redoItem_, &QAction::triggered, this, &UndoActions::redo);
    reset();
}

void UndoActions::reset()
{
    history_.reset(model_);
    retranslate();
}

void UndoActions::record(const QString& label)
{
    history_.record(label.toStdString(), model_);
    retranslate();
}

void UndoActions::undo()
{
    if (!history_.canUndo())
        return;
    history_.undo(model_);
    retranslate();
    Q_EMIT modelRestored();
}

void UndoActions::redo()
{
    if (!history_.canRedo())
        return;
    history_.redo(model_);
    retranslate();
    Q_EMIT modelRestored();
}

void UndoActions::retranslate()
{
    auto text = [this](BuiltinText item, const std::string& label) {
        return language_.text(item).arg(QString::fromStdString(label)).simplified();
    };
    undoItem_->setText(text(BuiltinText::UndoCommand, history_.undoLabel()));
    redoItem_->setText(text(BuiltinText::RedoCommand, history_.redoLabel()));
    undoItem_->setEnabled(history_.canUndo());
    redoItem_->setEnabled(history_.canRedo());
}

}  // namespace tq8615::app
