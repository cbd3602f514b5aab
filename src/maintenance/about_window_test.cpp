#include "maintenance/about_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

#include "common/ini.h"
#include "common/ui/qt_convert.h"
#include "common/ui/translations.h"
#include "companion/release_stamp.h"
#include "local_http_server.h"
#include "maintenance/updates.h"
#include "ui_test_support.h"

using namespace verdika;
using namespace verdika::test;

namespace {

struct AboutFixture {
    LocalHttpServer http;
    std::unique_ptr<AppFixture> app;
    ui::AboutWindow* about = nullptr;

    explicit AboutFixture(const std::string& settings = {}) {
        const std::string host = http.base().toStdString();
        app = std::make_unique<AppFixture>([&](const fs::path& dir) {
            writeBytes(dir / "nastaveni.ini", "[sluzby]\nverdika=" + host + "\nportal=" + host + "\n" + settings);
        });
        app->window->StatusBar1Click();
        about = app->window->aboutWindow();
        about->setDownloadTimeoutMs(2000);
    }
    template <typename T>
    T* w(const char* name) const {
        T* p = about->findChild<T*>(QString::fromLatin1(name));
        if (!p) qFatal("no control %s", name);
        return p;
    }
    void click(const char* name) const { QTest::mouseClick(w<QPushButton>(name), Qt::LeftButton); }
    fs::path dataFile(std::string_view name) const { return app->data->paths().dataDir / name; }
    IniFile settings() const { return IniFile::load(dataFile("nastaveni.ini")); }
};

QString lawPath(std::string_view act) {
    return QUrl(ui::qs(updates::lawDownloadUrl("http://h", act))).toString(QUrl::RemoveScheme | QUrl::RemoveAuthority);
}

}  // namespace

class AboutWindowTest : public QObject {
    Q_OBJECT
private slots:
    void profileIsSavedAndSignsTheTariffPetitions() {
        AboutFixture f("[uzivatel]\njmeno=JUDr. Jan Novák\n");
        QVERIFY(f.about->isVisible());
        QCOMPARE(f.w<QLineEdit>("Jmeno_Edit")->text(), QStringLiteral("JUDr. Jan Novák"));
        const std::pair<const char*, const char*> typed[] = {
            {"Jmeno2_Edit", "JUDr. Jana Nováka"}, {"Ulice_Edit", "Národní 1"}, {"PSC_Edit", "110 00"},
            {"Mesto_Edit", "Praha 1"},            {"ucet_Edit", "123456789/0100"},
        };
        for (const auto& [name, text] : typed) f.w<QLineEdit>(name)->setText(QString::fromUtf8(text));
        f.click("Button1");
        const IniFile ini = f.settings();
        QCOMPARE(ui::qs(ini.readString("uzivatel", "jmeno2", "")), QStringLiteral("JUDr. Jana Nováka"));
        QCOMPARE(ui::qs(ini.readString("uzivatel", "psc", "")), QStringLiteral("110 00"));
        QCOMPARE(ui::qs(ini.readString("uzivatel", "ucet", "")), QStringLiteral("123456789/0100"));

        // The tariff petitions name the attorney and the account from the profile.
        f.app->find<QComboBox>(QStringLiteral("Tarif_Od_Radio"))->setEditText(QStringLiteral("právní moci rozhodnutí"));
        const QString petition = f.app->find<QPlainTextEdit>(QStringLiteral("Tarif_Petit_Memo1"))->toPlainText();
        QVERIFY2(petition.contains(QStringLiteral("na účet právního zástupce JUDr. Jana Nováka")), qPrintable(petition));
        QVERIFY2(petition.endsWith(QStringLiteral(", č. ú. 123456789/0100")), qPrintable(petition));
    }

    void activationRereadsTheProfileButKeepsUnsavedEdits() {
        AboutFixture f;
        f.w<QLineEdit>("Jmeno_Edit")->setText(QStringLiteral("rozepsané jméno"));
        IniFile::update(f.dataFile("nastaveni.ini"), [](IniFile& ini) {
            ini.writeString("uzivatel", "jmeno", "Mgr. Eva Malá");
            ini.writeString("uzivatel", "ulice", "Husova 5");  // as the institutions page saves it
        });
        f.about->FormActivate();
        QCOMPARE(f.w<QLineEdit>("Jmeno_Edit")->text(), QStringLiteral("rozepsané jméno"));
        QCOMPARE(f.w<QLineEdit>("Ulice_Edit")->text(), QStringLiteral("Husova 5"));
    }

    void checkAfterStartIsStoredWhenTheUserClicksIt() {
        AboutFixture f;
        auto* box = f.w<QCheckBox>("CheckBox1");
        QVERIFY(box->isChecked());
        QVERIFY(!f.settings().hasKey("verdika", "kontrolovat_po_startu"));  // nothing written by opening
        box->click();
        QCOMPARE(f.settings().readBool("verdika", "kontrolovat_po_startu", true), false);
    }

