#pragma once

#include <memory>

#include <QWidget>

namespace Ui {
class Form3;
}

namespace pocketrix {

class WindowSet;

class TForm3 : public QWidget {
    Q_OBJECT
public:
    explicit TForm3(WindowSet& windows, QWidget* parent = nullptr);
    ~TForm3() override;

private:
    std::unique_ptr<Ui::Form3> ui;
    WindowSet& m_windows;
};

} // namespace pocketrix
