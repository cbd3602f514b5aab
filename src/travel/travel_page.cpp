#include "common/ui/scrolling.h"
#include "travel/travel_page.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/data_module.h"
#include "app/ui/page_host.h"
#include "common/errors.h"
#include "common/files.h"
#include "common/numbers.h"
#include "common/text.h"
#include "common/ui/action.h"
#include "common/ui/balloon.h"
#include "common/ui/date_edit.h"
#include "common/ui/desktop.h"
#include "common/ui/grid_helpers.h"
#include "common/ui/messages.h"
#include "common/ui/qt_convert.h"
#include "common/ui/summary_box.h"
#include "common/ui/vat_payer.h"
#include "reference/regulations.h"
#include "travel/distance_window.h"
#include "travel/distances.h"
#include "travel/favourites_window.h"
#include "travel/ui/statement_canvas.h"
#include "travel/user_files.h"

namespace verdika::ui {

namespace {

TravelPage::CaptionAsker& captionAsker() {
    static TravelPage::CaptionAsker asker;
    return asker;
}

const QStringList kReasons = {QStringLiteral("soudní jednání"), QStringLiteral("místní šetření"),
                              QStringLiteral("návštěva ve věznici"), QStringLiteral("výslech svědka")};

const QString kTxtQuestion = QStringLiteral(
    "Hodláte exportovat záznamy cestovného do záložky TXT.\r\n"
    "Přejete si ponechat předchozí obsah v záložce TXT? Stiskněte ano.\r\n"
    "Pokud stisknete ne, data budou předchozí data vymazána.");

QLineEdit* makeEdit(const char* name, const QString& text, QWidget* parent, int width = 70) {
    auto* e = new QLineEdit(text, parent);
    e->setObjectName(QString::fromLatin1(name));
    e->setMaximumWidth(width);
    return e;
}

// An edit with the small up and down arrows of a counter: each press adds
// or takes one from the whole number in the edit, not going under `minimum`.
QWidget* withUpDown(QLineEdit* edit, int minimum) {
    auto* box = new QWidget(edit->parentWidget());
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(1);
    edit->setParent(box);
    row->addWidget(edit);
    auto* arrows = new QVBoxLayout;
    arrows->setSpacing(0);
    for (int step : {+1, -1}) {
        auto* b = new QToolButton(box);
        b->setObjectName(edit->objectName() + (step > 0 ? QStringLiteral("_nahoru") : QStringLiteral("_dolu")));
        b->setArrowType(step > 0 ? Qt::UpArrow : Qt::DownArrow);
        b->setFixedSize(16, 11);
        b->setAutoRepeat(true);
        b->setFocusPolicy(Qt::NoFocus);
        QObject::connect(b, &QToolButton::clicked, edit, [edit, step, minimum] {
            const auto v = tryParseInteger(ss(edit->text()));
            const long long next = std::max<long long>(minimum, (v ? *v : 0) + step);
            edit->setText(QString::number(next));
        });
        arrows->addWidget(b);
    }
    row->addLayout(arrows);
    row->addStretch();
    return box;
}

QPushButton* makeButton(const char* name, const QString& caption, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

QToolButton* copyButton(const char* name, const QString& hint, QWidget* parent) {
    auto* b = new QToolButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setToolTip(hint);
    return b;
}

QButtonGroup* radioGroup(QGroupBox* box, const char* name, const QStringList& items, int checked) {
    box->setObjectName(QString::fromLatin1(name));
    auto* group = new QButtonGroup(box);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(6, 2, 6, 2);
    layout->setSpacing(0);
    for (int i = 0; i < items.size(); ++i) {
        auto* r = new QRadioButton(items[i], box);
        r->setObjectName(QString::fromLatin1(name) + QStringLiteral("_%1").arg(i));
        group->addButton(r, i);
        layout->addWidget(r);
    }
    group->button(checked)->setChecked(true);
    return group;
}

void copyText(const QString& text) { QApplication::clipboard()->setText(text); }

// A sub-page scrolls rather than making the main window taller: the window
// takes each page's own height, and smaller pages must not inherit this one's.
QScrollArea* scrollable(QWidget* content) {
    return scrollingArea(content, content->objectName() + QStringLiteral("_scroll"));
}

}  // namespace

void TravelPage::setCaptionAsker(CaptionAsker asker) { captionAsker() = std::move(asker); }

TravelPage::TravelPage(PageHost& host, QWidget* parent) : QWidget(parent), host_(host) {
    setObjectName(QStringLiteral("TabSheet4"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    subPages_ = new QTabWidget(this);
    subPages_->setObjectName(QStringLiteral("PageControl4"));
    subPages_->setTabPosition(QTabWidget::East);
    subPages_->addTab(scrollable(buildTripPage()), QStringLiteral("Cestovné"));
    subPages_->addTab(scrollable(buildSummaryPage()), QStringLiteral("Sumarizace"));
    subPages_->addTab(scrollable(buildSettingsPage()), QStringLiteral("Nastavení"));
    subPages_->setCurrentIndex(0);
    layout->addWidget(subPages_);

    // What the main window's creation sets up for this page: the cars, the
    // date with its VAT rates, the shared VAT-payer flag, the own prices.
    loadCarList();
    vatPayer_->setChecked(host_.data().settings().getBool(setting::VatPayer, false));
    connectVatPayerBox(vatPayer_, host_.data().settings(), host_.mainWindow());
    date_->setDate(QDate::currentDate());
    Cestovne_DateTimePickerChange();
    connect(date_, &QDateEdit::dateChanged, this, &TravelPage::Cestovne_DateTimePickerChange);
    const travel::OwnPrices own = travel::loadOwnPrices(dataFile(travel::kOwnPricesFile));
    own91_->setText(qs(own.petrol91));
    own95_->setText(qs(own.petrol95));
    own98_->setText(qs(own.petrol98));
    ownDiesel_->setText(qs(own.diesel));
}

std::filesystem::path TravelPage::dataFile(std::string_view name) const { return host_.data().dataFile(name); }

QWidget* TravelPage::buildTripPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("Cestovne_TabSheet"));
    auto* outer = new QVBoxLayout(page);
    outer->setContentsMargins(4, 4, 4, 4);
    outer->setSpacing(4);
    auto* top = new QHBoxLayout;
    top->setSpacing(6);
    outer->addLayout(top);

    // The trip: date, reason, car, distance, half-hours.
    auto* tripBox = new QGroupBox(QStringLiteral("Cesta"), page);
    auto* tg = new QGridLayout(tripBox);
    tg->setVerticalSpacing(3);
    date_ = makeDateEdit(QStringLiteral("Cestovne_DateTimePicker"), tripBox);
    auto* dateLabel = new QLabel(QStringLiteral("&Datum:"), tripBox);
    dateLabel->setBuddy(date_);
    tg->addWidget(dateLabel, 0, 0);
    tg->addWidget(date_, 0, 1, 1, 2, Qt::AlignLeft);
    reason_ = new QComboBox(tripBox);
    reason_->setObjectName(QStringLiteral("Duvod_Cesty_Edit"));
    reason_->setEditable(true);
    reason_->addItems(kReasons);
    reason_->setCurrentIndex(0);
    reason_->setMinimumWidth(190);
    auto* reasonLabel = new QLabel(QStringLiteral("Důvod &cesty:"), tripBox);
    reasonLabel->setBuddy(reason_);
    tg->addWidget(reasonLabel, 1, 0);
    tg->addWidget(reason_, 1, 1, 1, 2);
    cars_ = new QComboBox(tripBox);
    cars_->setObjectName(QStringLiteral("Auta_ComboBox"));
    cars_->setMinimumWidth(160);
    auto* carInfo = new QToolButton(tripBox);
    carInfo->setObjectName(QStringLiteral("BitBtn84"));
    carInfo->setText(QStringLiteral("i"));
    carInfo->setFocusPolicy(Qt::NoFocus);
    infoBalloon(carInfo, QStringLiteral("Cestovné automobil"),
                QStringLiteral("Automobil prosím zadejte v pravém okně nastavení a posléze v tomto okně jen vyberte "
                               "jeden z automobilů."));
    auto* carLabel = new QLabel(QStringLiteral("&Vozidlo:"), tripBox);
    carLabel->setBuddy(cars_);
    tg->addWidget(carLabel, 2, 0);
    tg->addWidget(cars_, 2, 1);
    tg->addWidget(carInfo, 2, 2, Qt::AlignLeft);
    distance_ = makeEdit("Vzdalenost_Edit", QStringLiteral("0"), tripBox);
    auto* distanceRow = new QHBoxLayout;
    distanceRow->addWidget(distance_);
    distanceRow->addWidget(new QLabel(QStringLiteral("km"), tripBox));
    distanceRow->addStretch();
    auto* distanceLabel = new QLabel(QStringLiteral("Vzdále&nost :"), tripBox);
    distanceLabel->setBuddy(distance_);
    tg->addWidget(distanceLabel, 3, 0);
    tg->addLayout(distanceRow, 3, 1, 1, 2);
    auto* pickButtons = new QHBoxLayout;
    auto* fromTable = makeButton("Nacti_Vdzalenost_Button", QStringLiteral("Výchozí cesty"), tripBox);
    auto* favourites = makeButton("Button28", QStringLiteral("Oblíbené cesty"), tripBox);
    pickButtons->addWidget(fromTable);
    pickButtons->addWidget(favourites);
    tg->addLayout(pickButtons, 4, 1, 1, 2);
    roundTrip_ = new QCheckBox(QStringLiteral("Cesta &tam i zpět"), tripBox);
    roundTrip_->setObjectName(QStringLiteral("Vzdalenost_CheckBox"));
    tg->addWidget(roundTrip_, 5, 1, 1, 2);
    halfHours_ = makeEdit("Pulhodin_Edit", QStringLiteral("0"), tripBox, 50);
    auto* halfHoursLabel = new QLabel(QStringLiteral("Počet &půlhodin:"), tripBox);
    halfHoursLabel->setBuddy(halfHours_);
    tg->addWidget(halfHoursLabel, 6, 0);
    tg->addWidget(withUpDown(halfHours_, 0), 6, 1, 1, 2);
    tg->setRowStretch(7, 1);
    top->addWidget(tripBox);

    // Prices, VAT and other expenses.
    auto* middle = new QVBoxLayout;
    middle->setSpacing(4);
    auto* priceBox = new QGroupBox(QStringLiteral("Cena paliva"), page);
    priceSource_ = radioGroup(priceBox, "Vlastni_Cena_Radio",
                              {QStringLiteral("Vyhláškové ceny paliv"), QStringLiteral("Vlastní ceny paliv")}, 0);
    middle->addWidget(priceBox);
    auto* vatBox = new QGroupBox(QStringLiteral("DPH"), page);
    auto* vg = new QGridLayout(vatBox);
    vg->setVerticalSpacing(2);
    vatPayer_ = new QCheckBox(QStringLiteral("Plátce DPH"), vatBox);
    vatPayer_->setObjectName(QStringLiteral("Cestovne_Platce_Dph_CheckBox"));
    vg->addWidget(vatPayer_, 0, 0, 1, 3);
    vatStandard_ = makeEdit("Cestovne_Dph_Zvysena_Edit", QStringLiteral("0"), vatBox, 45);
    vatReduced_ = makeEdit("Cestovne_Dph_Snizena_Edit", QStringLiteral("0"), vatBox, 45);
    vg->addWidget(new QLabel(QStringLiteral("zvýšená"), vatBox), 1, 0);
    vg->addWidget(vatStandard_, 1, 1);
    vg->addWidget(new QLabel(QStringLiteral("%"), vatBox), 1, 2);
    vg->addWidget(new QLabel(QStringLiteral("snížená"), vatBox), 2, 0);
    vg->addWidget(vatReduced_, 2, 1);
    vg->addWidget(new QLabel(QStringLiteral("%"), vatBox), 2, 2);
    vg->setColumnStretch(3, 1);
    middle->addWidget(vatBox);
    auto* otherBox = new QGroupBox(QStringLiteral("Další výdaje"), page);
    auto* og = new QGridLayout(otherBox);
    og->setVerticalSpacing(2);
    parking_ = makeEdit("Parkovne_Edit", QStringLiteral("0"), otherBox);
    accommodation_ = makeEdit("Ubytovne_Edit", QStringLiteral("0"), otherBox);
    auto* parkingLabel = new QLabel(QStringLiteral("Par&kovné:"), otherBox);
    parkingLabel->setBuddy(parking_);
    auto* accommodationLabel = new QLabel(QStringLiteral("&Ubytovné:"), otherBox);
    accommodationLabel->setBuddy(accommodation_);
    og->addWidget(parkingLabel, 0, 0);
    og->addWidget(parking_, 0, 1);
    og->addWidget(new QLabel(QStringLiteral("Kč"), otherBox), 0, 2);
    og->addWidget(accommodationLabel, 1, 0);
    og->addWidget(accommodation_, 1, 1);
    og->addWidget(new QLabel(QStringLiteral("Kč"), otherBox), 1, 2);
    og->setColumnStretch(3, 1);
    middle->addWidget(otherBox);
    middle->addStretch();
    top->addLayout(middle);

    // Duration and meal allowance, the buttons and the results.
    auto* right = new QVBoxLayout;
    right->setSpacing(4);
    auto* durationBox = new QGroupBox(QStringLiteral("Trvání prac. cesty"), page);
    auto* dg = new QGridLayout(durationBox);
    dg->setVerticalSpacing(2);
    hours_ = makeEdit("Trvani_cesty_Hodin_Edit", QStringLiteral("0"), durationBox, 45);
    days_ = makeEdit("Trvani_cesty_Dnu_Edit", QStringLiteral("1"), durationBox, 45);
    dg->addWidget(withUpDown(hours_, 0), 0, 0);
    dg->addWidget(new QLabel(QStringLiteral("hodin"), durationBox), 0, 1);
    dg->addWidget(withUpDown(days_, 0), 1, 0);
    dg->addWidget(new QLabel(QStringLiteral("kalendářních dnů"), durationBox), 1, 1);
    dg->setColumnStretch(2, 1);
    right->addWidget(durationBox);
    auto* mealBox = new QGroupBox(QStringLiteral("Stravné"), page);
    mealBound_ = radioGroup(mealBox, "RadioGroup3", {QStringLiteral("nižší hranice"), QStringLiteral("vyšší hranice")}, 1);
    right->addWidget(mealBox);

    auto* actions = new QHBoxLayout;
    auto* ok = makeButton("Cestovne_Vysledek_Button", QStringLiteral("OK"), page);
    ok->setDefault(true);
    ok->setToolTip(QStringLiteral("Spočítat cestovné"));
    auto* reset = makeButton("Cestovne_vynulovat_Button", QStringLiteral("Vynulovat"), page);
    actions->addWidget(ok);
    actions->addWidget(reset);
    right->addLayout(actions);
    auto* law = makeButton("Predpis_262_2000", QStringLiteral("Zobraz předpis 262/2006 Sb."), page);
    right->addWidget(law);

    auto* results = new QGridLayout;
    results->setVerticalSpacing(2);
    mealsResult_ = makeEdit("Stravne_Edit", QStringLiteral("0"), page, 120);
    totalResult_ = makeEdit("Cestovne_Vysledek_Edit", QStringLiteral("0"), page, 120);
    for (QLineEdit* e : {mealsResult_, totalResult_}) {
        e->setReadOnly(true);
        installCopyOnDoubleClick(e);
    }
    QFont bold = totalResult_->font();
    bold.setBold(true);
    totalResult_->setFont(bold);
    auto* b48 = copyButton("BitBtn48", QStringLiteral("Zkopírovat stravné"), page);
    auto* b61 = copyButton("BitBtn61", QStringLiteral("Zkopírovat stravné jako číslo"), page);
    auto* b62 = copyButton("BitBtn62", QStringLiteral("Zkopírovat cestovné"), page);
    auto* b63 = copyButton("BitBtn63", QStringLiteral("Zkopírovat cestovné jako číslo"), page);
    b48->setText(QStringLiteral("Kč"));
    b61->setText(QStringLiteral("#"));
    b62->setText(QStringLiteral("Kč"));
    b63->setText(QStringLiteral("#"));
    results->addWidget(new QLabel(QStringLiteral("Stravné"), page), 0, 0);
    results->addWidget(mealsResult_, 0, 1);
    results->addWidget(b48, 0, 2);
    results->addWidget(b61, 0, 3);
    results->addWidget(new QLabel(QStringLiteral("Cestovné :"), page), 1, 0);
    results->addWidget(totalResult_, 1, 1);
    results->addWidget(b62, 1, 2);
    results->addWidget(b63, 1, 3);
    results->setColumnStretch(4, 1);
    right->addLayout(results);
    auto* printOne = new QHBoxLayout;
    auto* printTrip = makeButton("Cestovne_Tisk_Button", QStringLiteral("Tisk tohoto výsledku"), page);
    auto* pdfTrip = makeButton("Cestovne_PDF_Button", QStringLiteral("PDF"), page);
    printOne->addWidget(printTrip);
    printOne->addWidget(pdfTrip);
    right->addLayout(printOne);
    right->addStretch();
    top->addLayout(right);
    top->addStretch();

    // The trip list.
    auto* listButtons = new QHBoxLayout;
    listButtons->setSpacing(3);
    auto* add = makeButton("Cestovne_Pridat_Button", QStringLiteral("Přidat"), page);
    auto* remove = makeButton("Cestovne_Odstranit_Button", QStringLiteral("Odstranit řádek"), page);
    auto* removeAll = makeButton("Cestovne_Odstranit_Button_2", QStringLiteral("Odstranit vše"), page);
    auto* up = makeButton("Vys_Button", QStringLiteral("výš"), page);
    auto* down = makeButton("Niz_Button", QStringLiteral("níž"), page);
    auto* load = makeButton("Button61", QStringLiteral("Načíst sestavu"), page);
    auto* save = makeButton("Cestovne_ulozit", QStringLiteral("Uložit sestavu"), page);
    auto* excel = makeButton("Cestovne_Excel_Button", QStringLiteral("Excel"), page);
    auto* pdfList = makeButton("Cestovne_PDF_Button_2", QStringLiteral("PDF"), page);
    auto* printList = makeButton("Cestovne_Tisk_Button_2", QStringLiteral("Tisk"), page);
    auto* txt = makeButton("Cestovne_TXT_Button", QStringLiteral("Přidat do záložky TXT"), page);
    // Sized to their captions, so that the whole row fits the page's width.
    for (QPushButton* b : {add, remove, removeAll, up, down, load, save, excel, pdfList, printList, txt}) {
        b->setFixedWidth(b->fontMetrics().horizontalAdvance(b->text()) + 18);
        listButtons->addWidget(b);
        if (b == down || b == save) listButtons->addSpacing(8);
    }
    listButtons->addStretch();
    outer->addLayout(listButtons);

    list_ = new QTableWidget(1, travel::kListColumns, page);
    list_->setObjectName(QStringLiteral("Cestovne_SG"));
    QStringList header;
    for (const auto& h : travel::kListHeader) header << qs(h);
    list_->setHorizontalHeaderLabels(header);
    list_->verticalHeader()->setDefaultSectionSize(20);
    list_->horizontalHeader()->setDefaultSectionSize(68);
    list_->setColumnWidth(0, 72);
    list_->setColumnWidth(1, 105);
    list_->setColumnWidth(4, 78);
    list_->setColumnWidth(6, 78);
    list_->horizontalHeader()->setStretchLastSection(true);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setMinimumHeight(110);
    outer->addWidget(list_, 1);
    listTotal_ = new QLabel(qs(travel::listTotalLabel(0)), page);
    listTotal_->setObjectName(QStringLiteral("Cestovne_Celkem_Label"));
    listTotal_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    listTotal_->setStyleSheet(QStringLiteral("color: red; font-weight: bold;"));
    outer->addWidget(listTotal_);

    connect(ok, &QPushButton::clicked, this, &TravelPage::Cestovne_Vysledek_ButtonClick);
    connect(reset, &QPushButton::clicked, this, &TravelPage::Cestovne_vynulovat_ButtonClick);
    connect(law, &QPushButton::clicked, this, &TravelPage::Predpis_262_2000Click);
    connect(fromTable, &QPushButton::clicked, this, &TravelPage::Nacti_Vdzalenost_ButtonClick);
    connect(favourites, &QPushButton::clicked, this, &TravelPage::Button28Click);
    connect(printTrip, &QPushButton::clicked, this, &TravelPage::Cestovne_Tisk_ButtonClick);
    connect(pdfTrip, &QPushButton::clicked, this, &TravelPage::Cestovne_PDF_ButtonClick);
    connect(b48, &QToolButton::clicked, this, [this] { copyText(mealsResult_->text()); });
    connect(b62, &QToolButton::clicked, this, [this] { copyText(totalResult_->text()); });
    connect(b61, &QToolButton::clicked, this, [this] { copyText(qs(Format_Cislo(result_ ? result_->meals : 0))); });
    connect(b63, &QToolButton::clicked, this, [this] { copyText(qs(Format_Cislo(result_ ? result_->total : 0))); });
    connect(add, &QPushButton::clicked, this, &TravelPage::Cestovne_Pridat_ButtonClick);
    connect(remove, &QPushButton::clicked, this, &TravelPage::Cestovne_Odstranit_ButtonClick);
    connect(removeAll, &QPushButton::clicked, this, &TravelPage::Cestovne_Odstranit_Button_2Click);
    connect(up, &QPushButton::clicked, this, [this] { Vys_ButtonClick(-1); });
    connect(down, &QPushButton::clicked, this, [this] { Vys_ButtonClick(+1); });
    connect(load, &QPushButton::clicked, this, &TravelPage::Button61Click);
    connect(save, &QPushButton::clicked, this, &TravelPage::Cestovne_ulozitClick);
    connect(excel, &QPushButton::clicked, this, &TravelPage::Cestovne_Excel_ButtonClick);
    connect(pdfList, &QPushButton::clicked, this, &TravelPage::Cestovne_PDF_Button_2Click);
    connect(printList, &QPushButton::clicked, this, &TravelPage::Cestovne_Tisk_Button_2Click);
    connect(txt, &QPushButton::clicked, this, &TravelPage::Cestovne_TXT_ButtonClick);
    connect(list_, &QTableWidget::cellClicked, this, [this](int row, int) { Cestovne_SGClick(row); });
    connect(list_, &QTableWidget::itemChanged, this, [this] { recomputeListTotal(); });

    // Keyboard order: the inputs as they read, then OK.
    QWidget* order[] = {date_,   reason_,  cars_,      distance_,     fromTable, favourites, roundTrip_,
                        halfHours_, priceSource_->button(0), priceSource_->button(1), vatPayer_, vatStandard_,
                        vatReduced_, parking_, accommodation_, hours_, days_, mealBound_->button(0),
                        mealBound_->button(1), ok, reset};
    for (size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
    return page;
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
    keepSummary_ = new QCheckBox(QStringLiteral("Ponechat záznamy (nevymazávat záznamy)"), summary_->toolBar());
    keepSummary_->setObjectName(QStringLiteral("Ponechat_Cestovne_CheckBox"));
    auto* toTxt = new QPushButton(QStringLiteral("Vložit do záložky TXT"), summary_->toolBar());
    toTxt->setObjectName(QStringLiteral("Button3"));
    summary_->toolBar()->addSeparator();
    summary_->toolBar()->addWidget(keepSummary_);
    summary_->toolBar()->addSeparator();
    summary_->toolBar()->addWidget(toTxt);
    connect(toTxt, &QPushButton::clicked, this, &TravelPage::Button3Click);
    layout->addWidget(summary_);
    return page;
}

QWidget* TravelPage::buildSettingsPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("Cestovne_Nastaveni_TabSheet"));
    auto* layout = new QHBoxLayout(page);

