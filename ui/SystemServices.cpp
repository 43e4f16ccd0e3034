#include "SystemServices.h"

#include "CalculatorWindow.h"

#include <QDesktopServices>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QUrl>

namespace mirevo {

namespace {

struct ButtonChoice
{
    QMessageBox::StandardButton button;
    int number;
};

QList<ButtonChoice> buttonsOfStyle(int style)
{
    switch (style & 0x0F) {
    case StyleOkCancel:
        return {{QMessageBox::Ok, ButtonOk}, {QMessageBox::Cancel, ButtonCancel}};
    case StyleAbortRetryIgnore:
        return {{QMessageBox::Abort, ButtonAbort},
                {QMessageBox::Retry, ButtonRetry},
                {QMessageBox::Ignore, ButtonIgnore}};
    case StyleYesNoCancel:
        return {
            {QMessageBox::Yes, ButtonYes}, {QMessageBox::No, ButtonNo}, {QMessageBox::Cancel, ButtonCancel}};
    case StyleYesNo:
        return {{QMessageBox::Yes, ButtonYes}, {QMessageBox::No, ButtonNo}};
    case StyleRetryCancel:
        return {{QMessageBox::Retry, ButtonRetry}, {QMessageBox::Cancel, ButtonCancel}};
    default:
        return {{QMessageBox::Ok, ButtonOk}};
    }
}

QMessageBox::Icon iconOfStyle(int style)
{
    switch (style & 0xF0) {
    case StyleIconError:
        return QMessageBox::Critical;
    case StyleIconQuestion:
        return QMessageBox::Question;
    case StyleIconWarning:
        return QMessageBox::Warning;
    case StyleIconInformation:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

} // namespace

int QtMessageBoxService::show(const QString& text, int style, const QString& title)
{
    QMessageBox box(iconOfStyle(style), title, text);
    // A message may quote a file name or a question: it is never read as markup.
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    const QList<ButtonChoice> choices = buttonsOfStyle(style);
    for (const ButtonChoice& choice : choices)
        box.addButton(choice.button);
    box.setDefaultButton(choices.first().button);
    box.exec();
    const auto pressed = box.standardButton(box.clickedButton());
    for (const ButtonChoice& choice : choices) {
        if (choice.button == pressed)
            return choice.number;
    }
    // Closed without a button (Esc or the close box): the cancelling answer of the style.
    return choices.size() == 1 ? ButtonOk : choices.last().number;
}

QStringList SystemProcessService::calculatorCandidates()
{
#ifdef Q_OS_WIN
    return {QStringLiteral("calc.exe")};
#else
    return {QStringLiteral("gnome-calculator"), QStringLiteral("kcalc"), QStringLiteral("galculator"),
            QStringLiteral("qalculate-gtk"), QStringLiteral("xcalc")};
#endif
}

void SystemProcessService::startCalculator()
{
    for (const QString& candidate : std::as_const(m_candidates)) {
        const QString program = QStandardPaths::findExecutable(candidate);
        if (!program.isEmpty() && QProcess::startDetached(program, {}))
            return;
    }
    CalculatorWindow::showCalculator();
}

void DesktopAddressService::open(const QString& address)
{
    QDesktopServices::openUrl(QUrl(address));
}

} // namespace mirevo
