#pragma once
// The relationships of an Office Open XML package: which part is the main
// document, and which parts (sheets, slides, headers ...) belong to a part.

#include <string>
#include <string_view>
#include <vector>

#include "documents/zip_package.h"

namespace qf {

struct PackageRelation {
    std::string id;
    std::string type;    // the full type URI
    std::string target;  // the part name the target resolves to, without a leading "/"
};

// The internal relationships of `sourcePart` ("" for the package itself), in
// the order they are stored; a part without relationships has none. False
// (with the package's refusal set) only for a damaged relationships part.
bool ReadRelations(ZipPackage& package, std::string_view sourcePart, std::vector<PackageRelation>& relations);

// True when the relationship type URI ends in "/" + `kind` (for example
// "officeDocument", "worksheet", "slide"): the transitional and the strict
// forms of the URIs differ only before it.
bool RelationIs(const PackageRelation& relation, std::string_view kind);

// The first relationship of this kind, or nullptr.
const PackageRelation* FindRelation(const std::vector<PackageRelation>& relations, std::string_view kind);

// The package's main part (its "officeDocument" relationship), or
// `fallback` when the package names none. False when the part is missing.
bool MainPartOf(ZipPackage& package, std::string_view fallback, std::string& part);

// Resolves a relationship target against the folder of its source part.
std::string ResolvePartName(std::string_view sourcePart, std::string_view target);

}  // namespace qf
