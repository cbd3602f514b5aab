#pragma once
#include <QWidget>
#include <string>
#include <vector>

class QListWidget;
class QTableWidget;

namespace verdika::ui {

// The sub-tab "Export MS Word": the chosen documents, and the value list
// whose second column the user may edit (the placeholders sought in the
// document).
class WordExportPanel : public QWidget {
    Q_OBJECT
public:
    explicit WordExportPanel(QWidget* parent = nullptr);

    // Adds the path unless listed, and chooses it.
    void addDocument(const QString& path);
    // The chosen document; empty when none is chosen.
    QString chosenDocument() const;
    // The placeholders as the user left them, in the order of the values.
    std::vector<std::string> placeholders() const;

signals:
    void pickRequested();     // "1."
    void replaceRequested();  // "3."

private:
    QListWidget* documents_;
    QTableWidget* values_;
};

}  // namespace verdika::ui
