#pragma once
// Colours the faulty tokens of a refused Boolean query red in the Boolean
// query editor. The marks go with the next change of the editor's text.

#include "textsearch/boolean_query.h"

class QTextEdit;

namespace qf::shell {

// Marks the faults when the editor shows the text they refer to; any marks
// from before are removed first. Positions outside the text are ignored.
void MarkBooleanFaults(QTextEdit& editor, const _Bad_Adat_Struct& faults);

// Every character back in the plain colour.
void ClearBooleanFaultMarks(QTextEdit& editor);

// After a Boolean check: the editor shows the query as checked (when the
// check got that far) and a refused query's faults are marked.
void ShowBooleanCheck(QTextEdit& editor, const BooleanQuery& query);

}  // namespace qf::shell
