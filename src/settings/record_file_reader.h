#pragma once
// The common reading of record files: a damaged file is refused whole.

#include <cstdint>
#include <string>

#include "platform/user_messages.h"
#include "settings/setting_record.h"

namespace qf {

enum class RecordVerdict { Applied, Unknown, Damaged };

class RecordFileReader {
public:
    virtual ~RecordFileReader() = default;

    // Checks the whole file and applies its records in order through Apply.
    // Shows one message and returns false when the file cannot be read or is
    // damaged (the caller then discards what Apply changed). Records of
    // unknown number are skipped; a sound file that had some is loaded with a
    // warning that counts them. `what` names the file kind in messages.
    bool ReadFile(const std::string& path, const std::string& what, UserMessages& messages);

    int UnknownRecords() const { return unknown_; }

protected:
    virtual int32_t EndRecordId() const = 0;
    virtual bool WantsLongText(int32_t id) const = 0;
    virtual RecordVerdict Apply(const _Setting_Record_Struct& record, std::string& fault) = 0;

private:
    std::string CheckRecords(const std::string& bytes);

    int unknown_ = 0;
};

}  // namespace qf
