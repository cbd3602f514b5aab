#include "reference/institutions_page.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/data_module.h"
#include "app/ui/page_host.h"
#include "app/user_profile.h"
#include "common/text.h"
#include "common/ui/action.h"
#include "common/ui/balloon.h"
#include "common/ui/desktop.h"
#include "common/ui/messages.h"
#include "common/ui/qt_convert.h"
#include "common/ui/scrolling.h"
#include "reference/court_print_window.h"
#include "reference/regulations.h"

namespace verdika::ui {

namespace {

enum Column { ColNazev, ColMesto, ColUlice, ColEmail, ColWww, ColTelefon, ColFax, kColumns };

// A label that acts on a click, as the hand-cursor fields of the page do.
class ClickLabel : public QLabel {
public:
    ClickLabel(const QString& name, std::function<void()> onClick, QWidget* parent)
        : QLabel(parent), onClick_(std::move(onClick)) {
        setObjectName(name);
        setCursor(Qt::PointingHandCursor);
        setFocusPolicy(Qt::TabFocus);
        setStyleSheet(QStringLiteral("color: #0645ad; text-decoration: underline;"));
        setTextInteractionFlags(Qt::NoTextInteraction);
        // A long address is cut at the edge rather than widening the page.
        setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        setMinimumWidth(40);
    }

protected:
    void mouseReleaseEvent(QMouseEvent* e) override {
        if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) onClick_();
    }
    void keyPressEvent(QKeyEvent* e) override {
        if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter || e->key() == Qt::Key_Space) onClick_();
        else QLabel::keyPressEvent(e);
    }

private:
    std::function<void()> onClick_;
};

QPushButton* button(const QString& name, const QString& caption, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

QLineEdit* lineEdit(const QString& name, QWidget* parent) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    // No name or address is longer; a pasted page of text would only make a
    // search pattern SQLite refuses.
    e->setMaxLength(200);
    return e;
}

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
    top->addWidget(buildTools());
    layout->addLayout(top, 1);
    auto* middle = new QHBoxLayout;
    middle->addWidget(buildDetails(), 4);
    middle->addWidget(buildSearch(), 5);
    middle->addWidget(buildCompetentCourt(), 3);
    layout->addLayout(middle);
    layout->addWidget(buildMaps());
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scrollingArea(content));

    print_ = new CourtPrintWindow(host_.data().settings(), host_.mainWindow());
    connect(print_, &CourtPrintWindow::formatChanged, this, [this] {
        if (current()) Kopirovat_Soud();
    });

    const UserProfile profile = readUserProfile(host_.data().settings());
    officeStreet_->setText(qs(profile.ulice));
    officeTown_->setText(qs(profile.mesto));

    runAction(this, [&] {
        directory_ = std::make_unique<InstitutionDirectory>(host_.data().institutions());
        fill(directory_->sortedByName(), ListSource::Other);
    });
}

InstitutionsPage::~InstitutionsPage() = default;

QWidget* InstitutionsPage::buildGrid() {
    grid_ = new QTableWidget(0, kColumns, this);
    grid_->setObjectName(QStringLiteral("DBGrid1"));
    grid_->setHorizontalHeaderLabels({QStringLiteral("Název"), QStringLiteral("Město"), QStringLiteral("Ulice"),
                                      QStringLiteral("E-mail"), QStringLiteral("WWW"), QStringLiteral("Telefon"),
                                      QStringLiteral("Fax")});
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->verticalHeader()->setVisible(false);
    grid_->verticalHeader()->setDefaultSectionSize(grid_->fontMetrics().height() + 6);
    grid_->setMinimumHeight(150);
    for (auto [col, width] : {std::pair{ColNazev, 400}, {ColMesto, 130}, {ColUlice, 190}, {ColEmail, 210},
                              {ColWww, 230}, {ColTelefon, 120}, {ColFax, 120}})
        grid_->setColumnWidth(col, width);
    connect(grid_, &QTableWidget::currentCellChanged, this, [this] { showCurrent(); });
    connect(grid_, &QTableWidget::cellClicked, this, &InstitutionsPage::DBGrid1CellClick);
    return grid_;
}

