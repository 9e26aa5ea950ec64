// nb_scenegen: writes a long-shot scene for benchmarks and trials.
//   nb_scenegen <path.nba|path.nbb> [layers] [frames per layer]
// (default 5 layers of 100 frames: 500 drawn frames).

#include "bench/SceneGenerator.h"

#include "core/Host.h"

#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: nb_scenegen <path.nba|path.nbb> [layers] [frames per layer]\n");
        return 2;
    }
    longshot::Shape shape;
    if (argc > 2)
        shape.layers = std::atoi(argv[2]);
    if (argc > 3)
        shape.frames = std::atoi(argv[3]);
    if (shape.layers < 1 || shape.frames < 1) {
        std::fprintf(stderr, "nb_scenegen: layers and frames must be at least 1\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    nbhost::HostOptions options;
    options.loadPlugins = false;
    nbhost::Host host(options);
    host.start();
    longshot::RegisterTypes();
    if (!longshot::Write(argv[1], shape)) {
        std::fprintf(stderr, "nb_scenegen: could not write %s\n", argv[1]);
        return 1;
    }
    std::printf("%s: %d layers x %d frames\n", argv[1], shape.layers, shape.frames);
    return 0;
}
