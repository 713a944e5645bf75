#pragma once
// Shows a view's text with its coloured hits in a text edit.

#include <QColor>

#include "results/view_text.h"

class QTextEdit;

namespace qf::shell {

// The colour of a range's entry in kColorList.
QColor TermColour(int index);

// The text drawn on a hit of that colour: black or white, whichever stands
// out more against it.
QColor HitTextColour(const QColor& background);

// The contrast of two colours as the web's accessibility rules count it (1 to 21).
double ContrastRatio(const QColor& a, const QColor& b);

// Sets the text, marks the ranges in order with their term's colour behind
// readable text (a later range wins) and makes the edit read-only.
void ShowViewText(QTextEdit& edit, const ViewText& view);

}  // namespace qf::shell
