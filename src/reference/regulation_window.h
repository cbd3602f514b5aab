#pragma once
#include <QDialog>

#include "reference/regulations.h"

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace verdika::ui {

class FindDialog;

// The window "Předpis": the text of a regulation, read-only, with a search.
// Created at first use and re-used; non-modal, centred on the main window.
class RegulationWindow : public QDialog {
    Q_OBJECT
public:
    explicit RegulationWindow(QWidget* parent = nullptr);
    // Zobrazit_Predpis: loads the file (Windows-1250 or UTF-8) and shows the
    // window; throws IoError, and shows nothing, when it cannot be read.
    void showFile(const QString& path);
    QPlainTextEdit* memo() const { return memo_; }
    FindDialog* findDialog() const { return fd_; }
    QString fileShown() const { return file_; }

    void Button1Click();  // "najít"
    void FDFind();        // the find dialog's find-next

protected:
    void hideEvent(QHideEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    QPlainTextEdit* memo_;
    QLineEdit* re_;
    QPushButton* find_;
    FindDialog* fd_;
    RegulationSearch search_;
    QString file_;
};

}  // namespace verdika::ui
