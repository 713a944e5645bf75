#pragma once
// A file's text as UTF-8, whatever it was written in. A byte-order mark
// says UTF-8 or UTF-16 (little or big endian); the mark is no part of the
// text. A file without one is UTF-8 when it is valid UTF-8, and
// Windows-1252 (what the Windows version read every file as) when it is
// not. What comes out is always valid UTF-8 and never ends inside a
// character, so a block of it can be folded or split into lines on its own.

#include <cstddef>
#include <cstdint>
#include <memory>

#include "platform/content_file.h"

namespace qf {

enum class TextEncoding { Utf8, Utf8WithMark, Utf16Le, Utf16Be, Windows1252 };

// How much of a file without a mark is checked, from its first byte above
// 0x7F on, before it is taken as UTF-8: within that, one byte that is not
// UTF-8 makes the whole file Windows-1252. Such a byte further on is read as
// its Windows-1252 character on its own (so is one in a file marked UTF-8).
// Checking reads that part of the file twice, so it is bounded.
constexpr uint64_t kUtf8CheckBytes = uint64_t(16) << 20;
// The first part of what the check reads is kept and given out from memory
// as the file is read on; only the rest is read twice.
constexpr size_t kKeptCheckBytes = size_t(1) << 20;

class TextDecoder {
public:
    explicit TextDecoder(ContentFile file, uint64_t utf8CheckBytes = kUtf8CheckBytes,
                         size_t keptCheckBytes = kKeptCheckBytes);
    TextDecoder(const TextDecoder&) = delete;
    TextDecoder& operator=(const TextDecoder&) = delete;

    bool IsOpen() const { return file_.IsOpen(); }

    // Fills `to` with up to n bytes of text (n at least kUtf8MaxBytes);
    // returns how many, 0 only at the end.
    size_t Read(char* to, size_t n);

    // Read in two steps, for a reader that passes over the text anyway and
    // can look for bytes above 0x7F on the way. ReadUnchecked fills `to` as
    // Read does; but when Unchecked() says so, what it gave are the file's
    // bytes as they are, ASCII or not: the caller then hands Settle those
    // from the first byte above 0x7F on (room: what `to` has from there),
    // which checks and, where needed, decodes them in place and returns how
    // many bytes of text they make.
    size_t ReadUnchecked(char* to, size_t n);
    bool Unchecked() const { return unchecked_; }
    size_t Settle(char* from, size_t n, size_t room);
    // Nothing more will come.
    bool AtEnd() const { return fileEnd_ && Pending() == 0; }
    // As far as known: a file without a mark reads as UTF-8 until its
    // first byte above 0x7F settles it.
    TextEncoding Encoding() const { return encoding_; }

private:
    size_t TakeMark(char* to, size_t got);
    void Decide(const char* from, size_t n);
    bool ValidAhead(const char* carried, size_t carriedBytes);
    bool ValidKept(const char* carried, size_t carriedBytes, uint64_t& offset, uint64_t& left, bool& valid);
    size_t ReadFile(char* to, size_t n);
    size_t ReadStraight(char* to, size_t n);
    size_t AheadLeft() const { return aheadEnd_ - aheadBegin_; }
    // Where the text given out goes on in the file.
    uint64_t Position() const { return file_.Position() - AheadLeft(); }
    size_t DecodePending(char* to, size_t n);
    size_t DecodeSome(char* to, size_t room);
    bool Refill();
    void Keep(const char* from, size_t n);
    size_t Pending() const { return pendingEnd_ - pendingBegin_; }
    const char* PendingData() const { return pendingBase_ + pendingBegin_; }
    bool Utf8Mode() const { return encoding_ == TextEncoding::Utf8 || encoding_ == TextEncoding::Utf8WithMark; }

    ContentFile file_;
    uint64_t checkBytes_;
    size_t keptCheckBytes_;
    TextEncoding encoding_ = TextEncoding::Utf8;
    bool started_ = false;  // the mark has been looked for
    bool decided_ = false;  // UTF-8 or not is settled
    bool fileEnd_ = false;  // the file has given its last byte
    bool unchecked_ = false;
    uint64_t checkedTo_ = 0;  // the file is known to be valid UTF-8 up to this offset
    size_t grown_ = 0;        // bytes that decoding added since Settle began
    int notStraight_ = 0;     // Windows-1252 reads still to go through the pending bytes
    // Bytes read from the file and not given out yet: the rest of a sequence
    // cut by a read, or what comes after a byte that had to be decoded.
    std::unique_ptr<char[]> pending_;
    char* pendingBase_ = nullptr;  // pending_'s first 64-byte boundary, where its bytes begin
    size_t pendingSize_ = 0;       // bytes from pendingBase_
    size_t pendingBegin_ = 0;
    size_t pendingEnd_ = 0;
    // What the check read past the bytes given out, kept for ReadFile.
    std::unique_ptr<char[]> ahead_;
    size_t aheadBegin_ = 0;
    size_t aheadEnd_ = 0;
};

}  // namespace qf
