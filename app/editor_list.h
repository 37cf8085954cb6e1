#pragma once
// The setting editors and factory windows the main window offers, described once: the
// menu, the tree and the screenshot program are built from this list. Adding an editor
// means one module in editors/ (or factory/) and one entry here.
#include "model/text_keys.h"

#include <QString>

#include <functional>
#include <memory>
#include <vector>

class QDialog;
class QWidget;

namespace tq8615::app {

struct AppContext;

enum class EditorMenu { Edit, Help };

struct EditorEntry {
    QString menuItem;         // object name of the menu item ("MnuViewSetMode")
    TextKey menuText;
    EditorMenu menu = EditorMenu::Edit;
    QString treeNode;         // the tree node's key ("N4"); empty for none
    TextKey treeText{};
    int treePosition = 0;     // the node's place among the tree's editor nodes
    // The channel editor: it edits the grid's current channel, and the grid's double click
    // and Enter open it too.
    bool onChannel = false;
    // Whether the item is offered; the 2-tone and factory windows depend on flags.
    std::function<bool(const AppContext&)> shown = [](const AppContext&) { return true; };
    // Makes the window, working on the context's editing model.
    std::function<std::unique_ptr<QDialog>(AppContext&, QWidget* parent)> make;
};

// In menu order.
const std::vector<EditorEntry>& EditorList();

}  // namespace tq8615::app
