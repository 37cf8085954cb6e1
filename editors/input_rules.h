#pragma once
// The keyboard conventions every editor window shares, attached to a control in one line:
// Enter moves the focus on as Tab does; a text box also swallows Ctrl+X/C/V, characters
// above 127 and what its character set refuses, turns letters into capitals where it takes
// them, selects its whole text on entry and offers no context menu.
#include "model/typed_chars.h"

#include <span>

class QLineEdit;
class QString;
class QWidget;

namespace tq8615::app {

// Enter moves the focus to the next control (lists, check boxes, buttons other than OK).
void EnterMovesOn(QWidget* control);

// `moveOnAfterChar`: a one-character box hands the focus on after each accepted character.
void AttachTextRules(QLineEdit* box, CharSet set, bool moveOnAfterChar = false);

// One-character boxes that hold one text together: a screen reader announces each by the
// text's label and its place ("Channel Name 2").
void NameCharacterBoxes(const QString& label, std::span<QLineEdit* const> boxes);
// Changes what a box with the rules attached lets the user type.
void SetCharSet(QLineEdit* box, CharSet set);

}  // namespace tq8615::app
