#include "travel/distance_window.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "app/paths.h"
#include "common/ui/action.h"
#include "common/ui/controls.h"
#include "common/ui/qt_convert.h"
#include "travel/distances.h"

namespace verdika::ui {

DistanceWindow::DistanceWindow(const AppPaths& paths, QWidget* parent) : QDialog(parent), paths_(paths) {
    setObjectName(QStringLiteral("Vzdalenost_Form"));
    setWindowTitle(QStringLiteral("Vzdálenost"));
    setModal(false);
    auto* grid = new QGridLayout(this);
    auto makeList = [&](const char* name, const char* caption, int column) {
        auto* list = new QListWidget(this);
        list->setObjectName(QString::fromLatin1(name));
        for (std::string_view town : travel::kTowns) list->addItem(qs(town));
        grid->addWidget(buddyLabel(QString::fromUtf8(caption), list, this), 0, column);
        grid->addWidget(list, 1, column);
        return list;
    };
    from_ = makeList("ListBox1", "&Z místa :", 0);
    to_ = makeList("ListBox2", "&Do místa :", 1);

    auto* note = new QLabel(QStringLiteral("Vzdálenosti jsou odhadnuté ze vzdušné vzdálenosti měst: "
                                           "%1.").arg(qs(travel::kDistanceNote)),
                            this);
    note->setObjectName(QStringLiteral("Vzdalenost_Poznamka"));
    note->setWordWrap(true);
    note->setStyleSheet(QStringLiteral("color: #a00000;"));
    grid->addWidget(note, 2, 0, 1, 2);

    auto* ok = pushButton(QStringLiteral("BitBtn1"), QStringLiteral("OK"), this);
    ok->setDefault(true);
    auto* cancel = pushButton(QStringLiteral("BitBtn2"), QStringLiteral("Storno"), this);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(ok, QDialogButtonBox::AcceptRole);
    buttons->addButton(cancel, QDialogButtonBox::RejectRole);
    grid->addWidget(buttons, 3, 0, 1, 2);
    connect(ok, &QPushButton::clicked, this, &DistanceWindow::BitBtn1Click);
    connect(cancel, &QPushButton::clicked, this, &DistanceWindow::BitBtn2Click);
    connect(from_, &QListWidget::itemDoubleClicked, this, [this] { to_->setFocus(); });
    connect(to_, &QListWidget::itemDoubleClicked, this, &DistanceWindow::BitBtn1Click);
    resize(420, 460);
}

void DistanceWindow::BitBtn1Click() {
    runAction(this, [&] {
        auto selected = [](QListWidget* list) {
            const QListWidgetItem* item = list->currentItem();
            return item && item->isSelected() ? ss(item->text()) : std::string();
        };
        const int km = travel::lookupDistance(travel::distanceTableFile(paths_), selected(from_), selected(to_));
        emit distancePicked(km);
        hide();
        if (QWidget* main = parentWidget()) {
            main->raise();
            main->activateWindow();
        }
    });
}

void DistanceWindow::BitBtn2Click() { hide(); }

}  // namespace verdika::ui
