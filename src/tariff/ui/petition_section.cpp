#include "tariff/ui/petition_section.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "common/ini.h"
#include "common/text.h"
#include "common/ui/controls.h"
#include "common/ui/qt_convert.h"
#include "common/ui/radio_group.h"

namespace verdika::ui {

PetitionSection::PetitionSection(const Names& names, const std::array<std::vector<std::string>, 3>& defaults,
                                 QWidget* parent)
    : QWidget(parent) {
    setObjectName(names.page);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    if (names.resultsTitle.isEmpty()) {
        auto* results = new QVBoxLayout;
        buildResults(names, this, results);
        layout->addLayout(results, 3);
    } else {
        auto* group = new QGroupBox(names.resultsTitle, this);
        group->setObjectName(names.resultsGroup);
        buildResults(names, group, new QVBoxLayout(group));
        layout->addWidget(group, 3);
    }
    auto* right = new QVBoxLayout;
    right->addWidget(buildForm(names));
    right->addWidget(buildTemplates(names, defaults), 1);
    layout->addLayout(right, 2);

    connect(defendant_, &RadioGroup::itemClicked, this, &PetitionSection::optionsChanged);
    connect(claimant_, &RadioGroup::itemClicked, this, &PetitionSection::optionsChanged);
    connect(days_, &QLineEdit::textChanged, this, &PetitionSection::optionsChanged);
    connect(from_, &QComboBox::currentTextChanged, this, &PetitionSection::optionsChanged);
}

void PetitionSection::buildResults(const Names& names, QWidget* parent, QVBoxLayout* results) {
    for (int k = 0; k < 3; ++k) {
        auto* head = new QHBoxLayout;
        head->addWidget(new QLabel(QStringLiteral("Žalobní petit č. %1:").arg(k + 1), parent));
        head->addStretch();
        auto* copy = toolButton(names.copyButtons[static_cast<size_t>(k)], QStringLiteral("Kopírovat"),
                                QStringLiteral("Zkopírovat petit do schránky"), parent);
        connect(copy, &QToolButton::clicked, this, [this, k] { copyPetition(k); });
        head->addWidget(copy);
        results->addLayout(head);
        auto* memo = new QPlainTextEdit(parent);
        memo->setObjectName(names.resultMemo.arg(k + 1));
        memo->setMinimumHeight(60);
        results_[static_cast<size_t>(k)] = memo;
        results->addWidget(memo, 1);
    }
}

QWidget* PetitionSection::buildForm(const Names& names) {
    auto* form = new QGroupBox(names.formTitle, this);
    form->setObjectName(names.formGroup);
    auto* fg = new QGridLayout(form);
    fg->addWidget(new QLabel(QStringLiteral("zaplatit do"), form), 0, 0);
    days_ = new QLineEdit(QStringLiteral("15"), form);
    days_->setObjectName(names.days);
    days_->setMaximumWidth(50);
    fg->addWidget(days_, 0, 1);
    fg->addWidget(new QLabel(QStringLiteral("dnů od: "), form), 0, 2);
    from_ = new QComboBox(form);
    from_->setObjectName(names.from);
    from_->setEditable(true);
    from_->setInsertPolicy(QComboBox::NoInsert);
    from_->addItems({QStringLiteral("právní moci rozhodnutí"), QStringLiteral("doručení platebního rozkazu")});
    from_->setEditText(QStringLiteral("doručení platebního rozkazu"));
    fg->addWidget(from_, 0, 3);
    defendant_ = new RadioGroup(names.defendant, QString(),
                                {QStringLiteral("žalovaný"), QStringLiteral("žalovaná"), QStringLiteral("žalovaní")}, 3,
                                form);
    defendant_->setItemIndex(0);
    claimant_ = new RadioGroup(names.claimant, QString(),
                               {QStringLiteral("žalobce"), QStringLiteral("žalobkyně"), QStringLiteral("žalobci")}, 3,
                               form);
    claimant_->setItemIndex(0);
    fg->addWidget(defendant_, 1, 0, 1, 4);
    fg->addWidget(claimant_, 2, 0, 1, 4);
    fg->setColumnStretch(3, 1);
    return form;
}

QWidget* PetitionSection::buildTemplates(const Names& names, const std::array<std::vector<std::string>, 3>& defaults) {
    auto* patterns = new QGroupBox(names.templatesTitle, this);
    patterns->setObjectName(names.templatesGroup);
    auto* pl = new QVBoxLayout(patterns);
    for (int k = 0; k < 3; ++k) {
        pl->addWidget(new QLabel(QStringLiteral("Číslo %1:").arg(k + 1), patterns));
        auto* memo = new QPlainTextEdit(patterns);
        memo->setObjectName(names.templateMemo.arg(k + 1));
        memo->setMinimumHeight(60);
        memo->setPlainText(toQStringList(defaults[static_cast<size_t>(k)]).join(QLatin1Char('\n')));
        templates_[static_cast<size_t>(k)] = memo;
        pl->addWidget(memo, 1);
    }
    auto* bottom = new QHBoxLayout;
    if (!names.note.isEmpty()) bottom->addWidget(new QLabel(names.note, patterns), 1);
    else bottom->addStretch();
    auto* save = pushButton(names.saveButton, QStringLiteral("Uložit vzor petitů"), patterns);
    connect(save, &QPushButton::clicked, this, &PetitionSection::saveClicked);
    bottom->addWidget(save);
    pl->addLayout(bottom);
    return patterns;
}

std::vector<std::string> PetitionSection::templateLines(int index) const {
    std::vector<std::string> out;
    for (const QString& l : templates_[static_cast<size_t>(index)]->toPlainText().split(QLatin1Char('\n')))
        out.push_back(ss(l));
    return out;
}

QString PetitionSection::days() const { return days_->text(); }
QString PetitionSection::from() const { return from_->currentText(); }
int PetitionSection::defendant() const { return defendant_->itemIndex(); }
int PetitionSection::claimant() const { return claimant_->itemIndex(); }

void PetitionSection::showPetitions(const std::array<std::string, 3>& texts) {
    for (size_t k = 0; k < 3; ++k) results_[k]->setPlainText(qs(Nahrad_Vse(texts[k], "\r\n", "\n")));
}

void PetitionSection::loadTemplates(const Settings& settings, const std::array<SettingKey, 3>& keys) {
    for (size_t k = 0; k < 3; ++k) {
        const std::string saved = settings.getString(keys[k]);
        if (!saved.empty()) templates_[k]->setPlainText(qs(saved));
    }
}

void PetitionSection::saveTemplates(Settings& settings, const std::array<SettingKey, 3>& keys) const {
    settings.update([&](IniFile& ini) {
        for (size_t k = 0; k < 3; ++k)
            ini.writeString(keys[k].section, keys[k].key, Jeden_Radek(ss(templates_[k]->toPlainText())));
    });
}

void PetitionSection::copyPetition(int index) const {
    copyToClipboard(results_[static_cast<size_t>(index)]->toPlainText());
}

}  // namespace verdika::ui
