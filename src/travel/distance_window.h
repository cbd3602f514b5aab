#pragma once
#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;

namespace verdika {
struct AppPaths;
}

namespace verdika::ui {

// The window "Vzdálenost": two lists of district towns; OK looks the pair up
// in the distance table and hands the distance to the travel page. The
// figures are estimates, and the window says so.
class DistanceWindow : public QDialog {
    Q_OBJECT
public:
    DistanceWindow(const AppPaths& paths, QWidget* parent = nullptr);

    QListWidget* fromList() const { return from_; }
    QListWidget* toList() const { return to_; }

    void BitBtn1Click();  // OK
    void BitBtn2Click();  // Storno

signals:
    void distancePicked(int km);

private:
    const AppPaths& paths_;
    QListWidget* from_;
    QListWidget* to_;
};

}  // namespace verdika::ui
