#pragma once

#include "WindowDescription.h"

#include <QHash>
#include <QList>
#include <QPointer>
#include <QWidget>
#include <functional>

namespace mirevo {

// The events the screens bind on controls; all are raised by the user's actions (and, for the
// scroll bar's position and the timer, by the program), never by writing a property.
enum class ControlEvent
{
    Clicked,
    LeftButtonPressed,
    LeftButtonReleased,
    MouseWheelScrolled, // value: notches, positive away from the user
    SelectionChanged,
    PositionChanged,
    SpinPressed, // value: +1 up, −1 down
    TimerTick,
    CellPressed, // position: the mouse position in the grid
};

struct EventArgs
{
    int value = 0;
    QPoint position;
};

// A window built from its description. Handlers are bound per control and event; the window
// dispatches them one at a time, with the control as the event source.
class Window : public QWidget
{
    Q_OBJECT
public:
    using Handler = std::function<void(const EventArgs&)>;
    using SimpleHandler = std::function<void()>;

    explicit Window(const WindowDescription& description, QWidget* parent = nullptr);
    ~Window() override;

    const WindowDescription& description() const { return m_description; }

    QObject* control(const QString& name) const { return m_controls.value(name); }
    template <class T> T* control(const QString& name) const { return qobject_cast<T*>(control(name)); }

    QString title() const { return windowTitle(); }
    void setTitle(const QString& title) { setWindowTitle(title); }

    // 0 normal, 1 centred, 2 minimized, 3 maximized. Before the first showing a write only
    // records the value for that moment; while shown it takes effect at once.
    int position() const { return m_position; }
    void setPosition(int position);

    // The window's outer size, frame included where the platform has one.
    int outerWidth() const { return frameGeometry().width(); }
    int outerHeight() const { return frameGeometry().height(); }

    // Shows the window again after a hide, restored if it was minimized meanwhile.
    void showRestored();

    // Runs created, position changed and size changed, then shows the window; returns as soon
    // as it is shown. Modal: the application's other windows take no input meanwhile.
    bool open(bool modal);
    bool isOpening() const { return m_opening; }
    // Queues the window's destruction: it goes once the running handler has returned, after
    // its about-to-be-destroyed event.
    void closeWindow();
    // Asked before the user closes the window (close box, Esc, the system); false keeps it open.
    // Closing by closeWindow() asks nothing.
    void setCloseGuard(std::function<bool()> guard) { m_closeGuard = std::move(guard); }
    bool isClosing() const { return m_closeRequested; }

    // The control whose event is being handled; only valid inside a handler.
    QObject* eventSource() const { return m_eventSource; }

    void bind(QObject* control, ControlEvent event, Handler handler);
    void bind(QObject* control, ControlEvent event, SimpleHandler handler);
    void bind(const QString& controlName, ControlEvent event, Handler handler);
    void bind(const QString& controlName, ControlEvent event, SimpleHandler handler);

    // A new control of the source's kind in the same parent, with the source's property values
    // and event bindings, placed just after the source in the drawing order.
    QWidget* cloneControl(QWidget* source);

signals:
    void created();
    void aboutToBeDestroyed();
    void positionChanged();
    void sizeChanged();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Binding
    {
        ControlEvent event;
        Handler handler;
    };

    void createControls();
    QWidget* containerFor(const ControlDescription& description) const;
    void connectBinding(QObject* control, const Binding& binding);
    void dispatch(QObject* source, const Handler& handler, const EventArgs& args);
    void dispatchMouse(QObject* watched, ControlEvent event, const EventArgs& args);
    bool handleDrag(QObject* watched, QEvent* event);
    bool isDragSource(const QObject* object) const;
    void destroyNow();
    void userClose();

    bool canMaximize() const;
    void applyCreationPosition();
    void showFirstTime();
    void maximizeOverWorkArea();
    void restoreNormal();
    void centreOnScreen();
    QRect workArea() const;
    QMargins frameMargins() const;
    void setClientGeometry(const QRect& rect);
    void setClientSize(const QSize& size);
    void raisePositionAndSizeEvents();

    WindowDescription m_description;
    QHash<QString, QObject*> m_controls;
    QHash<QObject*, const ControlDescription*> m_controlDescriptions;
    QHash<QObject*, QList<Binding>> m_bindings;
    QPointer<QObject> m_eventSource;
    std::function<bool()> m_closeGuard;

    int m_position = PositionNormal;
    bool m_createdMaximized = false;
    bool m_createdMinimized = false;
    bool m_fixedMaximized = false;
    QRect m_normalGeometry;
    bool m_opening = false;
    bool m_opened = false;
    bool m_closeRequested = false;
    bool m_destroyed = false;
    QPoint m_lastPlace;
    QSize m_lastSize;

    bool m_dragging = false;
    bool m_dragMoved = false;
    QPoint m_dragStart;
    QPoint m_dragOffset;
};

} // namespace mirevo
