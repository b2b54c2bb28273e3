// screen_pictures <directory>: draws every screen the documentation shows
// (the game's, and the console message box) and writes each as
// <directory>/<name>.svg.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "game_screens.hpp"
#include "message_box_picture.hpp"

namespace {

bool WritePicture(const std::filesystem::path& directory, const std::string& name,
                  const std::string& svg) {
    const std::filesystem::path file = directory / (name + ".svg");
    std::ofstream out(file, std::ios::binary);
    out << svg;
    out.close();
    if (!out) {
        std::fprintf(stderr, "screen_pictures: cannot write %s\n", file.string().c_str());
        return false;
    }
    return true;
}

}  // namespace

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
        if (!WritePicture(directory, screen.name, conkit::pictures::DrawGameScreen(screen))) {
            return 1;
        }
    }
    return WritePicture(directory, conkit::pictures::kQuestionBoxName,
                        conkit::pictures::DrawQuestionBox())
               ? 0
               : 1;
}
