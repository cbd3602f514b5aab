#pragma once
// A push button with the object name tests and readers find it by. Not an
// auto-default button: Enter in a field of the page must not press it.
#include <QPushButton>
#include <QString>

namespace verdika::ui {

inline QPushButton* namedButton(QWidget* parent, const char* objectName, const QString& caption) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(objectName));
    b->setAutoDefault(false);
    return b;
}

}  // namespace verdika::ui
