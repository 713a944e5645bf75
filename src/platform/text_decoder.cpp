#include "platform/text_decoder.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "platform/utf8_text.h"

namespace qf {
namespace {

// memcpy and memmove with a count of zero may be handed a null pointer: the
// pending buffer is not made before the first bytes are kept.
void CopyBytes(char* to, const char* from, size_t n) {
    if (n > 0) std::memcpy(to, from, n);
}

void MoveBytes(char* to, const char* from, size_t n) {
    if (n > 0) std::memmove(to, from, n);
}


constexpr size_t kRawBlock = 64 * 1024;
constexpr size_t kAlign = 64;
// A Windows-1252 block read straight whose decoding grew by more bytes than
// this (each byte above 0x7F grows by one or two) makes the next reads go
// through the pending bytes.
constexpr size_t kFewHighBytes = 64;
constexpr int kReadsNotStraight = 16;

char* AlignUp(char* p) {
    const auto at = reinterpret_cast<uintptr_t>(p);
    return p + (kAlign - at % kAlign) % kAlign;
}

// How far from the start of p the bytes are well-formed UTF-8; cutShort:
// what follows begins a sequence that p ends inside.
struct Utf8Run {
    size_t valid = 0;
    bool cutShort = false;
};

Utf8Run ValidUtf8Run(const char* p, size_t n) {
    size_t i = 0;
    while (i < n) {
        i += FirstNonAscii(p + i, n - i);
        if (i == n) break;
        const Utf8Char c = DecodeUtf8(std::string_view(p + i, n - i));
        if (c.length == 0) return {i, c.cutShort};
        i += c.length;
    }
    return {n, false};
}

// Bytes taken from the input and bytes written.
struct Decoded {
    size_t used = 0;
    size_t made = 0;
};

// Copies the ASCII characters at the start of the input, as many as fit.
void CopyAscii(const char* in, size_t n, char* out, size_t room, Decoded& d) {
    const size_t run = FirstNonAscii(in + d.used, std::min(n - d.used, room - d.made));
    CopyBytes(out + d.made, in + d.used, run);
    d.used += run;
    d.made += run;
}

Decoded DecodeWindows1252(const char* in, size_t n, char* out, size_t room) {
    Decoded d;
    while (d.used < n) {
        CopyAscii(in, n, out, room, d);
        if (d.used == n || room - d.made < kUtf8MaxBytes) break;
        d.made += WriteUtf8(Windows1252CodePoint(static_cast<unsigned char>(in[d.used])), out + d.made);
        ++d.used;
    }
    return d;
}

// UTF-8 in which a byte that begins no sequence is read as Windows-1252.
// final: nothing follows the input, so a sequence it cuts is such a byte too.
Decoded DecodeUtf8Bytes(const char* in, size_t n, bool final, char* out, size_t room) {
    Decoded d;
    while (d.used < n) {
        CopyAscii(in, n, out, room, d);
        if (d.used == n || room - d.made < kUtf8MaxBytes) break;
        const Utf8Char c = DecodeUtf8(std::string_view(in + d.used, n - d.used));
        if (c.cutShort && !final) break;
        if (c.length > 0) {
            CopyBytes(out + d.made, in + d.used, c.length);
            d.made += c.length;
            d.used += c.length;
        } else {
            d.made += WriteUtf8(Windows1252CodePoint(static_cast<unsigned char>(in[d.used])), out + d.made);
            ++d.used;
        }
    }
    return d;
}

// A surrogate without its partner, and a last odd byte, become U+FFFD.
Decoded DecodeUtf16(const char* in, size_t n, bool bigEndian, bool final, char* out, size_t room) {
    const auto unit = [&](size_t at) {
        const auto a = static_cast<unsigned char>(in[at]);
        const auto b = static_cast<unsigned char>(in[at + 1]);
        return bigEndian ? char32_t(a << 8 | b) : char32_t(b << 8 | a);
    };
    const auto isHigh = [](char32_t u) { return u >= 0xD800 && u <= 0xDBFF; };
    const auto isLow = [](char32_t u) { return u >= 0xDC00 && u <= 0xDFFF; };
    Decoded d;
    while (room - d.made >= kUtf8MaxBytes) {
        const size_t left = n - d.used;
        if (left < 2) {
            if (final && left == 1) {
                d.made += WriteUtf8(kReplacementCharacter, out + d.made);
                d.used = n;
            }
            break;
        }
        char32_t c = unit(d.used);
        size_t units = 1;
        if (isHigh(c)) {
            if (left < 4 && !final) break;
            if (left >= 4 && isLow(unit(d.used + 2))) {
                c = 0x10000 + ((c - 0xD800) << 10) + (unit(d.used + 2) - 0xDC00);
                units = 2;
            } else {
                c = kReplacementCharacter;
            }
        } else if (isLow(c)) {
            c = kReplacementCharacter;
        }
        d.made += WriteUtf8(c, out + d.made);
        d.used += 2 * units;
    }
    return d;
}

}  // namespace

TextDecoder::TextDecoder(ContentFile file, uint64_t utf8CheckBytes, size_t keptCheckBytes)
    : file_(std::move(file)), checkBytes_(utf8CheckBytes), keptCheckBytes_(keptCheckBytes), fileEnd_(!file_.IsOpen()) {}

size_t TextDecoder::Read(char* to, size_t n) {
    const size_t got = ReadUnchecked(to, n);
    if (!unchecked_) return got;
    const size_t first = FirstNonAscii(to, got);
    if (first == got) return got;
    return first + Settle(to + first, got - first, n - first);
}

// UTF-8 is read straight into `to`; at most the few bytes of a sequence cut
// by the last read are copied.
size_t TextDecoder::ReadUnchecked(char* to, size_t n) {
    unchecked_ = false;
    if (n < kUtf8MaxBytes || AtEnd()) return 0;
    if (encoding_ == TextEncoding::Windows1252) {
        if (notStraight_ > 0)
            --notStraight_;
        else if (Pending() == 0)
            return ReadStraight(to, n);
    }
    if (!Utf8Mode() || Pending() >= kUtf8MaxBytes) return DecodePending(to, n);
    size_t got = Pending();
    CopyBytes(to, PendingData(), got);
    pendingBegin_ = pendingEnd_ = 0;
    if (!fileEnd_) {
        const size_t r = ReadFile(to + got, n - got);
        if (r < n - got) fileEnd_ = true;
        got += r;
    }
    if (!started_) {
        started_ = true;
        got = TakeMark(to, got);
        if (!Utf8Mode()) return DecodePending(to, n);
    }
    unchecked_ = true;
    return got;
}

// Windows-1252 gives ASCII as it is: with nothing pending, the file is read
// straight into `to`, and only what follows a byte above 0x7F (which the
// caller hands to Settle) goes through the pending bytes to be decoded.
// Where such bytes are many, that would copy most of each block once more:
// the next reads then go through the pending bytes (see Settle).
size_t TextDecoder::ReadStraight(char* to, size_t n) {
    const size_t got = ReadFile(to, n);
    if (got < n) fileEnd_ = true;
    unchecked_ = true;
    return got;
}

size_t TextDecoder::Settle(char* from, size_t n, size_t room) {
    unchecked_ = false;
    if (!decided_) Decide(from, n);
    if (!Utf8Mode()) {
        Keep(from, n);
        grown_ = 0;
        const size_t made = DecodePending(from, room);
        if (grown_ > kFewHighBytes) notStraight_ = kReadsNotStraight;
        return made;
    }
    if (Position() <= checkedTo_) {
        // Checked when the file was taken as UTF-8: only a sequence that
        // this read cut waits for the next one.
        const size_t whole = CompleteUtf8Length(std::string_view(from, n));
        Keep(from + whole, n - whole);
        return whole;
    }
    const Utf8Run run = ValidUtf8Run(from, n);
    if (run.valid == n) return n;
    Keep(from + run.valid, n - run.valid);
    // A sequence the read cut is completed by the next one; a byte that
    // begins none is decoded on its own.
    if (run.valid > 0) return run.valid;
    return DecodePending(from, room);
}

size_t TextDecoder::TakeMark(char* to, size_t got) {
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(to[i]); };
    if (got >= 3 && byte(0) == 0xEF && byte(1) == 0xBB && byte(2) == 0xBF) {
        encoding_ = TextEncoding::Utf8WithMark;
        decided_ = true;
        MoveBytes(to, to + 3, got - 3);
        return got - 3;
    }
    if (got >= 2 && ((byte(0) == 0xFF && byte(1) == 0xFE) || (byte(0) == 0xFE && byte(1) == 0xFF))) {
        encoding_ = byte(0) == 0xFF ? TextEncoding::Utf16Le : TextEncoding::Utf16Be;
        decided_ = true;
        Keep(to + 2, got - 2);
        return 0;
    }
    return got;
}

