#pragma once
// What both calculation sub-tabs of the costs tab share besides their
// regions: the tips of their information buttons and the set-file dialogs.
#include <QString>

class QToolButton;
class QWidget;

namespace verdika::ui {

QToolButton* actsTipButton(const QString& objectName, QWidget* parent);
QToolButton* vatTipButton(const QString& objectName, QWidget* parent);
QToolButton* courtFeeTipButton(const QString& objectName, QWidget* parent);

// The open or save dialog of the set files (*.vrd, starting in the data
// directory); empty when cancelled.
QString askSetFile(QWidget* parent, const QString& dataDir, bool save);

}  // namespace verdika::ui
