#include "travel/travel_page.h"

#include <QCheckBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolBar>
#include <QVBoxLayout>

#include "app/data_module.h"
#include "app/ui/page_host.h"
#include "common/ui/action.h"
#include "common/ui/controls.h"
#include "common/ui/desktop.h"
#include "common/ui/messages.h"
#include "common/ui/qt_convert.h"
#include "common/ui/scrolling.h"
#include "common/ui/summary_box.h"
#include "common/ui/vat_payer.h"
#include "reference/regulations.h"
#include "travel/distance_window.h"
#include "travel/favourites_window.h"
#include "travel/trip_list.h"
#include "travel/ui/car_settings_panel.h"
#include "travel/ui/trip_form_panel.h"
#include "travel/ui/trip_list_panel.h"
#include "travel/ui/trip_result_box.h"
#include "travel/user_files.h"

namespace verdika::ui {

namespace {

// A sub-page scrolls rather than making the main window taller: the window
// takes each page's own height, and smaller pages must not inherit this one's.
QScrollArea* scrollable(QWidget* content) {
    return scrollingArea(content, content->objectName() + QStringLiteral("_scroll"));
}

}  // namespace

TravelPage::TravelPage(PageHost& host, QWidget* parent) : QWidget(parent), host_(host) {
    setObjectName(QStringLiteral("TabSheet4"));
    statements_ = new TripStatements(host_, this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    auto* subPages = new QTabWidget(this);
    subPages->setObjectName(QStringLiteral("PageControl4"));
    subPages->setTabPosition(QTabWidget::East);
    subPages->addTab(scrollable(buildTripPage()), QStringLiteral("Cestovné"));
    subPages->addTab(scrollable(buildSummaryPage()), QStringLiteral("Sumarizace"));
    settings_ = new CarSettingsPanel(dataFile(travel::kCarsFile), dataFile(travel::kOwnPricesFile));
    subPages->addTab(scrollable(settings_), QStringLiteral("Nastavení"));
    subPages->setCurrentIndex(0);
    layout->addWidget(subPages);
    connectTripPage();

    // What the main window's creation sets up for this page: the cars, the
    // shared VAT-payer flag, the VAT rates of today.
    connect(settings_, &CarSettingsPanel::carsChanged, form_, &TripFormPanel::setCars);
    settings_->loadCars();
    form_->vatPayerBox()->setChecked(host_.data().settings().get(setting::VatPayer));
    connectVatPayerBox(form_->vatPayerBox(), host_.data().settings(), host_.mainWindow());
    Cestovne_DateTimePickerChange();
    connect(form_, &TripFormPanel::dateChanged, this, &TravelPage::Cestovne_DateTimePickerChange);
}

void TravelPage::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    if (shown_) return;
    shown_ = true;
    form_->focusFirstInput();
}

std::filesystem::path TravelPage::dataFile(std::string_view name) const { return host_.data().dataFile(name); }

QWidget* TravelPage::buildTripPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("Cestovne_TabSheet"));
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);
    form_ = new TripFormPanel(page);
    layout->addWidget(form_);
    list_ = new TripListPanel(page);
    layout->addWidget(list_, 1);
    return page;
}

void TravelPage::connectTripPage() {
    TripResultBox* results = form_->results();
    connect(results, &TripResultBox::computeClicked, this, &TravelPage::Cestovne_Vysledek_ButtonClick);
    connect(results, &TripResultBox::resetClicked, this, &TravelPage::Cestovne_vynulovat_ButtonClick);
    connect(results, &TripResultBox::regulationClicked, this, &TravelPage::Predpis_262_2000Click);
    connect(results, &TripResultBox::printClicked, this, [this] {
        if (needResult()) statements_->printTrip(*result_);
    });
    connect(results, &TripResultBox::pdfClicked, this, [this] {
        if (needResult()) statements_->tripPdf(*result_);
    });
    connect(form_, &TripFormPanel::distanceTableClicked, this, &TravelPage::Nacti_Vdzalenost_ButtonClick);
    connect(form_, &TripFormPanel::favouritesClicked, this, &TravelPage::Button28Click);

    connect(list_, &TripListPanel::addClicked, this, &TravelPage::Cestovne_Pridat_ButtonClick);
    connect(list_, &TripListPanel::rowClicked, this, &TravelPage::Cestovne_SGClick);
    connect(list_, &TripListPanel::loadClicked, this, &TravelPage::Button61Click);
    connect(list_, &TripListPanel::saveClicked, this, &TravelPage::Cestovne_ulozitClick);
    connect(list_, &TripListPanel::printClicked, this, [this] { statements_->printList(list_->rows()); });
    connect(list_, &TripListPanel::pdfClicked, this, [this] { statements_->listPdf(list_->rows()); });
    connect(list_, &TripListPanel::txtClicked, this, [this] { statements_->listToTxt(list_->rows()); });
    connect(list_, &TripListPanel::excelClicked, this, [this] { statements_->listToExcel(list_->rows()); });
}

