#include "interest/rate_table_window.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QEvent>

#include "common/ui/action.h"
#include "common/ui/controls.h"
#include "common/ui/date_edit.h"
#include "common/ui/qt_convert.h"
#include "interest/rate_table.h"

namespace verdika::ui {

using namespace verdika::interest;

RateTableWindow::RateTableWindow(std::filesystem::path file, QWidget* parent)
    : QDialog(parent), file_(std::move(file)) {
    setObjectName(QStringLiteral("Uroky_Form"));
    setWindowTitle(QStringLiteral("Zadat novou hranici"));
    setModal(false);
    resize(305, 367);

    auto* grid = new QGridLayout(this);
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("ListBox1"));
    // Three columns of lines, top to bottom, scrolled sideways as a list box with columns does.
    list_->setFlow(QListView::TopToBottom);
    list_->setWrapping(true);
    list_->setResizeMode(QListView::Adjust);
    list_->setUniformItemSizes(true);
    QFont small = list_->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    list_->setFont(small);
    list_->viewport()->installEventFilter(this);
    // Three whole columns of lines at any font size.
    resize(std::max(width(), 3 * lineWidth() + 40), height());
    grid->addWidget(list_, 0, 0, 1, 3);

    grid->addWidget(new QLabel(QStringLiteral("Od"), this), 1, 0);
    date_ = makeDateEdit(QStringLiteral("DateTimePicker1"), this);
    grid->addWidget(date_, 1, 1, 1, 2);
    auto* rateLabel = new QLabel(QStringLiteral("je platná výše diskontní sazby / reposazby: "), this);
    rateLabel->setWordWrap(true);
    grid->addWidget(rateLabel, 2, 0, 1, 2);
    rate_ = new QLineEdit(this);
    rate_->setObjectName(QStringLiteral("Edit1"));
    grid->addWidget(rate_, 2, 2);

    auto button = [&](const QString& name, const QString& caption, int col, void (RateTableWindow::*slot)()) {
        auto* b = pushButton(name, caption, this);
        roomyCaption(b);
        connect(b, &QPushButton::clicked, this, [this, slot] { runAction(this, [&] { (this->*slot)(); }); });
        grid->addWidget(b, 3, col);
    };
    button(QStringLiteral("Button1"), QStringLiteral("Přidat"), 0, &RateTableWindow::Button1Click);
    button(QStringLiteral("Button2"), QStringLiteral("Uprav existující"), 1, &RateTableWindow::Button2Click);
    button(QStringLiteral("Button3"), QStringLiteral("Smaž"), 2, &RateTableWindow::Button3Click);

    auto* note = new QLabel(QStringLiteral("*pozn. repo sazby zadávat pouze ke dni 1.1. a 1.7. a ode dne 30.6.2010 "
                                           "zadávat hodnoty k 30.6., 1.7., 31.12. a 1.1."),
                            this);
    note->setWordWrap(true);
    grid->addWidget(note, 4, 0, 1, 3);
    grid->setRowStretch(0, 1);

    connect(list_, &QListWidget::itemClicked, this, [this] { ListBox1Click(); });
    connect(list_, &QListWidget::currentRowChanged, this, [this] { ListBox1Click(); });
}

int RateTableWindow::lineWidth() const {
    return list_->fontMetrics().horizontalAdvance(QStringLiteral("30.12.2099;10,50")) + 10;
}

void RateTableWindow::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    runAction(this, [&] { reload(); });
}

bool RateTableWindow::eventFilter(QObject* watched, QEvent* e) {
    // Three columns across whatever width the list has.
    if (watched == list_->viewport() && e->type() == QEvent::Resize) {
        const int w = std::max(lineWidth(), (list_->viewport()->width() - 2) / 3);
        list_->setGridSize(QSize(w, list_->fontMetrics().height() + 3));
    }
    return QDialog::eventFilter(watched, e);
}

void RateTableWindow::reload() {
    lines_ = readRateLines(file_);
    list_->clear();
    for (const auto& l : lines_) list_->addItem(qs(l));
}

void RateTableWindow::ListBox1Click() {
    const int row = list_->currentRow();
    if (row < 0 || row >= static_cast<int>(lines_.size())) return;
    const RateLineParts parts = splitRateLine(lines_[static_cast<size_t>(row)]);
    if (auto d = tryParseDate(parts.date)) date_->setDate(toQDate(*d));
    rate_->setText(qs(parts.rate));
}

void RateTableWindow::store(std::vector<std::string> lines, const std::string& select) {
    saveRateLines(file_, lines);
    reload();
    for (int i = 0; i < list_->count(); ++i)
        if (ss(list_->item(i)->text()) == select) list_->setCurrentRow(i);
}

void RateTableWindow::Button1Click() {
    const Date d = fromQDate(date_->date());
    store(addRateLine(lines_, d, ss(rate_->text())), rateLineText(d, ss(rate_->text())));
}

void RateTableWindow::Button2Click() {
    const Date d = fromQDate(date_->date());
    store(replaceRateLine(lines_, static_cast<size_t>(list_->currentRow()), d, ss(rate_->text())),
          rateLineText(d, ss(rate_->text())));
}

void RateTableWindow::Button3Click() {
    store(removeRateLine(lines_, static_cast<size_t>(list_->currentRow())), "");
}

}  // namespace verdika::ui
