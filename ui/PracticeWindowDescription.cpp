#include "PracticeWindowDescription.h"

namespace mirevo {

using namespace Qt::StringLiterals;

namespace {

const QColor mainBlue(0, 169, 225);
const QColor white(255, 255, 255);
const QString answerPanel = u"外形框_通用"_s;
const QString sidePanel = u"画板4"_s;
const QString cardPicture = u"practice-card.jpg"_s;

DesignFont song(int pixelHeight, bool bold = false)
{
    return DesignFont{u"宋体"_s, pixelHeight, bold};
}

ControlDescription option(const QString& name, ControlKind kind, QRect geometry, const QString& caption,
                          bool visible)
{
    return {.name = name,
            .kind = kind,
            .parent = answerPanel,
            .geometry = geometry,
            .caption = caption,
            .visible = visible};
}

ControlDescription panelButton(const QString& name, const QString& parent, QRect geometry,
                               const QString& caption)
{
    return {.name = name,
            .kind = ControlKind::Button,
            .parent = parent,
            .geometry = geometry,
            .caption = caption};
}

ControlDescription label(const QString& name, const QString& parent, QRect geometry, const QString& caption,
                         std::optional<DesignFont> font = std::nullopt, QColor textColour = {})
{
    return {.name = name,
            .kind = ControlKind::Label,
            .parent = parent,
            .geometry = geometry,
            .caption = caption,
            .font = font,
            .textColour = textColour};
}

// A heading band of the right-hand panel.
ControlDescription heading(const QString& name, QRect geometry, const QString& caption)
{
    return {.name = name,
            .kind = ControlKind::Label,
            .parent = sidePanel,
            .geometry = geometry,
            .caption = caption,
            .font = song(14, true),
            .textColour = white,
            .backColour = mainBlue};
}

// A 15 × 15 colour sample of the legend.
ControlDescription swatch(const QString& name, int left, QColor colour)
{
    return {.name = name,
            .kind = ControlKind::Label,
            .parent = sidePanel,
            .geometry = {left, 136, 15, 15},
            .backColour = colour,
            .border = 1};
}

} // namespace

WindowDescription practiceWindowDescription()
{
    WindowDescription window{.title = QString(),
                             .size = {921, 667},
                             .place = {50, 50},
                             .border = BorderFixed,
                             .startPosition = PositionMaximized,
                             .maximizeBox = true,
                             .minimizeBox = true,
                             .controlMenu = true,
                             .escCloses = true,
                             .backColour = white,
                             .icon = u"icon.png"_s};

    QList<ControlDescription>& c = window.controls;
    c.append({.name = u"图片框1"_s,
              .kind = ControlKind::PictureBox,
              .geometry = {0, 0, 920, 56},
              .backColour = mainBlue,
              .pictures = {u"practice-banner.jpg"_s},
              .pictureMode = PictureTopLeft});
    c.append({.name = u"透明标签_题型"_s,
              .kind = ControlKind::TransparentLabel,
              .parent = u"图片框1"_s,
              .geometry = {344, 20, 56, 16},
              .font = song(14, true),
              .textColour = white});
    c.append({.name = u"标签_通用号"_s,
              .kind = ControlKind::TransparentLabel,
              .parent = u"图片框1"_s,
              .geometry = {407, 20, 32, 16},
              .caption = u"200"_s,
              .font = song(14, true),
              .textColour = white});
    // The question is read, not edited: both edit boxes are read-only.
    c.append({.name = u"编辑框1"_s,
              .kind = ControlKind::EditBox,
              .geometry = {3, 57, 695, 265},
              .font = song(16, true),
              .textColour = QColor(0, 0, 0),
              .backColour = white,
              .border = 0,
              .multiLine = true,
              .scrollBars = 0,
              .inputMode = 1});

    c.append({.name = answerPanel,
              .kind = ControlKind::ShapeBox,
              .geometry = {3, 322, 695, 100},
              .shape = 0,
              .lineColour = QColor(190, 228, 244),
              .fillColour = white});
    const QStringList letters = {u"A"_s, u"B"_s, u"C"_s, u"D"_s};
    const int optionLefts[] = {29, 109, 189, 269};
    for (int i = 0; i < 4; ++i)
        c.append(option(u"单选框_单选"_s + letters[i], ControlKind::RadioBox, {optionLefts[i], 20, 37, 15},
                        letters[i], true));
    for (int i = 0; i < 4; ++i)
        c.append(option(u"选择框_多选"_s + letters[i], ControlKind::CheckBox, {optionLefts[i], 20, 37, 15},
                        letters[i], false));
    c.append(option(u"单选框_判断正确"_s, ControlKind::RadioBox, {27, 19, 56, 19}, u"正确"_s, false));
    c.append(option(u"单选框_判断错误"_s, ControlKind::RadioBox, {123, 19, 56, 19}, u"错误"_s, false));
    c.append(panelButton(u"按钮_显示答案"_s, answerPanel, {528, 8, 64, 32}, u"显示答案"_s));
    c.append(panelButton(u"按钮_收藏本题"_s, answerPanel, {615, 8, 64, 32}, u"收藏本题"_s));
    c.append(panelButton(u"按钮_计算器"_s, answerPanel, {15, 56, 88, 32}, u"计算器"_s));
    c.append(panelButton(u"按钮_上一题"_s, answerPanel, {159, 56, 88, 32}, u"上一题"_s));
    c.append(panelButton(u"按钮_下一题"_s, answerPanel, {248, 56, 88, 32}, u"下一题"_s));
    c.append(label(u"标签_答案"_s, answerPanel, {24, 105, 56, 24}, u"[答案]："_s, song(14, true)));
    c.append(label(u"标签_单选答案"_s, answerPanel, {88, 104, 56, 24}, QString(), song(14, true),
                   QColor(255, 0, 0)));
    c.append(label(u"标签_解析"_s, answerPanel, {24, 140, 56, 24}, u"[解析]："_s, song(14, true)));
    c.append({.name = u"编辑框_答案解析"_s,
              .kind = ControlKind::EditBox,
              .parent = answerPanel,
              .geometry = {80, 145, 599, 163},
              .font = song(14),
              .textColour = QColor(0, 0, 255),
              .backColour = white,
              .border = 1,
              .multiLine = true,
              .scrollBars = 0,
              .inputMode = 1});

    c.append({.name = sidePanel,
              .kind = ControlKind::DrawPanel,
              .geometry = {700, 56, 212, 574},
              .backColour = QColor(236, 247, 252),
              .pictures = {u"practice-panel.jpg"_s},
              .pictureMode = BackgroundStretched});
    c.append(heading(u"标签_答题信息"_s, {0, 0, 229, 32}, u" 答题信息"_s));
    c.append(label(u"标签_通用答题时间"_s, sidePanel, {51, 41, 95, 32}, u"00:00:00"_s, song(18, true),
                   QColor(0, 128, 0)));
    c.append(panelButton(u"按钮_结束答题"_s, sidePanel, {19, 82, 168, 40}, u"结束答题"_s));
    c.append(label(u"未作_待定1"_s, sidePanel, {9, 136, 22, 16}, u"未做"_s, song(11)));
    c.append(swatch(u"标签1_待定1"_s, 39, QColor(255, 255, 255)));
    c.append(label(u"正确_单选"_s, sidePanel, {83, 136, 23, 16}, u"正确"_s, song(11)));
    c.append(swatch(u"标签_单选"_s, 112, QColor(0, 255, 255)));
    c.append(label(u"错误_单选"_s, sidePanel, {150, 136, 23, 16}, u"错误"_s, song(11)));
    c.append(swatch(u"标签3_单选"_s, 181, QColor(255, 0, 255)));
    c.append(heading(u"标签__答题卡"_s, {2, 158, 229, 32}, u" 答题卡"_s));

    c.append({.name = u"画板_通用"_s,
              .kind = ControlKind::DrawPanel,
              .parent = sidePanel,
              .geometry = {9, 191, 173, 383},
              .pictures = {cardPicture},
              .pictureMode = BackgroundStretched});
    c.append({.name = u"图片框_通用"_s,
              .kind = ControlKind::PictureBox,
              .parent = u"画板_通用"_s,
              .geometry = {0, 0, 173, 381},
              .pictures = {cardPicture},
              .pictureMode = PictureStretched});
    c.append({.name = u"超级按钮_通用"_s,
              .kind = ControlKind::PictureButton,
              .parent = u"图片框_通用"_s,
              .geometry = {8, 8, 25, 25},
              .caption = u"1"_s,
              .font = song(12, true),
              .textColour = QColor(0, 0, 0),
              .backColour = white,
              .buttonStyle = 0,
              .cursor = 32649});
    c.append({.name = u"纵向滚动条_通用"_s,
              .kind = ControlKind::ScrollBar,
              .parent = sidePanel,
              .geometry = {184, 193, 16, 378},
              .minimum = 1,
              .maximum = 1300,
              .pageStep = 10,
              .lineStep = 1,
              .position = 1});
    c.append({.name = u"时钟1"_s, .kind = ControlKind::Timer, .interval = 0});
    return window;
}

} // namespace mirevo
