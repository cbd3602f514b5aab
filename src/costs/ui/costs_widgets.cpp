#include "costs/ui/costs_widgets.h"

#include <QPushButton>
#include <QToolButton>

#include "common/ui/action.h"
#include "common/ui/controls.h"
#include "common/ui/desktop.h"
#include "common/ui/qt_convert.h"

namespace verdika::ui {

QToolButton* actsTipButton(const QString& objectName, QWidget* parent) {
    return infoButton(objectName, QStringLiteral("Počet úkonů"),
                      QStringLiteral("Právní úkony přidáte tlačítkem se znaménkem plus.\n"
                                     "Odeberete je tlačítkem se znaménkem minus nebo poklepáním na řádek.\n\n"
                                     "Pokud nezadáte žádný úkon, pak budou automaticky zadány dva úkony - převzetí a "
                                     "příprava zastoupení a písemné podání ve věci samé.\n"
                                     "Během výpočtu se jednotlivé právní úkony uspořádaní podle data, takže můžete "
                                     "úkony zadat i jinak, než ve správném pořadí.\n"
                                     "Pokud bude pouze jeden právní úkon, odměna bude automaticky snížena o přísušnou "
                                     "část.\n"
                                     "Popisek úkonů a půlúkonů je pouze informativní - v sumarizaci budou uvedeny a "
                                     "poslouží k lepší srozumitelnosti výpočtu.\n"),
                      parent);
}

QToolButton* vatTipButton(const QString& objectName, QWidget* parent) {
    return infoButton(objectName, QStringLiteral("Plátce DPH"), QStringLiteral("Datum zdanitelného plnění."), parent);
}

QToolButton* courtFeeTipButton(const QString& objectName, QWidget* parent) {
    return infoButton(objectName, QStringLiteral("Soudní poplatek"),
                      QStringLiteral("Pokud necháte pole zatrženo, program vypočítá soudní poplatek a připočte ho ke "
                                     "konečnému výsledku. Zadejte tedy datum, ke kterému má být soudní poplatek "
                                     "vypočten.\nPokud nebude zatrženo, pak se soudní poplatek nevypočítá a nebude "
                                     "nikam přičteno."),
                      parent);
}

QPushButton* computeButton(const QString& objectName, QWidget* parent) {
    QPushButton* b = pushButton(objectName, QStringLiteral("Vypočítat"), parent);
    b->setDefault(true);
    QFont bold = b->font();
    bold.setBold(true);
    b->setFont(bold);
    return b;
}

void withSetFile(QWidget* parent, const std::filesystem::path& dataDir, bool save,
                 const std::function<void(const std::filesystem::path&)>& action) {
    FileDialogRequest r;
    r.save = save;
    r.title = save ? QStringLiteral("Uložit sestavu") : QStringLiteral("Načíst sestavu");
    r.directory = qpath(dataDir);
    r.filter = QStringLiteral("Verdika (*.vrd)");
    r.defaultSuffix = QStringLiteral("vrd");
    const QString path = askFileName(parent, r);
    if (path.isEmpty()) return;
    runAction(parent, [&] { action(fspath(path)); });
}

}  // namespace verdika::ui
