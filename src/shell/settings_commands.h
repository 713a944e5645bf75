#pragma once
// The Search Logic, Settings and Search terms commands: the .SET and .TRMS
// files, written from and read back into the main window's controls.

#include <QString>
#include <functional>
#include <string>
#include <vector>

#include "engine/session.h"
#include "platform/user_messages.h"
#include "settings/terms_file.h"
#include "shell/main_controls.h"

class QWidget;

namespace qf::shell {

class SettingsCommands {
public:
    SettingsCommands(Session& session, const MainControls& controls, UserMessages& messages, QWidget* owner,
                     std::function<void()> controlsChanged);

    void OpenSearchLogic();    // 1001
    void SaveSearchLogicAs();  // 1002
    void OpenSettings();       // 1011
    void SaveSettings();       // 1012
    void OpenTerms();          // 1015
    void SaveTerms();          // 1016

    // Copies what the tool windows show into the options before a save.
    std::function<void()> refreshFromToolWindows;
    // The drop-down lists of the file-names and ZIP-names boxes, which the
    // search terms file keeps.
    struct DropDowns {
        std::vector<std::string> fileNames;
        std::vector<std::string> zipNames;
    };
    std::function<DropDowns()> readDropDowns;
    std::function<void(const DropDowns&)> restoreDropDowns;

    bool SaveSettingsTo(const std::string& path);
    bool OpenSettingsFrom(const std::string& path);

    std::string DefaultSettingsPath() const;
    std::string DefaultTermsPath() const;

    // The last session (RESTORELST): at exit the settings and search terms go
    // into files of their own in the application home, never the user's
    // default.SET and default.TRMS; with the option off those files are
    // removed. At start they are read back when they are there.
    void SaveLastSession();
    void RestoreLastSession();
    std::string LastSessionPath(const char* extension) const;

private:
    SearchTermsData TermsFromControls() const;
    void ShowTerms(const SearchTermsData& terms);

    Session& session_;
    const MainControls& controls_;
    UserMessages& messages_;
    QWidget* owner_;
    std::function<void()> controlsChanged_;
    QString lastName_;  // kept between "Save Search Logic as..." calls
};

}  // namespace qf::shell
