#pragma once
#include <QDialog>

class QPlainTextEdit;

namespace verdika::ui {

// The window "Předpis": a regulation text, read-only.
class RegulationWindow : public QDialog {
    Q_OBJECT
public:
    explicit RegulationWindow(QWidget* parent = nullptr);
    // Loads the file (Windows-1250 or UTF-8); throws IoError when it cannot be read.
    void showFile(const QString& path);
    QPlainTextEdit* memo() const { return memo_; }

private:
    QPlainTextEdit* memo_;
};

}  // namespace verdika::ui
