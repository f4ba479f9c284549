#pragma once

// How a long operation reports while it runs: the step display of the wizard implements it,
// the command-line tool draws a progress bar.
class IProgresso {
public:
    virtual ~IProgresso() = default;
    // Lets the window process pending messages and repaint; called between statements.
    virtual void AtualizarTela() = 0;
    // Percentage of the running step, 0 to 100.
    virtual void DefinirProgresso(int percentual) = 0;
};

// For callers that show nothing.
class TProgressoNulo : public IProgresso {
public:
    void AtualizarTela() override {}
    void DefinirProgresso(int) override {}
};
