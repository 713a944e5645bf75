#pragma once
// Private to the settings description: appends entries and formats values.

#include <string>
#include <vector>

#include "reports/settings_description.h"

namespace qf::description {

constexpr const char* kIndent = "          ";  // ten spaces before an entry text

class Builder {
public:
    Builder(const Options& options, const DescriptionSources& sources) : o(options), src(sources) {}

    void Heading(const std::string& text) { list.push_back({text, " "}); }
    void Blank() { list.push_back({" ", " "}); }
    void Entry(const std::string& text, std::string value) { list.push_back({kIndent + text, std::move(value)}); }
    void On(const std::string& text) { Entry(text, "ON"); }
    void OnIf(Opt option, const std::string& text) {
        if (o.On(option)) On(text);
    }
    // An entry that carries its own leading spaces.
    void Raw(std::string text, std::string value) { list.push_back({std::move(text), std::move(value)}); }
    // A list of types: the first line on the entry, each further line after eleven spaces.
    void Types(const std::string& text, const OptionMap& types);
    // A folder list: screen rows carry the folder as value, report rows as text.
    void Folders(const std::string& heading, const std::vector<std::string>& folders, bool asValue);

    const Options& o;
    const DescriptionSources& src;
    BAZ_ACTIVE_LIST list;
};

std::string Number(int64_t value);
// A TERM rule's text when its flag is set and the text is not blank.
bool TermRuleSet(const Options& o, Opt flag, Opt text);
std::string Trimmed(const std::string& text);

// The sections, in the order they are appended.
void SearchBySection(Builder& b);
void FolderSection(Builder& b);
void FileSection(Builder& b);
void TextSection(Builder& b);
void DateSizeSection(Builder& b);
void ResultsSection(Builder& b);
void ReportsSection(Builder& b);
void CopySection(Builder& b);
void ReverseSection(Builder& b);

// "Files with size larger than " ... and its value, from the given rule options.
struct SizeRuleKeys {
    Opt larger, smaller, equal, between, from, to, bytes, kilo, mega, giga;
};
void SizeEntry(Builder& b, const SizeRuleKeys& keys);

}  // namespace qf::description
