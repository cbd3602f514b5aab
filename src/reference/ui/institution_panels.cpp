#include "reference/ui/institution_panels.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "common/ui/clickable_label.h"
#include "common/ui/controls.h"
#include "common/ui/qt_convert.h"

namespace verdika::ui {

namespace {

QLineEdit* addressEdit(const QString& name, QWidget* parent) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    // No name or address is longer; a pasted page of text helps no search.
    e->setMaxLength(200);
    return e;
}

ClickableLabel* linkLabel(const QString& name, const QString& tip, QWidget* parent) {
    auto* l = new ClickableLabel(name, parent);
    l->setLinkLook();
    l->setToolTip(tip);
    l->setFocusPolicy(Qt::TabFocus);
    // A long address is cut at the edge rather than widening the page.
    l->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    l->setMinimumWidth(40);
    return l;
}

}  // namespace

InstitutionDetailsBox::InstitutionDetailsBox(QWidget* parent)
    : QGroupBox(QStringLiteral("Podrobnosti o instituci"), parent) {
    setObjectName(QStringLiteral("GroupBox_Podrobnosti"));
    auto* form = new QFormLayout(this);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    constexpr std::array<std::pair<const char*, const char*>, 6> kFields = {
        {{"nazev", "Název:"}, {"ulice", "Ulice:"}, {"psc", "PSČ:"}, {"mesto", "Město:"}, {"telefon", "Telefon:"}, {"fax", "Fax:"}}};
    for (size_t i = 0; i < kFields.size(); ++i) {
        fields_[i] = addressEdit(QString::fromLatin1(kFields[i].first), this);
        fields_[i]->setReadOnly(true);
        form->addRow(QString::fromUtf8(kFields[i].second), fields_[i]);
    }
    email_ = linkLabel(QStringLiteral("DBText7"), QStringLiteral("Napsat e-mail"), this);
    form->addRow(QStringLiteral("Email:"), email_);
    www_ = linkLabel(QStringLiteral("DBText9"), QStringLiteral("Otevřít stránky instituce v prohlížeči"), this);
    form->addRow(QStringLiteral("WWW:"), www_);
    connect(email_, &ClickableLabel::clicked, this, &InstitutionDetailsBox::emailClicked);
    connect(www_, &ClickableLabel::clicked, this, &InstitutionDetailsBox::webClicked);
}

void InstitutionDetailsBox::showInstitution(const Institution& i) {
    const std::array<const std::string*, 6> values = {&i.nazev, &i.ulice, &i.psc, &i.mesto, &i.telefon, &i.fax};
    for (size_t k = 0; k < fields_.size(); ++k) {
        fields_[k]->setText(qs(*values[k]));
        fields_[k]->setCursorPosition(0);
    }
    email_->setText(qs(i.email));
    www_->setText(qs(i.www));
}

CompetentCourtBox::CompetentCourtBox(QWidget* parent) : QGroupBox(QStringLiteral("Místně příslušný soud"), parent) {
    setObjectName(QStringLiteral("GroupBox_Prislusny"));
    auto* v = new QVBoxLayout(this);
    municipality_ = addressEdit(QStringLiteral("Edit17"), this);
    auto* find = pushButton(QStringLiteral("Button48"), QStringLiteral("Najít"), this);
    auto* row = new QHBoxLayout;
    row->addWidget(municipality_, 1);
    row->addWidget(find);
    matched_ = new QLabel(this);
    matched_->setObjectName(QStringLiteral("DBText8"));
    matched_->setWordWrap(true);
    matched_->setToolTip(QStringLiteral("Obec, pro kterou je vybraný soud příslušný"));
    auto* superior = pushButton(QStringLiteral("Button8"), QStringLiteral("Nadřízený soud"), this);
    v->addWidget(buddyLabel(QStringLiteral("Bydliště žalovaného"), municipality_, this));
    v->addLayout(row);
    v->addWidget(matched_);
    v->addStretch();
    v->addWidget(superior);
    connect(find, &QPushButton::clicked, this, &CompetentCourtBox::findClicked);
    // Enter in the field finds, as the default button of the group did.
    connect(municipality_, &QLineEdit::returnPressed, this, &CompetentCourtBox::findClicked);
    connect(superior, &QPushButton::clicked, this, &CompetentCourtBox::superiorClicked);
}

QString CompetentCourtBox::municipality() const { return municipality_->text().trimmed(); }

void CompetentCourtBox::setMatched(const QString& municipality) { matched_->setText(municipality); }

