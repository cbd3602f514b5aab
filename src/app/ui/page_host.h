#pragma once
// What a page may ask of the main window. Pages never reach into each
// other's widgets: they go through these calls, and the main window hands the
// request to the page that owns it.
#include <QDate>
#include <QString>
#include <QStringList>

class QWidget;

namespace verdika {
class DataModule;
}

namespace verdika::ui {

// Page indices of the main window's tab control, in tab order.
enum PageIndex : int {
    kCostsPage = 0,
    kTariffPage = 1,
    kTravelPage = 2,
    kCourtFeePage = 3,
    kAdminFeesPage = 4,  // hidden
    kNotaryPage = 5,
    kExecutorPage = 6,
    kNotaryTariffsPage = 7,  // hidden
    kDeadlinePage = 8,
    kCompensationPage = 9,
    kTaskPage = 10,
    kInsolvencyPage = 11,
    kSettlementPage = 12,
    kInterestPage = 13,
    kWageDeductionPage = 14,
    kAverageEarningsPage = 15,  // hidden
    kInstitutionsPage = 16,
    kCalculatorPage = 17,
    kLawsPage = 18,
    kTxtPage = 19,
    kPageCount = 20
};

class PageHost {
public:
    virtual ~PageHost() = default;

    virtual DataModule& data() = 0;
    virtual QWidget* mainWindow() = 0;
    // True once the main window is on screen (settings written by user
    // actions only, never by the set-up of the controls).
    virtual bool isShowing() const = 0;
    // Makes the page active, as a tab change by the user would.
    virtual void showPage(int pageIndex) = 0;

    // The collecting page "TXT": appends lines, after clearing it unless keepPrevious.
    virtual void appendToTxt(const QStringList& lines, bool keepPrevious) = 0;
    // The task list: shows it and starts a new task with the date preset.
    virtual void startTaskWithDate(const QDate& date) = 0;
    // The interest page: a due date handed over from the deadline page.
    virtual void setInterestDueDate(const QDate& date) = 0;
    // The pocket calculator's kept-results list.
    virtual void addCalculatorResult(double value, const QString& description) = 0;
    // The regulation viewer: shows a regulation text file.
    virtual void showRegulation(const QString& filePath) = 0;
};

}  // namespace verdika::ui
