// F1 in the setting dialogs: the help context is the numeric identifier of
// the control that has the keyboard focus. Controls carry their identifier
// as a property so that every dialog answers F1 the same way.
#pragma once

class QKeyEvent;
class QWidget;

namespace radio {

void SetControlId(QWidget* control, int id);

// The identifier of `widget`, or of the nearest enclosing widget that has
// one (an in-place editor inside a grid answers with the grid's); 0 if none.
int ControlId(const QWidget* widget);

// The key-down of F1, whatever modifiers are held.
bool IsHelpKey(const QKeyEvent* event);

}  // namespace radio
