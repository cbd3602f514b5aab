#pragma once
// The window "Zadat novou hranici": the lines of the rate table uroky.vrd in
// the data directory, with adding, editing and deleting a boundary. Every
// change is saved at once; the list stays in date order.
#include <QDialog>
#include <filesystem>
#include <string>
#include <vector>

class QDateEdit;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace verdika::ui {

class RateTableWindow : public QDialog {
    Q_OBJECT
public:
    RateTableWindow(std::filesystem::path file, QWidget* parent = nullptr);

    QListWidget* list() const { return list_; }
    // Reloads the list from the file (each time the window is shown).
    void reload();

    void ListBox1Click();  // a line into the date picker and the rate field
    void Button1Click();   // "Přidat"
    void Button2Click();   // "Uprav existující"
    void Button3Click();   // "Smaž"

protected:
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void store(std::vector<std::string> lines, const std::string& select);
    int lineWidth() const;  // of the widest line a column must show

    std::filesystem::path file_;
    std::vector<std::string> lines_;
    QListWidget* list_;
    QDateEdit* date_;
    QLineEdit* rate_;
};

}  // namespace verdika::ui
