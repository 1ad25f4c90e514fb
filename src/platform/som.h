// Plays the scoreboard's WAV cues through Qt Multimedia.
#pragma once

#include <memory>
#include <string>

class QAudioSink;
class QBuffer;

namespace vantor {

class SomQt {
public:
    // pastaPrograma: where a bare name is looked for when the working folder does not have it.
    explicit SomQt(std::string pastaPrograma);
    ~SomQt();
    SomQt(const SomQt&) = delete;
    SomQt& operator=(const SomQt&) = delete;

    // Starts the cue and returns at once, cutting any cue still playing. A name that does not lead to a
    // playable WAV (empty, missing, empty file, folder, not a WAV) plays nothing and says nothing.
    void Toca(const std::string& arquivo);

private:
    void Para();

    std::string pastaPrograma_;
    std::unique_ptr<QBuffer> amostras_;  // the cue's samples, read by the sink as it plays
    std::unique_ptr<QAudioSink> saida_;
};

}  // namespace vantor
