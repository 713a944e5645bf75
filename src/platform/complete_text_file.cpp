#include "platform/complete_text_file.h"

#include <fstream>

namespace qf {

bool WriteCrLfLinesCompletely(const std::string& path, const std::vector<std::string>& lines) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    for (const std::string& line : lines) out << line << "\r\n";
    out.close();  // buffered lines are written here; a failure sets failbit
    return !out.fail();
}

}  // namespace qf
