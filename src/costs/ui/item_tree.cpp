#include "costs/ui/item_tree.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "common/ui/controls.h"
#include "common/ui/qt_convert.h"
#include "fees/fee_text.h"
#include "fees/ui/fee_page_parts.h"

namespace verdika::ui {

ItemTree::ItemTree(QWidget* parent) : QWidget(parent), nodes_(costs::treeNodes()) {
    tree_ = new QTreeWidget(this);
    tree_->setObjectName(QStringLiteral("TreeView1"));
    tree_->setHeaderHidden(true);
    tree_->setMinimumHeight(120);
    QTreeWidgetItem* group = nullptr;
    for (const costs::TreeNode& n : nodes_) {
        const bool isGroup = n.item == 0;
        auto* item = isGroup ? new QTreeWidgetItem(tree_, {qs(n.caption)}) : new QTreeWidgetItem(group, {qs(n.caption)});
        if (isGroup) {
            group = item;
            QFont f = item->font(0);
            f.setBold(true);
            item->setFont(0, f);
        }
        item->setToolTip(0, qs(n.caption));
        nodeItems_.push_back(item);
    }
    tree_->expandAll();
    search_ = new QLineEdit(this);
    search_->setObjectName(QStringLiteral("Edit1"));
    auto* next = pushButton(QStringLiteral("Button101"), QStringLiteral("další"), this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(buddyLabel(QStringLiteral("Tarifní základ:"), tree_, this));
    layout->addWidget(tree_, 1);
    addSearchRow(layout, QStringLiteral("Hledání v tarifním základu"), search_, next, this);

    connect(search_, &QLineEdit::textEdited, this, [this] { search(false); });
    connect(next, &QPushButton::clicked, this, [this] { search(true); });
}

std::optional<int> ItemTree::selectedItem() const {
    QTreeWidgetItem* current = tree_->currentItem();
    if (!current || !current->isSelected()) return std::nullopt;
    for (size_t i = 0; i < nodeItems_.size(); ++i)
        if (nodeItems_[i] == current && nodes_[i].item > 0) return nodes_[i].item;
    return std::nullopt;
}

void ItemTree::selectNode(int node) {
    if (node < 0 || node >= static_cast<int>(nodeItems_.size())) return;
    tree_->setCurrentItem(nodeItems_[static_cast<size_t>(node)]);
    tree_->scrollToItem(nodeItems_[static_cast<size_t>(node)]);
}

void ItemTree::selectItem(std::optional<int> item) {
    for (size_t i = 0; i < nodes_.size(); ++i)
        if (item && nodes_[i].item == *item) return selectNode(static_cast<int>(i));
    tree_->setCurrentItem(nullptr);
    tree_->clearSelection();
}

void ItemTree::search(bool next) {
    std::vector<std::string> captions;
    for (const costs::TreeNode& n : nodes_) captions.push_back(n.caption);
    const std::string text = ss(search_->text());
    if (!next) {
        selectNode(fees::findCaption(captions, text, 0));
        return;
    }
    int current = -1;
    for (size_t i = 0; i < nodeItems_.size(); ++i)
        if (nodeItems_[i] == tree_->currentItem()) current = static_cast<int>(i);
    int found = fees::findCaption(captions, text, current + 1);
    if (found < 0) {
        // Past the last match: back to the first node, and once more from the top.
        selectNode(0);
        found = fees::findCaption(captions, text, 0);
    }
    selectNode(found);
}

}  // namespace verdika::ui
