#pragma once
// A label that acts when clicked: a picture that opens what it shows, an
// e-mail or web address shown as a link. With a focus policy the caller
// sets, Enter and Space act too, so the keyboard reaches it.
#include <QLabel>

namespace verdika::ui {

class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickableLabel(const QString& objectName, QWidget* parent = nullptr);
    // Blue and underlined like a link in a browser.
    void setLinkLook();

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
};

}  // namespace verdika::ui
