#pragma once

namespace mirevo {

class Window;

// The keys of the practice window: A–D or 1–4 choose an option (a check box toggles), 1 or Y
// and 2 or N answer a true-or-false question, PageDown and Enter go to the next question,
// PageUp to the previous one, Space shows or hides the answer.
void bindPracticeKeys(Window& window);

} // namespace mirevo
