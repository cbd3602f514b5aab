#include "common/ui/app_style.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QProxyStyle>
#include <QTest>
#include <QVBoxLayout>

#include "ui_test_support.h"

namespace {

// A titled, an untitled and a checkable group box, as the pages use them.
QImage groupBoxes() {
    QWidget page;
    page.setFixedSize(300, 260);
    auto* layout = new QVBoxLayout(&page);
    auto* titled = new QGroupBox(QStringLiteral("Druh řízení"), &page);
    auto* untitled = new QGroupBox(&page);
    auto* checkable = new QGroupBox(QStringLiteral("Zadat výši úrokových sazeb"), &page);
    checkable->setCheckable(true);
    for (QGroupBox* box : {titled, untitled, checkable}) {
        (new QVBoxLayout(box))->addWidget(new QLabel(QStringLiteral("obsah"), box));
        layout->addWidget(box);
    }
    page.show();
    QApplication::processEvents();
    return page.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

}  // namespace

class AppStyleTest : public QObject {
    Q_OBJECT
private slots:
    // The frames drawn without Fusion's picture sit where Fusion's do and look
    // the same: no pixel more than a few levels apart.
    void groupFramesMatchFusionsPicture() {
        if (QApplication::style()->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) != 0)
            QSKIP("the platform style is not Fusion");
        const QImage fusion = groupBoxes();
        verdika::ui::installAppStyle();
        QVERIFY(qobject_cast<QProxyStyle*>(QApplication::style()));
        const QImage ours = groupBoxes();
        QCOMPARE(ours.size(), fusion.size());
        int worst = 0;
        QPoint where;
        for (int y = 0; y < ours.height(); ++y)
            for (int x = 0; x < ours.width(); ++x) {
                const QRgb a = fusion.pixel(x, y), b = ours.pixel(x, y);
                const int d = std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                                        std::abs(qBlue(a) - qBlue(b))});
                if (d > worst) worst = d, where = QPoint(x, y);
            }
        QVERIFY2(worst <= 8, qPrintable(QStringLiteral("%1 levels apart at (%2, %3)")
                                            .arg(worst).arg(where.x()).arg(where.y())));
    }
};

VERDIKA_UI_TEST(AppStyleTest);

#include "app_style_test.moc"
