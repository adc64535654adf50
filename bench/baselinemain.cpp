// The baseline for start-up and memory: starts like the program and shows only a
// bare main window, reporting its first frame when SPROUTKIN_BENCH_FIRST_FRAME=1.
#include "applicationsetup.h"
#include "barewindow.h"
#include "firstframereporter.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    sprout::setUpApplication();
    sprout::bench::BareWindow window;
    if (sprout::FirstFrameReporter::asked())
        sprout::FirstFrameReporter::watch(&window);
    window.show();
    return app.exec();
}
