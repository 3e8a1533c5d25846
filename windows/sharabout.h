#pragma once

#include <memory>

#include <QWidget>

namespace Ui {
class sharabout;
}

namespace pocketrix {

class WindowSet;

class Tsharabout : public QWidget {
    Q_OBJECT
public:
    explicit Tsharabout(WindowSet& windows, QWidget* parent = nullptr);
    ~Tsharabout() override;

private:
    std::unique_ptr<Ui::sharabout> ui;
    WindowSet& m_windows;
};

} // namespace pocketrix
