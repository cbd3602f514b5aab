#include "costs/ui/court_fee_chooser.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <QToolButton>

#include "common/ui/controls.h"
#include "common/ui/qt_convert.h"
#include "costs/ui/costs_widgets.h"
#include "fees/fee_text.h"
#include "fees/ui/fee_page_parts.h"

namespace verdika::ui {

CourtFeeChooser::CourtFeeChooser(std::vector<std::string> captions, QWidget* parent)
    : QWidget(parent), captions_(std::move(captions)) {
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("Naklady_Poplatek_Listbox"));
    list_->setMinimumHeight(120);
    for (const std::string& c : captions_) {
        list_->addItem(qs(c));
        list_->item(list_->count() - 1)->setToolTip(qs(c));
    }
    search_ = new QLineEdit(this);
    search_->setObjectName(QStringLiteral("Naklady_Poplatek_Hledat"));
    auto* next = pushButton(QStringLiteral("Naklady_Poplatek_HledatDalsi"), QStringLiteral("další"), this);

    auto* head = new QHBoxLayout;
    head->addWidget(buddyLabel(QStringLiteral("Soudní poplatek:"), list_, this));
    head->addStretch();
    head->addWidget(courtFeeTipButton(QStringLiteral("BitBtn79"), this));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(head);
    layout->addWidget(list_, 1);
    addSearchRow(layout, QStringLiteral("Hledání v poplatku"), search_, next, this);

    connect(search_, &QLineEdit::textEdited, this, [this] { search(false); });
    connect(next, &QPushButton::clicked, this, [this] { search(true); });
}

std::optional<int> CourtFeeChooser::selectedItem() const {
    const int row = list_->currentRow();
    if (row < 0 || !list_->currentItem() || !list_->currentItem()->isSelected()) return std::nullopt;
    return row + 1;
}

void CourtFeeChooser::selectItem(std::optional<int> item) {
    if (item && *item >= 1 && *item <= list_->count()) {
        list_->setCurrentRow(*item - 1);
        list_->scrollToItem(list_->currentItem());
    } else {
        list_->setCurrentRow(-1);
        list_->clearSelection();
    }
}

std::string CourtFeeChooser::caption(int item) const {
    return item >= 1 && item <= static_cast<int>(captions_.size()) ? captions_[static_cast<size_t>(item - 1)] : "";
}

void CourtFeeChooser::search(bool next) {
    const std::string text = ss(search_->text());
    int found = fees::findCaption(captions_, text, next ? list_->currentRow() + 1 : 0);
    if (found < 0 && next && !captions_.empty()) {
        list_->setCurrentRow(0);
        found = fees::findCaption(captions_, text, 0);
    }
    if (found >= 0) {
        list_->setCurrentRow(found);
        list_->scrollToItem(list_->item(found));
    }
}

}  // namespace verdika::ui
