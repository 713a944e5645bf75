#pragma once
// Shared by the document reader tests: fixtures, packages built on the spot,
// and the lines of an extracted text.

#include <string>
#include <utility>
#include <vector>

#include "archive/zip_builder.h"
#include "documents/document_text.h"
#include "support/test_support.h"

namespace qftest {

inline std::string DocumentFixture(const std::string& name) {
    return std::string(QUILLFIND_FIXTURES) + "/documents/" + name;
}

inline qf::DocumentText ExtractFixture(const std::string& name) {
    return qf::ExtractDocumentFile(qf::DocumentKindOf(name.substr(name.rfind('.') + 1)), DocumentFixture(name));
}

// The lines of a text whose lines each end in "\n".
inline std::vector<std::string> LinesOf(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end = text.find('\n'); end != std::string::npos; end = text.find('\n', start)) {
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    if (start < text.size()) lines.push_back(text.substr(start));
    return lines;
}

using Parts = std::vector<std::pair<std::string, std::string>>;

// A ZIP package with these parts, written into `dir` as `name`.
inline std::string BuildPackage(const TempDir& dir, const std::string& name, const Parts& parts) {
    const std::string path = dir / name;
    ZipBuilder zip(path);
    for (const auto& [part, content] : parts) zip.File(part, content);
    zip.Close();
    return path;
}

constexpr const char* kWordNs = "http://schemas.openxmlformats.org/wordprocessingml/2006/main";

// A word-processing package whose main part is `documentXml`.
inline Parts WordParts(const std::string& documentXml) {
    return {{"_rels/.rels",
             "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
             "<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/"
             "officeDocument\" Target=\"word/document.xml\"/></Relationships>"},
            {"word/document.xml", documentXml}};
}

// <w:document> around `body`, with the w: prefix bound.
inline std::string WordDocument(const std::string& body) {
    return std::string("<?xml version=\"1.0\"?><w:document xmlns:w=\"") + kWordNs + "\"><w:body>" + body +
           "</w:body></w:document>";
}

inline std::string Paragraph(const std::string& text) { return "<w:p><w:r><w:t>" + text + "</w:t></w:r></w:p>"; }

}  // namespace qftest
