#pragma once

#include <cstdint>
#include <memory>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>

#include "app/shell/windowset.h"
#include "controls/piegauge.h"
#include "pages/services.h"
#include "pages/systempage.h"
#include "pages/warning.h"
#include "tests/doubles.h"
#include "tests/fakedrive.h"

namespace pocketrix::test {

// The System page with its own context on a drive of the given size, and the warning
// window in its slot as after start-up; the test runs its minute tick.
struct SystemPageOn {
    SystemPageOn(std::int64_t freeBytes, std::int64_t totalBytes) : drive(freeBytes, totalBytes)
    {
        page.attach(context);
        context.others.warning = windows.add(WindowSet::Form4, std::make_unique<TForm4>(windows, errors));
        state.StartTime = "10:50:00";
        comboBox()->setCurrentIndex(0); // 5 MB
    }

    QLabel* label(const char* name) { return page.findChild<QLabel*>(name); }
    QCheckBox* checkBox() { return page.findChild<QCheckBox*>("CheckBox1"); }
    QComboBox* comboBox() { return page.findChild<QComboBox*>("ComboBox2"); }
    PieGauge* pageGauge() { return page.findChild<PieGauge*>("Gauge1"); }
    TForm4* warning() { return context.others.warning; }
    void refresh() { page.Timer2Timer(nullptr); }

    SettableClock clock{2026, 3, 4, 10, 50, 0};
    LocaleValues locale;
    FakeDrive drive;
    Services services{clock, locale, nullptr, &drive};
    ClockState state;
    RecordedErrors errors;
    WindowSet windows{errors};
    PageContext context{state, services, windows, errors, {}};
    SystemPage page;
};

} // namespace pocketrix::test
