#include "costs/costs_page.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFont>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
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
#include "common/text.h"
#include "common/ui/action.h"
#include "common/ui/desktop.h"
#include "common/ui/grid_helpers.h"
#include "common/ui/messages.h"
#include "common/ui/qt_convert.h"
#include "common/ui/scrolling.h"
#include "common/ui/summary_box.h"
#include "costs/petitions.h"
#include "costs/word_export.h"
#include "costs/ui/costs_widgets.h"
#include "costs/ui/monetary_tab.h"
#include "costs/ui/nonmonetary_tab.h"
#include "costs/ui/side_tabs.h"
#include "reference/regulations.h"
#include "tariff/ui/petition_section.h"

namespace verdika::ui {
namespace {

const std::array<SettingKey, 3> kPetitionKeys = {setting::CostsPetition1, setting::CostsPetition2,
                                                 setting::CostsPetition3};

QString joined(const std::vector<std::string>& lines) { return toQStringList(lines).join(QLatin1Char('\n')); }

QString trimmedCell(const QTableWidget* grid, int row) { return cellText(grid, row, 1).trimmed(); }

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
    subPages_->addTab(buildWordPage(), QStringLiteral("Export MS Word"));
    subPages_->addTab(buildVariablesPage(), QStringLiteral("Proměnné pro petit"));
    layout->addWidget(subPages_);
    readSettings();
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
    auto* toTxt = new QToolButton(summary_->toolBar());
    toTxt->setObjectName(QStringLiteral("Button85"));
    toTxt->setText(QStringLiteral("Vložit do záložky TXT"));
    toTxt->setToolButtonStyle(Qt::ToolButtonTextOnly);
    summary_->toolBar()->addSeparator();
    summary_->toolBar()->addWidget(toTxt);
    keepRecords_ = new QCheckBox(QStringLiteral("Ponechat záznamy (nevymazávat záznamy)"), summary_->toolBar());
    keepRecords_->setObjectName(QStringLiteral("Ponechat_CheckBox"));
    summary_->toolBar()->addSeparator();
    summary_->toolBar()->addWidget(keepRecords_);
    connect(toTxt, &QToolButton::clicked, this, [this] { Button85Click(); });
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

QWidget* CostsPage::buildWordPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("Naklady_Word_TabSheet"));
    auto* layout = new QHBoxLayout(page);
    layout->setContentsMargins(4, 4, 4, 4);

    auto* group = new QGroupBox(QStringLiteral("Spolupráce s MS WORDem"), page);
    group->setObjectName(QStringLiteral("Naklady_Word_GroupBox"));
    auto* gl = new QVBoxLayout(group);
    auto* pick = makeButton("Word_Vybrat_Button", QStringLiteral("1. Vybrat dokument Wordu (.docx)"), group);
    gl->addWidget(pick);
    gl->addWidget(new QLabel(QStringLiteral("2. vybrat ve kterém dokumentu chcete provést  záměnu"), group));
    wordDocuments_ = new QListWidget(group);
    wordDocuments_->setObjectName(QStringLiteral("Word_ListBox"));
    gl->addWidget(wordDocuments_, 1);
    auto* replace = makeButton("Word_Nahradit_Button", QStringLiteral("3. Provést nahrazení ve WORDu"), group);
    gl->addWidget(replace);
    auto* how = new QLabel(QStringLiteral("Vybraný dokument zůstane beze změny: vedle něj vznikne jeho vyplněná kopie "
                                          "„<název> - Verdika.docx“, kterou program otevře."),
                           group);
    how->setWordWrap(true);
    gl->addWidget(how);
    layout->addWidget(group, 2);

    auto* right = new QVBoxLayout;
    valueList_ = new QTableWidget(static_cast<int>(costs::wordExportRows().size()), 2, page);
    valueList_->setObjectName(QStringLiteral("ValueList"));
    valueList_->setHorizontalHeaderLabels(
        {QStringLiteral("Proměnné v programu"), QStringLiteral("Proměnné, které je třeba zadat ve WORDu")});
    valueList_->verticalHeader()->hide();
    valueList_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    valueList_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    valueList_->verticalHeader()->setDefaultSectionSize(20);
    QStringList help;
    for (int i = 0; i < valueList_->rowCount(); ++i) {
        const costs::ExportRow& row = costs::wordExportRows()[static_cast<size_t>(i)];
        auto* caption = new QTableWidgetItem(qs(row.caption));
        caption->setFlags(caption->flags() & ~Qt::ItemIsEditable);
        caption->setToolTip(qs(row.caption));
        valueList_->setItem(i, 0, caption);
        valueList_->setItem(i, 1, new QTableWidgetItem(qs(row.placeholder)));
        help << qs(row.placeholder) + QStringLiteral(" - ") + qs(row.caption);
    }
    right->addWidget(valueList_, 2);
    auto* memo = new QPlainTextEdit(page);
    memo->setObjectName(QStringLiteral("Naklady_Word_Memo"));
    memo->setReadOnly(true);
    memo->setPlainText(QStringLiteral("Proměnné, které program ve vybraném dokumentu nahradí:\n\n") +
                       help.join(QLatin1Char('\n')));
    right->addWidget(memo, 1);
    layout->addLayout(right, 4);

    connect(pick, &QPushButton::clicked, this, [this] { pickWordDocument(); });
    connect(replace, &QPushButton::clicked, this, [this] { replaceInWord(); });
    return page;
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
    zalovany_radioClick();
    if (!keepRecords_->isChecked()) summary_->clear();
    summary_->appendLines(toQStringList(summaryLines));
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
    const bool keep = confirm(this, QStringLiteral("Hodláte exportovat záznamy náklady řízení do záložky TXT.\n"
                                                   "Přejete si ponechat předchozí obsah v záložce TXT? Stiskněte ano.\n"
                                                   "Pokud stisknete ne, data budou předchozí data vymazána."));
    host_.appendToTxt(summary_->lines(), keep);
    host_.showPage(kTxtPage);
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
    const QList<QListWidgetItem*> known = wordDocuments_->findItems(path, Qt::MatchExactly);
    wordDocuments_->setCurrentItem(known.isEmpty() ? new QListWidgetItem(path, wordDocuments_) : known.first());
}

void CostsPage::replaceInWord() {
    QListWidgetItem* chosen = wordDocuments_->currentItem();
    if (!chosen || !chosen->isSelected()) {
        showMessage(this, QStringLiteral("Musíte vybrat nějaký dokument Word."));
        return;
    }
    QString written;
    if (!runAction(this, [&] {
            zalovany_radioClick();
            std::vector<std::string> placeholders;
            for (int i = 0; i < valueList_->rowCount(); ++i) placeholders.push_back(ss(trimmedCell(valueList_, i)));
            written = qpath(costs::exportToWord(fspath(chosen->text()), placeholders, record_));
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
