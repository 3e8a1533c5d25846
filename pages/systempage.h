#pragma once

#include <memory>

#include <QWidget>

#include "pages/services.h"

namespace Ui {
class SystemPage;
}

namespace pocketrix {

class SystemPage : public QWidget {
    Q_OBJECT
public:
    explicit SystemPage(QWidget* parent = nullptr);
    ~SystemPage() override;

    void attach(PageContext& context);

private:
    std::unique_ptr<Ui::SystemPage> ui;
    PageContext* m_context = nullptr;
};

} // namespace pocketrix
