#include "common/ui/summary_box.h"

#include <QAbstractTextDocumentLayout>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QPageLayout>
#include <QPdfWriter>
#include <QPrinter>
#include <QStyle>
#include <QTextBlock>
#include <QTextFrame>
#include <QTextDocument>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <random>

#include "app/data_module.h"
#include "app/ui/page_host.h"
#include "common/errors.h"
#include "common/files.h"
#include "common/ui/action.h"
#include "common/ui/controls.h"
#include "common/ui/desktop.h"
#include "common/ui/messages.h"
#include "common/ui/qt_convert.h"
#include "companion/ui/print_margins.h"

namespace verdika::ui {

void Nastavit_Okraje_Richedit(int margin, QTextEdit* box) {
    // The old box moved its formatting rectangle by these amounts.
    if (auto* e = qobject_cast<SummaryEdit*>(box)) {
        e->setInsets(margin, margin + 2, margin, margin - 2);
    } else {
        QTextFrameFormat f = box->document()->rootFrame()->frameFormat();
        f.setLeftMargin(margin);
        f.setTopMargin(margin + 2);
        f.setRightMargin(margin);
        f.setBottomMargin(margin - 2);
        box->document()->rootFrame()->setFrameFormat(f);
    }
    box->setStyleSheet(QStringLiteral("QTextEdit { background-color: palette(base); }"));
    QFont f(QStringLiteral("Times New Roman"), 12);
    f.setStyleHint(QFont::Serif);
    box->document()->setDefaultFont(f);
    box->setFont(f);
}

std::vector<RtfParagraph> rtfParagraphs(const QTextDocument* document) {
    std::vector<RtfParagraph> out;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        RtfParagraph p;
        const Qt::Alignment a = block.blockFormat().alignment();
        if (a & Qt::AlignHCenter) p.align = RtfParagraph::Align::Center;
        else if (a & Qt::AlignRight) p.align = RtfParagraph::Align::Right;
        else if (a & Qt::AlignJustify) p.align = RtfParagraph::Align::Justify;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment frag = it.fragment();
            if (!frag.isValid()) continue;
            const QTextCharFormat cf = frag.charFormat();
            RtfRun r;
            r.text = ss(frag.text().replace(QChar::LineSeparator, QLatin1Char('\n')));
            r.bold = cf.fontWeight() >= QFont::Bold;
            r.italic = cf.fontItalic();
            r.underline = cf.fontUnderline();
            r.pointSize = cf.hasProperty(QTextFormat::FontPointSize) ? cf.fontPointSize() : 0;
            p.runs.push_back(std::move(r));
        }
        out.push_back(std::move(p));
    }
    return out;
}

void writePlainTextPdf(const QString& text, const QString& path, const QString& fontFamily) {
    const QFileInfo target(path);
    QDir().mkpath(target.absolutePath());
    std::random_device rd;
    const QString tmp = path + QStringLiteral(".tmp%1").arg(rd() % 1000000);
    {
        QPdfWriter writer(tmp);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(20, 15, 20, 15), QPageLayout::Millimeter);
        writer.setResolution(300);
        writer.setTitle(target.completeBaseName());
        writer.setCreator(QStringLiteral("Verdika"));
        QTextDocument doc;
        QFont f(fontFamily, 10);
        f.setStyleHint(QFont::Serif);
        doc.setDefaultFont(f);
        doc.setPlainText(text);
        doc.print(&writer);
    }
    QFile written(tmp);
    if (!written.exists() || written.size() == 0) {
        QFile::remove(tmp);
        throw IoError("PDF nelze zapsat do souboru " + ss(path) + ".");
    }
    QFile::remove(path);
    if (!QFile::rename(tmp, path)) {
        QFile::remove(tmp);
        throw IoError("PDF nelze uložit jako " + ss(path) + " (soubor je možná otevřen v jiném programu).");
    }
}

