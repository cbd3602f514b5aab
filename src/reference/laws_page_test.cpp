#include "reference/laws_page.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include "common/ui/find_dialog.h"
#include "common/ui/qt_convert.h"
#include "local_http_server.h"
#include "ui_test_support.h"

using namespace verdika;
using namespace verdika::test;

namespace {

// Windows-1250, as the law-text service sends it.
const QByteArray kLabourCode = "Z\xe1kon\xedk pr\xe1" "ce\r\n\r\n\xa7 1\r\nP\xf8" "edm\xect \xfapravy\r\n";
const QByteArray kCivilProcedure = "Ob\xe8\x61nsk\xfd soudn\xed \xf8\xe1\x64\r\n";

struct LawsFixture {
    LocalHttpServer http;
    std::unique_ptr<AppFixture> app;
    ui::LawsPage* page = nullptr;

    explicit LawsFixture(const std::string& history = {}) {
        http.set("/zakon-txt.php?law=262/2006", {200, kLabourCode, false});
        http.set("/zakon-txt.php?law=99/1963", {200, kCivilProcedure, false});
        http.set("/zakon-txt.php?law=6/2002", {200, "", false});
        http.set("/zakon-txt.php?law=292/2013", {200, "", true});
        const std::string host = http.base().toStdString();
        app = std::make_unique<AppFixture>([&](const fs::path& dir) {
            writeBytes(dir / "nastaveni.ini", "[sluzby]\nzakony=" + host + "\n");
            if (!history.empty()) writeBytes(dir / "historie_predpisu.vrd", history);
        });
        page = app->find<ui::LawsPage>(QStringLiteral("TabSheet21"));
        page->setDownloadTimeoutMs(500);
    }
    template <typename T>
    T* w(const char* name) const {
        T* p = app->find<T>(QString::fromLatin1(name));
        if (!p) qFatal("no control %s", name);
        return p;
    }
    QString memo() const { return w<QPlainTextEdit>("zakon_memo")->toPlainText(); }
    QStringList history() const {
        QStringList out;
        auto* list = w<QListWidget>("historie_ListBox");
        for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
        return out;
    }
    std::string file(const char* name) const { return readBytes(app->data->paths().dataDir / name); }
};

}  // namespace

class LawsPageTest : public QObject {
    Q_OBJECT
private slots:
    void fetchShowsTheTextRecordsTheHistoryAndCopiesTheAddress() {
        LawsFixture f;
        MessageRecorder messages;
        f.app->window->show();
        f.app->window->showPage(ui::kLawsPage);
        QTRY_COMPARE(f.app->window->focusWidget(), f.w<QLineEdit>("Zakon_Cislo_Edit"));
        f.w<QLineEdit>("Zakon_Cislo_Edit")->setText(QStringLiteral("262/2006 Sb."));
        QTest::mouseClick(f.w<QPushButton>("zakon_nacist_Button"), Qt::LeftButton);
        QVERIFY2(messages.messages.isEmpty(), qPrintable(messages.messages.join('\n')));
        QCOMPARE(f.memo(), QStringLiteral("Zákoník práce\n\n§ 1\nPředmět úpravy\n"));
        QCOMPARE(QApplication::clipboard()->text(), f.http.url(QStringLiteral("/zakon-txt.php?law=262/2006")));
        QCOMPARE(QByteArray::fromStdString(f.file("zakon_docasny.vrd")), kLabourCode);

        // A quick button names its law; the same law twice stands twice at the top.
        QTest::mouseClick(f.w<QPushButton>("zakon4"), Qt::LeftButton);
        QVERIFY(f.memo().startsWith(QStringLiteral("Občanský soudní řád")));
        QTest::mouseClick(f.w<QPushButton>("zakon4"), Qt::LeftButton);
        QCOMPARE(f.history(), QStringList({"99/1963", "99/1963", "262/2006 Sb."}));
        QCOMPARE(f.file("historie_predpisu.vrd"), std::string("99/1963\r\n99/1963\r\n262/2006 Sb.\r\n"));

        // Double-clicking a history entry fetches it again.
        auto* list = f.w<QListWidget>("historie_ListBox");
        emit list->itemActivated(list->item(2));
        QVERIFY(f.memo().startsWith(QStringLiteral("Zákoník práce")));
        QCOMPARE(f.history().first(), QStringLiteral("262/2006 Sb."));
        QCOMPARE(f.http.requests, 4);
    }

