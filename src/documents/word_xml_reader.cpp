#include "documents/word_xml_reader.h"

#include "documents/ooxml_namespaces.h"
#include "documents/package_relations.h"
#include "documents/text_lines.h"

namespace qf {
namespace {

bool IsWord(const XmlName& name, std::string_view local) {
    return name.local == local && OoxmlSpaceOf(name.ns) == OoxmlSpace::Word;
}

// Separator notes only draw the line above the notes; they hold no text.
bool IsSeparatorNote(const XmlName& name, const XmlAttributes& attributes) {
    if (!IsWord(name, "footnote") && !IsWord(name, "endnote")) return false;
    const std::string_view type = attributes.Find(name.ns, "type");
    return type == "separator" || type == "continuationSeparator" || type == "continuationNotice";
}

class WordHandler : public XmlHandler {
public:
    explicit WordHandler(TextLines& lines) : lines_(lines) {}

    bool StartElement(const XmlName& name, const XmlAttributes& attributes) override {
        if (skipDepth_ > 0 || SkipsSubtree(name, attributes)) {
            ++skipDepth_;
            return true;
        }
        if (IsWord(name, "p")) lines_.OpenParagraph();
        else if (IsWord(name, "r")) ++runDepth_;
        else if (IsText(name)) inText_ = true;
        else if (runDepth_ > 0) RunMark(name);
        return !lines_.Full();
    }

    bool EndElement(const XmlName& name) override {
        if (skipDepth_ > 0) {
            --skipDepth_;
            return true;
        }
        if (IsWord(name, "p")) lines_.CloseParagraph();
        else if (IsWord(name, "r") && runDepth_ > 0) --runDepth_;
        else if (IsText(name)) inText_ = false;
        return !lines_.Full();
    }

    bool Characters(std::string_view text) override {
        if (inText_ && skipDepth_ == 0) lines_.Add(text);
        return !lines_.Full();
    }

private:
    static bool IsText(const XmlName& name) {
        if (name.local != "t") return false;
        const OoxmlSpace space = OoxmlSpaceOf(name.ns);
        return space == OoxmlSpace::Word || space == OoxmlSpace::Math;
    }

    // The fallback of alternate content repeats what its choice holds.
    static bool SkipsSubtree(const XmlName& name, const XmlAttributes& attributes) {
        if (name.local == "Fallback" && OoxmlSpaceOf(name.ns) == OoxmlSpace::MarkupCompatibility) return true;
        return IsSeparatorNote(name, attributes);
    }

    // Marks inside a run that stand for characters.
    void RunMark(const XmlName& name) {
        if (IsWord(name, "tab")) lines_.Add("\t");
        else if (IsWord(name, "br") || IsWord(name, "cr")) lines_.AddSeparatorSpace();
        else if (IsWord(name, "noBreakHyphen")) lines_.Add("-");
    }

    TextLines& lines_;
    int skipDepth_ = 0;
    int runDepth_ = 0;
    bool inText_ = false;
};

bool ReadPart(ZipPackage& package, const std::string& part, TextLines& lines) {
    WordHandler handler(lines);
    return package.ParsePart(part, handler, kTextLimitReason);
}

}  // namespace

DocumentText ReadWordXml(ZipPackage& package, const DocumentLimits& limits) {
    std::string main;
    if (!MainPartOf(package, "word/document.xml", main)) return DocumentText::Refused(package.Refusal());
    std::vector<PackageRelation> relations;
    if (!ReadRelations(package, main, relations)) return DocumentText::Refused(package.Refusal());
    TextLines lines(limits.maxXmlBytes);
    if (!ReadPart(package, main, lines)) return DocumentText::Refused(package.Refusal());
    for (const char* kind : {"header", "footer", "footnotes", "endnotes"}) {
        for (const PackageRelation& relation : relations) {
            if (!RelationIs(relation, kind) || !package.Has(relation.target)) continue;
            if (!ReadPart(package, relation.target, lines)) return DocumentText::Refused(package.Refusal());
        }
    }
    return DocumentText{lines.Finish(), {}};
}

}  // namespace qf
