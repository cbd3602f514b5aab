#include "common/ui/summary_box.h"

#include <QCheckBox>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QTextEdit>
#include <QToolButton>

#include "app/txt_page.h"
#include "ui_test_support.h"

using namespace verdika;
using namespace verdika::test;
using verdika::ui::SummaryBox;

namespace {

SummaryBox* calculatorSummary(AppFixture& app, QWidget* parent) {
    auto* box = new SummaryBox(*app.window,
                               {QStringLiteral("Pokus_RichEdit"), QStringLiteral("Pokus_Ulozit"),
                                QStringLiteral("Pokus_Tisk"), QStringLiteral("Pokus_PDF"), QStringLiteral("Pokus"),
                                QStringLiteral("pokus")},
                               parent);
    box->addRecordTools(QStringLiteral("Pokus_Ponechat"), QStringLiteral("Pokus_TXT"));
    return box;
}

}  // namespace

class SummaryBoxTest : public QObject {
    Q_OBJECT
private slots:
    void keepRecordsDecidesWhetherANewSummaryReplacesTheOld() {
        AppFixture app;
        QWidget page;
        SummaryBox* box = calculatorSummary(app, &page);
        QCOMPARE(page.findChild<QCheckBox*>(QStringLiteral("Pokus_Ponechat")), box->keepRecords());
        QVERIFY(!box->keepRecords()->isChecked());

        box->showLines({QStringLiteral("první"), QStringLiteral("výpočet")});
        box->showLines({QStringLiteral("druhý"), QStringLiteral("výpočet")});
        QCOMPARE(box->edit()->toPlainText(), QStringLiteral("druhý\nvýpočet"));

        box->keepRecords()->setChecked(true);
        box->showLines({QStringLiteral("třetí"), QStringLiteral("výpočet")});
        QCOMPARE(box->edit()->toPlainText(), QStringLiteral("druhý\nvýpočet\ntřetí\nvýpočet"));
        // The cursor waits at the first line of the new summary, not at the end of the box.
        QCOMPARE(box->edit()->textCursor().blockNumber(), 2);
    }

    void txtButtonAsksThenAppendsOrReplacesAndShowsTheTxtPage() {
        AppFixture app;
        QWidget page;
        SummaryBox* box = calculatorSummary(app, &page);
        QSignalSpy requested(box, &SummaryBox::toTxtRequested);
        QObject::connect(box, &SummaryBox::toTxtRequested, box, [box] { box->sendToTxt(QStringLiteral("Ponechat?")); });
        box->showLines({QStringLiteral("Souhrn A")});
        app.window->appendToTxt({QStringLiteral("dřívější obsah")}, false);
        const QTextEdit* txt = app.page<ui::TxtPage>(ui::kTxtPage)->box();

        MessageRecorder messages;
        messages.answers = {true, false};
        QTest::mouseClick(box->toTxtButton(), Qt::LeftButton);
        QCOMPARE(requested.count(), 1);
        QCOMPARE(messages.messages, QStringList{QStringLiteral("Ponechat?")});
        QCOMPARE(txt->toPlainText(), QStringLiteral("dřívější obsah\nSouhrn A"));
        QCOMPARE(app.window->pageControl()->currentIndex(), int(ui::kTxtPage));

        // No: the page "TXT" holds only this summary.
        QTest::mouseClick(box->toTxtButton(), Qt::LeftButton);
        QCOMPARE(txt->toPlainText(), QStringLiteral("Souhrn A"));
    }
};

VERDIKA_UI_TEST(SummaryBoxTest);

#include "summary_box_test.moc"
