// The program's start-up code: it enters the add-in in the environment's add-in list.
#pragma once

namespace quillon {

// Makes sure that "VB.INI" lists "Quillon.QlnClass" under "Add-Ins32", writing the
// value "0" only when the entry is missing. Runs first at every start of the process;
// traps and reports nothing (the profile functions never raise).
void AddInStartup();

}  // namespace quillon
