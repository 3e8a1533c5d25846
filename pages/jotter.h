#pragma once

#include <memory>

#include <QWidget>

namespace Ui {
class Form5;
}

namespace pocketrix {

class WindowSet;

class TForm5 : public QWidget {
    Q_OBJECT
public:
    explicit TForm5(WindowSet& windows, QWidget* parent = nullptr);
    ~TForm5() override;

private:
    std::unique_ptr<Ui::Form5> ui;
    WindowSet& m_windows;
};

} // namespace pocketrix
