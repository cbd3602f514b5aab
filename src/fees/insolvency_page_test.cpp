#include "fees/insolvency_page.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include "ui_test_support.h"

using namespace verdika;
using namespace verdika::test;

class InsolvencyPageTest : public QObject {
    Q_OBJECT
private slots:
    void computeBothMemosAndReset() {
        AppFixture app;
        app.window->show();
        app.window->showPage(ui::kInsolvencyPage);
        QTRY_COMPARE(app.window->focusWidget(), app.find<QLineEdit>("zajistene_edit"));
        auto* version = app.find<QComboBox>("Insolvence_ComboBox");
        auto* caption = app.find<QLabel>("Insolvence_Vyhlaska_Label");
        auto* before = app.find<QSpinBox>("mesice_pred_schvalenim_ins");
        QVERIFY(version && caption && before);
        QCOMPARE(version->count(), 5);
        QCOMPARE(version->currentText(), QStringLiteral("od 1.10.2024"));
        QCOMPARE(caption->text(), QStringLiteral("Dle vyhlášky č. 313/2007 Sb. ve znění vyhlášky č. 253/2024 Sb."));
        QVERIFY(before->isEnabled());
        version->setCurrentIndex(2);
        QCOMPARE(version->currentText(), QStringLiteral("od 1.1.2014 do 31.5.2019"));
        QVERIFY(!before->isEnabled());
        version->setCurrentIndex(4);

        app.find<QLineEdit>("zajistene_edit")->setText(QStringLiteral("2.500.000"));
        app.find<QLineEdit>("nezajistene_edit")->setText(QStringLiteral("3000000"));
        app.find<QSpinBox>("mesice_ins")->setValue(60);
        before->setValue(4);
        app.find<QLineEdit>("PBNumEdit1")->setText(QStringLiteral("30.000.000"));
        app.find<QSpinBox>("MaskEdit2")->setValue(12);
        app.find<QPushButton>("BitBtn15")->click();
        const QString bankruptcy = app.find<QPlainTextEdit>("konkurz_Memo")->toPlainText();
        QVERIFY2(bankruptcy.contains(QStringLiteral("Odměna - zajištění věřitelé: 150.000,00 Kč")), qPrintable(bankruptcy));
        QVERIFY(bankruptcy.contains(QStringLiteral("Odměna celkem: 550.000,00 Kč")));
        QVERIFY(bankruptcy.contains(QStringLiteral("Odměna za kalendářní měsíce: 48.600,00 Kč")));
        const QString reorganisation = app.find<QPlainTextEdit>("Reorg_Memo")->toPlainText();
        QVERIFY(reorganisation.contains(QStringLiteral("Odměna insolvenčního správce celkem: 1.992.000,00 Kč")));

        app.find<QPushButton>("Button15")->click();
        QVERIFY(app.find<QPlainTextEdit>("konkurz_Memo")->toPlainText().isEmpty());
        QCOMPARE(app.find<QSpinBox>("mesice_ins")->value(), 0);
        QCOMPARE(app.find<QLineEdit>("zajistene_edit")->text(), QStringLiteral("0,00"));
    }
};

VERDIKA_UI_TEST(InsolvencyPageTest);

#include "insolvency_page_test.moc"
