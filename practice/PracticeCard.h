#pragma once

#include <QColor>
#include <QList>

class QObject;
class QWidget;

namespace mirevo {

class PictureButton;
class ScrollBar;
class Window;

// The answer card of the practice window: one numbered cell per question, five to a row, on a
// sheet that scrolls under its viewport when there are more than 40 questions. A cell's
// answered mark is its raised look; an unmarked cell is flat.
class PracticeCard
{
public:
    enum class Colour
    {
        NotAnswered, // white
        Current,     // yellow
        Right,       // cyan
        Wrong,       // magenta
    };

    // Binds the scroll bar and the wheel; the cells are made by build().
    explicit PracticeCard(Window& window);

    // Makes `count` cells from the template and hides the template.
    void build(int count);

    // Cell k (1-based); nullptr outside the card.
    PictureButton* cell(int k) const;
    // The number of the cell an event came from; 0 for anything else (the template included).
    int cellNumber(const QObject* source) const;

    void setColour(int k, Colour colour);
    // The background of every cell, in order, and the same given back.
    QList<QColor> colours() const;
    void restoreColours(const QList<QColor>& colours);
    // Every cell in the current-question colour becomes white.
    void whitenCurrentCells();

    void markAnswered(int k);
    void unmarkAnswered(int k);
    bool isMarkedAnswered(int k) const;

private:
    void scrollToPosition();
    void turnWheel(int notches);

    Window& m_window;
    QWidget* m_template;
    QWidget* m_sheet;
    ScrollBar* m_scrollBar;
    QList<PictureButton*> m_cells;
};

} // namespace mirevo
