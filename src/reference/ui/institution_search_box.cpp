#include "reference/ui/institution_search_box.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "common/ui/controls.h"

namespace verdika::ui {

namespace {

constexpr std::array<std::pair<const char*, const char*>, kInstitutionKinds> kKindBoxes = {{
    {"Okresni_soud_CheckBox", "Okresní"}, {"Krajsky_soud_CheckBox", "Krajský"},
    {"Mestsky_soud_CheckBox", "Městský"}, {"Obvodni_soud_CheckBox", "Obvodní"},
    {"Vrchni_soud_CheckBox", "Vrchní"},   {"Nejvyssi_soud_CheckBox", "Nejvyšší"},
    {"Okresni_zast_CheckBox", "Okresní"}, {"Krajske_zast_CheckBox", "Krajské"},
    {"Mestske_zast_CheckBox", "Městské"}, {"Obvodni_zast_CheckBox", "Obvodní"},
    {"Vrchni_zast_CheckBox", "Vrchní"},   {"Veznice_CheckBox", "Věznice"},
}};
constexpr int kCourtKinds = 6;

}  // namespace

InstitutionSearchBox::InstitutionSearchBox(QWidget* parent) : QGroupBox(QStringLiteral("Vyhledávání"), parent) {
    setObjectName(QStringLiteral("GroupBox_Vyhledavani"));
    auto* g = new QGridLayout(this);
    g->setVerticalSpacing(2);
    text_ = new QLineEdit(this);
    text_->setObjectName(QStringLiteral("Edit29"));
    // A pasted page of text would only make a search pattern SQLite refuses.
    text_->setMaxLength(200);
    text_->setClearButtonEnabled(true);
    g->addWidget(buddyLabel(QStringLiteral("Vyhledávat tento text v:"), text_, this), 0, 0, 1, 2);
    g->addWidget(text_, 0, 2, 1, 3);

    fields_ = new QButtonGroup(this);
    auto* fieldRow = new QHBoxLayout;
    const std::array<std::pair<const char*, SearchField>, 4> choices = {
        {{"Města", SearchField::Mesto}, {"Ulice", SearchField::Ulice}, {"Názvu", SearchField::Nazev}, {"PSČ", SearchField::Psc}}};
    for (const auto& [caption, f] : choices) {
        auto* r = new QRadioButton(QString::fromUtf8(caption), this);
        r->setObjectName(QStringLiteral("Hledat_RadioButton%1").arg(static_cast<int>(f)));
        fields_->addButton(r, static_cast<int>(f));
        fieldRow->addWidget(r);
    }
    fieldRow->addStretch();
    fields_->button(static_cast<int>(SearchField::Nazev))->setChecked(true);
    g->addLayout(fieldRow, 1, 0, 1, 5);

    int row = 2;
    addKinds(g, row, QStringLiteral("Soudy:"), 0, "Button20", "Button21");
    addKinds(g, row, QStringLiteral("Zastupitelství a věznice:"), kCourtKinds, "Button22", "Button23");
    auto* showAll = pushButton(QStringLiteral("Button19"), QStringLiteral("Zobrazit všechny"), this);
    g->addWidget(showAll, row, 0, 1, 5, Qt::AlignLeft);
    g->setColumnStretch(3, 1);

    connect(text_, &QLineEdit::textChanged, this, &InstitutionSearchBox::textChanged);
    connect(fields_, &QButtonGroup::idClicked, this, &InstitutionSearchBox::criteriaChanged);
    connect(showAll, &QPushButton::clicked, this, &InstitutionSearchBox::showAllClicked);
}

void InstitutionSearchBox::addKinds(QGridLayout* g, int& row, const QString& title, int first, const char* allName,
                                    const char* noneName) {
    g->addWidget(new QLabel(title, this), row++, 0, 1, 3);
    for (int k = first; k < first + kCourtKinds; ++k) {
        const auto& [name, caption] = kKindBoxes[static_cast<size_t>(k)];
        auto* box = new QCheckBox(QString::fromUtf8(caption), this);
        box->setObjectName(QString::fromLatin1(name));
        box->setChecked(true);
        kindBoxes_[static_cast<size_t>(k)] = box;
        g->addWidget(box, row + (k - first) / 3, (k - first) % 3);
        connect(box, &QCheckBox::clicked, this, &InstitutionSearchBox::criteriaChanged);
    }
    auto* all = pushButton(QString::fromLatin1(allName), QStringLiteral("Všechny"), this);
    auto* none = pushButton(QString::fromLatin1(noneName), QStringLiteral("Žádné"), this);
    g->addWidget(all, row, 4);
    g->addWidget(none, row + 1, 4);
    connect(all, &QPushButton::clicked, this, [this, first] { setBoxes(first, true); });
    connect(none, &QPushButton::clicked, this, [this, first] { setBoxes(first, false); });
    row += 2;
}

QString InstitutionSearchBox::text() const { return text_->text(); }

SearchField InstitutionSearchBox::field() const { return static_cast<SearchField>(fields_->checkedId()); }

KindSet InstitutionSearchBox::kinds() const {
    KindSet set;
    for (size_t k = 0; k < kindBoxes_.size(); ++k) set.set(k, kindBoxes_[k]->isChecked());
    return set;
}

void InstitutionSearchBox::setBoxes(int first, bool on) {
    for (int k = first; k < first + kCourtKinds; ++k) kindBoxes_[static_cast<size_t>(k)]->setChecked(on);
    emit criteriaChanged();
}

void InstitutionSearchBox::setCourtBoxes(bool on) { setBoxes(0, on); }

void InstitutionSearchBox::setOfficeBoxes(bool on) { setBoxes(kCourtKinds, on); }

}  // namespace verdika::ui
