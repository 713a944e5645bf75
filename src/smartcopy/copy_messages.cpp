#include "smartcopy/copy_messages.h"

namespace qf {
namespace {

constexpr const char* kIncreaseFailed =
    "The copy procedure FAIL because the increase number is higher than max. number !";

}  // namespace

Message NothingToCopyMessage() {
    return WarningMessage("Warning !    Msg no: 0262.",
                          "No selected files to copy.\nAction : You must select at least one of Results, Word or "
                          "Pdf to copy.");
}

Message NoResultRowsMessage() {
    return WarningMessage("Warning !    Msg no: 0233.",
                          "No Items in Result window\nAction : You must perform a search to get some results.");
}

Message EmptyDestinationMessage() {
    return WarningMessage("Warning !    Msg no: 0234.",
                          "Empty Destination folder!\nAction : You must select a folder.");
}

Message CreateDestinationQuestion() {
    return QuestionMessage("Warning !    Msg no: 0235.", "Folder doesn't exist ! Do you want to create it ? ");
}

Message DestinationMissingMessage() {
    return ErrorMessage("Error !    Msg no: 0236.",
                        "The copy procedure FAIL because the destination folder doesn't exist !");
}

Message NotEnoughSpaceMessage() {
    return ErrorMessage("Error !    Msg no: 0240.",
                        "The copy procedure FAIL because there is not enough space on the disk !");
}

Message CopyOntoItselfMessage() {
    return ErrorMessage("Error !    Msg no: 0249.", "Result cannot be copied onto itself !!!");
}

Message ClearDestinationQuestion(const std::string& destination) {
    return QuestionMessage("Warning !    Msg no: 0240.",
                           "Do you want to delete all subfolders and files of the \n" + destination + "   folder ?");
}

Message CopyEndedMessage(int replaced) {
    Message m;
    m.caption = "Copy Results!    Msg no: 0237.";
    m.text = "End of copy process !";
    if (replaced > 0)
        m.text += "\n\n" + std::to_string(replaced) +
                  " copied files replaced a file of the same name copied earlier in this run."
                  "\n\nAction : Choose \"Increase file names\" or \"Increase file extensions\" to keep them all.";
    m.icon = MsgIcon::Information;
    return m;
}

Message NamesExhaustedMessage() { return ErrorMessage("Error !    Msg no: 0238.", kIncreaseFailed); }

Message ExtensionsExhaustedMessage() { return ErrorMessage("Error !    Msg no: 0239.", kIncreaseFailed); }

Message DestinationListedMessage() {
    return WarningMessage("Warning !    Msg no: 0232.",
                          "This folder is already exists in the Selected Folder combo!\n\n");
}

}  // namespace qf
