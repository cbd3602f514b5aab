#pragma once
// A sub-page made the first time it is shown (or its content is asked for):
// tabs a user may never open cost nothing at start-up. The shell holds the
// factory until then and lays the content out edge to edge.
#include <QWidget>
#include <functional>

namespace verdika::ui {

class DeferredPage : public QWidget {
    Q_OBJECT
public:
    DeferredPage(const QString& objectName, std::function<QWidget*()> make, QWidget* parent = nullptr);

    bool isBuilt() const { return made_; }
    // The content, made now if it has not been yet.
    QWidget* content();

    // Makes every deferred page under root, also those that appear while doing so; true if any was made.
    // For code that looks for a control by name (the UI tests' finder).
    static bool buildAll(QWidget* root);

signals:
    void built(QWidget* content);

protected:
    void showEvent(QShowEvent* e) override;

private:
    std::function<QWidget*()> make_;
    QWidget* content_ = nullptr;
    bool made_ = false;
};

}  // namespace verdika::ui
