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
#include "common/ui/grid_helpers.h"
#include "common/ui/messages.h"
#include "common/ui/qt_convert.h"
#include "common/ui/scrolling.h"
#include "common/ui/summary_box.h"
#include "costs/petitions.h"
#include "costs/ui/monetary_tab.h"
#include "costs/ui/nonmonetary_tab.h"
#include "costs/ui/side_tabs.h"
#include "tariff/ui/tariff_widgets.h"

namespace verdika::ui {
namespace {

QPushButton* button(const char* name, const QString& caption, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

std::vector<std::string> memoLines(const QPlainTextEdit* memo) {
    std::vector<std::string> out;
    for (const QString& l : memo->toPlainText().split(QLatin1Char('\n'))) out.push_back(ss(l));
    return out;
}

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
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("Naklady_Petit_TabSheet"));
    auto* layout = new QHBoxLayout(page);
    layout->setContentsMargins(4, 4, 4, 4);

    auto* resultsBox = new QGroupBox(QStringLiteral("Žalobní petity"), page);
    resultsBox->setObjectName(QStringLiteral("Naklady_Petity_GroupBox"));
    auto* results = new QVBoxLayout(resultsBox);
    for (int k = 0; k < 3; ++k) {
        auto* head = new QHBoxLayout;
        head->addWidget(new QLabel(QStringLiteral("Žalobní petit č. %1:").arg(k + 1), resultsBox));
        head->addStretch();
        auto* copy = new QToolButton(resultsBox);
        copy->setObjectName(QStringLiteral("Naklady_Petit_Kopirovat%1").arg(k + 1));
        copy->setText(QStringLiteral("Kopírovat"));
        copy->setToolTip(QStringLiteral("Zkopírovat petit do schránky"));
        connect(copy, &QToolButton::clicked, this, [this, k] { copyPetition(k); });
        head->addWidget(copy);
        results->addLayout(head);
        auto* memo = new QPlainTextEdit(resultsBox);
        memo->setObjectName(QStringLiteral("petit_%1_memo").arg(k + 1));
        petitions_[static_cast<size_t>(k)] = memo;
        results->addWidget(memo, 1);
    }
    layout->addWidget(resultsBox, 3);

    auto* right = new QVBoxLayout;
    auto* form = new QGroupBox(QStringLiteral("podoba petitů"), page);
    form->setObjectName(QStringLiteral("Naklady_Podoba_GroupBox"));
    auto* fg = new QGridLayout(form);
    fg->addWidget(new QLabel(QStringLiteral("zaplatit do"), form), 0, 0);
    days_ = new QLineEdit(QStringLiteral("15"), form);
    days_->setObjectName(QStringLiteral("do_edit"));
    days_->setMaximumWidth(50);
    fg->addWidget(days_, 0, 1);
    fg->addWidget(new QLabel(QStringLiteral("dnů od: "), form), 0, 2);
    from_ = new QComboBox(form);
    from_->setObjectName(QStringLiteral("od_combo"));
    from_->setEditable(true);
    from_->setInsertPolicy(QComboBox::NoInsert);
    from_->addItems({QStringLiteral("právní moci rozhodnutí"), QStringLiteral("doručení platebního rozkazu")});
    from_->setEditText(QStringLiteral("doručení platebního rozkazu"));
    fg->addWidget(from_, 0, 3);
    defendant_ = new RadioGroup(QStringLiteral("zalovany_radio"), QString(),
                                {QStringLiteral("žalovaný"), QStringLiteral("žalovaná"), QStringLiteral("žalovaní")}, 3,
                                form);
    defendant_->setItemIndex(0);
    claimant_ = new RadioGroup(QStringLiteral("zalobce_radio"), QString(),
                               {QStringLiteral("žalobce"), QStringLiteral("žalobkyně"), QStringLiteral("žalobci")}, 3,
                               form);
    claimant_->setItemIndex(0);
    fg->addWidget(defendant_, 1, 0, 1, 4);
    fg->addWidget(claimant_, 2, 0, 1, 4);
    fg->setColumnStretch(3, 1);
    right->addWidget(form);

    auto* patterns = new QGroupBox(QStringLiteral("Vzor petitu "), page);
    patterns->setObjectName(QStringLiteral("Naklady_Vzor_GroupBox"));
    auto* pl = new QVBoxLayout(patterns);
    for (int k = 0; k < 3; ++k) {
        pl->addWidget(new QLabel(QStringLiteral("Číslo %1:").arg(k + 1), patterns));
        auto* memo = new QPlainTextEdit(patterns);
        memo->setObjectName(QStringLiteral("petit_%1_vzor").arg(k + 1));
        memo->setPlainText(joined(costs::defaultPetitionTemplate(k)));
        templates_[static_cast<size_t>(k)] = memo;
        pl->addWidget(memo, 1);
    }
    auto* note = new QLabel(QStringLiteral("Proměnné, které lze ve vzorech použít, najdete na záložce "
                                           "„Proměnné pro petit“."),
                            patterns);
    note->setWordWrap(true);
    pl->addWidget(note);
    auto* save = button("SavePetitButton", QStringLiteral("Uložit vzor petitů"), patterns);
    pl->addWidget(save, 0, Qt::AlignRight);
    right->addWidget(patterns, 1);
    layout->addLayout(right, 2);

