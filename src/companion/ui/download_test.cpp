#include "companion/ui/download.h"

#include <QTest>

#include "common/ui/qt_convert.h"
#include "companion/ui/version_check.h"
#include "local_http_server.h"
#include "ui_test_support.h"

using namespace verdika;
using namespace verdika::test;

class DownloadTest : public QObject {
    Q_OBJECT
private slots:
    void successfulDownloadReplacesTheFile() {
        LocalHttpServer http;
        http.set("/zakon.vrd", {200, "nový text", false});
        TempDir dir;
        writeBytes(dir / "zakon.vrd", "starý text");
        auto r = ui::DownloadFile(http.url("/zakon.vrd"), ui::qpath(dir / "zakon.vrd"));
        QVERIFY2(r.ok, qPrintable(r.error));
        QCOMPARE(QByteArray::fromStdString(readBytes(dir / "zakon.vrd")), QByteArray("nový text"));
    }

    void failedDownloadKeepsThePreviousFile() {
        LocalHttpServer http;
        http.set("/slow", {200, "", true});
        http.set("/empty", {200, "", false});
        TempDir dir;
        writeBytes(dir / "zakon.vrd", "starý text");
        struct Case {
            QString url;
            int timeoutMs;
            QString errorPart;
        } cases[] = {
            {http.url("/missing"), 5000, "HTTP 404"},
            {http.url("/slow"), 300, "neodpověděl včas"},
            {http.url("/empty"), 5000, "žádná data"},
            {QStringLiteral("http://127.0.0.1:1/x"), 5000, "nezdařilo"},  // nothing listens there
            {QStringLiteral("není adresa"), 5000, "Neplatná adresa"},
        };
        for (const auto& c : cases) {
            auto r = ui::DownloadFile(c.url, ui::qpath(dir / "zakon.vrd"), nullptr, c.timeoutMs);
            QVERIFY(!r.ok);
            QVERIFY2(r.error.contains(c.errorPart), qPrintable(c.url + ": " + r.error));
            QCOMPARE(QByteArray::fromStdString(readBytes(dir / "zakon.vrd")), QByteArray("starý text"));
        }
    }

    void releaseCheckComparesTheRemoteStamp() {
        MessageRecorder messages;
        LocalHttpServer http;
        http.set("/newer", {200, "99.0.0\nVerdika 99.0.0\n", false});
        http.set("/older", {200, "0.0.1\n", false});
        TempDir dir;
        writeBytes(dir / "verdika.txt", "1.0.0\nVerdika 1.0.0\n");
        const QString local = ui::qpath(dir / "verdika.txt");
        bool newer = false;
        QVERIFY(ui::ZjistiVerzi(http.url("/newer"), local, {}, {}, false, newer));
        QVERIFY(newer);
        QVERIFY(ui::ZjistiVerzi(http.url("/older"), local, {}, {}, false, newer));
        QVERIFY(!newer);
        // Offline: no exception, no flag, and silent unless the user asked.
        QVERIFY(!ui::ZjistiVerzi(QStringLiteral("http://127.0.0.1:1/x"), local, {}, {}, false, newer));
        QVERIFY(!newer);
        QVERIFY(messages.messages.isEmpty());
        ui::ZjistiVerzi(QStringLiteral("http://127.0.0.1:1/x"), local, {}, {}, true, newer);
        QVERIFY(messages.lastContains(QStringLiteral("nelze ověřit")));
    }

    void startupCheckAsksOnlyWhenANewerReleaseExists() {
        MessageRecorder messages;
        messages.answers = {false};
        LocalHttpServer http;
        http.set("/download/verdika.txt", {200, "99.0.0\n", false});
        ui::MainWindowOptions options = AppFixture::quietOptions();
        options.releaseCheck = true;
        const QString host = http.base();
        AppFixture app([&](const fs::path& dir) {
            writeBytes(dir / "nastaveni.ini", "[sluzby]\nverdika=" + host.toStdString() + "\n");
        }, options);
        app.window->show();
        QTRY_VERIFY(messages.anyContains(QStringLiteral("Chcete načíst stránku s novou verzí programu?")));
        QCOMPARE(http.requests, 1);
    }
};

VERDIKA_UI_TEST(DownloadTest);
#include "download_test.moc"
