#pragma once
// The window "Tisk soudu" (`TSoud_Print_Form`): the address of an institution
// as rich text in one of three formats, printed on request. The format is
// kept in "nastaveni.ini" [soud] "format" when the user changes it.
#include <QDialog>
#include <string>
#include <vector>

class QButtonGroup;
class QMimeData;
class QTextEdit;

namespace verdika {
class Settings;
}

namespace verdika::ui {

class CourtPrintWindow : public QDialog {
    Q_OBJECT
public:
    enum Format { Plain = 0, FirstLineBold = 1, AllBold = 2 };

    CourtPrintWindow(Settings& settings, QWidget* parent = nullptr);

    Format format() const;
    void setFormat(Format f);
    // RichEdit1 takes the lines: 12-point Times New Roman, bold by the format.
    void setAddress(const std::vector<std::string>& lines);
    // The first `count` lines as the clipboard gets them: plain text, HTML and RTF.
    QMimeData* copiedLines(int count) const;
    QTextEdit* edit() const { return edit_; }

    // "Tisk": the print dialog, then the address with the document title "Verdika".
    void BitBtn1Click();

signals:
    // The user picked another format; the page writes the address again.
    void formatChanged();

private:
    bool lineBold(int line) const;

    Settings& settings_;
    QTextEdit* edit_;          // RichEdit1
    QButtonGroup* formats_;    // RadioGroup "Formát"
    std::vector<std::string> lines_;
};

}  // namespace verdika::ui
