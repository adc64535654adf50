#pragma once

#include <QString>

namespace sprout {

// The folder that holds the running executable, whatever the working directory,
// with no separator at its end. Needs the application object.
QString programFolder();

// A file of the program folder by its name constant ("\Chair.bmp"): the constant's
// leading backslash is the one separator between folder and name, and it becomes
// the separator of the platform. No other folder is looked in.
QString programFilePath(const QString& nameConstant);
QString programFilePath(const QString& folder, const QString& nameConstant);

} // namespace sprout
