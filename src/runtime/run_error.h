// Run-time errors as the Basic run time raised them: a number and a description,
// carried by an exception that procedures trap and report.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace quillon {

// Error numbers of the Basic run-time family used by this program.
enum ErrorNumber : int32_t {
  kErrInvalidCall = 5,
  kErrOverflow = 6,
  kErrOutOfMemory = 7,
  kErrSubscriptOutOfRange = 9,
  kErrBadFileNameOrNumber = 52,
  kErrFileNotFound = 53,
  kErrDeviceIO = 57,
  kErrInputPastEnd = 62,
  kErrDiskFull = 61,
  kErrBadFileName = 64,
  kErrTooManyFiles = 67,
  kErrPermissionDenied = 70,
  kErrPathFileAccess = 75,
  kErrPathNotFound = 76,
  kErrObjectNotSet = 91,
  kErrFormAlreadyShown = 400,
  kErrObjectRequired = 424,
  kErrCannotCreateObject = 429,
  kErrAutomation = 440,
};

// The description the run time shows for an error number.
std::string ErrorDescription(int32_t number);

class RuntimeError : public std::runtime_error {
 public:
  explicit RuntimeError(int32_t number);
  RuntimeError(int32_t number, const std::string& description);

  int32_t number() const { return number_; }
  const std::string& description() const { return description_; }

 private:
  int32_t number_;
  std::string description_;
};

// Maps a failed system call's errno onto the run-time error a Basic program would see.
// `path` tells a missing file (53) from a missing folder (76) when errno is ENOENT.
RuntimeError ErrorFromErrno(int err, const std::string& path = std::string());

// The text of a trapped error as every handler shows it:
// "(" procedure "), Error : " number ", " description.
std::string ErrorPrompt(const std::string& procedure, const RuntimeError& error);

}  // namespace quillon
