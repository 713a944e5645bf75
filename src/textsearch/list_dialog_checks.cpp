#include "textsearch/list_dialog_checks.h"

#include <algorithm>
#include <set>

#include "platform/case_fold.h"

namespace qf {
namespace {

constexpr size_t kMostSelected = 512;
constexpr const char* kProtectedDelimiter = "space";

bool IsDelimiters(ListDialogKind kind) { return kind == ListDialogKind::Delimiters; }

std::string TrimSpaces(const std::string& s) {
    const size_t first = s.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

bool Contains(const std::vector<std::string>& list, const std::string& item) {
    return std::any_of(list.begin(), list.end(), [&](const std::string& s) { return EqualsIgnoreCase(s, item); });
}

std::string CaptionPrefix(ListDialogKind kind, ListButton button) {
    static constexpr const char* kDelimiters[] = {"0155", "0156", "0157", "0158"};
    static constexpr const char* kComments[] = {"0151", "0152", "0153", "0154"};
    const size_t i = size_t(button);
    return std::string("Warning !    Msg no: ") + (IsDelimiters(kind) ? kDelimiters[i] : kComments[i]);
}

bool TooManySelected(ListDialogKind kind, ListButton button, size_t count, UserMessages& messages) {
    if (count <= kMostSelected) return false;
    messages.Show(WarningMessage(CaptionPrefix(kind, button) + "-2.",
                                 "Too many items selected.\n\nAction: Select less number of items."));
    return true;
}

bool Confirmed(ListDialogKind kind, ListButton button, const ListDialogState& state, const char* text,
               UserMessages& messages) {
    if (!state.confirm) return true;
    return messages.Show(QuestionMessage(CaptionPrefix(kind, button) + "-1.", text)) == MsgAnswer::Yes;
}

bool IsProtected(ListDialogKind kind, const std::string& item) {
    return IsDelimiters(kind) && EqualsIgnoreCase(item, kProtectedDelimiter);
}

std::set<size_t> ValidRows(const std::vector<size_t>& selected, size_t size) {
    std::set<size_t> rows;
    for (size_t r : selected)
        if (r < size) rows.insert(r);
    return rows;
}

OptionMap ToMap(const std::vector<std::string>& list) {
    OptionMap map;
    for (const std::string& item : list) map.emplace(CharLowerA(item), 0);
    return map;
}

void KeepChoice(Options& options, Opt choice, const std::vector<std::string>& include) {
    const std::string current = CharLowerA(options.Text(choice));
    if (include.empty() || Contains(include, current)) return;
    options.SetText(choice, CharLowerA(include.front()));
}

}  // namespace

size_t EntryLimit(ListDialogKind kind, bool firstOpening) {
    const size_t allowed = IsDelimiters(kind) ? 1 : 2;
    return firstOpening ? allowed : allowed + 1;
}

Message EntryTooLongMessage(ListDialogKind kind) {
    if (IsDelimiters(kind))
        return WarningMessage("Warnings !    Msg no: 0025.", "It's only possible one character to add !!!");
    return WarningMessage("Warnings !    Msg no: 0022.", "It's  possible only two characters to add !!!");
}

bool AddItem(ListDialogKind kind, ListDialogState& state, UserMessages& messages) {
    const bool delimiters = IsDelimiters(kind);
    const std::string item = TrimSpaces(state.entry);
    if (item.empty()) {
        messages.Show(delimiters ? WarningMessage("Warning !    Msg no: 0026.",
                                                  "Empty field !!!\n\nAction : You must enter a valid delimiter.")
                                 : WarningMessage("Warning !    Msg no: 0023.",
                                                  "Empty field !!!\n\nAction : You must enter a valid comment "
                                                  "character."));
        return false;
    }
    if (Contains(state.include, item)) {
        messages.Show(delimiters ? WarningMessage("Warning !    Msg no: 0027.",
                                                  "This item is already exists in the include window !\n\nAction: "
                                                  "Correct the item.")
                                 : WarningMessage("Warning !    Msg no: 0024.",
                                                  "This item is already exists in the include window!\n\nAction: "
                                                  "Correct the item."));
        return false;
    }
    if (Contains(state.exclude, item)) {
        messages.Show(WarningMessage(delimiters ? "Warning !    Msg no: 0198." : "Warning !    Msg no: 0197.",
                                     "This item is already exists in the exclude window !\n\nAction: Correct the "
                                     "item."));
        return false;
    }
    state.include.push_back(item);
    // One blank stays in the entry, so it takes one more character.
    state.entry = " ";
    state.entryLimit = EntryLimit(kind, false);
    return true;
}

bool MoveSelected(ListDialogKind kind, ListButton button, std::vector<std::string>& from,
                  std::vector<std::string>& to, const std::vector<size_t>& selected, UserMessages& messages) {
    const std::set<size_t> rows = ValidRows(selected, from.size());
    if (TooManySelected(kind, button, rows.size(), messages)) return false;
    std::vector<std::string> kept;
    for (size_t i = 0; i < from.size(); ++i) {
        if (rows.count(i) == 0) {
            kept.push_back(from[i]);
        } else if (!Contains(to, from[i])) {
            to.push_back(from[i]);
        }
    }
    from = std::move(kept);
    return true;
}

void MoveAll(std::vector<std::string>& from, std::vector<std::string>& to) {
    for (const std::string& item : from)
        if (!Contains(to, item)) to.push_back(item);
    from.clear();
}

bool DeleteSelected(ListDialogKind kind, ListDialogState& state, std::vector<std::string>& list,
                    const std::vector<size_t>& selected, UserMessages& messages) {
    const std::set<size_t> rows = ValidRows(selected, list.size());
    if (rows.empty()) return false;
    if (TooManySelected(kind, ListButton::Delete, rows.size(), messages)) return false;
    if (!Confirmed(kind, ListButton::Delete, state, "Are you sure you want to delete selected item(s) from the list ?",
                   messages))
        return false;
    std::vector<std::string> kept;
    for (size_t i = 0; i < list.size(); ++i) {
        if (rows.count(i) == 0) {
            kept.push_back(list[i]);
        } else if (IsProtected(kind, list[i])) {
            messages.Show(WarningMessage(CaptionPrefix(kind, ListButton::Delete) + "-3.",
                                         "Impossible to delete :  \n" + list[i]));
            kept.push_back(list[i]);
        }
    }
    list = std::move(kept);
    return true;
}

bool RemoveAll(ListDialogKind kind, ListDialogState& state, std::vector<std::string>& list, UserMessages& messages) {
    if (!Confirmed(kind, ListButton::RemoveAll, state, "Are you sure you want to delete all items from the list ?",
                   messages))
        return false;
    std::erase_if(list, [kind](const std::string& item) { return !IsProtected(kind, item); });
    return true;
}

bool CheckOk(ListDialogKind kind, const ListDialogState& state, UserMessages& messages) {
    if (!state.include.empty()) return true;
    messages.Show(IsDelimiters(kind)
                      ? WarningMessage("Warning    Msg no: 0086.",
                                       "Included window is empty !\n\nAction: You must enter at least one delimiter.")
                      : WarningMessage("Warning    Msg no: 0084.",
                                       "Included window is empty !\n\nAction: You must enter at least one comment "
                                       "character."));
    return false;
}

bool CheckCancel(ListDialogKind kind, const ListDialogState& state, UserMessages& messages) {
    if (!state.include.empty()) return true;
    messages.Show(IsDelimiters(kind)
                      ? WarningMessage("Warning    Msg no: 0087.",
                                       "Included window is empty !\n\nAction: You must enter at least one delimiter.")
                      : WarningMessage("Warning    Msg no: 0085.",
                                       "Included window is empty !\n\nAction: You must enter at least one comment "
                                       "character."));
    return false;
}

void ApplyOk(ListDialogKind kind, const ListDialogState& state, Options& options) {
    const bool delimiters = IsDelimiters(kind);
    options.SetMap(delimiters ? Opt::INCDELMMAP : Opt::INCCOMMMAP, ToMap(state.include));
    options.SetMap(delimiters ? Opt::EXCDELMMAP : Opt::EXCCOMMMAP, ToMap(state.exclude));
    options.SetInt(delimiters ? Opt::DELCONFIRM : Opt::COMCONFIRM, state.confirm ? 1 : 0);
    KeepChoice(options, delimiters ? Opt::SELONEDLMN : Opt::SELONECHAR, state.include);
}

}  // namespace qf
