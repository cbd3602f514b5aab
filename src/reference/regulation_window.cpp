#include "reference/regulation_window.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "common/errors.h"
#include "common/files.h"
#include "common/ui/qt_convert.h"

namespace verdika::ui {

RegulationWindow::RegulationWindow(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Predpis_Form"));
    setWindowTitle(QStringLiteral("Předpis"));
    resize(760, 600);
    auto* layout = new QVBoxLayout(this);
    memo_ = new QPlainTextEdit(this);
    memo_->setObjectName(QStringLiteral("Memo1"));
    memo_->setReadOnly(true);
    layout->addWidget(memo_);
}

void RegulationWindow::showFile(const QString& path) {
    auto text = readTextFile(fspath(path));
    if (!text) throw IoError("Text předpisu " + ss(path) + " nebyl nalezen.");
    memo_->setPlainText(qs(*text));
    show();
    raise();
    activateWindow();
}

}  // namespace verdika::ui
