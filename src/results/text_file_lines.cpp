#include "results/text_file_lines.h"

#include <algorithm>
#include <cstring>

#include "platform/content_file.h"
#include "platform/text_decoder.h"

namespace qf {
namespace {

// Collects the lines in range as the bytes come; earlier lines are only counted.
class LineRange {
public:
    LineRange(uint32_t first, uint32_t last, size_t cap, std::vector<std::string>& lines)
        : first_(first), last_(last), cap_(cap), lines_(lines) {}

    bool Done() const { return number_ > last_; }

    void Take(const char* data, size_t n) {
        while (n > 0 && !Done()) {
            const auto* lf = static_cast<const char*>(std::memchr(data, '\n', n));
            const size_t piece = lf ? size_t(lf - data) : n;
            if (number_ >= first_) Keep(data, piece);
            if (!lf) return;
            EndLine();
            data += piece + 1;
            n -= piece + 1;
        }
    }

    // A last line without LF is a line.
    void End() {
        if (seen_ > 0 && !Done()) EndLine();
    }

private:
    void Keep(const char* data, size_t n) {
        if (n == 0) return;
        if (text_.size() < cap_) text_.append(data, std::min(n, cap_ - text_.size()));
        seen_ += n;
        lastByte_ = data[n - 1];
    }

    void EndLine() {
        if (number_ >= first_) {
            const uint64_t length = seen_ > 0 && lastByte_ == '\r' ? seen_ - 1 : seen_;
            if (length <= cap_)
                text_.resize(size_t(length));
            else
                text_ += LineCutNote(cap_);
            lines_.push_back(std::move(text_));
        }
        text_.clear();
        seen_ = 0;
        ++number_;
    }

    uint32_t number_ = 1;
    uint32_t first_;
    uint32_t last_;
    size_t cap_;
    std::vector<std::string>& lines_;
    std::string text_;       // the first cap bytes of the current line
    uint64_t seen_ = 0;      // bytes of the current line, kept or not
    char lastByte_ = 0;
};

}  // namespace

bool ReadLineRange(const std::string& path, uint32_t firstLine, uint32_t lastLine, std::vector<std::string>& lines,
                   size_t lineCap) {
    lines.clear();
    ContentFile file = ContentFile::Open(path);
    if (!file.IsOpen()) return false;
    // The lines are UTF-8 text in the file's own encoding, as the scan reads them.
    TextDecoder text(std::move(file));
    LineRange range(std::max<uint32_t>(firstLine, 1), lastLine, lineCap, lines);
    std::vector<char> block(64 * 1024);
    while (!range.Done()) {
        const size_t n = text.Read(block.data(), block.size());
        if (n == 0) break;
        range.Take(block.data(), n);
    }
    range.End();
    return true;
}

}  // namespace qf
