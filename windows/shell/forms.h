#pragma once

#include "platform/windowinstance.h"

class CalculatorWindow;
class MainWindow;
class SplashWindow;

// The program's windows, each reachable by name and created by the first
// use that names it.
extern WindowInstance<SplashWindow> frmSplash;
extern WindowInstance<MainWindow> MDIForm1;
extern WindowInstance<CalculatorWindow> slabcalc;
extern WindowInstance<CalculatorWindow> footingcalc;
extern WindowInstance<CalculatorWindow> circularcalc;

// Start-up: shows the splash window and nothing else.
void startMixora();
