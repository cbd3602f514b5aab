#include "common/ui/scrolling.h"
#include "tariff/tariff_page.h"

#include <algorithm>
#include <functional>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QFont>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/data_module.h"
#include "app/settings.h"
#include "app/ui/page_host.h"
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
#include "tariff/lists.h"
#include "tariff/petition.h"
#include "tariff/saved_calculation.h"
#include "common/ui/radio_group.h"
#include "tariff/ui/petition_section.h"
#include "tariff/ui/tariff_widgets.h"

namespace verdika::ui {
namespace {

const QColor kEditableValue(0, 128, 0);
const std::array<SettingKey, 3> kPetitionKeys = {setting::TariffPetition1, setting::TariffPetition2,
                                                 setting::TariffPetition3};
const QColor kFixedValue(128, 128, 128);

QToolButton* infoButton(const QString& name, const QString& title, const QString& text, QWidget* parent) {
    auto* b = new QToolButton(parent);
    b->setObjectName(name);
    b->setIcon(b->style()->standardIcon(QStyle::SP_MessageBoxInformation));
    b->setAutoRaise(true);
    b->setFocusPolicy(Qt::NoFocus);
    infoBalloon(b, title, text);
    return b;
}

QPushButton* button(const QString& name, const QString& caption, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    return b;
}

QToolButton* smallButton(const QString& name, const QString& caption, const QString& hint, QWidget* parent) {
    auto* b = new QToolButton(parent);
    b->setObjectName(name);
    b->setText(caption);
    b->setToolTip(hint);
    return b;
}

QStringList qlines(const std::vector<std::string>& lines) { return toQStringList(lines); }

// The persons field: read-only, changed by its arrows (or the arrow keys) from 0 to 100.
class PersonsKeys : public QObject {
public:
    PersonsKeys(QObject* parent, std::function<void(int)> step) : QObject(parent), step_(std::move(step)) {}
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() != QEvent::KeyPress) return false;
        const int key = static_cast<QKeyEvent*>(e)->key();
        if (key == Qt::Key_Up) step_(1);
        else if (key == Qt::Key_Down) step_(-1);
        else return false;
        return true;
    }

private:
    std::function<void(int)> step_;
};

}  // namespace

