#include "app/main_window.h"

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
#include <QDesktopServices>
#include <QUrl>

#include "app/data_module.h"
#include "app/txt_page.h"
#include "calculators/calculator_page.h"
#include "calculators/compensation_page.h"
#include "calculators/settlement_page.h"
#include "calculators/wage_deduction_page.h"
#include "common/ui/action.h"
#include "common/ui/find_dialog.h"
#include "common/ui/messages.h"
#include "common/ui/multi_row_tabs.h"
#include "common/ui/qt_convert.h"
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

void MainWindow::buildPages() {
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(4, 4, 4, 0);
    layout->setSpacing(2);
    pages_ = new QTabWidget(central);
    pages_->setObjectName(QStringLiteral("PageControl1"));
    pages_->setDocumentMode(true);

    auto blank = [](const char* name) {
        auto* w = new QWidget;
        w->setObjectName(QString::fromLatin1(name));
        return w;
    };
    txtPage_ = new TxtPage(*this);
    taskPage_ = new TaskPage(*this);
    interestPage_ = new InterestPage(*this);
    calculatorPage_ = new CalculatorPage(*this);
    lawsPage_ = new LawsPage(*this);

    const std::array<std::pair<QWidget*, const char*>, kPageCount> pages = {{
        {new CostsPage(*this), "Náklady řízení - zrušeno"},
        {new TariffPage(*this), "Advokátní tarif"},
        {new TravelPage(*this), "Cestovné"},
        {new CourtFeePage(*this), "Soudní poplatky"},
        {new AdminFeesPage(*this), "Správní poplatky"},
        {new NotaryPage(*this), "Odměna notáře"},
        {new ExecutorPage(*this), "Odměna exekutora"},
        {blank("TabSheet7"), "Notářské tarify"},
        {new DeadlinePage(*this), "Lhůty"},
        {new CompensationPage(*this), "Zadostiučinění"},
        {taskPage_, "Úkolníček"},
        {new InsolvencyPage(*this), "Insolvenční správce - odměna"},
        {new SettlementPage(*this), "Vypořádání manželů"},
        {interestPage_, "Úroky"},
        {new WageDeductionPage(*this), "Srážky ze mzdy"},
        {blank("TabSheet14"), "Průměrný měsíční výdělek"},
        {new InstitutionsPage(*this), "Adresy institucí"},
        {calculatorPage_, "Kalkulačka"},
        {lawsPage_, "Zákony"},
        {txtPage_, "TXT"},
    }};
    for (const auto& [page, caption] : pages) pages_->addTab(page, QString::fromUtf8(caption));
    // These pages are never shown: their tabs stay hidden for the whole run.
    for (int hidden : {kAdminFeesPage, kNotaryTariffsPage, kAverageEarningsPage}) pages_->setTabVisible(hidden, false);

    tabs_ = new MultiRowTabs(pages_, central);
    connect(tabs_, &MultiRowTabs::tabClicked, this, [this](int) { PageControl1Change(); });
    layout->addWidget(tabs_);
    layout->addWidget(pages_, 1);
    setCentralWidget(central);
}

void MainWindow::FormCreate() {
    buildPages();

    // Status bar: the notice, and the way to the About window.
    notice_ = new QLabel(QStringLiteral("Verdika – výpočty pro advokátní praxi"),
                         this);
    notice_->setObjectName(QStringLiteral("StatusBar1_notice"));
    notice_->setFixedWidth(400);
    aboutHint_ = new QLabel(QStringLiteral("Informace o programu, aktualizace, profil uživatele a novinky – klepněte sem"),
                            this);
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
    pages_->setCurrentIndex(kTariffPage);  // not a user's change: the height stays

    about_ = new AboutWindow(data_, this);
    checkDeadlines();
}

void MainWindow::checkDeadlines() {
    runAction(this, [&] {
        const bool warn = data_.settings().getBool(setting::DeadlineWarning, true);
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
    if (QScreen* s = screen()) {
        const QRect r = s->availableGeometry();
        QRect frame = frameGeometry();
        move(r.center() - QPoint(frame.width() / 2, frame.height() / 2) + (pos() - frame.topLeft()));
    }
    if (deadlineWarning_ && options_.startupMessages)
        QTimer::singleShot(0, this, [this] { showMessage(this, QStringLiteral("Blížící se konec lhůt!")); });
    if (options_.releaseCheck && data_.settings().getBool(setting::CheckAfterStart, true))
        QTimer::singleShot(0, this, [this] { startReleaseCheck(); });
}

void MainWindow::startReleaseCheck() {
    const QString host = qs(data_.settings().serviceHost());
    const QString localStamp = qpath(data_.programFile("verdika.txt"));
    StartupVersionCheck::start(host + QStringLiteral("/download/verdika.txt"), localStamp,
                               options_.releaseCheckTimeoutMs, [this, host] {
        if (confirm(this, QStringLiteral("Chcete načíst stránku s novou verzí programu? Pokud budete program "
                                         "instalovat, nejdříve ukončete běžící program.")))
            QDesktopServices::openUrl(QUrl(host + QStringLiteral("/download/verdika.zip")));
    }, this);
}

int MainWindow::visibleIndexOf(int pageIndex) const {
    if (pageIndex < 0 || pageIndex >= pages_->count() || !pages_->isTabVisible(pageIndex)) return -1;
    int visible = 0;
    for (int i = 0; i < pageIndex; ++i)
        if (pages_->isTabVisible(i)) ++visible;
    return visible;
}

void MainWindow::PageControl1Change() {
    const int visible = visibleIndexOf(pages_->currentIndex());
    if (visible < 0 || visible >= static_cast<int>(kHeights.size())) return;
    const int height = kHeights[static_cast<size_t>(visible)];
    resize(width() > 0 ? width() : kClientWidth, height);
    if (QScreen* s = screen()) {
        const int screenHeight = s->availableGeometry().height();
        if (y() + height + 15 > screenHeight) move(x(), (screenHeight - 15 - height) / 2);
    }
}

void MainWindow::showPage(int pageIndex) {
    if (pageIndex < 0 || pageIndex >= pages_->count()) return;
    pages_->setCurrentIndex(pageIndex);
    PageControl1Change();
}

void MainWindow::appendToTxt(const QStringList& lines, bool keepPrevious) { txtPage_->appendLines(lines, keepPrevious); }

void MainWindow::startTaskWithDate(const QDate& date) {
    showPage(kTaskPage);
    taskPage_->startTaskWithDate(date);
}

void MainWindow::setInterestDueDate(const QDate& date) { interestPage_->setDueDate(date); }

void MainWindow::addCalculatorResult(double value, const QString& description) {
    calculatorPage_->addResult(value, description);
}

void MainWindow::showRegulation(const QString& filePath) {
    runAction(this, [&] {
        if (!regulation_) regulation_ = new RegulationWindow(this);
        regulation_->showFile(filePath);
    });
}

void MainWindow::openLawFind() {
    if (!findDialog_) {
        findDialog_ = new FindDialog(this);
        connect(findDialog_, &FindDialog::findNext, this, &MainWindow::finddialog1Find);
    }
    findDialog_->show();
    findDialog_->raise();
}

void MainWindow::finddialog1Find() {
    if (!findDialog_ || findDialog_->findText().isEmpty()) return;
    findNextInMemo(lawsPage_->memo(), findDialog_->findText(), findDialog_->matchCase());
}

void MainWindow::StatusBar1Click() {
    about_->show();
    about_->raise();
    about_->activateWindow();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* e) {
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
