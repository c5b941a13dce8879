#include "archivoPrueba.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <system_error>

#include <sys/inotify.h>
#include <unistd.h>

CarpetaTemporal::CarpetaTemporal()
{
    std::string plantilla = (std::filesystem::temp_directory_path() / "trelvik2dPruebaXXXXXX").string();
    if (mkdtemp(plantilla.data()) == nullptr) {
        throw std::runtime_error("cannot create a temporary folder from " + plantilla);
    }
    ruta = plantilla;
}

// A destructor throws nothing: what cannot be deleted stays behind.
CarpetaTemporal::~CarpetaTemporal()
{
    std::error_code ignorado;
    std::filesystem::remove_all(ruta, ignorado);
}

const std::filesystem::path& CarpetaTemporal::getRuta() const { return ruta; }

TrabajoEnCarpetaTemporal::TrabajoEnCarpetaTemporal() : anterior(std::filesystem::current_path())
{
    std::filesystem::current_path(carpeta.getRuta());
}

// The folder goes after the working directory has left it.
TrabajoEnCarpetaTemporal::~TrabajoEnCarpetaTemporal()
{
    std::error_code ignorado;
    std::filesystem::current_path(anterior, ignorado);
}

const std::filesystem::path& TrabajoEnCarpetaTemporal::getRuta() const { return carpeta.getRuta(); }

std::string rutaTemporal(const std::string& nombre)
{
    static const CarpetaTemporal carpeta;
    return (carpeta.getRuta() / nombre).string();
}

void escribirArchivo(const std::string& ruta, const std::string& contenido)
{
    std::ofstream(ruta, std::ios::binary) << contenido;
}

std::string leerArchivo(const std::string& ruta)
{
    std::ifstream f(ruta, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

std::string archivoTemporal(const std::string& contenido)
{
    static int contador = 0;
    const std::string ruta = rutaTemporal("archivo" + std::to_string(++contador) + ".txt");
    escribirArchivo(ruta, contenido);
    return ruta;
}

VigiaDeArchivo::VigiaDeArchivo(const std::string& ruta) : descriptor(inotify_init1(IN_NONBLOCK | IN_CLOEXEC))
{
    if (descriptor < 0 ||
        inotify_add_watch(descriptor, ruta.c_str(), IN_CLOSE_WRITE | IN_CLOSE_NOWRITE) < 0) {
        throw std::runtime_error("cannot watch " + ruta);
    }
}

VigiaDeArchivo::~VigiaDeArchivo() { close(descriptor); }

Cierres VigiaDeArchivo::getCierres()
{
    Cierres vistos;
    alignas(inotify_event) char eventos[4096];
    ssize_t leidos = 0;
    while ((leidos = read(descriptor, eventos, sizeof eventos)) > 0) {
        for (ssize_t i = 0; i < leidos;) {
            const auto* evento = reinterpret_cast<const inotify_event*>(eventos + i);
            vistos.conEscritura += (evento->mask & IN_CLOSE_WRITE) != 0 ? 1 : 0;
            vistos.sinEscritura += (evento->mask & IN_CLOSE_NOWRITE) != 0 ? 1 : 0;
            i += static_cast<ssize_t>(sizeof(inotify_event) + evento->len);
        }
    }
    return vistos;
}
