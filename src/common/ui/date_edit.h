#pragma once
// Date pickers of the pages: d.M.yyyy with a calendar popup.
#include <QDateEdit>

namespace verdika::ui {

QDateEdit* makeDateEdit(const QString& objectName, QWidget* parent = nullptr);

}  // namespace verdika::ui