    auto* carsBox = new QGroupBox(QStringLiteral("Automobily"), page);
    auto* cl = new QVBoxLayout(carsBox);
    carGrid_ = new QTableWidget(0, 3, carsBox);
    carGrid_->setObjectName(QStringLiteral("Auto_StringGrid"));
    carGrid_->horizontalHeader()->hide();
    carGrid_->verticalHeader()->hide();
    carGrid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    carGrid_->setSelectionMode(QAbstractItemView::SingleSelection);
    carGrid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    carGrid_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    carGrid_->setColumnWidth(1, 70);
    carGrid_->setColumnWidth(2, 90);
    cl->addWidget(carGrid_, 1);
    auto* form = new QGridLayout;
    carName_ = new QLineEdit(carsBox);
    carName_->setObjectName(QStringLiteral("Auto_Nazev_Edit"));
    carConsumption_ = makeEdit("Auto_Spotreba_Edit", QString(), carsBox);
    carFuel_ = new QComboBox(carsBox);
    carFuel_->setObjectName(QStringLiteral("Palivo_ComboBox"));
    for (int k = 0; k < travel::kFuelKinds; ++k) carFuel_->addItem(qs(travel::fuelName(k)));
    carFuel_->setCurrentIndex(0);
    auto label = [&](const QString& text, QWidget* buddy) {
        auto* l = new QLabel(text, carsBox);
        l->setBuddy(buddy);
        return l;
    };
    form->addWidget(label(QStringLiteral("&Název"), carName_), 0, 0);
    form->addWidget(carName_, 0, 1);
    form->addWidget(label(QStringLiteral("&Spotřeba"), carConsumption_), 1, 0);
    auto* consumptionRow = new QHBoxLayout;
    consumptionRow->addWidget(carConsumption_);
    consumptionRow->addWidget(new QLabel(QStringLiteral("l/100 km"), carsBox));
    consumptionRow->addStretch();
    form->addLayout(consumptionRow, 1, 1);
    form->addWidget(label(QStringLiteral("&Druh paliva"), carFuel_), 2, 0);
    form->addWidget(carFuel_, 2, 1, Qt::AlignLeft);
    cl->addLayout(form);
    auto* carButtons = new QHBoxLayout;
    auto* addCar = makeButton("Button87", QStringLiteral("Přidat auto"), carsBox);
    auto* removeCar = makeButton("Button88", QStringLiteral("Odstranit"), carsBox);
    carButtons->addWidget(addCar);
    carButtons->addWidget(removeCar);
    carButtons->addStretch();
    cl->addLayout(carButtons);
    layout->addWidget(carsBox, 3);

