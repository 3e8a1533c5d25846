#pragma once

#include <memory>

#include <QWidget>

namespace Ui {
class Form2;
}

namespace pocketrix {

class WindowSet;

class TForm2 : public QWidget {
    Q_OBJECT
public:
    explicit TForm2(WindowSet& windows, QWidget* parent = nullptr);
    ~TForm2() override;

private:
    std::unique_ptr<Ui::Form2> ui;
    WindowSet& m_windows;
};

} // namespace pocketrix
