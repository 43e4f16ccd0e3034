#pragma once

#include "PictureButton.h"
#include "Window.h"

#include <QCoreApplication>

namespace mirevo::test {

// The cells of the practice card made so far: the direct children of its sheet without a name.
inline QList<PictureButton*> madeCardCells(Window* window)
{
    QList<PictureButton*> cells;
    const auto children = window->control<QWidget>(QStringLiteral("图片框_通用"))
                              ->findChildren<PictureButton*>(Qt::FindDirectChildrenOnly);
    for (PictureButton* c : children) {
        if (c->objectName().isEmpty())
            cells.append(c);
    }
    return cells;
}

// The card cell of question k. A cell not made yet is waited for while the card makes the cells
// out of view (it does so while the event loop is idle, a batch at a time); a cell that is made is
// found without running the event loop, which would also activate the window.
inline PictureButton* cardCell(Window* window, int k)
{
    const auto find = [window, k]() -> PictureButton* {
        for (PictureButton* c : madeCardCells(window)) {
            if (c->caption() == QString::number(k))
                return c;
        }
        return nullptr;
    };
    for (qsizetype made = -1; !find() && made != madeCardCells(window).size();) {
        made = madeCardCells(window).size();
        QCoreApplication::processEvents();
    }
    return find();
}

} // namespace mirevo::test
