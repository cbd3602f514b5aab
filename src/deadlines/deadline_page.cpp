#include "common/ui/scrolling.h"
#include "deadlines/deadline_page.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>

#include "app/ui/page_host.h"
#include "common/numbers.h"
#include "common/ui/action.h"
#include "common/ui/qt_convert.h"
#include "deadlines/deadline.h"
#include "deadlines/ui/blank_date_edit.h"

namespace verdika::ui {

namespace {

QPushButton* button(const QString& name, const QString& caption, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

QLabel* label(const QString& text, QWidget* buddy, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setBuddy(buddy);
    return l;
}

QPlainTextEdit* memo(const QString& name, QWidget* parent) {
    auto* m = new QPlainTextEdit(parent);
    m->setObjectName(name);
    m->setTabChangesFocus(true);
    return m;
}

void setLines(QPlainTextEdit* m, const std::vector<std::string>& lines) {
    m->setPlainText(toQStringList(lines).join(QLatin1Char('\n')));
}

// Runs a handler when the widget gets the focus (the pages' "entry").
class EntryFilter : public QObject {
public:
    EntryFilter(QObject* parent, std::function<void()> f) : QObject(parent), f_(std::move(f)) {}

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::FocusIn && isEntry(static_cast<QFocusEvent*>(e)->reason())) f_();
        return false;
    }

private:
    std::function<void()> f_;
};

}  // namespace

