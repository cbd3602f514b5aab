#pragma once
#include <QWidget>

class QCheckBox;
class QLabel;

namespace verdika::ui {

class FeeItemPanel;
class PageHost;

// The page "Odměna exekutora": the executor's fee for an item of the
// executor tariff, with the advance and the reduced fee for a voluntary payment.
class ExecutorPage : public QWidget {
    Q_OBJECT
public:
    explicit ExecutorPage(PageHost& host, QWidget* parent = nullptr);

    void zmena_exekutor_listbox();

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    PageHost& host_;
    FeeItemPanel* panel_;
    QCheckBox* advance_;
    QCheckBox* voluntary_;
    QLabel* voluntaryText_;
};

}  // namespace verdika::ui
