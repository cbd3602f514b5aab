#include "reference/regulation_window.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "common/ui/find_dialog.h"
#include "common/ui/qt_convert.h"
#include "ui_test_support.h"

using namespace verdika;
using namespace verdika::test;

class RegulationWindowTest : public QObject {
    Q_OBJECT
private slots:
    void showsTheFileAndSearchesIt() {
        MessageRecorder messages;
        AppFixture app;
        app.window->show();
        writeCp1250(app.dir / "predpis.vrd", "§ 7 Sazba mimosmluvní odměny\nOdměna za úkon\nodměna se zvyšuje\n");
        app.window->showRegulation(ui::qpath(app.dir / "predpis.vrd"));
        ui::RegulationWindow* w = app.window->regulationWindow();
        QVERIFY(w && w->isVisible());
        QCOMPARE(w->windowTitle(), QStringLiteral("Předpis"));
        auto* memo = w->findChild<QPlainTextEdit*>("Memo1");
        QVERIFY(memo->toPlainText().startsWith(QStringLiteral("§ 7 Sazba mimosmluvní odměny")));

        w->findChild<QLineEdit*>("RE")->setText(QStringLiteral("odměn"));
        QTest::mouseClick(w->findChild<QPushButton*>("Button1"), Qt::LeftButton);
        QCOMPARE(memo->textCursor().selectedText(), QStringLiteral("odměn"));
        QCOMPARE(memo->textCursor().selectionStart(), 22);
        w->FDFind();  // find next: "Odměna" matches, O and o fold
        QCOMPARE(memo->textCursor().selectionStart(), 29);
        w->FDFind();
        QCOMPARE(memo->textCursor().selectionStart(), 44);
        w->FDFind();
        QVERIFY(messages.lastContains(QStringLiteral("Nenašel jsem \"odměn\"")));
        // A click into the text starts the next search at the top again.
        QTest::mouseClick(memo->viewport(), Qt::LeftButton);
        w->FDFind();
        QCOMPARE(memo->textCursor().selectionStart(), 22);
    }

    void missingFileIsAClearMessage() {
        MessageRecorder messages;
        AppFixture app;
        app.window->showRegulation(ui::qpath(app.dir / "chybi.vrd"));
        QVERIFY(messages.lastContains(QStringLiteral("Text předpisu nebyl nalezen")));
        QVERIFY(!app.window->regulationWindow() || !app.window->regulationWindow()->isVisible());
    }
};

VERDIKA_UI_TEST(RegulationWindowTest);
#include "regulation_window_test.moc"
