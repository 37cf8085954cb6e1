#include "model/edit_history.h"

namespace tq8615 {

void EditHistory::reset(const EditingModel& current)
{
    current_ = current;
    undo_.clear();
    redo_.clear();
}

void EditHistory::record(const std::string& label, const EditingModel& now)
{
    if (now == current_)
        return;
    undo_.push_back({label, current_});
    if (undo_.size() > depth_)
        undo_.pop_front();
    redo_.clear();
    current_ = now;
}

void EditHistory::move(std::deque<Step>& from, std::deque<Step>& to, EditingModel& current, EditingModel& model)
{
    if (from.empty())
        return;
    Step step = std::move(from.back());
    from.pop_back();
    to.push_back({step.label, current});
    current = std::move(step.model);
    model = current;
}

void EditHistory::undo(EditingModel& model) { move(undo_, redo_, current_, model); }

void EditHistory::redo(EditingModel& model) { move(redo_, undo_, current_, model); }

}  // namespace tq8615
