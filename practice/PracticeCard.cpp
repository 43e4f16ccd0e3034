#include "PracticeCard.h"

#include "ControlProperties.h"
#include "PictureButton.h"
#include "ScrollBar.h"
#include "Window.h"

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
      m_scrollBar(window.control<ScrollBar>(u"纵向滚动条_通用"_s))
{
    window.bind(m_scrollBar, ControlEvent::PositionChanged, [this] { scrollToPosition(); });
    window.bind(m_scrollBar, ControlEvent::MouseWheelScrolled,
                [this](const EventArgs& args) { turnWheel(args.value); });
    // A turn over the card itself scrolls it as one over its scroll bar would.
    window.bind(u"画板_通用"_s, ControlEvent::MouseWheelScrolled, [this](const EventArgs& args) {
        if (!m_scrollBar->isHidden())
            turnWheel(args.value);
    });
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
    m_cells.clear();
    m_cells.reserve(count);
    const int rows = (count + cellsPerRow - 1) / cellsPerRow;
    for (int r = 1; r <= rows; ++r) {
        const int columns = r < rows ? cellsPerRow : count - cellsPerRow * (rows - 1);
        for (int c = 1; c <= columns; ++c) {
            const int k = cellsPerRow * (r - 1) + c;
            auto* cell = static_cast<PictureButton*>(m_window.cloneControl(m_template));
            cell->move((c - 1) * (m_template->width() + 5) + 14, m_template->y() * 4 * (r - 1) + 5);
            cell->setCaption(QString::number(k));
            setControlTag(cell, QString::number(k));
            cell->show();
            m_cells.append(cell);
        }
    }
}

PictureButton* PracticeCard::cell(int k) const
{
    return k >= 1 && k <= m_cells.size() ? m_cells[k - 1] : nullptr;
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
    if (PictureButton* c = cell(k))
        c->setBackColour(colourValue(colour));
}

QList<QColor> PracticeCard::colours() const
{
    QList<QColor> backs;
    for (const PictureButton* c : m_cells)
        backs.append(c->backColour());
    return backs;
}

void PracticeCard::restoreColours(const QList<QColor>& colours)
{
    for (qsizetype i = 0; i < qMin(colours.size(), m_cells.size()); ++i)
        m_cells.at(i)->setBackColour(colours.at(i));
}

void PracticeCard::whitenCurrentCells()
{
    for (PictureButton* c : std::as_const(m_cells)) {
        if (c->backColour() == colourValue(Colour::Current))
            c->setBackColour(colourValue(Colour::NotAnswered));
    }
}

void PracticeCard::markAnswered(int k)
{
    if (PictureButton* c = cell(k))
        c->setButtonStyle(PictureButton::Raised);
}

void PracticeCard::unmarkAnswered(int k)
{
    if (PictureButton* c = cell(k))
        c->setButtonStyle(PictureButton::Flat);
}

bool PracticeCard::isMarkedAnswered(int k) const
{
    const PictureButton* c = cell(k);
    return c && c->buttonStyle() == PictureButton::Raised;
}

void PracticeCard::scrollToPosition()
{
    m_sheet->move(m_sheet->x(), -m_scrollBar->position());
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
    }
}

} // namespace mirevo
