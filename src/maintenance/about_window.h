#pragma once
#include <QDialog>
#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;

namespace verdika {
class DataModule;
}

namespace verdika::ui {

// The window "O programu": the installed version, the user's profile that
// the petitions use, the release check, the law-text update, the news and
// the data directory. Lives for the whole run; closing only hides it.
class AboutWindow : public QDialog {
    Q_OBJECT
public:
    explicit AboutWindow(DataModule& data, QWidget* parent = nullptr);

    // The profile fields from the settings. A field the user has edited but
    // not saved keeps the edit, so switching windows loses nothing.
    void FormActivate();
    void Button1Click();    // "Ulož": the profile to the settings
    void CheckBox1Click();  // "Kontrolovat po startu"
    void Aktualizace_ButtonClick();
    // A newer release exists: asks and opens the release archive's address.
    void offerNewRelease();
    void Button2Click();  // "Aktualizovat právní předpisy"
    void Button3Click();  // "Novinky"
    void Button4Click();  // "Zobrazit adresář datových souborů"

    void setDownloadTimeoutMs(int ms) { timeoutMs_ = ms; }

protected:
    bool event(QEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    QWidget* buildProfile();
    QWidget* buildButtons();
    void showVersion();

    DataModule& data_;
    QLabel* version_;
    QCheckBox* checkAfterStart_;
    QProgressBar* progress_;
    QLabel* profileNote_;
    std::array<QLineEdit*, 6> profile_{};
    std::array<QString, 6> loaded_;  // what each field showed when last read or saved
    int timeoutMs_ = 60000;
};

}  // namespace verdika::ui
