#include "error_reason.h"

#include <cerrno>
#include <cstring>

namespace smssim {

std::string germanErrorReason(int error, FileAccess access) {
    switch (error) {
    case ENOENT:
        return access == FileAccess::Lesen ? "Die Datei wurde nicht gefunden"
                                           : "Die Datei oder ihr Ordner wurde nicht gefunden";
    case EACCES:
    case EPERM:
        return "Keine Berechtigung";
    case EROFS:
        return "Das Dateisystem ist schreibgeschützt";
    case ENOSPC:
        return "Auf dem Datenträger ist kein Platz mehr";
    case EDQUOT:
        return "Das Speicherkontingent ist erschöpft";
    case EISDIR:
        return "Das ist ein Ordner, keine Datei";
    case ENOTDIR:
        return "Ein Teil des Pfades ist kein Ordner";
    case ENAMETOOLONG:
        return "Der Name ist zu lang";
    case ELOOP:
        return "Zu viele symbolische Verknüpfungen im Pfad";
    case EIO:
        return "Ein-/Ausgabefehler beim Zugriff auf den Datenträger";
    case EMFILE:
    case ENFILE:
        return "Zu viele offene Dateien";
    case EFBIG:
        return "Die Datei ist zu groß";
    case EBUSY:
    case ETXTBSY:
        return "Die Datei ist in Benutzung";
    case EXDEV:
        return "Die Datei liegt auf einem anderen Datenträger";
    case EINVAL:
        return "Der Name ist ungültig";
    case ENODEV:
        return "Das ist keine gewöhnliche Datei";
    default:
        return "Systemfehler " + std::to_string(error) + " (" + std::strerror(error) + ")";
    }
}

} // namespace smssim
