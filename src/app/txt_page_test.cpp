#include "app/txt_page.h"

#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <QToolButton>

#include "common/ui/qt_convert.h"
#include "common/ui/summary_box.h"
#include "companion/ui/print_margins.h"
#include "ui_test_support.h"

using namespace verdika;
using namespace verdika::test;

namespace {
bool isPdf(const fs::path& p) { return readBytes(p).rfind("%PDF-", 0) == 0; }
}  // namespace

class TxtPageTest : public QObject {
    Q_OBJECT
private slots:
    void collectsClearsAndKeeps() {
        AppFixture app;
        app.window->appendToTxt({"Odměna: 1.000,00 Kč"}, false);
        app.window->appendToTxt({"Cestovné: 500,00 Kč"}, true);
        auto* box = app.find<QTextEdit>("TXT_RichEdit");
        QCOMPARE(box->toPlainText(), QStringLiteral("Odměna: 1.000,00 Kč\nCestovné: 500,00 Kč"));
        app.window->appendToTxt({"jen toto"}, false);
        QCOMPARE(box->toPlainText(), QStringLiteral("jen toto"));
        QTest::mouseClick(app.find<QPushButton>("Button86"), Qt::LeftButton);
        QVERIFY(box->toPlainText().isEmpty());
    }

    void savesRtfWhicheverTypeIsChosen() {
        DesktopRecorder desktop;
        AppFixture app;
        app.window->appendToTxt({"Příliš žluťoučký kůň", "druhý řádek"}, false);
        const fs::path target = app.dir / "souhrn.txt";
        desktop.fileAnswers << ui::qpath(target);
        QTest::mouseClick(app.find<QToolButton>("ToolButton6"), Qt::LeftButton);
        QCOMPARE(desktop.fileRequests.size(), 1);
        QCOMPARE(desktop.fileRequests[0].title, QStringLiteral("Ulož jako - Náklady řízení "));
        const std::string rtf = readBytes(target);
        QVERIFY(rtf.rfind("{\\rtf1", 0) == 0);
        QVERIFY(rtf.find("P\\u345?\\u237?li\\u353?") != std::string::npos);
        QVERIFY(rtf.find("druh\\u253? \\u345?\\u225?dek") != std::string::npos);
        // Cancelling writes nothing.
        QTest::mouseClick(app.find<QToolButton>("ToolButton6"), Qt::LeftButton);
        QCOMPARE(desktop.fileRequests.size(), 2);
    }

    void pdfGoesToTheDataDirectoryAndIsOpened() {
        DesktopRecorder desktop;
        AppFixture app;
        app.window->appendToTxt({"Souhrn výpočtu", "Celkem: 1.234,50 Kč"}, false);
        const fs::path pdf = app.data->paths().dataDir / "PDF" / "txt.pdf";
        QTest::mouseClick(app.find<QToolButton>("ToolButton15"), Qt::LeftButton);
        QVERIFY(isPdf(pdf));
        const auto firstSize = fs::file_size(pdf);
        app.window->appendToTxt({"další řádek"}, true);
        QTest::mouseClick(app.find<QToolButton>("ToolButton15"), Qt::LeftButton);
        QVERIFY(isPdf(pdf));
        QVERIFY(fs::file_size(pdf) != firstSize);  // the same file, overwritten
        QCOMPARE(desktop.opened, QStringList({ui::qpath(pdf), ui::qpath(pdf)}));
    }

    void printsWithTheDialogOnly() {
        DesktopRecorder desktop;
        AppFixture app;
        app.window->appendToTxt({"Tisk souhrnu"}, false);
        QTest::mouseClick(app.find<QToolButton>("ToolButton7"), Qt::LeftButton);  // dialog cancelled
        QCOMPARE(desktop.printRequests, 1);
        desktop.printedPdf = ui::qpath(app.dir / "printed.pdf");
        QTest::mouseClick(app.find<QToolButton>("ToolButton7"), Qt::LeftButton);
        QVERIFY(isPdf(app.dir / "printed.pdf"));
        QCOMPARE(ui::printMarginsOf(app.find<QTextEdit>("TXT_RichEdit")), QMarginsF(1, 1, 1, 1));
    }
};

VERDIKA_UI_TEST(TxtPageTest);
#include "txt_page_test.moc"
