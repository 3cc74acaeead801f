// The program's published automation identity: its type library, its one creatable
// class and that class's default interface, with identifiers that never change.
#pragma once

#include <cstdint>

namespace quillon {

struct TypeLibraryIdentity {
  const char* name;
  const char* guid;
  uint16_t major_version;
  uint16_t minor_version;
  uint32_t locale;  // 0x409: English, United States
  const char* platform;
  const char* help_string;
};

// Flags of an interface as its type library describes it.
enum InterfaceFlags : uint32_t {
  kInterfaceDual = 1 << 0,            // callable through its function table and by name
  kInterfaceHidden = 1 << 1,          // not shown in object browsers
  kInterfaceNonExtensible = 1 << 2,   // no members are added at run time
};

struct InterfaceIdentity {
  const char* name;
  const char* guid;
  const char* base;  // the standard automation interface it derives from
  uint32_t flags;
};

struct ClassIdentity {
  const char* name;
  const char* guid;
  const char* prog_id;
  bool creatable;
  const InterfaceIdentity* default_interface;
};

inline constexpr TypeLibraryIdentity kQuillonLibrary = {
    "Quillon", "{7CFC0E6F-7F21-4F4D-B6CB-FEA01159FB63}", 1, 0, 0x409, "Win32",
    "Quillon Add-In for VB4"};

inline constexpr InterfaceIdentity kQlnClassInterface = {
    "_QlnClass", "{B256465D-6606-4582-9916-97B9FDECD9A3}", "IDispatch",
    kInterfaceDual | kInterfaceHidden | kInterfaceNonExtensible};

inline constexpr ClassIdentity kQlnClassIdentity = {
    "QlnClass", "{E318BD02-A0B0-49BF-913E-E817AE39E3B9}", "Quillon.QlnClass", true,
    &kQlnClassInterface};

}  // namespace quillon
