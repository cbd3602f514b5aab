#include "app/main_window.h"

#include <algorithm>

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScreen>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <QAbstractScrollArea>
#include <QWindow>

#include "app/data_module.h"
#include "app/txt_page.h"
#include "calculators/calculator_page.h"
#include "calculators/compensation_page.h"
#include "calculators/settlement_page.h"
#include "calculators/wage_deduction_page.h"
#include "common/ui/action.h"
#include "common/ui/elided_label.h"
#include "common/ui/find_dialog.h"
#include "common/ui/first_focus.h"
#include "common/ui/messages.h"
#include "common/ui/multi_row_tabs.h"
#include "common/ui/qt_convert.h"
#include "common/ui/scrolling.h"
#include "companion/ui/version_check.h"
#include "costs/costs_page.h"
#include "deadlines/deadline_page.h"
#include "deadlines/task_page.h"
#include "fees/court_fee_page.h"
#include "fees/executor_page.h"
#include "fees/insolvency_page.h"
#include "fees/notary_page.h"
#include "interest/interest_page.h"
#include "maintenance/about_window.h"
#include "maintenance/updates.h"
#include "reference/admin_fees_page.h"
#include "reference/institutions_page.h"
#include "reference/laws_page.h"
#include "reference/regulation_window.h"
#include "tariff/tariff_page.h"
#include "travel/travel_page.h"

