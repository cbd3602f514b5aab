#pragma once
// The main window: one tab control with a page per calculator or tool, the
// status bar, the per-page window height, and the start-up work that needs
// the window (deadline warning, release check).
#include <QMainWindow>
#include <QPointer>
#include <QSize>
#include <array>

#include "app/ui/page_host.h"

class QTabWidget;

namespace verdika {
class DataModule;
}

namespace verdika::ui {

class AboutWindow;
class ElidedLabel;
class FindDialog;
class MultiRowTabs;
class RegulationWindow;

struct MainWindowOptions {
    // Messages and network checks that wait for a person or the network.
    // Off for --exit-after-start and in tests.
    bool startupMessages = true;
    bool releaseCheck = true;
    int releaseCheckTimeoutMs = 5000;
};

class MainWindow : public QMainWindow, public PageHost {
    Q_OBJECT
public:
    // Window height per visible tab, in visible-tab order.
    static constexpr std::array<int, 17> kHeights = {690, 620, 640, 600, 630, 590, 660, 540, 600,
                                                     550, 600, 730, 716, 716, 526, 550, 650};
    static constexpr int kClientWidth = 944;
    // The smallest window: the tab strip in a few rows and a page's start.
    static constexpr QSize kMinimumSize{480, 320};

    explicit MainWindow(DataModule& data, MainWindowOptions options = {}, QWidget* parent = nullptr);
    ~MainWindow() override;

    QTabWidget* pageControl() const { return pages_; }
    // The page of a tab, made now if it has not been shown yet; nullptr for a
    // tab without a page. Its start-up values are filled when it is made.
    QWidget* page(int pageIndex);
    template <typename P>
    P* pageAs(int pageIndex) {
        return qobject_cast<P*>(page(pageIndex));
    }
    bool isPageBuilt(int pageIndex) const;
    // The index of a page among the visible tabs; -1 for a hidden page.
    int visibleIndexOf(int pageIndex) const;
    // True when the start-up found tasks falling due and warned about them.
    bool deadlineWarningDue() const { return deadlineWarning_; }

    // A tab change by the user: the window takes the page's height, as much
    // of it as the screen holds, and stays on the screen.
    void PageControl1Change();
    // The largest client area the screen the window is on can show, its frame
    // taken off.
    QSize largestClientSize() const;
    // The find dialog of the law-text memo, with the text to look for (empty keeps the last one).
    void openLawFind(const QString& text = {});
    void finddialog1Find();
    FindDialog* findDialog() const { return findDialog_; }
    void StatusBar1Click();
    // Made when first needed.
    AboutWindow* aboutWindow();
    RegulationWindow* regulationWindow() const { return regulation_; }

    // PageHost
    DataModule& data() override { return data_; }
    QWidget* mainWindow() override { return this; }
    bool isShowing() const override { return isVisible(); }
    void showPage(int pageIndex) override;
    void appendToTxt(const QStringList& lines, bool keepPrevious) override;
    void startTaskWithDate(const QDate& date) override;
    void setInterestDueDate(const QDate& date) override;
    void addCalculatorResult(double value, const QString& description) override;
    void showRegulation(const QString& filePath) override;

protected:
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void FormCreate();
    void buildPages();
    void checkDeadlines();
    void startReleaseCheck();
    void fitToScreen();
    void keepOnScreen();
    void fitStatusTexts();

    DataModule& data_;
    MainWindowOptions options_;
    QTabWidget* pages_ = nullptr;
    MultiRowTabs* tabs_ = nullptr;
    ElidedLabel* notice_ = nullptr;
    ElidedLabel* aboutHint_ = nullptr;
    AboutWindow* about_ = nullptr;
    RegulationWindow* regulation_ = nullptr;
    FindDialog* findDialog_ = nullptr;
    std::array<QWidget*, kPageCount> built_{};
    bool deadlineWarning_ = false;
    bool shownOnce_ = false;
};

// The mouse wheel works like the arrow keys: each notch becomes one Up (away
// from the user) or Down key press for the control under the mouse, so it
// moves selections in lists, grids and combo boxes one step.
class WheelAsArrowKeys : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    int pending_ = 0;  // angle delta not yet turned into a key press (smooth wheels, touchpads)
};

}  // namespace verdika::ui
