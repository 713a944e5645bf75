#include "results/text_file_lines.h"

#include <fstream>

#include "platform/file_info.h"

namespace qf {

bool ReadFirstLines(const std::string& path, uint32_t lastLine, std::vector<std::string>& lines) {
    lines.clear();
    if (!IsRegularFile(path)) return false;
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::string line;
    while (lines.size() < lastLine && std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(std::move(line));
    }
    return true;
}

}  // namespace qf
