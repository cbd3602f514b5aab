// Qt's own dialogs and menus speak Czech once Qt's Czech catalogue is
// loaded: every text a user meets in the standard file, print and input
// dialogs, the progress dialog and the context menu of text fields.
#include "common/ui/translations.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QGroupBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QTest>
#include <QToolButton>

#include "ui_test_support.h"

using namespace verdika;

namespace {

QStringList texts(QWidget* dialog) {
    QStringList out;
    for (auto* a : dialog->findChildren<QAction*>())
        if (!a->text().isEmpty()) out << a->text();
    for (auto* c : dialog->findChildren<QComboBox*>())
        for (int i = 0; i < c->count(); ++i) out << c->itemText(i);
    for (auto* g : dialog->findChildren<QGroupBox*>())
        if (!g->title().isEmpty()) out << g->title();
    for (auto* t : dialog->findChildren<QTabWidget*>())
        for (int i = 0; i < t->count(); ++i) out << t->tabText(i);
    for (auto* v : dialog->findChildren<QAbstractItemView*>())
        if (auto* m = v->model())
            for (int i = 0; i < m->columnCount(); ++i) out << m->headerData(i, Qt::Horizontal).toString();
    for (auto* b : dialog->findChildren<QAbstractButton*>())
        if (!b->text().isEmpty()) out << b->text();
    for (auto* l : dialog->findChildren<QLabel*>())
        if (!l->text().isEmpty()) out << l->text();
    for (auto* b : dialog->findChildren<QWidget*>())
        if (!b->toolTip().isEmpty()) out << b->toolTip();
    return out;
}

QStringList menuTexts(QMenu* menu) {
    QStringList out;
    for (QAction* a : menu->actions())
        if (!a->isSeparator()) out << a->text();
    delete menu;
    return out;
}

// English words of Qt's dialogs and menus; none may show once the Czech
// catalogue is loaded.
const QStringList kEnglish = {"Cancel", "Open", "Save", "Print", "Pages", "Off", "binding", "Double", "Specify",
                              "Copy", "Paste", "Delete", "Select", "Undo", "Redo", "Cut", "Name", "Size", "Type",
                              "Date", "Look", "File", "Files", "Back", "Forward", "Folder", "Properties", "Preview",
                              "Color", "Grayscale", "Collate", "Reverse", "Options", "Current", "Selection", "Show",
                              "Rename", "New", "Detail", "List", "Copies", "Printer", "Location", "Output", "Margins"};

QStringList english(const QStringList& shown) {
    QStringList out;
    for (const QString& text : shown) {
        const QStringList words = QString(text).remove(QLatin1Char('&')).split(QRegularExpression(QStringLiteral("\\W+")));
        for (const QString& w : words)
            if (kEnglish.contains(w)) out << text;
    }
    return out;
}

}  // namespace

class TranslationsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(ui::installQtTranslations(*qApp)); }

    void dialogsAndMenusSpeakCzech() {
        QFileDialog open(nullptr, QStringLiteral("Otevřít"));
        open.setOption(QFileDialog::DontUseNativeDialog);
        QFileDialog save(nullptr, QStringLiteral("Uložit"));
        save.setOption(QFileDialog::DontUseNativeDialog);
        save.setAcceptMode(QFileDialog::AcceptSave);
        QPrinter printer;
        QPrintDialog print(&printer);
        QInputDialog input;
        input.show();
        QProgressDialog progress;
        progress.show();
        QLineEdit edit(QStringLiteral("abc"));
        QPlainTextEdit memo(QStringLiteral("abc"));
        const std::pair<const char*, QStringList> shown[] = {
            {"open", texts(&open)},
            {"save", texts(&save)},
            {"print", texts(&print)},
            {"input", texts(&input)},
            {"progress", texts(&progress)},
            {"line edit menu", menuTexts(edit.createStandardContextMenu())},
            {"text menu", menuTexts(memo.createStandardContextMenu())},
        };
        for (const auto& [what, list] : shown) {
            QVERIFY2(!list.isEmpty(), what);
            QVERIFY2(english(list).isEmpty(), qPrintable(QString::fromLatin1(what) + ": " + english(list).join(" | ")));
        }
        // The buttons our users know from Czech Windows.
        QVERIFY(shown[1].second.contains(QStringLiteral("&Uložit")));
        QVERIFY(shown[2].second.contains(QStringLiteral("Oboustranný tisk")));
        QVERIFY(shown[3].second.contains(QStringLiteral("Storno")));
        QCOMPARE(progress.findChild<QPushButton*>()->text(), QStringLiteral("Storno"));
        QVERIFY(shown[5].second.contains(QStringLiteral("&Kopírovat\tCtrl+C")));
        QVERIFY(shown[5].second.contains(QStringLiteral("&Vložit\tCtrl+V")));
    }
};

VERDIKA_UI_TEST(TranslationsTest);
#include "translations_test.moc"
