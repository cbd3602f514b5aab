#pragma once
// A one-line label that shows its whole text wherever there is room for it
// and shortens it with "…" only when its place is really too narrow, the
// whole text then in its tooltip. It asks for its whole text's width but
// lets a narrow window shrink it, so a long text never sets the window's
// minimum width.
#include <QLabel>

namespace verdika::ui {

class ElidedLabel : public QLabel {
    Q_OBJECT
public:
    explicit ElidedLabel(const QString& text, QWidget* parent = nullptr);

    void setFullText(const QString& text);
    QString fullText() const { return full_; }
    // The width of the whole text, margins included.
    int textWidth() const;
    bool isElided() const { return text() != full_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    void showFitting();
    int fullAdvance() const;

    QString full_;
    mutable int advance_ = -1;
};

}  // namespace verdika::ui
