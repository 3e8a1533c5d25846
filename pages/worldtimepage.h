#pragma once

#include <array>
#include <memory>

#include <QWidget>

#include "app/core/fixedtext.h"
#include "pages/services.h"

class QLabel;

namespace Ui {
class WorldTimePage;
}

namespace pocketrix {

// The World Time page: ten cities over a map, refreshed by the main window's tick.
// `Image1` the map; `Panel1` to `Panel10` a city each, its name label over its time
// label, both kinds listed in the .cpp in the order of `kWorldCityOffsets`.
class WorldTimePage : public QWidget {
    Q_OBJECT
public:
    explicit WorldTimePage(QWidget* parent = nullptr);
    ~WorldTimePage() override;

    void attach(PageContext& context);

    // Refreshes the ten time labels from the current local time.
    void UpdateTime();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void TCheck();

    std::unique_ptr<Ui::WorldTimePage> ui;
    PageContext* m_context = nullptr;
    std::array<QLabel*, 10> m_timeLabels{}; // in the order of kWorldCityOffsets

    FixedText<10> WorldText;
    int LocalHour = 0;
    int CityHour = 0;
};

} // namespace pocketrix
