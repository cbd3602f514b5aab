#pragma once
// What both calculation sub-tabs of the costs tab share besides their
// regions: the tips of their information buttons and the set-file dialogs.
#include <QString>
#include <filesystem>
#include <functional>

class QPushButton;
class QToolButton;
class QWidget;

namespace verdika::ui {

QToolButton* actsTipButton(const QString& objectName, QWidget* parent);
QToolButton* vatTipButton(const QString& objectName, QWidget* parent);
QToolButton* courtFeeTipButton(const QString& objectName, QWidget* parent);

// "Vypočítat": bold, the default button of its sub-tab.
QPushButton* computeButton(const QString& objectName, QWidget* parent);

// "Uložit sestavu" and "Načíst sestavu": the save or open dialog of the set
// files (*.vrd, starting in the data directory), then the action on the file
// chosen through runAction; a cancelled dialog does nothing.
void withSetFile(QWidget* parent, const std::filesystem::path& dataDir, bool save,
                 const std::function<void(const std::filesystem::path&)>& action);

}  // namespace verdika::ui
