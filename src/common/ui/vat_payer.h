#pragma once
// The "Plátce DPH" boxes of the pages share one saved default: a click by the
// user (while the main window is showing) stores the state as [odmena] dph.
// Setting a box from the program never writes.
class QCheckBox;
class QWidget;

namespace verdika {
class Settings;
}

namespace verdika::ui {

void Naklad_DPH_CheckClick(QCheckBox* box, Settings& settings, const QWidget* mainWindow);
// Connects the box's user clicks to Naklad_DPH_CheckClick.
void connectVatPayerBox(QCheckBox* box, Settings& settings, const QWidget* mainWindow);

}  // namespace verdika::ui
