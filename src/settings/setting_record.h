#pragma once
// The fixed-size little-endian record of the settings and search terms files.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace qf {

struct _Setting_Record_Struct {
    static constexpr size_t kSize = 5312;
    static constexpr size_t kKeyOffset = 4, kKeySize = 10;
    static constexpr size_t kTextOffset = 14, kTextSize = 260;
    static constexpr size_t kLongTextOffset = 274, kLongTextSize = 5002;
    static constexpr size_t kStateOffset = 5276;
    static constexpr size_t kNumberOffset = 5284;
    static constexpr size_t kSizeOffset = 5288;
    static constexpr size_t kDateOffset = 5300;

    int32_t nId = 0;
    std::string sKey;
    std::string sText;
    std::string sLongText;
    int32_t nState = 0;
    int32_t nNumber = 0;
    int64_t llSize = 0;
    uint64_t ftDate = 0;  // FILETIME value
};

using RecordBytes = std::array<unsigned char, _Setting_Record_Struct::kSize>;

// Unused bytes are zero; texts longer than their field are cut so that the
// terminating NUL always fits; a key of ten letters has no terminator.
RecordBytes EncodeRecord(const _Setting_Record_Struct& record);

enum class RecordFault { None, TextNotTerminated, LongTextNotTerminated };

// Reads a record back. The long text is read only when wantLongText is set
// (other records leave that field without meaning).
RecordFault DecodeRecord(const unsigned char* bytes, bool wantLongText, _Setting_Record_Struct& record);

}  // namespace qf
