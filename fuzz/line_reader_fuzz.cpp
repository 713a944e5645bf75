// The line reader over a file of any bytes (in any encoding: a mark may be
// put before them, or they may be written as UTF-16), with a small line cap
// so that long lines come in pieces, and line skipping for needles between
// reads. What it hands out must be the file's text in lines: pieces that join
// up, skipped lines that hold no needle, nothing lost and nothing made up.
// The decoder alone, read in small steps, must give that text too.

#include <fuzzer/FuzzedDataProvider.h>

#include <string>
#include <vector>

#include "fuzz_support.h"
#include "platform/case_fold.h"
#include "platform/case_folding.h"
#include "platform/text_decoder.h"
#include "platform/utf8_text.h"
#include "reference_decoding.h"
#include "textsearch/line_reader.h"

namespace {

// The text's lines as the reader promises them: split at LF, a CR before
// the LF dropped, a last line without LF kept.
std::vector<std::string> ExpectedLines(const std::string& bytes) {
    std::vector<std::string> lines;
    size_t from = 0;
    while (from < bytes.size()) {
        size_t lf = bytes.find('\n', from);
        if (lf == std::string::npos) {
            lines.push_back(bytes.substr(from));
            break;
        }
        size_t end = lf > from && bytes[lf - 1] == '\r' ? lf - 1 : lf;
        lines.push_back(bytes.substr(from, end - from));
        from = lf + 1;
    }
    return lines;
}

std::vector<qf::TermFinder> Needles(FuzzedDataProvider& in, bool fold) {
    std::vector<qf::TermFinder> needles;
    for (int n = in.ConsumeIntegralInRange(0, 3); n > 0; --n) {
        std::string needle = in.ConsumeRandomLengthString(6);
        for (char& c : needle) c = char(c & 0x7F);  // folding leaves ASCII needles as they are
        if (needle.empty()) continue;
        needles.emplace_back(fold ? qf::CharLowerA(needle) : needle);
    }
    return needles;
}

bool HoldsNeedle(const std::string& line, const std::vector<qf::TermFinder>& needles, bool fold) {
    const std::string folded = fold ? qf::FoldCase(line) : line;
    for (const qf::TermFinder& needle : needles)
        if (folded.find(needle.Needle()) != std::string::npos) return true;
    return false;
}

// The whole file through the decoder, `step` bytes of room at a time.
std::string DecodeInSteps(const std::string& path, size_t step) {
    qf::TextDecoder decoder(qf::ContentFile::Open(path));
    std::string text;
    std::string room(step, '\0');
    while (size_t got = decoder.Read(room.data(), step)) {
        qffuzz::Require(got <= step, "the decoder writes no more than it was given room for");
        text.append(room, 0, got);
    }
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    const size_t cap = in.ConsumeIntegralInRange<size_t>(2, 40);
    const size_t overlap = in.ConsumeIntegralInRange<size_t>(0, cap);
    const bool fold = in.ConsumeBool();
    const uint32_t skipPattern = in.ConsumeIntegral<uint32_t>();
    const std::vector<qf::TermFinder> finders = Needles(in, fold);
    const size_t step = in.ConsumeIntegralInRange<size_t>(qf::kUtf8MaxBytes, 64);
    const uint8_t form = in.ConsumeIntegral<uint8_t>();
    const std::string bytes = qffuzz::InSomeEncoding(form, in.ConsumeRemainingBytesAsString());
    const std::string path = qffuzz::ScratchFolder() + "/lines.txt";
    qffuzz::WriteBytes(path, bytes);

    const std::string text = qffuzz::ReferenceDecoding(bytes);
    qffuzz::Require(DecodeInSteps(path, step) == text, "the decoder gives the file's text");
    const std::vector<std::string> expected = ExpectedLines(text);
    qf::LineReader reader(qf::ContentFile::Open(path), fold, cap);
    reader.SetOverlap(overlap);
    qf::SkipNeedles needles(finders);
    size_t next = 0;  // the expected line the reader is in
    std::string joined;
    qf::TextLine line;
    for (unsigned round = 0;; ++round) {
        if (joined.empty() && !finders.empty() && (skipPattern >> (round % 32) & 1)) {
            const size_t skipped = reader.SkipLinesWithout(needles, 1 + round % 5);
            qffuzz::Require(next + skipped <= expected.size(), "no more lines are skipped than there are");
            for (size_t k = 0; k < skipped; ++k)
                qffuzz::Require(!HoldsNeedle(expected[next + k], finders, fold), "a skipped line holds no needle");
            next += skipped;
        }
        if (!reader.Next(line)) break;
        // Only a whole line may fold to another length (the Kelvin sign folds to "k").
        qffuzz::Require(line.text.size() == line.folded.size() || (line.offset == 0 && line.lineEnds),
                        "the comparison form of a piece is as long as the text");
        qffuzz::Require(fold || line.text == line.folded, "without folding the comparison form is the text");
        qffuzz::Require(line.text.size() <= reader.LineCap(), "no piece is longer than the cap");
        qffuzz::Require(line.offset <= joined.size(), "a piece starts within what was read of its line");
        qffuzz::Require(joined.compare(line.offset, std::string::npos, line.text, 0, joined.size() - line.offset) == 0,
                        "a piece repeats the end of the one before");
        qffuzz::Require(line.offset + line.text.size() > joined.size() || (line.text.empty() && joined.empty()),
                        "every piece moves on");
        joined.append(line.text.substr(joined.size() - line.offset));
        if (!line.lineEnds) continue;
        qffuzz::Require(next < expected.size() && joined == expected[next], "each line is read as it is");
        joined.clear();
        ++next;
    }
    qffuzz::Require(joined.empty() && next == expected.size(), "every line is read");
    return 0;
}
