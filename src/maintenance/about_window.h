#pragma once
#include <QDialog>

class QLabel;

namespace verdika {
class DataModule;
}

namespace verdika::ui {

// The window "O programu": the installed version and the data directory.
class AboutWindow : public QDialog {
    Q_OBJECT
public:
    explicit AboutWindow(DataModule& data, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* e) override;

private:
    DataModule& data_;
    QLabel* version_;
};

}  // namespace verdika::ui