QWidget* InstitutionsPage::buildDetails() {
    auto* box = new QGroupBox(QStringLiteral("Podrobnosti o instituci"), this);
    box->setObjectName(QStringLiteral("GroupBox_Podrobnosti"));
    auto* form = new QFormLayout(box);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    const std::array<std::pair<const char*, const char*>, 6> fields = {{{"nazev", "Název:"},
                                                                         {"ulice", "Ulice:"},
                                                                         {"psc", "PSČ:"},
                                                                         {"mesto", "Město:"},
                                                                         {"telefon", "Telefon:"},
                                                                         {"fax", "Fax:"}}};
    for (size_t i = 0; i < fields.size(); ++i) {
        details_[i] = lineEdit(QString::fromLatin1(fields[i].first), box);
        details_[i]->setReadOnly(true);
        form->addRow(QString::fromUtf8(fields[i].second), details_[i]);
    }
    email_ = new ClickLabel(QStringLiteral("DBText7"), [this] { DBText7Click(); }, box);
    email_->setToolTip(QStringLiteral("Napsat e-mail"));
    form->addRow(QStringLiteral("Email:"), email_);
    www_ = new ClickLabel(QStringLiteral("DBText9"), [this] { DBText9Click(); }, box);
    www_->setToolTip(QStringLiteral("Otevřít stránky instituce v prohlížeči"));
    form->addRow(QStringLiteral("WWW:"), www_);
    return box;
}

QWidget* InstitutionsPage::buildSearch() {
    auto* box = new QGroupBox(QStringLiteral("Vyhledávání"), this);
    box->setObjectName(QStringLiteral("GroupBox_Vyhledavani"));
    auto* g = new QGridLayout(box);
    g->setVerticalSpacing(2);
    auto* caption = new QLabel(QStringLiteral("Vyhledávat tento text v:"), box);
    search_ = lineEdit(QStringLiteral("Edit29"), box);
    search_->setClearButtonEnabled(true);
    caption->setBuddy(search_);
    g->addWidget(caption, 0, 0, 1, 2);
    g->addWidget(search_, 0, 2, 1, 3);

    fields_ = new QButtonGroup(this);
    auto* fieldRow = new QHBoxLayout;
    const std::array<std::pair<const char*, SearchField>, 4> choices = {{{"Města", SearchField::Mesto},
                                                                         {"Ulice", SearchField::Ulice},
                                                                         {"Názvu", SearchField::Nazev},
                                                                         {"PSČ", SearchField::Psc}}};
    for (const auto& [text, f] : choices) {
        auto* r = new QRadioButton(QString::fromUtf8(text), box);
        r->setObjectName(QStringLiteral("Hledat_RadioButton%1").arg(static_cast<int>(f)));
        fields_->addButton(r, static_cast<int>(f));
        fieldRow->addWidget(r);
    }
    fieldRow->addStretch();
    fields_->button(static_cast<int>(SearchField::Nazev))->setChecked(true);
    g->addLayout(fieldRow, 1, 0, 1, 5);

    const std::array<std::pair<const char*, const char*>, kInstitutionKinds> kinds = {{
        {"Okresni_soud_CheckBox", "Okresní"}, {"Krajsky_soud_CheckBox", "Krajský"},
        {"Mestsky_soud_CheckBox", "Městský"}, {"Obvodni_soud_CheckBox", "Obvodní"},
        {"Vrchni_soud_CheckBox", "Vrchní"}, {"Nejvyssi_soud_CheckBox", "Nejvyšší"},
        {"Okresni_zast_CheckBox", "Okresní"}, {"Krajske_zast_CheckBox", "Krajské"},
        {"Mestske_zast_CheckBox", "Městské"}, {"Obvodni_zast_CheckBox", "Obvodní"},
        {"Vrchni_zast_CheckBox", "Vrchní"}, {"Veznice_CheckBox", "Věznice"},
    }};
    int row = 2;
    auto addKinds = [&](const QString& title, int from, const char* allName, const char* noneName, bool courts) {
        g->addWidget(new QLabel(title, box), row++, 0, 1, 3);
        for (int k = from; k < from + 6; ++k) {
            auto* cb = new QCheckBox(QString::fromUtf8(kinds[static_cast<size_t>(k)].second), box);
            cb->setObjectName(QString::fromLatin1(kinds[static_cast<size_t>(k)].first));
            cb->setChecked(true);
            kindBoxes_[static_cast<size_t>(k)] = cb;
            g->addWidget(cb, row + (k - from) / 3, (k - from) % 3);
            connect(cb, &QCheckBox::clicked, this, &InstitutionsPage::kindOrFieldChanged);
        }
        auto* all = button(QString::fromLatin1(allName), QStringLiteral("Všechny"), box);
        auto* none = button(QString::fromLatin1(noneName), QStringLiteral("Žádné"), box);
        g->addWidget(all, row, 4);
        g->addWidget(none, row + 1, 4);
        connect(all, &QPushButton::clicked, this, [this, courts] { courts ? setCourtBoxes(true) : setOfficeBoxes(true); });
        connect(none, &QPushButton::clicked, this,
                [this, courts] { courts ? setCourtBoxes(false) : setOfficeBoxes(false); });
        row += 2;
    };
    addKinds(QStringLiteral("Soudy:"), 0, "Button20", "Button21", true);
    addKinds(QStringLiteral("Zastupitelství a věznice:"), 6, "Button22", "Button23", false);
    auto* showAll = button(QStringLiteral("Button19"), QStringLiteral("Zobrazit všechny"), box);
    g->addWidget(showAll, row, 0, 1, 5, Qt::AlignLeft);
    g->setColumnStretch(3, 1);

    connect(search_, &QLineEdit::textChanged, this, &InstitutionsPage::Edit29Change);
    connect(fields_, &QButtonGroup::idClicked, this, &InstitutionsPage::kindOrFieldChanged);
    connect(showAll, &QPushButton::clicked, this, &InstitutionsPage::Button19Click);
    return box;
}

