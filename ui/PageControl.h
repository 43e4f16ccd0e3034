#pragma once

#include <QList>
#include <QWidget>

class QTabBar;

namespace mirevo {

// A page control: numbered pages, each a container covering the control (below the tab
// strip when the strip is shown). Only the children of the current page are shown.
class PageControl : public QWidget
{
    Q_OBJECT
public:
    explicit PageControl(const QStringList& captions, bool tabStripShown, QWidget* parent = nullptr);

    int pageCount() const { return int(m_pages.size()); }
    QWidget* page(int index) const;
    int currentPage() const { return m_current; }
    void setCurrentPage(int index);
    // The background of every page; an invalid colour leaves the pages transparent.
    void setPageColour(const QColor& colour);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void layoutPages();

    QTabBar* m_tabs = nullptr;
    QList<QWidget*> m_pages;
    int m_current = 0;
};

} // namespace mirevo
