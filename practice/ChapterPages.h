#pragma once

#include "Services.h"

#include <QObject>
#include <QPointer>

namespace mirevo {

class Label;
class PracticeWindow;
class Settings;
class Window;
struct ProgramState;

// The main window's chapter page (the chapter catalogue of the current subject) and its
// favourites page (the number of marked questions), and the practice window they open.
class ChapterPages : public QObject
{
    Q_OBJECT
public:
    // Binds the chapter grid's cell press and the two buttons that open the practice window.
    ChapterPages(Window& mainWindow, ProgramState& state, Services services, Settings& settings);

    // Refills the chapter grid for currentSubject; called at start-up and on every subject switch.
    void fillChapterGrid();
    // Shows page 3 with the subject and the favourites count, or the picture when there is none.
    void showFavouritesPage();
    // Counts the favourites of currentSubject again into page 3, picture included.
    void refreshFavouritesCount();

private:
    void enterChapterPractice();
    void enterFavouritesPractice();
    void openPracticeWindow(bool modal);
    void countFavourites(Label& label, const QString& query);

    Window& m_mainWindow;
    ProgramState& m_state;
    Services m_services;
    Settings& m_settings;
    QPointer<PracticeWindow> m_practice;
};

} // namespace mirevo
