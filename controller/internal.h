// What the controller's commands share and the front ends do not need.
#pragma once

#include "controller/window.h"

namespace controller {

// Writes the no-result text into the three result boxes, in box order.
void clear_results(Window& w);

}  // namespace controller
