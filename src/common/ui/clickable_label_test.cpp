#include "common/ui/clickable_label.h"

#include <QSignalSpy>
#include <QTest>

#include "ui_test_support.h"

using verdika::ui::ClickableLabel;

class ClickableLabelTest : public QObject {
    Q_OBJECT
private slots:
    void clicksAndKeysActButADragOffDoesNot() {
        ClickableLabel label(QStringLiteral("Odkaz"));
        label.setText(QStringLiteral("podatelna@soud.cz"));
        label.resize(200, 20);
        QSignalSpy clicked(&label, &ClickableLabel::clicked);
        QTest::mouseClick(&label, Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(clicked.count(), 1);
        QTest::mouseClick(&label, Qt::RightButton, {}, QPoint(10, 10));
        QTest::mousePress(&label, Qt::LeftButton, {}, QPoint(10, 10));
        QTest::mouseRelease(&label, Qt::LeftButton, {}, QPoint(500, 10));
        QCOMPARE(clicked.count(), 1);
        QTest::keyClick(&label, Qt::Key_Return);
        QTest::keyClick(&label, Qt::Key_Space);
        QTest::keyClick(&label, Qt::Key_A);
        QCOMPARE(clicked.count(), 3);
    }
};

VERDIKA_UI_TEST(ClickableLabelTest);

#include "clickable_label_test.moc"
