#include "app/shell/definition.h"

#include <cmath>

#include <QAbstractButton>
#include <QAbstractItemDelegate>
#include <QApplication>
#include <QBitmap>
#include <QComboBox>
#include <QFont>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPoint>
#include <QPointer>
#include <QProxyStyle>
#include <QPushButton>
#include <QSize>
#include <QVariant>
#include <QWidget>

#include "platform/picturefile.h"

namespace pocketrix {

namespace {

void toPixelFont(QWidget* widget)
{
    QFont font = widget->font();
    if (widget->testAttribute(Qt::WA_SetFont) && font.pointSizeF() > 0) {
        font.setPixelSize(static_cast<int>(std::lround(font.pointSizeF() * 96.0 / 72.0)));
        widget->setFont(font);
    }
    for (QWidget* child : widget->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        toPixelFont(child);
}

// Draws the items of a drop-down list as the list's own delegate does, at the item
// height of the definition.
class FixedItemHeight final : public QAbstractItemDelegate {
public:
    FixedItemHeight(QAbstractItemDelegate* look, int height, QObject* parent)
        : QAbstractItemDelegate(parent), m_look(look), m_height(height)
    {
    }
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        m_look->paint(painter, option, index);
    }
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return {m_look->sizeHint(option, index).width(), m_height};
    }

private:
    QPointer<QAbstractItemDelegate> m_look;
    int m_height;
};

void applyItemHeights(QWidget* window)
{
    for (QComboBox* list : window->findChildren<QComboBox*>()) {
        const QVariant height = list->property("definitionItemHeight");
        if (height.isValid() && dynamic_cast<FixedItemHeight*>(list->itemDelegate()) == nullptr)
            list->setItemDelegate(new FixedItemHeight(list->itemDelegate(), height.toInt(), list));
    }
}

QIcon glyph(const QImage& picture)
{
    if (picture.isNull())
        return {};
    QPixmap face = QPixmap::fromImage(picture);
    face.setMask(QBitmap::fromImage(picture.createMaskFromColor(picture.pixel(0, picture.height() - 1))));
    return QIcon(face);
}

void applyPictures(QWidget* window)
{
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    for (QWidget* widget : widgets) {
        if (const QVariant icon = widget->property("definitionIcon"); icon.isValid())
            widget->setWindowIcon(QIcon(QPixmap::fromImage(readBitmap(icon.toString()))));
        if (const QVariant pixmap = widget->property("definitionPixmap"); pixmap.isValid())
            if (auto* label = qobject_cast<QLabel*>(widget))
                label->setPixmap(QPixmap::fromImage(readBitmap(pixmap.toString())));
        if (const QVariant face = widget->property("definitionGlyph"); face.isValid())
            if (auto* button = qobject_cast<QAbstractButton*>(widget))
                button->setIcon(glyph(readBitmap(face.toString())));
    }
}

// Enter presses the focused push button, as Space does, in windows that are no dialogs
// as well; Escape is left to the window.
class EnterPresses final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) || key->modifiers() & ~Qt::KeypadModifier)
            return false;
        auto* button = qobject_cast<QPushButton*>(watched);
        if (button == nullptr || !button->isEnabled())
            return false;
        if (!key->isAutoRepeat())
            button->click();
        return true;
    }
};

void pressWithEnter(QWidget* window)
{
    auto* filter = new EnterPresses(window);
    for (QPushButton* button : window->findChildren<QPushButton*>())
        button->installEventFilter(filter);
}

Qt::WindowFlags flagsFor(const QString& border)
{
    const Qt::WindowFlags framed = Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
    if (border == QLatin1String("dialog"))
        return Qt::Dialog | framed;
    if (border == QLatin1String("single"))
        return Qt::Window | framed | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint;
    return Qt::Window | framed | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint;
}

// The platform's style, but for the picture of the menu bar's overflow button, which a
// bar of one menu never shows: the style reads it when the bar is made, through each of
// Qt's image plugins in turn, and that would load them all at start-up.
class OneMenuStyle final : public QProxyStyle {
public:
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const override
    {
        if (icon == SP_ToolBarHorizontalExtensionButton || icon == SP_ToolBarVerticalExtensionButton)
            return {};
        return QProxyStyle::standardIcon(icon, option, widget);
    }
};

} // namespace

void installLook()
{
    QApplication::setStyle(new OneMenuStyle);
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Times New Roman"),
                               {QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")});
    // Pages are built before they join their window, so their controls first measure in
    // the default font; that it is the windows' font spares loading a second one.
    QFont windowFont(QStringLiteral("MS Sans Serif"));
    windowFont.setPixelSize(11);
    QApplication::setFont(windowFont);
}

void finishWindow(QWidget* window)
{
    toPixelFont(window);
    applyItemHeights(window);
    applyPictures(window);
    pressWithEnter(window);

    const QString border = window->property("definitionBorder").toString();
    QSize client = window->property("definitionClient").toSize();
    if (!client.isValid())
        client = window->size();

    window->setWindowFlags(flagsFor(border));
    QSize outer = client;
    if (auto* main = qobject_cast<QMainWindow*>(window)) {
        if (main->centralWidget() != nullptr)
            main->centralWidget()->setFixedSize(client);
        // menuBar() makes an empty bar where the window has none.
        outer.rheight() += main->menuBar()->sizeHint().height();
    }
    if (border == QLatin1String("sizeable"))
        window->resize(outer);
    else
        window->setFixedSize(outer);
    window->move(window->property("definitionPos").toPoint());
}

void fitToText(QLabel* label, bool keepHeight)
{
    if (keepHeight)
        label->resize(label->sizeHint().width(), label->height());
    else
        label->adjustSize();
}

} // namespace pocketrix
