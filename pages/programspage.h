#pragma once

#include <memory>

#include <QWidget>

#include "pages/services.h"

namespace Ui {
class ProgramsPage;
}

namespace pocketrix {

class ProgramsPage : public QWidget {
    Q_OBJECT
public:
    explicit ProgramsPage(QWidget* parent = nullptr);
    ~ProgramsPage() override;

    void attach(PageContext& context);

private:
    std::unique_ptr<Ui::ProgramsPage> ui;
    PageContext* m_context = nullptr;
};

} // namespace pocketrix
