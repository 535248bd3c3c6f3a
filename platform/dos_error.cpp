#include "platform/dos_error.h"

#include <cerrno>

namespace vortena {

int dosCodeFromErrno(int error) {
  switch (error) {
    case 0: return DosCode::kOk;
    case ENOENT: return DosCode::kFileNotFound;
    case ENOTDIR: return DosCode::kPathNotFound;
    case EMFILE:
    case ENFILE: return DosCode::kTooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR: return DosCode::kAccessDenied;
    case EBADF: return DosCode::kInvalidHandle;
    case EBUSY:
#ifdef ETXTBSY
    case ETXTBSY:
#endif
      return DosCode::kSharingViolation;
    case EEXIST: return DosCode::kFileExists;
    case EINVAL: return DosCode::kInvalidParameter;
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
      return DosCode::kDiskFull;
    case ENAMETOOLONG: return DosCode::kNameTooLong;
    default: return DosCode::kDeviceFault;
  }
}

std::string dosErrorCause(int code) {
  switch (code) {
    case DosCode::kOk: return "bez chyby";
    case DosCode::kFileNotFound: return "súbor sa nenašiel";
    case DosCode::kPathNotFound: return "priečinok sa nenašiel";
    case DosCode::kTooManyOpenFiles: return "priveľa otvorených súborov";
    case DosCode::kAccessDenied: return "prístup k súboru bol odmietnutý";
    case DosCode::kInvalidHandle: return "neplatný popisovač súboru";
    case DosCode::kSharingViolation: return "súbor používa iný program";
    case DosCode::kFileExists: return "súbor už existuje";
    case DosCode::kInvalidParameter: return "neplatný parameter";
    case DosCode::kDiskFull: return "disk je plný";
    case DosCode::kNameTooLong: return "názov súboru je príliš dlhý";
    case DosCode::kReadPastEnd: return "čítanie za koncom súboru";
    case DosCode::kShortWrite: return "zápis sa nepodaril celý (disk je plný?)";
    case DosCode::kFileNotOpen: return "súbor nie je otvorený";
    default: return "chyba disku alebo zariadenia";
  }
}

}  // namespace vortena
