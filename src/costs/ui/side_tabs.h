#pragma once
// A tab widget with its tabs on the right edge and their captions written
// across, wrapped to two lines when needed: six sub-tabs fit the height of
// the page, and none of their captions is cut or turned on its side.
#include <QTabBar>
#include <QTabWidget>

namespace verdika::ui {

class SideTabBar : public QTabBar {
    Q_OBJECT
public:
    explicit SideTabBar(QWidget* parent = nullptr);

protected:
    QSize tabSizeHint(int index) const override;
    void paintEvent(QPaintEvent* event) override;

private:
    int captionWidth() const;
};

class SideTabWidget : public QTabWidget {
    Q_OBJECT
public:
    explicit SideTabWidget(QWidget* parent = nullptr);
};

}  // namespace verdika::ui
