#pragma once

#include <QStringList>

namespace sprout::bench {

// What the measuring program asks of a copy of itself, each in a fresh process
// with its own application object. Each prints lines for the parent to read.
//
//   --open <screen|bare> [--first]  first opening of one screen in this process,
//                                   after the main menu's first frame (unless --first):
//                                   "open <call ms> <painted ms>"
//   --warm <rounds>                 every screen opened in a fresh registry each round,
//                                   then hidden and shown again, with the bare window
//                                   beside them: "warm <round> <name> <open ms> <return ms>"
//   --toggle <rounds>               F11 from the main menu's window to full screen and
//                                   back: "toggle <on ms> <off ms>"
//   --visit-all                     the main menu, then every screen shown and the one
//                                   before hidden, as a child goes: "after <name> <peak so far>"
//                                   for each, then "vmhwm-kb <peak>"
// With SPROUTKIN_FULLSCREEN=1 the screens lie on the full-screen stage and the bare
// window fills the screen.
int runProbe(int argc, char* argv[]);

bool isProbe(int argc, char* argv[]);

// The sixteen screens' names in registry order, and the name of the baseline window.
QStringList screenNames();
inline constexpr const char* kBareName = "bare";

} // namespace sprout::bench