DeadlinePage::DeadlinePage(PageHost& host, QWidget* parent) : QWidget(parent), host_(host) {
    setObjectName(QStringLiteral("TabSheet10"));
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* content = new QWidget;
    outer->addWidget(scrollingArea(content));
    auto* columns = new QHBoxLayout(content);

    // The time limit.
    auto* limitBox = new QGroupBox(content);
    auto* g = new QGridLayout(limitBox);
    start_ = new BlankDateEdit(QStringLiteral("DateTimePicker3"), limitBox);
    start_->setBlank(true);  // no date until it is first used
    auto* today = button(QStringLiteral("Button17"), QStringLiteral("Dnes"), limitBox);
    g->addWidget(label(QStringLiteral("Den určující počátek lhůty"), start_, limitBox), 0, 0);
    g->addWidget(start_, 0, 1);
    g->addWidget(today, 0, 2, Qt::AlignLeft);

    units_ = new QSpinBox(limitBox);
    units_->setObjectName(QStringLiteral("UpDown3"));
    units_->setRange(0, 99999);
    units_->findChild<QLineEdit*>()->setObjectName(QStringLiteral("Edit28"));
    g->addWidget(label(QStringLiteral("Počet jednotek"), units_, limitBox), 1, 0);
    g->addWidget(units_, 1, 1);
    auto* quick = new QHBoxLayout;
    const std::pair<const char*, int> quickButtons[] = {{"Button44", 3}, {"Button45", 15}, {"Button9", 16}, {"Button10", 4}};
    for (const auto& [name, n] : quickButtons) {
        auto* b = button(QString::fromLatin1(name), QString::number(n), limitBox);
        b->setMaximumWidth(40);
        connect(b, &QPushButton::clicked, this, [this, n = n] { quickButton(n); });
        quick->addWidget(b);
    }
    quick->addStretch();
    g->addLayout(quick, 1, 2);

    unitCombo_ = new QComboBox(limitBox);
    unitCombo_->setObjectName(QStringLiteral("typ_lhuty_combo"));
    unitCombo_->addItems({QStringLiteral("podle dnů"), QStringLiteral("podle měsíců"), QStringLiteral("podle roků")});
    g->addWidget(label(QStringLiteral("Typ lhůty:"), unitCombo_, limitBox), 2, 0);
    g->addWidget(unitCombo_, 2, 1);

    suspension_ = new QCheckBox(QStringLiteral("Počátek stavení lhůty"), limitBox);
    suspension_->setObjectName(QStringLiteral("staveni_Checkbox"));
    suspensionFrom_ = new BlankDateEdit(QStringLiteral("DateTimePicker6"), limitBox);
    suspensionTo_ = new BlankDateEdit(QStringLiteral("DateTimePicker7"), limitBox);
    g->addWidget(suspension_, 3, 0);
    g->addWidget(suspensionFrom_, 3, 1);
    g->addWidget(label(QStringLiteral("Konec stavení lhůty"), suspensionTo_, limitBox), 4, 0);
    g->addWidget(suspensionTo_, 4, 1);

    auto* compute = button(QStringLiteral("Button30"), QStringLiteral("Spočítat"), limitBox);
    g->addWidget(compute, 5, 1);

    end_ = new BlankDateEdit(QStringLiteral("Konec_Lhuty_DateTimePicker"), limitBox);
    auto* endToTasks = button(QStringLiteral("Button42"), QStringLiteral("=> Přidat do úkolníčku"), limitBox);
    auto* endToInterest = button(QStringLiteral("Button46"), QStringLiteral("=> Použít do úroků - splatnost"), limitBox);
    g->addWidget(label(QStringLiteral("Konec lhůty"), end_, limitBox), 6, 0);
    g->addWidget(end_, 6, 1);
    g->addWidget(endToTasks, 6, 2, Qt::AlignLeft);
    g->addWidget(endToInterest, 7, 1, 1, 2, Qt::AlignLeft);
    endReasons_ = memo(QStringLiteral("Lhuty_Proc_Memo"), limitBox);
    g->addWidget(label(QStringLiteral("Konec lhůty - důvody"), endReasons_, limitBox), 8, 0, 1, 3);
    g->addWidget(endReasons_, 9, 0, 1, 3);

    enforceDays_ = new QLineEdit(QStringLiteral("3"), limitBox);
    enforceDays_->setObjectName(QStringLiteral("Vykonatelnost_Edit"));
    enforceDays_->setMaximumWidth(60);
    g->addWidget(label(QStringLiteral("Dnů do vykonatelnosti"), enforceDays_, limitBox), 10, 0);
    g->addWidget(enforceDays_, 10, 1);
    enforce_ = new BlankDateEdit(QStringLiteral("Vykonatelnost_DateTimePicker"), limitBox);
    auto* enforceToTasks =
        button(QStringLiteral("Pridat_Do_Lhut_Button"), QStringLiteral("=> Přidat do úkolníčku"), limitBox);
    g->addWidget(label(QStringLiteral("Případná vykonatelnost"), enforce_, limitBox), 11, 0);
    g->addWidget(enforce_, 11, 1);
    g->addWidget(enforceToTasks, 11, 2, Qt::AlignLeft);
    enforceReasons_ = memo(QStringLiteral("Lhuty_Proc2_Memo"), limitBox);
    g->addWidget(label(QStringLiteral("Případná vykonatelnost - důvody"), enforceReasons_, limitBox), 12, 0, 1, 3);
    g->addWidget(enforceReasons_, 13, 0, 1, 3);
    g->setColumnStretch(2, 1);
    columns->addWidget(limitBox, 3);

    auto* right = new QVBoxLayout;
    // The appeal aid.
    auto* aidBox = new QGroupBox(QStringLiteral("Automatická lhůtní pomůcka"), content);
    auto* ag = new QGridLayout(aidBox);
    deposited_ = new BlankDateEdit(QStringLiteral("DateTimePicker1"), aidBox);
    deposited_->setBlank(true);
    auto* aidToday = button(QStringLiteral("Button77"), QStringLiteral("Dnes"), aidBox);
    ag->addWidget(label(QStringLiteral("Den určující počátek lhůty"), deposited_, aidBox), 0, 0);
    ag->addWidget(deposited_, 0, 1);
    ag->addWidget(aidToday, 0, 2, Qt::AlignLeft);
    auto* aidDays = new QGroupBox(QStringLiteral("lhůta pro podání OP"), aidBox);
    aidDays->setObjectName(QStringLiteral("RadioGroup2"));
    auto* ad = new QHBoxLayout(aidDays);
    aid15_ = new QRadioButton(QStringLiteral("15 dnů"), aidDays);
    aid8_ = new QRadioButton(QStringLiteral("8 dnů"), aidDays);
    aid3_ = new QRadioButton(QStringLiteral("3 dny"), aidDays);
    aid15_->setObjectName(QStringLiteral("RadioGroup2_15"));
    aid8_->setObjectName(QStringLiteral("RadioGroup2_8"));
    aid3_->setObjectName(QStringLiteral("RadioGroup2_3"));
    aid15_->setChecked(true);
    for (auto* r : {aid15_, aid8_, aid3_}) {
        ad->addWidget(r);
        connect(r, &QRadioButton::clicked, this, &DeadlinePage::DateTimePicker1Enter);
    }
    ag->addWidget(aidDays, 1, 0, 1, 3);
    aidMemo_ = memo(QStringLiteral("Lhuty_Memo"), aidBox);
    ag->addWidget(aidMemo_, 2, 0, 1, 3);
    auto* copy = button(QStringLiteral("Button78"), QStringLiteral("Kopírovat do schránky"), aidBox);
    ag->addWidget(copy, 3, 0, 1, 3, Qt::AlignLeft);
    right->addWidget(aidBox, 1);

    // The difference of two dates.
    auto* diffBox = new QGroupBox(QStringLiteral("Rozdíl dvou dat"), content);
    auto* dg = new QGridLayout(diffBox);
    diffFrom_ = new BlankDateEdit(QStringLiteral("Pocatek_Lhuty_Date"), diffBox);
    diffTo_ = new BlankDateEdit(QStringLiteral("Konec_Lhuty_date"), diffBox);
    auto* diff = button(QStringLiteral("Button4"), QStringLiteral("Rozdíl"), diffBox);
    diffLabel_ = new QLabel(diffBox);
    diffLabel_->setObjectName(QStringLiteral("Rozdil_Dat_Label"));
    diffLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    dg->addWidget(label(QStringLiteral("Počáteční datum:"), diffFrom_, diffBox), 0, 0);
    dg->addWidget(diffFrom_, 0, 1);
    dg->addWidget(label(QStringLiteral("Koncové datum:"), diffTo_, diffBox), 1, 0);
    dg->addWidget(diffTo_, 1, 1);
    dg->addWidget(diff, 2, 1);
    dg->addWidget(diffLabel_, 3, 0, 1, 2);
    right->addWidget(diffBox);
    columns->addLayout(right, 2);

    // What recomputes the limit: its inputs (not the enforceability days alone).
    connect(start_, &QDateEdit::dateChanged, this, &DeadlinePage::DateTimePicker3Change);
    start_->onEntry = [this] { DateTimePicker3Change(); };
    // The edit's own signal: the spin box is silent while its text is empty.
    connect(units_->findChild<QLineEdit*>(), &QLineEdit::textChanged, this, &DeadlinePage::DateTimePicker3Change);
    units_->installEventFilter(new EntryFilter(this, [this] { DateTimePicker3Change(); }));
    units_->findChild<QLineEdit*>()->installEventFilter(new EntryFilter(this, [this] { DateTimePicker3Change(); }));
    connect(unitCombo_, &QComboBox::currentIndexChanged, this, &DeadlinePage::DateTimePicker3Change);
    connect(suspensionFrom_, &QDateEdit::dateChanged, this, &DeadlinePage::DateTimePicker3Change);
    connect(suspensionTo_, &QDateEdit::dateChanged, this, &DeadlinePage::DateTimePicker3Change);
    connect(suspension_, &QCheckBox::clicked, this, &DeadlinePage::DateTimePicker3Change);
    connect(compute, &QPushButton::clicked, this, &DeadlinePage::DateTimePicker3Change);
    connect(today, &QPushButton::clicked, this, [this] {
        start_->setBlank(false);
        start_->setDate(QDate::currentDate());
        start_->setFocus();
    });

    connect(deposited_, &QDateEdit::dateChanged, this, &DeadlinePage::DateTimePicker1Enter);
    deposited_->onEntry = [this] { DateTimePicker1Enter(); };
    connect(aidToday, &QPushButton::clicked, this, [this] {
        deposited_->setBlank(false);
        deposited_->setDate(QDate::currentDate());
        deposited_->setFocus();
        DateTimePicker1Enter();
    });
    connect(copy, &QPushButton::clicked, this,
            [this] { QApplication::clipboard()->setText(aidMemo_->toPlainText()); });
    connect(diff, &QPushButton::clicked, this, &DeadlinePage::Button4Click);

    connect(endToTasks, &QPushButton::clicked, this, [this] { host_.startTaskWithDate(end_->date()); });
    connect(enforceToTasks, &QPushButton::clicked, this, [this] { host_.startTaskWithDate(enforce_->date()); });
    connect(endToInterest, &QPushButton::clicked, this, [this] {
        const QDate due = end_->date();
        host_.showPage(kInterestPage);
        host_.setInterestDueDate(due);
    });

    setTabOrder(start_, today);
    setTabOrder(today, units_);
    DateTimePicker3Change();
}