    void aFailedFetchKeepsThePreviousTextAndSaysWhy() {
        LawsFixture f;
        QVERIFY(f.page->zakon_nacist_ButtonClick(QStringLiteral("99/1963")));
        MessageRecorder messages;
        struct Case {
            const char* button;
            const char* why;
        } cases[] = {
            {"zakon1", "HTTP 404"},             // no text for 89/2012
            {"zakon8", "žádná data"},           // 6/2002: an empty answer
            {"Button65", "neodpověděl včas"},   // 292/2013: the service never answers
        };
        for (const auto& c : cases) {
            QTest::mouseClick(f.w<QPushButton>(c.button), Qt::LeftButton);
            QVERIFY2(messages.lastContains(QString::fromUtf8(c.why)), qPrintable(messages.messages.join('\n')));
            QVERIFY(messages.lastContains(QStringLiteral("Zůstává zobrazen předpis 99/1963.")));
            QCOMPARE(f.memo(), QStringLiteral("Občanský soudní řád\n"));
            QCOMPARE(QByteArray::fromStdString(f.file("zakon_docasny.vrd")), kCivilProcedure);
            QCOMPARE(f.history(), QStringList({"99/1963"}));
        }
        QVERIFY(f.w<QLabel>("zakon_stav_label")->text().contains(QStringLiteral("nepodařilo")));
    }

    void anIdWithoutNumberAndYearIsRefusedBeforeAnyRequest() {
        LawsFixture f;
        MessageRecorder messages;
        for (const char* bad : {"2012", "89/12", ""}) {
            QVERIFY(!f.page->zakon_nacist_ButtonClick(QString::fromLatin1(bad)));
            QVERIFY(messages.lastContains(QStringLiteral("např. 89/2012")));
        }
        QCOMPARE(f.http.requests, 0);
        QVERIFY(f.history().isEmpty());
    }

    void historyIsReadAtStartAndClearedOnScreenOnly() {
        LawsFixture f("89/2012\r\n\r\n90/2012\r\n");
        QCOMPARE(f.history(), QStringList({"89/2012", "90/2012"}));
        QTest::mouseClick(f.w<QPushButton>("Button72"), Qt::LeftButton);
        QVERIFY(f.history().isEmpty());
        QCOMPARE(f.file("historie_predpisu.vrd"), std::string("89/2012\r\n\r\n90/2012\r\n"));
        // The next fetch writes the cleared list with its own entry.
        QVERIFY(f.page->zakon_nacist_ButtonClick(QStringLiteral("99/1963")));
        QCOMPARE(f.file("historie_predpisu.vrd"), std::string("99/1963\r\n"));
    }

    void findStartsWithTheSelectedText() {
        LawsFixture f;
        QVERIFY(f.page->zakon_nacist_ButtonClick(QStringLiteral("262/2006")));
        auto* memo = f.w<QPlainTextEdit>("zakon_memo");
        QTextCursor c = memo->textCursor();
        c.setPosition(19);
        c.setPosition(26, QTextCursor::KeepAnchor);  // "Předmět"
        memo->setTextCursor(c);
        QTest::mouseClick(f.w<QPushButton>("Button71"), Qt::LeftButton);
        ui::FindDialog* find = f.app->window->findDialog();
        QVERIFY(find && find->isVisible());
        QCOMPARE(find->findText(), QStringLiteral("Předmět"));
    }

    void exportWritesATwoColumnDocumentAndOpensIt() {
        LawsFixture f;
        MessageRecorder messages;
        DesktopRecorder desktop;
        QTest::mouseClick(f.w<QPushButton>("Button73"), Qt::LeftButton);  // nothing fetched yet
        QVERIFY(messages.lastContains(QStringLiteral("Nejdříve načtěte zákon")));
        QVERIFY(desktop.opened.isEmpty());

        QVERIFY(f.page->zakon_nacist_ButtonClick(QStringLiteral("262/2006")));
        QTest::mouseClick(f.w<QPushButton>("Button73"), Qt::LeftButton);
        QTest::mouseClick(f.w<QPushButton>("Button73"), Qt::LeftButton);
        const fs::path folder = f.app->data->paths().dataDir / "Word-export";
        QCOMPARE(desktop.opened, QStringList({ui::qpath(folder / "zakon_262_2006.docx"),
                                              ui::qpath(folder / "zakon_262_2006 (2).docx")}));
        const std::string xml = zipMember(folder / "zakon_262_2006.docx", "word/document.xml");
        QVERIFY(xml.find("Zákoník práce") != std::string::npos);
        QVERIFY(xml.find("<w:keepNext/>") != std::string::npos);
        QVERIFY(xml.find("<w:cols w:num=\"2\"") != std::string::npos);
    }
};

VERDIKA_UI_TEST(LawsPageTest);
#include "laws_page_test.moc"
