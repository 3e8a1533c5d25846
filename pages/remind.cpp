#include "pages/remind.h"

#include <QTextDocument>

#include "app/core/reminderfile.h"
#include "app/shell/definition.h"
#include "app/shell/errorrule.h"
#include "app/shell/windowset.h"
#include "pages/savetextfile.h"
#include "ui_remind.h"

namespace pocketrix {

TForm3::TForm3(WindowSet& windows, ErrorRule& errors) : ui(std::make_unique<Ui::Form3>()), m_windows(windows)
{
    ui->setupUi(this);
    errors.bindHandler(ui->Button1, &QPushButton::clicked, this, &TForm3::Button1Click);
    errors.bindHandler(ui->Button2, &QPushButton::clicked, this, &TForm3::Button2Click);

    finishWindow(this);
    errors.runGuarded([this] { FormCreate(this); });
}

TForm3::~TForm3() = default;

void TForm3::FormCreate(QObject* /*sender*/) { ui->Memo1->clear(); }

void TForm3::setTarget(const std::string& fileName, const std::string& dateText)
{
    ReminderTarget = fileName;
    setWindowTitle(QStringLiteral("Generate Reminder For ") + QString::fromStdString(dateText));
}

void TForm3::Button1Click(QObject* /*sender*/)
{
    // The document's raw text holds only the line breaks the user typed, never the soft
    // wraps, and keeps every character as typed (the plain text turns a non-breaking
    // space into a blank).
    const std::string bytes = encodeEditorText(ui->Memo1->document()->toRawText().toUtf8().toStdString());
    // What the Jotter would refuse to show is refused here, before anything is written.
    decodeMemoText(bytes);
    saveTextFile(QString::fromStdString(ReminderTarget.str()), QByteArray::fromStdString(bytes));
    emit reminderWritten(ReminderTarget.str());
    m_windows.hide(this);
}

void TForm3::Button2Click(QObject* /*sender*/) { m_windows.hide(this); }

} // namespace pocketrix