    void releaseCheckAsksAndOpensTheArchive() {
        AboutFixture f;
        MessageRecorder messages;
        DesktopRecorder desktop;
        f.http.set("/download/verdika.txt", {200, "0.0.1\n", false});
        f.click("Aktualizace_Button");
        QVERIFY(messages.lastContains(QStringLiteral("nejnovější verzi")));
        QVERIFY(desktop.opened.isEmpty());

        f.http.set("/download/verdika.txt", {200, "99.0.0\nVerdika 99.0.0\n", false});
        messages.answers = {true};
        f.click("Aktualizace_Button");
        QVERIFY(messages.lastContains(QStringLiteral("Chcete načíst stránku s novou verzí programu?")));
        QCOMPARE(desktop.opened, QStringList({f.http.url(QStringLiteral("/download/verdika.zip"))}));
    }

    void lawUpdateReplacesTheTextsOrKeepsThemAndReportsTheFailure() {
        AboutFixture f;
        MessageRecorder messages;
        for (const auto& law : updates::kLawDownloads)
            f.http.set(lawPath(law.act), {200, "text " + QByteArray(law.act.data(), law.act.size()), false});
        f.click("Button2");
        QCOMPARE(messages.messages, QStringList({"Stahování zákonů bylo úspěšně dokončeno."}));
        QVERIFY(!f.w<QProgressBar>("ProgressBar1")->isVisible());
        QCOMPARE(readBytes(f.dataFile("zakonik_prace.vrd")), std::string("text 262/2006"));
        QCOMPARE(readBytes(f.dataFile("exekutor.vrd")), std::string("text 330/2001"));

        // The late-interest regulation (sixth) is missing: the five before it are
        // renewed, it and the rest keep their text, and no success is claimed.
        for (const auto& law : updates::kLawDownloads)
            f.http.set(lawPath(law.act), {200, "new " + QByteArray(law.act.data(), law.act.size()), false});
        f.http.set(lawPath("142/1994"), {404, "", false});
        messages.messages.clear();
        f.click("Button2");
        QCOMPARE(messages.messages.size(), 1);
        QVERIFY(messages.lastContains(QStringLiteral("142/1994")));
        QVERIFY(messages.lastContains(QStringLiteral("Staženo 5 z 8")));
        QCOMPARE(readBytes(f.dataFile("soudni_p.vrd")), std::string("new 549/1991"));
        QCOMPARE(readBytes(f.dataFile("urok_z_prodleni.vrd")), std::string("text 142/1994"));
        QCOMPARE(readBytes(f.dataFile("notar.vrd")), std::string("text 196/2001"));
        QVERIFY(!f.w<QProgressBar>("ProgressBar1")->isVisible());
    }

    void newsAreDownloadedAndOpenedTheLastCopyWhenOffline() {
        AboutFixture f;
        MessageRecorder messages;
        DesktopRecorder desktop;
        f.http.set("/download/verdika_novinky.txt", {200, "Nová verze 2.0", false});
        f.click("Button3");
        const QString news = ui::qpath(f.dataFile("verdika_novinky.txt"));
        QCOMPARE(desktop.opened, QStringList({news}));
        QVERIFY(messages.messages.isEmpty());

        f.http.set("/download/verdika_novinky.txt", {500, "", false});
        f.click("Button3");
        QVERIFY(messages.lastContains(QStringLiteral("Novinky se nepodařilo stáhnout")));
        QCOMPARE(desktop.opened, QStringList({news, news}));
        QCOMPARE(readBytes(f.dataFile("verdika_novinky.txt")), std::string("Nová verze 2.0"));
    }

    void dataFolderIsShownCopiedAndOpened() {
        AboutFixture f;
        MessageRecorder messages;
        DesktopRecorder desktop;
        f.click("Button4");
        const QString dir = ui::qpath(f.app->data->paths().dataDir);
        QVERIFY(messages.lastContains(dir));
        QCOMPARE(QApplication::clipboard()->text(), dir);
        QCOMPARE(desktop.opened, QStringList({dir}));
        QCOMPARE(f.w<QLabel>("verze_label")->text(),
                 ui::qs(*stampLastLine(f.app->data->paths().dataDir / "verdika.txt")));
    }

    void standardButtonsSpeakCzech() {
        QVERIFY(ui::installQtTranslations(*qApp));
        QMessageBox box(QMessageBox::Question, QStringLiteral("Verdika"), QStringLiteral("?"),
                        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel | QMessageBox::Close);
        auto text = [&](QMessageBox::StandardButton b) { return box.button(b)->text().remove(QLatin1Char('&')); };
        QCOMPARE(text(QMessageBox::Yes), QStringLiteral("Ano"));
        QCOMPARE(text(QMessageBox::No), QStringLiteral("Ne"));
        QCOMPARE(text(QMessageBox::Cancel), QStringLiteral("Storno"));
        QCOMPARE(text(QMessageBox::Close), QStringLiteral("Zavřít"));
        AboutFixture f;
        QCOMPARE(f.w<QDialogButtonBox>("About_Close")->button(QDialogButtonBox::Close)->text(),
                 QStringLiteral("Zavřít"));
    }
};

VERDIKA_UI_TEST(AboutWindowTest);
#include "about_window_test.moc"
