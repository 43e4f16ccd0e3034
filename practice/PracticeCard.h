#pragma once

#include <QColor>
#include <QList>

class QObject;
class QTimer;
class QWidget;

namespace mirevo {

class PictureButton;
class ScrollBar;
class Window;

// The answer card of the practice window: one numbered cell per question, five to a row, on a
// sheet that scrolls under its viewport when there are more than 40 questions. A cell's
// answered mark is its raised look; an unmarked cell is flat.
//
// Opening makes the cells the viewport shows at once and the rest in small batches while the
// event loop is idle, so that a chapter of thousands of questions opens as fast as a short one.
// Scrolling and every operation on a cell that is not made yet make it first, or keep its look
// until it is made: the card behaves as if every cell existed from the start.
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

    // Makes `count` cells from the template (those out of view a little later) and hides the
    // template.
    void build(int count);

    // Cell k (1-based), made now if it was not yet; nullptr outside the card.
    PictureButton* cell(int k);
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
    // What a cell that is not made yet will look like when it is.
    struct Look
    {
        QColor back;
        bool raised = false;
    };

    PictureButton* madeCell(int k) const;
    Look* waitingLook(int k);
    // Makes the cells up to cell k (bounded by the card).
    void makeCells(int k);
    void makeNextBatch();
    // Makes every cell that the viewport shows at the sheet's present place.
    void makeVisibleCells();
    void scrollToPosition();
    void turnWheel(int notches);

    Window& m_window;
    QWidget* m_template;
    QWidget* m_sheet;
    ScrollBar* m_scrollBar;
    QTimer* m_batches;
    int m_count = 0;
    QList<PictureButton*> m_cells; // cells 1 … m_cells.size() are made
    QList<Look> m_looks;           // look of cell k at k − 1, kept for cells not yet made
};

} // namespace mirevo
