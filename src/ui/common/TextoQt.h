#pragma once

#include "core/app/Texto.h"

#include <QString>
#include <string>

// The boundary between the core's Windows-1252 text and Qt's strings.
inline QString Q(const std::string& cp1252) { return QString::fromStdString(texto::Cp1252ParaUtf8(cp1252)); }
inline std::string S(const QString& s) { return texto::Utf8ParaCp1252(s.toStdString()); }