TariffPage::TariffPage(PageHost& host, QWidget* parent) : QWidget(parent), host_(host) {
    setObjectName(QStringLiteral("TabSheet2"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    subPages_ = new QTabWidget(this);
    subPages_->setObjectName(QStringLiteral("PageControl3"));
    subPages_->setTabPosition(QTabWidget::West);
    // The four captions fit the page's height in a slightly smaller type.
    QFont tabFont = subPages_->tabBar()->font();
    tabFont.setPointSizeF(tabFont.pointSizeF() * 0.85);
    subPages_->tabBar()->setFont(tabFont);
    subPages_->addTab(buildBasicPage(), QStringLiteral("Základní výpočet"));
    subPages_->addTab(buildSummaryPage(), QStringLiteral("Sumarizace + TISK"));
    subPages_->addTab(buildPetitionPage(), QStringLiteral("Žalobní petit"));
    subPages_->addTab(buildVariablesPage(), QStringLiteral("Proměnné pro petit"));
    layout->addWidget(subPages_);
    readSettings();
}

// ---------------------------------------------------------------- layout

QWidget* TariffPage::buildBasicPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("Tarif_Zakladni_TabSheet"));
    auto* outer = new QVBoxLayout(page);
    outer->setContentsMargins(6, 6, 6, 6);
    outer->setSpacing(6);

    // Kind of proceedings, tariff value, search, persons, VAT payer.
    auto* top = new QGridLayout;
    top->setHorizontalSpacing(6);
    top->addWidget(infoButton(QStringLiteral("BitBtn6"), QStringLiteral("Advokátní tarif - výběr odměny"),
                              QStringLiteral("Vyberte druh odměny. Pokud necháte peněžité plnění, pak zadejte sami "
                                             "tarifní hodnotu.\nV ostaních případech program přednastaví tarifní "
                                             "hodnotu."),
                              page),
                   0, 0);
    top->addWidget(new QLabel(QStringLiteral("Druh řízení:"), page), 0, 1);
    kinds_ = new KindComboBox(page);
    kinds_->setObjectName(QStringLiteral("Tarif_Druh_Rizeni"));
    for (const std::string& item : tariff::kindItems()) kinds_->addItem(qs(item));
    kinds_->setMaxVisibleItems(32);
    kinds_->setCurrentIndex(-1);
    kinds_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    kinds_->setMinimumContentsLength(40);
    top->addWidget(kinds_, 0, 2);

    top->setColumnStretch(2, 1);
    outer->addLayout(top);

    auto* row = new QHBoxLayout;
    row->setSpacing(6);
    row->addSpacing(26);
    row->addWidget(new QLabel(QStringLiteral("Tarifní hodnota:"), page));
    value_ = new QLineEdit(QStringLiteral("0"), page);
    value_->setObjectName(QStringLiteral("tarifni_hodnota_edit"));
    value_->setMaximumWidth(130);
    installTariffValueFilter(value_);
    row->addWidget(value_);
    valueLabel_ = new QLabel(page);
    valueLabel_->setObjectName(QStringLiteral("Label43"));
    valueLabel_->setMinimumWidth(120);
    row->addWidget(valueLabel_);
    row->addWidget(new QLabel(QStringLiteral("Počet osob:"), page));
    auto* personsRow = new QHBoxLayout;
    personsRow->setSpacing(0);
    persons_ = new QLineEdit(QStringLiteral("1"), page);
    persons_->setObjectName(QStringLiteral("Osob_Tarif_Edit"));
    persons_->setReadOnly(true);
    persons_->setMaximumWidth(40);
    persons_->installEventFilter(new PersonsKeys(persons_, [this](int d) {
        setPersons(static_cast<int>(tryParseInteger(ss(persons_->text())).value_or(1)) + d);
    }));
    personsRow->addWidget(persons_);
    auto* upDown = new QWidget(page);
    upDown->setObjectName(QStringLiteral("UpDown6"));
    auto* arrows = new QVBoxLayout(upDown);
    arrows->setContentsMargins(0, 0, 0, 0);
    arrows->setSpacing(0);
    for (int d : {1, -1}) {
        auto* a = new QToolButton(upDown);
        a->setObjectName(d > 0 ? QStringLiteral("UpDown6_up") : QStringLiteral("UpDown6_down"));
        a->setArrowType(d > 0 ? Qt::UpArrow : Qt::DownArrow);
        a->setAutoRepeat(true);
        a->setFixedSize(18, 11);
        a->setFocusPolicy(Qt::NoFocus);
        connect(a, &QToolButton::clicked, this, [this, d] {
            setPersons(static_cast<int>(tryParseInteger(ss(persons_->text())).value_or(1)) + d);
        });
        arrows->addWidget(a);
    }
    personsRow->addWidget(upDown);
    row->addLayout(personsRow);
    row->addSpacing(8);
    vatPayer_ = new QCheckBox(QStringLiteral("Plátce DPH"), page);
    vatPayer_->setObjectName(QStringLiteral("Platce_DPH2_CheckBox"));
    row->addWidget(vatPayer_);
    row->addStretch();
    row->addWidget(new QLabel(QStringLiteral("Hledání"), page));
    search_ = new QLineEdit(page);
    search_->setObjectName(QStringLiteral("Hledat_Tarif"));
    search_->setMinimumWidth(120);
    row->addWidget(search_, 1);
    auto* next = button(QStringLiteral("Hledat_Tarif_dalsi"), QStringLiteral("Další"), page);
    row->addWidget(next);
    outer->addLayout(row);

    auto* middle = new QHBoxLayout;
    middle->setSpacing(8);
    outer->addLayout(middle, 1);

    // Left column: the option groups.
    auto* options = new QVBoxLayout;
    options->setSpacing(4);
    middle->addLayout(options);
    auto withClear = [&](QWidget* group, const QString& clearName, QList<QWidget*> extra) {
        auto* row = new QHBoxLayout;
        row->addWidget(group, 1);
        auto* side = new QVBoxLayout;
        auto* x = smallButton(clearName, QStringLiteral("x"), QStringLiteral("Zrušit volbu"), this);
        side->addWidget(x);
        for (QWidget* w : extra) side->addWidget(w);
        side->addStretch();
        row->addLayout(side);
        options->addLayout(row);
        return x;
    };

    extraordinary_ = new RadioGroup(QStringLiteral("Mimoradne_Zvyseni_RadioGroup"),
                                    QStringLiteral("Mimořádné zvýšení / snížení (§12)"),
                                    {QStringLiteral("zvýšit na trojnásobek"), QStringLiteral("snížit na polovinu")}, 2,
                                    page);
    auto* x12 = withClear(extraordinary_, QStringLiteral("Mimoradne_Zvyseni_Button"), {});

    special_ = new RadioGroup(QStringLiteral("Specialni_RadioGroup"), QStringLiteral("Speciální"),
                              {QStringLiteral("trestní ex offo"), QStringLiteral("§12a zástupce/opatrovník"),
                               QStringLiteral("§12c opatrovník dítěte")},
                              1, page);
    auto* xSpecial = withClear(
        special_, QStringLiteral("Specialni_Button"),
        {infoButton(QStringLiteral("BitBtn17"), QStringLiteral("Trestní ex offo"),
                    QStringLiteral("Odměna obhájce ustanoveného v trestním řízení se od 1.1.2013 snižuje o 20 % "
                                   "(§ 12a) a činí nejvýše 5 000 Kč za jeden úkon. V letech 2011 a 2012 se snižovala "
                                   "o 30 % (§ 12b), od 1.10.1997 do 31.12.2010 o 10 % (§ 15a). Program použije "
                                   "pravidlo platné ke dni každého úkonu."),
                    page),
         infoButton(QStringLiteral("BitBtn25"), QStringLiteral("Snížení odměn"),
                    QStringLiteral("§ 12a a § 12c (účinné od 1.1.2011 do 31.12.2012): sazba odměny zástupce nebo "
                                   "opatrovníka ustanoveného soudem v občanském soudním řízení se snižuje o 30 % a "
                                   "činí nejvýše 5 000 Kč za jeden úkon; odměna opatrovníka dítěte podle zákona o "
                                   "soudnictví ve věcech mládeže se snižuje o 30 %.\nOd 1.1.2013 se odměna "
                                   "ustanoveného advokáta snižuje o 20 % (§ 12a) a program ji omezuje na nejvýše "
                                   "5 000 Kč za jeden úkon."),
                    page)});

    percentageGroup_ = new QGroupBox(QStringLiteral("Upravit procentně odměnu za úkon "), page);
    percentageGroup_->setObjectName(QStringLiteral("GroupBox24"));
    auto* pg = new QGridLayout(percentageGroup_);
    pg->setContentsMargins(6, 4, 6, 4);
    raise_ = new QRadioButton(QStringLiteral("zvýšit odměnu o"), percentageGroup_);
    raise_->setObjectName(QStringLiteral("Zvyseni_Procento_Tarif_Radio"));
    raiseEdit_ = new QLineEdit(QStringLiteral("0"), percentageGroup_);
    raiseEdit_->setObjectName(QStringLiteral("Zvyseni_Procento_Tarif_Edit"));
    raiseEdit_->setMaximumWidth(60);
    lower_ = new QRadioButton(QStringLiteral("snížit odměnu o"), percentageGroup_);
    lower_->setObjectName(QStringLiteral("Snizeni_Procento_Tarif_Radio"));
    lowerEdit_ = new QLineEdit(QStringLiteral("0"), percentageGroup_);
    lowerEdit_->setObjectName(QStringLiteral("Snizeni_Procento_Tarif_Edit"));
    lowerEdit_->setMaximumWidth(60);
    pg->addWidget(raise_, 0, 0);
    pg->addWidget(raiseEdit_, 0, 1);
    pg->addWidget(new QLabel(QStringLiteral("%"), percentageGroup_), 0, 2);
    pg->addWidget(lower_, 1, 0);
    pg->addWidget(lowerEdit_, 1, 1);
    pg->addWidget(new QLabel(QStringLiteral("%"), percentageGroup_), 1, 2);
    pg->setColumnStretch(3, 1);
    auto* xPercentage = withClear(
        percentageGroup_, QStringLiteral("Zrusit_Upravy_Tarifu"),
        {infoButton(QStringLiteral("BitBtn7"), QStringLiteral("Procentní úprava"),
                    QStringLiteral("Vyberte, zda chcete odměnu za úkon snížit či zvýšit a zadejte o kolik procent."),
                    page)});

    group14b_ = new QGroupBox(QStringLiteral("§ 14b formulářové žaloby"), page);
    group14b_->setObjectName(QStringLiteral("Formularove_GroupBox"));
    auto* g14 = new QHBoxLayout(group14b_);
    g14->setContentsMargins(6, 4, 6, 4);
    check14b_ = new QCheckBox(QStringLiteral("náhrada žalobce z formulářové žaloby"), group14b_);
    check14b_->setObjectName(QStringLiteral("FormularovaZaloba_CheckBox"));
    g14->addWidget(check14b_, 1);
    g14->addWidget(infoButton(
        QStringLiteral("BitBtn94"), QStringLiteral("Tzv. vymáhání drobných pohledávek"),
        QStringLiteral("§ 14b (účinný od 1.7.2014) platí v řízení zahájeném žalobou na formuláři, který žalobce "
                       "opakovaně používá ve skutkově a právně obdobných věcech, jde-li o peněžité plnění nejvýše "
                       "50 000 Kč.\nSazba za úkon činí 200 Kč při tarifní hodnotě do 10 000 Kč, 300 Kč přes 10 000 "
                       "do 30 000 Kč a 500 Kč přes 30 000 Kč; za jednoduchou výzvu k plnění a ve výkonu rozhodnutí "
                       "za první poradu s klientem a za sepsání návrhu 100 Kč. Odměny podle § 14b nepřesáhnou "
                       "dohromady tarifní hodnotu.\nZvolte úkony „převzetí a příprava zastoupení“, „výzva k plnění "
                       "se základním skutkovým a právním rozborem…“, „návrh na zahájení řízení (§ 14b)“, "
                       "„jednoduchá výzva k plnění“ nebo „výkon rozhodnutí - první porada…“ a „výkon rozhodnutí - "
                       "sepsání návrhu…“."),
        group14b_));
    options->addWidget(group14b_);
    options->addStretch();

    // Right column: the acts.
    actsGroup_ = new QGroupBox(QStringLiteral("Právní úkony"), page);
    actsGroup_->setObjectName(QStringLiteral("GroupBox3"));
    auto* acts = new QGridLayout(actsGroup_);
    acts->setContentsMargins(6, 4, 6, 6);
    acts->setHorizontalSpacing(4);
    date_ = makeDateEdit(QStringLiteral("Tarif_Date"), actsGroup_);
    date_->setMaximumWidth(130);
    acts->addWidget(new QLabel(QStringLiteral("Datum úkonu:"), actsGroup_), 0, 0);
    acts->addWidget(date_, 0, 1, Qt::AlignLeft);
    acts->addWidget(infoButton(QStringLiteral("BitBtn27"), QStringLiteral("Právní úkony"),
                               QStringLiteral("Úkon přidáte tlačítkem „+“ u seznamu úkonů podle § 11 odst. 1 (úkon) "
                                              "nebo podle § 11 odst. 2 (půlúkon); datum úkonu zvolte předem v "
                                              "kalendáři. Úkon odeberete tlačítkem „-“ nebo dvojklikem na jeho řádek.\n"
                                              "Nezadáte-li žádný úkon, program při výpočtu sám přidá jeden úkon "
                                              "s datem zvoleným v kalendáři."),
                               actsGroup_),
                    0, 3, Qt::AlignRight);
    fullActs_ = new QComboBox(actsGroup_);
    fullActs_->setObjectName(QStringLiteral("ComboBox1"));
    fullActs_->setEditable(true);
    fullActs_->setMaxVisibleItems(26);
    fullActs_->setInsertPolicy(QComboBox::NoInsert);
    for (const std::string& n : tariff::fullActNames()) fullActs_->addItem(qs(n));
    // A long name chosen from the list is shown from its start.
    connect(fullActs_, &QComboBox::textActivated, this, [this] { fullActs_->lineEdit()->setCursorPosition(0); });
    fullActs_->setEditText(QStringLiteral("úkon"));
    fullActs_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    fullActs_->setMinimumContentsLength(24);
    auto* addFull = button(QStringLiteral("pridat_ukon"), QStringLiteral("+"), actsGroup_);
    addFull->setToolTip(QStringLiteral("Přidat úkon podle § 11 odst. 1"));
    addFull->setMaximumWidth(32);
    halfActs_ = new QComboBox(actsGroup_);
    halfActs_->setObjectName(QStringLiteral("ComboBox2"));
    halfActs_->setEditable(true);
    halfActs_->setMaxVisibleItems(17);
    halfActs_->setInsertPolicy(QComboBox::NoInsert);
    for (const std::string& n : tariff::halfActNames()) halfActs_->addItem(qs(n));
    connect(halfActs_, &QComboBox::textActivated, this, [this] { halfActs_->lineEdit()->setCursorPosition(0); });
    halfActs_->setEditText(QStringLiteral("půlúkon"));
    halfActs_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    halfActs_->setMinimumContentsLength(24);
    auto* addHalf = button(QStringLiteral("pridat_pulukon"), QStringLiteral("+"), actsGroup_);
    addHalf->setToolTip(QStringLiteral("Přidat úkon podle § 11 odst. 2"));
    addHalf->setMaximumWidth(32);
    acts->addWidget(new QLabel(QStringLiteral("§ 11/1:"), actsGroup_), 1, 0);
    acts->addWidget(fullActs_, 1, 1, 1, 2);
    acts->addWidget(addFull, 1, 3);
    acts->addWidget(new QLabel(QStringLiteral("§ 11/2:"), actsGroup_), 2, 0);
    acts->addWidget(halfActs_, 2, 1, 1, 2);
    acts->addWidget(addHalf, 2, 3);
    grid_ = new QTableWidget(1, 3, actsGroup_);
    grid_->setObjectName(QStringLiteral("PU_SG"));
    grid_->horizontalHeader()->hide();
    grid_->verticalHeader()->hide();
    // Widths of 72, 350 and 50 at the old 8-point font; the description takes the rest.
    grid_->setColumnWidth(0, 80);
    grid_->setColumnWidth(1, 350);
    grid_->setColumnWidth(2, 70);
    grid_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->verticalHeader()->setDefaultSectionSize(20);
    acts->addWidget(grid_, 3, 0, 1, 4);
    auto* remove = button(QStringLiteral("Button14"), QStringLiteral("-"), actsGroup_);
    remove->setToolTip(QStringLiteral("Odebrat vybraný úkon"));
    remove->setMaximumWidth(32);
    acts->addWidget(remove, 4, 3);
    acts->setRowStretch(3, 1);
    acts->setColumnStretch(1, 1);
    middle->addWidget(actsGroup_, 1);

    // Buttons and results.
    auto* buttons = new QHBoxLayout;
    compute_ = button(QStringLiteral("Tarif_Vypocitat"), QStringLiteral("Vypočítat"), page);
    compute_->setDefault(true);
    QFont bold = compute_->font();
    bold.setBold(true);
    compute_->setFont(bold);
    buttons->addWidget(compute_);
    auto* reset = button(QStringLiteral("Button2"), QStringLiteral("Vynulovat"), page);
    buttons->addWidget(reset);
    auto* regulation = button(QStringLiteral("Predpis_177_1996"), QStringLiteral("Zobraz předpis 177/1996 Sb."), page);
    buttons->addWidget(regulation);
    buttons->addStretch();
    auto* save = button(QStringLiteral("Tarif_Ulozit_Button"), QStringLiteral("Uložit sestavu"), page);
    auto* load = button(QStringLiteral("Tarif_Nacist_Button"), QStringLiteral("Načíst sestavu"), page);
    buttons->addWidget(save);
    buttons->addWidget(load);
    outer->addLayout(buttons);

    auto* resultsBox = new QGroupBox(QStringLiteral("Výsledek"), page);
    resultsBox->setObjectName(QStringLiteral("Tarif_Vysledky_GroupBox"));
    auto* rg = new QGridLayout(resultsBox);
    rg->setContentsMargins(6, 4, 6, 4);
    rg->setVerticalSpacing(3);
    const char* names[] = {"odmena_177_vsechnyPU_edit", "Rezijni_Pausaly_Tarif_Edit", "Tarif_DPH_Odmena_Edit",
                           "Tarif_DPH_RP_Edit",         "Tarif_DPH_Odmena_RP_Edit",   "Tarif_Odmena_Celkem"};
    const char* labels[] = {"Odměna za všechny PÚ činí :", "Režijní paušály:", "DPH (z odměny):",
                            "DPH (z RP):", "DPH (z odměny + RP):", "Odměna včetně RP a DPH:"};
    for (int i = 0; i < 6; ++i) {
        const int row = i % 3, col = (i / 3) * 4;
        rg->addWidget(new QLabel(QString::fromUtf8(labels[i]), resultsBox), row, col);
        auto* e = new QLineEdit(resultsBox);
        e->setObjectName(QString::fromLatin1(names[i]));
        e->setReadOnly(true);
        e->setMinimumWidth(110);
        e->setAlignment(Qt::AlignRight);
        if (i == 5) e->setFont(bold);
        installCopyOnDoubleClick(e);
        results_[static_cast<size_t>(i)] = e;
        rg->addWidget(e, row, col + 1);
        for (int k = 0; k < 2; ++k) {
            const int n = 2 * i + k;
            auto* b = smallButton(QStringLiteral("BitBtn%1").arg(49 + n), k == 0 ? QStringLiteral("Kč") : QStringLiteral("123"),
                                  k == 0 ? QStringLiteral("Kopírovat částku, jak je zobrazena")
                                         : QStringLiteral("Kopírovat číslo bez formátování"),
                                  resultsBox);
            b->setFocusPolicy(Qt::NoFocus);
            connect(b, &QToolButton::clicked, this, [this, n] { copyResult(n); });
            rg->addWidget(b, row, col + 2 + k);
        }
    }
    rg->setColumnStretch(1, 1);
    rg->setColumnStretch(5, 1);
    outer->addWidget(resultsBox);

    // Wiring.
    connect(kinds_, &QComboBox::activated, this, [this](int) { Tarif_Druh_RizeniClick(); });
    connect(search_, &QLineEdit::textEdited, this, [this] { Hledat_TarifChange(false); });
    connect(next, &QPushButton::clicked, this, [this] { Hledat_TarifChange(true); });
    connect(value_, &QLineEdit::textChanged, this, [this] { tarifni_hodnota_editChange(); });
    connect(extraordinary_, &RadioGroup::itemClicked, this, [this] { Mimoradne_Zvyseni_RadioGroupClick(); });
    connect(x12, &QToolButton::clicked, this, [this] { Mimoradne_Zvyseni_ButtonClick(); });
    connect(special_, &RadioGroup::itemClicked, this, [this] { Specialni_RadioGroupClick(); });
    connect(xSpecial, &QToolButton::clicked, this, [this] { Specialni_ButtonClick(); });
    connect(raise_, &QRadioButton::clicked, this, [this] { Zvyseni_Procento_Tarif_RadioClick(); });
    connect(lower_, &QRadioButton::clicked, this, [this] { Zvyseni_Procento_Tarif_RadioClick(); });
    connect(xPercentage, &QToolButton::clicked, this, [this] { Zrusit_Upravy_TarifuClick(); });
    // toggled, not clicked: unticking by the program (reset, loading, the 2014 check) has the same effect.
    connect(check14b_, &QCheckBox::toggled, this, [this] { FormularovaZaloba_CheckBoxClick(); });
    connect(addFull, &QPushButton::clicked, this, [this] { pridat_ukonClick(false); });
    connect(addHalf, &QPushButton::clicked, this, [this] { pridat_ukonClick(true); });
    connect(remove, &QPushButton::clicked, this, [this] { Button14Click(); });
    connect(grid_, &QTableWidget::cellDoubleClicked, this, [this] { Button14Click(); });
    connect(compute_, &QPushButton::clicked, this, [this] { Tarif_VypocitatClick(); });
    connect(reset, &QPushButton::clicked, this, [this] { Button2Click(); });
    connect(regulation, &QPushButton::clicked, this, [this] { Predpis_177_1996Click(); });
    connect(save, &QPushButton::clicked, this, [this] { Tarif_Ulozit_ButtonClick(); });
    connect(load, &QPushButton::clicked, this, [this] { Tarif_Nacist_ButtonClick(); });

    // On a small screen the page scrolls instead of forcing every page of the window to its height.
    return scrollingArea(page, QStringLiteral("Tarif_Zakladni_Scroll"));
}

