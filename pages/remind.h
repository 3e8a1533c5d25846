#pragma once

#include <memory>
#include <string>

#include <QWidget>

#include "app/core/fixedtext.h"

namespace Ui {
class Form3;
}

namespace pocketrix {

class ErrorRule;
class WindowSet;

// The reminder window: a free text that "OK" saves as the reminder file of one day.
// `Memo1` the text, `Button1` "OK", `Button2` "Cancel".
class TForm3 : public QWidget {
    Q_OBJECT
public:
    TForm3(WindowSet& windows, ErrorRule& errors);
    ~TForm3() override;

    void FormCreate(QObject* sender);
    void Button1Click(QObject* sender);
    void Button2Click(QObject* sender);

    // The day the text is for: the file "OK" writes and the date the caption names.
    void setTarget(const std::string& fileName, const std::string& dateText);
    const FixedText<30>& reminderTarget() const { return ReminderTarget; }

signals:
    // A reminder file was written in full under this name.
    void reminderWritten(const std::string& fileName);

private:
    std::unique_ptr<Ui::Form3> ui;
    WindowSet& m_windows;
    FixedText<30> ReminderTarget;
};

} // namespace pocketrix
