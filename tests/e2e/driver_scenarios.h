// The scenarios of the in-process driver, chosen by QNS_DRIVER.
#pragma once

#include <string>

#include "driver_ui.h"

namespace e2e {

// Every command, dialog and message, and the Convert cases.
void run_full(Ui& ui, Report& report);
// Seeded random commands, texts and answers for about a minute.
void run_monkey(Ui& ui, Report& report, unsigned seed, int max_steps, int time_budget_ms);
// Every byte 0x20..0xFF typed, pasted and set into every edit box and drawn.
void run_glyphs(Ui& ui, Report& report);
// Every window at the display's scale: texts in full, none covered.
void run_layout(Ui& ui, Report& report);
// Decimal 255 converted at len bits (8 or more), then the window saved as a
// BMP file.
void run_screenshot(Ui& ui, Report& report, const std::string& bmp_path, int len);

// A path given in the Unix form names the same file through drive Z:.
std::string windows_path(const std::string& path);

}  // namespace e2e
