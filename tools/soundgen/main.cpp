// Writes the tutor's WAV files into the folder named on the command line.
#include <filesystem>
#include <iostream>
#include <system_error>

#include "tools/soundgen/sound_designer.h"
#include "tools/soundgen/wav_file.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: soundgen OUTPUT_FOLDER\n";
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    for (const DesignedSound& sound : SoundDesigner::AllSounds()) {
        const std::string path = (folder / sound.fileName).string();
        if (!WavFile::Write(path, sound.samples, SoundDesigner::kSampleRate)) {
            std::cerr << "soundgen: cannot write " << path << "\n";
            return 1;
        }
    }
    return 0;
}
