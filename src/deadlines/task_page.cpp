#include "deadlines/task_page.h"

#include <QCheckBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "app/data_module.h"
#include "app/ui/page_host.h"
#include "common/ui/action.h"
#include "common/ui/controls.h"
#include "common/ui/first_focus.h"
#include "common/ui/messages.h"
#include "common/ui/qt_convert.h"
#include "common/ui/scrolling.h"
#include "deadlines/ui/blank_date_edit.h"
#include "deadlines/ui/task_editor.h"
#include "deadlines/ui/task_grid.h"
#include "deadlines/ui/task_warning_box.h"

namespace verdika::ui {

TaskPage::TaskPage(PageHost& host, QWidget* parent) : QWidget(parent), host_(host) {
    setObjectName(QStringLiteral("Lhuty_TabSheet"));
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* content = new QWidget;
    outer->addWidget(scrollingArea(content));
    auto* page = new QVBoxLayout(content);
    page->addWidget(buildViews(), 1);
    navigator_ = new TaskNavigator(content);
    page->addWidget(navigator_);
    auto* bottom = new QHBoxLayout;
    editor_ = new TaskEditor(content);
    bottom->addWidget(editor_, 3);
    bottom->addWidget(buildSide(), 2);
    page->addLayout(bottom);

    // The warning settings as saved (set here, never written by it).
    const Settings& settings = host_.data().settings();
    warning_->showSettings(settings.getBool(setting::DeadlineWarning, true),
                           qs(settings.getString(setting::DaysAhead, "3")));

    for (int v = 0; v < 3; ++v) {
        QTableWidget* grid = views_[static_cast<size_t>(v)]->widget();
        grid->installEventFilter(this);
        connect(grid, &QTableWidget::currentCellChanged, this,
                [this, v](int row, int, int previousRow, int) { rowChanged(static_cast<View>(v), row, previousRow); });
    }
    connect(navigator_, &TaskNavigator::pressed, this, &TaskPage::Lhuty_DBNavigatorClick);
    connect(editor_, &TaskEditor::userChanged, this, &TaskPage::userChanged);
    connect(showAll_, &QCheckBox::clicked, this, &TaskPage::I_Splnene_CheckBoxClick);
    connect(warning_, &TaskWarningBox::warnClicked, this, &TaskPage::Lhuty_upozorneni_CheckBoxClick);
    connect(warning_, &TaskWarningBox::saveClicked, this, &TaskPage::Button43Click);
    focusWhenFirstShown(this, views_[OpenView]->widget());

    Lhuty2_ADOQueryAfterPost();
}

TaskPage::~TaskPage() = default;

QWidget* TaskPage::buildViews() {
    auto* box = new QWidget(this);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    auto* left = new QVBoxLayout;
    auto* showBox = new QGroupBox(QStringLiteral("Zobrazení úkolů:"), box);
    auto* sb = new QVBoxLayout(showBox);
    showAll_ = new QCheckBox(QStringLiteral("nezatrženo = budoucí nesplněné / zatrženo = zobrazit všechny"), showBox);
    showAll_->setObjectName(QStringLiteral("I_Splnene_CheckBox"));
    sb->addWidget(showAll_);
    left->addWidget(showBox);
    views_[OpenView] = std::make_unique<TaskGrid>(QStringLiteral("Lhuty1_DBGrid"), QStringLiteral("Dny do"), true, box);
    views_[OpenView]->widget()->setToolTip(QStringLiteral("Původně se zobrazují jen nesplněné lhůty jen v budoucnosti"));
    left->addWidget(views_[OpenView]->widget(), 1);
    row->addLayout(left, 3);

    auto* right = new QVBoxLayout;
    views_[ApproachingView] = std::make_unique<TaskGrid>(QStringLiteral("DBGrid3"), QStringLiteral("Dny do"), false, box);
    views_[OverdueView] = std::make_unique<TaskGrid>(QStringLiteral("DBGrid2"), QStringLiteral("Dnů od"), false, box);
    right->addWidget(buddyLabel(QStringLiteral("Blížící se nesplněné úkoly"), views_[ApproachingView]->widget(), box));
    right->addWidget(views_[ApproachingView]->widget(), 1);
    right->addWidget(buddyLabel(QStringLiteral("Prošvihnuté úkoly"), views_[OverdueView]->widget(), box));
    right->addWidget(views_[OverdueView]->widget(), 1);
    row->addLayout(right, 2);
    return box;
}

QWidget* TaskPage::buildSide() {
    auto* side = new QWidget(this);
    auto* column = new QVBoxLayout(side);
    column->setContentsMargins(0, 0, 0, 0);
    openNote_ = new QPlainTextEdit(side);
    openNote_->setObjectName(QStringLiteral("DBMemo2"));
    openNote_->setReadOnly(true);
    openNote_->setTabChangesFocus(true);
    openNote_->setMaximumHeight(70);
    column->addWidget(openNote_);
    warning_ = new TaskWarningBox(side);
    column->addWidget(warning_);
    return side;
}

const std::vector<Task>& TaskPage::rows(View view) const { return views_[view]->tasks(); }

// --- the views -------------------------------------------------------------

void TaskPage::fillView(View view, std::int64_t keepId) {
    TaskStore& store = host_.data().tasks();
    const DateTime at = now();
    std::vector<Task> rows;
    switch (view) {
        case OpenView: rows = store.openTasks(at, showAll_->isChecked()); break;
        case ApproachingView: rows = store.approaching(at, host_.data().settings().daysAhead()); break;
        case OverdueView: rows = store.overdue(at); break;
    }
    views_[view]->setTasks(std::move(rows), keepId);
    if (view == OpenView) showOpenNote();
}

void TaskPage::refreshView(View view) {
    const Task* t = views_[view]->current();
    fillView(view, t ? t->id : 0);
}

// The view entered last keeps currentKeep under its cursor when given; the
// others keep the task they showed.
void TaskPage::refreshAll(std::optional<std::int64_t> currentKeep) {
    runAction(this, [&] {
        for (View v : {ApproachingView, OpenView, OverdueView}) {
            if (v == current_ && currentKeep) fillView(v, *currentKeep);
            else refreshView(v);
        }
    });
    showRecord();
    updateControls();
}

void TaskPage::Lhuty2_ADOQueryAfterPost() { refreshAll(); }

void TaskPage::I_Splnene_CheckBoxClick() {
    runAction(this, [&] { refreshView(OpenView); });
    showRecord();
    updateControls();
}

void TaskPage::Lhuty_upozorneni_CheckBoxClick() {
    if (!host_.isShowing()) return;
    runAction(this, [&] { host_.data().settings().setBool(setting::DeadlineWarning, warning_->warn()); });
}

void TaskPage::Button43Click() {
    runAction(this, [&] {
        // The days are stored as typed; the view takes a whole number only (else 3).
        const std::string days = ss(warning_->days());
        const bool warn = warning_->warn();
        host_.data().settings().update([&](IniFile& ini) {
            ini.writeString(setting::DaysAhead.section, setting::DaysAhead.key, days);
            ini.writeBool(setting::DeadlineWarning.section, setting::DeadlineWarning.key, warn);
        });
        refreshView(ApproachingView);
    });
    showRecord();
    updateControls();
}

const Task* TaskPage::currentTask() const { return views_[current_]->current(); }

void TaskPage::showOpenNote() {
    const Task* t = views_[OpenView]->current();
    openNote_->setPlainText(t ? qs(t->poznamka) : QString());
}

void TaskPage::rowChanged(View view, int row, int previousRow) {
    if (view == OpenView) showOpenNote();
    if (view != current_) return;
    if (state_ != State::Browse) {
        // Moving to another task saves the one being edited, as leaving a record does.
        const Task* target = views_[view]->at(row);
        const std::int64_t targetId = target ? target->id : 0;
        if (!postPending()) {
            views_[view]->selectQuietly(previousRow);
            return;
        }
        const auto& after = views_[view]->tasks();
        for (int r = 0; r < static_cast<int>(after.size()); ++r)
            if (after[static_cast<size_t>(r)].id == targetId) views_[view]->selectQuietly(r);
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

void TaskPage::showRecord() { editor_->showTask(state_ == State::Browse ? currentTask() : &pending_); }

void TaskPage::updateControls() {
    const TaskGrid& v = *views_[current_];
    const bool has = currentTask() != nullptr;
    const bool editing = state_ != State::Browse;
    navigator_->update(has, v.currentRow(), static_cast<int>(v.tasks().size()), editing);
    editor_->setEditable(has || editing);
}

void TaskPage::userChanged() {
    if (state_ != State::Browse) return;
    const Task* t = currentTask();
    if (!t) return;
    // Typing into a shown task starts editing it.
    pending_ = *t;
    state_ = State::Edit;
    updateControls();
}

bool TaskPage::postPending() {
    if (state_ == State::Browse) return true;
    Task t = editor_->edited(pending_);
    const bool saved = runAction(this, [&] {
        TaskStore& store = host_.data().tasks();
        if (state_ == State::Insert) t.id = store.insert(t);
        else store.update(t);
    });
    if (!saved) return false;  // the record stays in edit mode
    state_ = State::Browse;
    pending_ = Task{};
    // The saved task stays current where it is still listed.
    refreshAll(t.id);
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
    editor_->focusTitle();
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
    const TaskGrid& v = *views_[current_];
    const int n = static_cast<int>(v.tasks().size());
    if (n == 0) return;
    v.widget()->setCurrentCell(std::clamp(v.currentRow() + step, 0, n - 1), 0);
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
                editor_->focusTitle();
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
            if (watched == views_[static_cast<size_t>(v)]->widget()) Zmena_Datasource(static_cast<View>(v));
    }
    return QWidget::eventFilter(watched, e);
}

}  // namespace verdika::ui
