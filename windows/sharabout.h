#pragma once

#include <memory>

#include <QWidget>

namespace Ui {
class sharabout;
}

namespace pocketrix {

class WindowSet;

// The about window: the program's name and version, hidden again by "OK".
class Tsharabout : public QWidget {
    Q_OBJECT
public:
    explicit Tsharabout(WindowSet& windows);
    ~Tsharabout() override;

    void Button1Click(QObject* sender);

private:
    std::unique_ptr<Ui::sharabout> ui;
    WindowSet& m_windows;
};

} // namespace pocketrix
