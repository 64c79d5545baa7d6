// The ListsBusy flag itself.
#include "app/results/lists_busy.h"

namespace vl::gui {

bool ListsBusy = false;

}  // namespace vl::gui
