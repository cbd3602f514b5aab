#pragma once
// A tab strip that wraps into several rows, so every page of the main window
// has its button in view (a plain tab bar would scroll with arrows). It
// drives a QTabWidget whose own tab bar is hidden, keeping the tab widget's
// index, visibility and captions the single source of truth.
#include <QWidget>

class QButtonGroup;
class QTabWidget;
class QToolButton;

namespace verdika::ui {

class MultiRowTabs : public QWidget {
    Q_OBJECT
public:
    explicit MultiRowTabs(QTabWidget* tabs, QWidget* parent = nullptr);
    // Re-reads captions and visibility from the tab widget.
    void sync();
    QToolButton* button(int index) const;

    // The strip's height follows its width (more rows when narrow); it is
    // fixed for the current width rather than reported as height-for-width,
    // so the window's minimum size does not assume the narrowest strip.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // A tab chosen by the user (not by the program).
    void tabClicked(int index);

protected:
    void resizeEvent(QResizeEvent* e) override;

private:
    int layoutButtons(int width, bool apply) const;

    QTabWidget* tabs_;
    QButtonGroup* group_;
    QList<QToolButton*> buttons_;
};

}  // namespace verdika::ui