SummaryBox::SummaryBox(PageHost& host, Names names, QWidget* parent)
    : QWidget(parent), host_(host), names_(std::move(names)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    toolBar_ = new QToolBar(this);
    toolBar_->setObjectName(names_.box + QStringLiteral("_toolbar"));
    toolBar_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    auto addButton = [&](const QString& name, QStyle::StandardPixmap icon, const QString& text, const QString& hint,
                         void (SummaryBox::*slot)()) {
        auto* b = new QToolButton(toolBar_);
        b->setObjectName(name);
        b->setIcon(styleIcon(icon));
        b->setText(text);
        b->setToolTip(hint);
        b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        connect(b, &QToolButton::clicked, this, slot);
        toolBar_->addWidget(b);
    };
    addButton(names_.saveButton, QStyle::SP_DialogSaveButton, QStringLiteral("Uložit jako"),
              QStringLiteral("Uložit souhrn jako soubor RTF"), &SummaryBox::saveAs);
    addButton(names_.printButton, QStyle::SP_FileDialogDetailedView, QStringLiteral("Tisk"),
              QStringLiteral("Vytisknout souhrn"), &SummaryBox::print);
    addButton(names_.pdfButton, QStyle::SP_FileIcon, QStringLiteral("PDF"),
              QStringLiteral("Uložit souhrn jako PDF a otevřít jej"), &SummaryBox::makePdf);
    layout->addWidget(toolBar_);
    edit_ = new SummaryEdit(this);
    edit_->setObjectName(names_.box);
    edit_->setAcceptRichText(true);
    Nastavit_Okraje_Richedit(50, edit_);
    layout->addWidget(edit_, 1);
}

void SummaryBox::clear() { edit_->clear(); }

void SummaryBox::appendLines(const QStringList& lines) {
    for (const QString& l : lines) edit_->append(l);
}

QStringList SummaryBox::lines() const { return edit_->toPlainText().split(QLatin1Char('\n')); }

void SummaryBox::addRecordTools(const QString& keepRecordsName, const QString& toTxtName) {
    keepRecords_ = new QCheckBox(QStringLiteral("Ponechat záznamy (nevymazávat záznamy)"), toolBar_);
    keepRecords_->setObjectName(keepRecordsName);
    toTxt_ = new QToolButton(toolBar_);
    toTxt_->setObjectName(toTxtName);
    toTxt_->setText(QStringLiteral("Vložit do záložky TXT"));
    toTxt_->setToolTip(QStringLiteral("Připojit souhrn do záložky TXT"));
    toTxt_->setToolButtonStyle(Qt::ToolButtonTextOnly);
    toolBar_->addSeparator();
    toolBar_->addWidget(keepRecords_);
    toolBar_->addSeparator();
    toolBar_->addWidget(toTxt_);
    connect(toTxt_, &QToolButton::clicked, this, &SummaryBox::toTxtRequested);
}

void SummaryBox::showLines(const QStringList& lines) {
    if (!keepRecords_ || !keepRecords_->isChecked()) clear();
    QTextDocument* doc = edit_->document();
    const int firstNew = doc->isEmpty() ? 0 : doc->blockCount();
    appendLines(lines);
    // A kept summary grows at the bottom; the reader wants the new one's top.
    edit_->setTextCursor(QTextCursor(doc->findBlockByNumber(firstNew)));
    edit_->ensureCursorVisible();
}

void SummaryBox::sendToTxt(const QString& question) {
    const bool keep = confirm(this, question);
    host_.appendToTxt(lines(), keep);
    host_.showPage(kTxtPage);
}

void SummaryBox::saveRtf(const QString& path) const {
    writeFileAtomic(fspath(path), toRtf(rtfParagraphs(edit_->document()), "Times New Roman", 12));
}

void SummaryBox::saveAs() {
    FileDialogRequest r;
    r.save = true;
    r.title = QStringLiteral("Ulož jako - Náklady řízení ");
    r.directory = qpath(host_.data().paths().dataDir);
    r.filter = QStringLiteral("Soubor RTF (*.rtf);;Soubor TXT (*.txt)");
    r.defaultSuffix = QStringLiteral("rtf");
    const QString path = askFileName(this, r);
    if (path.isEmpty()) return;
    runAction(this, [&] { saveRtf(path); });
}

void SummaryBox::print() {
    QPrinter printer(QPrinter::HighResolution);
    if (!askPrinter(this, printer)) return;
    runAction(this, [&] {
        Okraje_Richedit(edit_, 1.0, 1.0, 1.0, 1.0);
        printer.setDocName(names_.printTitle);
        printRichText(edit_, printer);
    });
}

QString SummaryBox::pdfPath() const {
    return qpath(host_.data().paths().dataDir / "PDF" / (ss(names_.pdfName) + ".pdf"));
}

QString SummaryBox::writePdf() const {
    const QString path = pdfPath();
    writePlainTextPdf(edit_->toPlainText(), path, edit_->document()->defaultFont().family());
    return path;
}

void SummaryBox::makePdf() {
    runAction(this, [&] { openWithDesktop(writePdf()); });
}

}  // namespace verdika::ui