// Called at the first byte above 0x7F of a file without a mark, with the
// rest of the block read so far.
void TextDecoder::Decide(const char* from, size_t n) {
    decided_ = true;
    const Utf8Run run = ValidUtf8Run(from, n);
    bool valid = false;
    if (run.valid == n)
        valid = ValidAhead(nullptr, 0);
    else if (run.cutShort && !fileEnd_)
        valid = ValidAhead(from + run.valid, n - run.valid);
    if (!valid) encoding_ = TextEncoding::Windows1252;
}

// Whether the file is valid UTF-8 from where Read goes on, up to the check
// bound; carried: the start of a sequence that the block read so far cut.
bool TextDecoder::ValidAhead(const char* carried, size_t carriedBytes) {
    checkedTo_ = Position() - carriedBytes;
    if (fileEnd_) return carriedBytes == 0;
    uint64_t offset = Position();
    uint64_t left = checkBytes_;
    bool valid = true;
    if (ValidKept(carried, carriedBytes, offset, left, valid)) return valid;
    // Past what is kept, the file is read here and again as Read goes on.
    const auto ahead = std::make_unique_for_overwrite<char[]>(kRawBlock + kUtf8MaxBytes);
    size_t kept = offset - checkedTo_;  // the sequence that the kept part ends inside
    CopyBytes(ahead.get(), ahead_ ? ahead_.get() + aheadEnd_ - kept : carried, kept);
    while (left > 0) {
        const size_t want = size_t(std::min<uint64_t>(kRawBlock, left));
        const size_t got = file_.ReadAt(offset, ahead.get() + kept, want);
        offset += got;
        left -= got;
        const bool end = got < want;
        const Utf8Run run = ValidUtf8Run(ahead.get(), kept + got);
        if (run.valid < kept + got && (!run.cutShort || end)) return false;
        kept = kept + got - run.valid;
        MoveBytes(ahead.get(), ahead.get() + run.valid, kept);
        checkedTo_ = offset - kept;
        if (end) return true;
    }
    return true;
}

