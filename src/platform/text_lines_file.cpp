#include "platform/text_lines_file.h"

#include <fstream>

namespace qf {

bool WriteCrLfLines(const std::string& path, const std::vector<std::string>& lines) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    for (const std::string& line : lines) out << line << "\r\n";
    out.close();  // buffered lines are written here; a failure sets failbit
    return !out.fail();
}

bool ReadTextLines(const std::string& path, std::vector<std::string>& lines) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return true;
}

bool CanOpenForReading(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return bool(in);
}

}  // namespace qf
