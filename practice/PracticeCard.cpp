#include "PracticeCard.h"

#include "ControlProperties.h"
#include "PictureButton.h"
#include "ScrollBar.h"
#include "Window.h"

#include <QTimer>

namespace mirevo {

using namespace Qt::StringLiterals;

namespace {

constexpr int cellsPerRow = 5;
constexpr int scrollingAbove = 40;
constexpr int wheelStep = 100;

QColor colourValue(PracticeCard::Colour colour)
{
    switch (colour) {
    case PracticeCard::Colour::Current:
        return QColor(255, 255, 0);
    case PracticeCard::Colour::Right:
        return QColor(0, 255, 255);
    case PracticeCard::Colour::Wrong:
        return QColor(255, 0, 255);
    case PracticeCard::Colour::NotAnswered:
        break;
    }
    return QColor(255, 255, 255);
}

} // namespace

PracticeCard::PracticeCard(Window& window)
    : m_window(window), m_template(window.control<QWidget>(u"超级按钮_通用"_s)),
      m_sheet(window.control<QWidget>(u"图片框_通用"_s)),
      m_scrollBar(window.control<ScrollBar>(u"纵向滚动条_通用"_s)), m_batches(new QTimer(m_sheet))
{
    window.bind(m_scrollBar, ControlEvent::PositionChanged, [this] { scrollToPosition(); });
    window.bind(m_scrollBar, ControlEvent::MouseWheelScrolled,
                [this](const EventArgs& args) { turnWheel(args.value); });
    // A turn over the card itself scrolls it as one over its scroll bar would.
    window.bind(u"画板_通用"_s, ControlEvent::MouseWheelScrolled, [this](const EventArgs& args) {
        if (!m_scrollBar->isHidden())
            turnWheel(args.value);
    });
    m_batches->setSingleShot(true);
    m_batches->setInterval(0);
    QObject::connect(m_batches, &QTimer::timeout, m_sheet, [this] { makeNextBatch(); });
}

void PracticeCard::build(int count)
{
    m_template->hide();
    // With 40 cells or fewer the whole card fits: a scroll bar would only move it out of view.
    m_scrollBar->setVisible(count > scrollingAbove);
    if (count > scrollingAbove) {
        const int height = int(count / double(cellsPerRow) * 32 + 32);
        m_sheet->resize(m_sheet->width(), height);
        m_scrollBar->setMaxPosition(height);
    }
    m_batches->stop();
    m_cells.clear();
    m_count = qMax(count, 0);
    m_cells.reserve(m_count);
    const auto* design = static_cast<const PictureButton*>(m_template);
    m_looks =
        QList<Look>(m_count, Look{design->backColour(), design->buttonStyle() == PictureButton::Raised});
    makeVisibleCells();
    if (m_cells.size() < m_count)
        m_batches->start();
}

void PracticeCard::makeCells(int k)
{
    const int last = qMin(k, m_count);
    const int rowHeight = m_template->y() * 4;
    const int columnWidth = m_template->width() + 5;
    for (int next = int(m_cells.size()) + 1; next <= last; ++next) {
        const int r = (next - 1) / cellsPerRow + 1;
        const int c = next - cellsPerRow * (r - 1);
        auto* cell = static_cast<PictureButton*>(m_window.cloneControl(m_template));
        cell->move((c - 1) * columnWidth + 14, rowHeight * (r - 1) + 5);
        cell->setCaption(QString::number(next));
        setControlTag(cell, QString::number(next));
        const Look& look = m_looks.at(next - 1);
        if (look.back != cell->backColour())
            cell->setBackColour(look.back);
        if (look.raised)
            cell->setButtonStyle(PictureButton::Raised);
        cell->show();
        m_cells.append(cell);
    }
}

void PracticeCard::makeNextBatch()
{
    // Small enough that a click or a key between two batches is answered at once.
    constexpr int batchSize = 100;
    makeCells(int(m_cells.size()) + batchSize);
    if (m_cells.size() < m_count)
        m_batches->start();
}

void PracticeCard::makeVisibleCells()
{
    const int viewportBottom = -m_sheet->y() + m_sheet->parentWidget()->height();
    const int rowHeight = qMax(m_template->y() * 4, 1);
    const int rows = qMax(viewportBottom - 5, 0) / rowHeight + 1;
    makeCells(rows * cellsPerRow);
}

PictureButton* PracticeCard::madeCell(int k) const
{
    return k >= 1 && k <= m_cells.size() ? m_cells[k - 1] : nullptr;
}

PracticeCard::Look* PracticeCard::waitingLook(int k)
{
    return k > m_cells.size() && k <= m_count ? &m_looks[k - 1] : nullptr;
}

PictureButton* PracticeCard::cell(int k)
{
    makeCells(k);
    return madeCell(k);
}

int PracticeCard::cellNumber(const QObject* source) const
{
    for (qsizetype i = 0; i < m_cells.size(); ++i) {
        if (m_cells[i] == source)
            return int(i) + 1;
    }
    return 0;
}

void PracticeCard::setColour(int k, Colour colour)
{
    if (PictureButton* c = madeCell(k))
        c->setBackColour(colourValue(colour));
    else if (Look* look = waitingLook(k))
        look->back = colourValue(colour);
}

QList<QColor> PracticeCard::colours() const
{
    QList<QColor> backs;
    backs.reserve(m_count);
    for (const PictureButton* c : m_cells)
        backs.append(c->backColour());
    for (qsizetype i = m_cells.size(); i < m_count; ++i)
        backs.append(m_looks.at(i).back);
    return backs;
}

void PracticeCard::restoreColours(const QList<QColor>& colours)
{
    for (int k = 1; k <= qMin(int(colours.size()), m_count); ++k) {
        if (PictureButton* c = madeCell(k))
            c->setBackColour(colours.at(k - 1));
        else
            waitingLook(k)->back = colours.at(k - 1);
    }
}

void PracticeCard::whitenCurrentCells()
{
    const QColor current = colourValue(Colour::Current);
    const QColor white = colourValue(Colour::NotAnswered);
    for (PictureButton* c : std::as_const(m_cells)) {
        if (c->backColour() == current)
            c->setBackColour(white);
    }
    for (qsizetype i = m_cells.size(); i < m_count; ++i) {
        if (m_looks.at(i).back == current)
            m_looks[i].back = white;
    }
}

void PracticeCard::markAnswered(int k)
{
    if (PictureButton* c = madeCell(k))
        c->setButtonStyle(PictureButton::Raised);
    else if (Look* look = waitingLook(k))
        look->raised = true;
}

void PracticeCard::unmarkAnswered(int k)
{
    if (PictureButton* c = madeCell(k))
        c->setButtonStyle(PictureButton::Flat);
    else if (Look* look = waitingLook(k))
        look->raised = false;
}

bool PracticeCard::isMarkedAnswered(int k) const
{
    if (const PictureButton* c = madeCell(k))
        return c->buttonStyle() == PictureButton::Raised;
    return k > m_cells.size() && k <= m_count && m_looks.at(k - 1).raised;
}

void PracticeCard::scrollToPosition()
{
    m_sheet->move(m_sheet->x(), -m_scrollBar->position());
    makeVisibleCells();
}

void PracticeCard::turnWheel(int notches)
{
    if (notches > 0) {
        const int position = qMax(m_scrollBar->position() - wheelStep, m_scrollBar->minimum());
        m_scrollBar->setPosition(position);
        // At the lowest position the sheet rests at its designed place.
        m_sheet->move(m_sheet->x(), position == m_scrollBar->minimum() ? 0 : -position);
    } else if (notches < 0) {
        const int position = qMin(m_scrollBar->position() + wheelStep, m_scrollBar->maximum());
        m_scrollBar->setPosition(position);
        m_sheet->move(m_sheet->x(), -position);
        makeVisibleCells();
    }
}

} // namespace mirevo