QWidget* TariffPage::buildSummaryPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("Tarif_Sumarizace_TabSheet"));
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(4, 4, 4, 4);
    summary_ = new SummaryBox(host_, {QStringLiteral("Tarif_RichEdit"), QStringLiteral("ToolButton3"),
                                      QStringLiteral("ToolButton4"), QStringLiteral("ToolButton12"),
                                      QStringLiteral("Odměna - advokátní tarif"), QStringLiteral("tarif")},
                              page);
    auto* toTxt = new QToolButton(summary_->toolBar());
    toTxt->setObjectName(QStringLiteral("Button84"));
    toTxt->setText(QStringLiteral("Vložit do záložky TXT"));
    toTxt->setToolButtonStyle(Qt::ToolButtonTextOnly);
    summary_->toolBar()->addSeparator();
    summary_->toolBar()->addWidget(toTxt);
    keepRecords_ = new QCheckBox(QStringLiteral("Ponechat záznamy (nevymazávat záznamy)"), summary_->toolBar());
    keepRecords_->setObjectName(QStringLiteral("CheckBox1"));
    summary_->toolBar()->addSeparator();
    summary_->toolBar()->addWidget(keepRecords_);
    connect(toTxt, &QToolButton::clicked, this, [this] { Button84Click(); });
    layout->addWidget(summary_);
    return page;
}

