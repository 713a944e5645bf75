#pragma once
// The controls of the main window, laid out in their groups.

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTableView;
class QTextEdit;
class QWidget;

namespace qf::shell {

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

    QTableView* resultWindow = nullptr;
    QLabel* statusLine = nullptr;
    QTextEdit* preview = nullptr;

    void Enable(QWidget* control, bool on) const;
};

// Creates the controls inside `central` with their captions, object names
// ("id135") and tool tips.
MainControls BuildMainControls(QWidget* central);

}  // namespace qf::shell
