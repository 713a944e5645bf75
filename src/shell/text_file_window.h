#pragma once
// The program's own viewer for a text file it wrote (a report), used when
// the desktop has no viewer to start.

#include <QDialog>
#include <string>

class QLabel;
class QPlainTextEdit;

namespace qf::shell {

class TextFileWindow : public QDialog {
    Q_OBJECT
public:
    explicit TextFileWindow(QWidget* parent = nullptr);

    // Reads the file and shows it; false when it cannot be read.
    bool ShowFile(const std::string& path);
    QString Text() const;

private:
    QLabel* path_ = nullptr;
    QPlainTextEdit* text_ = nullptr;
};

}  // namespace qf::shell
