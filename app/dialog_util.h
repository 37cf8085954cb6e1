#pragma once
// Small pieces every dialog of the program builds with.
#include "language.h"

class QDialog;
class QHBoxLayout;
class QPushButton;
class QWidget;

namespace tq8615::app {

QPushButton* MakeButton(QWidget* parent, const QString& name, TextKey tag);

// OK and Cancel on the right, as the platform places them.
QHBoxLayout* ButtonRow(QPushButton* ok, QPushButton* cancel);

// A dialog's CommandOK (the default button; the caller connects what it stores) and
// CommandCancel (closes the dialog and changes nothing), laid out in `row`.
struct OkCancel {
    QPushButton* ok;
    QPushButton* cancel;
    QHBoxLayout* row;
};
OkCancel MakeOkCancel(QDialog* dialog);

// For an editor's destructor: the controls' signals and its cell editors' commits are
// blocked, so the focus leaving a box while the window goes away reaches none of the
// editor's handlers (they would run on a half-destroyed window) and stores nothing.
void SilenceControls(QDialog* dialog);

// Twips to pixels: 15 twips per pixel.
constexpr int Twips(int twips) { return twips / 15; }

}  // namespace tq8615::app
