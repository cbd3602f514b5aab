#pragma once
// Message boxes of the program, in one place, so every page shows its
// messages the same way and tests can answer them without a person.
#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

namespace verdika::ui {

enum class MessageKind { Information, Warning, Error, Question };

// A handler replaces the boxes (tests): it receives every message and, for a
// question, returns the answer (true = Yes).
using MessageHandler = std::function<bool(MessageKind kind, const QString& text)>;
void setMessageHandler(MessageHandler handler);

// While a collector lives, messages are kept instead of shown and questions
// are answered "No": the start-up builds the main window under one, so a
// damaged table never stops it on a box before the window is there (or when
// nobody is there to answer), and shows what was kept in one message after.
class MessageCollector {
public:
    MessageCollector();
    ~MessageCollector();
    MessageCollector(const MessageCollector&) = delete;
    MessageCollector& operator=(const MessageCollector&) = delete;
    const QStringList& messages() const { return messages_; }
    void add(const QString& text);

private:
    QStringList messages_;
    MessageCollector* previous_;
};

void showMessage(QWidget* parent, const QString& text);  // one OK button
void showWarning(QWidget* parent, const QString& text);
void showError(QWidget* parent, const QString& text);
bool confirm(QWidget* parent, const QString& text);      // Yes / No

}  // namespace verdika::ui