QWidget* TravelPage::buildSummaryPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("Cestovne_Sumarizace_TabSheet"));
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(2, 2, 2, 2);
    summary_ = new SummaryBox(host_, {QStringLiteral("Cestovne_RichEdit"), QStringLiteral("ToolButton8"),
                                      QStringLiteral("ToolButton9"), QStringLiteral("ToolButton10"),
                                      QStringLiteral("Cestovné"), QStringLiteral("cestovne")},
                              page);
    QToolBar* bar = summary_->toolBar();
    keepSummary_ = new QCheckBox(QStringLiteral("Ponechat záznamy (nevymazávat záznamy)"), bar);
    keepSummary_->setObjectName(QStringLiteral("Ponechat_Cestovne_CheckBox"));
    auto* toTxt = pushButton(QStringLiteral("Button3"), QStringLiteral("Vložit do záložky TXT"), bar);
    bar->addSeparator();
    bar->addWidget(keepSummary_);
    bar->addSeparator();
    bar->addWidget(toTxt);
    connect(toTxt, &QPushButton::clicked, this, &TravelPage::Button3Click);
    layout->addWidget(summary_);
    return page;
}

// --- Sub-page "Cestovné" ---

void TravelPage::Cestovne_Vysledek_ButtonClick() {
    runAction(this, [&] {
        const travel::TripFiles files{dataFile(travel::kCarsFile), dataFile(travel::kOwnPricesFile),
                                      host_.data().programFile(travel::kRatesFile)};
        const travel::TripResult r = travel::calculateTrip(form_->form(), files);
        result_ = r;
        form_->results()->showResult(r);
        if (!keepSummary_->isChecked()) summary_->clear();
        summary_->appendLines(toQStringList(travel::summaryLines(r)));
    });
}

void TravelPage::Cestovne_DateTimePickerChange() {
    runAction(this, [&] {
        form_->setVatRates(travel::vatRatesOn(host_.data().programFile("dph.ini"), fromQDate(form_->date())));
    });
}

void TravelPage::Cestovne_vynulovat_ButtonClick() {
    travel::TripForm f = form_->form();
    travel::resetTrip(f);
    form_->setForm(f);
    form_->results()->showZero();
}

void TravelPage::Predpis_262_2000Click() {
    host_.showRegulation(qpath(regulationFile(host_.data().paths(), "zakonik_prace.vrd")));
}

void TravelPage::showBeside(QWidget* window) {
    window->show();
    if (QWidget* main = host_.mainWindow()) window->move(main->geometry().center() - window->rect().center());
    window->raise();
    window->activateWindow();
}

void TravelPage::Nacti_Vdzalenost_ButtonClick() {
    if (!distanceWindow_) {
        distanceWindow_ = new DistanceWindow(host_.data().paths(), host_.mainWindow());
        connect(distanceWindow_, &DistanceWindow::distancePicked, this, [this](int km) {
            travel::TripForm f = form_->form();
            f.distance = std::to_string(km);
            form_->setForm(f);
        });
    }
    showBeside(distanceWindow_);
}

void TravelPage::Button28Click() {
    if (!favouritesWindow_) {
        favouritesWindow_ = new FavouritesWindow(dataFile(travel::kFavouritesFile), host_.mainWindow());
        connect(favouritesWindow_, &FavouritesWindow::tripPicked, this,
                [this](const QString& distance, const QString& halfHours) {
                    travel::TripForm f = form_->form();
                    f.distance = ss(distance);
                    f.halfHours = ss(halfHours);
                    form_->setForm(f);
                });
    }
    showBeside(favouritesWindow_);
}

bool TravelPage::needResult() {
    if (result_) return true;
    showMessage(this, QStringLiteral("Nejdříve spočítejte cestovné tlačítkem OK."));
    return false;
}

// --- The trip list ---

void TravelPage::Cestovne_Pridat_ButtonClick() {
    if (needResult()) list_->addTrip(travel::tripRow(*result_));
}

void TravelPage::Cestovne_SGClick(int row) {
    if (row < 0 || row >= list_->grid()->rowCount()) return;
    travel::TripForm f = form_->form();
    travel::loadRowIntoForm(list_->row(row), f);
    form_->setForm(f);
}

namespace {

FileDialogRequest tripSetDialog(bool save, const std::filesystem::path& dataDir) {
    FileDialogRequest r;
    r.save = save;
    r.title = save ? QStringLiteral("Uložit sestavu cest") : QStringLiteral("Načíst sestavu cest");
    r.directory = qpath(dataDir);
    r.filter = QStringLiteral("Verdika (*.vrd)");
    r.defaultSuffix = QStringLiteral("vrd");
    return r;
}

}  // namespace

void TravelPage::Cestovne_ulozitClick() {
    const QString path = askFileName(this, tripSetDialog(true, host_.data().paths().dataDir));
    if (path.isEmpty()) return;
    runAction(this, [&] { travel::saveTripSet(fspath(path), list_->rows(), ss(list_->totalText())); });
}

void TravelPage::Button61Click() {
    const QString path = askFileName(this, tripSetDialog(false, host_.data().paths().dataDir));
    if (path.isEmpty()) return;
    runAction(this, [&] { list_->setTripSet(travel::loadTripSet(fspath(path))); });
}

// --- Sub-page "Sumarizace" ---

void TravelPage::Button3Click() {
    const bool keep = askKeepTxt(this);
    host_.appendToTxt(summary_->lines(), keep);
    host_.showPage(kTxtPage);
}

}  // namespace verdika::ui
