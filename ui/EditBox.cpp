#include "EditBox.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>

namespace mirevo {

using namespace Qt::StringLiterals;

namespace {

QString toShown(QString text)
{
    return text.replace(u"\r\n"_s, u"\n"_s);
}

QString toStored(QString text)
{
    return text.replace(u"\n"_s, u"\r\n"_s);
}

} // namespace

EditBox::EditBox(bool multiLine, QWidget* parent) : QWidget(parent)
{
    if (multiLine) {
        m_text = new QPlainTextEdit(this);
        m_text->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        m_text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        m_text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    } else {
        m_line = new QLineEdit(this);
    }
    setFocusProxy(inputWidget());
    setBorder(1);
}

QWidget* EditBox::inputWidget() const
{
    return m_text ? static_cast<QWidget*>(m_text) : static_cast<QWidget*>(m_line);
}

QString EditBox::content() const
{
    return m_text ? toStored(m_text->toPlainText()) : m_line->text();
}

void EditBox::setContent(const QString& content)
{
    if (m_text)
        m_text->setPlainText(toShown(content));
    else
        m_line->setText(content);
}

void EditBox::appendText(const QStringList& texts)
{
    if (m_line) {
        m_line->setText(m_line->text() + texts.join(QString()));
        m_line->end(false);
        return;
    }
    QTextCursor cursor = m_text->textCursor();
    cursor.movePosition(QTextCursor::End);
    for (const QString& text : texts)
        cursor.insertText(toShown(text));
    m_text->setTextCursor(cursor);
    m_text->ensureCursorVisible();
}

void EditBox::setInputMode(int mode)
{
    m_inputMode = mode;
    if (m_text) {
        m_text->setReadOnly(mode == ReadOnly);
        return;
    }
    m_line->setReadOnly(mode == ReadOnly);
    m_line->setEchoMode(mode == Password ? QLineEdit::Password : QLineEdit::Normal);
}

void EditBox::setBorder(int border)
{
    if (m_text)
        m_text->setFrameShape(border == 0 ? QFrame::NoFrame : QFrame::StyledPanel);
    else
        m_line->setFrame(border != 0);
}

void EditBox::setScrollBars(int scrollBars)
{
    if (!m_text)
        return;
    m_text->setHorizontalScrollBarPolicy((scrollBars & 1) ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    m_text->setVerticalScrollBarPolicy((scrollBars & 2) ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    m_text->setLineWrapMode((scrollBars & 1) ? QPlainTextEdit::NoWrap : QPlainTextEdit::WidgetWidth);
}

void EditBox::setColours(const QColor& text, const QColor& back)
{
    QWidget* input = inputWidget();
    QPalette palette = input->palette();
    if (text.isValid())
        palette.setColor(QPalette::Text, text);
    if (back.isValid())
        palette.setColor(QPalette::Base, back);
    input->setPalette(palette);
}

void EditBox::resizeEvent(QResizeEvent* event)
{
    inputWidget()->setGeometry(rect());
    QWidget::resizeEvent(event);
}

} // namespace mirevo
