#include "common/ui/messages.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace verdika::ui {
namespace {
MessageHandler& handler() {
    static MessageHandler h;
    return h;
}

MessageCollector*& collector() {
    static MessageCollector* c = nullptr;
    return c;
}

bool show(QWidget* parent, MessageKind kind, const QString& text) {
    if (collector()) {
        collector()->add(text);
        return false;
    }
    if (handler()) return handler()(kind, text);
    const QString title = QApplication::applicationDisplayName().isEmpty() ? QStringLiteral("Verdika")
                                                                           : QApplication::applicationDisplayName();
    switch (kind) {
        case MessageKind::Information:
            QMessageBox::information(parent, title, text);
            return true;
        case MessageKind::Warning:
            QMessageBox::warning(parent, title, text);
            return true;
        case MessageKind::Error:
            QMessageBox::critical(parent, title, text);
            return true;
        case MessageKind::Question: {
            QMessageBox box(QMessageBox::Question, title, text, QMessageBox::NoButton, parent);
            QPushButton* yes = box.addButton(QStringLiteral("&Ano"), QMessageBox::YesRole);
            QPushButton* no = box.addButton(QStringLiteral("&Ne"), QMessageBox::NoRole);
            box.setDefaultButton(yes);
            box.setEscapeButton(no);
            box.exec();
            return box.clickedButton() == yes;
        }
    }
    return false;
}
}  // namespace

MessageCollector::MessageCollector() : previous_(collector()) { collector() = this; }
MessageCollector::~MessageCollector() { collector() = previous_; }
void MessageCollector::add(const QString& text) {
    if (!messages_.contains(text)) messages_.append(text);  // the same fault reported twice is one problem
}

void setMessageHandler(MessageHandler h) { handler() = std::move(h); }
void showMessage(QWidget* parent, const QString& text) { show(parent, MessageKind::Information, text); }
void showWarning(QWidget* parent, const QString& text) { show(parent, MessageKind::Warning, text); }
void showError(QWidget* parent, const QString& text) { show(parent, MessageKind::Error, text); }
bool confirm(QWidget* parent, const QString& text) { return show(parent, MessageKind::Question, text); }

}  // namespace verdika::ui
