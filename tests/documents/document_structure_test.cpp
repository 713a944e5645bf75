// How each format's structure becomes lines: what counts as text, what is
// left out, and in which order the parts come.

#include <gtest/gtest.h>

#include <array>

#include "documents/document_support.h"

namespace qftest {
namespace {

using qf::DocumentKind;
using qf::ExtractDocumentBytes;
using qf::ExtractDocumentFile;

std::vector<std::string> Extract(DocumentKind kind, const std::string& path) {
    const qf::DocumentText document = ExtractDocumentFile(kind, path);
    EXPECT_TRUE(document.Ok()) << document.refusal;
    return LinesOf(document.text);
}

const std::string kRelsNs = "http://schemas.openxmlformats.org/package/2006/relationships";

std::string Relationships(const std::vector<std::array<std::string, 3>>& relations) {
    std::string xml = "<Relationships xmlns=\"" + kRelsNs + "\">";
    for (const auto& [id, type, target] : relations)
        xml += "<Relationship Id=\"" + id + "\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/"
               "relationships/" + type + "\" Target=\"" + target + "\"/>";
    return xml + "</Relationships>";
}

TEST(DocumentStructure, WordBodyThenHeadersFootersAndNotes) {
    TempDir dir;
    const std::string w = std::string("xmlns:w=\"") + kWordNs + "\"";
    const std::string body =
        "<w:p><w:pPr><w:tabs><w:tab w:val=\"left\" w:pos=\"720\"/></w:tabs></w:pPr>"
        "<w:r><w:t>one</w:t><w:tab/><w:t xml:space=\"preserve\">two </w:t></w:r><w:r><w:t>three</w:t><w:br/>"
        "<w:t>four</w:t></w:r><w:del><w:r><w:delText>deleted</w:delText></w:r></w:del></w:p>"
        "<w:tbl><w:tr><w:tc><w:p><w:r><w:t>cell A</w:t></w:r></w:p></w:tc><w:tc><w:p><w:r><w:t>cell B</w:t>"
        "</w:r></w:p></w:tc></w:tr></w:tbl><w:p/>"
        "<w:p><w:r><mc:AlternateContent xmlns:mc=\"http://schemas.openxmlformats.org/markup-compatibility/2006\">"
        "<mc:Choice><w:t>boxed</w:t></mc:Choice><mc:Fallback><w:t>boxed again</w:t></mc:Fallback>"
        "</mc:AlternateContent></w:r><w:r><w:fldChar/><w:instrText>PAGE</w:instrText></w:r></w:p>";
    Parts parts = WordParts(WordDocument(body));
    parts.emplace_back("word/_rels/document.xml.rels",
                       Relationships({{"f1", "footnotes", "footnotes.xml"}, {"h1", "header", "header1.xml"},
                                      {"x1", "footer", "footer1.xml"}}));
    parts.emplace_back("word/header1.xml", "<w:hdr " + w + ">" + Paragraph("the header") + "</w:hdr>");
    parts.emplace_back("word/footer1.xml", "<w:ftr " + w + ">" + Paragraph("the footer") + "</w:ftr>");
    parts.emplace_back("word/footnotes.xml",
                       "<w:footnotes " + w + "><w:footnote w:type=\"separator\" w:id=\"-1\"><w:p><w:r><w:separator/>"
                       "</w:r></w:p></w:footnote><w:footnote w:id=\"1\">" + Paragraph("the note") +
                           "</w:footnote></w:footnotes>");
    EXPECT_EQ(Extract(DocumentKind::WordXml, BuildPackage(dir, "a.docx", parts)),
              (std::vector<std::string>{"one\ttwo three four", "cell A", "cell B", "", "boxed", "the header",
                                        "the footer", "the note"}));
}

TEST(DocumentStructure, WorkbookOrderNamesTheSheets) {
    TempDir dir;
    const std::string s = "xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\"";
    const Parts parts{
        {"_rels/.rels", Relationships({{"r1", "officeDocument", "xl/workbook.xml"}})},
        {"xl/_rels/workbook.xml.rels",
         Relationships({{"a", "worksheet", "worksheets/sheet1.xml"}, {"b", "worksheet", "/xl/worksheets/sheet2.xml"},
                        {"c", "sharedStrings", "sharedStrings.xml"}})},
        {"xl/workbook.xml", "<workbook " + s +
                                " xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\">"
                                "<sheets><sheet name=\"second\" r:id=\"b\"/><sheet name=\"first\" r:id=\"a\"/>"
                                "</sheets></workbook>"},
        {"xl/sharedStrings.xml", "<sst " + s + "><si><t>shared</t></si><si><r><t>rich </t></r><r><t>text</t></r>"
                                 "<rPh><t>hint</t></rPh></si></sst>"},
        {"xl/worksheets/sheet1.xml",
         "<worksheet " + s + "><sheetData><row r=\"1\"><c r=\"A1\" t=\"s\"><v>0</v></c><c r=\"C1\"><v>2.5</v></c>"
         "</row><row r=\"2\"><c r=\"A2\" s=\"3\"/></row><row r=\"3\"><c t=\"b\"><v>1</v></c><c t=\"str\">"
         "<f>A1</f><v>formula</v></c><c t=\"s\"><v>99</v></c></row></sheetData></worksheet>"},
        {"xl/worksheets/sheet2.xml", "<worksheet " + s + "><sheetData><row><c t=\"inlineStr\"><is><t>inline</t></is>"
                                     "</c><c t=\"s\"><v>1</v></c></row></sheetData></worksheet>"}};
    // Empty rows and cells leave no trace; a string index out of range reads as nothing.
    EXPECT_EQ(Extract(DocumentKind::SheetXml, BuildPackage(dir, "b.xlsx", parts)),
              (std::vector<std::string>{"inline\trich text", "shared\t2.5", "TRUE\tformula"}));
}

const std::string kOdfNamespaces =
    "xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
    "xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\" "
    "xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\" "
    "xmlns:draw=\"urn:oasis:names:tc:opendocument:xmlns:drawing:1.0\" "
    "xmlns:presentation=\"urn:oasis:names:tc:opendocument:xmlns:presentation:1.0\" "
    "xmlns:dc=\"http://purl.org/dc/elements/1.1/\"";

std::string FlatDocument(const std::string& body) {
    return "<office:document " + kOdfNamespaces +
           "><office:master-styles><text:p>page header</text:p></office:master-styles><office:body>" + body +
           "</office:body></office:document>";
}

std::vector<std::string> FlatLines(const std::string& body) {
    const qf::DocumentText document = ExtractDocumentBytes(DocumentKind::FlatOpenDocument, FlatDocument(body));
    EXPECT_TRUE(document.Ok()) << document.refusal;
    return LinesOf(document.text);
}

TEST(DocumentStructure, OpenDocumentTextFollowsTheWhitespaceRules) {
    EXPECT_EQ(FlatLines("<office:text>\n  <text:p>\n  spaced   out\n</text:p>\n"
                        "<text:h>a<text:s text:c=\"3\"/>b<text:tab/>c<text:line-break/>d</text:h>"
                        "<text:p>see<text:note><text:note-citation>1</text:note-citation><text:note-body>"
                        "<text:p>the footnote</text:p></text:note-body></text:note> here"
                        "<office:annotation><dc:creator>me</dc:creator><text:p>comment</text:p></office:annotation>"
                        "</text:p><text:tracked-changes><text:changed-region><text:deletion><text:p>gone</text:p>"
                        "</text:deletion></text:changed-region></text:tracked-changes><text:p/></office:text>"),
              (std::vector<std::string>{"spaced out", "a   b\tc d", "see here", "", "the footnote"}));
}

TEST(DocumentStructure, OpenDocumentSheetsRepeatOnlyWhatHoldsText) {
    EXPECT_EQ(FlatLines("<office:spreadsheet><table:table>"
                        "<table:table-row><table:table-cell><text:p>a</text:p><text:p>b</text:p></table:table-cell>"
                        "<table:table-cell table:number-columns-repeated=\"3\"/>"
                        "<table:table-cell table:number-columns-repeated=\"2\"><text:p>c</text:p></table:table-cell>"
                        "</table:table-row>"
                        "<table:table-row table:number-rows-repeated=\"2\"><table:table-cell><text:p>d</text:p>"
                        "</table:table-cell></table:table-row>"
                        "<table:table-row table:number-rows-repeated=\"1048000\"><table:table-cell "
                        "table:number-columns-repeated=\"1024\"/></table:table-row>"
                        "</table:table></office:spreadsheet>"),
              (std::vector<std::string>{"a b\tc\tc", "d", "d"}));
}

TEST(DocumentStructure, OpenDocumentSlidesLeaveOutSpeakerNotes) {
    EXPECT_EQ(FlatLines("<office:presentation><draw:page><draw:frame><draw:text-box><text:p>slide one</text:p>"
                        "</draw:text-box></draw:frame><presentation:notes><draw:frame><draw:text-box>"
                        "<text:p>spoken</text:p></draw:text-box></draw:frame></presentation:notes></draw:page>"
                        "<draw:page><draw:frame><draw:text-box><text:p>slide two</text:p></draw:text-box>"
                        "</draw:frame></draw:page></office:presentation>"),
              (std::vector<std::string>{"slide one", "slide two"}));
}

TEST(DocumentStructure, FilesThatAreNotTheirFormatAreRefused) {
    TempDir dir;
    WriteFile(dir / "plain.docx", "just text, not a package");
    EXPECT_FALSE(ExtractDocumentFile(DocumentKind::WordXml, dir / "plain.docx").Ok());
    EXPECT_FALSE(ExtractDocumentFile(DocumentKind::WordXml, dir / "missing.docx").Ok());
    EXPECT_FALSE(ExtractDocumentBytes(DocumentKind::FlatOpenDocument, "<html><body>x</body></html>").Ok());
    // A package without its main part.
    const std::string odt = BuildPackage(dir, "empty.odt", {{"mimetype", "application/vnd.oasis.opendocument.text"}});
    EXPECT_FALSE(ExtractDocumentFile(DocumentKind::OpenDocument, odt).Ok());
    const std::string docx = BuildPackage(dir, "empty.docx", {{"word/styles.xml", "<x/>"}});
    EXPECT_FALSE(ExtractDocumentFile(DocumentKind::WordXml, docx).Ok());
}

}  // namespace
}  // namespace qftest
