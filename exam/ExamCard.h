#pragma once

#include <QColor>
#include <QPointer>
#include <array>

namespace mirevo {

class PictureButton;
class Window;

// The answer card of the examination window: up to 70 items, clones of the template 按钮1,
// grouped by section. Item k (1-based) stands for question k of the paper; its state is held
// in the item's look and its colour in the item's background.
class ExamCard
{
public:
    static constexpr int slotCount = 70;

    enum ItemState : int
    {
        Untouched = 0,
        Answered = 1,
        Marked = 2,
    };

    static const QColor notAnswered; // white
    static const QColor current;     // yellow
    static const QColor answered;    // #8080FF
    static const QColor marked;      // #FFA8FF
    static const QColor wrong;       // red: marked and left, or wrong after hand-in
    static const QColor right;       // cyan: right after hand-in

    explicit ExamCard(Window& window);

    // Places one item per question, section by section, six to a row, from the section tops
    // 0, 132, 238, 344 of the card area. Items beyond the 70 slots are not made.
    void buildAnswerCard(int singleCount, int multipleCount, int judgementCount, int indefiniteCount);

    // The item of slot k; nullptr for an empty slot or one outside the card.
    PictureButton* item(int k) const;

    // A missing item reads as untouched with no colour, and ignores writes.
    int state(int k) const;
    void setState(int k, int state);
    QColor colour(int k) const;
    void setColour(int k, const QColor& colour);

    // Marks the item, or takes its mark off again: back to answered when the question has a
    // stored answer, else to untouched.
    void toggleMark(int k, bool answered);
    // Paints every current (yellow) item among the first `count` white.
    void clearCurrent(int count);

    // The states and colours of every slot, and the same given back.
    struct Snapshot
    {
        std::array<int, slotCount> states{};
        std::array<QColor, slotCount> colours{};
    };
    Snapshot snapshot() const;
    void restore(const Snapshot& snapshot);

private:
    Window& m_window;
    std::array<QPointer<PictureButton>, slotCount> m_items{};
};

} // namespace mirevo
