#include "calculators/calculator_page.h"

#include <QApplication>
#include <QClipboard>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/ui/page_host.h"
#include "common/numbers.h"
#include "common/ui/action.h"
#include "common/ui/controls.h"
#include "common/ui/messages.h"
#include "common/ui/qt_convert.h"

namespace verdika::ui {

CalculatorPage::CalculatorPage(PageHost& host, QWidget* parent) : QWidget(parent), host_(host) {
    setObjectName(QStringLiteral("TabSheet13"));
    auto* layout = new QHBoxLayout(this);

    // Left: the display, the trace and the keys.
    auto* left = new QVBoxLayout;
    display_ = new QLineEdit(this);
    display_->setObjectName(QStringLiteral("Kalkulacka_Edit"));
    display_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QFont big = display_->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.6);
    display_->setFont(big);
    display_->installEventFilter(this);
    left->addWidget(display_);
    trace_ = new QLabel(this);
    trace_->setObjectName(QStringLiteral("Kalkulacka_Vizualne_Label"));
    trace_->setWordWrap(true);
    trace_->setMinimumHeight(48);
    trace_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    trace_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    left->addWidget(trace_);

    auto* keys = new QGridLayout;
    const char* digitNames[] = {"Nula_SpeedButton", "Jedna_SpeedButton", "Dva_SpeedButton",   "Tri_SpeedButton",
                                "Ctyri_SpeedButton", "Pet_SpeedButton",  "Sest_SpeedButton",  "Sedm_SpeedButton",
                                "Osm_SpeedButton",  "Devet_SpeedButton"};
    for (int dgt = 0; dgt <= 9; ++dgt) {
        const char ch = static_cast<char>('0' + dgt);
        auto* b = key(digitNames[dgt], QString(QLatin1Char(ch)), [this, ch] { calc_.digit(ch); });
        if (dgt == 0)
            keys->addWidget(b, 3, 0);
        else
            keys->addWidget(b, 2 - (dgt - 1) / 3, (dgt - 1) % 3);
    }
    keys->addWidget(key("Desetinna_SpeedButton", QStringLiteral(","), [this] { calc_.comma(); }), 3, 1);
    keys->addWidget(key("Plus_Minus_SpeedButton", QStringLiteral("+/-"), [this] { calc_.plusMinus(); }), 3, 2);
    keys->addWidget(key("Deleno_SpeedButton", QStringLiteral("/"), [this] { calc_.operatorKey('/'); }), 0, 3);
    keys->addWidget(key("Krat_SpeedButton", QStringLiteral("*"), [this] { calc_.operatorKey('*'); }), 1, 3);
    keys->addWidget(key("Minus_SpeedButton", QStringLiteral("-"), [this] { calc_.operatorKey('-'); }), 2, 3);
    keys->addWidget(key("Plus_SpeedButton", QStringLiteral("+"), [this] { calc_.operatorKey('+'); }), 3, 3);
    keys->addWidget(key("Smazat_SpeedButton", QStringLiteral("smazat"), [this] { calc_.clear(); }), 0, 4);
    keys->addWidget(key("Mocnina_SpeedButton", QStringLiteral("sqrt"), [this] { calc_.square(); }), 1, 4);
    keys->addWidget(key("Obracena_SpeedButton", QStringLiteral("1/x"), [this] { calc_.reciprocal(); }), 2, 4);
    keys->addWidget(key("Procento_SpeedButton", QStringLiteral("%"), [this] { calc_.percent(); }), 3, 4);
    auto* equals = key("vysledek_SpeedButton", QStringLiteral("="), [this] { calc_.equals(); });
    keys->addWidget(equals, 4, 0, 1, 5);
    left->addLayout(keys);

    auto* copyRow = new QHBoxLayout;
    auto* copyDisplay = pushButton(QStringLiteral("SpeedButton1"), QStringLiteral("kopírovat do schránky"), this);
    copyDisplay->setFocusPolicy(Qt::NoFocus);
    auto* copyTrace =
        pushButton(QStringLiteral("Button5"), QStringLiteral("Zkopírovat průběh výpočtu do schránky"), this);
    auto* info = infoButton(QStringLiteral("BitBtn4"), this);
    copyRow->addWidget(copyDisplay);
    copyRow->addWidget(copyTrace);
    copyRow->addWidget(info);
    copyRow->addStretch(1);
    left->addLayout(copyRow);
    left->addStretch(1);
    layout->addLayout(left, 3);

    layout->addWidget(buildKeptList(), 2);

    connect(copyDisplay, &QPushButton::clicked, this, [this] { copyToClipboard(display_->text()); });
    connect(copyTrace, &QPushButton::clicked, this, [this] { copyToClipboard(trace_->text()); });
    connect(info, &QToolButton::clicked, this, [this] {
        showMessage(this, QStringLiteral(
                              "TIP: Když chcete zjistit kolik je 20 procent ze 144, napíšete 144, zmáčknete procento, "
                              "napíšete 20 a zmáčknete procento. Program vypočte 20 procent ze 144. TIP 2: Když chcete "
                              "ke 144 přičíst 20 procent ze 144, tak napíšete 144, zmáčknete plus, napíšete 20 a "
                              "zmáčknete procento. Program přičte 20% ze 144 ke 144."));
    });
    // Edits made in the field itself (a deletion, the field's own menu) belong to the display.
    connect(display_, &QLineEdit::textEdited, this, [this](const QString& text) { calc_.setDisplay(ss(text)); });
}

