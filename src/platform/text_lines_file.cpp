#include "platform/text_lines_file.h"

#include <fstream>

namespace qf {

ReplaceResult WriteCrLfFile(const std::string& path, const std::vector<std::string>& lines) {
    size_t size = 0;
    for (const std::string& line : lines) size += line.size() + 2;
    std::string bytes;
    bytes.reserve(size);
    for (const std::string& line : lines) {
        bytes += line;
        bytes += "\r\n";
    }
    return ReplaceFileContent(path, bytes);
}

bool WriteCrLfLines(const std::string& path, const std::vector<std::string>& lines) {
    return WriteCrLfFile(path, lines) == ReplaceResult::Written;
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
