#include "costs/costs_page.h"

#include <QPlainTextEdit>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>

#include "app/data_module.h"
#include "app/settings.h"
#include "app/ui/page_host.h"
#include "common/text.h"
#include "common/ui/action.h"
#include "common/ui/desktop.h"
#include "common/ui/messages.h"
#include "common/ui/qt_convert.h"
#include "common/ui/scrolling.h"
#include "common/ui/summary_box.h"
#include "costs/petitions.h"
#include "costs/word_export.h"
#include "costs/ui/cost_results.h"
#include "costs/ui/monetary_tab.h"
#include "costs/ui/nonmonetary_tab.h"
#include "costs/ui/side_tabs.h"
#include "costs/ui/word_export_panel.h"
#include "reference/regulations.h"
#include "tariff/ui/petition_section.h"

namespace verdika::ui {
namespace {

const std::array<SettingKey, 3> kPetitionKeys = {setting::CostsPetition1, setting::CostsPetition2,
                                                 setting::CostsPetition3};

QString joined(const std::vector<std::string>& lines) { return toQStringList(lines).join(QLatin1Char('\n')); }

}  // namespace

CostsPage::CostsPage(PageHost& host, QWidget* parent) : QWidget(parent), host_(host) {
    setObjectName(QStringLiteral("TabSheet1"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    subPages_ = new SideTabWidget(this);
    subPages_->setObjectName(QStringLiteral("PageControl2"));
    monetary_ = new MonetaryTab(*this);
    nonMonetary_ = new NonMonetaryTab(*this);
    subPages_->addTab(monetary_, QStringLiteral("484/2000 Sb. Zrušeno"));
    subPages_->addTab(nonMonetary_, QStringLiteral("Nepeněžité plnění"));
    subPages_->addTab(buildSummaryPage(), QStringLiteral("Sumarizace + TISK"));
    subPages_->addTab(buildPetitionPage(), QStringLiteral("Žalobní petit"));
    word_ = new WordExportPanel;
    subPages_->addTab(word_, QStringLiteral("Export MS Word"));
    subPages_->addTab(buildVariablesPage(), QStringLiteral("Proměnné pro petit"));
    layout->addWidget(subPages_);
    readSettings();
    connect(word_, &WordExportPanel::pickRequested, this, [this] { pickWordDocument(); });
    connect(word_, &WordExportPanel::replaceRequested, this, [this] { replaceInWord(); });
}

void CostsPage::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (shownOnce_) return;
    shownOnce_ = true;
    // The first time the page is shown, the principal waits for the amount.
    if (subPages_->currentWidget() == monetary_) monetary_->firstInput()->setFocus();
}

// ---------------------------------------------------------------- layout

QWidget* CostsPage::buildSummaryPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("Naklady_Sumarizace_TabSheet"));
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(4, 4, 4, 4);
    summary_ = new SummaryBox(host_, {QStringLiteral("Naklady_Rizeni_Richedit"), QStringLiteral("ToolButton1"),
                                      QStringLiteral("ToolButton2"), QStringLiteral("ToolButton10"),
                                      QStringLiteral("Náklady řízení"), QStringLiteral("naklady")},
                              page);
    summary_->addRecordTools(QStringLiteral("Ponechat_CheckBox"), QStringLiteral("Button85"));
    connect(summary_, &SummaryBox::toTxtRequested, this, [this] { Button85Click(); });
    layout->addWidget(summary_);
    return page;
}

QWidget* CostsPage::buildPetitionPage() {
    PetitionSection::Names names;
    names.page = QStringLiteral("Naklady_Petit_TabSheet");
    names.resultsGroup = QStringLiteral("Naklady_Petity_GroupBox");
    names.resultsTitle = QStringLiteral("Žalobní petity");
    names.resultMemo = QStringLiteral("petit_%1_memo");
    names.copyButtons = {QStringLiteral("Naklady_Petit_Kopirovat1"), QStringLiteral("Naklady_Petit_Kopirovat2"),
                         QStringLiteral("Naklady_Petit_Kopirovat3")};
    names.formGroup = QStringLiteral("Naklady_Podoba_GroupBox");
    names.formTitle = QStringLiteral("podoba petitů");
    names.days = QStringLiteral("do_edit");
    names.from = QStringLiteral("od_combo");
    names.defendant = QStringLiteral("zalovany_radio");
    names.claimant = QStringLiteral("zalobce_radio");
    names.templatesGroup = QStringLiteral("Naklady_Vzor_GroupBox");
    names.templatesTitle = QStringLiteral("Vzor petitu ");
    names.templateMemo = QStringLiteral("petit_%1_vzor");
    names.note = QStringLiteral("Proměnné viz záložka „Proměnné pro petit“.");
    names.saveButton = QStringLiteral("SavePetitButton");
    petition_ = new PetitionSection(names, {costs::defaultPetitionTemplate(0), costs::defaultPetitionTemplate(1),
                                            costs::defaultPetitionTemplate(2)});
    connect(petition_, &PetitionSection::optionsChanged, this, [this] { refillPetitions(); });
    connect(petition_, &PetitionSection::saveClicked, this, [this] { SavePetitButtonClick(); });
    return scrollingArea(petition_, QStringLiteral("Naklady_Petit_Scroll"));
}