// Reads and checks the first part ahead, after the carried bytes, and keeps
// it for ReadFile. Returns true when that settles the check (`valid` then
// says how); offset, left and checkedTo_ move on past what it checked.
bool TextDecoder::ValidKept(const char* carried, size_t carriedBytes, uint64_t& offset, uint64_t& left, bool& valid) {
    const size_t keep = size_t(std::min<uint64_t>({keptCheckBytes_, left, file_.Left()}));
    if (keep == 0) return false;
    ahead_ = std::make_unique_for_overwrite<char[]>(carriedBytes + keep);
    CopyBytes(ahead_.get(), carried, carriedBytes);
    const size_t got = file_.Read(ahead_.get() + carriedBytes, keep);
    aheadBegin_ = carriedBytes;  // the carried bytes were given out already
    aheadEnd_ = carriedBytes + got;
    offset += got;
    left -= got;
    const bool end = file_.Left() == 0;
    const Utf8Run run = ValidUtf8Run(ahead_.get(), aheadEnd_);
    if (run.valid < aheadEnd_ && (!run.cutShort || end)) {
        valid = false;
        return true;
    }
    checkedTo_ = offset - (aheadEnd_ - run.valid);
    valid = true;
    return end || left == 0;
}

// Reads on in the file, from what the check kept first.
size_t TextDecoder::ReadFile(char* to, size_t n) {
    const size_t kept = std::min(n, AheadLeft());
    CopyBytes(to, ahead_.get() + aheadBegin_, kept);
    aheadBegin_ += kept;
    if (ahead_ && AheadLeft() == 0) {
        ahead_.reset();
        aheadBegin_ = aheadEnd_ = 0;
    }
    return kept + (kept < n ? file_.Read(to + kept, n - kept) : 0);
}