namespace verdika::ui {

MainWindow::MainWindow(DataModule& data, MainWindowOptions options, QWidget* parent)
    : QMainWindow(parent), data_(data), options_(options) {
    setObjectName(QStringLiteral("Verdika_Form"));
    setWindowTitle(QStringLiteral("Verdika"));
    FormCreate();
}

MainWindow::~MainWindow() = default;

namespace {

template <typename P>
QWidget* make(PageHost& host) {
    return new P(host);
}

// The tabs in order: the name of the tab's page, its caption, and how the
// page is made the first time it is needed (nullptr: never shown, no page).
struct PageSpec {
    const char* name;
    const char* caption;
    QWidget* (*make)(PageHost&);
};

const std::array<PageSpec, kPageCount> kPageSpecs = {{
    {"TabSheet1", "Náklady řízení - zrušeno", make<CostsPage>},
    {"TabSheet2", "Advokátní tarif", make<TariffPage>},
    {"TabSheet4", "Cestovné", make<TravelPage>},
    {"TabSheet3", "Soudní poplatky", make<CourtFeePage>},
    {"TabSheet28", "Správní poplatky", make<AdminFeesPage>},
    {"TabSheet19", "Odměna notáře", make<NotaryPage>},
    {"TabSheet20", "Odměna exekutora", make<ExecutorPage>},
    {"TabSheet7", "Notářské tarify", nullptr},
    {"TabSheet10", "Lhůty", make<DeadlinePage>},
    {"TabSheet11", "Zadostiučinění", make<CompensationPage>},
    {"Lhuty_TabSheet", "Úkolníček", make<TaskPage>},
    {"TabSheet9", "Insolvenční správce - odměna", make<InsolvencyPage>},
    {"tabsheet12", "Vypořádání manželů", make<SettlementPage>},
    {"TabSheet6", "Úroky", make<InterestPage>},
    {"TabSheet8", "Srážky ze mzdy", make<WageDeductionPage>},
    {"TabSheet14", "Průměrný měsíční výdělek", nullptr},
    {"TabSheet5", "Adresy institucí", make<InstitutionsPage>},
    {"TabSheet13", "Kalkulačka", make<CalculatorPage>},
    {"TabSheet21", "Zákony", make<LawsPage>},
    {"TabSheet23", "TXT", make<TxtPage>},
}};

}  // namespace

void MainWindow::buildPages() {
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(4, 4, 4, 0);
    layout->setSpacing(2);
    pages_ = new QTabWidget(central);
    pages_->setObjectName(QStringLiteral("PageControl1"));
    pages_->setDocumentMode(true);

    // Only the shells now: a page is made when it is first shown or another
    // page hands it something (MainWindow::page).
    for (const PageSpec& spec : kPageSpecs) {
        auto* shell = new QWidget;
        shell->setObjectName(QString::fromLatin1(spec.name));
        new QVBoxLayout(shell);
        shell->layout()->setContentsMargins(0, 0, 0, 0);
        pages_->addTab(shell, QString::fromUtf8(spec.caption));
    }
    // These pages are never shown: their tabs stay hidden for the whole run.
    for (int hidden : {kAdminFeesPage, kNotaryTariffsPage, kAverageEarningsPage}) pages_->setTabVisible(hidden, false);

    tabs_ = new MultiRowTabs(pages_, central);
    connect(tabs_, &MultiRowTabs::tabClicked, this, [this](int) { PageControl1Change(); });
    layout->addWidget(tabs_);
    layout->addWidget(pages_, 1);
    setCentralWidget(central);
}

QWidget* MainWindow::page(int pageIndex) {
    if (pageIndex < 0 || pageIndex >= kPageCount) return nullptr;
    QWidget*& built = built_[static_cast<size_t>(pageIndex)];
    const PageSpec& spec = kPageSpecs[static_cast<size_t>(pageIndex)];
    if (built || !spec.make) return built;
    // The shell scrolls a page taller or wider than the window may be on a
    // small screen, so every page keeps its buttons within reach and no page
    // sets the window's minimum size. Made with the page: an empty shell
    // needs none.
    QWidget* shell = pages_->widget(pageIndex);
    auto* holder = new QWidget;
    auto* holderLayout = new QVBoxLayout(holder);
    holderLayout->setContentsMargins(0, 0, 0, 0);
    auto* area = scrollingArea(holder, shell->objectName() + QStringLiteral("_Scroll"));
    shell->layout()->addWidget(area);
    area->show();  // now, not queued as for a widget added to a visible parent
    built = spec.make(*this);
    if (auto* laws = qobject_cast<LawsPage*>(built))
        connect(laws, &LawsPage::findRequested, this, [this](const QString& text) { openLawFind(text); });
    // A page that names no first input starts in the first one it has.
    if (!hasFirstInput(built)) focusFirstInputWhenFirstShown(built);
    holderLayout->addWidget(built);
    built->show();
    return built;
}

bool MainWindow::isPageBuilt(int pageIndex) const {
    return pageIndex >= 0 && pageIndex < kPageCount && built_[static_cast<size_t>(pageIndex)];
}

void MainWindow::FormCreate() {
    buildPages();

    // Status bar: the notice, and the way to the About window.
    // Both texts show whole; only a window too narrow for them shortens
    // them, the notice first, with the whole text in the tooltip.
    notice_ = new ElidedLabel(QStringLiteral("Verdika – výpočty pro advokátní praxi"), this);
    notice_->setObjectName(QStringLiteral("StatusBar1_notice"));
    aboutHint_ = new ElidedLabel(
        QStringLiteral("Informace o programu, aktualizace, profil uživatele a novinky – klepněte sem"), this);
    aboutHint_->setObjectName(QStringLiteral("StatusBar1_about"));
    aboutHint_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
    statusBar()->addWidget(notice_);
    statusBar()->addWidget(aboutHint_, 1);
    statusBar()->setCursor(Qt::PointingHandCursor);
    statusBar()->installEventFilter(this);
    notice_->installEventFilter(this);
    aboutHint_->installEventFilter(this);

    // Relative file names of the pages resolve against the program directory.
    QDir::setCurrent(qpath(data_.paths().programDir));

    resize(kClientWidth, kHeights[0]);
    fitToScreen();
    pages_->setCurrentIndex(kTariffPage);  // not a user's change: the height stays

    checkDeadlines();
    // From here on the page shown is made when it is first chosen; the first
    // one now, after the deadline warning may have chosen the task list.
    connect(pages_, &QTabWidget::currentChanged, this, [this](int index) { page(index); });
    page(pages_->currentIndex());
}

void MainWindow::checkDeadlines() {
    runAction(this, [&] {
        const bool warn = data_.settings().get(setting::DeadlineWarning);
        if (!warn) return;
        if (data_.tasks().approaching(now(), data_.settings().daysAhead()).empty()) return;
        deadlineWarning_ = true;
        pages_->setCurrentIndex(kTaskPage);
        PageControl1Change();
    });
}

void MainWindow::showEvent(QShowEvent* e) {
    QMainWindow::showEvent(e);
    if (shownOnce_) return;
    shownOnce_ = true;
    // The frame is known now: the window and its frame fit the screen.
    fitToScreen();
    if (QScreen* s = screen()) {
        const QRect r = s->availableGeometry();
        QRect frame = frameGeometry();
        move(r.center() - QPoint(frame.width() / 2, frame.height() / 2) + (pos() - frame.topLeft()));
        keepOnScreen();
    }
    // Moved to another screen: fit that one.
    if (QWindow* w = windowHandle()) connect(w, &QWindow::screenChanged, this, [this] {
        fitToScreen();
        keepOnScreen();
    });
    if (deadlineWarning_ && options_.startupMessages)
        QTimer::singleShot(0, this, [this] { showMessage(this, QStringLiteral("Blížící se konec lhůt!")); });
    if (options_.releaseCheck && data_.settings().get(setting::CheckAfterStart))
        QTimer::singleShot(0, this, [this] { startReleaseCheck(); });
}

void MainWindow::startReleaseCheck() {
    // The stamp of the program directory: a data directory refreshed from an
    // older copy must not hide a newer release.
    const QString localStamp = qpath(data_.programFile("verdika.txt"));
    StartupVersionCheck::start(qs(updates::releaseStampUrl(data_.settings().serviceHost())), localStamp,
                               options_.releaseCheckTimeoutMs, [this] { aboutWindow()->offerNewRelease(); }, this);
}

int MainWindow::visibleIndexOf(int pageIndex) const {
    if (pageIndex < 0 || pageIndex >= pages_->count() || !pages_->isTabVisible(pageIndex)) return -1;
    int visible = 0;
    for (int i = 0; i < pageIndex; ++i)
        if (pages_->isTabVisible(i)) ++visible;
    return visible;
}

QSize MainWindow::largestClientSize() const {
    const QScreen* s = screen();
    if (!s) return QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    QMargins frame;
    if (const QWindow* w = windowHandle()) frame = w->frameMargins();
    const QRect r = s->availableGeometry();
    return QSize(r.width() - frame.left() - frame.right(), r.height() - frame.top() - frame.bottom());
}

void MainWindow::fitToScreen() {
    const QSize largest = largestClientSize();
    // The minimum: the tab strip and the status bar; a page scrolls inside its tab.
    setMinimumSize(std::min(kMinimumSize.width(), largest.width()), std::min(kMinimumSize.height(), largest.height()));
    const QSize wanted(width() > 0 ? width() : kClientWidth, height());
    const QSize fitted = wanted.boundedTo(largest);
    if (fitted != size()) resize(fitted);
}

void MainWindow::keepOnScreen() {
    const QScreen* s = screen();
    if (!s) return;
    const QRect r = s->availableGeometry();
    const QRect frame = frameGeometry();
    const QPoint offset = pos() - frame.topLeft();
    QPoint top = frame.topLeft();
    top.setX(std::max(r.left(), std::min(top.x(), r.right() + 1 - frame.width())));
    top.setY(std::max(r.top(), std::min(top.y(), r.bottom() + 1 - frame.height())));
    if (top != frame.topLeft()) move(top + offset);
}

void MainWindow::PageControl1Change() {
    const int visible = visibleIndexOf(pages_->currentIndex());
    if (visible < 0 || visible >= static_cast<int>(kHeights.size())) return;
    // The page's height, but never more than the screen holds.
    const int height = std::min(kHeights[static_cast<size_t>(visible)], largestClientSize().height());
    resize(width() > 0 ? width() : kClientWidth, height);
    if (QScreen* s = screen()) {
        const int screenHeight = s->availableGeometry().height();
        if (y() + height + 15 > screenHeight) move(x(), (screenHeight - 15 - height) / 2);
    }
    keepOnScreen();
}

void MainWindow::showPage(int pageIndex) {
    if (pageIndex < 0 || pageIndex >= pages_->count()) return;
    pages_->setCurrentIndex(pageIndex);
    PageControl1Change();
}

void MainWindow::appendToTxt(const QStringList& lines, bool keepPrevious) {
    pageAs<TxtPage>(kTxtPage)->appendLines(lines, keepPrevious);
}

void MainWindow::startTaskWithDate(const QDate& date) {
    showPage(kTaskPage);
    pageAs<TaskPage>(kTaskPage)->startTaskWithDate(date);
}

void MainWindow::setInterestDueDate(const QDate& date) { pageAs<InterestPage>(kInterestPage)->setDueDate(date); }

void MainWindow::addCalculatorResult(double value, const QString& description) {
    pageAs<CalculatorPage>(kCalculatorPage)->addResult(value, description);
}

void MainWindow::showRegulation(const QString& filePath) {
    runAction(this, [&] {
        if (!regulation_) regulation_ = new RegulationWindow(this);
        regulation_->showFile(filePath);
    });
}

void MainWindow::openLawFind(const QString& text) {
    if (!findDialog_) {
        findDialog_ = new FindDialog(this);
        connect(findDialog_, &FindDialog::findNext, this, &MainWindow::finddialog1Find);
    }
    if (!text.isEmpty()) findDialog_->setFindText(text);
    findDialog_->show();
    findDialog_->raise();
}

void MainWindow::finddialog1Find() {
    if (!findDialog_ || findDialog_->findText().isEmpty()) return;
    findNextInMemo(pageAs<LawsPage>(kLawsPage)->memo(), findDialog_->findText(), findDialog_->matchCase());
}

AboutWindow* MainWindow::aboutWindow() {
    if (!about_) about_ = new AboutWindow(data_, this);
    return about_;
}

void MainWindow::StatusBar1Click() {
    AboutWindow* about = aboutWindow();
    about->show();
    about->raise();
    about->activateWindow();
}

void MainWindow::fitStatusTexts() {
    // The notice's panel is 400 wide where the hint keeps its whole text
    // beside it; narrower, it gives up its blank space first, then the hint
    // is shortened. The allowance covers the size grip and the spacing.
    constexpr int kPanelWidth = 400, kAllowance = 40;
    const int room = statusBar()->width() - aboutHint_->textWidth() - kAllowance;
    const int width = std::clamp(room, std::min(notice_->textWidth(), kPanelWidth), kPanelWidth);
    if (notice_->width() != width || notice_->minimumWidth() != width) notice_->setFixedWidth(width);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() == QEvent::Resize && watched == statusBar()) fitStatusTexts();
    if (e->type() == QEvent::MouseButtonPress &&
        (watched == statusBar() || watched == notice_ || watched == aboutHint_)) {
        StatusBar1Click();
        return true;
    }
    return QMainWindow::eventFilter(watched, e);
}

bool WheelAsArrowKeys::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() != QEvent::Wheel) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget) return false;
    auto* wheel = static_cast<QWheelEvent*>(e);
    const int dy = wheel->angleDelta().y();
    if (dy == 0) return false;  // a sideways tilt is not the wheel
    // A scroll area's viewport gets the wheel; its keys belong to the area itself.
    QWidget* target = widget;
    if (auto* area = qobject_cast<QAbstractScrollArea*>(widget->parentWidget()); area && area->viewport() == widget)
        target = area;
    if ((pending_ > 0) != (dy > 0)) pending_ = 0;
    pending_ += dy;
    while (pending_ >= 120 || pending_ <= -120) {
        const bool up = pending_ > 0;
        pending_ += up ? -120 : 120;
        const auto key = up ? Qt::Key_Up : Qt::Key_Down;
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
        QApplication::sendEvent(target, &press);
        QApplication::sendEvent(target, &release);
    }
    return true;
}

}  // namespace verdika::ui
