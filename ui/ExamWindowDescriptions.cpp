#include "ExamWindowDescriptions.h"

namespace mirevo {

using namespace Qt::StringLiterals;

namespace {

const QString song = u"宋体"_s;
const QColor mainBlue(0, 169, 225);
const QColor white(255, 255, 255);
const QColor black(0, 0, 0);
const QColor questionBack(0xD9, 0xEF, 0xF9);
const QColor cardBack(176, 210, 230);
const QColor toolbarBack(234, 245, 251);
const QColor countdownRed(208, 0, 0);
const QColor resultBack(0x80, 0x80, 0xFF);

ControlDescription sectionCaption(const QString& name, const QString& parent, QRect geometry,
                                  const QString& caption)
{
    return {.name = name,
            .kind = ControlKind::Label,
            .parent = parent,
            .geometry = geometry,
            .caption = caption,
            .font = DesignFont{song, 12, true},
            .textColour = white,
            .pictures = {u"exam-section.png"_s}};
}

ControlDescription legendLabel(const QString& name, QRect geometry, const QString& caption)
{
    return {.name = name,
            .kind = ControlKind::Label,
            .parent = u"画板3"_s,
            .geometry = geometry,
            .caption = caption,
            .font = DesignFont{song, 11}};
}

ControlDescription legendSwatch(const QString& name, QRect geometry, const QColor& colour)
{
    return {.name = name,
            .kind = ControlKind::Label,
            .parent = u"画板3"_s,
            .geometry = geometry,
            .backColour = colour,
            .border = 1};
}

ControlDescription optionBox(const QString& name, ControlKind kind, QRect geometry, const QString& caption,
                             bool visible)
{
    return {.name = name,
            .kind = kind,
            .parent = u"图片框4"_s,
            .geometry = geometry,
            .caption = caption,
            .font = DesignFont{song, 15},
            .backColour = questionBack,
            .visible = visible};
}

ControlDescription toolbarButton(const QString& name, int left, const QString& caption)
{
    return {.name = name,
            .kind = ControlKind::Button,
            .parent = u"图片框3"_s,
            .geometry = {left, 4, 96, 32},
            .caption = caption,
            .font = DesignFont{song, 14}};
}

ControlDescription resultLabel(const QString& name, QRect geometry, const QString& caption = {})
{
    return {.name = name,
            .kind = ControlKind::Label,
            .parent = u"画板1"_s,
            .geometry = geometry,
            .caption = caption,
            .font = DesignFont{song, 14}};
}

} // namespace

WindowDescription examLoginWindowDescription()
{
    WindowDescription window{.size = {900, 700},
                             .border = BorderResizable,
                             .startPosition = PositionMaximized,
                             .maximizeBox = true,
                             .minimizeBox = true,
                             .escCloses = true,
                             .backColour = white,
                             .backPicture = u"exam-login-background.png"_s,
                             .backPictureMode = BackgroundStretched,
                             .icon = u"icon.png"_s};
    QList<ControlDescription>& c = window.controls;
    c.append({.name = u"画板1"_s,
              .kind = ControlKind::DrawPanel,
              .geometry = {183, 186, 527, 293},
              .backColour = QColor(127, 184, 216),
              .pictures = {u"exam-login-panel.png"_s},
              .pictureMode = BackgroundCentred});
    c.append({.name = u"编辑框1"_s,
              .kind = ControlKind::EditBox,
              .parent = u"画板1"_s,
              .geometry = {272, 93, 168, 24},
              .caption = u"201701100012017"_s,
              .font = DesignFont{song, 14},
              .border = 1,
              .inputMode = 1});
    c.append({.name = u"编辑框2"_s,
              .kind = ControlKind::EditBox,
              .parent = u"画板1"_s,
              .geometry = {272, 127, 168, 24},
              .caption = u"123456199001011234"_s,
              .font = DesignFont{song, 14},
              .border = 1,
              .inputMode = 1});
    c.append({.name = u"按钮_登录"_s,
              .kind = ControlKind::Button,
              .parent = u"画板1"_s,
              .geometry = {267, 201, 75, 25},
              .pictures = {u"exam-login.png"_s},
              .cursor = 32649});
    c.append({.name = u"按钮_重置"_s,
              .kind = ControlKind::Button,
              .parent = u"画板1"_s,
              .geometry = {365, 201, 75, 25},
              .pictures = {u"exam-reset.png"_s},
              .cursor = 32649});
    return window;
}

WindowDescription examWindowDescription()
{
    WindowDescription window{.title = u"Mirevo"_s,
                             .size = {1006, 738},
                             .border = BorderFixed,
                             .startPosition = PositionCentred,
                             .maximizeBox = true,
                             .minimizeBox = true,
                             .escCloses = true,
                             .backColour = white,
                             .icon = u"icon.png"_s};
    QList<ControlDescription>& c = window.controls;

    // Banner with the titles, the countdown and the hand-in button.
    c.append({.name = u"图片框1"_s,
              .kind = ControlKind::PictureBox,
              .geometry = {0, 0, 1000, 120},
              .backColour = mainBlue,
              .pictures = {u"exam-banner.jpg"_s},
              .pictureMode = PictureTopLeft});
    c.append({.name = u"透明标签1"_s,
              .kind = ControlKind::TransparentLabel,
              .parent = u"图片框1"_s,
              .geometry = {407, 17, 248, 30},
              .caption = u"2017年度全国会计专业技术资格"_s,
              .font = DesignFont{song, 16, true},
              .textColour = white});
    c.append({.name = u"透明标签2"_s,
              .kind = ControlKind::TransparentLabel,
              .parent = u"图片框1"_s,
              .geometry = {407, 55, 256, 48},
              .caption = u"无纸化考试系统--初级会计实务"_s,
              .font = DesignFont{song, 16, true},
              .textColour = white});
    c.append({.name = u"图片框2"_s,
              .kind = ControlKind::PictureBox,
              .parent = u"图片框1"_s,
              .geometry = {764, 31, 192, 48},
              .pictures = {u"exam-countdown.png"_s},
              .pictureMode = PictureTopLeft});
    c.append({.name = u"标签_倒计时"_s,
              .kind = ControlKind::Label,
              .parent = u"图片框2"_s,
              .geometry = {112, 8, 76, 32},
              .font = DesignFont{song, 16, true},
              .textColour = countdownRed});
    c.append({.name = u"按钮_交卷"_s,
              .kind = ControlKind::Button,
              .parent = u"图片框1"_s,
              .geometry = {905, 85, 51, 27},
              .caption = u"交卷"_s,
              .font = DesignFont{song, 14, true},
              .textColour = white,
              .pictures = {u"exam-hand-in.png"_s},
              .cursor = 32649});

    // Answer card and legend.
    c.append(sectionCaption(u"标签37"_s, {}, {3, 125, 159, 24}, u"一、单项选择题"_s));
    c.append({.name = u"图片框6"_s,
              .kind = ControlKind::PictureBox,
              .geometry = {3, 148, 159, 425},
              .backColour = cardBack});
    c.append({.name = u"按钮1"_s,
              .kind = ControlKind::PictureButton,
              .parent = u"图片框6"_s,
              .geometry = {1, 1, 25, 25},
              .caption = u"1"_s,
              .font = DesignFont{song, 12},
              .textColour = black,
              .backColour = white,
              .buttonStyle = 0,
              .pressedTextColour = black,
              .pressedBackColour = QColor(0xFF, 0xFF, 0x00),
              .hoverTextColour = black,
              .hoverBackColour = QColor(0xFF, 0xFF, 0x80),
              .cursor = 32649,
              // The clicked item keeps the keyboard focus and shows it in yellow.
              .focusBackColour = QColor(0xFF, 0xFF, 0x00)});
    c.append(sectionCaption(u"标签1"_s, u"图片框6"_s, {-1, 105, 159, 27}, u"二、多项选择题"_s));
    c.append(sectionCaption(u"标签2"_s, u"图片框6"_s, {-1, 211, 159, 27}, u"三、判断题"_s));
    c.append(sectionCaption(u"标签3"_s, u"图片框6"_s, {-1, 317, 159, 27}, u"四、不定项选择题"_s));
    c.append({.name = u"画板3"_s,
              .kind = ControlKind::DrawPanel,
              .geometry = {2, 572, 160, 80},
              .backColour = toolbarBack});
    c.append(legendLabel(u"标签4"_s, {7, 12, 32, 16}, u"当前："_s));
    c.append(legendSwatch(u"标签8"_s, {45, 12, 20, 16}, QColor(0xFF, 0xFF, 0x00)));
    c.append(legendLabel(u"标签5"_s, {96, 12, 34, 16}, u"未作："_s));
    c.append(legendSwatch(u"标签9"_s, {130, 12, 20, 16}, white));
    c.append(legendLabel(u"标签6"_s, {8, 48, 31, 16}, u"标记："_s));
    c.append(legendSwatch(u"标签10"_s, {44, 48, 20, 16}, QColor(0xFF, 0xA8, 0xFF)));
    c.append(legendLabel(u"标签7"_s, {95, 48, 35, 16}, u"已做："_s));
    c.append(legendSwatch(u"标签11"_s, {130, 48, 20, 16}, QColor(0x80, 0x80, 0xFF)));

    // Question area.
    c.append({.name = u"画板1"_s,
              .kind = ControlKind::DrawPanel,
              .geometry = {164, 125, 836, 528},
              .backColour = white});
    c.append({.name = u"标签_题型"_s,
              .kind = ControlKind::Label,
              .parent = u"画板1"_s,
              .geometry = {87, 58, 661, 24},
              .font = DesignFont{song, 14, true}});
    c.append({.name = u"外形框1"_s,
              .kind = ControlKind::ShapeBox,
              .parent = u"画板1"_s,
              .geometry = {12, 86, 810, 3},
              .shape = 3,
              .lineColour = mainBlue});
    c.append({.name = u"画板2"_s,
              .kind = ControlKind::DrawPanel,
              .parent = u"画板1"_s,
              .geometry = {-1, 91, 836, 436},
              .backColour = white});
    c.append({.name = u"标签_题号"_s,
              .kind = ControlKind::Label,
              .parent = u"画板2"_s,
              .geometry = {9, 0, 19, 20},
              .font = DesignFont{song, 14, true}});
    c.append({.name = u"编辑框_tm"_s,
              .kind = ControlKind::EditBox,
              .parent = u"画板2"_s,
              .geometry = {31, 3, 796, 256},
              .font = DesignFont{song, 15},
              .backColour = questionBack,
              .border = 0,
              .multiLine = true,
              .scrollBars = 2,
              .inputMode = 1});
    c.append({.name = u"图片框4"_s,
              .kind = ControlKind::PictureBox,
              .parent = u"画板2"_s,
              .geometry = {30, 264, 793, 168},
              .backColour = questionBack});
    const QStringList letters = {u"A"_s, u"B"_s, u"C"_s, u"D"_s};
    const int optionTops[] = {1, 42, 83, 126};
    for (int i = 0; i < 4; ++i)
        c.append(optionBox(u"单选框_"_s + letters[i], ControlKind::RadioBox, {8, optionTops[i], 772, 38},
                           letters[i] + u"."_s, true));
    for (int i = 0; i < 4; ++i)
        c.append(optionBox(u"选择框_"_s + letters[i], ControlKind::CheckBox, {8, optionTops[i], 754, 38},
                           letters[i] + u"."_s, false));
    c.append(optionBox(u"单选框_正确"_s, ControlKind::RadioBox, {147, 56, 72, 24}, u"正确"_s, false));
    c.append(optionBox(u"单选框_错误"_s, ControlKind::RadioBox, {332, 56, 72, 24}, u"错误"_s, false));

    // Toolbar.
    c.append({.name = u"图片框3"_s,
              .kind = ControlKind::PictureBox,
              .geometry = {162, 656, 836, 48},
              .backColour = toolbarBack});
    c.append({.name = u"选择框_标记"_s,
              .kind = ControlKind::CheckBox,
              .parent = u"图片框3"_s,
              .geometry = {8, 4, 56, 32},
              .caption = u"标记"_s,
              .font = DesignFont{song, 14}});
    c.append(toolbarButton(u"按钮_上一题1"_s, 88, u"上一题"_s));
    c.append(toolbarButton(u"按钮_下一题1"_s, 184, u"下一题"_s));
    c.append(toolbarButton(u"按钮2"_s, 358, u"计算器"_s));
    c.append({.name = u"标签12"_s,
              .kind = ControlKind::Label,
              .parent = u"图片框3"_s,
              .geometry = {566, 11, 53, 24},
              .caption = u"字体大小"_s,
              .font = DesignFont{song, 12}});
    c.append({.name = u"组合框_字体设置"_s,
              .kind = ControlKind::ComboBox,
              .parent = u"图片框3"_s,
              .geometry = {632, 12, 56, 20},
              .font = DesignFont{song, 12},
              .items = {QString(), u"11"_s, u"12"_s, u"13"_s, u"14"_s},
              .itemData = {0, 1, 2, 3, 4}});
    c.append(toolbarButton(u"按钮_答题解析"_s, 736, u"答题解析"_s));
    c.append({.name = u"时钟1"_s, .kind = ControlKind::Timer, .interval = 0});

    // Invisible carriers of the shown question's data for the result window.
    c.append({.name = u"标签_答案"_s,
              .kind = ControlKind::Label,
              .geometry = {1096, 240, 56, 24},
              .visible = false});
    c.append({.name = u"标签_你的答案"_s,
              .kind = ControlKind::Label,
              .geometry = {1152, 240, 56, 24},
              .visible = false});
    c.append({.name = u"编辑框_答题解析"_s,
              .kind = ControlKind::EditBox,
              .geometry = {1056, 262, 200, 96},
              .visible = false,
              .multiLine = true});
    return window;
}

WindowDescription examResultWindowDescription()
{
    WindowDescription window{.title = u"答题解析"_s,
                             .size = {412, 407},
                             .border = BorderFixed,
                             .startPosition = PositionCentred,
                             .maximizeBox = false,
                             .minimizeBox = true,
                             .escCloses = true,
                             .backColour = resultBack,
                             .icon = u"icon.png"_s};
    QList<ControlDescription>& c = window.controls;
    c.append({.name = u"画板1"_s,
              .kind = ControlKind::DrawPanel,
              .geometry = {5, 3, 395, 367},
              .backColour = white});
    c.append(resultLabel(u"标签_当前题"_s, {119, 12, 154, 24}));
    c.append({.name = u"外形框1"_s,
              .kind = ControlKind::ShapeBox,
              .parent = u"画板1"_s,
              .geometry = {4, 44, 385, 1},
              .shape = 3,
              .lineColour = resultBack});
    c.append(resultLabel(u"标签1"_s, {8, 60, 64, 24}, u"本题得分："_s));
    c.append(resultLabel(u"标签_本题得分"_s, {80, 60, 64, 24}));
    c.append(resultLabel(u"标签2"_s, {8, 90, 64, 24}, u"标准答案："_s));
    c.append(resultLabel(u"标签_标准答案"_s, {80, 90, 64, 24}));
    c.append(resultLabel(u"标签3"_s, {8, 120, 64, 24}, u"你的答案："_s));
    c.append(resultLabel(u"标签_你的答案"_s, {80, 120, 64, 24}));
    c.append(resultLabel(u"标签4"_s, {8, 152, 64, 24}, u"答案解析："_s));
    c.append({.name = u"编辑框1"_s,
              .kind = ControlKind::EditBox,
              .parent = u"画板1"_s,
              .geometry = {8, 204, 376, 162},
              .font = DesignFont{song, 14},
              .textColour = resultBack,
              .backColour = white,
              .border = 0,
              .multiLine = true,
              .scrollBars = 2,
              .inputMode = 1});
    c.append({.name = u"图片框1"_s,
              .kind = ControlKind::PictureBox,
              .parent = u"画板1"_s,
              .geometry = {266, 52, 119, 119},
              .pictureMode = PictureStretched});
    return window;
}

} // namespace mirevo
