#pragma once
// The find dialog of the text memos: "Najít další" searches from the end of
// the current selection (or the caret); with match case off only the
// letters a–z are folded, so accented letters match in the same case only.
#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;

namespace verdika::ui {

// Searches the memo as the find dialog does; selects the match and returns
// true, or shows "<text> nenalezeno." and returns false. Focuses the memo.
bool findNextInMemo(QPlainTextEdit* memo, const QString& needle, bool matchCase);

class FindDialog : public QDialog {
    Q_OBJECT
public:
    explicit FindDialog(QWidget* parent = nullptr);
    QString findText() const;
    void setFindText(const QString& text);
    bool matchCase() const;
    void setMatchCase(bool on);

signals:
    void findNext();

private:
    QLineEdit* text_;
    QCheckBox* case_;
};

}  // namespace verdika::ui
