// A search terms file of any bytes: it is loaded or refused with a message,
// and what the program then saves loads back unchanged.

#include <cstddef>
#include <cstdint>

#include "fuzz_support.h"
#include "platform/user_messages.h"
#include "settings/terms_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string input = qffuzz::ScratchFolder() + "/input.TRMS";
    const std::string saved = qffuzz::ScratchFolder() + "/saved.TRMS";
    qffuzz::WriteBytes(input, {reinterpret_cast<const char*>(data), size});

    qf::SearchTermsData terms;
    qf::RecordingMessages messages;
    if (!qf::LoadSearchTermsFile(terms, input, messages)) {
        qffuzz::Require(messages.Count() == 1, "a refused terms file gives one message");
        qffuzz::Require(terms == qf::SearchTermsData{}, "a refused terms file changes nothing");
        return 0;
    }
    qffuzz::Require(qf::SaveSearchTermsFile(terms, saved, messages), "loaded terms can be saved");
    qf::SearchTermsData reloaded;
    qffuzz::Require(qf::LoadSearchTermsFile(reloaded, saved, messages), "a saved terms file loads");
    qffuzz::Require(reloaded == terms, "saved terms load back unchanged");
    return 0;
}