    auto* pricesBox = new QGroupBox(QStringLiteral("Vlastní ceny paliv"), page);
    auto* pg = new QGridLayout(pricesBox);
    own95_ = makeEdit("Natural95_Edit", QStringLiteral("0"), pricesBox);
    own91_ = makeEdit("Natural91_Edit", QStringLiteral("0"), pricesBox);
    own98_ = makeEdit("Natural98_Edit", QStringLiteral("0"), pricesBox);
    ownDiesel_ = makeEdit("Nafta_Edit", QStringLiteral("0"), pricesBox);
    int row = 0;
    for (auto [caption, edit] : {std::pair{"Benzín 95", own95_}, std::pair{"Benzín 91", own91_},
                                 std::pair{"Benzín 98", own98_}, std::pair{"Nafta", ownDiesel_}}) {
        auto* l = new QLabel(QString::fromUtf8(caption), pricesBox);
        l->setBuddy(edit);
        pg->addWidget(l, row, 0);
        pg->addWidget(edit, row, 1);
        pg->addWidget(new QLabel(QStringLiteral("Kč/l"), pricesBox), row, 2);
        ++row;
    }
    auto* savePrices = makeButton("Button6", QStringLiteral("Uložit"), pricesBox);
    pg->addWidget(savePrices, row, 1);
    pg->setRowStretch(row + 1, 1);
    layout->addWidget(pricesBox, 2, Qt::AlignTop);

