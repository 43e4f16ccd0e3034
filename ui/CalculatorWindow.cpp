#include "CalculatorWindow.h"

#include <QApplication>
#include <QGridLayout>
#include <QHash>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <cmath>

namespace mirevo {

using namespace Qt::StringLiterals;

namespace {

const QString minusKey = u"−"_s;
const QString timesKey = u"×"_s;
const QString divideKey = u"÷"_s;
const QString clearKey = u"C"_s;
const QString backKey = u"←"_s;
const QString signKey = u"±"_s;

// Twelve significant digits hide the binary rounding of decimal amounts (0.1 + 0.2 shows 0.3).
QString formatted(double value)
{
    if (value == 0)
        return u"0"_s;
    return QString::number(value, 'g', 12);
}

} // namespace

CalculatorWindow* CalculatorWindow::showCalculator()
{
    static QPointer<CalculatorWindow> window;
    if (!window) {
        // Closing only hides it: the same window, with its figures, comes back until the end.
        window = new CalculatorWindow;
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, window, &QObject::deleteLater);
    }
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

CalculatorWindow::CalculatorWindow() : QWidget(nullptr, Qt::Window), m_display(new QLineEdit(this))
{
    setWindowTitle(u"计算器"_s);
    setObjectName(u"计算器"_s);
    m_display->setObjectName(u"显示"_s);
    m_display->setReadOnly(true);
    m_display->setAlignment(Qt::AlignRight);
    m_display->setFocusPolicy(Qt::NoFocus);
    QFont big = m_display->font();
    big.setPixelSize(22);
    m_display->setFont(big);
    m_display->setText(m_entry);

    auto* layout = new QGridLayout(this);
    layout->addWidget(m_display, 0, 0, 1, 4);
    const QStringList keys = {clearKey, backKey, signKey, divideKey, u"7"_s,   u"8"_s, u"9"_s,
                              timesKey, u"4"_s,  u"5"_s,  u"6"_s,    minusKey, u"1"_s, u"2"_s,
                              u"3"_s,   u"+"_s,  u"%"_s,  u"0"_s,    u"."_s,   u"="_s};
    for (qsizetype i = 0; i < keys.size(); ++i) {
        const QString key = keys.at(i);
        auto* button = new QPushButton(key, this);
        button->setObjectName(key);
        button->setFocusPolicy(Qt::NoFocus);
        button->setMinimumSize(56, 40);
        connect(button, &QPushButton::clicked, this, [this, key] { press(key); });
        layout->addWidget(button, int(i / 4) + 1, int(i % 4));
    }
    setFixedSize(sizeHint());
}

QString CalculatorWindow::display() const
{
    return m_display->text();
}

void CalculatorWindow::press(const QString& key)
{
    if (key.size() == 1 && (key.at(0).isDigit() || key == u"."_s)) {
        enterDigit(key);
    } else if (key == u"+"_s || key == minusKey || key == timesKey || key == divideKey) {
        applyOperator(key);
    } else if (key == u"="_s) {
        if (evaluate())
            m_pending.clear();
    } else if (key == u"%"_s) {
        // A percent of the running total for + and −, a plain hundredth otherwise.
        const double percent = entryValue() / 100;
        showValue(m_pending == u"+"_s || m_pending == minusKey ? m_accumulator * percent : percent);
        m_entering = true;
    } else if (key == signKey) {
        showValue(-entryValue());
        m_entering = true;
    } else if (key == backKey) {
        if (m_entering) {
            m_entry.chop(1);
            if (m_entry.isEmpty() || m_entry == u"-"_s)
                m_entry = u"0"_s;
            m_display->setText(m_entry);
        }
    } else if (key == clearKey) {
        m_accumulator = 0;
        m_pending.clear();
        m_entering = false;
        m_entry = u"0"_s;
        m_display->setText(m_entry);
    }
}

void CalculatorWindow::enterDigit(const QString& digit)
{
    if (!m_entering) {
        m_entry = digit == u"."_s ? u"0."_s : digit;
        m_entering = true;
    } else if (digit == u"."_s) {
        if (!m_entry.contains(u'.'))
            m_entry += digit;
    } else if (m_entry.count(QRegularExpression(u"\\d"_s)) < 15) {
        m_entry = m_entry == u"0"_s ? digit : m_entry + digit;
    }
    m_display->setText(m_entry);
}

void CalculatorWindow::applyOperator(const QString& op)
{
    if (m_entering && !m_pending.isEmpty()) {
        if (!evaluate())
            return;
    } else if (m_pending.isEmpty() || m_entering) {
        m_accumulator = entryValue();
    }
    m_pending = op;
    m_entering = false;
}

bool CalculatorWindow::evaluate()
{
    if (m_pending.isEmpty())
        return true;
    const double operand = entryValue();
    double result = m_accumulator;
    if (m_pending == u"+"_s) {
        result += operand;
    } else if (m_pending == minusKey) {
        result -= operand;
    } else if (m_pending == timesKey) {
        result *= operand;
    } else if (operand == 0) {
        press(clearKey);
        m_display->setText(u"除数不能为零"_s);
        return false;
    } else {
        result /= operand;
    }
    m_accumulator = result;
    showValue(result);
    m_entering = false;
    return true;
}

void CalculatorWindow::showValue(double value)
{
    m_entry = std::isfinite(value) ? formatted(value) : u"0"_s;
    m_display->setText(std::isfinite(value) ? m_entry : u"溢出"_s);
}

double CalculatorWindow::entryValue() const
{
    return m_entry.toDouble();
}

void CalculatorWindow::keyPressEvent(QKeyEvent* event)
{
    static const QHash<int, QString> keys = {
        {Qt::Key_Plus, u"+"_s},     {Qt::Key_Minus, minusKey},  {Qt::Key_Asterisk, timesKey},
        {Qt::Key_Slash, divideKey}, {Qt::Key_Equal, u"="_s},    {Qt::Key_Return, u"="_s},
        {Qt::Key_Enter, u"="_s},    {Qt::Key_Percent, u"%"_s},  {Qt::Key_Backspace, backKey},
        {Qt::Key_Escape, clearKey}, {Qt::Key_Delete, clearKey}, {Qt::Key_Period, u"."_s},
        {Qt::Key_Comma, u"."_s},
    };
    if (event->key() >= Qt::Key_0 && event->key() <= Qt::Key_9) {
        press(QString::number(event->key() - Qt::Key_0));
        return;
    }
    if (const auto found = keys.constFind(event->key()); found != keys.cend()) {
        press(found.value());
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace mirevo
