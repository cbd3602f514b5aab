#pragma once
#include <QScrollArea>

namespace verdika::ui {

// A frameless scroll area. The main window puts every page into one (a page
// taller than its tab on a small screen scrolls there); a page needs its own
// only for a part that should scroll alone.
inline QScrollArea* scrollingArea(QWidget* content, const QString& objectName = {}) {
    auto* area = new QScrollArea;
    if (!objectName.isEmpty()) area->setObjectName(objectName);
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(true);
    area->setWidget(content);
    return area;
}

}  // namespace verdika::ui
