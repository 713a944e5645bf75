#pragma once
// Shows which term a search start refused as no regular expression: red in
// the Boolean query editor, as its own faults are, or selected and red in the
// standard query's field. The marks go with the next edit.

#include "textsearch/regex_terms.h"

class QComboBox;
class QTextEdit;

namespace qf::shell {

void MarkPatternFault(QTextEdit& editor, const RegexFault& fault);
void MarkPatternFault(QComboBox& box, const RegexFault& fault);

}  // namespace qf::shell
