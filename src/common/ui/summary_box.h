#pragma once
// A summary rich edit with its toolbar: save as RTF, print with equal
// margins, and a PDF of the plain text written to the data directory's
// folder "PDF" and opened with the desktop's viewer.
#include <QString>
#include <QTextEdit>
#include <QStringList>
#include <QWidget>
#include <vector>

#include "common/rtf.h"

class QCheckBox;
class QTextDocument;
class QToolBar;
class QToolButton;

namespace verdika::ui {

class PageHost;

// The rich edit of a summary; its text sits inset from the edges.
class SummaryEdit : public QTextEdit {
    Q_OBJECT
public:
    using QTextEdit::QTextEdit;
    void setInsets(int left, int top, int right, int bottom) { setViewportMargins(left, top, right, bottom); }
};

// The text sits inset in the box: 50 px left and right, 52 top, 48 bottom
// for a margin of 50; the default font becomes Times New Roman, 12 points.
void Nastavit_Okraje_Richedit(int margin, QTextEdit* box);

// The formatted content of a document as RTF paragraphs.
std::vector<RtfParagraph> rtfParagraphs(const QTextDocument* document);

// Writes plain text as a PDF (10-point type, A4) through a temporary file;
// throws IoError naming the file when it cannot be written.
void writePlainTextPdf(const QString& text, const QString& path, const QString& fontFamily);

class SummaryBox : public QWidget {
    Q_OBJECT
public:
    struct Names {
        QString box;           // "Tarif_RichEdit"
        QString saveButton;    // "ToolButton3"
        QString printButton;   // "ToolButton4"
        QString pdfButton;     // "ToolButton12"
        QString printTitle;    // "Odměna - advokátní tarif"
        QString pdfName;       // "tarif"
    };
    SummaryBox(PageHost& host, Names names, QWidget* parent = nullptr);

    QTextEdit* edit() const { return edit_; }
    QToolBar* toolBar() const { return toolBar_; }

    void clear();
    void appendLines(const QStringList& lines);
    QStringList lines() const;  // the plain text, line by line

    // The two tools of a calculator's summary, after the box's own buttons:
    // the box "Ponechat záznamy (nevymazávat záznamy)" and the button
    // "Vložit do záložky TXT", which says toTxtRequested (the page asks its
    // own question, usually through sendToTxt). Called once, right after
    // construction; the page "TXT" itself has neither.
    void addRecordTools(const QString& keepRecordsName, const QString& toTxtName);
    QCheckBox* keepRecords() const { return keepRecords_; }
    QToolButton* toTxtButton() const { return toTxt_; }
    // A calculation's summary: the box is cleared first unless "Ponechat
    // záznamy" is ticked, and the new lines are shown from their first line.
    void showLines(const QStringList& lines);
    // Asks the Yes/No question (Yes keeps what the page "TXT" holds, No
    // clears it), appends every line of the box there and shows that page.
    void sendToTxt(const QString& question);

    // The toolbar's actions (user-facing: dialogs, messages).
    void saveAs();
    void print();
    void makePdf();  // ToolButton10Click

    // Without dialogs, for the actions above and for tests; throw IoError.
    void saveRtf(const QString& path) const;
    QString pdfPath() const;  // data directory + "PDF/" + name + ".pdf"
    QString writePdf() const;

signals:
    void toTxtRequested();

private:
    PageHost& host_;
    Names names_;
    QTextEdit* edit_;
    QToolBar* toolBar_;
    QCheckBox* keepRecords_ = nullptr;
    QToolButton* toTxt_ = nullptr;
};

}  // namespace verdika::ui
