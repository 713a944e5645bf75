// A settings file of any bytes: it is loaded or refused with a message, what
// was loaded can be described, and what the program then saves loads back
// to the same file.

#include <cstddef>
#include <cstdint>

#include "fuzz_support.h"
#include "platform/user_messages.h"
#include "reports/settings_description.h"
#include "settings/default_lists.h"
#include "settings/settings_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string input = qffuzz::ScratchFolder() + "/input.SET";
    const std::string saved = qffuzz::ScratchFolder() + "/saved.SET";
    const std::string again = qffuzz::ScratchFolder() + "/again.SET";
    qffuzz::WriteBytes(input, {reinterpret_cast<const char*>(data), size});

    qf::Options options;
    qf::LoadDefaultLists(options);
    qf::RecordingMessages messages;
    if (!qf::LoadSettingsFile(options, input, messages)) {
        qffuzz::Require(messages.Count() == 1, "a refused settings file gives one message");
        return 0;
    }
    qf::ScreenDescriptionLines(options, {});

    qffuzz::Require(qf::SaveSettingsFile(options, saved, messages), "loaded settings can be saved");
    qf::Options reloaded;
    qffuzz::Require(qf::LoadSettingsFile(reloaded, saved, messages), "a saved settings file loads");
    qffuzz::Require(qf::SaveSettingsFile(reloaded, again, messages), "reloaded settings can be saved");
    qffuzz::Require(qffuzz::ReadBytes(saved) == qffuzz::ReadBytes(again), "a saved settings file loads unchanged");
    return 0;
}
