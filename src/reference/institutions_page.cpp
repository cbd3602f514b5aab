#include "reference/institutions_page.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/data_module.h"
#include "app/ui/page_host.h"
#include "app/user_profile.h"
#include "common/text.h"
#include "common/ui/action.h"
#include "common/ui/controls.h"
#include "common/ui/desktop.h"
#include "common/ui/first_focus.h"
#include "common/ui/messages.h"
#include "common/ui/qt_convert.h"
#include "common/ui/scrolling.h"
#include "reference/court_print_window.h"
#include "reference/regulations.h"
#include "reference/ui/institution_panels.h"
#include "reference/ui/institution_search_box.h"

namespace verdika::ui {

namespace {

enum Column { ColNazev, ColMesto, ColUlice, ColEmail, ColWww, ColTelefon, ColFax, kColumns };

// Addresses typed without a scheme ("www.nsoud.cz") still open in the browser.
QString webAddress(const std::string& www) {
    const QString t = qs(www).trimmed();
    return t.contains(QStringLiteral("://")) ? t : QStringLiteral("https://") + t;
}

}  // namespace

InstitutionsPage::InstitutionsPage(PageHost& host, QWidget* parent) : QWidget(parent), host_(host) {
    setObjectName(QStringLiteral("TabSheet5"));
    auto* content = new QWidget;
    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(6, 6, 6, 6);
    auto* top = new QHBoxLayout;
    top->addWidget(buildGrid(), 1);
    tools_ = new InstitutionToolsBox(content);
    top->addWidget(tools_);
    layout->addLayout(top, 1);
    auto* middle = new QHBoxLayout;
    details_ = new InstitutionDetailsBox(content);
    search_ = new InstitutionSearchBox(content);
    competent_ = new CompetentCourtBox(content);
    middle->addWidget(details_, 4);
    middle->addWidget(search_, 5);
    middle->addWidget(competent_, 3);
    layout->addLayout(middle);
    maps_ = new InstitutionMapsBox(content);
    layout->addWidget(maps_);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scrollingArea(content));

    print_ = new CourtPrintWindow(host_.data().settings(), host_.mainWindow());
    connectRegions();
    // The search is what a user comes for.
    focusWhenFirstShown(this, search_->textEdit());

    const UserProfile profile = readUserProfile(host_.data().settings());
    maps_->setOffice(qs(profile.ulice), qs(profile.mesto));

    runAction(this, [&] {
        directory_ = std::make_unique<InstitutionDirectory>(host_.data().institutions());
        fill(directory_->sortedByName(), ListSource::Other);
    });
}

InstitutionsPage::~InstitutionsPage() = default;

QWidget* InstitutionsPage::buildGrid() {
    grid_ = dataGrid(QStringLiteral("DBGrid1"),
                     {QStringLiteral("Název"), QStringLiteral("Město"), QStringLiteral("Ulice"), QStringLiteral("E-mail"),
                      QStringLiteral("WWW"), QStringLiteral("Telefon"), QStringLiteral("Fax")},
                     this, 0);
    grid_->verticalHeader()->setDefaultSectionSize(grid_->fontMetrics().height() + 6);
    grid_->setMinimumHeight(150);
    for (auto [col, width] : {std::pair{ColNazev, 400}, {ColMesto, 130}, {ColUlice, 190}, {ColEmail, 210},
                              {ColWww, 230}, {ColTelefon, 120}, {ColFax, 120}})
        grid_->setColumnWidth(col, width);
    return grid_;
}

