#include "RadioBox.h"

#include "ButtonColours.h"

#include <QKeyEvent>

namespace mirevo {

RadioBox::RadioBox(QWidget* parent) : QRadioButton(parent)
{
    setAutoExclusive(false);
    // Connected first, so the group is settled before any clicked handler of the screens runs.
    connect(this, &QAbstractButton::clicked, this, &RadioBox::uncheckSiblings);
}

void RadioBox::setColours(const QColor& text, const QColor& back)
{
    applyButtonColours(this, text, back);
}

void RadioBox::nextCheckState()
{
    // A click on a checked radio box keeps it checked.
    setChecked(true);
}

void RadioBox::uncheckSiblings()
{
    if (!parentWidget())
        return;
    const auto siblings = parentWidget()->findChildren<RadioBox*>(Qt::FindDirectChildrenOnly);
    for (RadioBox* sibling : siblings) {
        if (sibling != this)
            sibling->setChecked(false);
    }
}

void RadioBox::keyPressEvent(QKeyEvent* event)
{
    int step = 0;
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Left:
        step = -1;
        break;
    case Qt::Key_Down:
    case Qt::Key_Right:
        step = 1;
        break;
    default:
        QRadioButton::keyPressEvent(event);
        return;
    }
    if (!parentWidget())
        return;
    QList<RadioBox*> group;
    for (RadioBox* box : parentWidget()->findChildren<RadioBox*>(Qt::FindDirectChildrenOnly)) {
        if (box == this || (box->isVisible() && box->isEnabled()))
            group.append(box);
    }
    const qsizetype count = group.size();
    if (count < 2)
        return;
    RadioBox* target = group[(group.indexOf(this) + step + count) % count];
    target->setFocus(Qt::TabFocusReason);
    target->click();
}

} // namespace mirevo
