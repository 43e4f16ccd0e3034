#pragma once

namespace mirevo {

class Window;

// Fits the banner, the question area and the toolbar of the examination window to its size;
// the answer card, the legend and the judgement options keep their designed places.
void layoutExamWindow(Window& window);

// Centres the login panel in the login window.
void centreLoginPanel(Window& window);

} // namespace mirevo