QWidget* InstitutionsPage::buildCompetentCourt() {
    auto* box = new QGroupBox(QStringLiteral("Místně příslušný soud"), this);
    box->setObjectName(QStringLiteral("GroupBox_Prislusny"));
    auto* v = new QVBoxLayout(box);
    auto* caption = new QLabel(QStringLiteral("Bydliště žalovaného"), box);
    municipality_ = lineEdit(QStringLiteral("Edit17"), box);
    caption->setBuddy(municipality_);
    auto* find = button(QStringLiteral("Button48"), QStringLiteral("Najít"), box);
    auto* row = new QHBoxLayout;
    row->addWidget(municipality_, 1);
    row->addWidget(find);
    matched_ = new QLabel(box);
    matched_->setObjectName(QStringLiteral("DBText8"));
    matched_->setWordWrap(true);
    matched_->setToolTip(QStringLiteral("Obec, pro kterou je vybraný soud příslušný"));
    auto* superior = button(QStringLiteral("Button8"), QStringLiteral("Nadřízený soud"), box);
    v->addWidget(caption);
    v->addLayout(row);
    v->addWidget(matched_);
    v->addStretch();
    v->addWidget(superior);
    connect(find, &QPushButton::clicked, this, &InstitutionsPage::Button48Click);
    // Enter in the field finds, as the default button of the group did.
    connect(municipality_, &QLineEdit::returnPressed, this, &InstitutionsPage::Button48Click);
    connect(superior, &QPushButton::clicked, this, &InstitutionsPage::Button8Click);
    return box;
}

