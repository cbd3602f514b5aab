#include "deadlines/deadline_page.h"

#include <array>

#include <QCheckBox>
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
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>

#include "app/ui/page_host.h"
#include "common/numbers.h"
#include "common/ui/action.h"
#include "common/ui/controls.h"
#include "common/ui/first_focus.h"
#include "common/ui/qt_convert.h"
#include "common/ui/radio_group.h"
#include "common/ui/up_down_field.h"
#include "deadlines/deadline.h"
#include "deadlines/ui/blank_date_edit.h"

namespace verdika::ui {

namespace {

QPlainTextEdit* memo(const QString& name, QWidget* parent) {
    auto* m = new QPlainTextEdit(parent);
    m->setObjectName(name);
    m->setTabChangesFocus(true);
    return m;
}

// The appeal aid's time limits, in the order of its options.
constexpr std::array<int, 3> kAidDays = {15, 8, 3};

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
    // The window's page shell scrolls the page on a small screen.
    auto* columns = new QHBoxLayout(this);
    columns->addWidget(buildLimitBox(this), 3);
    auto* right = new QVBoxLayout;
    right->addWidget(buildAidBox(this), 1);
    right->addWidget(buildDifferenceBox(this));
    columns->addLayout(right, 2);
    focusWhenFirstShown(this, start_);
}

// The time limit: its inputs recompute it (not the enforceability days alone).
QWidget* DeadlinePage::buildLimitBox(QWidget* content) {
    auto* limitBox = new QGroupBox(content);
    auto* g = new QGridLayout(limitBox);
    start_ = new BlankDateEdit(QStringLiteral("DateTimePicker3"), limitBox);
    start_->setBlank(true);  // no date until it is first used
    auto* today = pushButton(QStringLiteral("Button17"), QStringLiteral("Dnes"), limitBox);
    g->addWidget(buddyLabel(QStringLiteral("Den určující počátek lhůty"), start_, limitBox), 0, 0);
    g->addWidget(start_, 0, 1);
    g->addWidget(today, 0, 2, Qt::AlignLeft);

    units_ = new UpDownField(QStringLiteral("UpDown3"), 0, 99999, limitBox, QStringLiteral("Edit28"));
    g->addWidget(buddyLabel(QStringLiteral("Počet jednotek"), units_, limitBox), 1, 0);
    g->addWidget(units_, 1, 1);
    auto* quick = new QHBoxLayout;
    const std::pair<const char*, int> quickButtons[] = {{"Button44", 3}, {"Button45", 15}, {"Button9", 16}, {"Button10", 4}};
    for (const auto& [name, n] : quickButtons) {
        auto* b = pushButton(QString::fromLatin1(name), QString::number(n), limitBox);
        b->setMaximumWidth(40);
        connect(b, &QPushButton::clicked, this, [this, n = n] { quickButton(n); });
        quick->addWidget(b);
    }
    quick->addStretch();
    g->addLayout(quick, 1, 2);

    unitCombo_ = new QComboBox(limitBox);
    unitCombo_->setObjectName(QStringLiteral("typ_lhuty_combo"));
    unitCombo_->addItems({QStringLiteral("podle dnů"), QStringLiteral("podle měsíců"), QStringLiteral("podle roků")});
    g->addWidget(buddyLabel(QStringLiteral("Typ lhůty:"), unitCombo_, limitBox), 2, 0);
    g->addWidget(unitCombo_, 2, 1);

    suspension_ = new QCheckBox(QStringLiteral("Počátek stavení lhůty"), limitBox);
    suspension_->setObjectName(QStringLiteral("staveni_Checkbox"));
    suspensionFrom_ = new BlankDateEdit(QStringLiteral("DateTimePicker6"), limitBox);
    suspensionTo_ = new BlankDateEdit(QStringLiteral("DateTimePicker7"), limitBox);
    g->addWidget(suspension_, 3, 0);
    g->addWidget(suspensionFrom_, 3, 1);
    g->addWidget(buddyLabel(QStringLiteral("Konec stavení lhůty"), suspensionTo_, limitBox), 4, 0);
    g->addWidget(suspensionTo_, 4, 1);

    auto* compute = pushButton(QStringLiteral("Button30"), QStringLiteral("Spočítat"), limitBox);
    g->addWidget(compute, 5, 1);

    end_ = new BlankDateEdit(QStringLiteral("Konec_Lhuty_DateTimePicker"), limitBox);
    end_->setBlank(true);
    auto* endToTasks = pushButton(QStringLiteral("Button42"), QStringLiteral("=> Přidat do úkolníčku"), limitBox);
    auto* endToInterest = pushButton(QStringLiteral("Button46"), QStringLiteral("=> Použít do úroků - splatnost"), limitBox);
    g->addWidget(buddyLabel(QStringLiteral("Konec lhůty"), end_, limitBox), 6, 0);
    g->addWidget(end_, 6, 1);
    g->addWidget(endToTasks, 6, 2, Qt::AlignLeft);
    g->addWidget(endToInterest, 7, 1, 1, 2, Qt::AlignLeft);
    endReasons_ = memo(QStringLiteral("Lhuty_Proc_Memo"), limitBox);
    g->addWidget(buddyLabel(QStringLiteral("Konec lhůty - důvody"), endReasons_, limitBox), 8, 0, 1, 3);
    g->addWidget(endReasons_, 9, 0, 1, 3);

    enforceDays_ = new QLineEdit(QStringLiteral("3"), limitBox);
    enforceDays_->setObjectName(QStringLiteral("Vykonatelnost_Edit"));
    enforceDays_->setMaximumWidth(60);
    g->addWidget(buddyLabel(QStringLiteral("Dnů do vykonatelnosti"), enforceDays_, limitBox), 10, 0);
    g->addWidget(enforceDays_, 10, 1);
    enforce_ = new BlankDateEdit(QStringLiteral("Vykonatelnost_DateTimePicker"), limitBox);
    enforce_->setBlank(true);
    auto* enforceToTasks =
        pushButton(QStringLiteral("Pridat_Do_Lhut_Button"), QStringLiteral("=> Přidat do úkolníčku"), limitBox);
    g->addWidget(buddyLabel(QStringLiteral("Případná vykonatelnost"), enforce_, limitBox), 11, 0);
    g->addWidget(enforce_, 11, 1);
    g->addWidget(enforceToTasks, 11, 2, Qt::AlignLeft);
    enforceReasons_ = memo(QStringLiteral("Lhuty_Proc2_Memo"), limitBox);
    g->addWidget(buddyLabel(QStringLiteral("Případná vykonatelnost - důvody"), enforceReasons_, limitBox), 12, 0, 1, 3);
    g->addWidget(enforceReasons_, 13, 0, 1, 3);
    g->setColumnStretch(2, 1);

    connect(start_, &QDateEdit::dateChanged, this, &DeadlinePage::DateTimePicker3Change);
    start_->onEntry = [this] { DateTimePicker3Change(); };
    // The edit's own signal: the spin box is silent while its text is empty.
    connect(units_->edit(), &QLineEdit::textChanged, this, &DeadlinePage::DateTimePicker3Change);
    units_->installEventFilter(new EntryFilter(this, [this] { DateTimePicker3Change(); }));
    units_->edit()->installEventFilter(new EntryFilter(this, [this] { DateTimePicker3Change(); }));
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
    connect(endToTasks, &QPushButton::clicked, this, [this] { host_.startTaskWithDate(computedDate(end_)); });
    connect(enforceToTasks, &QPushButton::clicked, this, [this] { host_.startTaskWithDate(computedDate(enforce_)); });
    connect(endToInterest, &QPushButton::clicked, this, [this] {
        const QDate due = computedDate(end_);
        host_.showPage(kInterestPage);
        host_.setInterestDueDate(due);
    });
    setTabOrder(start_, today);
    setTabOrder(today, units_);
    return limitBox;
}

// The appeal aid after a deposited letter.
QWidget* DeadlinePage::buildAidBox(QWidget* content) {
    auto* aidBox = new QGroupBox(QStringLiteral("Automatická lhůtní pomůcka"), content);
    auto* ag = new QGridLayout(aidBox);
    deposited_ = new BlankDateEdit(QStringLiteral("DateTimePicker1"), aidBox);
    deposited_->setBlank(true);
    auto* aidToday = pushButton(QStringLiteral("Button77"), QStringLiteral("Dnes"), aidBox);
    ag->addWidget(buddyLabel(QStringLiteral("Den určující počátek lhůty"), deposited_, aidBox), 0, 0);
    ag->addWidget(deposited_, 0, 1);
    ag->addWidget(aidToday, 0, 2, Qt::AlignLeft);
    aidDays_ = new RadioGroup(QStringLiteral("RadioGroup2"), QStringLiteral("lhůta pro podání OP"),
                              {QStringLiteral("15 dnů"), QStringLiteral("8 dnů"), QStringLiteral("3 dny")}, 3, aidBox);
    for (int i = 0; i < 3; ++i)
        aidDays_->button(i)->setObjectName(QStringLiteral("RadioGroup2_%1").arg(kAidDays[static_cast<size_t>(i)]));
    aidDays_->setItemIndex(0);
    connect(aidDays_, &RadioGroup::itemClicked, this, &DeadlinePage::DateTimePicker1Enter);
    ag->addWidget(aidDays_, 1, 0, 1, 3);
    aidMemo_ = memo(QStringLiteral("Lhuty_Memo"), aidBox);
    ag->addWidget(aidMemo_, 2, 0, 1, 3);
    auto* copy = pushButton(QStringLiteral("Button78"), QStringLiteral("Kopírovat do schránky"), aidBox);
    ag->addWidget(copy, 3, 0, 1, 3, Qt::AlignLeft);

    connect(deposited_, &QDateEdit::dateChanged, this, &DeadlinePage::DateTimePicker1Enter);
    deposited_->onEntry = [this] { DateTimePicker1Enter(); };
    connect(aidToday, &QPushButton::clicked, this, [this] {
        deposited_->setBlank(false);
        deposited_->setDate(QDate::currentDate());
        deposited_->setFocus();
        DateTimePicker1Enter();
    });
    connect(copy, &QPushButton::clicked, this, [this] { copyToClipboard(aidMemo_->toPlainText()); });
    return aidBox;
}

// The difference of two dates.
QWidget* DeadlinePage::buildDifferenceBox(QWidget* content) {
    auto* diffBox = new QGroupBox(QStringLiteral("Rozdíl dvou dat"), content);
    auto* dg = new QGridLayout(diffBox);
    diffFrom_ = new BlankDateEdit(QStringLiteral("Pocatek_Lhuty_Date"), diffBox);
    diffTo_ = new BlankDateEdit(QStringLiteral("Konec_Lhuty_date"), diffBox);
    auto* diff = pushButton(QStringLiteral("Button4"), QStringLiteral("Rozdíl"), diffBox);
    diffLabel_ = new QLabel(diffBox);
    diffLabel_->setObjectName(QStringLiteral("Rozdil_Dat_Label"));
    diffLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    dg->addWidget(buddyLabel(QStringLiteral("Počáteční datum:"), diffFrom_, diffBox), 0, 0);
    dg->addWidget(diffFrom_, 0, 1);
    dg->addWidget(buddyLabel(QStringLiteral("Koncové datum:"), diffTo_, diffBox), 1, 0);
    dg->addWidget(diffTo_, 1, 1);
    dg->addWidget(diff, 2, 1);
    dg->addWidget(diffLabel_, 3, 0, 1, 2);
    connect(diff, &QPushButton::clicked, this, &DeadlinePage::Button4Click);
    return diffBox;
}

void DeadlinePage::quickButton(int units) {
    {
        const QSignalBlocker quiet(units_);
        units_->setValue(units);
    }
    DateTimePicker3Change();
}

QDate DeadlinePage::computedDate(BlankDateEdit* result) {
    if (!computed_) DateTimePicker3Change();
    return result->value();
}

void DeadlinePage::DateTimePicker3Change() {
    computed_ = true;
    runAction(this, [&] {
        start_->setBlank(false);
        const bool empty = units_->text().trimmed().isEmpty();
        if (empty)
            // An empty count is 0 and shows so; written after this change
            // has been handled, not from inside it.
            QTimer::singleShot(0, units_, [units = units_] {
                if (units->text().trimmed().isEmpty()) units->edit()->setText(QStringLiteral("0"));
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
        end_->setBlank(false);
        enforce_->setBlank(false);
        end_->setDate(toQDate(r.end));
        enforce_->setDate(toQDate(r.enforceability));
    });
}

void DeadlinePage::DateTimePicker1Enter() {
    runAction(this, [&] {
        deposited_->setBlank(false);
        aidMemo_->clear();
        const int days = kAidDays[static_cast<size_t>(std::max(0, aidDays_->itemIndex()))];
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
    if (computed_) DateTimePicker3Change();
}

}  // namespace verdika::ui
