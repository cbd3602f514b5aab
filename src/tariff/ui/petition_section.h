#pragma once
// The sub-page "Žalobní petit" as the tariff page and the costs page both have
// it: the three filled petitions with their copy buttons, the payment term and
// the parties' forms, the three editable templates and "Uložit vzor petitů",
// which stores the templates as single lines in the settings file.
#include <QWidget>
#include <array>
#include <string>
#include <vector>

#include "app/settings.h"

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QVBoxLayout;

namespace verdika::ui {

class RadioGroup;

class PetitionSection : public QWidget {
    Q_OBJECT
public:
    // Object names and captions of one page's controls; "%1" stands for 1 … 3.
    struct Names {
        QString page;
        QString resultsGroup, resultsTitle;  // no title: the petitions stand without a frame
        QString resultMemo;
        std::array<QString, 3> copyButtons;
        QString formGroup, formTitle;
        QString days, from, defendant, claimant;
        QString templatesGroup, templatesTitle;
        QString templateMemo;
        QString note;  // a line beside the save button; may be empty
        QString saveButton;
    };
    PetitionSection(const Names& names, const std::array<std::vector<std::string>, 3>& defaultTemplates,
                    QWidget* parent = nullptr);

    std::vector<std::string> templateLines(int index) const;
    QString days() const;
    QString from() const;
    int defendant() const;
    int claimant() const;
    QPlainTextEdit* result(int index) const { return results_[static_cast<size_t>(index)]; }
    QPlainTextEdit* templateMemo(int index) const { return templates_[static_cast<size_t>(index)]; }

    // The filled petitions ("_enter" comes as CR LF, the memos show line feeds).
    void showPetitions(const std::array<std::string, 3>& texts);
    // A saved template that is not empty replaces the designed one.
    void loadTemplates(const Settings& settings, const std::array<SettingKey, 3>& keys);
    // SavePetitButtonClick: the templates as single lines; throws IoError.
    void saveTemplates(Settings& settings, const std::array<SettingKey, 3>& keys) const;
    void copyPetition(int index) const;

signals:
    void optionsChanged();  // days, "from" text or a party's form
    void saveClicked();

private:
    void buildResults(const Names& names, QWidget* parent, QVBoxLayout* results);
    QWidget* buildForm(const Names& names);
    QWidget* buildTemplates(const Names& names, const std::array<std::vector<std::string>, 3>& defaults);

    std::array<QPlainTextEdit*, 3> results_{};
    std::array<QPlainTextEdit*, 3> templates_{};
    QLineEdit* days_ = nullptr;
    QComboBox* from_ = nullptr;
    RadioGroup* defendant_ = nullptr;
    RadioGroup* claimant_ = nullptr;
};

}  // namespace verdika::ui
