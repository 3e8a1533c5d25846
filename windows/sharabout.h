#pragma once

#include <memory>

#include <QWidget>

namespace Ui {
class sharabout;
}

namespace pocketrix {

class ErrorRule;
class WindowSet;

// The about window: the program's name and version, hidden again by "OK". `Image1` the
// picture, `Label1` the name and version, `Button1` "OK".
class Tsharabout : public QWidget {
    Q_OBJECT
public:
    Tsharabout(WindowSet& windows, ErrorRule& errors);
    ~Tsharabout() override;

    void Button1Click(QObject* sender);

private:
    std::unique_ptr<Ui::sharabout> ui;
    WindowSet& m_windows;
};

} // namespace pocketrix
