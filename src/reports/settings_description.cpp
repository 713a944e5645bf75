#include "reports/settings_description.h"

#include "reports/description_builder.h"
#include "reports/report_table.h"

namespace qf {
namespace description {

std::string Number(int64_t value) { return std::to_string(value); }

std::string Trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

bool TermRuleSet(const Options& o, Opt flag, Opt text) { return o.On(flag) && !Trimmed(o.Text(text)).empty(); }

}  // namespace description

BAZ_ACTIVE_LIST BuildDescription(const Options& options, const DescriptionSources& sources) {
    using namespace description;
    Builder b(options, sources);
    SearchBySection(b);
    FolderSection(b);
    FileSection(b);
    // A search by file name has no text options to describe.
    if (!options.On(Opt::STYDOSFILE)) TextSection(b);
    DateSizeSection(b);
    ResultsSection(b);
    ReportsSection(b);
    CopySection(b);
    ReverseSection(b);
    return std::move(b.list);
}

BAZ_ACTIVE_LIST BuildScreenDescription(const Options& current, const std::vector<std::string>& copyDestinations) {
    DescriptionSources sources{current.Text(Opt::FINDTEXTS1), current.Text(Opt::FINDRICHED), copyDestinations, false};
    return BuildDescription(current, sources);
}

BAZ_ACTIVE_LIST BuildReportDescription(const _Multi_Settings_Struct& snapshot, const Options& current,
                                       const std::vector<std::string>& copyDestinations) {
    Options options = snapshot.options;
    options.SetInt(Opt::DISPLAYATE, current.Int(Opt::DISPLAYATE));
    options.SetInt(Opt::DISPLAYDUR, current.Int(Opt::DISPLAYDUR));
    DescriptionSources sources{snapshot.lastStandardQuery, snapshot.lastBooleanQuery, copyDestinations, true};
    return BuildDescription(options, sources);
}

std::vector<std::string> DescriptionTableLines(const BAZ_ACTIVE_LIST& entries) {
    TEXT_TABLE table{{"    Attributes", "Value"}};
    for (const _Baz_Active_Struct& entry : entries) table.push_back({entry.text, entry.value});
    const TEXT_TABLE padded = PadTable(table, {Align::Left, Align::Left});
    std::vector<std::string> lines;
    for (const TEXT_ROW& row : padded) lines.push_back(JoinCells(row, "   ", false));
    lines.insert(lines.begin() + 1, {std::string(lines.front().size(), '-'), "  "});
    return lines;
}

std::vector<std::string> ScreenDescriptionLines(const Options& current,
                                                const std::vector<std::string>& copyDestinations) {
    std::vector<std::string> lines = DescriptionTableLines(BuildScreenDescription(current, copyDestinations));
    lines.emplace_back();
    for (std::string& line : DescriptionSummaryLines(current)) lines.push_back(std::move(line));
    return lines;
}

}  // namespace qf