QWidget* TariffPage::buildPetitionPage() {
    PetitionSection::Names names;
    names.page = QStringLiteral("Tarif_Petit_TabSheet");
    names.resultMemo = QStringLiteral("Tarif_Petit_Memo%1");
    names.copyButtons = {QStringLiteral("BitBtn95"), QStringLiteral("BitBtn96"), QStringLiteral("BitBtn97")};
    names.formGroup = QStringLiteral("Tarif_Podoba_GroupBox");
    names.formTitle = QStringLiteral("Podoba petitů");
    names.days = QStringLiteral("Tarif_Dnu_Text");
    names.from = QStringLiteral("Tarif_Od_Radio");
    names.defendant = QStringLiteral("Tarif_Zalovany_Radio");
    names.claimant = QStringLiteral("Tarif_Zalobce_Radio");
    names.templatesGroup = QStringLiteral("Tarif_Vzory_GroupBox");
    names.templatesTitle = QStringLiteral("Vzory petitů");
    names.templateMemo = QStringLiteral("Vzor_Tarif_Memo%1");
    names.saveButton = QStringLiteral("Button64");
    petition_ = new PetitionSection(names, {tariff::defaultPetitionTemplate(0), tariff::defaultPetitionTemplate(1),
                                            tariff::defaultPetitionTemplate(2)});
    connect(petition_, &PetitionSection::optionsChanged, this, [this] { Tarif_Zalovany_RadioClick(); });
    connect(petition_, &PetitionSection::saveClicked, this, [this] { SavePetitButtonClick(); });
    return scrollingArea(petition_, QStringLiteral("Tarif_Petit_Scroll"));
}

