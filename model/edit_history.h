#pragma once
// Undo and redo of changes to the editing model. Every step keeps the whole model as it
// was: the model is small (about 45 KB), and a snapshot restores every field exactly,
// whatever the command touched.
#include <cstddef>
#include <deque>
#include <string>

#include "model/editing_model.h"

namespace tq8615 {

class EditHistory {
public:
    explicit EditHistory(std::size_t depth = 100) : depth_(depth) {}

    // Forgets every step; `current` is the model as it stands now (after New, Open, a read).
    void reset(const EditingModel& current);
    // The command `label` changed the model to `now`. A command that changed nothing adds
    // no step; a new step ends what could be redone.
    void record(const std::string& label, const EditingModel& now);

    bool canUndo() const { return !undo_.empty(); }
    bool canRedo() const { return !redo_.empty(); }
    // The command the next undo or redo takes back or does again; empty when none.
    std::string undoLabel() const { return canUndo() ? undo_.back().label : std::string(); }
    std::string redoLabel() const { return canRedo() ? redo_.back().label : std::string(); }

    // Puts `model` one step back or forward; nothing happens when there is no such step.
    void undo(EditingModel& model);
    void redo(EditingModel& model);

private:
    struct Step {
        std::string label;
        EditingModel model;  // the model on the far side of the step
    };
    static void move(std::deque<Step>& from, std::deque<Step>& to, EditingModel& current, EditingModel& model);

    std::size_t depth_;
    EditingModel current_;
    std::deque<Step> undo_;
    std::deque<Step> redo_;
};

}  // namespace tq8615
