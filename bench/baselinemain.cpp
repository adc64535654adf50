// The baseline for start-up and memory: starts like the program and shows only a
// bare main window, reporting its first frame when SPROUTKIN_BENCH_FIRST_FRAME=1.
#include "barewindow.h"
#include "benchapp.h"
#include "firstframereporter.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    sprout::bench::prepareLikeTheProgram(app);
    sprout::bench::BareWindow window;
    if (sprout::FirstFrameReporter::asked())
        sprout::FirstFrameReporter::watch(&window);
    window.show();
    return app.exec();
}
