#pragma once
// The task list's warning settings: whether the program warns at start about
// tasks falling due, and how many days ahead ("Ulož" stores both).
#include <QGroupBox>
#include <QString>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace verdika::ui {

class TaskWarningBox : public QGroupBox {
    Q_OBJECT
public:
    explicit TaskWarningBox(QWidget* parent = nullptr);

    // The settings as stored, shown without signalling anything.
    void showSettings(bool warn, const QString& days);
    bool warn() const;
    QString days() const;  // as typed

signals:
    void warnClicked(bool on);  // Lhuty_upozorneni_CheckBox
    void saveClicked();         // "Ulož" (Button43)

private:
    QCheckBox* warn_;
    QLineEdit* days_;  // Dni_Predem_Edit
};

}  // namespace verdika::ui