QWidget* TariffPage::buildVariablesPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("Tarif_Promenne_TabSheet"));
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(4, 4, 4, 4);
    auto* memo = new QPlainTextEdit(page);
    memo->setObjectName(QStringLiteral("Tarif_Promenne_Memo"));
    memo->setReadOnly(true);
    memo->setPlainText(qlines(tariff::petitionVariableHelp()).join(QLatin1Char('\n')));
    layout->addWidget(memo);
    return page;
}

void TariffPage::readSettings() {
    Settings& settings = host_.data().settings();
    vatPayer_->setChecked(settings.getBool(setting::VatPayer, false));
    connectVatPayerBox(vatPayer_, settings, host_.mainWindow());
    petition_->loadTemplates(settings, kPetitionKeys);
    tarifni_hodnota_editChange();
}

// ---------------------------------------------------------------- helpers

void TariffPage::setPersons(int n) { persons_->setText(QString::number(std::clamp(n, 0, 100))); }

std::vector<tariff::ActRow> TariffPage::actRows() const {
    std::vector<tariff::ActRow> rows;
    for (int r = 0; r < grid_->rowCount(); ++r)
        rows.push_back({ss(cellText(grid_, r, 0)), ss(cellText(grid_, r, 1)), ss(cellText(grid_, r, 2))});
    return rows;
}

