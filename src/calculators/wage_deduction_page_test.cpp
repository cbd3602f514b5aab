#include "calculators/wage_deduction_page.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QTextEdit>
#include <QToolButton>

#include "app/txt_page.h"
#include "common/ui/balloon.h"
#include "common/ui/qt_convert.h"
#include "fees/ui/fee_test_host.h"
#include "ui_test_support.h"

using namespace verdika;
using namespace verdika::test;

namespace {

struct WageFixture : AppFixture {
    WageFixture() {
        window->show();
        window->showPage(ui::kWageDeductionPage);
    }
    QLineEdit* edit(const char* name) const { return find<QLineEdit>(QString::fromLatin1(name)); }
    QString result(const char* name) const { return edit(qPrintable(QStringLiteral("Srazky_%1_Edit").arg(name)))->text(); }
    void click(const char* name) const { find<QAbstractButton>(QString::fromLatin1(name))->click(); }
    void setPeriod(int month, int year) const { find<QDateEdit>("Srazky_Obdobi_DateEdit")->setDate(QDate(year, month, 1)); }
    QDate payment() const { return find<QDateEdit>("Srazky_Vyplata_DateTimePicker")->date(); }
    QString summary() const { return find<QTextEdit>("Srazky_RichEdit")->toPlainText(); }
};

}  // namespace

