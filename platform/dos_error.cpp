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

int dosCodeFromWin32Error(unsigned long error) {
  // Numbers from the Windows error table, written out so that this file
  // needs no Windows header.
  switch (error) {
    case 0: return DosCode::kOk;
    case 33:    // ERROR_LOCK_VIOLATION
      return DosCode::kSharingViolation;
    case 39:    // ERROR_HANDLE_DISK_FULL
      return DosCode::kDiskFull;
    case 123:   // ERROR_INVALID_NAME: a name the file system cannot hold
    case 161:   // ERROR_BAD_PATHNAME
      return DosCode::kPathNotFound;
    case 183:   // ERROR_ALREADY_EXISTS
      return DosCode::kFileExists;
    case 267:   // ERROR_DIRECTORY: a folder where a file was expected
      return DosCode::kAccessDenied;
    default:
      // DOS codes are 16-bit; anything that does not fit is a device fault.
      return error <= 32767 ? static_cast<int>(error) : DosCode::kDeviceFault;
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
