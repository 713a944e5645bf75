#include "results/text_file_lines.h"

#include <string_view>

#include "platform/content_file.h"
#include "platform/text_decoder.h"

namespace qf {

bool ReadFirstLines(const std::string& path, uint32_t lastLine, std::vector<std::string>& lines) {
    lines.clear();
    ContentFile file = ContentFile::Open(path);
    if (!file.IsOpen()) return false;
    TextDecoder text(std::move(file));
    std::string block(64 * 1024, '\0');
    std::string line;
    bool ended = true;  // the last line read ended with LF (or nothing was read)
    while (lines.size() < lastLine) {
        const size_t n = text.Read(block.data(), block.size());
        if (n == 0) break;
        std::string_view rest(block.data(), n);
        while (!rest.empty() && lines.size() < lastLine) {
            const size_t lf = rest.find('\n');
            line.append(rest.substr(0, lf));
            ended = lf != std::string_view::npos;
            if (!ended) break;
            if (!line.empty() && line.back() == '\r') line.pop_back();
            lines.push_back(std::move(line));
            line.clear();
            rest.remove_prefix(lf + 1);
        }
    }
    if (!ended && lines.size() < lastLine) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(std::move(line));
    }
    return true;
}

}  // namespace qf
