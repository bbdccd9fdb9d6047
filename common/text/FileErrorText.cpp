#include "common/text/FileErrorText.h"

#include <cerrno>
#include <cstring>

#include "common/files/SafeFile.h"
#include "common/text/LanguageText.h"

namespace vantorel {

namespace {

struct ErrorText {
    int error;
    TextTriple text;
};

// The causes a user meets when writing a file. The English is the system's
// own wording; strerror() is not used for it as the window program runs in
// the user's locale, whose language may not be the program's.
constexpr ErrorText kErrorTexts[] = {
    {kNotRegularFile,
     {"it is not a regular file (a folder, a device or a FIFO)",
      "ce n'est pas un fichier ordinaire (un dossier, un p\u00e9riph\u00e9rique ou un tube)",
      "no es un archivo normal (una carpeta, un dispositivo o una tuber\u00eda)"}},
    {kReadOnlyFile,
     {"the file is read-only", "le fichier est en lecture seule",
      "el archivo es de solo lectura"}},
    {ENOSPC,
     {"No space left on device", "Plus de place sur le disque", "No queda espacio en el disco"}},
    {EDQUOT, {"Disk quota exceeded", "Quota de disque d\u00e9pass\u00e9", "Cuota de disco excedida"}},
    {EFBIG, {"File too large", "Fichier trop gros", "Archivo demasiado grande"}},
    {EACCES, {"Permission denied", "Permission refus\u00e9e", "Permiso denegado"}},
    {EPERM, {"Operation not permitted", "Op\u00e9ration non permise", "Operaci\u00f3n no permitida"}},
    {EROFS,
     {"Read-only file system", "Syst\u00e8me de fichiers en lecture seule",
      "Sistema de archivos de solo lectura"}},
    {ENOENT,
     {"No such file or directory", "Aucun fichier ou dossier de ce nom",
      "No existe el archivo o la carpeta"}},
    {ENOTDIR, {"Not a directory", "Ce n'est pas un dossier", "No es una carpeta"}},
    {EISDIR, {"Is a directory", "C'est un dossier", "Es una carpeta"}},
    {EIO, {"Input/output error", "Erreur d'entr\u00e9e/sortie", "Error de entrada/salida"}},
    {ENAMETOOLONG,
     {"File name too long", "Nom de fichier trop long", "Nombre de archivo demasiado largo"}},
    {ELOOP,
     {"Too many levels of symbolic links", "Trop de niveaux de liens symboliques",
      "Demasiados niveles de enlaces simb\u00f3licos"}},
};

constexpr TextTriple kCannotWrite{"Cannot write the file %1: %2. Nothing was changed.",
                                  "Impossible d'\u00e9crire le fichier %1 : %2. Rien n'a "
                                  "\u00e9t\u00e9 modifi\u00e9.",
                                  "No se puede escribir el archivo %1: %2. No se ha modificado "
                                  "nada."};

std::string replaced(std::string text, const char* mark, const std::string& value) {
    const size_t at = text.find(mark);
    if (at != std::string::npos) text.replace(at, std::strlen(mark), value);
    return text;
}

}  // namespace

std::string fileErrorCause(int error, int language) {
    for (const ErrorText& e : kErrorTexts)
        if (e.error == error) return e.text(language);
    // An unknown cause of the program's own is still a failed write.
    if (error <= 0) return fileErrorCause(EIO, language);
    return std::strerror(error);
}

std::string cannotWriteFileMessage(const std::string& path, int error, int language) {
    // The cause first: it never holds "%1", while a file name may hold "%2".
    return replaced(replaced(kCannotWrite(language), "%2", fileErrorCause(error, language)), "%1",
                    path);
}

}  // namespace vantorel
