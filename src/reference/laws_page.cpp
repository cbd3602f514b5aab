#include "reference/laws_page.h"

#include <QApplication>
#include <QClipboard>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/data_module.h"
#include "app/ui/page_host.h"
#include "common/cp1250.h"
#include "common/errors.h"
#include "common/files.h"
#include "common/text.h"
#include "common/ui/action.h"
#include "common/ui/controls.h"
#include "common/ui/desktop.h"
#include "common/ui/first_focus.h"
#include "common/ui/messages.h"
#include "common/ui/qt_convert.h"
#include "companion/ui/download.h"
#include "reference/laws.h"

namespace verdika::ui {
namespace {

struct QuickLaw {
    const char* name;
    const char* caption;
    const char* id;
};
constexpr QuickLaw kQuickLaws[] = {
    {"zakon1", "NOZ", "89/2012"},      {"zakon2", "ZOK", "90/2012"},
    {"zakon3", "ZP", "262/2006"},      {"zakon4", "OSŘ", "99/1963"},
    {"zakon6", "177/1996", "177/1996"}, {"zakon7", "Soudní poplatky", "549/1991"},
    {"zakon8", "O soudech", "6/2002"}, {"Button65", "ZŘS", "292/2013"},
};

}  // namespace

LawsPage::LawsPage(PageHost& host, QWidget* parent) : QWidget(parent), host_(host) {
    setObjectName(QStringLiteral("TabSheet21"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildToolRows());

    auto* body = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    memo_ = new QPlainTextEdit(this);
    memo_->setObjectName(QStringLiteral("zakon_memo"));
    memo_->setReadOnly(true);
    memo_->setPlaceholderText(QStringLiteral("Zadejte číslo zákona (např. 89/2012) a stiskněte „Načíst zákon“, "
                                             "nebo zvolte některé z tlačítek nad textem."));
    left->addWidget(memo_, 1);
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("zakon_stav_label"));
    status_->setWordWrap(true);
    left->addWidget(status_);
    body->addLayout(left, 1);

    auto* right = new QGridLayout;
    right->addWidget(new QLabel(QStringLiteral("Historie"), this), 0, 0);
    auto* clear = pushButton(QStringLiteral("Button72"), QStringLiteral("x"), this);
    clear->setToolTip(QStringLiteral("Vymazat historii"));
    clear->setFixedWidth(clear->fontMetrics().horizontalAdvance(QStringLiteral("xxxx")) + 8);
    right->addWidget(clear, 0, 1, Qt::AlignRight);
    history_ = new QListWidget(this);
    history_->setObjectName(QStringLiteral("historie_ListBox"));
    history_->setToolTip(QStringLiteral("Dvojklikem načtete zákon znovu."));
    history_->setFixedWidth(history_->fontMetrics().horizontalAdvance(QStringLiteral("0000/0000 Sb. xx")) + 24);
    right->addWidget(history_, 1, 0, 1, 2);
    body->addLayout(right);
    layout->addLayout(body, 1);

    connect(clear, &QPushButton::clicked, this, &LawsPage::Button72Click);
    connect(history_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { zakon_nacist_ButtonClick(item->text()); });

    focusWhenFirstShown(this, idEdit_);
    historyIds_ = laws::loadHistory(host_.data().dataFile(laws::kHistoryFile));
    showHistory();
}

QWidget* LawsPage::buildToolRows() {
    auto* tools = new QWidget(this);
    auto* rows = new QVBoxLayout(tools);
    rows->setContentsMargins(0, 0, 0, 0);

    auto* first = new QHBoxLayout;
    auto* label = new QLabel(QStringLiteral("Číslo &zákona:"), tools);
    idEdit_ = new QLineEdit(tools);
    idEdit_->setObjectName(QStringLiteral("Zakon_Cislo_Edit"));
    idEdit_->setPlaceholderText(QStringLiteral("např. 89/2012"));
    idEdit_->setMaxLength(40);
    idEdit_->setFixedWidth(idEdit_->fontMetrics().horizontalAdvance(QStringLiteral("0000/0000 Sb.")) + 20);
    label->setBuddy(idEdit_);
    auto* load = pushButton(QStringLiteral("zakon_nacist_Button"), QStringLiteral("Načíst zákon"), tools);
    auto* find = pushButton(QStringLiteral("Button71"), QStringLiteral("Hledání v předpise"), tools);
    auto* word = pushButton(QStringLiteral("Button73"), QStringLiteral("Export WORD"), tools);
    first->addWidget(label);
    first->addWidget(idEdit_);
    first->addWidget(load);
    first->addStretch(1);
    first->addWidget(find);
    first->addWidget(word);
    rows->addLayout(first);

    auto* second = new QHBoxLayout;
    for (const auto& q : kQuickLaws) {
        auto* b = pushButton(QString::fromLatin1(q.name), QString::fromUtf8(q.caption), tools);
        const QString id = QString::fromLatin1(q.id);
        b->setToolTip(id);
        second->addWidget(b);
        connect(b, &QPushButton::clicked, this, [this, id] { zakon_nacist_ButtonClick(id); });
    }
    second->addStretch(1);
    rows->addLayout(second);

    connect(load, &QPushButton::clicked, this, [this] { zakon_nacist_ButtonClick(idEdit_->text()); });
    connect(idEdit_, &QLineEdit::returnPressed, this, [this] { zakon_nacist_ButtonClick(idEdit_->text()); });
    connect(find, &QPushButton::clicked, this, &LawsPage::Button71Click);
    connect(word, &QPushButton::clicked, this, &LawsPage::Button73Click);
    return tools;
}

bool LawsPage::zakon_nacist_ButtonClick(const QString& lawId) {
    bool shown = false;
    runAction(this, [&] {
        const laws::LawId id = laws::parseLawId(ss(lawId));
        const QString url = qs(laws::lawTextUrl(host_.data().settings().lawTextHost(), id));
        // The address goes to the clipboard first, so a failed fetch can be tried in a browser.
        QApplication::clipboard()->setText(url);
        const QString file = qpath(host_.data().dataFile(laws::kLawTextFile));
        const DownloadResult r = DownloadFile(url, file, this, timeoutMs_);
        const QString law = qs(id.text());
        if (!r.ok) {
            const QString kept = shownLaw_.isEmpty() ? QString()
                                                     : QStringLiteral(" Zůstává zobrazen předpis %1.").arg(shownLaw_);
            status_->setText(QStringLiteral("Předpis %1 se nepodařilo načíst.").arg(law) + kept);
            showWarning(this, QStringLiteral("Předpis %1 se nepodařilo načíst: %2").arg(law, r.error) + kept);
            return;
        }
        auto bytes = readFileBytes(fspath(file));
        memo_->setPlainText(qs(decodeText(bytes ? *bytes : std::string())));
        shownLaw_ = law;
        status_->setText(QStringLiteral("Zobrazen předpis %1 (%2).").arg(law, url));
        shown = true;
        historyIds_ = laws::withLookup(std::move(historyIds_), ss(lawId));
        showHistory();
        laws::saveHistory(host_.data().dataFile(laws::kHistoryFile), historyIds_);
    });
    return shown;
}

void LawsPage::showHistory() {
    history_->clear();
    for (const auto& id : historyIds_) history_->addItem(qs(id));
}

void LawsPage::Button71Click() { emit findRequested(memo_->textCursor().selectedText()); }

void LawsPage::Button72Click() {
    historyIds_.clear();
    showHistory();
}

void LawsPage::Button73Click() {
    runAction(this, [&] {
        const std::string text = ss(memo_->toPlainText());
        if (shownLaw_.isEmpty() || trimBlanks(text).empty()) {
            showMessage(this, QStringLiteral("Nejdříve načtěte zákon, který chcete exportovat."));
            return;
        }
        const laws::LawId id = laws::parseLawId(ss(shownLaw_));
        const fs::path folder = host_.data().dataFile(laws::kExportFolder);
        std::error_code ec;
        fs::create_directories(folder, ec);
        if (ec) throw IoError("Složku " + pathText(folder) + " nelze vytvořit: " + ec.message());
        const fs::path file = laws::exportPath(folder, id);
        laws::exportDocument(text, "Předpis č. " + id.text() + " Sb.").save(file);
        openWithDesktop(qpath(file));
    });
}

}  // namespace verdika::ui
