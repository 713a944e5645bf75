#pragma once
// The operations of the delimiter and comment-string dialogs over plain
// lists, with their messages; the dialogs only show the lists.

#include <cstddef>
#include <string>
#include <vector>

#include "platform/user_messages.h"
#include "settings/options.h"

namespace qf {

enum class ListDialogKind { Delimiters, Comments };

struct ListDialogState {
    std::vector<std::string> include;
    std::vector<std::string> exclude;
    std::string entry;
    size_t entryLimit = 1;   // characters the entry takes
    bool confirm = false;    // "Confirm operations"
};

enum class ListButton { ToExclude, ToInclude, Delete, RemoveAll };  // ">", "<", "Delete item ", "Remove all items "

// The entry limit at the first opening in a program run, or later and after an Add.
size_t EntryLimit(ListDialogKind kind, bool firstOpening);
// The message when the user types past the entry limit.
Message EntryTooLongMessage(ListDialogKind kind);

// "Add ": the trimmed entry goes to the end of Include unless it is empty or
// already listed (either list, ignoring case). Returns true when added.
bool AddItem(ListDialogKind kind, ListDialogState& state, UserMessages& messages);

// ">" and "<" (selected rows of the source list) and ">>" / "<<" (all rows).
bool MoveSelected(ListDialogKind kind, ListButton button, std::vector<std::string>& from,
                  std::vector<std::string>& to, const std::vector<size_t>& selected, UserMessages& messages);
void MoveAll(std::vector<std::string>& from, std::vector<std::string>& to);

// "Delete item " on the selected rows of a list; "space" stays in a delimiter list.
bool DeleteSelected(ListDialogKind kind, ListDialogState& state, std::vector<std::string>& list,
                    const std::vector<size_t>& selected, UserMessages& messages);
// "Remove all items "; keeps "space" in a delimiter list.
bool RemoveAll(ListDialogKind kind, ListDialogState& state, std::vector<std::string>& list, UserMessages& messages);

// OK and CANCEL refuse an empty Include list with their message.
bool CheckOk(ListDialogKind kind, const ListDialogState& state, UserMessages& messages);
bool CheckCancel(ListDialogKind kind, const ListDialogState& state, UserMessages& messages);

// After OK: the lists become the option maps (lowercased), the confirm box
// its option, and the "Select one" choice stays when still included.
void ApplyOk(ListDialogKind kind, const ListDialogState& state, Options& options);

}  // namespace qf
