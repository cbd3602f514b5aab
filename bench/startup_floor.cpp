// The floor that `verdika --exit-after-start` is measured against: a bare
// Qt window of the same shape (a main window, a tab widget of 20 pages each
// holding a form of 10 line edits and a button), shown, its events processed
// once, then the exit. bench/startup.sh runs the two in turn.
#include <QApplication>
#include <QFormLayout>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QTabWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    auto* tabs = new QTabWidget(&window);
    for (int page = 0; page < 20; ++page) {
        auto* form = new QWidget;
        auto* layout = new QFormLayout(form);
        for (int field = 0; field < 10; ++field)
            layout->addRow(QStringLiteral("Pole %1").arg(field + 1), new QLineEdit(form));
        layout->addRow(new QPushButton(QStringLiteral("Vypočítat"), form));
        tabs->addTab(form, QStringLiteral("Stránka %1").arg(page + 1));
    }
    window.setCentralWidget(tabs);
    window.resize(944, 690);
    window.show();
    QApplication::processEvents();
    return 0;
}
