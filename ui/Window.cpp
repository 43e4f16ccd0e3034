#include "Window.h"

#include "ComboBox.h"
#include "ControlFactory.h"
#include "Grid.h"
#include "GroupBox.h"
#include "Label.h"
#include "PageControl.h"
#include "PictureBox.h"
#include "Pictures.h"
#include "ScrollBar.h"
#include "ShapeBox.h"
#include "Spin.h"
#include "Timer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QShortcut>
#include <QWheelEvent>
#include <QWindow>

namespace mirevo {

namespace {

Qt::WindowFlags flagsFor(const WindowDescription& d)
{
    Qt::WindowFlags flags = Qt::Window;
    if (d.border == BorderNone) {
        flags |= Qt::FramelessWindowHint;
    } else {
        flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
        if (d.controlMenu)
            flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
        if (d.minimizeBox)
            flags |= Qt::WindowMinimizeButtonHint;
        if (d.maximizeBox)
            flags |= Qt::WindowMaximizeButtonHint;
    }
    if (d.alwaysOnTop)
        flags |= Qt::WindowStaysOnTopHint;
    return flags;
}

} // namespace

Window::Window(const WindowDescription& description, QWidget* parent)
    : QWidget(parent, flagsFor(description)), m_description(description),
      m_position(description.startPosition)
{
    setAttribute(Qt::WA_DeleteOnClose, false);
    setWindowTitle(m_description.title);
    // The platform window exists from the start, so that the frame is known when the start
    // position is applied.
    winId();
    if (!m_description.icon.isEmpty())
        setWindowIcon(QIcon(picture(m_description.icon)));
    setClientSize(m_description.size);
    move(m_description.place);
    createControls();
    if (m_description.escCloses) {
        auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
        connect(escape, &QShortcut::activated, this, &Window::userClose);
    }
    applyCreationPosition();
}

Window::~Window()
{
    // The controls go first, while the tables their destroyed signals clean up still exist.
    const QObjectList children = this->children();
    for (QObject* child : children)
        delete child;
}

void Window::createControls()
{
    for (const ControlDescription& d : std::as_const(m_description.controls)) {
        QObject* control = createControl(d, containerFor(d));
        m_controls.insert(d.name, control);
        m_controlDescriptions.insert(control, &d);
        if (m_description.dragAnywhere && isDragSource(control))
            control->installEventFilter(this);
    }
}

QWidget* Window::containerFor(const ControlDescription& d) const
{
    if (d.parent.isEmpty())
        return const_cast<Window*>(this);
    QObject* parent = m_controls.value(d.parent);
    if (auto* pages = qobject_cast<PageControl*>(parent))
        return pages->page(d.page) ? pages->page(d.page) : pages;
    if (auto* widget = qobject_cast<QWidget*>(parent))
        return widget;
    return const_cast<Window*>(this);
}

bool Window::isDragSource(const QObject* object) const
{
    return qobject_cast<const Label*>(object) || qobject_cast<const PictureBox*>(object) ||
           qobject_cast<const ShapeBox*>(object) || qobject_cast<const GroupBox*>(object);
}

// Bindings

void Window::bind(QObject* control, ControlEvent event, Handler handler)
{
    if (!control)
        return;
    if (!m_bindings.contains(control))
        connect(control, &QObject::destroyed, this, [this, control] { m_bindings.remove(control); });
    const Binding binding{event, std::move(handler)};
    m_bindings[control].append(binding);
    connectBinding(control, binding);
}

void Window::bind(QObject* control, ControlEvent event, SimpleHandler handler)
{
    bind(control, event, Handler([handler = std::move(handler)](const EventArgs&) { handler(); }));
}

void Window::bind(const QString& controlName, ControlEvent event, Handler handler)
{
    bind(control(controlName), event, std::move(handler));
}

void Window::bind(const QString& controlName, ControlEvent event, SimpleHandler handler)
{
    bind(control(controlName), event, std::move(handler));
}

void Window::connectBinding(QObject* control, const Binding& binding)
{
    const Handler handler = binding.handler;
    switch (binding.event) {
    case ControlEvent::Clicked:
        if (auto* button = qobject_cast<QAbstractButton*>(control))
            connect(button, &QAbstractButton::clicked, this,
                    [this, control, handler] { dispatch(control, handler, {}); });
        break;
    case ControlEvent::SelectionChanged:
        if (auto* combo = qobject_cast<ComboBox*>(control))
            connect(combo, &QComboBox::activated, this,
                    [this, control, handler] { dispatch(control, handler, {}); });
        break;
    case ControlEvent::PositionChanged:
        if (auto* bar = qobject_cast<ScrollBar*>(control))
            connect(bar, &QScrollBar::valueChanged, this,
                    [this, control, handler] { dispatch(control, handler, {}); });
        break;
    case ControlEvent::SpinPressed:
        if (auto* spin = qobject_cast<Spin*>(control))
            connect(spin, &Spin::pressed, this, [this, control, handler](int step) {
                dispatch(control, handler, {step, {}});
            });
        break;
    case ControlEvent::TimerTick:
        if (auto* timer = qobject_cast<Timer*>(control))
            connect(timer, &Timer::tick, this, [this, control, handler] { dispatch(control, handler, {}); });
        break;
    case ControlEvent::CellPressed:
        if (auto* grid = qobject_cast<Grid*>(control))
            connect(grid, &Grid::cellPressed, this, [this, control, handler](const QPoint& at) {
                dispatch(control, handler, {0, at});
            });
        break;
    case ControlEvent::LeftButtonPressed:
    case ControlEvent::LeftButtonReleased:
    case ControlEvent::MouseWheelScrolled:
        control->removeEventFilter(this);
        control->installEventFilter(this);
        break;
    }
}

void Window::dispatch(QObject* source, const Handler& handler, const EventArgs& args)
{
    const QPointer<Window> self(this);
    const QPointer<QObject> previous = m_eventSource;
    m_eventSource = source;
    handler(args);
    if (self)
        m_eventSource = previous;
}

void Window::dispatchMouse(QObject* watched, ControlEvent event, const EventArgs& args)
{
    const QList<Binding> bindings = m_bindings.value(watched);
    for (const Binding& binding : bindings) {
        if (binding.event == event)
            dispatch(watched, binding.handler, args);
    }
}

bool Window::eventFilter(QObject* watched, QEvent* event)
{
    const bool dragMoved = m_dragging && m_dragMoved;
    if (m_description.dragAnywhere && isDragSource(watched))
        handleDrag(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton)
            dispatchMouse(watched, ControlEvent::LeftButtonPressed, {0, mouse->position().toPoint()});
        break;
    }
    case QEvent::MouseButtonRelease: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        auto* widget = qobject_cast<QWidget*>(watched);
        // A press that dragged the window is no click on the control it started on.
        if (mouse->button() == Qt::LeftButton && !dragMoved && widget &&
            widget->rect().contains(mouse->position().toPoint()))
            dispatchMouse(watched, ControlEvent::LeftButtonReleased, {0, mouse->position().toPoint()});
        break;
    }
    case QEvent::Wheel: {
        const auto* wheel = static_cast<QWheelEvent*>(event);
        const int notches = wheel->angleDelta().y() / 120;
        if (notches != 0)
            dispatchMouse(watched, ControlEvent::MouseWheelScrolled, {notches, wheel->position().toPoint()});
        break;
    }
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