QWidget* CostsPage::buildVariablesPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("Naklady_Promenne_TabSheet"));
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(4, 4, 4, 4);
    auto* memo = new QPlainTextEdit(page);
    memo->setObjectName(QStringLiteral("Naklady_Promenne_Memo"));
    memo->setReadOnly(true);
    memo->setPlainText(joined(costs::petitionVariableHelp()));
    layout->addWidget(memo);
    return page;
}

void CostsPage::readSettings() { petition_->loadTemplates(host_.data().settings(), kPetitionKeys); }

// ---------------------------------------------------------------- handlers

void CostsPage::publish(const costs::TNaklady_rizeni& record, const std::vector<std::string>& summaryLines) {
    record_ = record;
    monetary_->results()->followRecord(record_);
    nonMonetary_->results()->followRecord(record_);
    zalovany_radioClick();
    summary_->showLines(toQStringList(summaryLines));
}

void CostsPage::showDecree(Date date) {
    QString path;
    if (!runAction(this, [&] {
            path = qpath(datedRegulationFile(host_.data().paths().programDir, "484_2000_", costs::kScaleTable, date));
        }))
        return;
    host_.showRegulation(path);
}

void CostsPage::zalovany_radioClick() {
    const Settings& settings = host_.data().settings();
    costs::PetitionForm form;
    for (size_t k = 0; k < 3; ++k) form.templates[k] = petition_->templateLines(static_cast<int>(k));
    form.days = ss(petition_->days());
    form.from = ss(petition_->from());
    form.defendant = petition_->defendant();
    form.claimant = petition_->claimant();
    form.attorneyName = settings.getString(setting::UserNameGenitive);
    form.account = settings.getString(setting::UserAccount);
    const auto texts = costs::fillPetitions(record_, form);
    record_.petit1 = texts[0];
    record_.petit2 = texts[1];
    record_.petit3 = texts[2];
    petition_->showPetitions(texts);
}

void CostsPage::refillPetitions() {
    runAction(this, [&] { zalovany_radioClick(); });
}

void CostsPage::SavePetitButtonClick() {
    runAction(this, [&] { petition_->saveTemplates(host_.data().settings(), kPetitionKeys); });
}

void CostsPage::Button85Click() {
    summary_->sendToTxt(QStringLiteral("Hodláte exportovat záznamy náklady řízení do záložky TXT.\n"
                                       "Přejete si ponechat předchozí obsah v záložce TXT? Stiskněte ano.\n"
                                       "Pokud stisknete ne, data budou předchozí data vymazána."));
}

void CostsPage::copyPetition(int index) { petition_->copyPetition(index); }

void CostsPage::pickWordDocument() {
    FileDialogRequest r;
    r.title = QStringLiteral("Vybrat dokument Wordu");
    r.directory = qpath(host_.data().paths().dataDir);
    r.filter = QStringLiteral("Dokument Word (*.docx)");
    r.defaultSuffix = QStringLiteral("docx");
    const QString path = askFileName(this, r);
    if (path.isEmpty()) return;
    word_->addDocument(path);
}

void CostsPage::replaceInWord() {
    const QString chosen = word_->chosenDocument();
    if (chosen.isEmpty()) {
        showMessage(this, QStringLiteral("Musíte vybrat nějaký dokument Word."));
        return;
    }
    QString written;
    if (!runAction(this, [&] {
            zalovany_radioClick();
            written = qpath(costs::exportToWord(fspath(chosen), word_->placeholders(), record_));
        }))
        return;
    openWithDesktop(written);
}

void CostsPage::Generovat_PRClick() {
    QString written;
    if (!runAction(this, [&] {
            zalovany_radioClick();
            written = qpath(costs::generatePaymentOrder(host_.data().paths().dataDir, record_,
                                                        ss(petition_->result(0)->toPlainText()), now()));
        }))
        return;
    openWithDesktop(written);
}

void CostsPage::Button102Click() {
    QString path;
    if (!runAction(this, [&] { path = qpath(costs::provisionPaymentOrderTemplate(host_.data().paths().dataDir)); }))
        return;
    openWithDesktop(path);
}

}  // namespace verdika::ui
