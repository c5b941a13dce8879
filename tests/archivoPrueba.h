// Files the tests write, in temporary folders of their own: test programs
// that run side by side never share one, and nothing lands in the source
// tree.
#ifndef TRELVIK2D_ARCHIVOPRUEBA_H
#define TRELVIK2D_ARCHIVOPRUEBA_H

#include <filesystem>
#include <string>

// A new empty folder in the system's temporary folder, deleted with all it
// holds when the object goes.
class CarpetaTemporal {
public:
    CarpetaTemporal();
    ~CarpetaTemporal();
    CarpetaTemporal(const CarpetaTemporal&) = delete;
    CarpetaTemporal& operator=(const CarpetaTemporal&) = delete;

    const std::filesystem::path& getRuta() const;

private:
    std::filesystem::path ruta;
};

// For its life, the working directory is a temporary folder of its own, so
// that a report the program writes there leaves no trace; the former one
// comes back at the end.
class TrabajoEnCarpetaTemporal {
public:
    TrabajoEnCarpetaTemporal();
    ~TrabajoEnCarpetaTemporal();
    TrabajoEnCarpetaTemporal(const TrabajoEnCarpetaTemporal&) = delete;
    TrabajoEnCarpetaTemporal& operator=(const TrabajoEnCarpetaTemporal&) = delete;

    const std::filesystem::path& getRuta() const;

private:
    CarpetaTemporal carpeta;
    std::filesystem::path anterior;
};

// The path of a file of this name in the process's temporary folder, made at
// the first call and deleted when the process ends.
std::string rutaTemporal(const std::string& nombre);
// Writes exactly this text to the file, replacing what it held.
void escribirArchivo(const std::string& ruta, const std::string& contenido);
// Everything the file holds, byte for byte; empty when it cannot be read.
std::string leerArchivo(const std::string& ruta);
// A new file in the process's temporary folder that holds exactly the text;
// returns its path.
std::string archivoTemporal(const std::string& contenido);

// How often a watched file was closed: after an open for writing, and after
// an open that was not.
struct Cierres {
    int conEscritura = 0;
    int sinEscritura = 0;
};

// Watches a file through inotify, which tells at each close whether the
// descriptor had been opened for writing, also for root, whom permissions do
// not stop. The event is queued before close returns, so no wait is needed.
class VigiaDeArchivo {
public:
    explicit VigiaDeArchivo(const std::string& ruta);
    ~VigiaDeArchivo();
    VigiaDeArchivo(const VigiaDeArchivo&) = delete;
    VigiaDeArchivo& operator=(const VigiaDeArchivo&) = delete;

    // The closes seen since the last call.
    Cierres getCierres();

private:
    int descriptor;
};

#endif
