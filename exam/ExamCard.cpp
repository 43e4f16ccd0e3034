#include "ExamCard.h"

#include "ControlProperties.h"
#include "PictureButton.h"
#include "Window.h"

namespace mirevo {

using namespace Qt::StringLiterals;

const QColor ExamCard::notAnswered(0xFF, 0xFF, 0xFF);
const QColor ExamCard::current(0xFF, 0xFF, 0x00);
const QColor ExamCard::answered(0x80, 0x80, 0xFF);
const QColor ExamCard::marked(0xFF, 0xA8, 0xFF);
const QColor ExamCard::wrong(0xFF, 0x00, 0x00);
const QColor ExamCard::right(0x00, 0xFF, 0xFF);

namespace {

constexpr int itemsPerRow = 6;
constexpr int sectionTops[] = {0, 132, 238, 344};

} // namespace

ExamCard::ExamCard(Window& window) : m_window(window) {}

void ExamCard::buildAnswerCard(int singleCount, int multipleCount, int judgementCount, int indefiniteCount)
{
    auto* source = m_window.control<PictureButton>(u"按钮1"_s);
    source->setVisible(false);
    for (QPointer<PictureButton>& slot : m_items) {
        delete slot.data();
        slot = nullptr;
    }
    const int top = source->y();
    const int width = source->width();
    const int height = source->height();

    const int counts[] = {singleCount, multipleCount, judgementCount, indefiniteCount};
    int offset = 0;
    for (int section = 0; section < 4; ++section) {
        const int count = qMax(0, counts[section]);
        int number = 0;
        int y = sectionTops[section];
        // A row holds six items, the last row what is left; a section never gets more items
        // than questions, so the numbering of the later sections stays in step.
        for (int placed = 0; placed < count; placed += itemsPerRow) {
            const int perRow = qMin(itemsPerRow, count - placed);
            for (int j = 1; j <= perRow; ++j) {
                ++number;
                const int slot = offset + j;
                if (slot > slotCount)
                    return;
                auto* copy = static_cast<PictureButton*>(m_window.cloneControl(source));
                copy->move((j - 1) * (width + 1) + 1, top * y + 1);
                copy->setCaption(QString::number(number));
                setControlTag(copy, QString::number(slot));
                copy->setVisible(true);
                m_items[slot - 1] = copy;
            }
            offset += perRow;
            y += height + 1;
        }
    }
}

PictureButton* ExamCard::item(int k) const
{
    return k >= 1 && k <= slotCount ? m_items[k - 1].data() : nullptr;
}

int ExamCard::state(int k) const
{
    const PictureButton* button = item(k);
    return button ? button->buttonStyle() : Untouched;
}

void ExamCard::setState(int k, int state)
{
    if (PictureButton* button = item(k))
        button->setButtonStyle(state);
}

QColor ExamCard::colour(int k) const
{
    const PictureButton* button = item(k);
    return button ? button->backColour() : QColor();
}

void ExamCard::setColour(int k, const QColor& colour)
{
    if (PictureButton* button = item(k))
        button->setBackColour(colour);
}

void ExamCard::toggleMark(int k, bool answered)
{
    if (state(k) != Marked) {
        setState(k, Marked);
        setColour(k, marked);
    } else if (answered) {
        setState(k, Answered);
        setColour(k, ExamCard::answered);
    } else {
        setState(k, Untouched);
        setColour(k, notAnswered);
    }
}

ExamCard::Snapshot ExamCard::snapshot() const
{
    Snapshot taken;
    for (int k = 1; k <= slotCount; ++k) {
        taken.states[k - 1] = state(k);
        taken.colours[k - 1] = colour(k);
    }
    return taken;
}

void ExamCard::restore(const Snapshot& snapshot)
{
    for (int k = 1; k <= slotCount; ++k) {
        setState(k, snapshot.states[k - 1]);
        setColour(k, snapshot.colours[k - 1]);
    }
}

void ExamCard::clearCurrent(int count)
{
    for (int k = 1; k <= qMin(count, slotCount); ++k) {
        if (colour(k) == current)
            setColour(k, notAnswered);
    }
}

} // namespace mirevo
