#include "textsearch/boolean_query.h"

namespace qf {

std::string NormalForm(const BOOL_STRUCT& tokens) {
    std::string text;
    for (const _BoolStruct& token : tokens) {
        text += ' ';
        text += token.sShown;
    }
    return text;
}

bool IsOperator(const _BoolStruct& token, const char* name) {
    return token.nKind == kTokenOperator && token.sText == name;
}

}  // namespace qf
