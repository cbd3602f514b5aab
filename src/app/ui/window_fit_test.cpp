// The main window on the screen it is given (CTest runs this file at
// 1024x768 and at 1920x1080 scaled to 150 %): the window and its frame fit
// the available area on every page, and every button and input of a page is
// within reach, scrolled to if the page is taller than its tab.
#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolButton>
#include <QTest>

#include "app/main_window.h"
#include "common/ui/elided_label.h"
#include "common/ui/multi_row_tabs.h"
#include "ui_test_support.h"

using namespace verdika;
using namespace verdika::test;

namespace {

QString describe(const QWidget* w) {
    return QStringLiteral("%1 '%2'").arg(QString::fromLatin1(w->metaObject()->className()), w->objectName());
}

// The controls of the page shown now (inner sub-pages as they are chosen).
QList<QWidget*> controlsShown(QWidget* page) {
    QList<QWidget*> out;
    for (QWidget* w : page->findChildren<QWidget*>()) {
        if (!w->isVisible()) continue;
        if (qobject_cast<QAbstractSpinBox*>(w->parentWidget()) || qobject_cast<QComboBox*>(w->parentWidget())) continue;
        if (qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w) ||
            qobject_cast<QAbstractSpinBox*>(w))
            out << w;
    }
    return out;
}

}  // namespace

class WindowFitTest : public QObject {
    Q_OBJECT
private:
    // Every control shown on the page lies within the page (none pushed out
    // of it), and scrolling the tab to it brings it whole into view.
    static void checkReachable(ui::MainWindow& window, QScrollArea* area, QWidget* page, const QString& where) {
        QWidget* content = area->widget();
        for (QWidget* w : controlsShown(page)) {
            const QRect inContent(w->mapTo(content, QPoint(0, 0)), w->size());
            QVERIFY2(content->rect().contains(inContent),
                     qPrintable(where + QStringLiteral(": %1 lies outside the page").arg(describe(w))));
            area->ensureWidgetVisible(w, 0, 0);
            const QRect inView(w->mapTo(area->viewport(), QPoint(0, 0)), w->size());
            QVERIFY2(area->viewport()->rect().contains(inView),
                     qPrintable(where + QStringLiteral(": %1 cannot be scrolled into view").arg(describe(w))));
        }
        area->verticalScrollBar()->setValue(0);
        area->horizontalScrollBar()->setValue(0);
        Q_UNUSED(window);
    }

private slots:
    void everyPageFitsTheScreenWithItsControlsInReach() {
        AppFixture app;
        ui::MainWindow& window = *app.window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QRect available = window.screen()->availableGeometry();
        qInfo("screen %dx%d, available %dx%d, device pixel ratio %.2f", window.screen()->size().width(),
              window.screen()->size().height(), available.width(), available.height(),
              window.screen()->devicePixelRatio());
        // The window can be made smaller than the screen.
        QVERIFY(window.minimumWidth() <= available.width() && window.minimumHeight() <= available.height());

        int tallest = -1;
        for (int i = 0; i < ui::kPageCount; ++i) {
            if (!window.pageControl()->isTabVisible(i)) continue;
            if (tallest < 0 || ui::MainWindow::kHeights[size_t(window.visibleIndexOf(i))] >
                                   ui::MainWindow::kHeights[size_t(window.visibleIndexOf(tallest))])
                tallest = i;
            QTest::mouseClick(app.find<ui::MultiRowTabs>("PageControl1_tabs")->button(i), Qt::LeftButton);
            QCoreApplication::processEvents();
            const QString where = window.pageControl()->tabText(i);
            QVERIFY2(available.contains(window.frameGeometry()),
                     qPrintable(where + QStringLiteral(": the window reaches beyond the screen")));
            QWidget* page = window.page(i);
            auto* area = window.pageControl()->widget(i)->findChild<QScrollArea*>(QString(), Qt::FindDirectChildrenOnly);
            QVERIFY(area && area->widget()->isAncestorOf(page));
            // The page and its inner sub-pages, one by one.
            QList<QTabWidget*> inner = page->findChildren<QTabWidget*>();
            checkReachable(window, area, page, where);
            for (QTabWidget* tabs : inner) {
                if (!tabs->isVisible()) continue;
                const int was = tabs->currentIndex();
                for (int t = 0; t < tabs->count(); ++t) {
                    if (!tabs->isTabVisible(t)) continue;
                    tabs->setCurrentIndex(t);
                    QCoreApplication::processEvents();
                    checkReachable(window, area, page, where + QStringLiteral(" / ") + tabs->tabText(t));
                }
                tabs->setCurrentIndex(was);
            }
        }
        QCOMPARE(tallest, int(ui::kInterestPage));
    }

    void statusTextsShowWholeOrWithTheirTextInTheTooltip() {
        AppFixture app;
        app.window->show();
        auto* about = app.find<ui::ElidedLabel>("StatusBar1_about");
        auto* notice = app.find<ui::ElidedLabel>("StatusBar1_notice");
        QVERIFY(about && notice);
        QCoreApplication::processEvents();
        // At the window's width both show whole.
        QVERIFY2(!about->isElided(), qPrintable(about->text()));
        QVERIFY(!notice->isElided());
        QVERIFY(about->toolTip().isEmpty());
        // A window too narrow for them shortens the texts and tells them in full in the tooltip.
        app.window->resize(app.window->minimumWidth(), app.window->height());
        QCoreApplication::processEvents();
        QTRY_VERIFY(about->isElided());
        QVERIFY(about->text().endsWith(QChar(0x2026)));
        QCOMPARE(about->toolTip(), about->fullText());
        QVERIFY(about->width() + notice->width() <= app.window->statusBar()->width());
    }
};

VERDIKA_UI_TEST(WindowFitTest);
#include "window_fit_test.moc"
