#include "reference/regulation_window.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QVBoxLayout>

#include "common/errors.h"
#include "common/files.h"
#include "common/ui/controls.h"
#include "common/ui/find_dialog.h"
#include "common/ui/messages.h"
#include "common/ui/qt_convert.h"

namespace verdika::ui {

RegulationWindow::RegulationWindow(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Predpis_Form"));
    setWindowTitle(QStringLiteral("Předpis"));
    setModal(false);
    resize(780, 620);
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    re_ = new QLineEdit(this);
    re_->setObjectName(QStringLiteral("RE"));
    find_ = pushButton(QStringLiteral("Button1"), QStringLiteral("najít"), this);
    top->addWidget(buddyLabel(QStringLiteral("vyhledat v textu"), re_, this));
    top->addWidget(re_, 1);
    top->addWidget(find_);
    layout->addLayout(top);
    memo_ = new QPlainTextEdit(this);
    memo_->setObjectName(QStringLiteral("Memo1"));
    memo_->setReadOnly(true);
    memo_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    memo_->viewport()->installEventFilter(this);
    layout->addWidget(memo_, 1);

    fd_ = new FindDialog(this);
    fd_->setObjectName(QStringLiteral("FD"));
    connect(fd_, &FindDialog::findNext, this, &RegulationWindow::FDFind);
    connect(find_, &QPushButton::clicked, this, &RegulationWindow::Button1Click);
    connect(re_, &QLineEdit::returnPressed, this, &RegulationWindow::Button1Click);
}

void RegulationWindow::showFile(const QString& path) {
    auto text = readTextFile(fspath(path));
    if (!text) throw IoError("Text předpisu nebyl nalezen: " + ss(path) + ".");
    file_ = path;
    memo_->clear();
    memo_->setPlainText(qs(*text));
    search_.reset();
    if (!isVisible() && parentWidget()) {
        const QRect p = parentWidget()->frameGeometry();
        move(p.center() - QPoint(width() / 2, height() / 2));
    }
    show();
    raise();
    activateWindow();
}

void RegulationWindow::Button1Click() {
    fd_->setFindText(re_->text());
    search_.reset();
    if (!fd_->isVisible()) {
        fd_->show();
        fd_->move(x() + width() - 100, fd_->y());
    }
    FDFind();
}

void RegulationWindow::FDFind() {
    const QString needle = fd_->findText();
    if (needle.isEmpty()) return;
    const size_t at = search_.find(memo_->toPlainText().toStdU16String(), needle.toStdU16String(), fd_->matchCase());
    if (at == std::u16string::npos) {
        showMessage(this, QStringLiteral("Nenašel jsem \"%1\"").arg(needle));
        return;
    }
    QTextCursor c = memo_->textCursor();
    c.setPosition(static_cast<int>(at));
    c.setPosition(static_cast<int>(at) + static_cast<int>(needle.toStdU16String().size()), QTextCursor::KeepAnchor);
    memo_->setTextCursor(c);
    memo_->setFocus();
}

void RegulationWindow::hideEvent(QHideEvent* e) {
    fd_->hide();
    QDialog::hideEvent(e);
}

bool RegulationWindow::eventFilter(QObject* watched, QEvent* e) {
    if (watched == memo_->viewport() && e->type() == QEvent::MouseButtonPress) search_.reset();
    return QDialog::eventFilter(watched, e);
}

}  // namespace verdika::ui
