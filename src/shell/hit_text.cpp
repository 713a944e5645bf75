#include "shell/hit_text.h"

#include <QTextCursor>
#include <QTextEdit>
#include <array>

#include "platform/case_fold.h"

namespace qf::shell {
namespace {

// Byte offset in UTF-8 to character offset in the edit's text.
int CharOffset(const std::string& text, size_t byteOffset) {
    return int(QString::fromUtf8(text.data(), qsizetype(std::min(byteOffset, text.size()))).size());
}

}  // namespace

QColor TermColour(int index) {
    static const std::array<QColor, 6> colours{QColor(255, 0, 0),   QColor(0, 255, 0),   QColor(0, 0, 255),
                                               QColor(0, 255, 255), QColor(255, 0, 255), QColor(255, 255, 0)};
    return colours[size_t(index % 6)];
}

void AddLineHits(const MAP_TERM_POSITIONS& positions, const std::vector<std::string>& terms, size_t offset,
                 size_t limit, std::vector<HitRange>& hits) {
    for (size_t i = 0; i < terms.size(); ++i) {
        const auto found = positions.find(terms[i]);
        if (found == positions.end()) continue;
        for (int32_t p : found->second)
            if (p >= 0 && size_t(p) <= limit) hits.push_back({offset + size_t(p), terms[i].size(), int(i % 6)});
    }
}

std::vector<std::string> ComparisonTerms(const std::vector<std::string>& terms, bool caseSensitive) {
    std::vector<std::string> out;
    for (const std::string& term : terms) out.push_back(caseSensitive ? term : CharLowerA(term));
    return out;
}

void ShowHitText(QTextEdit& edit, const HitText& content) {
    edit.setPlainText(QString::fromStdString(content.text));
    QTextCursor cursor(edit.document());
    for (const HitRange& hit : content.hits) {
        const int begin = CharOffset(content.text, hit.start);
        const int end = CharOffset(content.text, hit.start + hit.length);
        if (end <= begin) continue;
        cursor.setPosition(begin);
        cursor.setPosition(end, QTextCursor::KeepAnchor);
        QTextCharFormat format;
        format.setForeground(TermColour(hit.colour));
        cursor.mergeCharFormat(format);
    }
    edit.setReadOnly(true);
}

}  // namespace qf::shell

namespace qf::shell {

QString HitHtml(const HitText& content) {
    std::vector<int> colourAt(content.text.size(), -1);
    for (const HitRange& hit : content.hits)
        for (size_t i = hit.start; i < hit.start + hit.length && i < colourAt.size(); ++i) colourAt[i] = hit.colour;
    QString html;
    size_t i = 0;
    while (i < content.text.size()) {
        size_t j = i;
        while (j < content.text.size() && colourAt[j] == colourAt[i]) ++j;
        const QString part = QString::fromUtf8(content.text.data() + i, qsizetype(j - i)).toHtmlEscaped();
        if (colourAt[i] < 0)
            html += part;
        else
            html += QStringLiteral("<span style=\"color:%1\">%2</span>").arg(TermColour(colourAt[i]).name(), part);
        i = j;
    }
    return html;
}

}  // namespace qf::shell
