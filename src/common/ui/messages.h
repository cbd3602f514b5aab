#pragma once
// Message boxes of the program, in one place, so every page shows its
// messages the same way and tests can answer them without a person.
#include <QString>
#include <functional>

class QWidget;

namespace verdika::ui {

enum class MessageKind { Information, Warning, Error, Question };

// A handler replaces the boxes (tests): it receives every message and, for a
// question, returns the answer (true = Yes).
using MessageHandler = std::function<bool(MessageKind kind, const QString& text)>;
void setMessageHandler(MessageHandler handler);

void showMessage(QWidget* parent, const QString& text);  // one OK button
void showWarning(QWidget* parent, const QString& text);
void showError(QWidget* parent, const QString& text);
bool confirm(QWidget* parent, const QString& text);      // Yes / No

}  // namespace verdika::ui
