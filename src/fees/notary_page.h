#pragma once
#include <QWidget>

namespace verdika::ui {

class FeeItemPanel;
class PageHost;

// The page "Odměna notáře": the notary's fee for an item of the notarial
// tariff, fixed or from the tariff value.
class NotaryPage : public QWidget {
    Q_OBJECT
public:
    explicit NotaryPage(PageHost& host, QWidget* parent = nullptr);

    void zmena_notar_listbox();

private:
    PageHost& host_;
    FeeItemPanel* panel_;
};

}  // namespace verdika::ui
