#pragma once

namespace mirevo {

// Loads Qt's own Chinese translations, so that the standard buttons, context menus and dialogs
// of Qt read Chinese like the rest of the program. Returns false when they are not installed;
// Qt's English texts are used then.
bool installQtTranslations();

} // namespace mirevo
