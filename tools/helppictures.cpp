// Makes the pictures of the help reader from the program's own windows: builds them
// offscreen, as the tests build the program under test, with a fixed clock and drive and
// the fallback locale, grabs them and writes Windows bitmaps into the folder given (the
// repository's frontend/). Run it from the repository root after a window or page has
// changed:
//     ./build/tools/pocketrix_helppictures frontend

#include <cstdio>
#include <memory>
#include <set>

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>
#include <QTabWidget>

#include "app/shell/definition.h"
#include "controls/accessiblecontrols.h"
#include "tests/doubles/programundertest.h"

namespace {

using namespace pocketrix;

constexpr int kTitleHeight = 18;

// A window as the user sees it: its client area under a plain caption bar.
QImage framed(QWidget* window)
{
    window->show();
    QApplication::processEvents();
    const QImage client = window->grab().toImage();
    QImage picture(client.width() + 2, client.height() + kTitleHeight + 2, QImage::Format_RGB32);
    picture.fill(QColor(128, 128, 128));
    QPainter painter(&picture);
    QLinearGradient caption(0, 0, picture.width(), 0);
    caption.setColorAt(0, QColor(0, 0, 128));
    caption.setColorAt(1, QColor(16, 132, 208));
    painter.fillRect(1, 1, picture.width() - 2, kTitleHeight, caption);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRect(6, 1, picture.width() - 12, kTitleHeight), Qt::AlignVCenter | Qt::AlignLeft,
                     window->windowTitle());
    painter.drawImage(1, kTitleHeight + 1, client);
    painter.end();
    window->hide();
    return picture;
}

QImage sideBySide(const QImage& left, const QImage& right, int gap)
{
    QImage picture(left.width() + gap + right.width(), std::max(left.height(), right.height()), QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.drawImage(0, 0, left);
    painter.drawImage(left.width() + gap, 0, right);
    return picture;
}

QImage titlePicture()
{
    QImage picture(593, 96, QImage::Format_RGB32);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sweep(0, 0, picture.width(), 0);
    sweep.setColorAt(0, QColor(0, 40, 120));
    sweep.setColorAt(1, QColor(0, 150, 160));
    painter.fillRect(picture.rect(), sweep);
    QFont heading(QStringLiteral("Times New Roman"));
    heading.setPixelSize(40);
    heading.setBold(true);
    painter.setFont(heading);
    painter.setPen(QColor(0, 20, 40));
    painter.drawText(QRect(22, 10, 560, 50), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Pocketrix Help"));
    painter.setPen(Qt::white);
    painter.drawText(QRect(20, 8, 560, 50), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Pocketrix Help"));
    QFont line(QStringLiteral("Times New Roman"));
    line.setPixelSize(16);
    line.setItalic(true);
    painter.setFont(line);
    painter.setPen(QColor(255, 255, 200));
    painter.drawText(QRect(22, 60, 560, 26), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Programs, system, calendar, world time and alarm clock"));
    // A clock face at the right end.
    const QPointF centre(540, 48);
    painter.setPen(QPen(QColor(255, 210, 0), 4));
    painter.setBrush(QColor(255, 255, 230));
    painter.drawEllipse(centre, 32, 32);
    painter.setPen(QPen(Qt::black, 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(centre, centre + QPointF(-14, -10));
    painter.drawLine(centre, centre + QPointF(12, -20));
    return picture;
}

// Writes an 8-bit bitmap when the picture has few enough colours, else a 24-bit one.
bool writeBitmap(const QImage& picture, const QString& path)
{
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    std::set<QRgb> colours;
    for (int y = 0; y < rgb.height() && colours.size() <= 256; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        colours.insert(line, line + rgb.width());
    }
    QImage out = rgb.convertToFormat(QImage::Format_RGB888);
    if (colours.size() <= 256)
        out = rgb.convertToFormat(QImage::Format_Indexed8, QList<QRgb>(colours.begin(), colours.end()),
                                  Qt::ThresholdDither);
    const bool written = out.save(path, "BMP");
    std::fprintf(stderr, "%s %dx%d: %s\n", qPrintable(path), out.width(), out.height(), written ? "written" : "FAILED");
    return written;
}

void setMemoText(QWidget* window, const QString& text)
{
    if (QObject* memo = window->findChild<QObject*>(QStringLiteral("Memo1")))
        memo->setProperty("plainText", text);
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));

    // As Program does for main(): the look, then the windows, here over a fixed clock and drive
    // at Monday 7 December 2026, 10:28:05 in the morning, the fallback locale, a program
    // starter that starts nothing and no sound, so the pictures read the same on every machine.
    QApplication::setApplicationName(QStringLiteral("Pocketrix"));
    installLook();
    installAccessibleControls();
    ErrorRule errors{[](const QString& message) { std::fprintf(stderr, "message: %s\n", qPrintable(message)); }};
    test::QuietWavePlayer quiet;
    const test::ProgramUnderTest program{{.now = test::reading(2026, 12, 7, 10, 28, 5),
                                          .drive = {512LL * 1048576, 2048LL * 1048576},
                                          .sound = &quiet,
                                          .errors = &errors}};
    const WindowSet& windows = program.windows;

    QWidget* main = windows.window(WindowSet::mainform);
    auto* pages = main->findChild<QTabWidget*>(QStringLiteral("PageControl1"));
    const auto page = [&](int index) {
        if (pages != nullptr)
            pages->setCurrentIndex(index);
        return framed(main);
    };

    QWidget* jotter = windows.window(WindowSet::Form5);
    setMemoText(jotter, QStringLiteral("Ring the garage about the car.\nBuy stamps."));
    QWidget* reminder = windows.window(WindowSet::Form3);
    setMemoText(reminder, QStringLiteral("Anna's birthday: call her before noon."));
    // The reminder window as "Generate Reminder" opens it, with the chosen day in its
    // caption.
    if (auto* calendarPage = main->findChild<QWidget*>(QStringLiteral("TabSheet3")))
        if (auto* generate = calendarPage->findChild<QPushButton*>(QStringLiteral("Button3")))
            generate->click();

    QImage blank(16, 16, QImage::Format_RGB32);
    blank.fill(Qt::white);
    bool ok = true;
    ok &= writeBitmap(titlePicture(), folder.filePath(QStringLiteral("pktxtite.bmp")));
    ok &= writeBitmap(blank, folder.filePath(QStringLiteral("blank.bmp")));
    ok &= writeBitmap(page(0), folder.filePath(QStringLiteral("pktxhlp1.bmp")));
    ok &= writeBitmap(page(1), folder.filePath(QStringLiteral("pktxhlp2.bmp")));
    ok &= writeBitmap(page(2), folder.filePath(QStringLiteral("pktxhlp3.bmp")));
    ok &= writeBitmap(framed(reminder), folder.filePath(QStringLiteral("pktxhlp4.bmp")));
    ok &= writeBitmap(page(3), folder.filePath(QStringLiteral("pktxhlp5.bmp")));
    ok &= writeBitmap(page(4), folder.filePath(QStringLiteral("pktxhlp6.bmp")));
    ok &= writeBitmap(framed(windows.window(WindowSet::Form2)), folder.filePath(QStringLiteral("pktxhlp7.bmp")));
    ok &= writeBitmap(sideBySide(page(0), framed(jotter), 4), folder.filePath(QStringLiteral("pktxhlp8.bmp")));
    return ok ? 0 : 1;
}
