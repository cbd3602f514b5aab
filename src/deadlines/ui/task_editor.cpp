#include "deadlines/ui/task_editor.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "common/ui/controls.h"
#include "common/ui/qt_convert.h"
#include "deadlines/ui/blank_date_edit.h"

namespace verdika::ui {

TaskEditor::TaskEditor(QWidget* parent) : QGroupBox(parent) {
    setObjectName(QStringLiteral("Lhuty_Editace_GroupBox"));
    auto* grid = new QGridLayout(this);
    date_ = new BlankDateEdit(QStringLiteral("Lhuty_DBDateTimePicker"), this);
    title_ = new QLineEdit(this);
    title_->setObjectName(QStringLiteral("DBEdit1"));
    title_->setMaxLength(255);
    note_ = new QPlainTextEdit(this);
    note_->setObjectName(QStringLiteral("DBMemo1"));
    note_->setTabChangesFocus(true);
    note_->setMaximumHeight(70);
    done_ = new QCheckBox(QStringLiteral("Splněno"), this);
    done_->setObjectName(QStringLiteral("DBCheckBox1"));
    int row = 0;
    for (auto [caption, field] : {std::pair{"Datum", static_cast<QWidget*>(date_)}, {"Název", title_}, {"Poznámka", note_}}) {
        // A caption stands beside its line; the note's at the top of the box.
        const Qt::Alignment align = field == note_ ? Qt::AlignTop : Qt::AlignVCenter;
        grid->addWidget(buddyLabel(QString::fromUtf8(caption), field, this), row, 0, align);
        grid->addWidget(field, row++, 1);
    }
    grid->addWidget(done_, row, 1);
    grid->setColumnStretch(1, 1);

    connect(date_, &QDateEdit::dateChanged, this, &TaskEditor::changed);
    connect(title_, &QLineEdit::textEdited, this, &TaskEditor::changed);
    connect(note_, &QPlainTextEdit::textChanged, this, &TaskEditor::changed);
    connect(done_, &QCheckBox::toggled, this, &TaskEditor::changed);
}

void TaskEditor::changed() {
    if (!loading_) emit userChanged();
}

void TaskEditor::showTask(const Task* t) {
    loading_ = true;
    date_->setBlank(!t);
    if (t) date_->setDate(toQDate(t->datum.date));
    title_->setText(t ? qs(t->nazev) : QString());
    note_->setPlainText(t ? qs(t->poznamka) : QString());
    done_->setChecked(t && t->splneno);
    loading_ = false;
}

Task TaskEditor::edited(const Task& base) const {
    Task t = base;
    t.datum.date = fromQDate(date_->date());
    t.nazev = ss(title_->text());
    t.poznamka = ss(note_->toPlainText());
    t.splneno = done_->isChecked();  // a new task is stored as not done, never empty
    return t;
}

void TaskEditor::setEditable(bool on) {
    for (QWidget* w : std::initializer_list<QWidget*>{date_, title_, note_, done_}) w->setEnabled(on);
}

void TaskEditor::focusTitle() { title_->setFocus(); }

}  // namespace verdika::ui
