#pragma once
#include <QScrollArea>

namespace verdika::ui {

// Every page of the main window shares the window's smallest height, so a
// page's content scrolls in a frameless area instead of pushing the window
// taller for all pages.
inline QScrollArea* scrollingArea(QWidget* content, const QString& objectName = {}) {
    auto* area = new QScrollArea;
    if (!objectName.isEmpty()) area->setObjectName(objectName);
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(true);
    area->setWidget(content);
    return area;
}

}  // namespace verdika::ui
