// Documents built to hurt a reader: bombs, entity expansion, unsafe names,
// encryption and amplified text are refused with a reason, and nothing else
// is read from them.

#include <gtest/gtest.h>

#include "documents/document_support.h"

namespace qftest {
namespace {

using qf::DocumentKind;
using qf::DocumentLimits;
using qf::ExtractDocumentFile;

bool Mentions(const qf::DocumentText& document, const std::string& words) {
    return !document.Ok() && document.text.empty() && document.refusal.find(words) != std::string::npos;
}

// 4 MiB of one repeated paragraph: it deflates a thousandfold.
std::string BombBody() {
    std::string body;
    const std::string paragraph = Paragraph("aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa");
    while (body.size() < (size_t(4) << 20)) body += paragraph;
    return WordDocument(body);
}

TEST(HostileDocuments, ZipBombIsRefusedBeforeItIsInflated) {
    TempDir dir;
    const std::string bomb = BuildPackage(dir, "bomb.docx", WordParts(BombBody()));
    EXPECT_TRUE(Mentions(ExtractDocumentFile(DocumentKind::WordXml, bomb), "compression ratio over 100"));

    // Sizes that lie about the entry do not get it read either.
    const std::string liar = dir / "liar.docx";
    ZipBuilder zip(liar);
    zip.File("_rels/.rels", WordParts("").front().second).DeclaredSize("word/document.xml", BombBody(), 1000);
    zip.Close();
    EXPECT_FALSE(ExtractDocumentFile(DocumentKind::WordXml, liar).Ok());
}

TEST(HostileDocuments, MoreXmlThanTheLimitIsRefused) {
    TempDir dir;
    std::string body;
    for (int i = 0; body.size() < 200000; ++i) body += Paragraph("paragraph " + std::to_string(i * 7919));
    const std::string path = BuildPackage(dir, "long.docx", WordParts(WordDocument(body)));
    DocumentLimits limits;
    limits.maxXmlBytes = 100000;
    EXPECT_TRUE(Mentions(ExtractDocumentFile(DocumentKind::WordXml, path, limits), "of XML"));
    EXPECT_TRUE(ExtractDocumentFile(DocumentKind::WordXml, path).Ok());
}

TEST(HostileDocuments, TooManyEntriesAreRefused) {
    TempDir dir;
    Parts parts = WordParts(WordDocument(Paragraph("x")));
    for (int i = 0; i < 9999; ++i) parts.emplace_back("media/e" + std::to_string(i), "");
    const std::string path = BuildPackage(dir, "many.docx", parts);
    EXPECT_TRUE(Mentions(ExtractDocumentFile(DocumentKind::WordXml, path), "more than 10000 entries"));
    parts.pop_back();
    EXPECT_TRUE(ExtractDocumentFile(DocumentKind::WordXml, BuildPackage(dir, "enough.docx", parts)).Ok());
}

TEST(HostileDocuments, EntryNamesThatLeaveTheFolderAreRefused) {
    TempDir dir;
    for (const char* name : {"../../evil.xml", "word/../../evil.xml", "/etc/evil.xml", "..\\evil.xml", "C:evil.xml"}) {
        Parts parts = WordParts(WordDocument(Paragraph("x")));
        parts.emplace_back(name, "<x/>");
        const std::string path = BuildPackage(dir, "traversal.docx", parts);
        EXPECT_TRUE(Mentions(ExtractDocumentFile(DocumentKind::WordXml, path), "unsafe entry name")) << name;
    }
}

const char* const kLaughs =
    "<?xml version=\"1.0\"?><!DOCTYPE lolz [<!ENTITY lol \"lol\">"
    "<!ENTITY lol1 \"&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;\">"
    "<!ENTITY lol2 \"&lol1;&lol1;&lol1;&lol1;&lol1;&lol1;&lol1;&lol1;&lol1;&lol1;\">"
    "<!ENTITY lol3 \"&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;\">"
    "<!ENTITY lol4 \"&lol3;&lol3;&lol3;&lol3;&lol3;&lol3;&lol3;&lol3;&lol3;&lol3;\">"
    "<!ENTITY lol5 \"&lol4;&lol4;&lol4;&lol4;&lol4;&lol4;&lol4;&lol4;&lol4;&lol4;\">"
    "<!ENTITY lol6 \"&lol5;&lol5;&lol5;&lol5;&lol5;&lol5;&lol5;&lol5;&lol5;&lol5;\">"
    "<!ENTITY lol7 \"&lol6;&lol6;&lol6;&lol6;&lol6;&lol6;&lol6;&lol6;&lol6;&lol6;\">"
    "<!ENTITY lol8 \"&lol7;&lol7;&lol7;&lol7;&lol7;&lol7;&lol7;&lol7;&lol7;&lol7;\">"
    "<!ENTITY lol9 \"&lol8;&lol8;&lol8;&lol8;&lol8;&lol8;&lol8;&lol8;&lol8;&lol8;\">]>";

TEST(HostileDocuments, EntityExpansionIsRefused) {
    TempDir dir;
    const std::string word = std::string(kLaughs) + "<w:document xmlns:w=\"" + kWordNs +
                             "\"><w:body><w:p><w:r><w:t>&lol9;</w:t></w:r></w:p></w:body></w:document>";
    const std::string docx = BuildPackage(dir, "laughs.docx", WordParts(word));
    EXPECT_TRUE(Mentions(ExtractDocumentFile(DocumentKind::WordXml, docx), "document type declaration"));

    const std::string flat = std::string(kLaughs) +
                             "<office:document xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
                             "xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\"><office:body>"
                             "<office:text><text:p>&lol9;</text:p></office:text></office:body></office:document>";
    EXPECT_TRUE(Mentions(qf::ExtractDocumentBytes(DocumentKind::FlatOpenDocument, flat), "document type declaration"));
}

TEST(HostileDocuments, EncryptedDocumentsAreRefused) {
    TempDir dir;
    const std::string zipped = dir / "protected.docx";
    ZipBuilder zip(zipped);
    zip.File("_rels/.rels", WordParts("").front().second)
        .Protected("word/document.xml", WordDocument(Paragraph("secret")), "password");
    zip.Close();
    EXPECT_TRUE(Mentions(ExtractDocumentFile(DocumentKind::WordXml, zipped), "encrypted"));

    // What an office suite writes for a protected document: a compound file.
    std::string compound = "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1";
    compound.resize(4096, '\0');
    WriteFile(dir / "compound.xlsx", compound);
    EXPECT_TRUE(Mentions(ExtractDocumentFile(DocumentKind::SheetXml, dir / "compound.xlsx"), "encrypted"));

    const std::string odt = BuildPackage(
        dir, "protected.odt",
        {{"META-INF/manifest.xml",
          "<manifest:manifest xmlns:manifest=\"urn:oasis:names:tc:opendocument:xmlns:manifest:1.0\">"
          "<manifest:file-entry manifest:full-path=\"content.xml\"><manifest:encryption-data/>"
          "</manifest:file-entry></manifest:manifest>"},
         {"content.xml", "\x01\x02 not xml"}});
    EXPECT_TRUE(Mentions(ExtractDocumentFile(DocumentKind::OpenDocument, odt), "encrypted"));
}

// Small XML can stand for a great deal of text: a shared string used in
// every cell, a row repeated a million times. The text bound holds.
TEST(HostileDocuments, TextAmplifiedByReferencesStaysBounded) {
    TempDir dir;
    const std::string sheetNs = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
    std::string cells;
    for (int i = 0; i < 200; ++i) cells += "<c t=\"s\"><v>0</v></c>";
    const std::string xlsx = BuildPackage(
        dir, "shared.xlsx",
        {{"_rels/.rels",
          "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
          "<Relationship Id=\"r1\" Type=\"x/officeDocument\" Target=\"xl/workbook.xml\"/></Relationships>"},
         {"xl/_rels/workbook.xml.rels",
          "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
          "<Relationship Id=\"s1\" Type=\"x/worksheet\" Target=\"sheet.xml\"/>"
          "<Relationship Id=\"s2\" Type=\"x/sharedStrings\" Target=\"strings.xml\"/></Relationships>"},
         {"xl/workbook.xml", "<workbook xmlns=\"" + sheetNs +
                                 "\" xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\">"
                                 "<sheets><sheet r:id=\"s1\"/></sheets></workbook>"},
         {"xl/strings.xml", "<sst xmlns=\"" + sheetNs + "\"><si><t>" + std::string(50000, 'w') + "</t></si></sst>"},
         {"xl/sheet.xml", "<worksheet xmlns=\"" + sheetNs + "\"><sheetData><row>" + cells +
                              "</row></sheetData></worksheet>"}});
    DocumentLimits limits;
    limits.maxXmlBytes = size_t(2) << 20;
    EXPECT_TRUE(Mentions(ExtractDocumentFile(DocumentKind::SheetXml, xlsx, limits), "more text"));
    EXPECT_TRUE(ExtractDocumentFile(DocumentKind::SheetXml, xlsx).Ok());

    const std::string rows =
        "<office:document xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
        "xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\" "
        "xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\"><office:body><office:spreadsheet>"
        "<table:table><table:table-row table:number-rows-repeated=\"1048576\">"
        "<table:table-cell table:number-columns-repeated=\"16384\"><text:p>x</text:p></table:table-cell>"
        "</table:table-row></table:table></office:spreadsheet></office:body></office:document>";
    EXPECT_TRUE(Mentions(qf::ExtractDocumentBytes(DocumentKind::FlatOpenDocument, rows, limits), "more text"));
}

}  // namespace
}  // namespace qftest
