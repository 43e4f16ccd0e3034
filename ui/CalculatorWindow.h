#pragma once

#include <QString>
#include <QWidget>

class QLineEdit;

namespace mirevo {

// A small calculator of the examination kind, for a system without a calculator program:
// digits, the four operations worked out in the order keyed (as a desk calculator does),
// percent, sign, backspace and clear, by mouse or keyboard. One window for the program: asking
// again brings it to the front.
class CalculatorWindow : public QWidget
{
    Q_OBJECT
public:
    static CalculatorWindow* showCalculator();

    QString display() const;
    // Applies one key as its button would: "0"…"9", ".", "+", "−", "×", "÷", "=", "%", "±",
    // "←", "C".
    void press(const QString& key);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    CalculatorWindow();

    void enterDigit(const QString& digit);
    void applyOperator(const QString& op);
    bool evaluate();
    void showValue(double value);
    double entryValue() const;

    QLineEdit* m_display;
    double m_accumulator = 0;
    QString m_pending;
    QString m_entry = QStringLiteral("0");
    bool m_entering = false;
};

} // namespace mirevo
