#include "calculators/wage_deduction_page.h"

#include <QHBoxLayout>
#include <QTextEdit>
#include <QVBoxLayout>

#include "app/data_module.h"
#include "app/ui/page_host.h"
#include "calculators/ui/wage_input_box.h"
#include "calculators/ui/wage_result_box.h"
#include "common/ui/action.h"
#include "common/ui/desktop.h"
#include "common/ui/first_focus.h"
#include "common/ui/messages.h"
#include "common/ui/number_field.h"
#include "common/ui/qt_convert.h"
#include "common/ui/scrolling.h"
#include "common/ui/summary_box.h"
#include "reference/regulations.h"

namespace verdika::ui {

namespace {

// The outside calculator lives under the program's service host, so an
// office that points the services elsewhere moves it too.
constexpr const char* kWebCalculatorPath = "/finance/vypocet-exekuce.html";

QDate firstOfPreviousMonth(const QDate& today) {
    const QDate d = today.addMonths(-1);
    return QDate(d.year(), d.month(), 1);
}

}  // namespace

WageDeductionPage::WageDeductionPage(PageHost& host, QWidget* parent) : QWidget(parent), host_(host) {
    setObjectName(QStringLiteral("TabSheet8"));
    auto* content = new QWidget;
    content->setObjectName(QStringLiteral("Srazky_Obsah"));
    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);
    inputs_ = new WageInputBox(content);
    results_ = new WageResultBox(content);
    auto* top = new QHBoxLayout;
    top->addWidget(inputs_);
    top->addWidget(results_, 1);
    layout->addLayout(top);

    summary_ = new SummaryBox(host_, {QStringLiteral("Srazky_RichEdit"), QStringLiteral("Srazky_Ulozit_Button"),
                                      QStringLiteral("Srazky_Tisk_Button"), QStringLiteral("Srazky_PDF_Button"),
                                      QStringLiteral("Srážky ze mzdy"), QStringLiteral("srazky")},
                              content);
    summary_->addRecordTools(QStringLiteral("Ponechat_Srazky_CheckBox"), QStringLiteral("Srazky_TXT_Button"));
    summary_->setMinimumHeight(160);
    layout->addWidget(summary_, 1);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scrollingArea(content, QStringLiteral("Srazky_Scroll")));

    connect(inputs_, &WageInputBox::periodChanged, this, &WageDeductionPage::updateInfo);
    connect(inputs_, &WageInputBox::computeClicked, this, &WageDeductionPage::Srazky_VypocitatClick);
    connect(inputs_, &WageInputBox::resetClicked, this, &WageDeductionPage::Srazky_VynulovatClick);
    connect(inputs_, &WageInputBox::regulationClicked, this, &WageDeductionPage::Srazky_PredpisClick);
    connect(inputs_, &WageInputBox::webClicked, this, &WageDeductionPage::Srazky_WebClick);
    connect(summary_, &SummaryBox::toTxtRequested, this, &WageDeductionPage::Srazky_TXTClick);
    // The month and the payment day start right for most cases; the wage is what a user types first.
    focusWhenFirstShown(this, inputs_->wageField());
    inputs_->setPeriod(firstOfPreviousMonth(QDate::currentDate()));
}

void WageDeductionPage::updateInfo() {
    QString text;
    try {
        const IniFile table = IniFile::load(host_.data().programFile(wage::kTable));
        text = qs(wage::periodExplanation(wage::periodFor(table, inputs_->period())));
    } catch (const Error& e) {
        text = qs(e.what());
    }
    inputs_->setPeriodInfo(text);
}

void WageDeductionPage::clearResults() {
    result_.reset();
    results_->clear();
}

void WageDeductionPage::Srazky_VypocitatClick() {
    const bool ok = runAction(this, [&] {
        const wage::Input in = inputs_->input();
        const IniFile table = IniFile::load(host_.data().programFile(wage::kTable));
        const wage::Result r = wage::compute(table, in);
        result_ = r;
        results_->showResult(r);
        summary_->showLines(toQStringList(wage::summaryLines(in, r)));
    });
    // Figures of an earlier computation must not stand beside new inputs.
    if (!ok) clearResults();
}

void WageDeductionPage::Srazky_VynulovatClick() {
    inputs_->reset();
    clearResults();
}

void WageDeductionPage::Srazky_PredpisClick() {
    host_.showRegulation(qpath(regulationFile(host_.data().paths(), wage::kRegulationText)));
}

QString WageDeductionPage::webCalculatorAddress() const {
    return qs(host_.data().settings().serviceHost()) + QString::fromLatin1(kWebCalculatorPath);
}

void WageDeductionPage::Srazky_WebClick() { openAddress(webCalculatorAddress()); }

void WageDeductionPage::Srazky_TXTClick() {
    if (summary_->edit()->toPlainText().trimmed().isEmpty()) {
        showMessage(this, QStringLiteral("Rekapitulace je prázdná; nejprve stiskněte „Vypočítat“."));
        return;
    }
    summary_->sendToTxt(QStringLiteral("Hodláte exportovat výpočet srážek ze mzdy do záložky TXT.\n"
                                       "Přejete si ponechat předchozí obsah v záložce TXT? Stiskněte ano.\n"
                                       "Pokud stisknete ne, data budou předchozí data vymazána."));
}

}  // namespace verdika::ui
