// Storage for the program-wide application object.
#include "host/object_model.h"

namespace quillon {

std::shared_ptr<VBApplication> objVBInst;

}  // namespace quillon
