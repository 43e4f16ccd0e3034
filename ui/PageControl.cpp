#include "PageControl.h"

#include <QTabBar>

namespace mirevo {

using namespace Qt::StringLiterals;

PageControl::PageControl(const QStringList& captions, bool tabStripShown, QWidget* parent) : QWidget(parent)
{
    if (tabStripShown) {
        m_tabs = new QTabBar(this);
        for (const QString& caption : captions)
            m_tabs->addTab(caption);
        connect(m_tabs, &QTabBar::currentChanged, this, &PageControl::setCurrentPage);
    }
    for (qsizetype i = 0; i < captions.size(); ++i) {
        auto* page = new QWidget(this);
        page->setVisible(i == 0);
        m_pages.append(page);
    }
    layoutPages();
}

QWidget* PageControl::page(int index) const
{
    return index >= 0 && index < m_pages.size() ? m_pages[index] : nullptr;
}

void PageControl::setCurrentPage(int index)
{
    if (index < 0 || index >= m_pages.size())
        return;
    m_current = index;
    for (qsizetype i = 0; i < m_pages.size(); ++i)
        m_pages[i]->setVisible(i == index);
    if (m_tabs)
        m_tabs->setCurrentIndex(index);
}

void PageControl::setPageColour(const QColor& colour)
{
    for (QWidget* page : std::as_const(m_pages)) {
        QPalette palette = page->palette();
        if (colour.isValid())
            palette.setColor(QPalette::Window, colour);
        page->setPalette(palette);
        page->setAutoFillBackground(colour.isValid());
    }
}

void PageControl::resizeEvent(QResizeEvent* event)
{
    layoutPages();
    QWidget::resizeEvent(event);
}

void PageControl::layoutPages()
{
    const int top = m_tabs ? m_tabs->sizeHint().height() : 0;
    if (m_tabs)
        m_tabs->setGeometry(0, 0, width(), top);
    for (QWidget* page : m_pages)
        page->setGeometry(0, top, width(), height() - top);
}

} // namespace mirevo