class WageDeductionPageTest : public QObject {
    Q_OBJECT
private slots:
    void computesCopiesAndWritesThePdf() {
        DesktopRecorder desktop;
        WageFixture app;
        QTRY_COMPARE(app.window->focusWidget(), app.edit("Srazky_Mzda_Edit"));  // the wage is typed first
        app.setPeriod(3, 2026);
        QCOMPARE(app.payment(), QDate(2026, 4, 15));
        app.edit("Srazky_Mzda_Edit")->setText(QStringLiteral("35.000"));
        app.find<QSpinBox>("Srazky_Vyzivovane_SpinEdit")->setValue(1);
        app.find<QCheckBox>("Srazky_Manzel_CheckBox")->setChecked(true);
        app.click("Srazky_Pohledavka_RadioGroup_1");  // maintenance
        QTest::keyClick(app.edit("Srazky_Mzda_Edit"), Qt::Key_Return);

        QCOMPARE(app.result("N"), QStringLiteral("14.101,50 Kč"));
        QCOMPARE(app.result("V"), QStringLiteral("3.525,38 Kč"));
        QCOMPARE(app.result("Nezabavitelna"), QStringLiteral("21.153,00 Kč"));
        QCOMPARE(app.result("Zbytek3"), QStringLiteral("13.845,00 Kč"));
        QCOMPARE(app.result("Srazka"), QStringLiteral("9.230,00 Kč"));
        QCOMPARE(app.result("Vyplati"), QStringLiteral("25.770,00 Kč"));
        QCOMPARE(app.result("Nahrada"), QStringLiteral("50,00 Kč"));
        QVERIFY(app.find<QLabel>("Srazky_Obdobi_Label")->text().contains(QStringLiteral("1.1.2026")));
        QVERIFY(app.summary().contains(QStringLiteral("Srážka celkem: 9.230,00 Kč")));

        app.click("Srazky_Srazka_Kc");
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("9.230,00 Kč"));
        app.click("Srazky_V_Cislo");
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("3525,375"));

        app.click("Srazky_PDF_Button");
        const fs::path pdf = app.data->paths().dataDir / "PDF" / "srazky.pdf";
        QCOMPARE(desktop.opened, QStringList{ui::qpath(pdf)});
        QVERIFY(readBytes(pdf).rfind("%PDF-", 0) == 0);

        // A second computation replaces the summary unless it is to be kept.
        app.click("Srazky_Vypocitat_Button");
        QCOMPARE(app.summary().count(QStringLiteral("Srážka celkem")), 1);
        app.find<QCheckBox>("Ponechat_Srazky_CheckBox")->setChecked(true);
        app.click("Srazky_Vypocitat_Button");
        QCOMPARE(app.summary().count(QStringLiteral("Srážka celkem")), 2);

        MessageRecorder messages;
        messages.answers = {false};
        app.click("Srazky_TXT_Button");
        const auto* txt = app.window->findChild<ui::TxtPage*>();
        QVERIFY(txt->box()->toPlainText().contains(QStringLiteral("Povinnému se vyplatí: 25.770,00 Kč")));
    }

    void periodDecidesPaymentInfoAndRefusals() {
        MessageRecorder messages;
        WageFixture app;
        // The December wage is paid in January: the next year's figures.
        app.setPeriod(12, 2025);
        QCOMPARE(app.payment(), QDate(2026, 1, 15));
        auto* info = app.find<QToolButton>("Srazky_Info_Button");
        QWidget* balloon = ui::balloonOf(info);
        QVERIFY(balloon);
        const auto texts = [&] {
            QStringList all;
            for (auto* l : balloon->findChildren<QLabel*>()) all << l->text();
            return all.join(QLatin1Char('\n'));
        };
        QVERIFY2(texts().contains(QStringLiteral("Období od 1.1.2026")), qPrintable(texts()));

        app.setPeriod(7, 2020);
        QVERIFY(texts().contains(QStringLiteral("3/4")));

        app.edit("Srazky_Mzda_Edit")->setText(QStringLiteral("15000"));
        app.click("Srazky_Vypocitat_Button");
        QCOMPARE(app.result("Srazka"), QStringLiteral("2.409,00 Kč"));
        QVERIFY(messages.messages.isEmpty());

        // A period the table has no figures for: a message, and no old figures left standing.
        app.setPeriod(5, 2008);
        QVERIFY(texts().contains(QStringLiteral("2008")));
        app.click("Srazky_Vypocitat_Button");
        QCOMPARE(messages.messages.size(), 1);
        QVERIFY(messages.lastContains(QStringLiteral("2008")));
        QVERIFY(app.result("Srazka").isEmpty());

        app.setPeriod(7, 2020);
        app.edit("Srazky_Mzda_Edit")->setText(QStringLiteral("15 tisíc"));
        app.click("Srazky_Vypocitat_Button");
        QCOMPARE(messages.messages.size(), 2);
        QVERIFY(app.result("N").isEmpty());
    }

    void insolvencyResetAndOutsideLinks() {
        DesktopRecorder desktop;
        WageFixture app;
        app.setPeriod(3, 2026);
        app.edit("Srazky_Mzda_Edit")->setText(QStringLiteral("40000"));
        app.find<QSpinBox>("Srazky_Vyzivovane_SpinEdit")->setValue(4);
        app.find<QCheckBox>("Srazky_Insolvence_CheckBox")->setChecked(true);
        QVERIFY(!app.find<QGroupBox>("Srazky_Pohledavka_RadioGroup")->isEnabled());
        QVERIFY(!app.find<QCheckBox>("Srazky_Exekuce4_CheckBox")->isEnabled());
        app.click("Srazky_Vypocitat_Button");
        QCOMPARE(app.result("Srazka"), QStringLiteral("7.864,00 Kč"));
        QCOMPARE(app.result("Nahrada"), QStringLiteral("0,00 Kč"));
        QVERIFY(app.summary().contains(QStringLiteral("Oddlužení")));

        app.click("Srazky_Vynulovat_Button");
        QVERIFY(app.result("Srazka").isEmpty());
        QCOMPARE(app.find<QSpinBox>("Srazky_Vyzivovane_SpinEdit")->value(), 0);
        QVERIFY(!app.find<QCheckBox>("Srazky_Insolvence_CheckBox")->isChecked());
        QVERIFY(app.find<QGroupBox>("Srazky_Pohledavka_RadioGroup")->isEnabled());

        app.click("Srazky_Web_Button");
        QCOMPARE(desktop.opened.size(), 1);
        QVERIFY(desktop.opened.first().endsWith(QStringLiteral("/finance/vypocet-exekuce.html")));

        ui::RecordingHost host(*app.data);
        ui::WageDeductionPage page(host);
        page.findChild<QPushButton*>("Srazky_Predpis_Button")->click();
        QCOMPARE(host.regulations.value(0), ui::qpath(app.data->programFile("srazky.vrd")));
        QVERIFY(fs::exists(app.data->programFile("srazky.vrd")));
    }
};

VERDIKA_UI_TEST(WageDeductionPageTest);

#include "wage_deduction_page_test.moc"
