#include "maintenance/about_window.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "app/data_module.h"
#include "common/ui/qt_convert.h"
#include "companion/release_stamp.h"

namespace verdika::ui {

AboutWindow::AboutWindow(DataModule& data, QWidget* parent) : QDialog(parent), data_(data) {
    setObjectName(QStringLiteral("About_Form"));
    setWindowTitle(QStringLiteral("O programu"));
    auto* layout = new QVBoxLayout(this);
    auto* title = new QLabel(QStringLiteral("<b>Verdika</b> – kalkulačky pro advokátní praxi"), this);
    layout->addWidget(title);
    auto* form = new QFormLayout;
    version_ = new QLabel(this);
    version_->setObjectName(QStringLiteral("verze_label"));
    form->addRow(QStringLiteral("verze programu:"), version_);
    auto* dir = new QLabel(qpath(data.paths().dataDir), this);
    dir->setObjectName(QStringLiteral("data_dir_label"));
    dir->setTextInteractionFlags(Qt::TextSelectableByMouse);
    form->addRow(QStringLiteral("adresář datových souborů:"), dir);
    layout->addLayout(form);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::hide);
    layout->addWidget(buttons);
}

void AboutWindow::showEvent(QShowEvent* e) {
    auto last = stampLastLine(data_.dataFile("verdika.txt"));
    version_->setText(last ? qs(*last) : QString());
    QDialog::showEvent(e);
}

}  // namespace verdika::ui
