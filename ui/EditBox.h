#pragma once

#include <QWidget>

class QLineEdit;
class QPlainTextEdit;

namespace mirevo {

// An edit box, one line or multi-line. The content uses "\r\n" for line breaks, as stored.
class EditBox : public QWidget
{
    Q_OBJECT
public:
    enum InputMode : int
    {
        Normal = 0,
        ReadOnly = 1,
        Password = 2
    };

    explicit EditBox(bool multiLine, QWidget* parent = nullptr);

    bool isMultiLine() const { return m_text != nullptr; }
    QString content() const;
    void setContent(const QString& content);
    // Adds each text at the end of the content and scrolls the view to it.
    void appendText(const QStringList& texts);
    void appendText(const QString& text) { appendText(QStringList{text}); }

    int inputMode() const { return m_inputMode; }
    void setInputMode(int mode);
    void setBorder(int border);
    void setScrollBars(int scrollBars);
    void setColours(const QColor& text, const QColor& back);

    // The Qt widget that takes the keyboard input.
    QWidget* inputWidget() const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QLineEdit* m_line = nullptr;
    QPlainTextEdit* m_text = nullptr;
    int m_inputMode = Normal;
};

} // namespace mirevo
