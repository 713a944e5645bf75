#pragma once
// The controls of the main window, laid out in their groups.

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTextEdit;
class QWidget;

namespace qf::shell {

class PreviewEdit;
class ResultTableView;

struct MainControls {
    QGroupBox* modeGroup = nullptr;
    QRadioButton* byFileName = nullptr;
    QRadioButton* queryTextIn = nullptr;
    QCheckBox* fileContent = nullptr;
    QCheckBox* fileName = nullptr;
    QCheckBox* fileExtension = nullptr;
    QCheckBox* folderName = nullptr;

    QGroupBox* optionsGroup = nullptr;
    QPushButton* selectFolders = nullptr;
    QPushButton* selectFiles = nullptr;
    QPushButton* textOptions = nullptr;
    QPushButton* dateTimeSize = nullptr;

    QGroupBox* feedbackGroup = nullptr;
    QPushButton* checkTavilan = nullptr;
    QPushButton* showTavilan = nullptr;
    QPushButton* statistics = nullptr;

    QGroupBox* resultsGroup = nullptr;
    QPushButton* logCenter = nullptr;
    QPushButton* groupSort = nullptr;
    QPushButton* extractReports = nullptr;
    QPushButton* smartCopy = nullptr;

    QPushButton* search = nullptr;
    QPushButton* stop = nullptr;

    QRadioButton* standardQuery = nullptr;
    QRadioButton* booleanQuery = nullptr;
    QRadioButton* microBoolean = nullptr;
    QCheckBox* booleanAssistant = nullptr;
    QComboBox* standardBox = nullptr;
    QTextEdit* booleanEditor = nullptr;

    QGroupBox* clickGroup = nullptr;
    QRadioButton* openPreview = nullptr;
    QRadioButton* openDefaultApp = nullptr;
    QCheckBox* recordView = nullptr;

    ResultTableView* resultWindow = nullptr;
    QLabel* statusLine = nullptr;
    QLabel* patternsNote = nullptr;  // the file patterns, when they are not "*.*"
    PreviewEdit* preview = nullptr;

    void Enable(QWidget* control, bool on) const;
};

// The result window shows at least this many rows at the window's smallest size.
constexpr int kMinimumResultRows = 10;

// Creates the controls inside `central` with their captions, object names
// ("id135") and tool tips.
MainControls BuildMainControls(QWidget* central);

}  // namespace qf::shell
