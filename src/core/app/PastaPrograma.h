#pragma once

#include <string>

// The folder that holds the settings files: the executable's folder, unless the program was
// told otherwise (the command-line tool's --config, the tests).
class TPastaPrograma {
public:
    static void Definir(const std::string& pasta);
    static const std::string& Pasta();
    // The folder's path followed by the file name
    static std::string Arquivo(const std::string& nome);
    // The folder of the running executable
    static std::string PastaDoExecutavel();
};
