#pragma once
#include <QWidget>
#include <optional>
#include <vector>

#include "costs/lists.h"

class QLineEdit;
class QTreeWidget;
class QTreeWidgetItem;

namespace verdika::ui {

// "Tarifní základ:": the tree of the non-money kinds of proceedings (groups
// and items 1 … 22) with its search ("Hledání v tarifním základu", "další").
class ItemTree : public QWidget {
    Q_OBJECT
public:
    explicit ItemTree(QWidget* parent = nullptr);

    // The chosen item; none for nothing or a group.
    std::optional<int> selectedItem() const;
    void selectItem(std::optional<int> item);  // none clears the selection
    // A change of the search text searches from the top, "další" from the
    // node after the chosen one and, past the last match, from the top again.
    void search(bool next);

private:
    void selectNode(int node);

    std::vector<costs::TreeNode> nodes_;
    std::vector<QTreeWidgetItem*> nodeItems_;
    QTreeWidget* tree_;
    QLineEdit* search_;
};

}  // namespace verdika::ui
