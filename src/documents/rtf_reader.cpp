#include "documents/rtf_reader.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <vector>

#include "documents/text_lines.h"
#include "platform/utf8_text.h"

namespace qf {
namespace {

constexpr size_t kMaxDepth = 1000;
constexpr size_t kMaxWordLength = 32;
constexpr size_t kMaxParamDigits = 10;

// Destinations whose text is not the document's.
constexpr std::string_view kSkippedDestinations[] = {
    "fonttbl",  "colortbl",   "stylesheet", "info",     "pict",     "listtable", "listoverridetable",
    "revtbl",   "rsidtbl",    "generator",  "xmlnstbl", "filetbl",  "themedata", "colorschememapping",
    "datastore", "latentstyles", "objdata", "objclass", "objname",  "nonshppict", "fldinst",
    "annotation", "atnid",    "atnauthor",  "sp",       "shpinst",  "template",  "userprops",
    "docvar",   "xe",         "tc",         "private",  "pgdsctbl", "bkmkstart", "bkmkend", "mmathPr"};

// Destinations read as notes: they go after the body.
constexpr std::string_view kNoteDestinations[] = {
    "header", "headerl", "headerr", "headerf", "footer", "footerl", "footerr", "footerf", "footnote"};

template <size_t N>
bool OneOf(const std::string_view (&words)[N], std::string_view word) {
    return std::find(std::begin(words), std::end(words), word) != std::end(words);
}

unsigned char Byte(char c) { return static_cast<unsigned char>(c); }
bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

struct GroupState {
    bool skip = false;   // a destination whose text is dropped
    bool notes = false;  // a header, footer or footnote
    int ucSkip = 1;      // characters that follow "\uN" as its fallback
};

class RtfParser {
public:
    RtfParser(std::string_view in, const DocumentLimits& limits)
        : in_(in), maxBytes_(limits.maxXmlBytes), lines_(limits.maxXmlBytes) {}

    DocumentText Run();

private:
    bool Starts() const;
    void OpenGroup();
    void CloseGroup();
    void Control();
    void Word(std::string_view word, bool hasParam, long param);
    void Symbol(char c);
    void Character(char32_t c);
    void Unicode(long param);
    void Binary(long count);
    bool ConsumedAsFallback();
    void EndLine(bool notes);
    std::string& Line() { return groups_.back().notes ? notesLine_ : mainLine_; }

