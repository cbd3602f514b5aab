#pragma once
#include <QDialog>

class QTextEdit;

namespace verdika::ui {

// The window "Náhled": one text shown in a rich edit filling the window.
class PreviewWindow : public QDialog {
    Q_OBJECT
public:
    explicit PreviewWindow(QWidget* parent = nullptr);
    // Replaces the content with the text and shows the window (not modal).
    void showText(const QString& text);
    QTextEdit* edit() const { return edit_; }

private:
    QTextEdit* edit_;
};

}  // namespace verdika::ui