void InstitutionsPage::connectRegions() {
    connect(grid_, &QTableWidget::currentCellChanged, this, [this] { showCurrent(); });
    connect(grid_, &QTableWidget::cellClicked, this, &InstitutionsPage::DBGrid1CellClick);
    connect(details_, &InstitutionDetailsBox::emailClicked, this, &InstitutionsPage::DBText7Click);
    connect(details_, &InstitutionDetailsBox::webClicked, this, &InstitutionsPage::DBText9Click);
    connect(search_, &InstitutionSearchBox::textChanged, this, &InstitutionsPage::Edit29Change);
    connect(search_, &InstitutionSearchBox::criteriaChanged, this, &InstitutionsPage::kindOrFieldChanged);
    connect(search_, &InstitutionSearchBox::showAllClicked, this, &InstitutionsPage::Button19Click);
    connect(competent_, &CompetentCourtBox::findClicked, this, &InstitutionsPage::Button48Click);
    connect(competent_, &CompetentCourtBox::superiorClicked, this, &InstitutionsPage::Button8Click);
    connect(tools_, &InstitutionToolsBox::copyClicked, this, &InstitutionsPage::Kopirovat_Soud);
    connect(tools_, &InstitutionToolsBox::previewClicked, this, &InstitutionsPage::Button27Click);
    connect(tools_, &InstitutionToolsBox::txtClicked, this, &InstitutionsPage::BitBtn33Click);
    connect(tools_, &InstitutionToolsBox::exportClicked, this, &InstitutionsPage::Button32Click);
    connect(tools_, &InstitutionToolsBox::mapClicked, this, [this] { najit_soud_ButtonClick(MapButton::Institution); });
    connect(tools_, &InstitutionToolsBox::browserClicked, this,
            [this] { najit_soud_ButtonClick(MapButton::InBrowser); });
    connect(tools_, &InstitutionToolsBox::lawClicked, this, [this] {
        host_.showRegulation(qpath(regulationFile(host_.data().paths(), "o_soudech.vrd")));
    });
    connect(maps_, &InstitutionMapsBox::routeClicked, this, [this] { najit_soud_ButtonClick(MapButton::Route); });
    connect(maps_, &InstitutionMapsBox::saveOfficeClicked, this, &InstitutionsPage::Button37Click);
    connect(maps_, &InstitutionMapsBox::otherClicked, this, [this] { najit_soud_ButtonClick(MapButton::OtherAddress); });
    connect(print_, &CourtPrintWindow::formatChanged, this, [this] {
        if (current()) Kopirovat_Soud();
    });
}

// --- the list ---------------------------------------------------------------

void InstitutionsPage::fill(std::vector<Institution> rows, ListSource source) {
    rows_ = std::move(rows);
    source_ = source;
    const QSignalBlocker block(grid_);
    grid_->clearContents();
    grid_->setRowCount(static_cast<int>(rows_.size()));
    for (int r = 0; r < static_cast<int>(rows_.size()); ++r) {
        const Institution& i = rows_[static_cast<size_t>(r)];
        const std::array<const std::string*, kColumns> cells = {&i.nazev, &i.mesto, &i.ulice, &i.email,
                                                                &i.www,   &i.telefon, &i.fax};
        for (int c = 0; c < kColumns; ++c) {
            auto* item = new QTableWidgetItem(qs(*cells[static_cast<size_t>(c)]));
            if (c == ColEmail) item->setForeground(QColor(0, 0, 255));
            if (c == ColNazev) item->setToolTip(item->text());  // long names do not fit the column
            grid_->setItem(r, c, item);
        }
    }
    if (!rows_.empty()) grid_->setCurrentCell(0, ColNazev);
    grid_->scrollToTop();
    showCurrent();
}

const Institution* InstitutionsPage::current() const {
    const int r = grid_->currentRow();
    return r >= 0 && r < static_cast<int>(rows_.size()) ? &rows_[static_cast<size_t>(r)] : nullptr;
}

void InstitutionsPage::showCurrent() {
    static const Institution kNone;
    const Institution& i = current() ? *current() : kNone;
    details_->showInstitution(i);
    // The matched municipality follows the row, as a field of the query's row.
    competent_->setMatched(qs(i.okres));
}

void InstitutionsPage::Edit29Change() {
    if (!directory_) return;
    runAction(this, [&] {
        fill(directory_->search(ss(search_->text()), search_->field(), search_->kinds()), ListSource::Search);
    });
}

// A list found by the text follows the field and the boxes as they change, so
// it never shows what the ticked boxes exclude.
void InstitutionsPage::kindOrFieldChanged() {
    if (source_ == ListSource::Search) Edit29Change();
}

void InstitutionsPage::setCourtBoxes(bool on) { search_->setCourtBoxes(on); }

void InstitutionsPage::setOfficeBoxes(bool on) { search_->setOfficeBoxes(on); }

void InstitutionsPage::Button19Click() {
    if (!directory_) return;
    runAction(this, [&] { fill(directory_->all(), ListSource::Other); });
}

