#include "documents/sheet_xml_reader.h"

#include <vector>

#include "documents/ooxml_namespaces.h"
#include "documents/package_relations.h"
#include "documents/text_lines.h"

namespace qf {
namespace {

bool IsSheet(const XmlName& name, std::string_view local) {
    return name.local == local && OoxmlSpaceOf(name.ns) == OoxmlSpace::Sheet;
}

// The text of string items: <si> of the shared strings, <is> of an inline
// cell. Runs are joined; phonetic hints (<rPh>) are not part of the text.
class StringItemText {
public:
    void Start(const XmlName& name) {
        if (IsSheet(name, "rPh")) ++phoneticDepth_;
        else if (IsSheet(name, "t") && phoneticDepth_ == 0) inText_ = true;
    }
    void End(const XmlName& name) {
        if (IsSheet(name, "rPh") && phoneticDepth_ > 0) --phoneticDepth_;
        else if (IsSheet(name, "t")) inText_ = false;
    }
    void Characters(std::string_view text, std::string& out) const {
        if (inText_) out += text;
    }

private:
    int phoneticDepth_ = 0;
    bool inText_ = false;
};

class SharedStringsHandler : public XmlHandler {
public:
    SharedStringsHandler(std::vector<std::string>& strings, uint64_t maxBytes) : strings_(strings), maxBytes_(maxBytes) {}

    bool StartElement(const XmlName& name, const XmlAttributes&) override {
        if (IsSheet(name, "si")) {
            strings_.emplace_back();
            inItem_ = true;
        } else if (inItem_) {
            item_.Start(name);
        }
        return true;
    }
    bool EndElement(const XmlName& name) override {
        if (IsSheet(name, "si")) inItem_ = false;
        else if (inItem_) item_.End(name);
        return true;
    }
    bool Characters(std::string_view text) override {
        if (!inItem_) return true;
        item_.Characters(text, strings_.back());
        bytes_ += text.size();
        return bytes_ <= maxBytes_;
    }

private:
    std::vector<std::string>& strings_;
    uint64_t maxBytes_;
    uint64_t bytes_ = 0;
    bool inItem_ = false;
    StringItemText item_;
};

// The sheets named by the workbook, in its order, as part names.
class WorkbookHandler : public XmlHandler {
public:
    WorkbookHandler(const std::vector<PackageRelation>& relations, std::vector<std::string>& sheets)
        : relations_(relations), sheets_(sheets) {}

    bool StartElement(const XmlName& name, const XmlAttributes& attributes) override {
        if (!IsSheet(name, "sheet")) return true;
        const std::string_view id = RelationshipIdOf(attributes);
        for (const PackageRelation& relation : relations_)
            if (relation.id == id && RelationIs(relation, "worksheet")) sheets_.push_back(relation.target);
        return true;
    }
    bool EndElement(const XmlName&) override { return true; }
    bool Characters(std::string_view) override { return true; }

private:
    const std::vector<PackageRelation>& relations_;
    std::vector<std::string>& sheets_;
};

class WorksheetHandler : public XmlHandler {
public:
    WorksheetHandler(const std::vector<std::string>& strings, TextLines& lines) : strings_(strings), lines_(lines) {}

    bool StartElement(const XmlName& name, const XmlAttributes& attributes) override {
        if (IsSheet(name, "row")) {
            lines_.OpenParagraph();
        } else if (IsSheet(name, "c")) {
            cellType_ = attributes.Find({}, "t");
            value_.clear();
            inCell_ = true;
        } else if (inCell_) {
            if (IsSheet(name, "v")) inValue_ = true;
            else if (IsSheet(name, "is")) inInline_ = true;
            else if (inInline_) inline_.Start(name);
        }
        return !lines_.Full();
    }

    bool EndElement(const XmlName& name) override {
        if (IsSheet(name, "row")) EndRow();
        else if (IsSheet(name, "c")) EndCell();
        else if (IsSheet(name, "v")) inValue_ = false;
        else if (IsSheet(name, "is")) inInline_ = false;
        else if (inInline_) inline_.End(name);
        return !lines_.Full();
    }

    bool Characters(std::string_view text) override {
        if (inValue_) value_ += text;
        else if (inInline_) inline_.Characters(text, value_);
        return value_.size() <= kMaxCell;
    }

private:
    static constexpr size_t kMaxCell = size_t(64) << 20;

    void EndRow() {
        if (lines_.ParagraphEmpty()) lines_.DropParagraph();
        else lines_.CloseParagraph();
    }

    void EndCell() {
        inCell_ = inValue_ = inInline_ = false;
        const std::string text = CellText();
        if (text.empty()) return;
        if (!lines_.ParagraphEmpty()) lines_.Add("\t");
        lines_.Add(text);
    }

    std::string CellText() const {
        if (cellType_ == "s") {
            size_t index = 0;
            for (char c : value_) {
                if (c < '0' || c > '9' || index > strings_.size()) return {};
                index = index * 10 + size_t(c - '0');
            }
            return !value_.empty() && index < strings_.size() ? strings_[index] : std::string();
        }
        if (cellType_ == "b") return value_ == "1" ? "TRUE" : value_ == "0" ? "FALSE" : value_;
        return value_;
    }

    const std::vector<std::string>& strings_;
    TextLines& lines_;
    std::string cellType_;
    std::string value_;
    bool inCell_ = false;
    bool inValue_ = false;
    bool inInline_ = false;
    StringItemText inline_;
};

}  // namespace

DocumentText ReadSheetXml(ZipPackage& package, const DocumentLimits& limits) {
    std::string workbook;
    std::vector<PackageRelation> relations;
    if (!MainPartOf(package, "xl/workbook.xml", workbook) || !ReadRelations(package, workbook, relations))
        return DocumentText::Refused(package.Refusal());
    std::vector<std::string> sheets;
    WorkbookHandler workbookHandler(relations, sheets);
    if (!package.ParsePart(workbook, workbookHandler, "")) return DocumentText::Refused(package.Refusal());

    std::vector<std::string> strings;
    const PackageRelation* shared = FindRelation(relations, "sharedStrings");
    if (shared && package.Has(shared->target)) {
        SharedStringsHandler handler(strings, limits.maxXmlBytes);
        if (!package.ParsePart(shared->target, handler, kTextLimitReason)) return DocumentText::Refused(package.Refusal());
    }
    TextLines lines(limits.maxXmlBytes);
    for (const std::string& sheet : sheets) {
        if (!package.Has(sheet)) continue;
        WorksheetHandler handler(strings, lines);
        if (!package.ParsePart(sheet, handler, kTextLimitReason)) return DocumentText::Refused(package.Refusal());
    }
    return DocumentText{lines.Finish(), {}};
}

}  // namespace qf
