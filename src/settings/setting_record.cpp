#include "settings/setting_record.h"

#include <cstring>

namespace qf {
namespace {

using R = _Setting_Record_Struct;

void PutLe(unsigned char* at, uint64_t value, size_t bytes) {
    for (size_t i = 0; i < bytes; ++i) at[i] = static_cast<unsigned char>(value >> (8 * i));
}

uint64_t GetLe(const unsigned char* at, size_t bytes) {
    uint64_t v = 0;
    for (size_t i = 0; i < bytes; ++i) v |= uint64_t(at[i]) << (8 * i);
    return v;
}

// Copies at most field-1 characters and leaves a NUL after them.
void PutText(unsigned char* at, size_t field, std::string_view text) {
    const size_t n = std::min(text.size(), field - 1);
    std::memcpy(at, text.data(), n);
}

// The text up to its NUL; false when the field holds none.
bool GetText(const unsigned char* at, size_t field, std::string& out) {
    const void* nul = std::memchr(at, 0, field);
    if (!nul) return false;
    out.assign(reinterpret_cast<const char*>(at), static_cast<const unsigned char*>(nul) - at);
    return true;
}

}  // namespace

RecordBytes EncodeRecord(const R& record) {
    RecordBytes b{};
    PutLe(b.data(), uint32_t(record.nId), 4);
    std::memcpy(b.data() + R::kKeyOffset, record.sKey.data(), std::min(record.sKey.size(), R::kKeySize));
    PutText(b.data() + R::kTextOffset, R::kTextSize, record.sText);
    PutText(b.data() + R::kLongTextOffset, R::kLongTextSize, record.sLongText);
    PutLe(b.data() + R::kStateOffset, uint32_t(record.nState), 4);
    PutLe(b.data() + R::kNumberOffset, uint32_t(record.nNumber), 4);
    PutLe(b.data() + R::kSizeOffset, uint64_t(record.llSize), 8);
    PutLe(b.data() + R::kDateOffset, record.ftDate, 8);
    return b;
}

RecordFault DecodeRecord(const unsigned char* b, bool wantLongText, R& record) {
    record = R{};
    record.nId = int32_t(uint32_t(GetLe(b, 4)));
    const unsigned char* key = b + R::kKeyOffset;
    const void* keyEnd = std::memchr(key, 0, R::kKeySize);
    const size_t keyLength = keyEnd ? size_t(static_cast<const unsigned char*>(keyEnd) - key) : R::kKeySize;
    record.sKey.assign(reinterpret_cast<const char*>(key), keyLength);
    if (!GetText(b + R::kTextOffset, R::kTextSize, record.sText)) return RecordFault::TextNotTerminated;
    if (wantLongText && !GetText(b + R::kLongTextOffset, R::kLongTextSize, record.sLongText))
        return RecordFault::LongTextNotTerminated;
    record.nState = int32_t(uint32_t(GetLe(b + R::kStateOffset, 4)));
    record.nNumber = int32_t(uint32_t(GetLe(b + R::kNumberOffset, 4)));
    record.llSize = int64_t(GetLe(b + R::kSizeOffset, 8));
    record.ftDate = GetLe(b + R::kDateOffset, 8);
    return RecordFault::None;
}

}  // namespace qf
