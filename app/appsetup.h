#pragma once

class QApplication;

// The application-wide set-up every run makes before its first window: the
// program's name, version and icon, its style and what it adds for screen
// readers. Tests and benches make it too, to meet the program as it runs.
void setUpApplication(QApplication &app);
