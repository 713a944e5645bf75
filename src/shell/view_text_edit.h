#pragma once
// Shows a view's text with its coloured hits in a text edit.

#include <QColor>

#include "results/view_text.h"

class QTextEdit;

namespace qf::shell {

// The colour of a range's entry in kColorList.
QColor TermColour(int index);

// Sets the text, colours the ranges in order (only the colour changes, a
// later range wins) and makes the edit read-only.
void ShowViewText(QTextEdit& edit, const ViewText& view);

}  // namespace qf::shell
