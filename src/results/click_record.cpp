#include "results/click_record.h"

#include <charconv>

#include "platform/file_info.h"
#include "platform/paths.h"

namespace qf {
namespace {

constexpr uint32_t kMaxLinesAround = 100;

}  // namespace

ClickRecord MakeClickRecord(tagPrivStruct record) {
    ClickRecord click;
    const bool extracted = !record.unzippedFileName.empty();
    const bool converted = !record.convertedFolder.empty();
    if (converted)
        click.readPath = record.convertedFullPath;
    else if (extracted)
        click.readPath = record.unzippedFullPath;
    else
        click.readPath = record.fullPath;
    click.openPath = extracted ? record.unzippedFullPath : record.fullPath;
    click.record = std::move(record);
    return click;
}

std::optional<ClickRecord> ReadClickRecord(const SearchResults& results, size_t row) {
    if (row >= results.Size()) return std::nullopt;
    return MakeClickRecord(results.Row(row));
}

std::optional<tagFileStrukt> FindResultFile(SearchResults& results, const tagPrivStruct& record) {
    std::optional<tagFileStrukt> found;
    results.WithLock([&](RESULT_LIST&, FileResultsStore& store) {
        const auto [first, last] = store.equal_range(record.fullPath);
        for (auto it = first; it != last; ++it) {
            if (!found || it->second.resultKind == record.resultKind) found = it->second;
            if (it->second.resultKind == record.resultKind) break;
        }
    });
    return found;
}

LinesAround LinesAroundFromOptions(const Options& options) {
    auto count = [](int32_t v) { return v < 0 ? 0u : uint32_t(v); };
    return {count(options.Int(Opt::ABOVERESNO)), count(options.Int(Opt::BELOWRESNO))};
}

uint32_t ReadLineCountEdit(std::string_view text, uint32_t fallback) {
    uint32_t value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size() && !text.empty() ? value : fallback;
}

uint32_t CheckLineCountEdit(uint32_t value, bool above, UserMessages& messages) {
    if (value <= kMaxLinesAround) return value;
    messages.Show(WarningMessage(above ? "Warning !    Msg no: 0115." : "Warning !    Msg no: 0116.",
                                 "Maximum number to enter is : " + std::to_string(kMaxLinesAround) + "."));
    return 1;
}

std::optional<WIN32_FIND_DATAA> KeepFileTimes(const std::string& path) {
    WIN32_FIND_DATAA data;
    if (path.empty() || TrimTrailingSeparators(path) == "/") return std::nullopt;
    if (!GetFindData(path, data)) return std::nullopt;
    return data;
}

void RestoreKeptTimes(const std::string& path, const std::optional<WIN32_FIND_DATAA>& kept, const Options& options) {
    // Without a lookup there is nothing to put back; zero times would be wrong.
    if (!options.On(Opt::RESTORETIM) || !kept) return;
    RestoreFileTimes(path, kept->ftLastAccessTime, kept->ftLastWriteTime);
}

}  // namespace qf
