#pragma once
// A text among the outputs of the interest page (the report "Průběh
// výpočtu:" and the two petitions): its caption, a row of small buttons and
// the text. "Kopírovat" puts the whole text on the clipboard; "Náhled" asks
// for the preview window with `previewRequested`.
#include <QWidget>

class QAbstractButton;
class QHBoxLayout;
class QPlainTextEdit;
class QTextEdit;

namespace verdika::ui {

struct TextPaneNames {
    QString caption, edit;
    QString copy, copyTip;
    QString preview, previewTip;
};

class TextPane : public QWidget {
    Q_OBJECT
public:
    // rich: a rich edit (the report), otherwise a plain memo.
    TextPane(const TextPaneNames& names, bool rich, QWidget* parent = nullptr);

    QString text() const;
    void setText(const QString& text);
    void clear();
    // The edit (one of the two is set).
    QTextEdit* richEdit() const { return rich_; }
    QPlainTextEdit* plainEdit() const { return plain_; }
    // A further button of the caption row, after "Kopírovat" and "Náhled".
    void addButton(QAbstractButton* button);

signals:
    void previewRequested(const QString& text);

private:
    QHBoxLayout* buttons_;
    QTextEdit* rich_ = nullptr;
    QPlainTextEdit* plain_ = nullptr;
};

}  // namespace verdika::ui
