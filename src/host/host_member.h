// Names for the object-model members that the stand-in hosts let a caller watch,
// so a test can record, fail or hook any one of them.
#pragma once

namespace quillon {

enum class HostMember {
  kAddInMenu,
  kMenuItems,
  kAdd,
  kRemove,
  kConnectEvents,
  kDisconnectEvents,
  kActiveProject,
  kComponents,    // the project's component collection
  kCount,
  kComponentAt,   // the project's component at a position
  kName,
  kFileNames,
};

// The member's name as the environment spells it.
inline const char* MemberName(HostMember member) {
  switch (member) {
    case HostMember::kAddInMenu: return "AddInMenu";
    case HostMember::kMenuItems: return "MenuItems";
    case HostMember::kAdd: return "Add";
    case HostMember::kRemove: return "Remove";
    case HostMember::kConnectEvents: return "ConnectEvents";
    case HostMember::kDisconnectEvents: return "DisconnectEvents";
    case HostMember::kActiveProject: return "ActiveProject";
    case HostMember::kComponents: return "Components";
    case HostMember::kCount: return "Count";
    case HostMember::kComponentAt: return "Components";
    case HostMember::kName: return "Name";
    case HostMember::kFileNames: return "FileNames";
  }
  return "?";
}

}  // namespace quillon
