#include "MainWindowDescription.h"

namespace mirevo {

using namespace Qt::StringLiterals;

namespace {

const QColor mainBlue(0, 169, 225);
const QColor white(255, 255, 255);
const QString pageControl = u"高级选择夹1"_s;

ControlDescription navigationButton(const QString& name, int left, const QString& pictureName)
{
    const QString active = pictureName + u"-active.png"_s;
    return {.name = name,
            .kind = ControlKind::PictureButton,
            .geometry = {left, 41, 70, 64},
            .pictures = {pictureName + u".png"_s, active, active},
            .cursor = 32649};
}

ControlDescription subjectButton(const QString& name, const QString& parent, QPoint place,
                                 const QString& caption, const QString& pictureName)
{
    return {.name = name,
            .kind = ControlKind::PictureButton,
            .parent = parent,
            .geometry = {place.x(), place.y(), 74, 65},
            .caption = caption,
            .font = DesignFont{u"宋体"_s, 12, true},
            .textColour = white,
            .pictures = {pictureName},
            .pressedTextColour = QColor(255, 240, 160),
            .hoverTextColour = QColor(255, 240, 160),
            .cursor = 32649};
}

ControlDescription actionButton(const QString& name, const QString& parent, int page, QRect geometry,
                                const QString& caption)
{
    return {.name = name,
            .kind = ControlKind::PictureButton,
            .parent = parent,
            .page = page,
            .geometry = geometry,
            .caption = caption,
            .font = DesignFont{u"宋体"_s, 14, true},
            .textColour = white,
            .backColour = mainBlue,
            .buttonStyle = 2,
            .pressedBackColour = mainBlue.darker(120),
            .hoverBackColour = mainBlue.lighter(115),
            .cursor = 32649};
}

ControlDescription sidePanel(const QString& name, int page, QRect geometry, const QString& pictureName)
{
    return {.name = name,
            .kind = ControlKind::PictureBox,
            .parent = pageControl,
            .page = page,
            .geometry = geometry,
            .pictures = {pictureName},
            .pictureMode = PictureTopLeft};
}

ControlDescription pageLabel(const QString& name, const QString& parent, int page, QRect geometry,
                             const QString& caption, std::optional<DesignFont> font = std::nullopt,
                             QColor textColour = {})
{
    return {.name = name,
            .kind = ControlKind::Label,
            .parent = parent,
            .page = page,
            .geometry = geometry,
            .caption = caption,
            .font = font,
            .textColour = textColour};
}

ControlDescription grid(const QString& name, int columns)
{
    return {.name = name,
            .kind = ControlKind::Grid,
            .parent = pageControl,
            .page = -1,
            .geometry = {247, 34, 600, 335},
            .font = DesignFont{u"宋体"_s, 14},
            .rows = 10,
            .fixedRows = 1,
            .columns = columns};
}

} // namespace

WindowDescription mainWindowDescription()
{
    WindowDescription window{.title = u"会计初级职称"_s,
                             .size = {900, 582},
                             .border = BorderNone,
                             .startPosition = PositionCentred,
                             .maximizeBox = false,
                             .minimizeBox = true,
                             .controlMenu = false,
                             .dragAnywhere = true,
                             .escCloses = true,
                             .backColour = mainBlue,
                             .icon = u"icon.png"_s};

    QList<ControlDescription>& c = window.controls;
    c.append({.name = u"透明标签_标题"_s,
              .kind = ControlKind::TransparentLabel,
              .geometry = {6, 2, 154, 24},
              .caption = u"Mirevo"_s,
              .font = DesignFont{u"新宋体"_s, 14, true},
              .textColour = white});
    c.append({.name = u"超级按钮_最小化"_s,
              .kind = ControlKind::PictureButton,
              .geometry = {848, 0, 25, 25},
              .caption = u"一"_s,
              .font = DesignFont{u"宋体-PUA"_s, 12, true},
              .textColour = white,
              .hoverBackColour = mainBlue.lighter(120)});
    c.append({.name = u"超级按钮_结束"_s,
              .kind = ControlKind::PictureButton,
              .geometry = {875, 0, 25, 25},
              .caption = u"r"_s,
              .font = DesignFont{u"Webdings"_s, 12},
              .textColour = white,
              .hoverBackColour = QColor(232, 17, 35)});
    c.append(navigationButton(u"超级按钮_首页"_s, 41, u"nav-home"_s));
    c.append(navigationButton(u"超级按钮_备考宝典"_s, 128, u"nav-guide"_s));
    c.append(navigationButton(u"超级按钮_章节"_s, 215, u"nav-chapters"_s));
    c.append(navigationButton(u"超级按钮_收藏"_s, 302, u"nav-favourites"_s));
    c.append(navigationButton(u"超级按钮_模拟"_s, 389, u"nav-exam"_s));
    c.append(navigationButton(u"超级按钮_学习报告"_s, 476, u"nav-report"_s));
    c.append({.name = pageControl,
              .kind = ControlKind::PageControl,
              .geometry = {1, 112, 898, 442},
              .backColour = white,
              .pageCaptions = {u"首页"_s, u"备考宝典"_s, u"章节练习"_s, u"错题重做"_s, u"模拟考场"_s,
                               u"学习报告"_s},
              .tabStripShown = false});
    c.append({.name = u"图片框4"_s,
              .kind = ControlKind::PictureBox,
              .geometry = {10, 557, 77, 22},
              .pictures = {u"contact.png"_s},
              .cursor = 32649});
    c.append({.name = u"气球提示框1"_s, .kind = ControlKind::BalloonTip});
    c.append({.name = u"透明标签_版权"_s,
              .kind = ControlKind::TransparentLabel,
              .geometry = {128, 560, 104, 16},
              .caption = u"© Mirevo 团队"_s,
              .font = DesignFont{u"宋体"_s, 14},
              .textColour = white});
    c.append({.name = u"透明标签_版本号"_s,
              .kind = ControlKind::TransparentLabel,
              .geometry = {792, 560, 104, 16},
              .caption = u"软件版本：3.0"_s,
              .font = DesignFont{u"宋体"_s, 14},
              .textColour = white});

    // Page 0 "首页"
    c.append(pageLabel(u"标签_主标题"_s, pageControl, 0, {209, 81, 304, 56}, u"2017Mirevo"_s,
                       DesignFont{u"宋体-PUA"_s, 29, true}, mainBlue));
    c.append({.name = u"图片框_主页图片"_s,
              .kind = ControlKind::PictureBox,
              .parent = pageControl,
              .page = 0,
              .geometry = {95, 264, 496, 144},
              .pictures = {u"home-banner.jpg"_s},
              .pictureMode = PictureStretched});
    c.append(sidePanel(u"图片框1"_s, 0, {679, 1, 200, 440}, u"side-home.jpg"_s));
    c.append(subjectButton(u"超级按钮_会计实务"_s, u"图片框1"_s, {26, 84}, u"会计实务"_s,
                           u"subject-accounting.png"_s));
    c.append(subjectButton(u"超级按钮_经济法基础"_s, u"图片框1"_s, {110, 84}, u"经济法基础"_s,
                           u"subject-law.png"_s));
    c.append(subjectButton(u"超级按钮_系统设置"_s, u"图片框1"_s, {26, 166}, u"系统设置"_s,
                           u"subject-settings.png"_s));
    c.append(subjectButton(u"超级按钮_清除记录"_s, u"图片框1"_s, {110, 166}, u"清除记录"_s,
                           u"subject-clear.png"_s));
    c.append({.name = u"图片框_微信二维码"_s,
              .kind = ControlKind::PictureBox,
              .parent = u"图片框1"_s,
              .geometry = {10, 250, 180, 180},
              .pictures = {u"contact-code.png"_s},
              .pictureMode = PictureStretched});

    // Page 1 "备考宝典"
    c.append({.name = u"超文本浏览框1"_s,
              .kind = ControlKind::HtmlViewer,
              .parent = pageControl,
              .page = 1,
              .geometry = {2, 2, 896, 439}});

    // Page 2 "章节练习"
    c.append(sidePanel(u"图片框2"_s, 2, {8, 8, 200, 430}, u"side-chapters.jpg"_s));
    c.append(subjectButton(u"超级按钮_会计实务1"_s, u"图片框2"_s, {16, 128}, u"会计实务"_s,
                           u"subject-accounting.png"_s));
    c.append(subjectButton(u"超级按钮_经济法基础1"_s, u"图片框2"_s, {100, 128}, u"经济法基础"_s,
                           u"subject-law.png"_s));
    c.append(pageLabel(u"标签_当前科目"_s, pageControl, 2, {7, 86, 176, 34}, u"当前科目:"_s,
                       DesignFont{u"宋体"_s, 14, true}, white));
    ControlDescription chapterGrid = grid(u"高级表格1"_s, 2);
    chapterGrid.page = 2;
    c.append(chapterGrid);
    c.append(actionButton(u"超级按钮_章节练习"_s, pageControl, 2, {503, 384, 88, 32}, u"进入答题"_s));
    c.append(actionButton(u"超级按钮_错题重练"_s, pageControl, 2, {603, 384, 88, 32}, u"错题重练"_s));

    // Page 3 "错题重做"
    c.append({.name = u"图片框_错题收藏"_s,
              .kind = ControlKind::PictureBox,
              .parent = pageControl,
              .page = 3,
              .geometry = {223, 104, 360, 216},
              .backColour = white,
              .pictures = {u"favourites-empty.png"_s},
              .pictureMode = PictureCentred});
    c.append({.name = u"分组框_错题收藏"_s,
              .kind = ControlKind::GroupBox,
              .parent = pageControl,
              .page = 3,
              .geometry = {223, 104, 360, 216},
              .caption = u"错题收藏"_s});
    c.append(pageLabel(u"标签_科目"_s, u"分组框_错题收藏"_s, -1, {63, 56, 183, 24}, QString()));
    c.append(pageLabel(u"标签2"_s, u"分组框_错题收藏"_s, -1, {63, 104, 56, 24}, u"收藏数目："_s));
    c.append(pageLabel(u"标签_数量"_s, u"分组框_错题收藏"_s, -1, {127, 104, 120, 24}, QString(),
                       DesignFont{u"宋体"_s, 14, true}, QColor(0, 0, 255)));
    c.append(
        actionButton(u"超级按钮_错题重做"_s, u"分组框_错题收藏"_s, -1, {136, 168, 88, 32}, u"重新练习"_s));

    // Page 4 "模拟考场"
    c.append(sidePanel(u"图片框3"_s, 4, {8, 8, 200, 434}, u"side-exam.jpg"_s));
    c.append(subjectButton(u"超级按钮_会计实务2"_s, u"图片框3"_s, {16, 120}, u"会计实务"_s,
                           u"subject-accounting.png"_s));
    c.append(subjectButton(u"超级按钮_经济法基础2"_s, u"图片框3"_s, {100, 120}, u"经济法基础"_s,
                           u"subject-law.png"_s));
    ControlDescription paperGrid = grid(u"高级表格2"_s, 3);
    paperGrid.page = 4;
    c.append(paperGrid);
    c.append(actionButton(u"超级按钮_模拟考场"_s, pageControl, 4, {503, 384, 88, 32}, u"进入考试"_s));

    // Page 5 "学习报告": the side panel; the report itself is drawn by the report page.
    c.append(sidePanel(u"图片框5"_s, 5, {8, 8, 200, 430}, u"side-report.jpg"_s));
    c.append(subjectButton(u"超级按钮_会计实务3"_s, u"图片框5"_s, {16, 128}, u"会计实务"_s,
                           u"subject-accounting.png"_s));
    c.append(subjectButton(u"超级按钮_经济法基础3"_s, u"图片框5"_s, {100, 128}, u"经济法基础"_s,
                           u"subject-law.png"_s));
    c.append(pageLabel(u"标签_报告科目"_s, pageControl, 5, {7, 86, 176, 34}, u"当前科目:"_s,
                       DesignFont{u"宋体"_s, 14, true}, white));
    return window;
}

} // namespace mirevo
