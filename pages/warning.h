#pragma once

#include <memory>

#include <QWidget>

namespace Ui {
class Form4;
}

namespace pocketrix {

class WindowSet;

class TForm4 : public QWidget {
    Q_OBJECT
public:
    explicit TForm4(WindowSet& windows, QWidget* parent = nullptr);
    ~TForm4() override;

private:
    std::unique_ptr<Ui::Form4> ui;
    WindowSet& m_windows;
};

} // namespace pocketrix