size_t TextDecoder::DecodePending(char* to, size_t n) {
    size_t out = 0;
    for (;;) {
        out += DecodeSome(to + out, n - out);
        if (n - out < kUtf8MaxBytes || fileEnd_) break;
        // What is left is a sequence cut short: UTF-8 goes on reading
        // straight, and so does Windows-1252 (unless its high bytes are
        // many) once its pending bytes are all decoded; UTF-16 reads on
        // into the pending bytes.
        if ((Utf8Mode() || (encoding_ == TextEncoding::Windows1252 && notStraight_ == 0)) && out > 0) break;
        Refill();
    }
    return out;
}

size_t TextDecoder::DecodeSome(char* to, size_t room) {
    if (room < kUtf8MaxBytes || Pending() == 0) return 0;
    const char* in = PendingData();
    const size_t n = Pending();
    Decoded d;
    switch (encoding_) {
        case TextEncoding::Utf8:
        case TextEncoding::Utf8WithMark: d = DecodeUtf8Bytes(in, n, fileEnd_, to, room); break;
        case TextEncoding::Windows1252: d = DecodeWindows1252(in, n, to, room); break;
        case TextEncoding::Utf16Le: d = DecodeUtf16(in, n, false, fileEnd_, to, room); break;
        case TextEncoding::Utf16Be: d = DecodeUtf16(in, n, true, fileEnd_, to, room); break;
    }
    pendingBegin_ += d.used;
    if (pendingBegin_ == pendingEnd_) pendingBegin_ = pendingEnd_ = 0;
    grown_ += d.made - std::min(d.made, d.used);
    return d.made;
}

bool TextDecoder::Refill() {
    // The bytes kept go just before a 64-byte boundary, so that the file is
    // read into aligned memory: the kernel copies into it several times faster.
    const size_t kept = Pending();
    const size_t lead = (kAlign - kept % kAlign) % kAlign;
    if (pendingSize_ < lead + kept + kRawBlock) {
        const size_t size = kAlign + kept + kRawBlock + kUtf8MaxBytes;
        auto grown = std::make_unique_for_overwrite<char[]>(size + kAlign);
        char* aligned = AlignUp(grown.get());
        CopyBytes(aligned + lead, PendingData(), kept);
        pending_ = std::move(grown);
        pendingBase_ = aligned;
        pendingSize_ = size;
    } else {
        MoveBytes(pendingBase_ + lead, PendingData(), kept);
    }
    pendingBegin_ = lead;
    pendingEnd_ = lead + kept;
    const size_t got = ReadFile(pendingBase_ + pendingEnd_, kRawBlock);
    pendingEnd_ += got;
    if (got < kRawBlock) fileEnd_ = true;
    return got > 0;
}

void TextDecoder::Keep(const char* from, size_t n) {
    // Only called when nothing is pending: the bytes go first.
    if (pendingSize_ < n) {
        pendingSize_ = std::max(n, kRawBlock + kUtf8MaxBytes);
        pending_ = std::make_unique_for_overwrite<char[]>(pendingSize_ + kAlign);
        pendingBase_ = AlignUp(pending_.get());
    }
    CopyBytes(pendingBase_, from, n);
    pendingBegin_ = 0;
    pendingEnd_ = n;
}

}  // namespace qf
