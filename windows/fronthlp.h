#pragma once

#include <memory>

#include <QWidget>

namespace Ui {
class Helpful;
}

namespace pocketrix {

class WindowSet;

class THelpful : public QWidget {
    Q_OBJECT
public:
    explicit THelpful(WindowSet& windows, QWidget* parent = nullptr);
    ~THelpful() override;

private:
    std::unique_ptr<Ui::Helpful> ui;
    WindowSet& m_windows;
};

} // namespace pocketrix