void TariffPage::setActRows(const std::vector<tariff::ActRow>& rows) {
    grid_->setRowCount(std::max<int>(1, static_cast<int>(rows.size())));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        setCellText(grid_, r, 0, qs(rows[static_cast<size_t>(r)].date));
        setCellText(grid_, r, 1, qs(rows[static_cast<size_t>(r)].description));
        setCellText(grid_, r, 2, qs(rows[static_cast<size_t>(r)].kind));
    }
    updateActListCaption(grid_, actsGroup_);
}

void TariffPage::showResults() {
    const double values[] = {calc_.feeTotal,  calc_.lumpSumTotal, calc_.vatOnFees,
                             calc_.vatOnLumpSums, calc_.vatTotal(), calc_.grandTotal()};
    for (size_t i = 0; i < 6; ++i) results_[i]->setText(qs(Format_Castky(values[i])));
}

// ---------------------------------------------------------------- handlers

void TariffPage::Tarif_VypocitatClick() {
    runAction(this, [&] {
        if (value_->text().isEmpty()) return;
        tariff::TariffForm in;
        const int kind = kinds_->currentIndex();
        in.kind = kind >= 0 ? std::optional<int>(kind) : std::nullopt;
        in.tariffValue = ss(value_->text());
        in.persons = static_cast<int>(parseInteger(ss(persons_->text())));
        const tariff::Scaling scalings[] = {tariff::Scaling::Triple, tariff::Scaling::Halve};
        const tariff::Appointment appointments[] = {tariff::Appointment::ExOfficioDefence,
                                                    tariff::Appointment::Representative,
                                                    tariff::Appointment::ChildsGuardian};
        in.scaling = extraordinary_->itemIndex() >= 0 ? scalings[extraordinary_->itemIndex()] : tariff::Scaling::None;
        in.appointment = special_->itemIndex() >= 0 ? appointments[special_->itemIndex()] : tariff::Appointment::None;
        in.adjustment = lower_->isChecked()   ? tariff::FeeAdjustment::Lower
                        : raise_->isChecked() ? tariff::FeeAdjustment::Raise
                                              : tariff::FeeAdjustment::None;
        in.raiseText = ss(raiseEdit_->text());
        in.lowerText = ss(lowerEdit_->text());
        in.vatPayer = vatPayer_->isChecked();
        in.par14b = check14b_->isChecked();
        in.acts = actRows();
        in.defaultDate = fromQDate(date_->date());
        in.defaultDescription = ss(fullActs_->currentText());

        const auto tables = tariff::Tables::load(host_.data().paths().programDir);
        tariff::TariffResult result = tariff::Vypocitat(in, tables);

        setActRows(result.acts);
        if (result.par14bRemoved) {
            check14b_->setChecked(false);
            showMessage(this, qs(tariff::k14bRemovedMessage));
        }
        calc_ = std::move(result.calc);
        showResults();
        if (!keepRecords_->isChecked()) summary_->clear();
        summary_->appendLines(qlines(tariff::summaryLines(calc_)));
        summary_->edit()->document()->setDefaultFont(QFont(QStringLiteral("Times New Roman"), 12));
        Tarif_Zalovany_RadioClick();
    });
}

