#include "common/ui/grid_helpers.h"

#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>

#include "ui_test_support.h"

using namespace verdika::ui;

namespace {
void fill(QTableWidget& g, const QStringList& firstColumn) {
    g.setRowCount(static_cast<int>(firstColumn.size()));
    for (int r = 0; r < firstColumn.size(); ++r) {
        setCellText(&g, r, 0, firstColumn[r]);
        setCellText(&g, r, 1, firstColumn[r] + "!");
    }
}
QStringList column(const QTableWidget& g) {
    QStringList out;
    for (int r = 0; r < g.rowCount(); ++r) out << cellText(&g, r, 0);
    return out;
}
}  // namespace

class GridHelpersTest : public QObject {
    Q_OBJECT
private slots:
    void removingRowsKeepsOneRow() {
        QTableWidget g(0, 2);
        fill(g, {"a", "b", "c"});
        g.setCurrentCell(1, 0);
        Odebrat_Radek(&g);
        QCOMPARE(column(g), QStringList({"a", "c"}));
        fill(g, {"a"});
        g.setCurrentCell(0, 0);
        Odebrat_Radek(&g);
        QCOMPARE(g.rowCount(), 1);
        QVERIFY(rowIsEmpty(&g, 0));
    }

    void actListRemovalUpdatesTheCaption() {
        QTableWidget g(0, 2);
        QGroupBox box;
        fill(g, {"převzetí", "žaloba"});
        g.setCurrentCell(0, 0);
        PU_SGDblClick(&g, &box);
        QCOMPARE(column(g), QStringList({"žaloba"}));
        QCOMPARE(box.title(), QStringLiteral("Právní úkony: 1 právní úkony"));
        g.setCurrentCell(0, 0);
        PU_SGDblClick(&g, &box);
        QCOMPARE(g.rowCount(), 1);
        QVERIFY(rowIsEmpty(&g, 0));
        QCOMPARE(box.title(), QStringLiteral("Právní úkony"));
        fill(g, {"a", "b"});
        Vymaz_StringGrid(&g);
        QCOMPARE(g.rowCount(), 1);
        QVERIFY(rowIsEmpty(&g, 0));
    }

    void resultFieldCopiesItsTextOnDoubleClick() {
        QLineEdit edit(QStringLiteral("1.234,50 Kč"));
        installCopyOnDoubleClick(&edit);
        edit.show();
        QTest::mouseDClick(&edit, Qt::LeftButton);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("1.234,50 Kč"));
    }
};

VERDIKA_UI_TEST(GridHelpersTest);
#include "grid_helpers_test.moc"
