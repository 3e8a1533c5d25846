#pragma once

#include <memory>

#include <QWidget>

class QPlainTextEdit;

namespace Ui {
class Form5;
}

namespace pocketrix {

// A Jotter: a small coloured window with a free-text box `Memo1`. Its text lives only as
// long as the window does; nothing is saved.
class TForm5 : public QWidget {
    Q_OBJECT
public:
    explicit TForm5(QWidget* parent = nullptr);
    ~TForm5() override;

    void setColour(const QColor& colour);
    QPlainTextEdit* memo() const;

private:
    std::unique_ptr<Ui::Form5> ui;
};

} // namespace pocketrix
