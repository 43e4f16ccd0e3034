#include "ClearingWindowDescription.h"

namespace mirevo {

using namespace Qt::StringLiterals;

namespace {

const QString panel = u"图片框1"_s;

ControlDescription checkBox(const QString& name, QRect geometry, const QString& caption)
{
    return {.name = name,
            .kind = ControlKind::CheckBox,
            .parent = panel,
            .geometry = geometry,
            .caption = caption};
}

} // namespace

WindowDescription clearingWindowDescription()
{
    // The title is written by the created handler.
    WindowDescription window{.size = {355, 226},
                             .border = BorderFixed,
                             .startPosition = PositionCentred,
                             .maximizeBox = false,
                             .minimizeBox = true,
                             .escCloses = true,
                             .inTaskbar = true,
                             .backColour = QColor(255, 255, 255)};

    QList<ControlDescription>& c = window.controls;
    c.append({.name = panel, .kind = ControlKind::PictureBox, .geometry = {4, 4, 340, 184}});
    c.append(checkBox(u"选择框_章节做题记录"_s, {32, 32, 103, 32}, u"章节做题记录"_s));
    c.append(checkBox(u"选择框_考试做题记录"_s, {208, 32, 103, 32}, u"考试做题记录"_s));
    c.append(checkBox(u"选择框_错题收藏记录"_s, {32, 88, 144, 32}, u"错题收藏记录"_s));
    c.append(checkBox(u"选择框_考试得分记录"_s, {208, 88, 103, 32}, u"考试得分记录"_s));
    c.append({.name = u"按钮_确定"_s,
              .kind = ControlKind::Button,
              .parent = panel,
              .geometry = {133, 143, 71, 32},
              .caption = u"确定"_s});
    return window;
}

} // namespace mirevo
