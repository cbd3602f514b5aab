#pragma once
#include <QWidget>
#include <optional>
#include <string>
#include <vector>

class QLineEdit;
class QListWidget;

namespace verdika::ui {

// "Soudní poplatek:": the court-fee list of the non-money sub-tab with its
// tip and search ("Hledání v poplatku", "další"), as the court-fee page
// searches.
class CourtFeeChooser : public QWidget {
    Q_OBJECT
public:
    CourtFeeChooser(std::vector<std::string> captions, QWidget* parent = nullptr);

    std::optional<int> selectedItem() const;  // 1-based
    void selectItem(std::optional<int> item);  // none, or one the list lacks, clears
    std::string caption(int item) const;       // empty for an item the list lacks
    void search(bool next);

private:
    std::vector<std::string> captions_;
    QListWidget* list_;
    QLineEdit* search_;
};

}  // namespace verdika::ui
