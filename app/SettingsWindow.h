#pragma once

#include "Services.h"

#include <QFont>
#include <QObject>
#include <QPointer>

namespace mirevo {

class Settings;
class Window;

// The settings window's handlers: it shows the stored settings, 恢复默认 stores the defaults at
// once, 保存 stores what the window shows. It lives as long as its window.
class SettingsWindow : public QObject
{
    Q_OBJECT
public:
    // Opens a settings window, not modal, over the others.
    static Window* open(Settings& settings, Services services);

private:
    SettingsWindow(Window& window, Settings& settings, Services services);

    void load();
    void showPreview();
    void restoreDefaults();
    void save();
    void stepQuestionCount(int step);

    Window& m_window;
    Settings& m_settings;
    Services m_services;
    QFont m_designedPreviewFont;
};

} // namespace mirevo
