#include "interest/interest_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFont>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPrinter>
#include <QPushButton>
#include <QTextEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <optional>

#include "app/data_module.h"
#include "app/ui/page_host.h"
#include "common/numbers.h"
#include "common/ui/action.h"
#include "common/ui/controls.h"
#include "common/ui/desktop.h"
#include "common/ui/messages.h"
#include "common/ui/number_field.h"
#include "common/ui/qt_convert.h"
#include "common/ui/scrolling.h"
#include "companion/ui/print_margins.h"
#include "interest/preview_window.h"
#include "interest/rate_table.h"
#include "interest/rate_table_window.h"
#include "interest/ui/entry_list.h"
#include "interest/ui/petition_choices.h"
#include "interest/ui/rate_choice.h"
#include "interest/ui/result_grid.h"
#include "interest/ui/text_pane.h"
#include "reference/regulations.h"

namespace verdika::ui {

using namespace verdika::interest;

namespace {

EntryListSpec debtsSpec() {
    EntryListSpec s;
    s.box = QStringLiteral("Zavazky_GroupBox");
    s.title = QStringLiteral("Závazky");
    s.amount = QStringLiteral("Zadluzeno_Edit");
    s.amountCaption = QStringLiteral("Jistina:");
    s.date = QStringLiteral("zadluzeno_DateTimePicker");
    s.dateCaption = QStringLiteral("Splatnost");
    s.until = QStringLiteral("Prodleni_Do_DateTimePicker");
    s.untilCaption = QStringLiteral("Úrok ke dni");
    s.today = QStringLiteral("Button16");
    s.label = QStringLiteral("Zadluzeno_ComboBox");
    s.labelCaption = QStringLiteral("Skupina závazků");
    s.describe = QStringLiteral("Button52");
    s.oneRowPerLabel = true;
    s.add = QStringLiteral("Dluh_Pribyl_Button");
    s.addMonth = QStringLiteral("Dluh_Pribyl_Mesic_Button");
    s.edit = QStringLiteral("Uprav_Jistinu_Button");
    s.remove = QStringLiteral("Button40");
    s.clear = QStringLiteral("Button54");
    s.grid = QStringLiteral("zadluzeno_StringGrid");
    s.captions = {QStringLiteral("Splatnost"), QStringLiteral("Úrok ke dni"), QStringLiteral("Jistina"),
                  QStringLiteral("Skupina")};
    s.columns = {EntryField::Date, EntryField::Until, EntryField::Amount, EntryField::Label};
    s.fields = {EntryField::Amount, EntryField::Label, EntryField::Date, EntryField::Until};
    return s;
}

EntryListSpec paymentsSpec() {
    EntryListSpec s;
    s.box = QStringLiteral("Uhrady_GroupBox");
    s.title = QStringLiteral("Úhrady");
    s.amount = QStringLiteral("cast_zaplaceno_edit");
    s.amountCaption = QStringLiteral("Částečná úhrada:");
    s.date = QStringLiteral("cast_zaplaceno_DateTimePicker");
    s.dateCaption = QStringLiteral("Ke dni");
    s.label = QStringLiteral("zaplaceno_combobox");
    s.labelCaption = QStringLiteral("Skupina závazků");
    s.add = QStringLiteral("cast_zaplaceno_Button");
    s.addMonth = QStringLiteral("cast_zaplaceno_mesic_Button");
    s.edit = QStringLiteral("Button47");
    s.remove = QStringLiteral("Button41");
    s.clear = QStringLiteral("Button55");
    s.grid = QStringLiteral("zaplaceno_StringGrid");
    s.captions = {QStringLiteral("Ke dni"), QStringLiteral("Částka"), QStringLiteral("Skupina")};
    s.columns = {EntryField::Date, EntryField::Amount, EntryField::Label};
    s.fields = {EntryField::Amount, EntryField::Date, EntryField::Label, EntryField::Extra};
    return s;
}

std::vector<QStringList> debtCells(const std::vector<DebtRow>& rows) {
    std::vector<QStringList> out;
    for (const DebtRow& d : rows) out.push_back({qs(d.due), qs(d.until), qs(d.principal), qs(d.label)});
    return out;
}

std::vector<QStringList> paymentCells(const std::vector<PaymentRow>& rows) {
    std::vector<QStringList> out;
    for (const PaymentRow& p : rows) out.push_back({qs(p.date), qs(p.amount), qs(p.label)});
    return out;
}

QString lines(const std::vector<std::string>& l) { return toQStringList(l).join(QLatin1Char('\n')); }

}  // namespace

InterestPage::InterestPage(PageHost& host, QWidget* parent) : QWidget(parent), host_(host) {
    setObjectName(QStringLiteral("TabSheet6"));
    // The page shows whole at its own window height; the scroll area keeps it
    // from raising the minimum height of the window for the other pages.
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* content = new QWidget;
    outer->addWidget(scrollingArea(content));
    auto* columns = new QHBoxLayout(content);
    columns->setContentsMargins(6, 4, 6, 4);
    columns->addWidget(buildInputs());
    columns->addWidget(buildOutputs(), 1);
    connectRegions();
}

// ---- layout ------------------------------------------------------------------

QWidget* InterestPage::buildInputs() {
    auto* w = new QWidget(this);
    auto* v = new QVBoxLayout(w);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(4);
    debts_ = new EntryList(debtsSpec(), nullptr, w);
    for (const auto& l : defaultGroupLabels()) debts_->labels()->addItem(qs(l));
    debts_->labels()->setCurrentIndex(0);

    interestFirst_ = new QCheckBox(QStringLiteral("nejdříve na úrok"));
    interestFirst_->setObjectName(QStringLiteral("nejdriv_prislusenstvi_CheckBox"));
    interestFirst_->setChecked(true);
    interestFirst_->setToolTip(
        QStringLiteral("Pokud dlužník neurčí jinak, použije se platba nejdříve na úrok, poté na jistinu."));
    payments_ = new EntryList(paymentsSpec(), interestFirst_, w);
    payments_->labels()->addItem(qs(kEarliestDue));

    rate_ = new RateChoice(w);
    v->addWidget(debts_);
    v->addWidget(payments_);
    v->addWidget(rate_);
    v->addWidget(buildActions());
    v->addStretch(1);
    // As narrow as the inputs allow without squeezing one of them: the
    // outputs, the result grid above all, need every pixel left.
    w->setFixedWidth(w->minimumSizeHint().width());
    return w;
}

QWidget* InterestPage::buildActions() {
    auto* w = new QWidget(this);
    auto* g = new QGridLayout(w);
    g->setContentsMargins(0, 0, 0, 0);
    auto* ok = pushButton(QStringLiteral("BitBtn9"), QStringLiteral("OK"), w);
    QFont bold = ok->font();
    bold.setBold(true);
    ok->setFont(bold);
    ok->setDefault(true);
    auto* reset = pushButton(QStringLiteral("Button12"), QStringLiteral("Vynulovat"), w);
    auto* rates = pushButton(QStringLiteral("Button24"), QStringLiteral("Zadat výši úrokových sazeb"), w);
    auto* save = pushButton(QStringLiteral("Ulozit_Button"), QStringLiteral("Uložit sestavu"), w);
    auto* load = pushButton(QStringLiteral("Nacti_Button"), QStringLiteral("Načíst sestavu"), w);
    auto* law = pushButton(QStringLiteral("predpis_142_1994"), QStringLiteral("Zobraz dotčené předpisy"), w);
    for (QPushButton* b : {ok, reset, rates, save, load, law}) roomyCaption(b);
    g->addWidget(ok, 0, 0);
    g->addWidget(reset, 0, 1);
    g->addWidget(rates, 0, 2);
    g->addWidget(save, 1, 0);
    g->addWidget(load, 1, 1);
    g->addWidget(law, 1, 2);

    connect(ok, &QPushButton::clicked, this, &InterestPage::BitBtn9Click);
    connect(reset, &QPushButton::clicked, this, &InterestPage::Button12Click);
    connect(rates, &QPushButton::clicked, this, &InterestPage::openRateTable);
    connect(save, &QPushButton::clicked, this, &InterestPage::saveReport);
    connect(load, &QPushButton::clicked, this, &InterestPage::loadReport);
    connect(law, &QPushButton::clicked, this, [this] {
        host_.showRegulation(qpath(regulationFile(host_.data().paths(), "urok_z_prodleni.vrd")));
    });
    return w;
}

QWidget* InterestPage::buildOutputs() {
    auto* w = new QWidget(this);
    auto* v = new QVBoxLayout(w);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(3);

    report_ = new TextPane({QStringLiteral("Průběh výpočtu:"), QStringLiteral("Prubeh_Vypoctu_RichEdit"),
                            QStringLiteral("BitBtn21"), QStringLiteral("Zkopírovat průběh výpočtu do schránky"),
                            QStringLiteral("BitBtn24"), QStringLiteral("Zobrazit průběh výpočtu v náhledu")},
                           true, w);
    report_->richEdit()->document()->setDefaultFont(QFont(QStringLiteral("Times New Roman"), 11));
    report_->richEdit()->setLineWrapMode(QTextEdit::NoWrap);
    auto* txt = toolButton(QStringLiteral("BitBtn31"), QStringLiteral("TXT"),
                           QStringLiteral("Vložit průběh výpočtu do záložky TXT"), w);
    auto* print = pushButton(QStringLiteral("Button29"), QStringLiteral("Tisk"), w);
    report_->addButton(txt);
    report_->addButton(print);
    v->addWidget(report_, 3);

    result_ = new ResultGrid(w);
    v->addWidget(result_, 2);
    petition_ = new PetitionChoices(w);
    v->addWidget(petition_);
    petition1_ = new TextPane({QStringLiteral("Petit verze 1:"), QStringLiteral("Vysvetleni_Memo"),
                               QStringLiteral("BitBtn18"), QStringLiteral("Zkopírovat petit do schránky"),
                               QStringLiteral("BitBtn22"), QStringLiteral("Zobrazit petit v náhledu")},
                              false, w);
    v->addWidget(petition1_, 2);
    petition2_ = new TextPane({QStringLiteral("Petit verze 2:"), QStringLiteral("Vysvetleni2_Memo"),
                               QStringLiteral("BitBtn20"), QStringLiteral("Zkopírovat petit do schránky"),
                               QStringLiteral("BitBtn23"), QStringLiteral("Zobrazit petit v náhledu")},
                              false, w);
    v->addWidget(petition2_, 2);

    connect(txt, &QToolButton::clicked, this, [this] {
        host_.appendToTxt(report_->text().split(QLatin1Char('\n')), true);
        host_.showPage(kTxtPage);
    });
    connect(print, &QPushButton::clicked, this, &InterestPage::printReport);
    return w;
}

void InterestPage::connectRegions() {
    // The payments' list offers every group label the debts use.
    connect(debts_, &EntryList::labelUsed, this, [this](const QString& l) { payments_->offerLabel(l, false); });
    connect(debts_, &EntryList::labelDescribed, this, [this](const QString& l) {
        payments_->offerLabel(l, true);
        payments_->selectLabel(l);
    });
    // Closing the drop-down: the payments take the same group.
    connect(debts_, &EntryList::labelChosen, payments_, &EntryList::selectLabel);
    connect(petition_, &PetitionChoices::changed, this, &InterestPage::rerunIfCase);
    connect(result_, &ResultGrid::toTxtClicked, this, &InterestPage::gridToTxt);
    connect(result_, &ResultGrid::excelClicked, this, &InterestPage::Button39Click);
    for (TextPane* pane : {report_, petition1_, petition2_})
        connect(pane, &TextPane::previewRequested, this, &InterestPage::showPreview);
}

// ---- reading and writing the controls ------------------------------------------

InterestForm InterestPage::readForm() const {
    InterestForm f;
    for (const QStringList& r : debts_->rows()) f.debts.push_back(DebtRow{ss(r[0]), ss(r[1]), ss(r[2]), ss(r[3])});
    for (const QStringList& r : payments_->rows()) f.payments.push_back(PaymentRow{ss(r[0]), ss(r[1]), ss(r[2])});
    rate_->readInto(f.options);
    f.options.interestFirst = interestFirst_->isChecked();
    f.petition = petition_->options();
    return f;
}

void InterestPage::showComputation(const Computation& r, const PetitionOptions& petition) {
    debts_->setRows(debtCells(r.debts));
    payments_->setRows(paymentCells(r.payments));
    if (r.options.customRate) rate_->showRates(r.options.dailyRate, r.options.annualRate);
    const std::string p1 = petition1(r, petition);
    petition2_->setText(lines(petition2(r, petition)));
    petition1_->setText(qs(p1));
    result_->showRows(resultGrid(r));
    report_->richEdit()->document()->setDefaultFont(QFont(QStringLiteral("Times New Roman"), 11));
    report_->setText(lines(reportLines(r)));
    copyToClipboard(qs(p1));
}

void InterestPage::clearOutputs() {
    petition1_->clear();
    petition2_->clear();
    report_->clear();
    result_->clear();
}

// ---- actions -------------------------------------------------------------------

void InterestPage::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    debts_->until()->setDate(QDate::currentDate());
    if (!shownOnce_) {
        shownOnce_ = true;
        debts_->amount()->setFocus();
    }
}

