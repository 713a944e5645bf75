#include "results/result_sort_keys.h"

#include <algorithm>
#include <charconv>
#include <cstring>

#include "platform/case_fold.h"

namespace qf {
namespace {

// Characters 6-9, 0-1, 3-4, 12-13, 15-16; a short or empty text gives spaces.
constexpr std::array<int, 12> kDatePositions = {6, 7, 8, 9, 0, 1, 3, 4, 12, 13, 15, 16};

void AppendDateKey(std::string_view timeText, std::string& out) {
    for (int p : kDatePositions) out.push_back(size_t(p) < timeText.size() ? timeText[size_t(p)] : ' ');
}

void AppendSortField(const tagPrivStruct& r, int keyIndex, std::string& out) {
    switch (keyIndex) {
        case 0: out.append(r.fileKey); break;
        case 2: out.append(r.hitsLocatedIn); break;
        case 3: out.append(r.extension); break;
        case 4: out.append(r.size); break;
        case 5: AppendDateKey(r.lastWriteTime, out); break;
        case 6: AppendDateKey(r.creationTime, out); break;
        case 7: AppendDateKey(r.lastAccessTime, out); break;
        default: break;  // 1: folder, file and line alone
    }
}

}  // namespace

std::string DateKey(std::string_view timeText) {
    std::string key;
    AppendDateKey(timeText, key);
    return key;
}

void AppendSortKey(const tagPrivStruct& r, int keyIndex, std::string& out) {
    if (keyIndex < 0 || keyIndex >= kSortKeyCount) return;
    AppendSortField(r, keyIndex, out);
    out.append(r.folderKey).append(r.fileKey).append(r.lineNumberCopy);
}

int CompareDefaultKeys(const tagPrivStruct& a, const tagPrivStruct& b) {
    // The key's three fields, walked as one text on each side.
    const std::array<std::string_view, 3> x = {a.folderKey, a.fileKey, a.lineNumberCopy};
    const std::array<std::string_view, 3> y = {b.folderKey, b.fileKey, b.lineNumberCopy};
    size_t i = 0, j = 0, atX = 0, atY = 0;
    for (;;) {
        while (i < x.size() && atX == x[i].size()) ++i, atX = 0;
        while (j < y.size() && atY == y[j].size()) ++j, atY = 0;
        if (i == x.size() || j == y.size()) return int(j == y.size()) - int(i == x.size());
        const size_t n = std::min(x[i].size() - atX, y[j].size() - atY);
        const char* p = x[i].data() + atX;
        const char* q = y[j].data() + atY;
        if (std::memcmp(p, q, n) != 0) {
            for (size_t k = 0; k < n; ++k) {
                const auto c = static_cast<unsigned char>(AsciiLower(p[k]));
                const auto d = static_cast<unsigned char>(AsciiLower(q[k]));
                if (c != d) return c < d ? -1 : 1;
            }
        }
        atX += n;
        atY += n;
    }
}

int ComparePaddedField(std::string_view a, std::string_view b) {
    const size_t common = std::min(a.size(), b.size());
    if (const int order = std::memcmp(a.data(), b.data(), common); order != 0) return order;
    const std::string_view rest = a.size() > common ? a.substr(common) : b.substr(common);
    const int longer = a.size() > common ? 1 : -1;
    for (const char c : rest)
        if (c != ' ') return static_cast<unsigned char>(c) > ' ' ? longer : -longer;
    return 0;
}

std::optional<int> SortKeyFromText(std::string_view text) {
    int index = -1;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), index);
    if (ec == std::errc() && end == text.data() + text.size())
        return index >= 0 && index < kSortKeyCount ? std::optional<int>(index) : std::nullopt;
    for (int i = 0; i < kSortKeyCount; ++i)
        if (EqualsIgnoreCase(kSortKeyTexts[size_t(i)], text)) return i;
    return std::nullopt;
}

}  // namespace qf
