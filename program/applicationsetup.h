#pragma once

namespace sprout {

// What the program sets on its application object before its first window: name,
// style, colours and when it ends. The benchmark's programs call it too, so that
// they measure windows started exactly as the program starts its own.
void setUpApplication();

} // namespace sprout
