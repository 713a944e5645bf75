#include "smartcopy/increase_rule.h"

#include <cstdio>

namespace qf {
namespace {

int CounterAfterInc(const std::string& digits) {
    int value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') return 0;
        value = value * 10 + (c - '0');
    }
    return value;
}

void SplitName(const std::string& name, std::string& base, std::string& extension) {
    const size_t dot = name.rfind('.');
    if (dot == std::string::npos) {
        base = name;
        extension = "noext";
        return;
    }
    base = name.substr(0, dot);
    extension = name.substr(dot + 1);
}

}  // namespace

std::string IncreaseText(const std::string& text) {
    const std::string tail = text.size() > 5 ? text.substr(text.size() - 6) : text;
    if (tail.size() == 6 && tail.compare(0, 3, "INC") == 0) {
        char number[16];
        std::snprintf(number, sizeof number, "%03d", CounterAfterInc(tail.substr(3)) + 1);
        return text.substr(0, text.size() - 3) + number;
    }
    return text + "INC001";
}

std::string IncreaseFileName(const std::string& name) {
    std::string base, extension;
    SplitName(name, base, extension);
    return IncreaseText(base) + "." + extension;
}

std::string IncreaseFileExtension(const std::string& name) {
    std::string base, extension;
    SplitName(name, base, extension);
    return base + "." + IncreaseText(extension);
}

}  // namespace qf