    connect(defendant_, &RadioGroup::itemClicked, this, [this] { refillPetitions(); });
    connect(claimant_, &RadioGroup::itemClicked, this, [this] { refillPetitions(); });
    connect(days_, &QLineEdit::textChanged, this, [this] { refillPetitions(); });
    connect(from_, &QComboBox::currentTextChanged, this, [this] { refillPetitions(); });
    connect(save, &QPushButton::clicked, this, [this] { SavePetitButtonClick(); });
    return scrollingArea(page, QStringLiteral("Naklady_Petit_Scroll"));
}

QWidget* CostsPage::buildWordPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("Naklady_Word_TabSheet"));
    auto* layout = new QHBoxLayout(page);
    layout->setContentsMargins(4, 4, 4, 4);

    auto* group = new QGroupBox(QStringLiteral("Spolupráce s MS WORDem"), page);
    group->setObjectName(QStringLiteral("Naklady_Word_GroupBox"));
    auto* gl = new QVBoxLayout(group);
    auto* pick = button("Word_Vybrat_Button", QStringLiteral("1. Vybrat dokument Wordu (.docx)"), group);
    gl->addWidget(pick);
    gl->addWidget(new QLabel(QStringLiteral("2. vybrat ve kterém dokumentu chcete provést  záměnu"), group));
    wordDocuments_ = new QListWidget(group);
    wordDocuments_->setObjectName(QStringLiteral("Word_ListBox"));
    gl->addWidget(wordDocuments_, 1);
    auto* replace = button("Word_Nahradit_Button", QStringLiteral("3. Provést nahrazení ve WORDu"), group);
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

void CostsPage::readSettings() {
    const Settings& settings = host_.data().settings();
    const SettingKey keys[] = {setting::CostsPetition1, setting::CostsPetition2, setting::CostsPetition3};
    for (size_t k = 0; k < 3; ++k) {
        const std::string saved = settings.getString(keys[k]);
        if (!saved.empty()) templates_[k]->setPlainText(qs(saved));
    }
}

// ---------------------------------------------------------------- handlers

void CostsPage::publish(const costs::TNaklady_rizeni& record, const std::vector<std::string>& summaryLines) {
    record_ = record;
    zalovany_radioClick();
    if (!keepRecords_->isChecked()) summary_->clear();
    summary_->appendLines(toQStringList(summaryLines));
}

void CostsPage::zalovany_radioClick() {
    const Settings& settings = host_.data().settings();
    costs::PetitionForm form;
    for (size_t k = 0; k < 3; ++k) form.templates[k] = memoLines(templates_[k]);
    form.days = ss(days_->text());
    form.from = ss(from_->currentText());
    form.defendant = defendant_->itemIndex();
    form.claimant = claimant_->itemIndex();
    form.attorneyName = settings.getString(setting::UserNameGenitive);
    form.account = settings.getString(setting::UserAccount);
    const auto texts = costs::fillPetitions(record_, form);
    record_.petit1 = texts[0];
    record_.petit2 = texts[1];
    record_.petit3 = texts[2];
    for (size_t k = 0; k < 3; ++k) petitions_[k]->setPlainText(qs(Nahrad_Vse(texts[k], "\r\n", "\n")));
}

void CostsPage::refillPetitions() {
    runAction(this, [&] { zalovany_radioClick(); });
}

void CostsPage::SavePetitButtonClick() {
    runAction(this, [&] {
        host_.data().settings().update([&](IniFile& ini) {
            const SettingKey keys[] = {setting::CostsPetition1, setting::CostsPetition2, setting::CostsPetition3};
            for (size_t k = 0; k < 3; ++k)
                ini.writeString(keys[k].section, keys[k].key, Jeden_Radek(ss(templates_[k]->toPlainText())));
        });
    });
}

void CostsPage::Button85Click() {
    const bool keep = confirm(this, QStringLiteral("Hodláte exportovat záznamy náklady řízení do záložky TXT.\n"
                                                   "Přejete si ponechat předchozí obsah v záložce TXT? Stiskněte ano.\n"
                                                   "Pokud stisknete ne, data budou předchozí data vymazána."));
    host_.appendToTxt(summary_->lines(), keep);
    host_.showPage(kTxtPage);
}

void CostsPage::copyPetition(int index) {
    QApplication::clipboard()->setText(petitions_[static_cast<size_t>(index)]->toPlainText());
}

void CostsPage::pickWordDocument() { showMessage(this, QStringLiteral("Tato funkce se připravuje.")); }

void CostsPage::replaceInWord() { showMessage(this, QStringLiteral("Tato funkce se připravuje.")); }

void CostsPage::Generovat_PRClick() { showMessage(this, QStringLiteral("Tato funkce se připravuje.")); }

void CostsPage::Button102Click() { showMessage(this, QStringLiteral("Tato funkce se připravuje.")); }

}  // namespace verdika::ui
