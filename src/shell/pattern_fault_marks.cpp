#include "shell/pattern_fault_marks.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPalette>
#include <QTextEdit>

#include "shell/boolean_fault_marks.h"

namespace qf::shell {

void MarkPatternFault(QTextEdit& editor, const RegexFault& fault) {
    const std::string text = editor.toPlainText().toStdString();
    const size_t at = fault.term.empty() ? std::string::npos : text.find(fault.term);
    if (at == std::string::npos) return;
    _Bad_Adat_Struct marks;
    marks.sNormalForm = text;
    marks.sBadToken = fault.term;
    marks.positions = {at};
    marks.lengths = {fault.term.size()};
    MarkBooleanFaults(editor, marks);
}

void MarkPatternFault(QComboBox& box, const RegexFault& fault) {
    QLineEdit* field = box.lineEdit();
    if (!field || fault.term.empty()) return;
    const QString term = QString::fromStdString(fault.term);
    const qsizetype at = field->text().indexOf(term);
    if (at < 0) return;
    const QPalette plain = field->palette();
    QPalette red = plain;
    red.setColor(QPalette::Text, QColor(255, 0, 0));
    red.setColor(QPalette::HighlightedText, QColor(255, 0, 0));
    field->setPalette(red);
    field->setSelection(int(at), int(term.size()));
    // The first edit gives the field its colours back.
    auto* watcher = new QObject(field);
    QObject::connect(field, &QLineEdit::textEdited, watcher, [field, plain, watcher] {
        field->setPalette(plain);
        watcher->deleteLater();
    });
}

}  // namespace qf::shell
