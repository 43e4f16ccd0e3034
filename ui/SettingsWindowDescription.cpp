#include "SettingsWindowDescription.h"

namespace mirevo {

using namespace Qt::StringLiterals;

namespace {

const QString group = u"分组框1"_s;

ControlDescription checkBox(const QString& name, QRect geometry, const QString& caption)
{
    return {.name = name,
            .kind = ControlKind::CheckBox,
            .parent = group,
            .geometry = geometry,
            .caption = caption,
            .checked = true};
}

ControlDescription label(const QString& name, const QString& parent, QRect geometry, const QString& caption,
                         std::optional<DesignFont> font = std::nullopt, bool visible = true)
{
    return {.name = name,
            .kind = ControlKind::Label,
            .parent = parent,
            .geometry = geometry,
            .caption = caption,
            .font = font,
            .visible = visible};
}

} // namespace

WindowDescription settingsWindowDescription()
{
    WindowDescription window{.title = u"系统设置"_s,
                             .size = {505, 388},
                             .border = BorderFixed,
                             .startPosition = PositionCentred,
                             .maximizeBox = false,
                             .minimizeBox = true,
                             .backColour = QColor(255, 255, 255)};
    QList<ControlDescription>& c = window.controls;
    c.append({.name = group,
              .kind = ControlKind::GroupBox,
              .geometry = {5, 4, 488, 347},
              .caption = u"软件设置"_s,
              // A caption no taller than the space above the first check box.
              .font = DesignFont{u"宋体"_s, 12}});
    c.append(checkBox(u"选择框_软件有更新时提示我"_s, {8, 23, 144, 13}, u"软件有更新时提示我"_s));
    c.append(checkBox(u"选择框_章节练习自动保存做题记录"_s, {8, 55, 168, 13}, u"章节练习自动保存做题记录"_s));
    c.append(checkBox(u"选择框_章节练习时窗口最大化"_s, {8, 91, 152, 13}, u"章节练习时窗口最大化"_s));
    c.append(checkBox(u"选择框_考试时窗口最大化"_s, {216, 91, 128, 13}, u"考试时窗口最大化"_s));
    c.append({.name = u"外形框1"_s,
              .kind = ControlKind::ShapeBox,
              .parent = group,
              .geometry = {8, 136, 472, 24},
              .fillColour = QColor(225, 244, 252)});
    c.append(label(u"标签3"_s, u"外形框1"_s, {212, 1, 48, 20}, u"其他设置"_s));
    c.append(label(u"标签4"_s, group, {8, 169, 130, 24}, u"练习模式下默认显示题量"_s, std::nullopt, false));
    c.append({.name = u"编辑框1"_s,
              .kind = ControlKind::EditBox,
              .parent = group,
              .geometry = {140, 170, 40, 20},
              .caption = u"200"_s,
              .border = 1,
              .visible = false});
    c.append({.name = u"调节器1"_s,
              .kind = ControlKind::Spin,
              .parent = group,
              .geometry = {180, 168, 16, 24},
              .visible = false});
    c.append(label(u"标签5"_s, group, {16, 213, 80, 32}, u"答题字体设置"_s));
    c.append(label(u"标签6"_s, group, {16, 253, 56, 24}, u"字体大小"_s));
    c.append({.name = u"组合框_字体设置"_s,
              .kind = ControlKind::ComboBox,
              .parent = group,
              .geometry = {68, 253, 56, 20},
              .items = {QString(), u"11"_s, u"12"_s, u"13"_s, u"14"_s},
              .itemData = {0, 1, 2, 3, 4}});
    ControlDescription restore =
        label(u"标签_恢复默认"_s, group, {184, 254, 56, 22}, u"恢复默认"_s, DesignFont{u"宋体"_s, 12});
    restore.textColour = QColor(0, 120, 180);
    restore.cursor = 32649;
    c.append(restore);
    c.append({.name = u"画板1"_s,
              .kind = ControlKind::DrawPanel,
              .parent = group,
              .geometry = {336, 164, 128, 128},
              .backColour = QColor(245, 250, 253)});
    ControlDescription preview = label(u"标签_字体大小"_s, u"画板1"_s, {15, 35, 96, 58},
                                       u"字体大小\r\n\r\n预 览\r\n"_s, DesignFont{u"宋体"_s, 14});
    c.append(preview);
    c.append({.name = u"按钮_保存"_s,
              .kind = ControlKind::Button,
              .parent = group,
              .geometry = {192, 296, 104, 40},
              .caption = u"保存"_s});
    return window;
}

} // namespace mirevo
