#include "app/shell/errorrule.h"

#include <QHash>
#include <QMessageBox>
#include <QPointer>

#include "app/core/errors.h"

namespace pocketrix {

namespace {

std::uint64_t raisedSoFar = 0;

// The boxes on screen, by their text.
QHash<QString, QPointer<QMessageBox>>& openBoxes()
{
    static QHash<QString, QPointer<QMessageBox>> boxes;
    return boxes;
}

// The box waits for nobody: the failing handler is abandoned already, and a box that
// waited would hold up the timer that raised it and every window of the program with
// it (the alarm among them). A message raised again while its box is up adds nothing.
void showBox(QMessageBox::Icon icon, const QString& message)
{
    QPointer<QMessageBox>& slot = openBoxes()[message];
    // An answered box is deleted a little later; it is no longer up meanwhile.
    if (slot != nullptr && slot->isVisible())
        return;
    auto* box = new QMessageBox(icon, QStringLiteral("Pocketrix"), message, QMessageBox::Ok);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::NonModal);
    slot = box;
    box->show();
}

void showMessageBox(const QString& message) { showBox(QMessageBox::Critical, message); }

void showInformationBox(const QString& message) { showBox(QMessageBox::Information, message); }

ErrorPresenter& presenter()
{
    static ErrorPresenter current = showMessageBox;
    return current;
}

ErrorPresenter& informationPresenter()
{
    static ErrorPresenter current = showInformationBox;
    return current;
}

} // namespace

ErrorPresenter setErrorPresenter(ErrorPresenter replacement)
{
    return std::exchange(presenter(), std::move(replacement));
}

ErrorPresenter setInformationPresenter(ErrorPresenter replacement)
{
    return std::exchange(informationPresenter(), std::move(replacement));
}

void inform(const QString& message)
{
    if (informationPresenter())
        informationPresenter()(message);
}

void reportError(const QString& message)
{
    QString text = message;
    text += QLatin1Char('.');
    if (presenter())
        presenter()(text);
}

void reportError(const std::exception& error)
{
    ++raisedSoFar;
    if (dynamic_cast<const SilentAbort*>(&error) != nullptr)
        return;
    reportError(QString::fromStdString(error.what()));
}

std::uint64_t errorsRaised() { return raisedSoFar; }

void closeMessageBoxes()
{
    for (const QPointer<QMessageBox>& box : std::exchange(openBoxes(), {}))
        delete box.data();
}

} // namespace pocketrix