bool Window::handleDrag(QObject* watched, QEvent* event)
{
    Q_UNUSED(watched)
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton)
            return false;
        m_dragging = true;
        m_dragMoved = false;
        m_dragStart = mouse->globalPosition().toPoint();
        m_dragOffset = m_dragStart - pos();
        return false;
    }
    case QEvent::MouseMove: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (!m_dragging || !(mouse->buttons() & Qt::LeftButton))
            return false;
        const QPoint global = mouse->globalPosition().toPoint();
        if (!m_dragMoved && (global - m_dragStart).manhattanLength() < QApplication::startDragDistance())
            return false;
        m_dragMoved = true;
        move(global - m_dragOffset);
        return true;
    }
    case QEvent::MouseButtonRelease:
        m_dragging = false;
        return false;
    default:
        return false;
    }
}

QWidget* Window::cloneControl(QWidget* source)
{
    const ControlDescription* description = m_controlDescriptions.value(source);
    if (!description || !source->parentWidget())
        return nullptr;
    QWidget* container = source->parentWidget();
    QWidget* clone = cloneWidget(*description, *source, container);
    if (!clone)
        return nullptr;
    m_controlDescriptions.insert(clone, description);
    connect(clone, &QObject::destroyed, this, [this, clone] { m_controlDescriptions.remove(clone); });

    const QObjectList siblings = container->children();
    for (qsizetype i = siblings.indexOf(source) + 1; i < siblings.size(); ++i) {
        auto* next = qobject_cast<QWidget*>(siblings[i]);
        if (next && next != clone) {
            clone->stackUnder(next);
            break;
        }
    }

    const QList<Binding> bindings = m_bindings.value(source);
    for (const Binding& binding : bindings)
        bind(clone, binding.event, binding.handler);
    if (m_description.dragAnywhere && isDragSource(clone))
        clone->installEventFilter(this);
    return clone;
}

