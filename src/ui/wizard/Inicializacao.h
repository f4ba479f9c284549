#pragma once

#include <functional>

class TFMain;

// The program's start-up: the settings, both connections (asking whether to retry when they fail),
// then the wizard window and the user-interface loop. Returns the program's exit code; without a
// connection no window is created. aoAbrir, when given, runs once the window is shown (tests).
int ExecutarAssistente(const std::function<void(TFMain&)>& aoAbrir = {});
