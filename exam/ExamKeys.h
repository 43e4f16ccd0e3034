#pragma once

namespace mirevo {

class Window;

// The keys of the examination window: A–D or 1–4 choose an option (a check box toggles), 1 or
// Y and 2 or N answer a judgement question, PageDown and Enter go to the next question,
// PageUp to the previous one, M marks the question or takes the mark off.
void bindExamKeys(Window& window);

} // namespace mirevo
