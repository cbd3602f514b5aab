#include "travel/favourites_window.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "common/errors.h"
#include "common/files.h"
#include "common/ui/action.h"
#include "common/ui/controls.h"
#include "common/ui/grid_helpers.h"
#include "common/ui/messages.h"
#include "common/ui/qt_convert.h"
#include "common/ui/zero_select.h"
#include "travel/user_files.h"

namespace verdika::ui {

FavouritesWindow::FavouritesWindow(std::filesystem::path file, QWidget* parent)
    : QDialog(parent), file_(std::move(file)) {
    setObjectName(QStringLiteral("Oblibene_Cesty_Form"));
    setWindowTitle(QStringLiteral("Oblíbené cesty"));
    setModal(false);
    auto* outer = new QVBoxLayout(this);
    auto* group = new QGroupBox(QStringLiteral("Oblíbené cesty"), this);
    outer->addWidget(group);
    auto* layout = new QVBoxLayout(group);

    auto* form = new QFormLayout;
    auto makeEdit = [&](const char* name, const char* caption) {
        auto* e = new QLineEdit(group);
        e->setObjectName(QString::fromLatin1(name));
        form->addRow(QString::fromUtf8(caption), e);
        return e;
    };
    name_ = makeEdit("Popis_Edit", "&Název cesty");
    distance_ = makeEdit("Vzdalenost_Edit", "&Vzdálenost");
    halfHours_ = makeEdit("Pulhodin_Edit", "&Počet půlhodin");
    for (QLineEdit* number : {distance_, halfHours_}) {
        number->setText(QStringLiteral("0"));
        number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        number->setMaximumWidth(number->fontMetrics().horizontalAdvance(QStringLiteral("00000,00")) + 14);
        selectZeroOnFocus(number);
    }
    layout->addLayout(form);
    auto* add = pushButton(QStringLiteral("Button4"), QStringLiteral("Přidat cestu"), group);
    layout->addWidget(add, 0, Qt::AlignRight);

    grid_ = dataGrid(QStringLiteral("Oblibene_Cesty_StringGrid"),
                     {QStringLiteral("Název cesty"), QStringLiteral("km"), QStringLiteral("čas")}, group, 0);
    grid_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    grid_->resizeColumnToContents(1);
    grid_->resizeColumnToContents(2);
    layout->addWidget(grid_, 1);

    auto* buttons = new QHBoxLayout;
    auto* remove = pushButton(QStringLiteral("Button11"), QStringLiteral("Odstranit"), group);
    auto* insert = pushButton(QStringLiteral("Button1"), QStringLiteral("Vložit do cestovného"), group);
    insert->setDefault(true);
    buttons->addWidget(remove);
    buttons->addStretch();
    buttons->addWidget(insert);
    layout->addLayout(buttons);

    connect(add, &QPushButton::clicked, this, &FavouritesWindow::Button4Click);
    connect(remove, &QPushButton::clicked, this, &FavouritesWindow::Button11Click);
    connect(insert, &QPushButton::clicked, this, &FavouritesWindow::Button1Click);
    connect(grid_, &QTableWidget::cellDoubleClicked, this, &FavouritesWindow::Button1Click);
    resize(440, 420);
    reload();
}

void FavouritesWindow::reload() {
    runAction(this, [&] {
        const auto trips = travel::loadFavourites(file_);
        grid_->setRowCount(static_cast<int>(trips.size()));
        for (int i = 0; i < static_cast<int>(trips.size()); ++i) {
            const auto& t = trips[static_cast<size_t>(i)];
            setCellText(grid_, i, 0, qs(t.name));
            setCellText(grid_, i, 1, qs(t.distanceText));
            setCellText(grid_, i, 2, qs(t.halfHoursText));
        }
        grid_->resizeColumnToContents(1);
        grid_->resizeColumnToContents(2);
        if (!trips.empty() && grid_->currentRow() < 0) grid_->selectRow(0);
    });
}

void FavouritesWindow::Button4Click() {
    runAction(this, [&] {
        try {
            travel::addFavourite(file_, ss(name_->text()), ss(distance_->text()), ss(halfHours_->text()));
        } catch (const IoError&) {
            reload();
            throw IoError("Nelze vytvořit soubor ini.\r\n" + pathText(file_));
        }
        reload();
        grid_->selectRow(grid_->rowCount() - 1);
    });
}

void FavouritesWindow::Button11Click() {
    const int row = grid_->currentRow();
    if (grid_->rowCount() == 0) return;
    if (row < 0) {
        showMessage(this, QStringLiteral("Vyberte cestu, kterou chcete odstranit."));
        return;
    }
    runAction(this, [&] { travel::removeFavourite(file_, row + 1); });
    reload();
}

void FavouritesWindow::Button1Click() {
    runAction(this, [&] {
        const int row = grid_->currentRow();
        if (row < 0) throw DataError("Vyberte cestu, kterou chcete vložit.");
        const auto trip = travel::readFavourite(file_, row + 1);
        emit tripPicked(qs(trip.distanceText), qs(trip.halfHoursText));
        hide();
        if (QWidget* main = parentWidget()) {
            main->raise();
            main->activateWindow();
        }
    });
}

}  // namespace verdika::ui