QWidget* InstitutionsPage::buildTools() {
    auto* box = new QGroupBox(QStringLiteral("Nástroje "), this);
    box->setObjectName(QStringLiteral("GroupBox_Nastroje"));
    box->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    auto* v = new QVBoxLayout(box);
    v->setSpacing(3);
    auto* map = button(QStringLiteral("najit_soud_Button"), QStringLiteral("=> Najít na mapě      "), box);
    auto* preview = button(QStringLiteral("Button27"), QStringLiteral("Náhled adresy"), box);
    auto* copy = button(QStringLiteral("Button49"), QStringLiteral("=> Kopírovat adresu"), box);
    auto* law = button(QStringLiteral("Zakon_o_soudech_Button"), QStringLiteral("Zákon o soudech a soudcích"), box);
    auto* browser = button(QStringLiteral("Najdi_Soud_Button2"), QStringLiteral("=> zobrazit ve výchozím prohlížeči"), box);
    auto* txt = button(QStringLiteral("BitBtn33"), QStringLiteral("=>TXT"), box);
    auto* exportAll = button(QStringLiteral("Button32"), QStringLiteral("Export adres"), box);
    auto* info = button(QStringLiteral("BitBtn85"), QStringLiteral("?"), box);
    info->setFixedWidth(28);
    infoBalloon(info, QStringLiteral("Export adres"),
                QStringLiteral("Program vyexportuje adresy, které jste si vyfiltrovali shora, do záložky TXT."));
    copy->setToolTip(QStringLiteral("Název a adresu vybrané instituce zkopíruje do schránky"));
    txt->setToolTip(QStringLiteral("Adresu vybrané instituce připojí do záložky TXT"));
    map->setToolTip(QStringLiteral("Vybranou instituci ukáže na mapě v prohlížeči"));
    for (QPushButton* b : {copy, preview, txt, map, browser, law}) v->addWidget(b);
    auto* exportRow = new QHBoxLayout;
    exportRow->addWidget(exportAll, 1);
    exportRow->addWidget(info);
    v->addLayout(exportRow);
    v->addStretch();
    connect(copy, &QPushButton::clicked, this, &InstitutionsPage::Kopirovat_Soud);
    connect(preview, &QPushButton::clicked, this, &InstitutionsPage::Button27Click);
    connect(txt, &QPushButton::clicked, this, &InstitutionsPage::BitBtn33Click);
    connect(exportAll, &QPushButton::clicked, this, &InstitutionsPage::Button32Click);
    connect(map, &QPushButton::clicked, this, [this] { najit_soud_ButtonClick(MapButton::Institution); });
    connect(browser, &QPushButton::clicked, this, [this] { najit_soud_ButtonClick(MapButton::InBrowser); });
    connect(law, &QPushButton::clicked, this, [this] {
        host_.showRegulation(qpath(regulationFile(host_.data().paths(), "o_soudech.vrd")));
    });
    return box;
}

QWidget* InstitutionsPage::buildMaps() {
    auto* row = new QWidget(this);
    auto* h = new QHBoxLayout(row);
    h->setContentsMargins(0, 0, 0, 0);

    auto* route = new QGroupBox(QStringLiteral("Vzdálenost k soudu"), row);
    route->setObjectName(QStringLiteral("GroupBox_Vzdalenost"));
    auto* rh = new QHBoxLayout(route);
    officeStreet_ = lineEdit(QStringLiteral("Ulice_Edit"), route);
    officeTown_ = lineEdit(QStringLiteral("Mesto_Edit"), route);
    auto* findRoute = button(QStringLiteral("Nalezt_Trasu_Button"), QStringLiteral("Nalézt trasu"), route);
    auto* save = button(QStringLiteral("Button37"), QStringLiteral("Uložit adresu"), route);
    save->setToolTip(QStringLiteral("Adresu kanceláře si program zapamatuje"));
    rh->addWidget(new QLabel(QStringLiteral("Odkud:"), route));
    rh->addWidget(new QLabel(QStringLiteral("Ulice, čp.:"), route));
    rh->addWidget(officeStreet_, 3);
    rh->addWidget(new QLabel(QStringLiteral("Město: "), route));
    rh->addWidget(officeTown_, 2);
    rh->addWidget(findRoute);
    rh->addWidget(save);

    auto* other = new QGroupBox(QStringLiteral("Najít na mapě"), row);
    other->setObjectName(QStringLiteral("GroupBox_Mapa"));
    auto* oh = new QHBoxLayout(other);
    otherStreet_ = lineEdit(QStringLiteral("ulice2_Edit"), other);
    otherTown_ = lineEdit(QStringLiteral("mesto2_edit"), other);
    auto* findOther = button(QStringLiteral("najit_cizi_Button"), QStringLiteral("Najít"), other);
    oh->addWidget(new QLabel(QStringLiteral("Ulice, čp.:"), other));
    oh->addWidget(otherStreet_, 3);
    oh->addWidget(new QLabel(QStringLiteral("Město:"), other));
    oh->addWidget(otherTown_, 2);
    oh->addWidget(findOther);

    h->addWidget(route, 3);
    h->addWidget(other, 2);
    connect(findRoute, &QPushButton::clicked, this, [this] { najit_soud_ButtonClick(MapButton::Route); });
    connect(save, &QPushButton::clicked, this, &InstitutionsPage::Button37Click);
    connect(findOther, &QPushButton::clicked, this, [this] { najit_soud_ButtonClick(MapButton::OtherAddress); });
    for (QLineEdit* e : {otherStreet_, otherTown_})
        connect(e, &QLineEdit::returnPressed, this, [this] { najit_soud_ButtonClick(MapButton::OtherAddress); });
    return row;
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
    const std::array<const std::string*, 6> values = {&i.nazev, &i.ulice, &i.psc, &i.mesto, &i.telefon, &i.fax};
    for (size_t k = 0; k < details_.size(); ++k) {
        details_[k]->setText(qs(*values[k]));
        details_[k]->setCursorPosition(0);
    }
    email_->setText(qs(i.email));
    www_->setText(qs(i.www));
    // The matched municipality follows the row, as a field of the query's row.
    matched_->setText(qs(i.okres));
}