    connect(addCar, &QPushButton::clicked, this, &TravelPage::Button87Click);
    connect(removeCar, &QPushButton::clicked, this, &TravelPage::Button88Click);
    connect(savePrices, &QPushButton::clicked, this, &TravelPage::Button6Click);
    return page;
}

// --- Sub-page "Cestovné" ---

travel::TripForm TravelPage::readForm() const {
    travel::TripForm f;
    f.date = fromQDate(date_->date());
    f.reason = ss(reason_->currentText());
    if (cars_->currentIndex() >= 0) f.carNumber = cars_->currentIndex() + 1;
    f.distance = ss(distance_->text());
    f.halfHours = ss(halfHours_->text());
    f.roundTrip = roundTrip_->isChecked();
    f.vatPayer = vatPayer_->isChecked();
    f.standardVat = ss(vatStandard_->text());
    f.reducedVat = ss(vatReduced_->text());
    f.priceSource = priceSource_->checkedId() == 1 ? travel::PriceSource::Own : travel::PriceSource::Decree;
    f.parking = ss(parking_->text());
    f.accommodation = ss(accommodation_->text());
    f.hours = ss(hours_->text());
    f.days = ss(days_->text());
    f.mealBound = mealBound_->checkedId() == 1 ? travel::MealBound::Upper : travel::MealBound::Lower;
    return f;
}

void TravelPage::Cestovne_Vysledek_ButtonClick() {
    runAction(this, [&] {
        const travel::TripFiles files{dataFile(travel::kCarsFile), dataFile(travel::kOwnPricesFile),
                                      host_.data().programFile(travel::kRatesFile)};
        const travel::TripResult r = travel::calculateTrip(readForm(), files);
        result_ = r;
        mealsResult_->setText(qs(Format_Castky(r.meals)));
        totalResult_->setText(qs(Format_Castky(r.total)));
        if (!keepSummary_->isChecked()) summary_->clear();
        summary_->appendLines(toQStringList(travel::summaryLines(r)));
    });
}

void TravelPage::Cestovne_DateTimePickerChange() {
    runAction(this, [&] {
        const auto vat = travel::vatRatesOn(host_.data().programFile("dph.ini"), fromQDate(date_->date()));
        vatReduced_->setText(qs(vat.reduced));
        vatStandard_->setText(qs(vat.standard));
    });
}

void TravelPage::Cestovne_vynulovat_ButtonClick() {
    distance_->setText(QStringLiteral("0"));
    halfHours_->setText(QStringLiteral("0"));
    roundTrip_->setChecked(false);
    reason_->setCurrentIndex(0);
    reason_->setEditText(kReasons.front());
    mealsResult_->setText(QStringLiteral("0"));
    parking_->setText(QStringLiteral("0"));
    accommodation_->setText(QStringLiteral("0"));
    hours_->setText(QStringLiteral("0"));
    days_->setText(QStringLiteral("0"));
    totalResult_->setText(QStringLiteral("0"));
}

void TravelPage::Predpis_262_2000Click() {
    host_.showRegulation(qpath(regulationFile(host_.data().paths(), "zakonik_prace.vrd")));
}

void TravelPage::Nacti_Vdzalenost_ButtonClick() {
    if (!distanceWindow_) {
        distanceWindow_ = new DistanceWindow(host_.data().paths(), host_.mainWindow());
        connect(distanceWindow_, &DistanceWindow::distancePicked, this,
                [this](int km) { setDistance(QString::number(km)); });
    }
    distanceWindow_->show();
    if (QWidget* main = host_.mainWindow())
        distanceWindow_->move(main->geometry().center() - distanceWindow_->rect().center());
    distanceWindow_->raise();
    distanceWindow_->activateWindow();
}

void TravelPage::Button28Click() {
    if (!favouritesWindow_) {
        favouritesWindow_ = new FavouritesWindow(dataFile(travel::kFavouritesFile), host_.mainWindow());
        connect(favouritesWindow_, &FavouritesWindow::tripPicked, this, &TravelPage::setDistanceAndHalfHours);
    }
    favouritesWindow_->show();
    if (QWidget* main = host_.mainWindow())
        favouritesWindow_->move(main->geometry().center() - favouritesWindow_->rect().center());
    favouritesWindow_->raise();
    favouritesWindow_->activateWindow();
}

void TravelPage::setDistance(const QString& distance) { distance_->setText(distance); }

void TravelPage::setDistanceAndHalfHours(const QString& distance, const QString& halfHours) {
    distance_->setText(distance);
    halfHours_->setText(halfHours);
}

bool TravelPage::needResult() {
    if (result_) return true;
    showMessage(this, QStringLiteral("Nejdříve spočítejte cestovné tlačítkem OK."));
    return false;
}

QString TravelPage::pdfPath() const { return qpath(dataFile("PDF") / "cestovne.pdf"); }
QString TravelPage::excelPath() const { return qpath(dataFile("Excel-export") / "cestovne.xlsx"); }

void TravelPage::Cestovne_Tisk_ButtonClick() {
    if (!needResult()) return;
    QPrinter printer(QPrinter::HighResolution);
    if (!askPrinter(this, printer)) return;
    const travel::TripResult r = *result_;
    runAction(this, [&] {
        printStatement(printer, QStringLiteral("Cestovné"),
                       [&](const travel::CanvasMetrics& m) { return travel::tripStatement(r, m); });
    });
}

void TravelPage::Cestovne_PDF_ButtonClick() {
    if (!needResult()) return;
    const travel::TripResult r = *result_;
    runAction(this, [&] {
        writeStatementPdf(pdfPath(), [&](const travel::CanvasMetrics& m) { return travel::tripStatement(r, m); });
        openWithDesktop(pdfPath());
    });
}

// --- The trip list ---

std::vector<travel::TripRow> TravelPage::listRows() const {
    std::vector<travel::TripRow> rows;
    for (int r = 0; r < list_->rowCount(); ++r) {
        travel::TripRow row;
        for (int c = 0; c < travel::kListColumns; ++c) row[static_cast<size_t>(c)] = ss(cellText(list_, r, c));
        rows.push_back(std::move(row));
    }
    return rows;
}

void TravelPage::recomputeListTotal() { listTotal_->setText(qs(travel::listTotalLabel(travel::listSum(listRows())))); }

void TravelPage::Cestovne_Pridat_ButtonClick() {
    if (!needResult()) return;
    const QSignalBlocker block(list_);
    if (list_->rowCount() == 0 || !cellText(list_, list_->rowCount() - 1, 0).isEmpty())
        list_->setRowCount(list_->rowCount() + 1);
    const int row = list_->rowCount() - 1;
    const travel::TripRow cells = travel::tripRow(*result_);
    for (int c = 0; c < travel::kListColumns; ++c) setCellText(list_, row, c, qs(cells[static_cast<size_t>(c)]));
    recomputeListTotal();
}

void TravelPage::Cestovne_Odstranit_ButtonClick() {
    {
        const QSignalBlocker block(list_);
        Odebrat_Radek(list_);
    }
    recomputeListTotal();
}

void TravelPage::Cestovne_Odstranit_Button_2Click() {
    {
        const QSignalBlocker block(list_);
        Vymaz_StringGrid(list_);
    }
    recomputeListTotal();
}

void TravelPage::Vys_ButtonClick(int step) {
    const int row = list_->currentRow();
    const int target = row + step;
    if (row < 0 || target < 0 || target >= list_->rowCount()) return;
    const QSignalBlocker block(list_);
    for (int c = 0; c < list_->columnCount(); ++c) {
        const QString a = cellText(list_, row, c);
        setCellText(list_, row, c, cellText(list_, target, c));
        setCellText(list_, target, c, a);
    }
    list_->setCurrentCell(target, list_->currentColumn() < 0 ? 0 : list_->currentColumn());
}

void TravelPage::Cestovne_SGClick(int row) {
    if (row < 0 || row >= list_->rowCount()) return;
    const QString date = cellText(list_, row, 0);
    if (!date.isEmpty())
        if (const auto d = tryParseDate(ss(date))) date_->setDate(toQDate(*d));
    reason_->setEditText(cellText(list_, row, 1));
    QString km = cellText(list_, row, 5);
    QString half = cellText(list_, row, 6);
    distance_->setText(km.remove(QStringLiteral(" km")));
    halfHours_->setText(half.remove(QStringLiteral(" pulhodin")));
}

void TravelPage::Cestovne_ulozitClick() {
    FileDialogRequest r;
    r.save = true;
    r.title = QStringLiteral("Uložit sestavu cest");
    r.directory = qpath(host_.data().paths().dataDir);
    r.filter = QStringLiteral("Verdika (*.vrd)");
    r.defaultSuffix = QStringLiteral("vrd");
    const QString path = askFileName(this, r);
    if (path.isEmpty()) return;
    runAction(this, [&] { travel::saveTripSet(fspath(path), listRows(), ss(listTotal_->text())); });
}

void TravelPage::Button61Click() {
    FileDialogRequest r;
    r.save = false;
    r.title = QStringLiteral("Načíst sestavu cest");
    r.directory = qpath(host_.data().paths().dataDir);
    r.filter = QStringLiteral("Verdika (*.vrd)");
    r.defaultSuffix = QStringLiteral("vrd");
    const QString path = askFileName(this, r);
    if (path.isEmpty()) return;
    runAction(this, [&] {
        const travel::TripSet set = travel::loadTripSet(fspath(path));
        const QSignalBlocker block(list_);
        list_->clearContents();
        list_->setRowCount(static_cast<int>(set.rows.size()));
        for (int row = 0; row < list_->rowCount(); ++row)
            for (int c = 0; c < travel::kListColumns; ++c)
                setCellText(list_, row, c, qs(set.rows[static_cast<size_t>(row)][static_cast<size_t>(c)]));
        listTotal_->setText(qs(set.totalLabel));  // as stored, not recomputed
    });
}

std::optional<QString> TravelPage::askCaption() {
    if (captionAsker()) return captionAsker()(this);
    bool ok = false;
    const QString text = QInputDialog::getText(this, QStringLiteral("Popisek tisku"),
                                               QStringLiteral("Zadejte svůj popisek tohoto (čílo spisu apod.)"),
                                               QLineEdit::Normal, QString(), &ok);
    if (!ok) return std::nullopt;
    return text;
}

void TravelPage::Cestovne_Tisk_Button_2Click() {
    const auto rows = listRows();
    // An empty list or a total that is not a number is reported before any dialog.
    if (!runAction(this, [&] { travel::listStatement(rows, "", travel::CanvasMetrics{}); })) return;
    QPrinter printer(QPrinter::HighResolution);
    if (!askPrinter(this, printer)) return;
    const auto caption = askCaption();
    if (!caption) return;
    runAction(this, [&] {
        printStatement(printer, QStringLiteral("Cestovné"), [&](const travel::CanvasMetrics& m) {
            return travel::listStatement(rows, ss(*caption), m);
        });
    });
}

void TravelPage::Cestovne_PDF_Button_2Click() {
    const auto rows = listRows();
    if (!runAction(this, [&] { travel::listStatement(rows, "", travel::CanvasMetrics{}); })) return;
    const auto caption = askCaption();
    if (!caption) return;
    runAction(this, [&] {
        writeStatementPdf(pdfPath(), [&](const travel::CanvasMetrics& m) {
            return travel::listStatement(rows, ss(*caption), m);
        });
        openWithDesktop(pdfPath());
    });
}

bool TravelPage::answerKeepTxt() { return confirm(this, kTxtQuestion); }

void TravelPage::Cestovne_TXT_ButtonClick() {
    QStringList lines;
    if (!runAction(this, [&] { lines = toQStringList(travel::listTextLines(listRows())); })) return;
    const bool keep = answerKeepTxt();
    host_.appendToTxt(lines, keep);
    host_.showPage(kTxtPage);
}

void TravelPage::Cestovne_Excel_ButtonClick() {
    runAction(this, [&] {
        const QString path = excelPath();
        std::filesystem::create_directories(fspath(path).parent_path());
        travel::exportList(fspath(path), listRows());
        openWithDesktop(path);
    });
}

// --- Sub-page "Sumarizace" ---

void TravelPage::Button3Click() {
    const bool keep = answerKeepTxt();
    host_.appendToTxt(summary_->lines(), keep);
    host_.showPage(kTxtPage);
}

// --- Sub-page "Nastavení" ---

void TravelPage::loadCarList() {
    std::vector<travel::CarEntry> cars;
    if (!runAction(this, [&] { cars = travel::loadCars(dataFile(travel::kCarsFile)); })) return;
    carGrid_->setRowCount(static_cast<int>(cars.size()));
    for (int i = 0; i < static_cast<int>(cars.size()); ++i) {
        const auto& c = cars[static_cast<size_t>(i)];
        setCellText(carGrid_, i, 0, qs(c.name));
        setCellText(carGrid_, i, 1, qs(c.consumptionText));
        setCellText(carGrid_, i, 2, qs(travel::fuelGridText(c.fuelKind)));
    }
    cars_->clear();
    for (const auto& c : cars) cars_->addItem(qs(c.name));
    if (cars_->count() > 0) cars_->setCurrentIndex(0);
}

void TravelPage::Button87Click() {
    const auto file = dataFile(travel::kCarsFile);
    runAction(this, [&] {
        std::optional<std::string> warning;
        try {
            warning = travel::addCar(file, ss(carName_->text()), ss(carConsumption_->text()), carFuel_->currentIndex());
        } catch (const IoError&) {
            throw IoError("Nelze vytvořit soubor ini.\r\n" + pathText(file));
        }
        if (warning) showMessage(this, qs(*warning));
    });
    loadCarList();
}

void TravelPage::Button88Click() {
    if (carGrid_->rowCount() == 0) return;
    const int row = carGrid_->currentRow();
    if (row < 0) {
        showMessage(this, QStringLiteral("Vyberte automobil, který chcete odstranit."));
        return;
    }
    runAction(this, [&] { travel::removeCar(dataFile(travel::kCarsFile), row + 1); });
    loadCarList();
}

void TravelPage::Button6Click() {
    runAction(this, [&] {
        travel::saveOwnPrices(dataFile(travel::kOwnPricesFile),
                              {ss(own91_->text()), ss(own95_->text()), ss(own98_->text()), ss(ownDiesel_->text())});
    });
}

}  // namespace verdika::ui