// Opening, closing and the window's place

bool Window::open(bool modal)
{
    if (m_opened || m_opening || m_closeRequested)
        return false;
    if (modal)
        setWindowModality(Qt::ApplicationModal);
    const QPointer<Window> self(this);
    m_opening = true;
    emit created();
    if (!self)
        return true;
    // A window closed by its own created handler is on its way out: it is never shown.
    if (!m_closeRequested) {
        m_lastPlace = pos();
        emit positionChanged();
    }
    if (self && !m_closeRequested) {
        m_lastSize = size();
        emit sizeChanged();
    }
    if (!self)
        return true;
    m_opening = false;
    if (m_closeRequested)
        return true;
    m_opened = true;
    showFirstTime();
    return true;
}

void Window::closeWindow()
{
    if (m_closeRequested)
        return;
    m_closeRequested = true;
    QMetaObject::invokeMethod(this, &Window::destroyNow, Qt::QueuedConnection);
}

void Window::destroyNow()
{
    if (m_destroyed)
        return;
    m_destroyed = true;
    emit aboutToBeDestroyed();
    hide();
    deleteLater();
}

void Window::closeEvent(QCloseEvent* event)
{
    // Every close request (close box, Esc, the system) goes the one queued way.
    event->ignore();
    userClose();
}

void Window::userClose()
{
    if (m_closeRequested || (m_closeGuard && !m_closeGuard()))
        return;
    closeWindow();
}

void Window::applyCreationPosition()
{
    switch (m_description.startPosition) {
    case PositionCentred:
        centreOnScreen();
        break;
    case PositionMaximized:
        if (isResizableBorder(m_description.border)) {
            m_createdMaximized = true;
            m_normalGeometry = geometry();
            // A window created maximized already has the work area's size in its handlers.
            setGeometry(workArea().marginsRemoved(frameMargins()));
        }
        break;
    case PositionMinimized:
        m_createdMinimized = true;
        break;
    default:
        break;
    }
}

void Window::showFirstTime()
{
    switch (m_position) {
    case PositionMaximized:
        maximizeOverWorkArea();
        if (!canMaximize())
            show();
        break;
    case PositionMinimized:
        showMinimized();
        break;
    default:
        if (m_createdMaximized)
            showMaximized();
        else if (m_createdMinimized)
            showMinimized();
        else
            show();
        break;
    }
    raise();
    activateWindow();
}