void TariffPage::pridat_ukonClick(bool halfAct) {
    const int last = grid_->rowCount() - 1;
    if (last < 0 || !cellText(grid_, last, 0).isEmpty()) grid_->setRowCount(grid_->rowCount() + 1);
    const int row = grid_->rowCount() - 1;
    setCellText(grid_, row, 0, qs(formatDate(fromQDate(date_->date()))));
    setCellText(grid_, row, 1, halfAct ? halfActs_->currentText() : fullActs_->currentText());
    setCellText(grid_, row, 2, qs(halfAct ? tariff::kHalfActKind : tariff::kFullActKind));
    actsGroup_->setTitle(QStringLiteral("Právní úkony: %1 právní úkony").arg(grid_->rowCount()));
}

void TariffPage::Button14Click() { PU_SGDblClick(grid_, actsGroup_); }

void TariffPage::Tarif_Druh_RizeniClick() {
    runAction(this, [&] {
        const int kind = kinds_->currentIndex();
        if (kind == 0) {
            compute_->setEnabled(true);
            value_->setText(QStringLiteral("0"));
            value_->setReadOnly(false);
            QPalette pal = value_->palette();
            pal.setColor(QPalette::Text, kEditableValue);
            value_->setPalette(pal);
            return;
        }
        const auto special = IniFile::load(host_.data().programFile("tarif_specialni.ini"));
        const std::string v = tariff::Tarifni_Zaklad(special, ss(value_->text()), kind, fromQDate(date_->date()));
        if (Je_Cislo(v)) {
            value_->setText(qs(v));
            value_->setReadOnly(true);
            QPalette pal = value_->palette();
            pal.setColor(QPalette::Text, kFixedValue);
            value_->setPalette(pal);
            compute_->setEnabled(true);
        } else {
            // The table holds a note for this kind (none at all when no kind matched the search).
            compute_->setEnabled(false);
            showMessage(this, v.empty() && kind < 0 ? QStringLiteral("Hledanému textu neodpovídá žádný druh řízení.")
                                                    : qs(v));
        }
    });
}

void TariffPage::Hledat_TarifChange(bool next) {
    const std::string needle = asciiUpper(ss(search_->text()));
    auto findFrom = [&](int start) {
        for (int i = std::max(0, start); i < kinds_->count(); ++i)
            if (asciiUpper(ss(kinds_->itemText(i))).find(needle) != std::string::npos) return i;
        return -1;
    };
    const int start = next ? kinds_->currentIndex() + 1 : 0;
    int found = findFrom(start);
    if (found >= 0) {
        kinds_->setCurrentIndex(found);
    } else if (next) {
        kinds_->setCurrentIndex(0);
        found = findFrom(0);
        if (found >= 0) kinds_->setCurrentIndex(found);
    }
    Tarif_Druh_RizeniClick();
}

void TariffPage::tarifni_hodnota_editChange() {
    const QString t = value_->text();
    const auto v = tryParseDecimal(ss(t));
    valueLabel_->setText(t.isEmpty() || !v ? QString() : qs(Format_Castky(*v)));
}

void TariffPage::Mimoradne_Zvyseni_RadioGroupClick() { setGroupHighlight(extraordinary_, true); }

void TariffPage::Mimoradne_Zvyseni_ButtonClick() {
    extraordinary_->setItemIndex(-1);
    setGroupHighlight(extraordinary_, false);
}

void TariffPage::Specialni_RadioGroupClick() {
    setGroupHighlight(special_, true);
    check14b_->setChecked(false);
}

void TariffPage::Specialni_ButtonClick() {
    special_->setItemIndex(-1);
    setGroupHighlight(special_, false);
}

void TariffPage::Zvyseni_Procento_Tarif_RadioClick() { setGroupHighlight(percentageGroup_, true); }

void TariffPage::Zrusit_Upravy_TarifuClick() {
    raise_->setAutoExclusive(false);
    lower_->setAutoExclusive(false);
    raise_->setChecked(false);
    lower_->setChecked(false);
    raise_->setAutoExclusive(true);
    lower_->setAutoExclusive(true);
    setGroupHighlight(percentageGroup_, false);
}

void TariffPage::FormularovaZaloba_CheckBoxClick() {
    if (check14b_->isChecked()) {
        Specialni_ButtonClick();
        setGroupHighlight(group14b_, true);
    } else {
        setGroupHighlight(group14b_, false);
    }
}

void TariffPage::Button2Click() {
    for (QLineEdit* e : results_) e->clear();
    value_->setText(QStringLiteral("0"));
    persons_->setText(QStringLiteral("1"));
    Vymaz_StringGrid(grid_);
    updateActListCaption(grid_, actsGroup_);
    check14b_->setChecked(false);
}

