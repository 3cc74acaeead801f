// Error numbers, their descriptions, and the one mapping from errno to them.
#include "runtime/run_error.h"

#include <cerrno>
#include <sys/stat.h>

namespace quillon {

std::string ErrorDescription(int32_t number) {
  switch (number) {
    case kErrInvalidCall: return "Invalid procedure call or argument";
    case kErrOverflow: return "Overflow";
    case kErrOutOfMemory: return "Out of memory";
    case kErrSubscriptOutOfRange: return "Subscript out of range";
    case kErrBadFileNameOrNumber: return "Bad file name or number";
    case kErrFileNotFound: return "File not found";
    case kErrDeviceIO: return "Device I/O error";
    case kErrDiskFull: return "Disk full";
    case kErrInputPastEnd: return "Input past end of file";
    case kErrBadFileName: return "Bad file name";
    case kErrTooManyFiles: return "Too many files";
    case kErrPermissionDenied: return "Permission denied";
    case kErrPathFileAccess: return "Path/File access error";
    case kErrPathNotFound: return "Path not found";
    case kErrObjectNotSet: return "Object variable or With block variable not set";
    case kErrFormAlreadyShown: return "Form already displayed; can't show modally";
    case kErrObjectRequired: return "Object required";
    case kErrCannotCreateObject: return "ActiveX component can't create object";
    case kErrAutomation: return "Automation error";
    default: return "Application-defined or object-defined error";
  }
}

RuntimeError::RuntimeError(int32_t number) : RuntimeError(number, ErrorDescription(number)) {}

RuntimeError::RuntimeError(int32_t number, const std::string& description)
    : std::runtime_error(description), number_(number), description_(description) {}

namespace {

// True when the folder that would hold `path` exists.
bool ParentFolderExists(const std::string& path) {
  const auto slash = path.find_last_of('/');
  if (slash == std::string::npos) return true;
  const std::string folder = slash == 0 ? "/" : path.substr(0, slash);
  struct stat st {};
  return stat(folder.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

}  // namespace

RuntimeError ErrorFromErrno(int err, const std::string& path) {
  switch (err) {
    case ENOENT:
      return RuntimeError(ParentFolderExists(path) ? kErrFileNotFound : kErrPathNotFound);
    case ENOTDIR:
    case ELOOP:
      return RuntimeError(kErrPathNotFound);
    case EACCES:
    case EPERM:
    case EAGAIN:
      return RuntimeError(kErrPermissionDenied);
    case EISDIR:
    case EROFS:
    case ENXIO:
    case ETXTBSY:
    case EBUSY:
      return RuntimeError(kErrPathFileAccess);
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
      return RuntimeError(kErrDiskFull);
    case ENOMEM:
      return RuntimeError(kErrOutOfMemory);
    case EMFILE:
    case ENFILE:
      return RuntimeError(kErrTooManyFiles);
    case ENAMETOOLONG:
    case EINVAL:
      return RuntimeError(kErrBadFileName);
    case EBADF:
      return RuntimeError(kErrBadFileNameOrNumber);
    default:
      return RuntimeError(kErrDeviceIO);
  }
}

std::string ErrorPrompt(const std::string& procedure, const RuntimeError& error) {
  return "(" + procedure + "), Error : " + std::to_string(error.number()) + ", " +
         error.description();
}

}  // namespace quillon
