#include "engine/file_dialog.h"

#include <algorithm>
#include <vector>

#include "engine/file_extension.h"
#include "platform/case_fold.h"
#include "textsearch/query_terms.h"

namespace qf {
namespace {

std::string Trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

bool HasEmptyName(const std::vector<std::string>& names) {
    return std::any_of(names.begin(), names.end(), [](const std::string& n) { return n.empty(); });
}

void StoreTypeChoices(const FileDialogValues& v, Options& o) {
    o.SetInt(Opt::CONVZIPCHK, v.unzip);
    o.SetInt(Opt::MATCHFILNA, !v.byTypes);
    o.SetInt(Opt::MATCHFILTY, v.byTypes);
    o.SetInt(Opt::EXCCONFIRM, v.confirm);
    o.SetInt(Opt::ALLFILETPS, v.types == TypeChoice::All);
    o.SetInt(Opt::EXCFILETPS, v.types == TypeChoice::ExceptExcluded);
    o.SetInt(Opt::INCFILETPS, v.types == TypeChoice::IncludedOnly);
    o.SetInt(Opt::SELONEFLTS, v.types == TypeChoice::SelectOne);
    o.SetText(Opt::SELONEFILE, v.selectOneText);
    o.SetInt(Opt::SELONEFILE, v.selectOneIndex);
    o.SetMap(Opt::INCFILEMAP, v.include);
    o.SetMap(Opt::EXCFILEMAP, v.exclude);
}

// The ZIP file names: checked and split only while "UNZIP" is checked.
bool StoreZipNames(const FileDialogValues& v, Options& o, UserMessages& messages) {
    o.SetList(Opt::ZFILENAMES, {});
    if (!v.unzip) {
        o.SetText(Opt::ZFNDFLTEXT, " ");
        return true;
    }
    if (v.zipNamesText.empty()) {
        messages.Show(WarningMessage("Warning !    Msg no: 0248",
                                     "Zip file name control is empty!!!\n\n"
                                     "You must enter a valid file name or uncheck the UNZIP check box."));
        return false;
    }
    if (v.zipNamesText.find('"') != std::string::npos) {
        messages.Show(WarningMessage("Warning !    Msg no: 0246",
                                     "Illegal character(s) \" in the Zip file name control!!!"));
        return false;
    }
    std::vector<std::string> names;
    if (!ParseQueryTerms(v.zipNamesText, o.Text(Opt::SEPARATORH), names, messages)) return false;
    if (HasEmptyName(names)) {
        messages.Show(WarningMessage("Warning !    Msg no: 0245",
                                     "Empty element in Zip file array !!!\n\nNothing between two marks(separators)."));
        return false;
    }
    for (const std::string& name : names) {
        if (!IsZipExtension(ExtensionOfName(name))) {
            messages.Show(WarningMessage("Warning !    Msg no: 0247",
                                         "Illegal file extension in the Zip file name control !!!\n\n"
                                         "You can enter only file names with ZIP extension."));
            return false;
        }
    }
    o.SetList(Opt::ZFILENAMES, names);
    o.SetText(Opt::ZFNDFLTEXT, v.zipNamesText);
    return true;
}

// Each file name without a period is accepted only on Yes.
bool AcceptNamesWithoutPeriod(const std::vector<std::string>& names, UserMessages& messages) {
    std::vector<std::string> missing;
    for (const std::string& name : names)
        if (name.find('.') == std::string::npos) missing.push_back(name);
    const std::string count = std::to_string(missing.size());
    for (size_t k = 0; k < missing.size(); ++k) {
        Message question = QuestionMessage("Warning !    Msg no: 0251",
                                           "Period (.) is missing from : " + count + " file names.\nNo: " +
                                               std::to_string(k + 1) + "/" + count + " is : " + missing[k] +
                                               "\nDo you want to accept it ?");
        question.icon = MsgIcon::Question;
        if (messages.Show(question) != MsgAnswer::Yes) return false;
    }
    return true;
}

bool StoreFileNames(const FileDialogValues& v, Options& o, UserMessages& messages) {
    const std::string text = v.byTypes ? "*.*" : v.fileNamesText;
    if (text.empty()) {
        messages.Show(WarningMessage("Warning !    Msg no: 0248",
                                     "File name control is empty!!!\n\nYou must enter a valid file name."));
        return false;
    }
    std::vector<std::string> names;
    if (!ParseQueryTerms(text, o.Text(Opt::SEPARATORH), names, messages)) return false;
    if (HasEmptyName(names)) {
        messages.Show(WarningMessage("Warning !    Msg no: 0077",
                                     "Empty element in file array !!!\n\nNothing between two marks(separators)."));
        return false;
    }
    if (!AcceptNamesWithoutPeriod(names, messages)) return false;
    o.SetList(Opt::FILENAMES1, names);
    o.SetText(Opt::CRFILETEXT, text);
    return true;
}

void StoreTermRules(const FileDialogValues& v, Options& o) {
    const std::string include = v.includeTermsOn ? Trimmed(v.includeTerms) : std::string();
    const std::string exclude = v.excludeTermsOn ? Trimmed(v.excludeTerms) : std::string();
    o.SetInt(Opt::FILEISTRCH, v.includeTermsOn && !include.empty());
    o.SetInt(Opt::FILEESTRCH, v.excludeTermsOn && !exclude.empty());
    o.SetText(Opt::FILEICRITE, include);
    o.SetText(Opt::FILEECRITE, exclude);
}

}  // namespace

FileDialogValues FileDialogFromOptions(const Options& o) {
    FileDialogValues v;
    v.unzip = o.On(Opt::CONVZIPCHK);
    v.zipNamesText = o.Text(Opt::ZFNDFLTEXT);
    v.byTypes = o.On(Opt::MATCHFILTY);
    v.fileNamesText = o.Text(Opt::CRFILETEXT);
    v.types = o.On(Opt::EXCFILETPS)   ? TypeChoice::ExceptExcluded
              : o.On(Opt::INCFILETPS) ? TypeChoice::IncludedOnly
              : o.On(Opt::SELONEFLTS) ? TypeChoice::SelectOne
                                      : TypeChoice::All;
    v.selectOneText = o.Text(Opt::SELONEFILE);
    v.selectOneIndex = o.Int(Opt::SELONEFILE);
    v.include = o.Map(Opt::INCFILEMAP);
    v.exclude = o.Map(Opt::EXCFILEMAP);
    v.confirm = o.On(Opt::EXCCONFIRM);
    v.includeTermsOn = o.On(Opt::FILEISTRCH);
    v.includeTerms = o.Text(Opt::FILEICRITE);
    v.excludeTermsOn = o.On(Opt::FILEESTRCH);
    v.excludeTerms = o.Text(Opt::FILEECRITE);
    return v;
}

bool AddFileType(const std::string& text, OptionMap& include, const OptionMap& exclude, UserMessages& messages) {
    const std::string type = CharLowerA(Trimmed(text));
    if (type.empty()) {
        messages.Show(WarningMessage("Warning !    Msg no: 0028.", "Empty field !!!\n\nYou must enter a file type."));
        return false;
    }
    if (exclude.count(type)) {
        messages.Show(WarningMessage("Warning !    Msg no: 0199.",
                                     "This item is already exists in the exclude window!!!\n\nCorrect the item."));
        return false;
    }
    if (include.count(type)) {
        messages.Show(WarningMessage("Warning !    Msg no: 0029.",
                                     "This item is already exists in the include window !!!\n\nCorrect the item."));
        return false;
    }
    include.emplace(type, 0);
    return true;
}

bool ApplyFileDialog(const FileDialogValues& v, Options& o, UserMessages& messages) {
    if (v.include.empty()) {
        messages.Show(WarningMessage("Warning    Msg no: 0108.",
                                     "Included window is empty !\n\nAction: You must enter at least one file type."));
        return false;
    }
    StoreTypeChoices(v, o);
    if (!StoreZipNames(v, o, messages)) return false;
    if (!StoreFileNames(v, o, messages)) return false;
    StoreTermRules(v, o);
    return true;
}

}  // namespace qf
