#include "tariff/tariff_page.h"

#include <QCheckBox>
#include <QFont>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTextEdit>
#include <QVBoxLayout>
#include <array>

#include "app/data_module.h"
#include "app/settings.h"
#include "app/ui/page_host.h"
#include "common/numbers.h"
#include "common/ui/action.h"
#include "common/ui/controls.h"
#include "common/ui/deferred_page.h"
#include "common/ui/first_focus.h"
#include "common/ui/desktop.h"
#include "common/ui/messages.h"
#include "common/ui/qt_convert.h"
#include "common/ui/scrolling.h"
#include "common/ui/summary_box.h"
#include "common/ui/vat_payer.h"
#include "reference/regulations.h"
#include "tariff/petition.h"
#include "tariff/saved_calculation.h"
#include "tariff/ui/tariff_act_list.h"
#include "tariff/ui/options_box.h"
#include "tariff/ui/petition_section.h"
#include "tariff/ui/proceedings_box.h"
#include "tariff/ui/results_box.h"

namespace verdika::ui {
namespace {

const std::array<SettingKey, 3> kPetitionKeys = {setting::TariffPetition1, setting::TariffPetition2,
                                                 setting::TariffPetition3};

FileDialogRequest calculationDialog(const QString& title, bool save, const std::filesystem::path& dataDir) {
    FileDialogRequest r;
    r.save = save;
    r.title = title;
    r.directory = qpath(dataDir);
    r.filter = QStringLiteral("Verdika (*.vrd)");
    r.defaultSuffix = QStringLiteral("vrd");
    return r;
}

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
    // The start page: the other sub-pages are made when first shown (the summary also by a calculation).
    summaryPage_ = new DeferredPage(QStringLiteral("Tarif_Sumarizace"), [this] { return buildSummaryPage(); });
    petitionPage_ = new DeferredPage(QStringLiteral("Tarif_Petit"), [this] { return buildPetitionPage(); });
    subPages_->addTab(summaryPage_, QStringLiteral("Sumarizace + TISK"));
    subPages_->addTab(petitionPage_, QStringLiteral("Žalobní petit"));
    subPages_->addTab(new DeferredPage(QStringLiteral("Tarif_Promenne"), [this] { return buildVariablesPage(); }),
                      QStringLiteral("Proměnné pro petit"));
    layout->addWidget(subPages_);
    readSettings();
    // A new user starts by typing the tariff value.
    focusWhenFirstShown(this, head_->valueEdit());
}

SummaryBox* TariffPage::summary() {
    summaryPage_->content();
    return summary_;
}

// ---------------------------------------------------------------- layout

QWidget* TariffPage::buildBasicPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("Tarif_Zakladni_TabSheet"));
    auto* outer = new QVBoxLayout(page);
    outer->setContentsMargins(6, 6, 6, 6);
    outer->setSpacing(6);
    head_ = new ProceedingsBox(page);
    outer->addWidget(head_);
    auto* middle = new QHBoxLayout;
    middle->setSpacing(8);
    options_ = new TariffOptionsBox(page);
    middle->addWidget(options_);
    acts_ = new TariffActList(page);
    middle->addWidget(acts_, 1);
    outer->addLayout(middle, 1);
    outer->addLayout(buildButtons(page));
    results_ = new TariffResultsBox(page);
    outer->addWidget(results_);

    connect(head_, &ProceedingsBox::kindChosen, this, &TariffPage::Tarif_Druh_RizeniClick);
    // Enter in the value computes, as the page's default button would.
    connect(head_, &ProceedingsBox::valueEntered, this, &TariffPage::Tarif_VypocitatClick);
    // On a small screen the page scrolls instead of forcing every page of the window to its height.
    return scrollingArea(page, QStringLiteral("Tarif_Zakladni_Scroll"));
}

