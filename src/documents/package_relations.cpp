#include "documents/package_relations.h"

#include "platform/paths.h"

namespace qf {
namespace {

constexpr std::string_view kRelationsNamespace = "http://schemas.openxmlformats.org/package/2006/relationships";

class RelationsHandler : public XmlHandler {
public:
    explicit RelationsHandler(std::vector<PackageRelation>& relations, std::string_view sourcePart)
        : relations_(relations), sourcePart_(sourcePart) {}

    bool StartElement(const XmlName& name, const XmlAttributes& attributes) override {
        if (!name.Is(kRelationsNamespace, "Relationship")) return true;
        if (attributes.Find({}, "TargetMode") == "External") return true;
        relations_.push_back(PackageRelation{std::string(attributes.Find({}, "Id")),
                                             std::string(attributes.Find({}, "Type")),
                                             ResolvePartName(sourcePart_, attributes.Find({}, "Target"))});
        return true;
    }
    bool EndElement(const XmlName&) override { return true; }
    bool Characters(std::string_view) override { return true; }

private:
    std::vector<PackageRelation>& relations_;
    std::string_view sourcePart_;
};

std::string FolderOf(std::string_view part) {
    const size_t slash = part.rfind('/');
    return slash == std::string_view::npos ? std::string() : std::string(part.substr(0, slash + 1));
}

std::string RelationsPartOf(std::string_view sourcePart) {
    const size_t slash = sourcePart.rfind('/');
    const std::string_view name = slash == std::string_view::npos ? sourcePart : sourcePart.substr(slash + 1);
    return FolderOf(sourcePart) + "_rels/" + std::string(name) + ".rels";
}

}  // namespace

std::string ResolvePartName(std::string_view sourcePart, std::string_view target) {
    std::string path = !target.empty() && target.front() == '/' ? std::string(target.substr(1))
                                                                 : FolderOf(sourcePart) + std::string(target);
    std::string out;
    for (std::string_view part : ResolvedParts(path, false)) out.append(out.empty() ? "" : "/").append(part);
    return out;
}

bool ReadRelations(ZipPackage& package, std::string_view sourcePart, std::vector<PackageRelation>& relations) {
    relations.clear();
    const std::string part = RelationsPartOf(sourcePart);
    if (!package.Has(part)) return true;
    RelationsHandler handler(relations, sourcePart);
    return package.ParsePart(part, handler, "");
}

bool RelationIs(const PackageRelation& relation, std::string_view kind) {
    const std::string_view type = relation.type;
    return type.size() > kind.size() && type.substr(type.size() - kind.size()) == kind &&
           type[type.size() - kind.size() - 1] == '/';
}

const PackageRelation* FindRelation(const std::vector<PackageRelation>& relations, std::string_view kind) {
    for (const PackageRelation& relation : relations)
        if (RelationIs(relation, kind)) return &relation;
    return nullptr;
}

bool MainPartOf(ZipPackage& package, std::string_view fallback, std::string& part) {
    std::vector<PackageRelation> relations;
    if (!ReadRelations(package, "", relations)) return false;
    const PackageRelation* main = FindRelation(relations, "officeDocument");
    part = main ? main->target : std::string(fallback);
    return package.Require(part);
}

}  // namespace qf
