#pragma once
// Edit > Undo and Edit > Redo: the editing model's history and the two menu items that step
// through it, named after the command they take back ("Undo Paste Channels").
#include "model/edit_history.h"

#include <QObject>
#include <QString>

class QAction;
class QMenu;

namespace tq8615::app {

class Language;

class UndoActions : public QObject {
    Q_OBJECT
public:
    // Adds the two items to `menu`; they act on `model`.
    UndoActions(EditingModel& model, const Language& language, QMenu* menu, QObject* parent);

    // The model was replaced as a whole (New, Open, a read, a band change): nothing to undo.
    void reset();
    // The command `label` changed the model.
    void record(const QString& label);
    // Gives the items their texts in the current language.
    void retranslate();

    void undo();
    void redo();

Q_SIGNALS:
    // Undo or redo put another model in place.
    void modelRestored();

private:
    EditingModel& model_;
    const Language& language_;
    EditHistory history_;
    QAction* undoItem_;
    QAction* redoItem_;
};

}  // namespace tq8615::app
