#pragma once

class QEvent;
class QKeyEvent;
class QObject;
class QWidget;

// Windows that see every key before their controls do watch the application's events; this picks
// the key presses meant for one window (on any of its controls), without Alt or Ctrl.
// The key event, or nullptr; *controle receives the control the key was sent to.
QKeyEvent* TeclaDaJanela(QObject* alvo, QEvent* evento, const QWidget* janela, QWidget** controle);