void InstitutionsPage::Button48Click() {
    if (!directory_) return;
    runAction(this, [&] {
        const QString municipality = competent_->municipality();
        auto found = directory_->competentCourt(ss(municipality));
        if (found.empty()) showMessage(this, QStringLiteral("Pro obec „%1“ program příslušný soud nezná.").arg(municipality));
        fill(std::move(found), ListSource::Other);
    });
}

void InstitutionsPage::Button8Click() {
    const Institution* i = current();
    if (!directory_ || !i) return;
    runAction(this, [&] {
        if (auto up = directory_->superiorCourt(*i)) fill(std::move(*up), ListSource::Other);
    });
}

bool InstitutionsPage::needCurrent() {
    if (current()) return true;
    showMessage(this, QStringLiteral("V seznamu není vybrána žádná instituce."));
    return false;
}

// --- the address ------------------------------------------------------------

void InstitutionsPage::Kopirovat_Soud() {
    if (!needCurrent()) return;
    print_->setAddress(addressLines(*current()));
    QApplication::clipboard()->setMimeData(print_->copiedLines(kCopiedAddressLines));
}

void InstitutionsPage::Button27Click() {
    if (!needCurrent()) return;
    Kopirovat_Soud();
    print_->show();
    print_->raise();
    print_->activateWindow();
}

void InstitutionsPage::BitBtn33Click() {
    if (!needCurrent()) return;
    Kopirovat_Soud();
    host_.appendToTxt(toQStringList(addressLines(*current())), true);
    host_.showPage(kTxtPage);
}

void InstitutionsPage::Button32Click() {
    if (rows_.empty()) {
        showMessage(this, QStringLiteral("Seznam institucí je prázdný, není co exportovat."));
        return;
    }
    host_.appendToTxt(toQStringList(exportLines(rows_)), true);
    host_.showPage(kTxtPage);
}

// --- links ------------------------------------------------------------------

// The map link of a button; empty (the user was told why) when an address is missing.
QString InstitutionsPage::mapLink(MapButton which) {
    const std::string host = host_.data().settings().mapServiceHost();
    if (which == MapButton::OtherAddress) {
        const std::string address = mapAddress(ss(maps_->otherStreet()), ss(maps_->otherTown()));
        if (address.empty()) {
            showMessage(this, QStringLiteral("Vyplňte ulici nebo město, které chcete najít na mapě."));
            return {};
        }
        return qs(mapUrl(host, address));
    }
    if (!needCurrent()) return {};
    const std::string place = mapAddress(current()->ulice, current()->mesto);
    if (which != MapButton::Route) return qs(mapUrl(host, place));
    const std::string office = mapAddress(ss(maps_->officeStreet()), ss(maps_->officeTown()));
    if (office.empty()) {
        showMessage(this, QStringLiteral("Vyplňte adresu, odkud trasa začíná (ulici a město)."));
        return {};
    }
    return qs(mapUrl(host, office, place));
}

void InstitutionsPage::najit_soud_ButtonClick(MapButton which) {
    const QString link = mapLink(which);
    if (!link.isEmpty()) openAddress(link);
}

void InstitutionsPage::Button37Click() {
    runAction(this, [&] {
        writeOfficeAddress(host_.data().settings(), ss(maps_->officeStreet().trimmed()), ss(maps_->officeTown().trimmed()));
        showMessage(this, QStringLiteral("Adresa kanceláře je uložena."));
    });
}

void InstitutionsPage::DBText7Click() {
    if (current() && !current()->email.empty()) openAddress(QStringLiteral("mailto:") + qs(current()->email).trimmed());
}

void InstitutionsPage::DBText9Click() {
    if (current() && !trimmed(current()->www).empty()) openAddress(webAddress(current()->www));
}

void InstitutionsPage::DBGrid1CellClick(int row, int column) {
    if (column != ColEmail || row < 0 || row >= static_cast<int>(rows_.size())) return;
    const std::string& email = rows_[static_cast<size_t>(row)].email;
    if (trimmed(email).empty()) return;
    if (confirm(this, QStringLiteral("Chcete odeslat email? Klikněte ano, pro otevření emailového klienta.")))
        openAddress(QStringLiteral("mailto:") + qs(email).trimmed());
}

}  // namespace verdika::ui