QLayout* TariffPage::buildButtons(QWidget* page) {
    auto* row = new QHBoxLayout;
    compute_ = pushButton(QStringLiteral("Tarif_Vypocitat"), QStringLiteral("Vypočítat"), page);
    QFont bold = compute_->font();
    bold.setBold(true);
    compute_->setFont(bold);
    auto* reset = pushButton(QStringLiteral("Button2"), QStringLiteral("Vynulovat"), page);
    auto* regulation = pushButton(QStringLiteral("Predpis_177_1996"), QStringLiteral("Zobraz předpis 177/1996 Sb."), page);
    auto* save = pushButton(QStringLiteral("Tarif_Ulozit_Button"), QStringLiteral("Uložit sestavu"), page);
    auto* load = pushButton(QStringLiteral("Tarif_Nacist_Button"), QStringLiteral("Načíst sestavu"), page);
    for (QWidget* w : {compute_, reset, regulation}) row->addWidget(w);
    row->addStretch();
    row->addWidget(save);
    row->addWidget(load);
    connect(compute_, &QPushButton::clicked, this, &TariffPage::Tarif_VypocitatClick);
    connect(reset, &QPushButton::clicked, this, &TariffPage::Button2Click);
    connect(regulation, &QPushButton::clicked, this, &TariffPage::Predpis_177_1996Click);
    connect(save, &QPushButton::clicked, this, &TariffPage::Tarif_Ulozit_ButtonClick);
    connect(load, &QPushButton::clicked, this, &TariffPage::Tarif_Nacist_ButtonClick);
    return row;
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
    summary_->addRecordTools(QStringLiteral("CheckBox1"), QStringLiteral("Button84"));
    connect(summary_, &SummaryBox::toTxtRequested, this, &TariffPage::Button84Click);
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
    connect(petition_, &PetitionSection::optionsChanged, this, &TariffPage::Tarif_Zalovany_RadioClick);
    connect(petition_, &PetitionSection::saveClicked, this, &TariffPage::SavePetitButtonClick);
    runAction(this, [&] { petition_->loadTemplates(host_.data().settings(), kPetitionKeys); });
    // Made after a calculation: its petitions, as they would have been filled then.
    if (computed_) Tarif_Zalovany_RadioClick();
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
    memo->setPlainText(toQStringList(tariff::petitionVariableHelp()).join(QLatin1Char('\n')));
    layout->addWidget(memo);
    return page;
}

void TariffPage::readSettings() {
    Settings& settings = host_.data().settings();
    head_->vatPayer()->setChecked(settings.get(setting::VatPayer));
    connectVatPayerBox(head_->vatPayer(), settings, host_.mainWindow());
}

// ---------------------------------------------------------------- form

tariff::TariffForm TariffPage::form() const {
    tariff::TariffForm f;
    f.kind = head_->kind();
    f.tariffValue = ss(head_->tariffValue());
    f.persons = head_->persons();
    f.vatPayer = head_->vatPayer()->isChecked();
    options_->readInto(f);
    f.acts = acts_->rows();
    f.defaultDate = acts_->date();
    f.defaultDescription = ss(acts_->fullActText());
    return f;
}

void TariffPage::setForm(const tariff::TariffForm& f) {
    head_->setKind(f.kind);
    head_->setTariffValue(qs(f.tariffValue));
    head_->vatPayer()->setChecked(f.vatPayer);
    Naklad_DPH_CheckClick(head_->vatPayer(), host_.data().settings(), host_.mainWindow());
    options_->setOptions(f);
    if (!f.acts.empty()) acts_->setRows(f.acts);
}

// ---------------------------------------------------------------- handlers

void TariffPage::Tarif_VypocitatClick() {
    runAction(this, [&] {
        if (head_->tariffValue().isEmpty() || !compute_->isEnabled()) return;
        const auto tables = tariff::Tables::load(host_.data().paths().programDir);
        showCalculation(tariff::Vypocitat(form(), tables));
    });
}