void InterestPage::setDueDate(const QDate& date) { debts_->date()->setDate(date); }

void InterestPage::BitBtn9Click() {
    runAction(this, [&] {
        // A single principal can be computed without pressing "Přidat".
        if (!debts_->hasRows() && debts_->amount()->value() > 0) {
            debts_->add(false);
            if (!debts_->hasRows()) return;
        }
        clearOutputs();
        const InterestForm form = readForm();
        std::optional<RateTable> table;
        if (needsRateTable(form.options)) table = RateTable::load(host_.data().dataFile("uroky.vrd"));
        const Computation r = computeInterest(form.toCase(), table ? &*table : nullptr);
        showComputation(r, form.petition);
        lastMode_ = r.options.mode;
        lastExport_ = writeExportCsv(host_.data().dataFile("Excel-export"), today(), exportCounter_, exportTable(r));
    });
}

void InterestPage::rerunIfCase() {
    if (debts_->hasRows()) BitBtn9Click();
}

void InterestPage::Button12Click() {
    rate_->reset();
    clearOutputs();
    debts_->clear();
    payments_->clear();
}

void InterestPage::saveReport() {
    runAction(this, [&] {
        FileDialogRequest req;
        req.save = true;
        req.title = QStringLiteral("Uložit sestavu");
        req.directory = qpath(host_.data().dataFile("Uroky-sestavy"));
        req.filter = QStringLiteral("Sestavy úroků (*.urk)");
        req.defaultSuffix = QStringLiteral("urk");
        const ReportFile f = reportFileOf(readForm());  // a bad rate is reported before the dialog
        const QString file = askFileName(this, req);
        if (!file.isEmpty()) saveReportFile(fspath(file), f);
    });
}

