#include "calculators/settlement_page.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "calculators/settlement_workbook.h"
#include "common/ui/qt_convert.h"
#include "ui_test_support.h"

using namespace verdika;
using namespace verdika::test;

class SettlementPageTest : public QObject {
    Q_OBJECT
private slots:
    void clickOnThePictureOpensTheDataDirectoryCopy() {
        AppFixture app;
        DesktopRecorder desktop;
        MessageRecorder messages;
        app.window->show();
        app.window->showPage(ui::kSettlementPage);
        QTRY_COMPARE(app.window->focusWidget(), app.find<QWidget>("Otevrit_Sesit_Button"));
        auto* image = app.find<QLabel>("Image1");
        QVERIFY(!image->pixmap().isNull());
        const fs::path copy = app.data->dataFile(kSettlementWorkbook);
        QVERIFY(!fs::exists(copy));

        QTest::mouseClick(image, Qt::LeftButton);
        QCOMPARE(desktop.opened, QStringList{ui::qpath(copy)});
        QCOMPARE(readBytes(copy), readBytes(shippedDir() / kSettlementWorkbook));

        // The user's own copy is opened as it is, never replaced.
        fs::permissions(copy, fs::perms::owner_write, fs::perm_options::add);
        writeBytes(copy, "the user's workbook");
        QTest::mouseClick(app.find<QPushButton>("Otevrit_Sesit_Button"), Qt::LeftButton);
        QCOMPARE(desktop.opened.size(), 2);
        QCOMPARE(readBytes(copy), std::string("the user's workbook"));
        QVERIFY(messages.messages.isEmpty());
    }
};

VERDIKA_UI_TEST(SettlementPageTest);
#include "settlement_page_test.moc"
