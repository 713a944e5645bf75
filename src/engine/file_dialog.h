#pragma once
// The checks of the "File name(s) and type(s) settings" dialog, as plain
// functions over the values of its controls.

#include <string>

#include "platform/user_messages.h"
#include "settings/options.h"

namespace qf {

enum class TypeChoice { All, ExceptExcluded, IncludedOnly, SelectOne };

struct FileDialogValues {
    bool unzip = false;             // CONVZIPCHK
    std::string zipNamesText;       // "ZIP File names : "
    bool byTypes = false;           // "File extensions (types)" instead of names
    std::string fileNamesText;
    TypeChoice types = TypeChoice::All;
    std::string selectOneText;
    int selectOneIndex = 0;
    OptionMap include;              // INCFILEMAP
    OptionMap exclude;              // EXCFILEMAP
    bool confirm = false;           // EXCCONFIRM
    bool includeTermsOn = false;    // FILEISTRCH
    std::string includeTerms;       // FILEICRITE
    bool excludeTermsOn = false;    // FILEESTRCH
    std::string excludeTerms;       // FILEECRITE
};

FileDialogValues FileDialogFromOptions(const Options& options);

// "Add ": the trimmed, lowered type joins the Include list unless it is empty
// (0028) or already in the Exclude (0199) or Include list (0029).
bool AddFileType(const std::string& text, OptionMap& include, const OptionMap& exclude, UserMessages& messages);

// OK, in the dialog's order. False when a check failed or a question was
// answered No; the steps before it have stored their options.
bool ApplyFileDialog(const FileDialogValues& values, Options& options, UserMessages& messages);

}  // namespace qf