void TariffPage::showCalculation(tariff::TariffResult result) {
    acts_->setRows(result.acts);
    if (result.par14bRemoved) {
        options_->setPar14b(false);
        showMessage(this, qs(tariff::k14bRemovedMessage));
    }
    calc_ = std::move(result.calc);
    computed_ = true;
    results_->showCalculation(calc_);
    summary()->showLines(toQStringList(tariff::summaryLines(calc_)));
    summary_->edit()->document()->setDefaultFont(QFont(QStringLiteral("Times New Roman"), 12));
    Tarif_Zalovany_RadioClick();
}

void TariffPage::Tarif_Druh_RizeniClick() {
    runAction(this, [&] {
        const std::optional<int> kind = head_->kind();
        if (kind == 0) {
            compute_->setEnabled(true);
            head_->showTypedValue();
            return;
        }
        std::string v;
        if (kind) {
            const auto special = IniFile::load(host_.data().programFile("tarif_specialni.ini"));
            v = tariff::Tarifni_Zaklad(special, ss(head_->tariffValue()), *kind, acts_->date());
        }
        if (Je_Cislo(v)) {
            head_->showFixedValue(qs(v));
            compute_->setEnabled(true);
            return;
        }
        // The table holds a note for this kind (nothing when no kind matched the search).
        compute_->setEnabled(false);
        if (!kind) showMessage(this, QStringLiteral("Hledanému textu neodpovídá žádný druh řízení."));
        else if (v.empty())
            showMessage(this, QStringLiteral("Tabulka tarif_specialni.ini neuvádí pro tento druh řízení ke dni %1 "
                                             "tarifní hodnotu.")
                                  .arg(qs(formatDate(acts_->date()))));
        else showMessage(this, qs(v));
    });
}

void TariffPage::Button2Click() {
    results_->clear();
    head_->setTariffValue(QStringLiteral("0"));
    head_->setPersons(1);
    acts_->clear();
    options_->setPar14b(false);
}

void TariffPage::Predpis_177_1996Click() {
    QString path;
    if (!runAction(this, [&] {
            path = qpath(datedRegulationFile(host_.data().paths().programDir, "177_1996_", "za_ukon.ini",
                                             acts_->date()));
        }))
        return;
    host_.showRegulation(path);
}

void TariffPage::Tarif_Ulozit_ButtonClick() {
    const QString path =
        askFileName(this, calculationDialog(QStringLiteral("Uložit sestavu"), true, host_.data().paths().dataDir));
    if (path.isEmpty()) return;
    runAction(this, [&] { tariff::saveCalculation(fspath(path), form()); });
}

void TariffPage::Tarif_Nacist_ButtonClick() {
    const QString path =
        askFileName(this, calculationDialog(QStringLiteral("Načíst sestavu"), false, host_.data().paths().dataDir));
    if (path.isEmpty()) return;
    runAction(this, [&] { setForm(tariff::loadCalculation(fspath(path))); });
}

void TariffPage::Button84Click() {
    summary_->sendToTxt(QStringLiteral("Hodláte exportovat záznamy tarifní odměny do záložky TXT.\n"
                                       "Přejete si ponechat předchozí obsah v záložce TXT? Stiskněte ano.\n"
                                       "Pokud stisknete ne, data budou předchozí data vymazána."));
}

void TariffPage::Tarif_Zalovany_RadioClick() {
    if (!petition_) return;  // filled when the sub-page is made
    runAction(this, [&] {
        const Settings& settings = host_.data().settings();
        const std::string name = settings.get(setting::UserNameGenitive);
        const std::string account = settings.get(setting::UserAccount);
        const auto vars = tariff::petitionVariables(calc_, petition_->defendant(), petition_->claimant());
        std::array<std::string, 3> texts;
        for (std::size_t k = 0; k < 3; ++k)
            texts[k] = Vypln_Petit(petition_->templateLines(static_cast<int>(k)), vars, ss(petition_->days()),
                                   ss(petition_->from()), name, account);
        petition_->showPetitions(texts);
    });
}

void TariffPage::SavePetitButtonClick() {
    runAction(this, [&] { petition_->saveTemplates(host_.data().settings(), kPetitionKeys); });
}

}  // namespace verdika::ui
