#pragma once
// What a click on a result row works with: the row's record, the file it
// reads and the file it opens, the lines around the hit, and the file's
// times kept for restoring them.

#include <optional>
#include <string>
#include <string_view>

#include "platform/user_messages.h"
#include "platform/win_types.h"
#include "results/search_results.h"
#include "settings/options.h"

namespace qf {

struct ClickRecord {
    tagPrivStruct record;
    std::string readPath;  // what the views read: converted text, extracted copy or the file
    std::string openPath;  // what is opened: extracted copy or the file, never the converted text
};

// The record of a row with its two paths; nullopt when the row does not exist.
// The paths come from the record's own full paths: the displayed columns are
// padded with spaces.
std::optional<ClickRecord> ReadClickRecord(const SearchResults& results, size_t row);
ClickRecord MakeClickRecord(tagPrivStruct record);

// The store entry of the record's file (a copy); prefers the entry of the
// record's own kind when a path is stored more than once.
std::optional<tagFileStrukt> FindResultFile(SearchResults& results, const tagPrivStruct& record);

// Lines shown above and below a hit.
struct LinesAround {
    uint32_t above = 2;
    uint32_t below = 2;
};

// ABOVERESNO and BELOWRESNO.
LinesAround LinesAroundFromOptions(const Options& options);
// An edit's text as a line count; text that is not a number gives fallback.
uint32_t ReadLineCountEdit(std::string_view text, uint32_t fallback);
// Above 100 shows 0115 (above) or 0116 (below) and gives 1; else the value.
uint32_t CheckLineCountEdit(uint32_t value, bool above, UserMessages& messages);

// The open path's times, looked up before a read so that RESTORETIM can put
// them back; nothing for the root or a path that cannot be looked up.
std::optional<WIN32_FIND_DATAA> KeepFileTimes(const std::string& path);
void RestoreKeptTimes(const std::string& path, const std::optional<WIN32_FIND_DATAA>& kept, const Options& options);

}  // namespace qf
