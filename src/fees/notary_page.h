#pragma once
#include <QWidget>
#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QToolButton;

namespace verdika::ui {

class NumberField;
class PageHost;

// The page "Odměna notáře": the notary's fee for an item of the notarial
// tariff, fixed or from the tariff value.
class NotaryPage : public QWidget {
    Q_OBJECT
public:
    explicit NotaryPage(PageHost& host, QWidget* parent = nullptr);

    void zmena_notar_listbox();
    void hledani_notar_editChange(bool next);
    void Button70Click();
    void notar_predpisClick();

private:
    PageHost& host_;
    QListWidget* list_;
    QLineEdit* search_;
    QPushButton* searchNext_;
    QLabel* itemCaption_;
    NumberField* value_;
    QPushButton* compute_;
    NumberField* fee_;
    QLabel* note_;
    QPushButton* toCalculator_;
    QToolButton* info_;
    QPushButton* regulation_;
};

}  // namespace verdika::ui
