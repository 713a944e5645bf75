#pragma once
// The active settings as a readable list of attribute and value, for the
// "Show Tavilan" windows and the search logic section of a report.

#include <string>
#include <vector>

#include "settings/settings_state.h"

namespace qf {

struct _Baz_Active_Struct {
    std::string text;  // the attribute
    std::string value;
    bool operator==(const _Baz_Active_Struct&) const = default;
};

using BAZ_ACTIVE_LIST = std::vector<_Baz_Active_Struct>;

// What a description reads besides the options.
struct DescriptionSources {
    std::string standardQuery;
    std::string booleanQuery;                   // also the micro Boolean query
    std::vector<std::string> copyDestinations;  // the smart copy's destination history
    bool report = false;                        // the report's spellings and folder layout
};

// Builds the entry list from the options in the order of the sections.
BAZ_ACTIVE_LIST BuildDescription(const Options& options, const DescriptionSources& sources);

// The screen variant: the current options, the query texts of FINDTEXTS1 and
// FINDRICHED (the front end stores its controls into the options first,
// the "Managing  results" values included).
BAZ_ACTIVE_LIST BuildScreenDescription(const Options& current, const std::vector<std::string>& copyDestinations);

// The report variant: the snapshot of the last search start, so that a report
// describes the search as it was run; only the display choices DISPLAYATE and
// DISPLAYDUR come from the current options.
BAZ_ACTIVE_LIST BuildReportDescription(const _Multi_Settings_Struct& snapshot, const Options& current,
                                       const std::vector<std::string>& copyDestinations);

// The five summary lines shown under the screen list.
std::vector<std::string> DescriptionSummaryLines(const Options& current);

// The entries padded under the header "    Attributes" / "Value": the header
// line, a "-" line as long as it, a line of two spaces, then one line per
// entry (attribute, three spaces, value).
std::vector<std::string> DescriptionTableLines(const BAZ_ACTIVE_LIST& entries);

// What --describe prints: the screen list as a table, an empty line and the summary lines.
std::vector<std::string> ScreenDescriptionLines(const Options& current,
                                                const std::vector<std::string>& copyDestinations);

}  // namespace qf
