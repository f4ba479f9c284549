#include "ui/common/Formatos.h"

#include <QLocale>

namespace {

QString Agrupar(const std::string& digitos) {
    const QString sep = QLocale().groupSeparator();
    QString out;
    int n = static_cast<int>(digitos.size());
    for (int i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0) out += sep;
        out += QChar(digitos[static_cast<size_t>(i)]);
    }
    return out;
}

QString Montar(TDinheiro v, int decimais, bool agrupar) {
    std::string t = v.Formatar(decimais, '.');
    bool negativo = !t.empty() && t[0] == '-';
    if (negativo) t.erase(0, 1);
    size_t ponto = t.find('.');
    std::string inteiro = t.substr(0, ponto);
    QString out = negativo ? QStringLiteral("-") : QString();
    out += agrupar ? Agrupar(inteiro) : QString::fromStdString(inteiro);
    if (ponto != std::string::npos) out += QLocale().decimalPoint() + QString::fromStdString(t.substr(ponto + 1));
    return out;
}

} // namespace

QString FormatarMilhar(int64_t n) {
    std::string d = std::to_string(n < 0 ? -n : n);
    return (n < 0 ? QStringLiteral("-") : QString()) + Agrupar(d);
}

QString FormatarDinheiro(TDinheiro v, int decimais) { return Montar(v, decimais, true); }

QString FormatarDinheiroSimples(TDinheiro v, int decimais) { return Montar(v, decimais, false); }