// The kept-results list "Schránkulačka" with its buttons.
QWidget* CalculatorPage::buildKeptList() {
    auto* box = new QGroupBox(QStringLiteral("Schránkulačka:"), this);
    box->setObjectName(QStringLiteral("Schranka_GroupBox"));
    auto* right = new QVBoxLayout(box);
    results_ = new QListWidget(box);
    results_->setObjectName(QStringLiteral("Schranka_Vysledku_ListBox"));
    right->addWidget(results_, 1);
    auto button = [&](const char* name, const QString& caption) {
        QPushButton* b = pushButton(QString::fromLatin1(name), caption, box);
        right->addWidget(b);
        return b;
    };
    auto* keep = button("Button56", QStringLiteral("=> do schránkulačky"));
    auto* recall = button("Button59", QStringLiteral("<= ze schránkulačky"));
    auto* copyItem = button("Button57", QStringLiteral("kopírovat do schránky "));
    auto* removeItem = button("Button60", QStringLiteral("vymazat záznam schránkulačky"));
    auto* removeAll = button("Button51", QStringLiteral("vymazat všechny záznamy schránkulačky"));
    auto* sum = button("Button58", QStringLiteral("součet všech záznamů schránkulačky"));
    auto* paste = button("vlozit_ze_schranky_Button", QStringLiteral("vložit ze schránky "));

    connect(results_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!refreshing_) calc_.select(row);
    });
    connect(results_, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { run([this, item] { calc_.recall(results_->row(item)); }); });
    connect(keep, &QPushButton::clicked, this, [this] {
        run([this] { calc_.keepDisplay(); });
        results_->setFocus();
    });
    connect(recall, &QPushButton::clicked, this, [this] {
        run([this] { calc_.recallSelected(); });
        focusDisplay();
    });
    connect(copyItem, &QPushButton::clicked, this, [this] {
        const std::string text = calc_.selectedResult();
        if (!text.empty()) copyToClipboard(qs(text));
    });
    connect(removeItem, &QPushButton::clicked, this, [this] { run([this] { calc_.deleteSelected(); }); });
    connect(removeAll, &QPushButton::clicked, this, [this] { run([this] { calc_.deleteAll(); }); });
    connect(sum, &QPushButton::clicked, this, [this] { run([this] { calc_.sumResults(); }); });
    connect(paste, &QPushButton::clicked, this, [this] {
        const QString text = QApplication::clipboard()->text().trimmed();
        run([this, text] { calc_.addResult(ss(text)); });
    });
    return box;
}

QPushButton* CalculatorPage::key(const char* name, const QString& caption, const std::function<void()>& action) {
    QPushButton* b = pushButton(QString::fromLatin1(name), caption, this);
    b->setFocusPolicy(Qt::NoFocus);  // the keyboard stays in the display
    b->setMinimumHeight(34);
    connect(b, &QPushButton::clicked, this, [this, action] { run(action); });
    return b;
}

void CalculatorPage::run(const std::function<void()>& op) {
    runAction(this, op);
    refresh();
}

void CalculatorPage::refresh() {
    refreshing_ = true;
    if (display_->text() != qs(calc_.display())) display_->setText(qs(calc_.display()));
    display_->setCursorPosition(static_cast<int>(display_->text().size()));
    trace_->setText(qs(calc_.trace()));
    const auto& kept = calc_.results();
    bool same = results_->count() == static_cast<int>(kept.size());
    for (int i = 0; same && i < results_->count(); ++i)
        same = results_->item(i)->text() == qs(kept[static_cast<size_t>(i)].text);
    if (!same) {
        results_->clear();
        for (const auto& r : kept) {
            auto* item = new QListWidgetItem(qs(r.text), results_);
            if (!r.description.empty()) item->setToolTip(qs(r.description));
        }
    }
    results_->setCurrentRow(calc_.selected());
    refreshing_ = false;
}

void CalculatorPage::focusDisplay() {
    display_->setFocus();
    display_->setCursorPosition(static_cast<int>(display_->text().size()));
}

void CalculatorPage::addResult(double value, const QString& description) {
    calc_.addResult(Format_Cislo(value), ss(description));
    refresh();
}

void CalculatorPage::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    focusDisplay();
}

bool CalculatorPage::eventFilter(QObject* watched, QEvent* e) {
    if (watched != display_) return QWidget::eventFilter(watched, e);
    if (e->type() == QEvent::KeyRelease) {
        auto* k = static_cast<QKeyEvent*>(e);
        if (k->isAutoRepeat()) return false;
        if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) {
            run([this] { calc_.equals(); });
            return true;
        }
        if (k->key() == Qt::Key_Delete) {
            run([this] { calc_.clear(); });
            return true;
        }
        return false;
    }
    if (e->type() != QEvent::KeyPress) return false;
    auto* k = static_cast<QKeyEvent*>(e);
    if (k->matches(QKeySequence::Paste)) {
        const QString text = QApplication::clipboard()->text();
        run([this, text] { calc_.paste(ss(text)); });
        return true;
    }
    if (k->matches(QKeySequence::Copy)) return false;  // the field copies
    switch (k->key()) {
        case Qt::Key_Backspace:
            calc_.backspace();  // the trace loses its last character; the field deletes its own
            trace_->setText(qs(calc_.trace()));
            return false;
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Delete:
            return true;  // acted on when released
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Home:
        case Qt::Key_End:
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return false;
        default:
            break;
    }
    const QString text = k->text();
    if (text.isEmpty() || (k->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
        return !text.isEmpty();  // other shortcuts with a character are swallowed too
    const char32_t ch = text.toUcs4().value(0);
    run([this, ch] { calc_.typed(ch); });
    return true;
}

}  // namespace verdika::ui
