// A settings file of any bytes: it is loaded or refused with a message, what
// was loaded can be described, and what the program then saves loads back
// to the same records.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "fuzz_support.h"
#include "platform/user_messages.h"
#include "reports/settings_description.h"
#include "settings/default_lists.h"
#include "settings/settings_file.h"

namespace {

std::vector<qf::RecordBytes> Encoded(const qf::Options& options) {
    std::vector<qf::RecordBytes> bytes;
    for (const qf::_Setting_Record_Struct& record : qf::SettingsRecords(options)) bytes.push_back(qf::EncodeRecord(record));
    return bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string input = qffuzz::ScratchFolder() + "/input.SET";
    const std::string saved = qffuzz::ScratchFolder() + "/saved.SET";
    qffuzz::WriteBytes(input, {reinterpret_cast<const char*>(data), size});

    qf::Options options;
    qf::LoadDefaultLists(options);
    const qf::Options before = options;
    qf::RecordingMessages messages;
    if (!qf::LoadSettingsFile(options, input, messages)) {
        qffuzz::Require(messages.Count() == 1, "a refused settings file gives one message");
        qffuzz::Require(options == before, "a refused settings file changes nothing");
        return 0;
    }
    qf::ScreenDescriptionLines(options, {});

    qffuzz::Require(qf::SaveSettingsFile(options, saved, messages), "loaded settings can be saved");
    qf::Options reloaded;
    qffuzz::Require(qf::LoadSettingsFile(reloaded, saved, messages), "a saved settings file loads");
    qffuzz::Require(Encoded(reloaded) == Encoded(options), "a saved settings file loads unchanged");
    return 0;
}
