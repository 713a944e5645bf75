#pragma once
// A static text that acts as a link: dark blue, underlined while the mouse is
// over it, a click (or Enter/Space when it has the focus) emits clicked().

#include <QLabel>

namespace qf::shell {

class HyperlinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit HyperlinkLabel(const QString& text, QWidget* parent = nullptr);

    bool IsUnderlined() const;

signals:
    void clicked();

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void SetUnderlined(bool underlined);

    bool pressed_ = false;
};

}  // namespace qf::shell
