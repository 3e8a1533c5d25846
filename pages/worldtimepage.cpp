#include "pages/worldtimepage.h"

#include "app/core/timetext.h"
#include "app/shell/definition.h"
#include "pages/worldclock.h"
#include "ui_worldtimepage.h"

namespace pocketrix {

WorldTimePage::WorldTimePage(QWidget* parent) : QWidget(parent), ui(std::make_unique<Ui::WorldTimePage>())
{
    ui->setupUi(this);
    m_timeLabels = {ui->Label9,  ui->Label6,  ui->Label16, ui->Label10, ui->Label12,
                    ui->Label20, ui->Label13, ui->Label22, ui->Label17, ui->Label24};
}

WorldTimePage::~WorldTimePage() = default;

void WorldTimePage::attach(PageContext& context)
{
    m_context = &context;
    // The window's fonts are final by now; the city labels size themselves to them.
    for (QLabel* label : {ui->Label8, ui->Label7, ui->Label19, ui->Label11, ui->Label15, ui->Label21, ui->Label14,
                          ui->Label23, ui->Label18, ui->Label25})
        fitToText(label);
}

void WorldTimePage::UpdateTime()
{
    WorldText = shortTimeText(currentTimeText(m_context->services.clock));
    const auto show = [this](QLabel* label, std::string_view text) {
        label->setText(QString::fromLatin1(text));
        // Labels size themselves to their text; on a hidden page that waits for the page
        // to show, so the bold font is not loaded at start-up for a page not yet seen.
        if (isVisible())
            fitToText(label);
    };
    show(m_timeLabels[0], WorldText);
    LocalHour = twoDigitRead(WorldText, 1);
    for (std::size_t city = 1; city < kWorldCityOffsets.size(); ++city) {
        CityHour = LocalHour + kWorldCityOffsets[city];
        TCheck();
        show(m_timeLabels[city], WorldText);
    }
}

void WorldTimePage::showEvent(QShowEvent* event)
{
    for (QLabel* label : m_timeLabels)
        fitToText(label);
    QWidget::showEvent(event);
}

void WorldTimePage::TCheck()
{
    CityHour = wrapCityHour(CityHour);
    std::string text = WorldText.str();
    twoDigitWrite(text, 1, CityHour);
    WorldText = text;
}

} // namespace pocketrix
