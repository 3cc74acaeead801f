// The list box's horizontal scrolling range.
#include "ui/list_extent.h"

namespace quillon {

int32_t lngSetHorizontalExtent(ListBox& lstBox) {
  return lstBox.SetHorizontalExtent(lstBox.Bounds().width + 100);
}

}  // namespace quillon
