#include "engine/end_message.h"

#include <string>

namespace qf {

Message EndOfSearchMessage(int64_t searchMaxLines, int64_t resultLines) {
    Message m;
    m.caption = kEndMessageCaption;
    m.icon = MsgIcon::Exclamation;
    m.buttons = MsgButtons::Ok;
    if (searchMaxLines < resultLines + 1) {
        m.text = "Search stopped !!! \n\nThe program reached the user defined display limit of:\n\n" +
                 std::to_string(searchMaxLines) +
                 " line (max. system limit is 10,000).\n\nYou can change Line/File value (default = 100) in the "
                 "Text Options window,\n\nbut max. system limit = 10,000 always remains the same.";
    } else {
        m.text = "End of search !!!";
    }
    return m;
}

}  // namespace qf
