#include "interest/preview_window.h"

#include <QTextEdit>
#include <QVBoxLayout>

namespace verdika::ui {

PreviewWindow::PreviewWindow(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Nahled_Form"));
    setWindowTitle(QStringLiteral("Náhled"));
    setModal(false);
    resize(640, 480);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    edit_ = new QTextEdit(this);
    edit_->setObjectName(QStringLiteral("RichEdit1"));
    layout->addWidget(edit_);
}

void PreviewWindow::showText(const QString& text) {
    edit_->clear();
    edit_->setPlainText(text);
    if (!isVisible() && parentWidget()) {
        const QRect p = parentWidget()->window()->frameGeometry();
        move(p.center() - QPoint(width() / 2, height() / 2));
    }
    show();
    raise();
}

}  // namespace verdika::ui