void Window::setPosition(int position)
{
    if (!m_opened || !isVisible()) {
        m_position = position;
        return;
    }
    switch (position) {
    case PositionNormal:
        restoreNormal();
        break;
    case PositionCentred:
        if (isMinimized() || isMaximized() || m_fixedMaximized)
            restoreNormal();
        centreOnScreen();
        break;
    case PositionMinimized:
        showMinimized();
        break;
    case PositionMaximized:
        maximizeOverWorkArea();
        break;
    default:
        break;
    }
    m_position = position;
}

bool Window::canMaximize() const
{
    // A window with a maximize box is maximized by the platform, frame and title bar on the
    // work area, whatever its border.
    return isResizableBorder(m_description.border) || m_description.maximizeBox;
}

void Window::showRestored()
{
    if (isMinimized())
        setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

void Window::maximizeOverWorkArea()
{
    if (canMaximize()) {
        if (!isMaximized() && !(m_createdMaximized && !m_opened))
            m_normalGeometry = geometry();
        // The platform maximizes the window, frame and title bar on the work area; the client
        // area takes the work area's size at once, so that the handlers see it before the
        // platform answers.
        setGeometry(workArea().marginsRemoved(frameMargins()));
        showMaximized();
        return;
    }
    if (isMinimized())
        showNormal();
    if (!m_fixedMaximized)
        m_normalGeometry = geometry();
    m_fixedMaximized = true;
    setClientGeometry(workArea().marginsRemoved(frameMargins()));
}

void Window::restoreNormal()
{
    const bool wasMaximized = isMaximized();
    if (isMinimized() || isMaximized())
        showNormal();
    if (wasMaximized && m_normalGeometry.isValid())
        setGeometry(m_normalGeometry);
    if (m_fixedMaximized) {
        m_fixedMaximized = false;
        setClientGeometry(m_normalGeometry);
    }
}

QMargins Window::frameMargins() const
{
    return windowHandle() ? windowHandle()->frameMargins() : QMargins();
}

void Window::centreOnScreen()
{
    const QRect area = workArea();
    const QSize outer = size().grownBy(frameMargins());
    move(area.x() + (area.width() - outer.width()) / 2, area.y() + (area.height() - outer.height()) / 2);
}

QRect Window::workArea() const
{
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

void Window::setClientSize(const QSize& size)
{
    if (canMaximize()) {
        resize(size);
        return;
    }
    setFixedSize(size);
}

void Window::setClientGeometry(const QRect& rect)
{
    setClientSize(rect.size());
    setGeometry(rect);
}

void Window::raisePositionAndSizeEvents()
{
    if (!m_opened || m_destroyed)
        return;
    const QPointer<Window> self(this);
    if (pos() != m_lastPlace) {
        m_lastPlace = pos();
        emit positionChanged();
    }
    if (self && size() != m_lastSize) {
        m_lastSize = size();
        emit sizeChanged();
    }
}

void Window::moveEvent(QMoveEvent* event)
{
    QWidget::moveEvent(event);
    raisePositionAndSizeEvents();
}

void Window::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    raisePositionAndSizeEvents();
}

void Window::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::WindowStateChange && m_opened) {
        if (isMinimized())
            m_position = PositionMinimized;
        else if (isMaximized())
            m_position = PositionMaximized;
        else if (!m_fixedMaximized && (m_position == PositionMinimized || m_position == PositionMaximized))
            m_position = PositionNormal;
    }
    QWidget::changeEvent(event);
}

bool Window::event(QEvent* event)
{
    if (m_description.dragAnywhere)
        handleDrag(this, event);
    return QWidget::event(event);
}

void Window::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_description.backColour.isValid() ? m_description.backColour
                                                                : palette().color(QPalette::Window));
    drawBackgroundPicture(painter, rect(), picture(m_description.backPicture), m_description.backPictureMode);
}

} // namespace mirevo
