#include "settings/record_file_reader.h"

#include "settings/record_file_io.h"

namespace qf {
namespace {

constexpr const char* kEndKey = "VEGVEGEVE";

Message CannotOpenMessage(const std::string& what, const std::string& path) {
    return ErrorMessage("Error !    Msg no: 1000.", "Unable to open the " + what + " file :\n\n" + path +
                                                         "\n\nAction: Check the file name and its permissions.");
}

Message DamagedMessage(const std::string& what, const std::string& path, const std::string& reason, int unknown) {
    std::string text = "The " + what + " file is damaged and was not loaded :\n\n" + path + "\n\n" + reason;
    if (unknown > 0) text += "\n" + std::to_string(unknown) + " record(s) of unknown number were skipped.";
    text += "\n\nAction: The current " + what + " are kept. Choose another " + what + " file.";
    return ErrorMessage("Error !    Msg no: 1001.", text);
}

Message UnknownRecordsMessage(const std::string& what, const std::string& path, int unknown) {
    return WarningMessage("Warning !    Msg no: 1002.",
                          std::to_string(unknown) + " record(s) of unknown number were skipped in the " + what +
                              " file :\n\n" + path + "\n\nAction: Check the loaded " + what + ".");
}

std::string RecordName(size_t index, int32_t id) {
    return "Record " + std::to_string(index + 1) + " (number " + std::to_string(id) + ")";
}

}  // namespace

std::string RecordFileReader::CheckRecords(const std::string& bytes) {
    constexpr size_t kSize = _Setting_Record_Struct::kSize;
    if (bytes.size() % kSize != 0)
        return "Its length (" + std::to_string(bytes.size()) + " bytes) is not a multiple of " +
               std::to_string(kSize) + " bytes.";
    const size_t count = bytes.size() / kSize;
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    for (size_t i = 0; i < count; ++i) {
        const unsigned char* at = data + i * kSize;
        _Setting_Record_Struct record;
        const int32_t id = int32_t(uint32_t(at[0]) | uint32_t(at[1]) << 8 | uint32_t(at[2]) << 16 |
                                   uint32_t(at[3]) << 24);
        if (DecodeRecord(at, WantsLongText(id), record) != RecordFault::None)
            return RecordName(i, id) + " holds a text without its end.";
        if (record.nId == EndRecordId()) {
            if (record.sKey != kEndKey) return "Its end record carries the key \"" + record.sKey + "\".";
            if (i + 1 != count) return "Data follow its end record.";
            return {};
        }
        std::string fault;
        switch (Apply(record, fault)) {
            case RecordVerdict::Applied: break;
            case RecordVerdict::Unknown: ++unknown_; break;
            case RecordVerdict::Damaged: return RecordName(i, id) + " " + fault + ".";
        }
    }
    return "It has no end record.";
}

bool RecordFileReader::ReadFile(const std::string& path, const std::string& what, UserMessages& messages) {
    unknown_ = 0;
    std::string bytes;
    switch (ReadWholeFile(path, bytes)) {
        case ReadResult::Read: break;
        case ReadResult::OpenFailed: messages.Show(CannotOpenMessage(what, path)); return false;
        case ReadResult::TooLarge:
            messages.Show(DamagedMessage(what, path, "It is far larger than any such file.", 0));
            return false;
    }
    const std::string reason = CheckRecords(bytes);
    if (!reason.empty()) {
        messages.Show(DamagedMessage(what, path, reason, unknown_));
        return false;
    }
    if (unknown_ > 0) messages.Show(UnknownRecordsMessage(what, path, unknown_));
    return true;
}

}  // namespace qf