KindSet InstitutionsPage::kinds() const {
    KindSet set;
    for (size_t k = 0; k < kindBoxes_.size(); ++k) set.set(k, kindBoxes_[k]->isChecked());
    return set;
}

SearchField InstitutionsPage::field() const { return static_cast<SearchField>(fields_->checkedId()); }

void InstitutionsPage::Edit29Change() {
    if (!directory_) return;
    runAction(this, [&] { fill(directory_->search(ss(search_->text()), field(), kinds()), ListSource::Search); });
}

// A list found by the text follows the field and the boxes as they change, so
// it never shows what the ticked boxes exclude.
void InstitutionsPage::kindOrFieldChanged() {
    if (source_ == ListSource::Search) Edit29Change();
}

void InstitutionsPage::setCourtBoxes(bool on) {
    for (size_t k = 0; k < 6; ++k) kindBoxes_[k]->setChecked(on);
    kindOrFieldChanged();
}

void InstitutionsPage::setOfficeBoxes(bool on) {
    for (size_t k = 6; k < kindBoxes_.size(); ++k) kindBoxes_[k]->setChecked(on);
    kindOrFieldChanged();
}

void InstitutionsPage::Button19Click() {
    if (!directory_) return;
    runAction(this, [&] { fill(directory_->all(), ListSource::Other); });
}

void InstitutionsPage::Button48Click() {
    if (!directory_) return;
    runAction(this, [&] {
        auto found = directory_->competentCourt(ss(municipality_->text().trimmed()));
        if (found.empty())
            showMessage(this, QStringLiteral("Pro obec „%1“ program příslušný soud nezná.").arg(municipality_->text().trimmed()));
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

void InstitutionsPage::najit_soud_ButtonClick(MapButton which) {
    const std::string host = host_.data().settings().mapServiceHost();
    std::string url;
    if (which == MapButton::OtherAddress) {
        const std::string address = mapAddress(ss(otherStreet_->text()), ss(otherTown_->text()));
        if (address.empty()) {
            showMessage(this, QStringLiteral("Vyplňte ulici nebo město, které chcete najít na mapě."));
            return;
        }
        url = mapUrl(host, address);
    } else {
        if (!needCurrent()) return;
        const std::string place = mapAddress(current()->ulice, current()->mesto);
        if (which == MapButton::Route) {
            const std::string office = mapAddress(ss(officeStreet_->text()), ss(officeTown_->text()));
            if (office.empty()) {
                showMessage(this, QStringLiteral("Vyplňte adresu, odkud trasa začíná (ulici a město)."));
                return;
            }
            url = mapUrl(host, office, place);
        } else {
            url = mapUrl(host, place);
        }
    }
    openAddress(qs(url));
}

void InstitutionsPage::Button37Click() {
    runAction(this, [&] {
        writeOfficeAddress(host_.data().settings(), ss(officeStreet_->text().trimmed()),
                           ss(officeTown_->text().trimmed()));
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
