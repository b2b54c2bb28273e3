// screen_pictures <directory>: draws every game screen the documentation
// shows and writes each as <directory>/<name>.svg.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "game_screens.hpp"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: screen_pictures <output directory>\n");
        return 2;
    }
    const std::filesystem::path directory = argv[1];
    std::error_code error;
    std::filesystem::create_directories(directory, error);
    if (error) {
        std::fprintf(stderr, "screen_pictures: cannot create %s: %s\n", argv[1],
                     error.message().c_str());
        return 1;
    }
    for (const conkit::pictures::GameScreen& screen : conkit::pictures::GameScreens()) {
        const std::filesystem::path file = directory / (std::string(screen.name) + ".svg");
        std::ofstream out(file, std::ios::binary);
        out << conkit::pictures::DrawGameScreen(screen);
        out.close();
        if (!out) {
            std::fprintf(stderr, "screen_pictures: cannot write %s\n", file.c_str());
            return 1;
        }
    }
    return 0;
}
