#include "maintenance/about_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#include "app/data_module.h"
#include "app/user_profile.h"
#include "common/files.h"
#include "common/ui/action.h"
#include "common/ui/controls.h"
#include "common/ui/desktop.h"
#include "common/ui/messages.h"
#include "common/ui/qt_convert.h"
#include "companion/release_stamp.h"
#include "companion/ui/download.h"
#include "companion/ui/version_check.h"
#include "maintenance/updates.h"

namespace verdika::ui {
namespace {

constexpr std::array<std::string UserProfile::*, 6> kProfileFields = {
    &UserProfile::jmeno, &UserProfile::jmeno2, &UserProfile::ulice,
    &UserProfile::psc,   &UserProfile::mesto,  &UserProfile::ucet};
constexpr const char* kProfileNames[] = {"Jmeno_Edit", "Jmeno2_Edit", "Ulice_Edit", "PSC_Edit", "Mesto_Edit",
                                         "ucet_Edit"};
constexpr const char* kProfileLabels[] = {"Titul Jméno Příjmení:", "totéž ve druhém pádě:", "Ulice:", "PSČ:",
                                          "Město:", "číslo účtu (kvůli záložce odměny advokáta):"};
constexpr const char* kMakerMail = "info@verdika.cz";

QLabel* link(QWidget* parent, const char* name, const QString& address, const QString& caption) {
    auto* l = new QLabel(QStringLiteral("<a href=\"%1\">%2</a>").arg(address.toHtmlEscaped(), caption.toHtmlEscaped()),
                         parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    QObject::connect(l, &QLabel::linkActivated, l, [](const QString& a) { openAddress(a); });
    return l;
}

}  // namespace

AboutWindow::AboutWindow(DataModule& data, QWidget* parent) : QDialog(parent), data_(data) {
    setObjectName(QStringLiteral("About_Form"));
    setWindowTitle(QStringLiteral("O programu"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setMinimumWidth(fontMetrics().horizontalAdvance(QLatin1Char('x')) * 80);

    auto* layout = new QVBoxLayout(this);
    auto* title = new QLabel(QStringLiteral("<b>Verdika</b> – kalkulačky pro advokátní praxi"), this);
    layout->addWidget(title);
    auto* versionRow = new QHBoxLayout;
    versionRow->addWidget(new QLabel(QStringLiteral("verze programu:"), this));
    version_ = new QLabel(this);
    version_->setObjectName(QStringLiteral("verze_label"));
    version_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    versionRow->addWidget(version_, 1);
    layout->addLayout(versionRow);

    layout->addWidget(buildButtons());
    layout->addWidget(buildProfile());

    const QString host = qs(data_.settings().serviceHost());
    auto* links = new QHBoxLayout;
    links->addWidget(link(this, "Label6", host, QUrl(host).host()));
    links->addStretch(1);
    links->addWidget(link(this, "Label7", QStringLiteral("mailto:") + QLatin1String(kMakerMail),
                          QLatin1String(kMakerMail)));
    layout->addLayout(links);

    auto* close = new QDialogButtonBox(QDialogButtonBox::Close, this);
    close->setObjectName(QStringLiteral("About_Close"));
    connect(close, &QDialogButtonBox::rejected, this, &QDialog::hide);
    layout->addWidget(close);

    checkAfterStart_->setChecked(data_.settings().getBool(setting::CheckAfterStart, true));
    showVersion();
    FormActivate();
}

QWidget* AboutWindow::buildButtons() {
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    auto* check = pushButton(QStringLiteral("Aktualizace_Button"), QStringLiteral("Kontrola aktualizací"), box);
    checkAfterStart_ = new QCheckBox(QStringLiteral("Kontrolovat po startu"), box);
    checkAfterStart_->setObjectName(QStringLiteral("CheckBox1"));
    auto* laws = pushButton(QStringLiteral("Button2"), QStringLiteral("Aktualizovat právní předpisy"), box);
    progress_ = new QProgressBar(box);
    progress_->setObjectName(QStringLiteral("ProgressBar1"));
    progress_->setRange(0, static_cast<int>(updates::kLawDownloads.size()));
    progress_->setFormat(QStringLiteral("%v z %m"));
    progress_->setVisible(false);
    auto* news = pushButton(QStringLiteral("Button3"), QStringLiteral("Novinky"), box);
    auto* folder = pushButton(QStringLiteral("Button4"), QStringLiteral("Zobrazit adresář datových souborů"), box);
    grid->addWidget(check, 0, 0);
    grid->addWidget(checkAfterStart_, 0, 1);
    grid->addWidget(laws, 1, 0);
    grid->addWidget(progress_, 1, 1);
    grid->addWidget(news, 2, 0);
    grid->addWidget(folder, 2, 1);
    grid->setColumnStretch(1, 1);

    connect(check, &QPushButton::clicked, this, &AboutWindow::Aktualizace_ButtonClick);
    connect(checkAfterStart_, &QCheckBox::clicked, this, &AboutWindow::CheckBox1Click);
    connect(laws, &QPushButton::clicked, this, &AboutWindow::Button2Click);
    connect(news, &QPushButton::clicked, this, &AboutWindow::Button3Click);
    connect(folder, &QPushButton::clicked, this, &AboutWindow::Button4Click);
    return box;
}

QWidget* AboutWindow::buildProfile() {
    auto* group = new QGroupBox(QStringLiteral("Informace o uživateli: "), this);
    auto* form = new QFormLayout(group);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    for (size_t i = 0; i < profile_.size(); ++i) {
        profile_[i] = new QLineEdit(group);
        profile_[i]->setObjectName(QString::fromLatin1(kProfileNames[i]));
        profile_[i]->setMaxLength(250);
        form->addRow(QString::fromUtf8(kProfileLabels[i]), profile_[i]);
    }
    auto* row = new QHBoxLayout;
    auto* save = pushButton(QStringLiteral("Button1"), QStringLiteral("Ulož"), group);
    profileNote_ = new QLabel(group);
    profileNote_->setObjectName(QStringLiteral("profil_stav_label"));
    row->addWidget(save);
    row->addWidget(profileNote_, 1);
    form->addRow(row);
    connect(save, &QPushButton::clicked, this, &AboutWindow::Button1Click);
    for (auto* edit : profile_) connect(edit, &QLineEdit::textEdited, profileNote_, &QLabel::clear);
    return group;
}

void AboutWindow::showVersion() {
    auto last = stampLastLine(data_.dataFile("verdika.txt"));
    version_->setText(last ? qs(*last) : QString());
}

bool AboutWindow::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate) FormActivate();
    return QDialog::event(e);
}

void AboutWindow::showEvent(QShowEvent* e) {
    showVersion();
    FormActivate();
    QDialog::showEvent(e);
}

void AboutWindow::FormActivate() {
    const UserProfile saved = readUserProfile(data_.settings());
    for (size_t i = 0; i < profile_.size(); ++i) {
        if (profile_[i]->text() != loaded_[i]) continue;  // unsaved edit
        loaded_[i] = qs(saved.*kProfileFields[i]);
        profile_[i]->setText(loaded_[i]);
    }
}

void AboutWindow::Button1Click() {
    runAction(this, [&] {
        UserProfile profile;
        for (size_t i = 0; i < profile_.size(); ++i) profile.*kProfileFields[i] = ss(profile_[i]->text().trimmed());
        writeUserProfile(data_.settings(), profile);
        for (size_t i = 0; i < profile_.size(); ++i) {
            profile_[i]->setText(profile_[i]->text().trimmed());
            loaded_[i] = profile_[i]->text();
        }
        profileNote_->setText(QStringLiteral("Profil byl uložen."));
    });
}

void AboutWindow::CheckBox1Click() {
    runAction(this, [&] { data_.settings().setBool(setting::CheckAfterStart, checkAfterStart_->isChecked()); });
}

void AboutWindow::Aktualizace_ButtonClick() {
    const std::string host = data_.settings().serviceHost();
    bool newer = false;
    ZjistiVerzi(qs(updates::releaseStampUrl(host)), qpath(data_.programFile("verdika.txt")),
                qs(updates::downloadPageUrl(host)), qpath(data_.paths().dataDir), true, newer, this, timeoutMs_);
    if (newer) offerNewRelease();
}

void AboutWindow::offerNewRelease() {
    if (confirm(this, QStringLiteral("Chcete načíst stránku s novou verzí programu? Pokud budete program "
                                     "instalovat, nejdříve ukončete běžící program.")))
        openAddress(qs(updates::releaseArchiveUrl(data_.settings().serviceHost())));
}

void AboutWindow::Button2Click() {
    const std::string host = data_.settings().lawPortalHost();
    progress_->setValue(0);
    progress_->setVisible(true);
    QString failure;
    int done = 0;
    for (const auto& law : updates::kLawDownloads) {
        const DownloadResult r = DownloadFile(qs(updates::lawDownloadUrl(host, law.act)),
                                              qpath(data_.dataFile(law.file)), this, timeoutMs_);
        if (!r.ok) {
            failure = QStringLiteral("Předpis %1 (soubor %2) se nepodařilo stáhnout: %3")
                          .arg(qs(law.act), qs(law.file), r.error);
            break;
        }
        progress_->setValue(++done);
    }
    progress_->setVisible(false);
    if (!failure.isEmpty()) {
        // The loop stops at the first failure: an unreachable portal would otherwise time out eight times.
        showWarning(this, failure + QStringLiteral("\nStaženo %1 z %2 předpisů; ostatní zůstávají v dosavadním znění.")
                                        .arg(done)
                                        .arg(updates::kLawDownloads.size()));
        return;
    }
    showMessage(this, QStringLiteral("Stahování zákonů bylo úspěšně dokončeno."));
}

void AboutWindow::Button3Click() {
    const QString file = qpath(data_.dataFile(updates::kNewsFile));
    const DownloadResult r =
        DownloadFile(qs(updates::newsUrl(data_.settings().serviceHost())), file, this, timeoutMs_);
    const bool haveCopy = readFileBytes(fspath(file)).has_value();
    if (!r.ok) {
        showWarning(this, QStringLiteral("Novinky se nepodařilo stáhnout: %1").arg(r.error) +
                              (haveCopy ? QStringLiteral("\nZobrazí se poslední uložené novinky.") : QString()));
    }
    if (haveCopy) openWithDesktop(file);
}

void AboutWindow::Button4Click() {
    const QString dir = qpath(data_.paths().dataDir);
    showMessage(this, QStringLiteral("Adresář datových souborů:\n%1\n\nCesta je zkopírována do schránky.").arg(dir));
    QApplication::clipboard()->setText(dir);
    openWithDesktop(dir);
}

}  // namespace verdika::ui
