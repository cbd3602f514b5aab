#include "costs/ui/word_export_panel.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "common/ui/controls.h"
#include "common/ui/grid_helpers.h"
#include "common/ui/qt_convert.h"
#include "costs/petitions.h"

namespace verdika::ui {
namespace {

QTableWidget* valueList(QWidget* parent, QStringList* help) {
    const auto& rows = costs::wordExportRows();
    QTableWidget* grid = dataGrid(QStringLiteral("ValueList"),
                                  {QStringLiteral("Proměnné v programu"),
                                   // In two lines, so that the captions beside keep their width.
                                   QStringLiteral("Proměnné, které je třeba\nzadat ve WORDu")},
                                  parent, static_cast<int>(rows.size()));
    // Only the placeholders are the user's to change.
    grid->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                          QAbstractItemView::AnyKeyPressed);
    grid->setSelectionBehavior(QAbstractItemView::SelectItems);
    // The captions are read whole; a long placeholder scrolls within its cell.
    grid->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    grid->horizontalHeader()->setStretchLastSection(true);
    for (int i = 0; i < grid->rowCount(); ++i) {
        const costs::ExportRow& row = rows[static_cast<size_t>(i)];
        auto* caption = new QTableWidgetItem(qs(row.caption));
        caption->setFlags(caption->flags() & ~Qt::ItemIsEditable);
        caption->setToolTip(qs(row.caption));
        grid->setItem(i, 0, caption);
        grid->setItem(i, 1, new QTableWidgetItem(qs(row.placeholder)));
        *help << qs(row.placeholder) + QStringLiteral(" - ") + qs(row.caption);
    }
    return grid;
}

}  // namespace

WordExportPanel::WordExportPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Naklady_Word_TabSheet"));
    auto* group = new QGroupBox(QStringLiteral("Spolupráce s MS WORDem"), this);
    group->setObjectName(QStringLiteral("Naklady_Word_GroupBox"));
    auto* pick = pushButton(QStringLiteral("Word_Vybrat_Button"), QStringLiteral("1. Vybrat dokument Wordu (.docx)"),
                            group);
    documents_ = new QListWidget(group);
    documents_->setObjectName(QStringLiteral("Word_ListBox"));
    auto* replace =
        pushButton(QStringLiteral("Word_Nahradit_Button"), QStringLiteral("3. Provést nahrazení ve WORDu"), group);
    auto* how = new QLabel(QStringLiteral("Vybraný dokument zůstane beze změny: vedle něj vznikne jeho vyplněná kopie "
                                          "„<název> - Verdika.docx“, kterou program otevře."),
                           group);
    how->setWordWrap(true);
    auto* steps = new QVBoxLayout(group);
    steps->addWidget(pick);
    auto* chooseLabel = new QLabel(QStringLiteral("2. vybrat ve kterém dokumentu chcete provést  záměnu"), group);
    chooseLabel->setWordWrap(true);
    steps->addWidget(chooseLabel);
    steps->addWidget(documents_, 1);
    steps->addWidget(replace);
    steps->addWidget(how);

    QStringList help;
    values_ = valueList(this, &help);
    auto* memo = new QPlainTextEdit(this);
    memo->setObjectName(QStringLiteral("Naklady_Word_Memo"));
    memo->setReadOnly(true);
    memo->setPlainText(QStringLiteral("Proměnné, které program ve vybraném dokumentu nahradí:\n\n") +
                       help.join(QLatin1Char('\n')));
    auto* right = new QVBoxLayout;
    right->addWidget(values_, 2);
    right->addWidget(memo, 1);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(group);
    layout->addLayout(right, 1);
    connect(pick, &QPushButton::clicked, this, &WordExportPanel::pickRequested);
    connect(replace, &QPushButton::clicked, this, &WordExportPanel::replaceRequested);
}

void WordExportPanel::addDocument(const QString& path) {
    const QList<QListWidgetItem*> known = documents_->findItems(path, Qt::MatchExactly);
    documents_->setCurrentItem(known.isEmpty() ? new QListWidgetItem(path, documents_) : known.first());
}

QString WordExportPanel::chosenDocument() const {
    QListWidgetItem* chosen = documents_->currentItem();
    return chosen && chosen->isSelected() ? chosen->text() : QString();
}

std::vector<std::string> WordExportPanel::placeholders() const {
    std::vector<std::string> out;
    for (int i = 0; i < values_->rowCount(); ++i) out.push_back(ss(cellText(values_, i, 1).trimmed()));
    return out;
}

}  // namespace verdika::ui
