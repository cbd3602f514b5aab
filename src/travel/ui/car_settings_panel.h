#pragma once
// The sub-page "Nastavení": the car list of "auta.ini" with adding and
// removing a car, and the own fuel prices of "cestovne_vlastni.ini". Every
// change of the list says carsChanged, so the car box follows.
#include <QStringList>
#include <QWidget>
#include <filesystem>

class QComboBox;
class QLineEdit;
class QTableWidget;

namespace verdika::ui {

class CarSettingsPanel : public QWidget {
    Q_OBJECT
public:
    CarSettingsPanel(std::filesystem::path carsFile, std::filesystem::path ownPricesFile, QWidget* parent = nullptr);

    void loadCars();
    void addCar();         // "Přidat auto"
    void removeCar();      // "Odstranit"
    void saveOwnPrices();  // "Uložit"

signals:
    void carsChanged(const QStringList& names);

private:
    QWidget* buildCarsBox();
    QWidget* buildPricesBox();

    std::filesystem::path carsFile_;
    std::filesystem::path ownPricesFile_;
    QTableWidget* grid_ = nullptr;
    QLineEdit* name_ = nullptr;
    QLineEdit* consumption_ = nullptr;
    QComboBox* fuel_ = nullptr;
    QLineEdit* own95_ = nullptr;
    QLineEdit* own91_ = nullptr;
    QLineEdit* own98_ = nullptr;
    QLineEdit* ownDiesel_ = nullptr;
};

}  // namespace verdika::ui