    std::string_view in_;
    uint64_t maxBytes_;
    size_t pos_ = 0;
    std::vector<GroupState> groups_;
    TextLines lines_;
    std::string mainLine_;
    std::string notesLine_;
    int pendingSkip_ = 0;
    char32_t highSurrogate_ = 0;
    bool ended_ = false;
    std::string refusal_;
};

bool RtfParser::Starts() const {
    size_t i = in_.find_first_not_of(" \t\r\n");
    return i != std::string_view::npos && in_.substr(i, 5) == "{\\rtf";
}

DocumentText RtfParser::Run() {
    if (!Starts()) return DocumentText::Refused("damaged: not an RTF document");
    pos_ = in_.find('{');
    while (pos_ < in_.size() && !ended_ && refusal_.empty() && !lines_.Full()) {
        const char c = in_[pos_];
        if (c == '{') {
            ++pos_;
            OpenGroup();
        } else if (c == '}') {
            ++pos_;
            CloseGroup();
        } else if (c == '\\') {
            Control();
        } else {
            ++pos_;
            if (c != '\r' && c != '\n' && !ConsumedAsFallback()) Character(Windows1252CodePoint(Byte(c)));
        }
    }
    if (!refusal_.empty()) return DocumentText::Refused(refusal_);
    if (!ended_) return DocumentText::Refused("damaged or truncated: the document ends inside a group");
    if (!mainLine_.empty()) EndLine(false);
    EndLine(true);
    if (lines_.Full()) return DocumentText::Refused(std::string(kTextLimitReason));
    return DocumentText{lines_.Finish(), {}};
}

void RtfParser::OpenGroup() {
    pendingSkip_ = 0;
    if (groups_.size() >= kMaxDepth) {
        refusal_ = "damaged: groups nested more than " + std::to_string(kMaxDepth) + " deep";
        return;
    }
    groups_.push_back(groups_.empty() ? GroupState{} : groups_.back());
}

void RtfParser::CloseGroup() {
    pendingSkip_ = 0;
    if (groups_.empty()) return;
    const bool wasNotes = groups_.back().notes;
    groups_.pop_back();
    if (groups_.empty()) {
        ended_ = true;  // whatever follows the last brace is not part of the document
        return;
    }
    // A header or footer without a closing "\par" still ends its line.
    if (wasNotes && !groups_.back().notes) EndLine(true);
}

void RtfParser::Control() {
    ++pos_;  // the backslash
    if (pos_ >= in_.size()) return;
    const char c = in_[pos_];
    if (c == '\'') {
        const int high = pos_ + 1 < in_.size() ? HexValue(in_[pos_ + 1]) : -1;
        const int low = pos_ + 2 < in_.size() ? HexValue(in_[pos_ + 2]) : -1;
        pos_ += (high < 0 ? 1 : low < 0 ? 2 : 3);
        if (high >= 0 && low >= 0 && !ConsumedAsFallback()) Character(Windows1252CodePoint(Byte(char(high * 16 + low))));
        return;
    }
    if (!IsLetter(c)) {
        ++pos_;
        if (!ConsumedAsFallback()) Symbol(c);
        return;
    }
    const size_t start = pos_;
    while (pos_ < in_.size() && IsLetter(in_[pos_])) ++pos_;
    const std::string_view word = in_.substr(start, std::min(pos_ - start, kMaxWordLength + 1));
    bool negative = false, hasParam = false;
    long param = 0;
    if (pos_ < in_.size() && in_[pos_] == '-') {
        negative = true;
        ++pos_;
    }
    for (size_t digits = 0; pos_ < in_.size() && IsDigit(in_[pos_]); ++pos_, ++digits) {
        if (digits < kMaxParamDigits) param = param * 10 + (in_[pos_] - '0');
        hasParam = true;
    }
    if (negative) param = -param;
    if (pos_ < in_.size() && in_[pos_] == ' ') ++pos_;  // the delimiter belongs to the word
    if (word == "bin") Binary(hasParam ? param : 0);  // its data is never a fallback character
    else if (!ConsumedAsFallback()) Word(word, hasParam, param);
}

bool RtfParser::ConsumedAsFallback() {
    if (pendingSkip_ <= 0) return false;
    --pendingSkip_;
    return true;
}

void RtfParser::Word(std::string_view word, bool hasParam, long param) {
    GroupState& group = groups_.back();
    if (OneOf(kSkippedDestinations, word)) group.skip = true;
    else if (OneOf(kNoteDestinations, word)) {
        if (!group.notes) EndLine(true);
        group.notes = true;
    } else if (word == "uc") group.ucSkip = hasParam ? int(std::clamp(param, 0L, 16L)) : 1;
    else if (group.skip) return;
    else if (word == "u") Unicode(param);
    else if (word == "par") EndLine(group.notes);
    else if (word == "row" || word == "nestrow") {
        if (!Line().empty() && Line().back() == '\t') Line().pop_back();
        EndLine(group.notes);
    } else if (word == "tab" || word == "cell" || word == "nestcell") Character('\t');
    else if (word == "line" || word == "emspace" || word == "enspace" || word == "qmspace") Character(' ');
    else if (word == "emdash") Character(0x2014);
    else if (word == "endash") Character(0x2013);
    else if (word == "bullet") Character(0x2022);
    else if (word == "lquote") Character(0x2018);
    else if (word == "rquote") Character(0x2019);
    else if (word == "ldblquote") Character(0x201C);
    else if (word == "rdblquote") Character(0x201D);
}

void RtfParser::Symbol(char c) {
    if (c == '*') groups_.back().skip = true;
    else if (c == '\\' || c == '{' || c == '}') Character(char32_t(c));
    else if (c == '~') Character(' ');
    else if (c == '_') Character('-');
    else if (c == '\n' || c == '\r') EndLine(groups_.back().notes);
}

void RtfParser::Unicode(long param) {
    if (param < 0) param += 65536;
    pendingSkip_ = groups_.back().ucSkip;
    const char32_t c = char32_t(param);
    if (c >= 0xD800 && c <= 0xDBFF) {
        if (highSurrogate_) Character(0xFFFD);
        highSurrogate_ = c;
        return;
    }
    if (c >= 0xDC00 && c <= 0xDFFF && highSurrogate_) {
        const char32_t high = highSurrogate_;
        highSurrogate_ = 0;
        Character(0x10000 + ((high - 0xD800) << 10) + (c - 0xDC00));
        return;
    }
    Character(c);
}

void RtfParser::Binary(long count) {
    const size_t left = in_.size() - pos_;
    pos_ += count > 0 ? std::min(size_t(count), left) : 0;
}

void RtfParser::Character(char32_t c) {
    if (groups_.empty() || groups_.back().skip) return;
    if (highSurrogate_) {
        highSurrogate_ = 0;
        AppendUtf8(0xFFFD, Line());
    }
    if (c < 0x20 && c != '\t') return;
    AppendUtf8(c, Line());
    if (Line().size() > maxBytes_) refusal_ = std::string(kTextLimitReason);
}

void RtfParser::EndLine(bool notes) {
    std::string& line = notes ? notesLine_ : mainLine_;
    if (notes && line.empty()) return;  // notes keep no blank lines of their own
    if (notes) lines_.BeginNotes();
    lines_.Line(line);
    if (notes) lines_.EndNotes();
    line.clear();
}

}  // namespace

DocumentText ReadRtf(std::string_view bytes, const DocumentLimits& limits) {
    if (bytes.size() > limits.maxXmlBytes) return DocumentText::Refused("larger than the limit for a document");
    return RtfParser(bytes, limits).Run();
}

}  // namespace qf
