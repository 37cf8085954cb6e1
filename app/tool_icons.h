#pragma once
// The toolbar's pictures, drawn so that they look the same on every desktop.
#include <QIcon>

namespace tq8615::app {

enum class ToolIcon { New, Open, Save, Read, Port, Write, About };
QIcon MakeToolIcon(ToolIcon kind);

}  // namespace tq8615::app
