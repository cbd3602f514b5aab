#pragma once
#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QToolButton;

namespace verdika::ui {

class NumberField;
class PageHost;

// The page "Odměna exekutora": the executor's fee for an item of the
// executor tariff, with the advance and the reduced fee for a voluntary payment.
class ExecutorPage : public QWidget {
    Q_OBJECT
public:
    explicit ExecutorPage(PageHost& host, QWidget* parent = nullptr);

    void zmena_exekutor_listbox();
    void hledani_exekutor_editChange(bool next);
    void Button69Click();
    void exekutor_predpisClick();

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    PageHost& host_;
    QListWidget* list_;
    QLineEdit* search_;
    QPushButton* searchNext_;
    NumberField* value_;
    QCheckBox* advance_;
    QCheckBox* voluntary_;
    QLabel* voluntaryText_ = nullptr;
    QPushButton* compute_;
    QLabel* note_;
    NumberField* fee_;
    QPushButton* toCalculator_;
    QToolButton* info_;
    QPushButton* regulation_;
};

}  // namespace verdika::ui
