#pragma once

#include <memory>

#include <QWidget>

#include "pages/services.h"

namespace Ui {
class WorldTimePage;
}

namespace pocketrix {

class WorldTimePage : public QWidget {
    Q_OBJECT
public:
    explicit WorldTimePage(QWidget* parent = nullptr);
    ~WorldTimePage() override;

    void attach(PageContext& context);

private:
    std::unique_ptr<Ui::WorldTimePage> ui;
    PageContext* m_context = nullptr;
};

} // namespace pocketrix
