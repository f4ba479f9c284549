#pragma once

#include <QApplication>
#include <QString>
#include <exception>
#include <functional>

// The general error box: an error that escapes an event handler ends that handler and is shown
// here; the window stays open and usable.
namespace erro_geral {

// The box's text: the error's text, followed by a period when it ends in a letter, a digit or
// any character whose code lies above the period's.
QString TextoErro(const QString& mensagem);
// The box's caption: the program's title (the executable's name without its extension)
QString TituloPrograma();
void Mostrar(const std::exception& e);
void Mostrar(const QString& mensagem);

// Runs a handler's body, showing any error it lets through. False when it failed.
bool Proteger(const std::function<void()>& corpo);

} // namespace erro_geral

// The application: errors escaping any event handler reach the general error box.
class TAplicacao : public QApplication {
public:
    TAplicacao(int& argc, char** argv) : QApplication(argc, argv) { AplicarAparencia(); }
    // The look shared by every window: Arial 8 points (the metric-compatible font where Arial is missing)
    static void AplicarAparencia();
    bool notify(QObject* receptor, QEvent* evento) override;
};
