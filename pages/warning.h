#pragma once

#include <memory>

#include <QWidget>

namespace Ui {
class Form4;
}

namespace pocketrix {

class ErrorRule;
class PieGauge;
class WindowSet;

// The low-space warning: a pie of the used share of the drive and "OK", which hides it.
// `Label1` its text, `Gauge1` the pie, `Button1` "OK".
class TForm4 : public QWidget {
    Q_OBJECT
public:
    TForm4(WindowSet& windows, ErrorRule& errors);
    ~TForm4() override;

    void Button1Click(QObject* sender);

    // The System page's refresh sets it when the warning fires.
    PieGauge* gauge() const;

private:
    std::unique_ptr<Ui::Form4> ui;
    WindowSet& m_windows;
};

} // namespace pocketrix
