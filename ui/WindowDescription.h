#pragma once

#include <QColor>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <optional>

namespace mirevo {

enum class ControlKind
{
    Label,
    TransparentLabel,
    Button,
    PictureButton,
    CheckBox,
    RadioBox,
    EditBox,
    ComboBox,
    PictureBox,
    ShapeBox,
    DrawPanel,
    GroupBox,
    PageControl,
    ScrollBar,
    Spin,
    Timer,
    Grid,
    HtmlViewer,
    BalloonTip,
};

// A design font: face name, character height in pixels and the attributes the screens use.
struct DesignFont
{
    QString face{};
    int pixelHeight = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

// How a picture fills its control: for picture boxes 0 top left, 1 stretched, 2 centred;
// for windows and draw panels 0 top left, 1 tiled, 2 centred, 3 stretched.
enum PictureMode : int
{
    PictureTopLeft = 0,
    PictureStretched = 1,
    PictureCentred = 2,
};
enum BackgroundMode : int
{
    BackgroundTopLeft = 0,
    BackgroundTiled = 1,
    BackgroundCentred = 2,
    BackgroundStretched = 3,
};

// One control of a window as designed. Fields a kind does not use keep their defaults.
// Colours left invalid mean the default colour (for backgrounds: transparent).
struct ControlDescription
{
    QString name{};
    ControlKind kind = ControlKind::Label;
    QString parent{}; // empty: the window itself
    int page = -1;    // the page, when the parent is a page control
    QRect geometry{};
    QString caption{};
    std::optional<DesignFont> font{};
    QColor textColour{};
    QColor backColour{};
    // Picture resource names: the picture of a picture box, draw panel, label or button; for
    // picture buttons the normal, pressed and pointer-over looks.
    QStringList pictures{};
    int pictureMode = 0;
    int border = 0;
    bool visible = true;
    bool disabled = false;
    bool checked = false;
    int buttonStyle = 0; // picture buttons: 0 flat, 1 raised, 2 rounded themed
    QColor pressedTextColour{};
    QColor pressedBackColour{};
    QColor hoverTextColour{};
    QColor hoverBackColour{};
    bool multiLine = false;
    int scrollBars = 0; // edit boxes: 0 none, 1 horizontal, 2 vertical, 3 both
    int inputMode = 0;  // edit boxes: 0 normal, 1 read-only, 2 password
    QStringList items{};
    QList<int> itemData{};
    QStringList pageCaptions{};
    bool tabStripShown = true;
    int minimum = 0; // scroll bars
    int maximum = 100;
    int pageStep = 10;
    int lineStep = 1;
    int position = 0;
    int interval = 0; // timers, in milliseconds
    int rows = 0;     // grids: rows including the fixed ones
    int fixedRows = 0;
    int columns = 0;
    int shape = 0; // shape boxes: 0 rectangle, 1 rounded rectangle, 2 ellipse, 3 horizontal line
    QColor lineColour{};
    QColor fillColour{};
    int cursor = 0;
    QString tag{};
    // Picture buttons: the background while the button has the keyboard focus; a button with
    // a focus colour takes the focus when clicked.
    QColor focusBackColour{};
};

enum WindowBorder : int
{
    BorderNone = 0,
    BorderResizable = 1,
    BorderFixed = 2,
    BorderToolResizable = 3,
    BorderToolFixed = 4,
    BorderSunkenResizable = 5,
    BorderSunkenFixed = 6,
};

enum WindowPosition : int
{
    PositionNormal = 0,
    PositionCentred = 1,
    PositionMinimized = 2,
    PositionMaximized = 3,
};

struct WindowDescription
{
    QString title{};
    QSize size{};
    QPoint place{}; // the designed left and top
    int border = BorderFixed;
    int startPosition = PositionNormal;
    bool maximizeBox = false;
    bool minimizeBox = true;
    bool controlMenu = true;
    bool movable = true;
    bool dragAnywhere = false;
    bool escCloses = true;
    bool enterMovesFocus = false;
    bool inTaskbar = true;
    bool alwaysOnTop = false;
    QColor backColour{};
    QString backPicture{};
    int backPictureMode = BackgroundTopLeft;
    QString icon{};
    QList<ControlDescription> controls{};
};

inline bool isResizableBorder(int border)
{
    return border == BorderResizable || border == BorderToolResizable || border == BorderSunkenResizable;
}

} // namespace mirevo