void InterestPage::saveReportTo(const std::filesystem::path& file) { saveReportFile(file, reportFileOf(readForm())); }

void InterestPage::loadReport() {
    runAction(this, [&] {
        FileDialogRequest req;
        req.title = QStringLiteral("Načíst sestavu");
        req.directory = qpath(host_.data().dataFile("Uroky-sestavy"));
        req.filter = QStringLiteral("Sestavy úroků (*.urk)");
        req.defaultSuffix = QStringLiteral("urk");
        const QString file = askFileName(this, req);
        if (!file.isEmpty()) loadReportFrom(fspath(file));
    });
}

void InterestPage::loadReportFrom(const std::filesystem::path& file) {
    InterestForm form = readForm();
    applyReportFile(form, loadReportFile(file));
    debts_->clear();
    payments_->clear();
    debts_->setRows(debtCells(form.debts));
    payments_->setRows(paymentCells(form.payments));
    // The file names groups the lists may not hold yet.
    for (const DebtRow& d : form.debts) {
        if (d.label.empty()) continue;
        debts_->offerLabel(qs(d.label), true);
        payments_->offerLabel(qs(d.label), false);
    }
    debts_->labels()->setCurrentIndex(0);
    rate_->setOptions(form.options);
}

void InterestPage::Button39Click() {
    runAction(this, [&] {
        if (lastExport_.empty()) {
            showMessage(this, QStringLiteral("Export do tabulkového procesoru vychází z posledního výpočtu úroků. "
                                             "Nejdříve stiskněte OK."));
            return;
        }
        lastWorkbook_ = workbookPathFor(lastExport_);
        writeInterestWorkbook(lastExport_, lastMode_, lastWorkbook_);
        openWithDesktop(qpath(lastWorkbook_));
    });
}

