#include "common/ui/deferred_page.h"

#include <QVBoxLayout>

namespace verdika::ui {

DeferredPage::DeferredPage(const QString& objectName, std::function<QWidget*()> make, QWidget* parent)
    : QWidget(parent), make_(std::move(make)) {
    setObjectName(objectName);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
}

QWidget* DeferredPage::content() {
    if (made_) return content_;
    // Marked first: a factory that asks for its own page gets nothing instead of recursing.
    made_ = true;
    content_ = make_ ? make_() : nullptr;
    make_ = nullptr;
    if (!content_) return nullptr;
    layout()->addWidget(content_);
    content_->show();  // a child added to a shown widget stays hidden unless shown
    emit built(content_);
    return content_;
}

bool DeferredPage::buildAll(QWidget* root) {
    bool any = false;
    for (bool more = true; more;) {
        more = false;
        for (DeferredPage* page : root->findChildren<DeferredPage*>())
            if (!page->isBuilt()) {
                page->content();
                more = any = true;
            }
    }
    return any;
}

void DeferredPage::showEvent(QShowEvent* e) {
    content();
    QWidget::showEvent(e);
}

}  // namespace verdika::ui