InstitutionToolsBox::InstitutionToolsBox(QWidget* parent) : QGroupBox(QStringLiteral("Nástroje "), parent) {
    setObjectName(QStringLiteral("GroupBox_Nastroje"));
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    auto* v = new QVBoxLayout(this);
    v->setSpacing(3);
    auto add = [&](const char* name, const char* caption, const char* tip, void (InstitutionToolsBox::*signal)()) {
        QPushButton* b = pushButton(QString::fromLatin1(name), QString::fromUtf8(caption), this);
        // The box is as narrow as its widest button; room on both sides keeps
        // the longest caption off the button's edges at any scaling.
        b->setMinimumWidth(b->fontMetrics().horizontalAdvance(b->text()) + 2 * b->fontMetrics().averageCharWidth() + 8);
        if (tip) b->setToolTip(QString::fromUtf8(tip));
        connect(b, &QPushButton::clicked, this, signal);
        return b;
    };
    v->addWidget(add("Button49", "=> Kopírovat adresu", "Název a adresu vybrané instituce zkopíruje do schránky",
                     &InstitutionToolsBox::copyClicked));
    v->addWidget(add("Button27", "Náhled adresy", nullptr, &InstitutionToolsBox::previewClicked));
    v->addWidget(add("BitBtn33", "=>TXT", "Adresu vybrané instituce připojí do záložky TXT",
                     &InstitutionToolsBox::txtClicked));
    v->addWidget(add("najit_soud_Button", "=> Najít na mapě      ", "Vybranou instituci ukáže na mapě v prohlížeči",
                     &InstitutionToolsBox::mapClicked));
    v->addWidget(add("Najdi_Soud_Button2", "=> zobrazit ve výchozím prohlížeči", nullptr,
                     &InstitutionToolsBox::browserClicked));
    v->addWidget(add("Zakon_o_soudech_Button", "Zákon o soudech a soudcích", nullptr, &InstitutionToolsBox::lawClicked));
    auto* exportRow = new QHBoxLayout;
    exportRow->addWidget(add("Button32", "Export adres", nullptr, &InstitutionToolsBox::exportClicked), 1);
    exportRow->addWidget(infoButton(QStringLiteral("BitBtn85"), QStringLiteral("Export adres"),
                                    QStringLiteral("Program vyexportuje adresy, které jste si vyfiltrovali shora, do "
                                                   "záložky TXT."),
                                    this));
    v->addLayout(exportRow);
    v->addStretch();
}

InstitutionMapsBox::InstitutionMapsBox(QWidget* parent) : QWidget(parent) {
    auto* h = new QHBoxLayout(this);
    h->setContentsMargins(0, 0, 0, 0);

    auto* route = new QGroupBox(QStringLiteral("Vzdálenost k soudu"), this);
    route->setObjectName(QStringLiteral("GroupBox_Vzdalenost"));
    auto* rh = new QHBoxLayout(route);
    officeStreet_ = addressEdit(QStringLiteral("Ulice_Edit"), route);
    officeTown_ = addressEdit(QStringLiteral("Mesto_Edit"), route);
    auto* findRoute = pushButton(QStringLiteral("Nalezt_Trasu_Button"), QStringLiteral("Nalézt trasu"), route);
    auto* save = pushButton(QStringLiteral("Button37"), QStringLiteral("Uložit adresu"), route);
    save->setToolTip(QStringLiteral("Adresu kanceláře si program zapamatuje"));
    rh->addWidget(new QLabel(QStringLiteral("Odkud:"), route));
    rh->addWidget(buddyLabel(QStringLiteral("Ulice, čp.:"), officeStreet_, route));
    rh->addWidget(officeStreet_, 3);
    rh->addWidget(buddyLabel(QStringLiteral("Město: "), officeTown_, route));
    rh->addWidget(officeTown_, 2);
    rh->addWidget(findRoute);
    rh->addWidget(save);

    auto* other = new QGroupBox(QStringLiteral("Najít na mapě"), this);
    other->setObjectName(QStringLiteral("GroupBox_Mapa"));
    auto* oh = new QHBoxLayout(other);
    otherStreet_ = addressEdit(QStringLiteral("ulice2_Edit"), other);
    otherTown_ = addressEdit(QStringLiteral("mesto2_edit"), other);
    auto* findOther = pushButton(QStringLiteral("najit_cizi_Button"), QStringLiteral("Najít"), other);
    oh->addWidget(buddyLabel(QStringLiteral("Ulice, čp.:"), otherStreet_, other));
    oh->addWidget(otherStreet_, 3);
    oh->addWidget(buddyLabel(QStringLiteral("Město:"), otherTown_, other));
    oh->addWidget(otherTown_, 2);
    oh->addWidget(findOther);

    h->addWidget(route, 3);
    h->addWidget(other, 2);
    connect(findRoute, &QPushButton::clicked, this, &InstitutionMapsBox::routeClicked);
    connect(save, &QPushButton::clicked, this, &InstitutionMapsBox::saveOfficeClicked);
    connect(findOther, &QPushButton::clicked, this, &InstitutionMapsBox::otherClicked);
    for (QLineEdit* e : {otherStreet_, otherTown_})
        connect(e, &QLineEdit::returnPressed, this, &InstitutionMapsBox::otherClicked);
}

void InstitutionMapsBox::setOffice(const QString& street, const QString& town) {
    officeStreet_->setText(street);
    officeTown_->setText(town);
}

QString InstitutionMapsBox::officeStreet() const { return officeStreet_->text(); }
QString InstitutionMapsBox::officeTown() const { return officeTown_->text(); }
QString InstitutionMapsBox::otherStreet() const { return otherStreet_->text(); }
QString InstitutionMapsBox::otherTown() const { return otherTown_->text(); }

}  // namespace verdika::ui