void InterestPage::gridToTxt() {
    host_.appendToTxt(toQStringList(resultGridText(result_->rows())), true);
    host_.showPage(kTxtPage);
}

void InterestPage::openRateTable() {
    if (!rateWindow_) rateWindow_ = new RateTableWindow(host_.data().dataFile("uroky.vrd"), host_.mainWindow());
    if (!rateWindow_->isVisible()) {
        const QRect p = host_.mainWindow()->frameGeometry();
        rateWindow_->move(p.center() - QPoint(rateWindow_->width() / 2, rateWindow_->height() / 2));
    }
    rateWindow_->show();
    rateWindow_->raise();
}

RateTableWindow* InterestPage::rateTableWindow() const { return rateWindow_; }
PreviewWindow* InterestPage::previewWindow() const { return preview_; }

void InterestPage::showPreview(const QString& text) {
    if (!preview_) preview_ = new PreviewWindow(host_.mainWindow());
    preview_->showText(text);
}

void InterestPage::printReport() {
    QPrinter printer(QPrinter::HighResolution);
    if (!askPrinter(this, printer)) return;
    runAction(this, [&] {
        Okraje_Richedit(report_->richEdit(), 1.0, 1.0, 1.0, 1.0);
        printer.setDocName(QStringLiteral("Verdika"));
        printRichText(report_->richEdit(), printer);
    });
}

}  // namespace verdika::ui