void TariffPage::copyResult(int button) {
    const int field = button / 2;
    if (button % 2 == 0) {
        QApplication::clipboard()->setText(results_[static_cast<size_t>(field)]->text());
        return;
    }
    const double values[] = {calc_.feeTotal,  calc_.lumpSumTotal, calc_.vatOnFees,
                             calc_.vatOnLumpSums, calc_.vatTotal(), calc_.grandTotal()};
    QApplication::clipboard()->setText(qs(Format_Cislo(values[field])));
}

void TariffPage::Predpis_177_1996Click() {
    QString path;
    if (!runAction(this, [&] {
            path = qpath(datedRegulationFile(host_.data().paths().programDir, "177_1996_", "za_ukon.ini",
                                             fromQDate(date_->date())));
        }))
        return;
    host_.showRegulation(path);
}

void TariffPage::Tarif_Ulozit_ButtonClick() {
    FileDialogRequest r;
    r.save = true;
    r.title = QStringLiteral("Uložit sestavu");
    r.directory = qpath(host_.data().paths().dataDir);
    r.filter = QStringLiteral("Verdika (*.vrd)");
    r.defaultSuffix = QStringLiteral("vrd");
    const QString path = askFileName(this, r);
    if (path.isEmpty()) return;
    runAction(this, [&] {
        tariff::TariffForm s;
        const int kind = kinds_->currentIndex();
        s.kind = kind >= 0 ? std::optional<int>(kind) : std::nullopt;
        s.tariffValue = ss(value_->text());
        s.vatPayer = vatPayer_->isChecked();
        s.adjustment = lower_->isChecked()   ? tariff::FeeAdjustment::Lower
                       : raise_->isChecked() ? tariff::FeeAdjustment::Raise
                                             : tariff::FeeAdjustment::None;
        s.raiseText = ss(raiseEdit_->text());
        s.lowerText = ss(lowerEdit_->text());
        s.appointment = static_cast<tariff::Appointment>(special_->itemIndex() + 1);
        s.scaling = static_cast<tariff::Scaling>(extraordinary_->itemIndex() + 1);
        s.par14b = check14b_->isChecked();
        s.acts = actRows();
        tariff::saveCalculation(fspath(path), s);
    });
}

void TariffPage::Tarif_Nacist_ButtonClick() {
    FileDialogRequest r;
    r.title = QStringLiteral("Načíst sestavu");
    r.directory = qpath(host_.data().paths().dataDir);
    r.filter = QStringLiteral("Verdika (*.vrd)");
    r.defaultSuffix = QStringLiteral("vrd");
    const QString path = askFileName(this, r);
    if (path.isEmpty()) return;
    runAction(this, [&] {
        const tariff::TariffForm s = tariff::loadCalculation(fspath(path));
        // The kind is selected without its change action: the value field keeps its state.
        kinds_->setCurrentIndex(s.kind.value_or(-1));
        value_->setText(qs(s.tariffValue));
        vatPayer_->setChecked(s.vatPayer);
        Naklad_DPH_CheckClick(vatPayer_, host_.data().settings(), host_.mainWindow());
        if (s.adjustment != tariff::FeeAdjustment::None) {
            (s.adjustment == tariff::FeeAdjustment::Lower ? lower_ : raise_)->setChecked(true);
            Zvyseni_Procento_Tarif_RadioClick();
        } else {
            Zrusit_Upravy_TarifuClick();
        }
        raiseEdit_->setText(qs(s.raiseText));
        lowerEdit_->setText(qs(s.lowerText));
        if (s.appointment != tariff::Appointment::None) {
            special_->setItemIndex(static_cast<int>(s.appointment) - 1);
            Specialni_RadioGroupClick();
        } else {
            Specialni_ButtonClick();
        }
        if (s.scaling != tariff::Scaling::None) {
            extraordinary_->setItemIndex(static_cast<int>(s.scaling) - 1);
            Mimoradne_Zvyseni_RadioGroupClick();
        } else {
            Mimoradne_Zvyseni_ButtonClick();
        }
        check14b_->setChecked(s.par14b);
        if (!s.acts.empty()) setActRows(s.acts);
    });
}

void TariffPage::Button84Click() {
    const bool keep = confirm(this, QStringLiteral("Hodláte exportovat záznamy tarifní odměny do záložky TXT.\n"
                                                   "Přejete si ponechat předchozí obsah v záložce TXT? Stiskněte ano.\n"
                                                   "Pokud stisknete ne, data budou předchozí data vymazána."));
    host_.appendToTxt(summary_->lines(), keep);
    host_.showPage(kTxtPage);
}

void TariffPage::Tarif_Zalovany_RadioClick() {
    runAction(this, [&] {
        const Settings& settings = host_.data().settings();
        const std::string name = settings.getString(setting::UserNameGenitive);
        const std::string account = settings.getString(setting::UserAccount);
        const auto vars = tariff::petitionVariables(calc_, petition_->defendant(), petition_->claimant());
        std::array<std::string, 3> texts;
        for (size_t k = 0; k < 3; ++k)
            texts[k] = Vypln_Petit(petition_->templateLines(static_cast<int>(k)), vars, ss(petition_->days()),
                                   ss(petition_->from()), name, account);
        petition_->showPetitions(texts);
    });
}

void TariffPage::SavePetitButtonClick() {
    runAction(this, [&] { petition_->saveTemplates(host_.data().settings(), kPetitionKeys); });
}

void TariffPage::copyPetition(int index) { petition_->copyPetition(index); }

}  // namespace verdika::ui
