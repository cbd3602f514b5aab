#pragma once
#include <QDialog>
#include <filesystem>

class QLineEdit;
class QTableWidget;

namespace verdika::ui {

// The window "Oblíbené cesty": named trips with their distance and
// half-hours, kept in "oblibene_cesty.ini"; one of them is put into the
// travel page's distance and half-hour fields.
class FavouritesWindow : public QDialog {
    Q_OBJECT
public:
    FavouritesWindow(std::filesystem::path file, QWidget* parent = nullptr);

    QTableWidget* grid() const { return grid_; }
    void reload();        // FormCreate and after every change
    void Button4Click();  // "Přidat cestu"
    void Button11Click(); // "Odstranit"
    void Button1Click();  // "Vložit do cestovného" (also a double click on the grid)

signals:
    void tripPicked(const QString& distance, const QString& halfHours);

private:
    std::filesystem::path file_;
    QLineEdit* name_;
    QLineEdit* distance_;
    QLineEdit* halfHours_;
    QTableWidget* grid_;
};

}  // namespace verdika::ui
