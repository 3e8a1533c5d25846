#include "app/shell/errorrule.h"

#include <QMessageBox>

#include "app/core/errors.h"

namespace pocketrix {

namespace {

void showMessageBox(const QString& message)
{
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Pocketrix"), message, QMessageBox::Ok);
    box.exec();
}

void showInformationBox(const QString& message)
{
    QMessageBox box(QMessageBox::Information, QStringLiteral("Pocketrix"), message, QMessageBox::Ok);
    box.exec();
}

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
    if (dynamic_cast<const SilentAbort*>(&error) != nullptr)
        return;
    reportError(QString::fromStdString(error.what()));
}

} // namespace pocketrix
