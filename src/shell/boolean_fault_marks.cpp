#include "shell/boolean_fault_marks.h"

#include <QTextCursor>
#include <QTextEdit>

namespace qf::shell {
namespace {

// Red, the first of the term colours of the record view.
const QColor kFaultColour(255, 0, 0);
const char* kWatcherName = "booleanFaultMarkWatcher";

// Marks are drawn over the text, not written into it: they leave the undo
// history alone, and typing next to a red token does not type red.
void RemoveWatcher(QTextEdit& editor) {
    delete editor.findChild<QObject*>(QString::fromLatin1(kWatcherName), Qt::FindDirectChildrenOnly);
}

// Lives while marks are shown; the first change of the text removes them.
void WatchForEdits(QTextEdit& editor) {
    auto* watcher = new QObject(&editor);
    watcher->setObjectName(QString::fromLatin1(kWatcherName));
    QObject::connect(&editor, &QTextEdit::textChanged, watcher, [&editor] { ClearBooleanFaultMarks(editor); });
}

// Byte offsets of the UTF-8 text to positions in the editor's UTF-16 text.
int EditorPosition(const std::string& text, size_t byteOffset) {
    return int(QString::fromUtf8(text.data(), qsizetype(byteOffset)).size());
}

}  // namespace

void ClearBooleanFaultMarks(QTextEdit& editor) {
    RemoveWatcher(editor);
    editor.setExtraSelections({});
}

void MarkBooleanFaults(QTextEdit& editor, const _Bad_Adat_Struct& faults) {
    ClearBooleanFaultMarks(editor);
    const std::string& text = faults.sNormalForm;
    // Marks placed on another text would colour the wrong characters.
    if (faults.positions.empty() || editor.toPlainText() != QString::fromStdString(text)) return;
    QList<QTextEdit::ExtraSelection> marks;
    for (size_t i = 0; i < faults.positions.size() && i < faults.lengths.size(); ++i) {
        const size_t start = faults.positions[i];
        if (start > text.size() || faults.lengths[i] > text.size() - start) continue;
        QTextEdit::ExtraSelection mark;
        mark.cursor = QTextCursor(editor.document());
        mark.cursor.setPosition(EditorPosition(text, start));
        mark.cursor.setPosition(EditorPosition(text, start + faults.lengths[i]), QTextCursor::KeepAnchor);
        mark.format.setForeground(kFaultColour);
        marks << mark;
    }
    editor.setExtraSelections(marks);
    WatchForEdits(editor);
}

void ShowBooleanCheck(QTextEdit& editor, const BooleanQuery& query) {
    if (!query.normalForm.empty()) editor.setPlainText(QString::fromStdString(query.normalForm));
    MarkBooleanFaults(editor, query.fault);
}

}  // namespace qf::shell
