#include "common/ui/scrolling.h"
#include "deadlines/task_page.h"

#include <QApplication>
#include <QCheckBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QStyle>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "app/data_module.h"
#include "app/ui/page_host.h"
#include "common/numbers.h"
#include "common/ui/action.h"
#include "common/ui/messages.h"
#include "common/ui/qt_convert.h"
#include "deadlines/ui/blank_date_edit.h"

namespace verdika::ui {

namespace {

QString dateText(const DateTime& dt) {
    QString t = qs(formatDate(dt.date));
    if (dt.seconds != 0) t += QLatin1Char(' ') + qs(formatTime(dt.seconds));
    return t;
}

QTableWidget* makeGrid(const QString& name, const QStringList& headers, QWidget* parent) {
    auto* g = new QTableWidget(0, static_cast<int>(headers.size()), parent);
    g->setObjectName(name);
    g->setHorizontalHeaderLabels(headers);
    g->setEditTriggers(QAbstractItemView::NoEditTriggers);
    g->setSelectionBehavior(QAbstractItemView::SelectRows);
    g->setSelectionMode(QAbstractItemView::SingleSelection);
    g->verticalHeader()->setVisible(false);
    g->verticalHeader()->setDefaultSectionSize(20);
    g->setTabKeyNavigation(false);
    g->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    g->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    return g;
}

QTableWidgetItem* cell(const QString& text, Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(align);
    return item;
}

}  // namespace

TaskPage::TaskPage(PageHost& host, QWidget* parent) : QWidget(parent), host_(host) {
    setObjectName(QStringLiteral("Lhuty_TabSheet"));
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* content = new QWidget;
    outer->addWidget(scrollingArea(content));
    auto* page = new QVBoxLayout(content);

    auto* top = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    auto* showBox = new QGroupBox(QStringLiteral("Zobrazení úkolů:"), this);
    auto* sb = new QVBoxLayout(showBox);
    showAll_ = new QCheckBox(QStringLiteral("nezatrženo = budoucí nesplněné / zatrženo = zobrazit všechny"), showBox);
    showAll_->setObjectName(QStringLiteral("I_Splnene_CheckBox"));
    sb->addWidget(showAll_);
    left->addWidget(showBox);
    views_[OpenView].grid = makeGrid(QStringLiteral("Lhuty1_DBGrid"),
                                     {QStringLiteral("Datum"), QStringLiteral("Název"), QStringLiteral("Splněno"),
                                      QStringLiteral("Dny do")},
                                     this);
    views_[OpenView].grid->setToolTip(QStringLiteral("Původně se zobrazují jen nesplněné lhůty jen v budoucnosti"));
    left->addWidget(views_[OpenView].grid, 1);
    top->addLayout(left, 3);

    auto* right = new QVBoxLayout;
    views_[ApproachingView].grid = makeGrid(
        QStringLiteral("DBGrid3"), {QStringLiteral("Datum"), QStringLiteral("Název"), QStringLiteral("Dny do")}, this);
    views_[OverdueView].grid = makeGrid(
        QStringLiteral("DBGrid2"), {QStringLiteral("Datum"), QStringLiteral("Název"), QStringLiteral("Dnů od")}, this);
    auto* approachingLabel = new QLabel(QStringLiteral("Blížící se nesplněné úkoly"), this);
    approachingLabel->setBuddy(views_[ApproachingView].grid);
    right->addWidget(approachingLabel);
    right->addWidget(views_[ApproachingView].grid, 1);
    auto* overdueLabel = new QLabel(QStringLiteral("Prošvihnuté úkoly"), this);
    overdueLabel->setBuddy(views_[OverdueView].grid);
    right->addWidget(overdueLabel);
    right->addWidget(views_[OverdueView].grid, 1);
    top->addLayout(right, 2);
    page->addLayout(top, 1);

    buildNavigator(content);

    auto* bottom = new QHBoxLayout;
    auto* editBox = new QGroupBox(this);
    auto* eg = new QGridLayout(editBox);
    date_ = new BlankDateEdit(QStringLiteral("Lhuty_DBDateTimePicker"), editBox);
    title_ = new QLineEdit(editBox);
    title_->setObjectName(QStringLiteral("DBEdit1"));
    title_->setMaxLength(255);
    note_ = new QPlainTextEdit(editBox);
    note_->setObjectName(QStringLiteral("DBMemo1"));
    note_->setTabChangesFocus(true);
    note_->setMaximumHeight(70);
    done_ = new QCheckBox(QStringLiteral("Splněno"), editBox);
    done_->setObjectName(QStringLiteral("DBCheckBox1"));
    auto addRow = [&](int row, const QString& caption, QWidget* w) {
        auto* l = new QLabel(caption, editBox);
        l->setBuddy(w);
        eg->addWidget(l, row, 0, Qt::AlignTop);
        eg->addWidget(w, row, 1);
    };
    addRow(0, QStringLiteral("Datum"), date_);
    addRow(1, QStringLiteral("Název"), title_);
    addRow(2, QStringLiteral("Poznámka"), note_);
    eg->addWidget(done_, 3, 1);
    eg->setColumnStretch(1, 1);
    bottom->addWidget(editBox, 3);

    auto* side = new QVBoxLayout;
    openNote_ = new QPlainTextEdit(this);
    openNote_->setObjectName(QStringLiteral("DBMemo2"));
    openNote_->setReadOnly(true);
    openNote_->setTabChangesFocus(true);
    openNote_->setMaximumHeight(70);
    side->addWidget(openNote_);
    auto* warnBox = new QGroupBox(this);
    auto* wg = new QGridLayout(warnBox);
    warn_ = new QCheckBox(QStringLiteral("Upozorňovat na blížící se konec lhůt"), warnBox);
    warn_->setObjectName(QStringLiteral("Lhuty_upozorneni_CheckBox"));
    daysAhead_ = new QLineEdit(warnBox);
    daysAhead_->setObjectName(QStringLiteral("Dni_Predem_Edit"));
    daysAhead_->setMaximumWidth(60);
    auto* save = new QPushButton(QStringLiteral("Ulož"), warnBox);
    save->setObjectName(QStringLiteral("Button43"));
    save->setAutoDefault(false);
    auto* daysLabel = new QLabel(QStringLiteral("Kolik dní předem upozorňovat"), warnBox);
    daysLabel->setBuddy(daysAhead_);
    wg->addWidget(warn_, 0, 0, 1, 3);
    wg->addWidget(daysLabel, 1, 0);
    wg->addWidget(daysAhead_, 1, 1);
    wg->addWidget(save, 1, 2);
    side->addWidget(warnBox);
    bottom->addLayout(side, 2);
    page->addLayout(bottom);

    // The warning settings as saved (set here, never written by it).
    Settings& settings = host_.data().settings();
    daysAhead_->setText(qs(settings.getString(setting::DaysAhead, "3")));
    warn_->setChecked(settings.getBool(setting::DeadlineWarning, true));

    for (int v = 0; v < 3; ++v) {
        QTableWidget* grid = views_[static_cast<size_t>(v)].grid;
        grid->installEventFilter(this);
        connect(grid, &QTableWidget::currentCellChanged, this,
                [this, v](int row, int, int previousRow, int) { rowChanged(static_cast<View>(v), row, previousRow); });
    }
    connect(date_, &QDateEdit::dateChanged, this, &TaskPage::userChanged);
    connect(title_, &QLineEdit::textEdited, this, &TaskPage::userChanged);
    connect(note_, &QPlainTextEdit::textChanged, this, &TaskPage::userChanged);
    connect(done_, &QCheckBox::toggled, this, &TaskPage::userChanged);
    connect(showAll_, &QCheckBox::clicked, this, &TaskPage::I_Splnene_CheckBoxClick);
    connect(warn_, &QCheckBox::clicked, this, &TaskPage::Lhuty_upozorneni_CheckBoxClick);
    connect(save, &QPushButton::clicked, this, &TaskPage::Button43Click);

    Lhuty2_ADOQueryAfterPost();
}

void TaskPage::buildNavigator(QWidget* parent) {
    auto* bar = new QWidget(parent);
    bar->setObjectName(QStringLiteral("Lhuty_DBNavigator"));
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    struct ButtonInfo {
        const char* name;
        const char* caption;
        const char* hint;
        QStyle::StandardPixmap glyph;
        bool visible;
    };
    static const ButtonInfo buttons[kNavButtons] = {
        {"First", "První", "První položka", QStyle::SP_MediaSkipBackward, false},
        {"Prior", "Předchozí", "Předchozí položka (s Ctrl o 5 zpět)", QStyle::SP_ArrowBack, false},
        {"Next", "Další", "Další položka (s Ctrl o 5 dál)", QStyle::SP_ArrowForward, false},
        {"Last", "Poslední", "Poslední položka", QStyle::SP_MediaSkipForward, false},
        {"Insert", "Přidat", "Vložit položku", QStyle::SP_FileIcon, true},
        {"Delete", "Smazat", "Smazat položku", QStyle::SP_TrashIcon, true},
        {"Edit", "Upravit", "Upravit", QStyle::SP_FileDialogDetailedView, true},
        {"Post", "Ulož", "Uložit", QStyle::SP_DialogSaveButton, true},
        {"Cancel", "Neukládat", "Neukládat", QStyle::SP_DialogCancelButton, true},
        {"Refresh", "Obnovit", "Obnovit", QStyle::SP_BrowserReload, false},
    };
    for (int i = 0; i < kNavButtons; ++i) {
        const ButtonInfo& s = buttons[i];
        auto* b = new QToolButton(bar);
        b->setObjectName(QStringLiteral("Lhuty_DBNavigator_") + QString::fromLatin1(s.name));
        b->setText(QString::fromUtf8(s.caption));
        b->setToolTip(QString::fromUtf8(s.hint));
        b->setIcon(style()->standardIcon(s.glyph, nullptr, b));
        b->setIconSize(QSize(22, 22));
        b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        b->setMinimumWidth(70);
        b->setVisible(s.visible);
        connect(b, &QToolButton::clicked, this, [this, i] {
            Lhuty_DBNavigatorClick(static_cast<NavButton>(i),
                                   QApplication::keyboardModifiers().testFlag(Qt::ControlModifier));
        });
        row->addWidget(b);
        nav_[static_cast<size_t>(i)] = b;
    }
    row->addStretch();
    parent->layout()->addWidget(bar);
}

// --- the views -------------------------------------------------------------

void TaskPage::fillView(View view, std::int64_t keepId) {
    TaskStore& store = host_.data().tasks();
    const DateTime at = now();
    ViewData& v = views_[view];
    switch (view) {
        case OpenView: v.rows = store.openTasks(at, showAll_->isChecked()); break;
        case ApproachingView: v.rows = store.approaching(at, host_.data().settings().daysAhead()); break;
        case OverdueView: v.rows = store.overdue(at); break;
    }
    const bool wasLoading = loading_;
    loading_ = true;
    QTableWidget* g = v.grid;
    g->setRowCount(0);
    g->setRowCount(static_cast<int>(v.rows.size()));
    int select = v.rows.empty() ? -1 : 0;
    const auto right = Qt::AlignRight | Qt::AlignVCenter;
    for (int r = 0; r < static_cast<int>(v.rows.size()); ++r) {
        const Task& t = v.rows[static_cast<size_t>(r)];
        if (t.id == keepId) select = r;
        g->setItem(r, 0, cell(dateText(t.datum)));
        g->setItem(r, 1, cell(qs(t.nazev)));
        if (view == OpenView) {
            g->setItem(r, 2, cell(t.splneno ? QStringLiteral("ANO") : QStringLiteral("NE")));
            g->setItem(r, 3, cell(qs(Format_Cislo(t.zbyvajici)), right));
        } else {
            g->setItem(r, 2, cell(qs(Format_Cislo(t.zbyvajici)), right));
        }
    }
    if (select >= 0) g->setCurrentCell(select, 0);
    loading_ = wasLoading;
    if (view == OpenView) {
        const int row = g->currentRow();
        openNote_->setPlainText(row >= 0 ? qs(v.rows[static_cast<size_t>(row)].poznamka) : QString());
    }
}

void TaskPage::refreshView(View view) {
    const Task* t = view == current_ ? currentTask() : nullptr;
    std::int64_t keep = t ? t->id : 0;
    if (!t) {
        const int row = views_[view].grid->currentRow();
        if (row >= 0 && row < static_cast<int>(views_[view].rows.size())) keep = views_[view].rows[static_cast<size_t>(row)].id;
    }
    fillView(view, keep);
}

void TaskPage::Lhuty2_ADOQueryAfterPost() {
    runAction(this, [&] {
        for (View v : {ApproachingView, OpenView, OverdueView}) refreshView(v);
    });
    showRecord();
    updateControls();
}

void TaskPage::I_Splnene_CheckBoxClick() {
    runAction(this, [&] { refreshView(OpenView); });
    showRecord();
    updateControls();
}

void TaskPage::Lhuty_upozorneni_CheckBoxClick() {
    if (!host_.isShowing()) return;
    runAction(this, [&] { host_.data().settings().setBool(setting::DeadlineWarning, warn_->isChecked()); });
}

void TaskPage::Button43Click() {
    runAction(this, [&] {
        // The days are stored as typed; the view takes a whole number only (else 3).
        const std::string days = ss(daysAhead_->text());
        const bool warn = warn_->isChecked();
        host_.data().settings().update([&](IniFile& ini) {
            ini.writeString(setting::DaysAhead.section, setting::DaysAhead.key, days);
            ini.writeBool(setting::DeadlineWarning.section, setting::DeadlineWarning.key, warn);
        });
        refreshView(ApproachingView);
    });
    showRecord();
    updateControls();
}

const Task* TaskPage::currentTask() const {
    const ViewData& v = views_[current_];
    const int row = v.grid->currentRow();
    if (row < 0 || row >= static_cast<int>(v.rows.size())) return nullptr;
    return &v.rows[static_cast<size_t>(row)];
}

void TaskPage::selectRow(View view, int row) {
    const bool wasLoading = loading_;
    loading_ = true;
    views_[view].grid->setCurrentCell(row, 0);
    loading_ = wasLoading;
}

void TaskPage::rowChanged(View view, int row, int previousRow) {
    if (loading_) return;
    if (view == OpenView) {
        const auto& rows = views_[OpenView].rows;
        openNote_->setPlainText(row >= 0 && row < static_cast<int>(rows.size()) ? qs(rows[static_cast<size_t>(row)].poznamka)
                                                                               : QString());
    }
    if (view != current_) return;
    if (state_ != State::Browse) {
        // Moving to another task saves the one being edited, as leaving a record does.
        const auto& rows = views_[view].rows;
        const std::int64_t target = row >= 0 && row < static_cast<int>(rows.size()) ? rows[static_cast<size_t>(row)].id : 0;
        if (!postPending()) {
            selectRow(view, previousRow);
            return;
        }
        const auto& after = views_[view].rows;
        for (int r = 0; r < static_cast<int>(after.size()); ++r)
            if (after[static_cast<size_t>(r)].id == target) selectRow(view, r);
    }
    showRecord();
    updateControls();
}

bool TaskPage::Zmena_Datasource(View view) {
    if (view != current_ && state_ != State::Browse && !postPending()) return false;
    current_ = view;
    showRecord();
    updateControls();
    return true;
}

// --- the edit controls -------------------------------------------------------

void TaskPage::showRecord() {
    loading_ = true;
    const Task* t = state_ == State::Browse ? currentTask() : &pending_;
    if (t) {
        date_->setBlank(false);
        date_->setDate(toQDate(t->datum.date));
        title_->setText(qs(t->nazev));
        note_->setPlainText(qs(t->poznamka));
        done_->setChecked(t->splneno);
    } else {
        // An empty view: no date shown.
        date_->setBlank(true);
        title_->clear();
        note_->clear();
        done_->setChecked(false);
    }
    loading_ = false;
}

void TaskPage::updateControls() {
    const ViewData& v = views_[current_];
    const int row = v.grid->currentRow();
    const int n = static_cast<int>(v.rows.size());
    const bool has = currentTask() != nullptr;
    const bool editing = state_ != State::Browse;
    nav_[First]->setEnabled(has && row > 0);
    nav_[Prior]->setEnabled(has && row > 0);
    nav_[Next]->setEnabled(has && row < n - 1);
    nav_[Last]->setEnabled(has && row < n - 1);
    nav_[Insert]->setEnabled(!editing);
    nav_[Delete]->setEnabled(has || editing);
    nav_[EditButton]->setEnabled(has && !editing);
    nav_[Post]->setEnabled(editing);
    nav_[Cancel]->setEnabled(editing);
    nav_[Refresh]->setEnabled(!editing);
    for (QWidget* w : std::initializer_list<QWidget*>{date_, title_, note_, done_}) w->setEnabled(has || editing);
}

void TaskPage::userChanged() {
    if (loading_ || state_ != State::Browse) return;
    const Task* t = currentTask();
    if (!t) return;
    // Typing into a shown task starts editing it.
    pending_ = *t;
    state_ = State::Edit;
    updateControls();
}

bool TaskPage::postPending() {
    if (state_ == State::Browse) return true;
    Task t = pending_;
    t.datum.date = fromQDate(date_->date());
    t.nazev = ss(title_->text());
    t.poznamka = ss(note_->toPlainText());
    t.splneno = done_->isChecked();  // a new task is stored as not done, never empty
    const bool saved = runAction(this, [&] {
        TaskStore& store = host_.data().tasks();
        if (state_ == State::Insert) t.id = store.insert(t);
        else store.update(t);
    });
    if (!saved) return false;  // the record stays in edit mode
    state_ = State::Browse;
    pending_ = Task{};
    // The saved task stays current where it is still listed; the other views
    // keep the task they showed.
    runAction(this, [&] {
        for (View v : {ApproachingView, OpenView, OverdueView}) {
            if (v == current_) fillView(v, t.id);
            else refreshView(v);
        }
    });
    showRecord();
    updateControls();
    return true;
}

void TaskPage::cancelPending() {
    state_ = State::Browse;
    pending_ = Task{};
    showRecord();
    updateControls();
}

void TaskPage::insertRecord(const QDate& date) {
    if (!postPending()) return;
    pending_ = Task{0, DateTime{fromQDate(date), 0}, "", "", false, 0};
    state_ = State::Insert;
    showRecord();
    updateControls();
    title_->setFocus();
}

void TaskPage::deleteRecord() {
    if (state_ == State::Insert) {
        cancelPending();
        return;
    }
    const Task* t = state_ == State::Edit ? &pending_ : currentTask();
    if (!t) return;
    const std::int64_t id = t->id;
    if (!confirm(this, QStringLiteral("Smazat položku?"))) return;
    if (!runAction(this, [&] { host_.data().tasks().remove(id); })) return;
    state_ = State::Browse;
    pending_ = Task{};
    Lhuty2_ADOQueryAfterPost();
}

void TaskPage::moveBy(int step) {
    const ViewData& v = views_[current_];
    const int n = static_cast<int>(v.rows.size());
    if (n == 0) return;
    const int row = std::clamp(v.grid->currentRow() + step, 0, n - 1);
    v.grid->setCurrentCell(row, 0);
}

void TaskPage::Lhuty_DBNavigatorClick(NavButton button, bool ctrl) {
    switch (button) {
        case First: moveBy(-1'000'000); break;
        case Prior: moveBy(ctrl ? -5 : -1); break;
        case Next: moveBy(ctrl ? 5 : 1); break;
        case Last: moveBy(1'000'000); break;
        case Insert: insertRecord(QDate::currentDate()); break;  // today, without the time
        case Delete: deleteRecord(); break;
        case EditButton:
            if (state_ == State::Browse && currentTask()) {
                pending_ = *currentTask();
                state_ = State::Edit;
                title_->setFocus();
            }
            break;
        case Post: postPending(); break;
        case Cancel: cancelPending(); break;
        case Refresh:
            if (state_ == State::Browse) Lhuty2_ADOQueryAfterPost();
            break;
        case kNavButtons: break;
    }
    updateControls();
}

void TaskPage::startTaskWithDate(const QDate& date) {
    if (!Zmena_Datasource(OpenView)) return;
    insertRecord(date);
}

void TaskPage::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    // The views depend on the time of day: bring them up to date.
    if (state_ == State::Browse) Lhuty2_ADOQueryAfterPost();
}

bool TaskPage::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() == QEvent::FocusIn && isEntry(static_cast<QFocusEvent*>(e)->reason())) {
        for (int v = 0; v < 3; ++v)
            if (watched == views_[static_cast<size_t>(v)].grid) Zmena_Datasource(static_cast<View>(v));
    }
    return QWidget::eventFilter(watched, e);
}

}  // namespace verdika::ui