void DeadlinePage::quickButton(int units) {
    {
        const QSignalBlocker quiet(units_);
        units_->setValue(units);
    }
    DateTimePicker3Change();
}

void DeadlinePage::DateTimePicker3Change() {
    runAction(this, [&] {
        start_->setBlank(false);
        const bool empty = units_->text().trimmed().isEmpty();
        if (empty)
            // An empty count is 0 and shows so; written after this change
            // has been handled, not from inside it.
            QTimer::singleShot(0, units_, [units = units_] {
                if (units->text().trimmed().isEmpty()) units->findChild<QLineEdit*>()->setText(QStringLiteral("0"));
            });
        endReasons_->clear();
        enforceReasons_->clear();
        DeadlineInput in;
        in.count = empty ? 0 : parseInteger(ss(units_->text()));
        in.start = fromQDate(start_->date());
        in.unit = static_cast<DeadlineUnit>(std::max(0, unitCombo_->currentIndex()));
        if (suspension_->isChecked())
            in.suspension = Suspension{fromQDate(suspensionFrom_->date()), fromQDate(suspensionTo_->date())};
        in.enforceabilityDays = parseInteger(ss(enforceDays_->text()));
        const DeadlineResult r = computeDeadline(in);
        if (r.suspension) {
            const QSignalBlocker a(suspensionFrom_), b(suspensionTo_);
            suspensionFrom_->setDate(toQDate(r.suspension->from));
            suspensionTo_->setDate(toQDate(r.suspension->to));
        }
        setLines(endReasons_, r.endReasons);
        setLines(enforceReasons_, r.enforceabilityReasons);
        end_->setDate(toQDate(r.end));
        enforce_->setDate(toQDate(r.enforceability));
    });
}

void DeadlinePage::DateTimePicker1Enter() {
    runAction(this, [&] {
        deposited_->setBlank(false);
        aidMemo_->clear();
        const int days = aid8_->isChecked() ? 8 : aid3_->isChecked() ? 3 : 15;
        setLines(aidMemo_, appealAidLines(fromQDate(deposited_->date()), days));
    });
}

void DeadlinePage::Button4Click() {
    runAction(this, [&] {
        diffLabel_->setText(qs(dateDifferenceText(fromQDate(diffFrom_->date()), fromQDate(diffTo_->date()))));
    });
}

void DeadlinePage::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    DateTimePicker3Change();
}

}  // namespace verdika::ui
