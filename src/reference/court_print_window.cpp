#include "reference/court_print_window.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMimeData>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTextCursor>
#include <QTextEdit>
#include <QVBoxLayout>

#include "app/settings.h"
#include "common/rtf.h"
#include "common/ui/action.h"
#include "common/ui/controls.h"
#include "common/ui/desktop.h"
#include "common/ui/qt_convert.h"
#include "companion/ui/print_margins.h"

namespace verdika::ui {

namespace {
constexpr const char* kFont = "Times New Roman";
constexpr double kPointSize = 12;
}  // namespace

CourtPrintWindow::CourtPrintWindow(Settings& settings, QWidget* parent) : QDialog(parent), settings_(settings) {
    setObjectName(QStringLiteral("Soud_Print_Form"));
    setWindowTitle(QStringLiteral("Tisk soudu"));
    auto* layout = new QVBoxLayout(this);
    edit_ = new QTextEdit(this);
    edit_->setObjectName(QStringLiteral("RichEdit1"));
    edit_->setAcceptRichText(true);
    edit_->setMinimumSize(420, 220);
    layout->addWidget(edit_, 1);

    auto* box = new QGroupBox(QStringLiteral("Formát"), this);
    box->setObjectName(QStringLiteral("RadioGroup1"));
    auto* row = new QHBoxLayout(box);
    formats_ = new QButtonGroup(this);
    const char* captions[] = {"bez formátu", "první tučně", "vše tučně"};
    for (int i = 0; i < 3; ++i) {
        auto* r = new QRadioButton(QString::fromUtf8(captions[i]), box);
        r->setObjectName(QStringLiteral("Format_RadioButton%1").arg(i));
        formats_->addButton(r, i);
        row->addWidget(r);
    }
    row->addStretch();
    layout->addWidget(box);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* print = pushButton(QStringLiteral("BitBtn1"), QStringLiteral("Tisk"), this);
    print->setDefault(true);
    auto* cancel = pushButton(QStringLiteral("BitBtn2"), QStringLiteral("Storno"), this);
    buttons->addWidget(print);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);

    // A stored format outside 0…2 (a hand-edited file) counts as none.
    const auto stored = settings_.getInt(setting::CourtPrintFormat, 0);
    setFormat(stored >= 0 && stored <= 2 ? static_cast<Format>(stored) : Plain);

    connect(formats_, &QButtonGroup::idClicked, this, [this](int id) {
        // Only the user's change is stored, never the set-up at creation.
        if (isVisible()) runAction(this, [&] { settings_.setInt(setting::CourtPrintFormat, id); });
        setAddress(lines_);
        emit formatChanged();
    });
    connect(print, &QPushButton::clicked, this, &CourtPrintWindow::BitBtn1Click);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

CourtPrintWindow::Format CourtPrintWindow::format() const {
    const int id = formats_->checkedId();
    return id < 0 ? Plain : static_cast<Format>(id);
}

void CourtPrintWindow::setFormat(Format f) { formats_->button(f)->setChecked(true); }

bool CourtPrintWindow::lineBold(int line) const {
    return format() == AllBold || (format() == FirstLineBold && line == 0);
}

void CourtPrintWindow::setAddress(const std::vector<std::string>& lines) {
    lines_ = lines;
    edit_->clear();
    QTextCursor c(edit_->document());
    for (size_t i = 0; i < lines.size(); ++i) {
        QTextCharFormat f;
        f.setFontFamilies({QString::fromLatin1(kFont)});
        f.setFontPointSize(kPointSize);
        f.setFontWeight(lineBold(static_cast<int>(i)) ? QFont::Bold : QFont::Normal);
        if (i) c.insertBlock(QTextBlockFormat(), f);
        c.insertText(qs(lines[i]), f);
    }
}

QMimeData* CourtPrintWindow::copiedLines(int count) const {
    const int n = std::min(count, static_cast<int>(lines_.size()));
    QStringList plain;
    QString html = QStringLiteral("<div style=\"font-family:'%1'; font-size:%2pt\">").arg(QString::fromLatin1(kFont)).arg(kPointSize);
    std::vector<RtfParagraph> rtf;
    for (int i = 0; i < n; ++i) {
        const QString line = qs(lines_[static_cast<size_t>(i)]);
        plain << line;
        const QString escaped = line.toHtmlEscaped();
        html += (i ? QStringLiteral("<br>") : QString()) + (lineBold(i) ? QStringLiteral("<b>%1</b>").arg(escaped) : escaped);
        rtf.push_back(RtfParagraph{{RtfRun{lines_[static_cast<size_t>(i)], lineBold(i)}}});
    }
    html += QStringLiteral("</div>");
    auto* mime = new QMimeData;
    mime->setText(plain.join(QLatin1Char('\n')));
    mime->setHtml(html);
    const QByteArray rtfBytes = QByteArray::fromStdString(toRtf(rtf, kFont, kPointSize));
    mime->setData(QStringLiteral("text/rtf"), rtfBytes);
    // Word processors on Windows take rich text from the clipboard in this format.
    mime->setData(QStringLiteral("application/x-qt-windows-mime;value=\"Rich Text Format\""), rtfBytes);
    return mime;
}

void CourtPrintWindow::BitBtn1Click() {
    QPrinter printer;
    printer.setDocName(QStringLiteral("Verdika"));
    if (!askPrinter(this, printer)) return;
    runAction(this, [&] { printRichText(edit_, printer); });
}

}  // namespace verdika::ui
